// Drives the real main window with random input and checks after every step that what it shows
// agrees with the arithmetic recomputed from what the boxes and options hold.
#include <cmath>
#include <cstring>

#include <QRandomGenerator>

#include "calc/calc.h"
#include "guitest.h"
#include "platform/locale.h"

using namespace guitest;

namespace {

const char *const kOptions[] = { "Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7",
    "Option8", "Option9", "Option10", "Option11", "Option12", "Option13" };
const char *const kBoxes[] = { "Text1", "Text2", "Text11" };

std::string Utf8(QWidget *form, const char *box)
{
    return TextOf(form, box).toStdString();
}

bool Checked(QWidget *form, const char *option)
{
    return Control<QRadioButton>(form, option)->isChecked();
}

QString Format(std::optional<double> value, const char *pattern)
{
    return QString::fromStdString(calc::FormatWithPattern(value, pattern, platform::LocaleSeparators()));
}

std::optional<double> Finite(std::optional<double> value)
{
    return value && std::isfinite(*value) ? value : std::nullopt;
}

class Oracle
{
public:
    explicit Oracle(QWidget *form)
        : m_form(form)
    {
        const auto read = [](const std::string &text) { return calc::ParseLeadingNumber(text).value_or(0); };
        m_body.heightCm = read(Utf8(form, "Text2"));
        m_body.weightKg = read(Utf8(form, "Text1"));
        m_english = Checked(form, "Option13");
        if (m_english) {
            if (const auto inches = calc::ParseLeadingNumber(Utf8(form, "Text11")))
                m_body.heightCm = calc::FeetInchesToCm(m_body.heightCm, *inches);
            m_body.weightKg = calc::LbsToKg(m_body.weightKg);
        }
    }

    // Compares every result that the current inputs decide; returns a description of the first mismatch.
    QString Mismatch(bool teeMayBeCleared) const
    {
        const calc::NumberSeparators separators = platform::LocaleSeparators();
        const std::optional<double> bmi = calc::BodyMassIndex(m_body);
        const QString bmiText = Format(bmi, "0.0");
        if (TextOf(m_form, "Text3") != bmiText)
            return "BMI " + TextOf(m_form, "Text3") + " instead of " + bmiText;

        const auto range = calc::AppropriateWeightRange(m_body.heightCm);
        const std::string lower = Format(range.lowerKg, "0,0").toStdString();
        const std::string upper = Format(range.upperKg, "0,0").toStdString();
        std::string rangeText = calc::RangeTextKg(lower, upper);
        if (m_english)
            rangeText = calc::RangeTextLbs(lower, upper, separators).value_or(rangeText);
        if (CaptionOf(m_form, "Label23") != QString::fromStdString(rangeText))
            return "range " + CaptionOf(m_form, "Label23");

        const auto shown = calc::ParseLocaleNumber(bmiText.toStdString(), separators);
        const double twips = shown ? calc::ScaleBarWidth(*shown) : 7245.0;
        for (const char *bar : { "Label49", "Label50", "Label51" }) {
            const int width = Control(m_form, bar)->width();
            if (width != platform::TwipsToPixels(int(twips)) || width < 0
                || width > platform::TwipsToPixels(7245))
                return QString("bar %1 is %2 px").arg(bar).arg(width);
        }

        const int age = Checked(m_form, "Option1") ? 0
            : Checked(m_form, "Option2")           ? 1
            : Checked(m_form, "Option3")           ? 2
                                                   : -1;
        const int sex = Checked(m_form, "Option10") ? 0 : Checked(m_form, "Option11") ? 1 : -1;
        const int outside = Checked(m_form, "Option4") ? 0
            : Checked(m_form, "Option5")               ? 1
            : Checked(m_form, "Option6")               ? 2
                                                       : -1;
        const int atWork = Checked(m_form, "Option7") ? 0
            : Checked(m_form, "Option8")              ? 1
            : Checked(m_form, "Option9")              ? 2
                                                      : -1;
        if (age < 0 || sex < 0 || outside < 0 || atWork < 0) {
            if (!TextOf(m_form, "Text9").isEmpty())
                return "TEE " + TextOf(m_form, "Text9") + " without every choice";
            return {};
        }
        const auto bmr = calc::BasalMetabolicRate(calc::AgeGroup(age), calc::Sex(sex), m_body);
        const QString bmrText = Format(bmr, "0");
        if (TextOf(m_form, "Text6") != bmrText)
            return "BMR " + TextOf(m_form, "Text6") + " instead of " + bmrText;
        const char *const intensities[] = { "Weak", "Moderate", "High" };
        const double pal = *calc::PhysicalActivityLevel(
            sex == 0 ? "Male" : "Female", intensities[outside], intensities[atWork]);
        const auto bmrShown = calc::ParseLocaleNumber(bmrText.toStdString(), separators);
        std::optional<double> dit;
        if (bmrShown)
            dit = Finite(calc::DietInducedThermogenesis(*bmrShown, pal));
        const QString ditText = Format(dit, "0,0");
        if (TextOf(m_form, "Text8") != ditText)
            return "DIT " + TextOf(m_form, "Text8") + " instead of " + ditText;
        std::optional<double> tee;
        if (const auto ditShown = calc::ParseLocaleNumber(ditText.toStdString(), separators);
            bmrShown && ditShown)
            tee = Finite(calc::TotalEnergyExpenditure(*bmrShown, pal, *ditShown));
        const QString teeText = Format(tee, "0,0");
        const QString shownTee = TextOf(m_form, "Text9");
        if (shownTee != teeText && !(teeMayBeCleared && shownTee.isEmpty()))
            return "TEE " + shownTee + " instead of " + teeText;
        return {};
    }

private:
    QWidget *m_form;
    calc::BodyMeasurements m_body;
    bool m_english = false;
};

QString RandomText(QRandomGenerator &random)
{
    static const QString pool
        = QString::fromUtf8("0123456789012345678901234567890123456789"
                            ".,-+ eEdD&HhOoFfxz\t\n\r\x01\x7f\xc2\xa0\xe2\x80\xaf\xd9\xa3\xf0\x9f\x8d\x8e");
    const quint32 roll = random.bounded(100);
    const int length = roll < 85 ? int(random.bounded(12)) : roll < 99 ? int(random.bounded(400)) : 32767;
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += pool.at(random.bounded(int(pool.size())));
    return text;
}

} // namespace

