#include "GbkText.h"

#include <QtTest>

#include <memory>

class GbkTextTest : public QObject
{
    Q_OBJECT
private slots:
    void decodesLibraryTexts_data();
    void decodesLibraryTexts();
    void neverReadsPastTheField();
    void nullGivesEmptyText();
};

void GbkTextTest::decodesLibraryTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("micrometre") << QByteArray("\xA6\xCC\x6D") << QString::fromUtf8("μm");
    QTest::newRow("micro-inch") << QByteArray("\xA6\xCC\xA1\xE5") << QString::fromUtf8("μ″");
    QTest::newRow("value and unit") << QByteArray("0.812 \xA6\xCC\x6D") << QString::fromUtf8("0.812 μm");
    QTest::newRow("delta symbol") << QByteArray("R\xA6\xA4q") << QString::fromUtf8("RΔq");
    QTest::newRow("empty") << QByteArray("") << QString();
}

void GbkTextTest::decodesLibraryTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(gbkText(bytes.constData(), 24), text);
}

void GbkTextTest::neverReadsPastTheField()
{
    // A field filled to the last byte with no terminator; the sanitizer build
    // catches any read beyond it.
    const int size = 24;
    auto field = std::make_unique<char[]>(size);
    std::fill_n(field.get(), size, 'a');
    QCOMPARE(gbkText(field.get(), size), QString(size, 'a'));
    QCOMPARE(gbkText("abcdef", 3), QString("abc"));
}

void GbkTextTest::nullGivesEmptyText()
{
    QVERIFY(gbkText(nullptr, 24).isEmpty());
}

QTEST_APPLESS_MAIN(GbkTextTest)
#include "GbkTextTest.moc"
