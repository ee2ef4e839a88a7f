// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Program entry: the main window is the whole program.
#include <QApplication>

#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets Wayland compositors match the window to the installed desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SOMATRA_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
