#include "ProfileAssembler.h"

#include <utility>

bool ProfileAssembler::begin(quint32 totalNumber, quint16 packageSize)
{
    clear();
    const quint64 count = packageSize == 0 ? 0 : (quint64(totalNumber) + packageSize - 1) / packageSize;
    if (totalNumber == 0 || count == 0 || count > quint64(kMaxPackages))
        return false;
    total = totalNumber;
    packages = int(count);
    return true;
}

ProfileAssembler::Outcome ProfileAssembler::add(const QList<double> &package, int packageNumber)
{
    if (!isActive() || package.isEmpty() || packageNumber != expected)
        return Outcome::Ignored;
    for (const double sample : package) {
        if (quint32(samples.size()) >= total)
            break;
        samples.append(sample);
    }
    expected = packageNumber + 1;
    if (quint32(samples.size()) == total)
        return Outcome::Complete;
    return expected >= packages ? Outcome::Short : Outcome::Accepted;
}

void ProfileAssembler::clear()
{
    total = 0;
    packages = 0;
    expected = 0;
    samples.clear();
}

QList<double> ProfileAssembler::takeProfile()
{
    QList<double> profile = std::exchange(samples, {});
    clear();
    return profile;
}

bool ProfileAssembler::isActive() const
{
    return packages > 0;
}

quint32 ProfileAssembler::totalNumber() const
{
    return total;
}

int ProfileAssembler::packageNumber() const
{
    return packages;
}

int ProfileAssembler::currentPackage() const
{
    return expected;
}

int ProfileAssembler::sampleCount() const
{
    return samples.size();
}