class TestRandomized : public QObject
{
    Q_OBJECT

private slots:
    void randomInputKeepsResultsConsistent();
};

void TestRandomized::randomInputKeepsResultsConsistent()
{
    const bool stress = qEnvironmentVariableIntValue("SOMATRA_STRESS") != 0;
    const int steps = stress ? 100000 : 2500;
    const quint32 seed = qEnvironmentVariableIsSet("SOMATRA_SEED")
        ? quint32(qEnvironmentVariableIntValue("SOMATRA_SEED"))
        : 20261206u;
    QRandomGenerator random(seed);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool teeMayBeCleared = false;
    // A unit switch with both boxes empty runs no pass: the results stay as the last pass left them.
    bool resultsStale = false;
    QString last;
    for (int step = 0; step < steps; ++step) {
        const char *box = kBoxes[random.bounded(3)];
        if (std::strcmp(box, "Text11") == 0 && !Control(&form, box)->isVisible())
            box = "Text1";
        const quint32 kind = random.bounded(100);
        const QString before = TextOf(&form, box);
        const char *touched = box;
        bool passRan = false;
        if (kind < 45) {
            const QChar key = random.bounded(10) < 8 ? QChar('0' + char(random.bounded(10)))
                                                     : QChar("a.,- x"[random.bounded(6)]);
            Type(&form, box, QString(key));
            last = QString("typed %1 into %2").arg(key).arg(box);
            passRan = TextOf(&form, box) != before;
        } else if (kind < 55) {
            Control(&form, box)->setFocus();
            QTest::keyClick(Control(&form, box), Qt::Key_Backspace);
            last = QString("backspace in %1").arg(box);
            passRan = TextOf(&form, box) != before;
        } else if (kind < 70) {
            const QString text = RandomText(random);
            Paste(&form, box, text);
            last = QString("pasted %1 characters into %2").arg(text.size()).arg(box);
            passRan = TextOf(&form, box) != before;
        } else if (kind < 75) {
            ClearBox(&form, box);
            last = QString("cleared %1").arg(box);
            passRan = !before.isEmpty();
        } else {
            const char *option = kOptions[random.bounded(13)];
            const bool wasChecked = Checked(&form, option);
            const bool boxesEmpty = TextOf(&form, "Text1").isEmpty() && TextOf(&form, "Text2").isEmpty();
            ClickOption(&form, option);
            touched = nullptr;
            last = QString("clicked %1").arg(option);
            const bool unitSwitch
                = std::strcmp(option, "Option12") == 0 || std::strcmp(option, "Option13") == 0;
            if (unitSwitch && !wasChecked) {
                teeMayBeCleared = true;
                resultsStale = boxesEmpty;
            }
            passRan = !unitSwitch && !wasChecked;
        }
        // The inches box runs a pass only in English units.
        if (passRan && (!touched || std::strcmp(touched, "Text11") != 0 || Checked(&form, "Option13"))) {
            teeMayBeCleared = false;
            resultsStale = false;
        }
        const QString mismatch = resultsStale
            ? (TextOf(&form, "Text9").isEmpty() ? QString()
                                                : QStringLiteral("TEE not cleared by the unit switch"))
            : Oracle(&form).Mismatch(teeMayBeCleared);
        if (!mismatch.isEmpty())
            QFAIL(qPrintable(
                QString("step %1 (seed %2), after %3: %4").arg(step).arg(seed).arg(last, mismatch)));
    }
}

SOMATRA_GUI_TEST_MAIN(TestRandomized)
#include "tst_randomized.moc"
