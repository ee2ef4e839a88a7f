#pragma once
// Exact comparison of computed doubles: QCOMPARE on plain doubles is fuzzy, and these results are specified
// to the last bit, so the tests compare std::optional<double>, whose == is exact, and print 17 digits.
#include <optional>

#include <QTest>

using OptionalDouble = std::optional<double>;
Q_DECLARE_METATYPE(OptionalDouble)

namespace QTest {
template <> inline char *toString(const OptionalDouble &value)
{
    return value ? qstrdup(QByteArray::number(*value, 'g', 17).constData()) : qstrdup("absent");
}
} // namespace QTest

// NaN in a data table stands for an absent result.
inline OptionalDouble Expected(double value)
{
    return qIsNaN(value) ? std::nullopt : OptionalDouble(value);
}
