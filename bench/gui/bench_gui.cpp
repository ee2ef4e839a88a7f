// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Cost of one recalculation pass and of one keystroke in the weight box, through the real window.
// Run in a Release build: QT_QPA_PLATFORM=offscreen bench_gui -median 9
#include <memory>

#include "setup.h"

class BenchGui : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        bench::MakeEveryChoice(*form);
        QCOMPARE(bench::Find<QLineEdit>(*form, "Text9")->text().isEmpty(), false);
    }
    void cleanup() { form.reset(); }

    // One full pass, every choice made.
    void recalculate()
    {
        QBENCHMARK
        {
            form->Recalculate();
        }
    }

    // One iteration is two keystrokes: '7' (70 -> 707, obesity) and Backspace (back to 70),
    // each through the key filter, the change handler, the pass and its nested pass.
    void keystrokePair()
    {
        QLineEdit *weight = bench::Find<QLineEdit>(*form, "Text1");
        weight->setFocus();
        weight->end(false);
        QBENCHMARK
        {
            QTest::keyClick(weight, '7');
            QTest::keyClick(weight, Qt::Key_Backspace);
        }
        QCOMPARE(weight->text(), QStringLiteral("70"));
    }

    // The pass with 32,767 pasted characters in the weight and height boxes (metric units).
    void recalculateLongMetric()
    {
        bench::PasteLongText(bench::Find<QLineEdit>(*form, "Text1"));
        bench::PasteLongText(bench::Find<QLineEdit>(*form, "Text2"));
        QBENCHMARK
        {
            form->Recalculate();
        }
    }

    // The same in English units, the inches box included.
    void recalculateLongEnglish()
    {
        bench::Click(*form, "Option13");
        for (const char *name : { "Text1", "Text2", "Text11" })
            bench::PasteLongText(bench::Find<QLineEdit>(*form, name));
        QBENCHMARK
        {
            form->Recalculate();
        }
    }

private:
    std::unique_ptr<Form1> form;
};

QTEST_MAIN(BenchGui)

#include "bench_gui.moc"
