// Renders the main window to a PNG without a display, for the docs and for checking the layout by eye.
// Usage: somatra_screenshot OUTPUT.png [--design]   (--design: skip the load handler)
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QPixmap>

#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [--design]\n", argv[0]);
        return 2;
    }
    std::unique_ptr<Form1> form
        = args.contains(QStringLiteral("--design")) ? Form1::InDesignState() : std::make_unique<Form1>();
    form->show();
    QApplication::processEvents();
    if (!form->grab().save(args.at(1))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
