#ifndef PARAMETERENTRY_H
#define PARAMETERENTRY_H

#include <QString>

// One row of a parameter table; id is the slot in the library's result group.
struct ParameterEntry {
    int id = 0;
    QString paraName;
    double value1 = 0.0;
    double value2 = 0.0;
    QString unit1 = QStringLiteral("--");
    QString unit2 = QStringLiteral("--");
    QString valueAndUnit1 = QStringLiteral("--");
    QString valueAndUnit2 = QStringLiteral("--");
};

#endif
