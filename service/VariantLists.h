#pragma once

#include <QList>
#include <QVariant>

#include <cmath>

// Lists travel through JSON as arrays of variants.

template <typename T> QVariant listToVariant(const QList<T> &list)
{
    QVariantList variants;
    variants.reserve(list.size());
    for (const T &element : list)
        variants.append(QVariant::fromValue(element));
    return variants;
}

// An element that cannot become a T reads as T's empty value, so a hand-edited
// or foreign file yields a list of the right length instead of a failure.
template <typename T> QList<T> variantToList(const QVariant &value)
{
    QList<T> list;
    if (value.userType() != QMetaType::QVariantList)
        return list;
    const QVariantList variants = value.toList();
    list.reserve(variants.size());
    for (QVariant element : variants)
        list.append(element.convert(qMetaTypeId<T>()) ? element.value<T>() : T());
    return list;
}

// Whether an element of the array reads as a number that is not finite: a
// text such as "nan", "inf" or "1e999". Read into a list of doubles, such an
// element would pass for a value.
inline bool holdsNonFinite(const QVariant &value)
{
    if (value.userType() != QMetaType::QVariantList)
        return false;
    const QVariantList variants = value.toList();
    for (const QVariant &element : variants) {
        if (!std::isfinite(element.toDouble()))
            return true;
    }
    return false;
}
