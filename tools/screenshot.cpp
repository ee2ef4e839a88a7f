// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Renders the main window to a PNG without a display, for the docs and for checking the layout by eye.
// Usage: somatra_screenshot OUTPUT.png [--design | --example | --about]
//   --design: skip the load handler; --example: a man, 18-29, 70 kg, 175 cm, moderately active
//   outside work, non-active at work, entered as a person would; --about: the About window. The
//   language follows LANGUAGE, as in the program.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include "about/form2.h"
#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [--design | --example | --about]\n", argv[0]);
        return 2;
    }
    std::unique_ptr<Form1> form
        = args.contains(QStringLiteral("--design")) ? Form1::InDesignState() : std::make_unique<Form1>();
    form->show();
    if (args.contains(QStringLiteral("--example"))) {
        for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
            form->findChild<QRadioButton *>(QLatin1String(option))->click();
        form->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("175"));
        form->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("70"));
    }
    QApplication::processEvents();
    QWidget *shown = form.get();
    const std::unique_ptr<Form2> about(args.contains(QStringLiteral("--about")) ? new Form2 : nullptr);
    if (about)
        (shown = about.get())->show(), QApplication::processEvents();
    if (!shown->grab().save(args.at(1))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
