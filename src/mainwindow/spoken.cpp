// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// What screen readers hear of the results while the focus stays in an input: a short summary of what
// changed, once the person pauses.
#include <QTimer>

#include "looks.h"
#include "mainwindow/form1.h"
#include "platform/accessibility.h"
#include "ui_form1.h"

namespace {

// Long enough to pass between two keys of a number, short enough to follow a pause.
constexpr int kPauseMs = 700;

} // namespace

void Form1::ScheduleAnnouncement()
{
    // Passes before the window shows announce nothing: Form_Load notes what they leave.
    if (!announceTimer || !isVisible())
        return;
    // The timer runs from the first change; when it ends, it waits again for whatever part of the
    // pause the later changes took. Restarting it on every pass would cost more than the pass.
    lastChange.start();
    if (!announceTimer->isActive())
        announceTimer->start(kPauseMs);
}

void Form1::AnnounceResults()
{
    if (const qint64 quiet = lastChange.elapsed(); quiet < kPauseMs) {
        announceTimer->start(int(kPauseMs - quiet));
        return;
    }
    const QStringList now = SpokenResults();
    QStringList said;
    if (!pendingNotice.isEmpty())
        said << pendingNotice;
    for (qsizetype part = 0; part < now.size(); ++part) {
        if (!now[part].isEmpty() && now[part] != spoken.value(part))
            said << now[part];
    }
    spoken = now;
    pendingNotice.clear();
    if (!said.isEmpty())
        announcer->Announce(said.join(QLatin1String(". ")) + QLatin1Char('.'));
}

// The BMI with its category, the weight range and the TEE as a person would say them; a result that
// is not there says nothing, but a BMI that goes away says so.
QStringList Form1::SpokenResults() const
{
    const QString bmi = ui->Text3->text();
    if (bmi.isEmpty())
        return { QStringLiteral("No BMI"), QString(), QString() };
    QString category;
    for (const looks::CategoryLook &look : looks::kCategoryLooks) {
        if (ui->Label4->text() == QLatin1String(look.message))
            category = QLatin1String(look.spoken);
    }
    const QString range = ui->Label23->text().replace(QLatin1String(" - "), QLatin1String(" to "));
    const QString tee = ui->Text9->text();
    return { QStringLiteral("BMI %1, %2").arg(bmi, category),
        QStringLiteral("Appropriate weight %1 %2")
            .arg(range, ui->Option13->isChecked() ? QLatin1String("pounds") : QLatin1String("kilograms")),
        tee.isEmpty() ? QString() : QStringLiteral("Total energy expenditure %1 kilocalories").arg(tee) };
}
