#pragma once

#include <QList>
#include <QtGlobal>

// Puts a measured profile together from its numbered packages, one expected
// package at a time. The profile is handed out only once it is whole, so a
// fetch that ends early leaves nothing that could pass for a measurement.
class ProfileAssembler
{
public:
    enum class Outcome {
        // Not the package expected next, or no fetch is under way.
        Ignored,
        // Taken; the next one is expected.
        Accepted,
        // Taken, and the profile is whole.
        Complete,
        // Taken, but every package is in and samples are still missing.
        Short,
    };

    // Package numbers travel as 16-bit values.
    static constexpr int kMaxPackages = 65536;

    // Starts a profile of totalNumber samples in packages of packageSize,
    // dropping whatever was collected before. False, with nothing under
    // way, when the two give no package count the numbers can carry.
    bool begin(quint32 totalNumber, quint16 packageSize);
    // Samples of a package beyond the profile's length are dropped.
    Outcome add(const QList<double> &samples, int packageNumber);
    // Drops the profile in progress; later packages are ignored.
    void clear();
    // The whole profile; the assembler is empty afterwards.
    QList<double> takeProfile();

    bool isActive() const;
    quint32 totalNumber() const;
    int packageNumber() const;
    int currentPackage() const;
    int sampleCount() const;

private:
    quint32 total = 0;
    int packages = 0;
    int expected = 0;
    QList<double> samples;
};
