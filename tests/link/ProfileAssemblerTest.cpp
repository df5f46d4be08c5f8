#include "ProfileAssembler.h"

#include <QtTest>

using Outcome = ProfileAssembler::Outcome;

Q_DECLARE_METATYPE(Outcome)

namespace {

QList<double> package(int number, int count)
{
    QList<double> samples;
    for (int i = 0; i < count; ++i)
        samples << number * 1000 + i;
    return samples;
}

}

class ProfileAssemblerTest : public QObject
{
    Q_OBJECT

private slots:
    void assemblesPackageByPackage_data();
    void assemblesPackageByPackage();
    void refusesReportsWithoutAPackageCount_data();
    void refusesReportsWithoutAPackageCount();
    void profileInProgressIsNeverHandedOut();
};

void ProfileAssemblerTest::assemblesPackageByPackage_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<Outcome>>("outcomes");
    QTest::addColumn<int>("kept");
    const Outcome ignored = Outcome::Ignored;
    const Outcome accepted = Outcome::Accepted;
    const Outcome complete = Outcome::Complete;
    QTest::newRow("short last package, extra samples dropped")
        << 1000 << 300 << QList<int>{0, 1, 2, 3} << QList<int>{300, 300, 300, 150}
        << QList<Outcome>{accepted, accepted, accepted, complete} << 0;
    QTest::newRow("out of turn, repeated and empty packages")
        << 600 << 200 << QList<int>{1, 0, 0, 1, 2, 2} << QList<int>{200, 200, 200, 0, 200, 200}
        << QList<Outcome>{ignored, accepted, ignored, ignored, ignored, ignored} << 200;
    QTest::newRow("every package in, samples missing") << 500 << 200 << QList<int>{0, 1, 2} << QList<int>{200, 50, 200}
                                                       << QList<Outcome>{accepted, accepted, Outcome::Short} << 450;
    QTest::newRow("nothing after completion") << 200 << 200 << QList<int>{0, 0, 1} << QList<int>{200, 200, 200}
                                              << QList<Outcome>{complete, ignored, ignored} << 0;
}

void ProfileAssemblerTest::assemblesPackageByPackage()
{
    QFETCH(int, total);
    QFETCH(int, size);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, counts);
    QFETCH(QList<Outcome>, outcomes);
    QFETCH(int, kept);
    ProfileAssembler assembler;
    QVERIFY(assembler.begin(quint32(total), quint16(size)));
    QList<double> expected;
    for (int i = 0; i < numbers.size(); ++i) {
        const Outcome outcome = assembler.add(package(numbers.at(i), counts.at(i)), numbers.at(i));
        QCOMPARE(outcome, outcomes.at(i));
        if (outcome != Outcome::Ignored)
            expected += package(numbers.at(i), counts.at(i));
        if (outcome == Outcome::Complete) {
            QCOMPARE(assembler.takeProfile(), expected.mid(0, total));
            QVERIFY(!assembler.isActive());
        }
    }
    QCOMPARE(assembler.sampleCount(), kept);
}

void ProfileAssemblerTest::refusesReportsWithoutAPackageCount_data()
{
    QTest::addColumn<quint32>("total");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<int>("packages");
    QTest::newRow("no samples") << quint32(0) << 100 << false << 0;
    QTest::newRow("no package size") << quint32(1000) << 0 << false << 0;
    QTest::newRow("more packages than numbers") << quint32(65537) << 1 << false << 0;
    QTest::newRow("every number used") << quint32(65536) << 1 << true << 65536;
    QTest::newRow("largest sample count") << quint32(0xFFFFFFFF) << 65535 << false << 0;
}

void ProfileAssemblerTest::refusesReportsWithoutAPackageCount()
{
    QFETCH(quint32, total);
    QFETCH(int, size);
    QFETCH(bool, usable);
    QFETCH(int, packages);
    ProfileAssembler assembler;
    QCOMPARE(assembler.begin(total, quint16(size)), usable);
    QCOMPARE(assembler.isActive(), usable);
    QCOMPARE(assembler.packageNumber(), packages);
    QCOMPARE(assembler.add(package(0, 10), 0), usable ? Outcome::Accepted : Outcome::Ignored);
}

void ProfileAssemblerTest::profileInProgressIsNeverHandedOut()
{
    ProfileAssembler assembler;
    QVERIFY(assembler.begin(600, 200));
    QCOMPARE(assembler.add(package(0, 200), 0), Outcome::Accepted);
    // A new report starts the profile afresh.
    QVERIFY(assembler.begin(400, 200));
    QCOMPARE(assembler.sampleCount(), 0);
    QCOMPARE(assembler.add(package(1, 200), 1), Outcome::Ignored);
    QCOMPARE(assembler.add(package(0, 200), 0), Outcome::Accepted);
    assembler.clear();
    QCOMPARE(assembler.add(package(1, 200), 1), Outcome::Ignored);
    QCOMPARE(assembler.add(package(0, 200), 0), Outcome::Ignored);
    QVERIFY(assembler.takeProfile().isEmpty());
}

QTEST_GUILESS_MAIN(ProfileAssemblerTest)
#include "ProfileAssemblerTest.moc"
