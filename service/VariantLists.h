#pragma once

#include <QList>
#include <QRegularExpression>
#include <QVariant>

#include <cmath>
#include <optional>

// Lists travel through JSON as arrays of variants.

template <typename T> QVariant listToVariant(const QList<T> &list)
{
    QVariantList variants;
    variants.reserve(list.size());
    for (const T &element : list)
        variants.append(QVariant::fromValue(element));
    return variants;
}

// A number in a file is a JSON number or a text written as a plain decimal.
// null, true, "abc", "0x10", "nan" or "1e999" are no numbers: read as 0 they
// would pass for measured values.
inline std::optional<double> finiteNumber(const QVariant &element)
{
    bool ok = false;
    double number = 0;
    switch (element.userType()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        number = element.toDouble(&ok);
        break;
    case QMetaType::QString: {
        static const QRegularExpression decimal(
            QRegularExpression::anchoredPattern(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
        const QString text = element.toString();
        if (decimal.match(text).hasMatch())
            number = text.toDouble(&ok);
        break;
    }
    default:
        break;
    }
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

inline bool readListElement(const QVariant &element, double &out)
{
    const std::optional<double> number = finiteNumber(element);
    out = number.value_or(0.0);
    return number.has_value();
}

// Rounded to the nearest integer; a number beyond int's range is no id.
inline bool readListElement(const QVariant &element, int &out)
{
    const std::optional<double> number = finiteNumber(element);
    out = 0;
    if (!number || !(std::fabs(*number) <= 2147483647.0))
        return false;
    out = static_cast<int>(std::lround(*number));
    return true;
}

// Texts stay lenient: a number reads as its text and anything else as an empty
// text, which shows as what it is.
inline bool readListElement(const QVariant &element, QString &out)
{
    QVariant copy = element;
    out = copy.convert(QMetaType::QString) ? copy.toString() : QString();
    return true;
}

// A missing list reads as empty. A list that is no array, or a number list
// with an element that is no finite number, clears *ok; the result still has
// one element per array element, 0 in place of each that is no number.
template <typename T> QList<T> variantToList(const QVariant &value, bool *ok = nullptr)
{
    QList<T> list;
    if (!value.isValid())
        return list;
    if (value.userType() != QMetaType::QVariantList) {
        if (ok)
            *ok = false;
        return list;
    }
    const QVariantList variants = value.toList();
    list.reserve(variants.size());
    for (const QVariant &element : variants) {
        T read;
        if (!readListElement(element, read) && ok)
            *ok = false;
        list.append(read);
    }
    return list;
}
