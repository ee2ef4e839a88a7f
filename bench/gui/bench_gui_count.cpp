// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Exactly K keystrokes or K passes inside functions that callgrind counts alone:
//   valgrind --tool=callgrind --toggle-collect='somatra_measured_*' bench_gui_count keys 1000 [dark]
// Instructions per keystroke = total / K; set-up and teardown are outside the toggled functions.
// "dark" puts the window on a dark palette, where every fixed colour is made legible.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "setup.h"

// C linkage and no inlining keep the names that --toggle-collect matches.
extern "C" {
__attribute__((noinline)) void somatra_measured_keys(QLineEdit *weight, int count)
{
    // '7' then Backspace: 70 -> 707 -> 70, so the text never grows.
    for (int i = 0; i < count; ++i) {
        if (i % 2)
            QTest::keyClick(weight, Qt::Key_Backspace);
        else
            QTest::keyClick(weight, '7');
    }
}

__attribute__((noinline)) void somatra_measured_passes(Form1 *form, int count)
{
    for (int i = 0; i < count; ++i)
        form->Recalculate();
}
}

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "dark"))
        || (std::strcmp(argv[1], "keys") && std::strcmp(argv[1], "pass") && std::strcmp(argv[1], "long")
            && std::strcmp(argv[1], "half"))) {
        std::fprintf(stderr, "usage: %s keys|pass|long|half COUNT [dark]\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4)
        QApplication::setPalette(bench::DarkPalette());
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    bench::MakeEveryChoice(form);
    QLineEdit *weight = bench::Find<QLineEdit>(form, "Text1");
    if (!std::strcmp(argv[1], "keys")) {
        weight->setFocus();
        weight->end(false);
        somatra_measured_keys(weight, count);
    } else {
        // long: the longest texts a box holds; half: half as long, to show the growth is linear.
        if (argv[1][0] != 'p') {
            const int length = argv[1][0] == 'l' ? 32767 : 16383;
            bench::PasteLongText(weight, length);
            bench::PasteLongText(bench::Find<QLineEdit>(form, "Text2"), length);
        }
        somatra_measured_passes(&form, count);
    }
    std::printf(
        "%s %d done, Text9=%s\n", argv[1], count, qPrintable(bench::Find<QLineEdit>(form, "Text9")->text()));
    return 0;
}
