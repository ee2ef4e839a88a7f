// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// What screen readers hear of the main window's results: whole sentences in the person's language,
// and what an announcement says once the person pauses.
#include <QString>
#include <QStringList>

namespace spoken {

// The results as a pass showed them; an empty text is a result that is not there.
struct Results
{
    QString bmi;
    QString reading; // how screen readers say the category, or which measurement to check
    QString lowerLimit;
    QString upperLimit;
    bool pounds = false;
    QString tee;
};

// "Appropriate weight 57 to 76 kilograms", with the form of the noun that the upper limit takes.
QString WeightRange(const QString &lower, const QString &upper, bool pounds);
// "Total energy expenditure 2,933 kilocalories", with the form of the noun that the number takes.
QString Energy(const QString &tee);

// The BMI with its category, the weight range and the energy: a result that is not there says
// nothing, but a BMI that goes away says so.
QStringList Sentences(const Results &results);

// What an announcement says: the notice, then each sentence that changed since those last said;
// empty when there is nothing to say.
QString Announcement(const QStringList &said, const QStringList &now, const QString &notice);

} // namespace spoken
