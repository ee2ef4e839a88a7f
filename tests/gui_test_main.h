#pragma once
// main() for GUI tests: runs on the offscreen platform unless a platform is chosen, with a pinned locale.
#include <QApplication>
#include <QLocale>
#include <QTest>

#define SOMATRA_GUI_TEST_MAIN(TestClass)                                                                     \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QLocale::setDefault(QLocale::c());                                                                   \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
