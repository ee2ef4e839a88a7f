// Program entry: the main window is the whole program.
#include <QApplication>

#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    return QApplication::exec();
}
