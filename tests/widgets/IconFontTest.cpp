#include "IconFont.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QtTest>

class IconFontTest : public QObject
{
    Q_OBJECT
private slots:
    void oneObjectAcrossThreads();
    void everyGlyphDrawsPixels();
    void buttonWeightFollowsBold();
};

void IconFontTest::oneObjectAcrossThreads()
{
    QList<IconFont *> seen;
    QList<QThread *> threads;
    QMutex mutex;
    for (int i = 0; i < 4; ++i) {
        QThread *thread = QThread::create([&] {
            IconFont *font = IconFont::instance();
            QMutexLocker lock(&mutex);
            seen.append(font);
        });
        threads.append(thread);
        thread->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    seen.append(IconFont::instance());
    for (IconFont *font : seen)
        QCOMPARE(font, IconFont::instance());
}

void IconFontTest::everyGlyphDrawsPixels()
{
    IconFont *icons = IconFont::instance();
    QCOMPARE(icons->font.family(), QString("Orlimo Icons"));
    QCOMPARE(icons->glyphs.size(), 22);
    for (auto it = icons->glyphs.cbegin(); it != icons->glyphs.cend(); ++it) {
        QVERIFY2(QFontMetrics(icons->font).inFontUcs4(uint(it.value())), qPrintable(it.key()));
        const QImage image = icons->iconPixmap(Qt::black, it.value(), 40, 48, 48, Qt::AlignCenter).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(inked > 40, qPrintable(it.key()));
        QVERIFY2(inked < 48 * 48 / 2 + 600, qPrintable(it.key()));
    }
}

void IconFontTest::buttonWeightFollowsBold()
{
    IconFont *icons = IconFont::instance();
    QPushButton button;
    icons->setButtonIcon(&button, icons->glyphs.value("save"), 30, true);
    QCOMPARE(button.font().weight(), int(QFont::Bold));
    QCOMPARE(button.text(), QString(QChar(0xE636)));
    icons->setButtonIcon(&button, icons->glyphs.value("save"), 24, false);
    QCOMPARE(button.font().weight(), int(QFont::Normal));
    QCOMPARE(button.font().pixelSize(), 24);
}

QTEST_MAIN(IconFontTest)
#include "IconFontTest.moc"
