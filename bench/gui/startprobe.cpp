// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Start-up probe: opens the window, and on its first frame prints the time since launch and the
// peak resident memory, then exits. Built four times: with Form1 (somatra_startprobe); with Somatra's
// form as uic builds it on a plain main window in the same font, without handlers or start-up
// passes (form_startprobe): the floor for any window with this form; with an empty main window of
// the same client size (bare_startprobe); and with that window holding one caption and one filled
// text box in the default font (captioned_startprobe): the least any window that shows text pays,
// fontconfig and font loading included.
//
// Time origin: startlaunch stamps CLOCK_MONOTONIC just before posix_spawn and passes it in
// SOMATRA_LAUNCH_NS, so exec, dynamic linking and static initialisers are included. Without it only
// the time from main() is known and launch_us prints -1.
//
// First frame: the first Expose or UpdateRequest of the window, or of its top-level widget, during
// which widgets were painted; the timestamp is taken when that event returns, after the backing
// store has been flushed to the platform window.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#if defined(BARE_WINDOW) || defined(CAPTIONED_WINDOW)
#include <QMainWindow>
#ifdef CAPTIONED_WINDOW
#include <QLabel>
#include <QLineEdit>
#endif
#elif defined(FORM_FLOOR)
#include <QLayout>
#include <QMainWindow>

#include "platform/controls/font.h"
#include "ui_form1.h"
#else
#include "mainwindow/form1.h"
#endif

namespace {

long long NowNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Peak resident set size in kB, as the kernel records it.
long PeakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class ProbeApplication : public QApplication
{
public:
    ProbeApplication(int &argc, char **argv, long long mainNs)
        : QApplication(argc, argv)
        , mainNs(mainNs)
    { }

    QWidget *top = nullptr;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Paint && top && receiver->isWidgetType()
            && static_cast<QWidget *>(receiver)->window() == top)
            painted = true;
        const bool result = QApplication::notify(receiver, event);
        if (painted && top && (type == QEvent::Expose || type == QEvent::UpdateRequest)
            && (receiver == top || receiver == top->windowHandle()))
            Report();
        return result;
    }

private:
    [[noreturn]] void Report()
    {
        const long long frameNs = NowNs();
        const char *launch = std::getenv("SOMATRA_LAUNCH_NS");
        const long long launchUs = launch ? (frameNs - std::atoll(launch)) / 1000 : -1;
        std::printf(
            "launch_us=%lld main_us=%lld vmhwm_kb=%ld\n", launchUs, (frameNs - mainNs) / 1000, PeakRssKb());
        std::fflush(stdout);
        // Teardown is not part of start-up; leave without it.
        std::_Exit(0);
    }

    long long mainNs;
    bool painted = false;
};

} // namespace

int main(int argc, char **argv)
{
    const long long mainNs = NowNs();
    ProbeApplication app(argc, argv, mainNs);
#if defined(BARE_WINDOW) || defined(CAPTIONED_WINDOW)
    QMainWindow window;
    auto *central = new QWidget(&window);
    central->setFixedSize(587, 617);
    window.setCentralWidget(central);
#ifdef CAPTIONED_WINDOW
    // Where Somatra has its height caption and box.
    (new QLabel(QStringLiteral("Height:"), central))->setGeometry(48, 76, 41, 17);
    (new QLineEdit(QStringLiteral("175"), central))->setGeometry(88, 72, 49, 25);
#endif
#elif defined(FORM_FLOOR)
    QMainWindow window;
    window.setFont(platform::DialogFont());
    Ui::Form1 form;
    form.setupUi(&window);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
#else
    Form1 window;
#endif
    app.top = &window;
    window.show();
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no frame within 20 s\n");
        std::_Exit(1);
    });
    return QApplication::exec();
}
