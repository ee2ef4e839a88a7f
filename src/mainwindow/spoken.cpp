// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// What screen readers hear of the results while the focus stays in an input: a short summary of what
// changed, once the person pauses.
#include "mainwindow/spoken.h"

#include <QTimer>

#include "mainwindow/form1.h"
#include "platform/a11y/announcer.h"
#include "ui_form1.h"

namespace spoken {

namespace {

// The count that picks the plural form for a whole number as shown ("2,461"): in every language
// Somatra speaks, the last two digits decide, and beyond them only that there are more.
int PluralCount(const QString &shown)
{
    QString digits;
    for (const QChar c : shown) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    const int last = digits.right(2).toInt();
    return digits.size() > 2 ? 100 + last : last;
}

} // namespace

QString WeightRange(const QString &lower, const QString &upper, bool pounds)
{
    const int count = PluralCount(upper);
    if (pounds) {
        //: Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and
        //: upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.
        return Form1::tr("Appropriate weight %1 to %2 pounds", nullptr, count).arg(lower, upper);
    }
    //: Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper
    //: limits as shown, whole numbers; the noun takes the form that the upper limit asks for.
    return Form1::tr("Appropriate weight %1 to %2 kilograms", nullptr, count).arg(lower, upper);
}

QString Energy(const QString &tee)
{
    //: Spoken after a pause in typing. %1 is the total energy expenditure per day as shown, a whole
    //: number with grouped thousands; the noun takes the form that the number asks for.
    return Form1::tr("Total energy expenditure %1 kilocalories", nullptr, PluralCount(tee)).arg(tee);
}

QStringList Sentences(const Results &results)
{
    // Whole sentences for each case, so that every language words them its own way.
    QStringList sentences(3);
    if (results.bmi.isEmpty()) {
        //: Spoken after a pause in typing when the BMI went away: a weight or height was cleared.
        sentences[0] = Form1::tr("No BMI");
    } else {
        //: Spoken after a pause in typing. %1 is the BMI as shown ("22.9"), %2 the spoken weight
        //: category ("normal weight") or which measurement to check.
        sentences[0] = Form1::tr("BMI %1, %2").arg(results.bmi, results.reading);
    }
    if (!results.lowerLimit.isEmpty())
        sentences[1] = WeightRange(results.lowerLimit, results.upperLimit, results.pounds);
    if (!results.tee.isEmpty())
        sentences[2] = Energy(results.tee);
    return sentences;
}

QString Announcement(const QStringList &said, const QStringList &now, const QString &notice)
{
    QStringList parts;
    if (!notice.isEmpty())
        parts << notice;
    for (qsizetype part = 0; part < now.size(); ++part) {
        if (!now[part].isEmpty() && now[part] != said.value(part))
            parts << now[part];
    }
    return parts.isEmpty() ? QString() : parts.join(QLatin1String(". ")) + QLatin1Char('.');
}

} // namespace spoken

void Form1::SetAnnouncementPause(std::chrono::milliseconds pause)
{
    m_announceTimer->setInterval(pause);
}

void Form1::ScheduleAnnouncement()
{
    // Passes before the window shows announce nothing: Form_Load notes what they leave.
    if (m_announceTimer && isVisible())
        m_announceTimer->start();
}

void Form1::AnnounceResults()
{
    const QStringList now = spoken::Sentences(m_shown);
    const QString said = spoken::Announcement(m_spoken, now, m_pendingNotice);
    m_spoken = now;
    m_pendingNotice.clear();
    if (!said.isEmpty())
        m_announcer->Announce(said);
}
