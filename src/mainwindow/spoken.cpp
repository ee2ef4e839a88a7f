// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// What screen readers hear of the results while the focus stays in an input: a short summary of what
// changed, once the person pauses.
#include <QTimer>

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
    if (!m_announceTimer || !isVisible())
        return;
    // The timer runs from the first change; when it ends, it waits again for whatever part of the
    // pause the later changes took. Restarting it on every pass would cost more than the pass.
    m_lastChange.start();
    if (!m_announceTimer->isActive())
        m_announceTimer->start(kPauseMs);
}

void Form1::AnnounceResults()
{
    if (const qint64 quiet = m_lastChange.elapsed(); quiet < kPauseMs) {
        m_announceTimer->start(int(kPauseMs - quiet));
        return;
    }
    const QStringList now = SpokenResults();
    QStringList said;
    if (!m_pendingNotice.isEmpty())
        said << m_pendingNotice;
    for (qsizetype part = 0; part < now.size(); ++part) {
        if (!now[part].isEmpty() && now[part] != m_spoken.value(part))
            said << now[part];
    }
    m_spoken = now;
    m_pendingNotice.clear();
    if (!said.isEmpty())
        m_announcer->Announce(said.join(QLatin1String(". ")) + QLatin1Char('.'));
}

// The BMI with its category, the weight range and the TEE as a person would say them; a result that
// is not there says nothing, but a BMI that goes away says so.
QStringList Form1::SpokenResults() const
{
    // Whole sentences for each case, so that every language words them its own way.
    QStringList results { m_shown.bmi.isEmpty() ? tr("No BMI")
                                                : tr("BMI %1, %2").arg(m_shown.bmi, m_shown.reading),
        QString(), QString() };
    if (!m_shown.lowerLimit.isEmpty())
        results[1] = (m_shown.pounds ? tr("Appropriate weight %1 to %2 pounds")
                                     : tr("Appropriate weight %1 to %2 kilograms"))
                         .arg(m_shown.lowerLimit, m_shown.upperLimit);
    if (!m_shown.tee.isEmpty())
        results[2] = tr("Total energy expenditure %1 kilocalories").arg(m_shown.tee);
    return results;
}
