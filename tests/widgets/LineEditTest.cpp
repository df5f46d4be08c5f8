#include "LineEdit.h"
#include "DebugLines.h"
#include "KeyboardStub.h"
#include "TouchKeyboard.h"

#include <QValidator>
#include <QtTest>

class LineEditTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void validators_data();
    void validators();
    void keepValidatorType();
    void missingKeyboardIsOneDebugLine();
    void pressesStartOneKeyboard();

private:
    KeyboardStub stub;
};

void LineEditTest::initTestCase()
{
    QVERIFY(stub.setUp());
}

void LineEditTest::validators_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits: eight") << 0 << "12345678" << true;
    QTest::newRow("digits: nine") << 0 << "123456789" << false;
    QTest::newRow("digits: letter") << 0 << "12a" << false;
    QTest::newRow("decimal: 0") << 1 << "0" << true;
    QTest::newRow("decimal: 12.5") << 1 << "12.5" << true;
    QTest::newRow("decimal: 3.125") << 1 << "3.125" << true;
    QTest::newRow("decimal: fourth decimal") << 1 << "3.1255" << false;
    QTest::newRow("decimal: minus") << 1 << "-1" << false;
    QTest::newRow("decimal: comma") << 1 << "1,5" << false;
    QTest::newRow("name: question mark") << 2 << "a?b" << false;
    QTest::newRow("name: blank") << 2 << "a b" << false;
    QTest::newRow("name: slash") << 2 << "a/b" << false;
    QTest::newRow("name: backslash") << 2 << "a\\b" << true;
    QTest::newRow("name: digits and hyphen") << 2 << "240101-3" << true;
    QTest::newRow("range: -200") << 4 << "-200" << true;
    QTest::newRow("range: 0") << 4 << "0" << true;
    QTest::newRow("range: 800") << 4 << "800" << true;
    QTest::newRow("range: -201") << 4 << "-201" << false;
    QTest::newRow("range: 801") << 4 << "801" << false;
    QTest::newRow("range: leading zero") << 4 << "007" << false;
    QTest::newRow("range: minus zero") << 4 << "-0" << false;
}

void LineEditTest::validators()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    LineEdit edit;
    edit.setValidatorType(type);
    QVERIFY(edit.validator());
    int pos = 0;
    const QValidator::State state = edit.validator()->validate(text, pos);
    if (accepted)
        QCOMPARE(state, QValidator::Acceptable);
    else
        QCOMPARE(state, QValidator::Invalid);
}

void LineEditTest::keepValidatorType()
{
    LineEdit edit;
    edit.setValidatorType(LineEdit::Digits);
    const QValidator *digits = edit.validator();
    edit.setValidatorType(LineEdit::KeepValidator);
    QCOMPARE(edit.validator(), digits);
}

void LineEditTest::pressesStartOneKeyboard()
{
    TouchKeyboard::instance()->setProgram(stub.path);
    LineEdit edit;
    edit.resize(200, 40);
    QSignalSpy clicked(&edit, &LineEdit::clicked);
    DebugLines debug;
    DebugLines::lines().clear();
    QTest::mousePress(&edit, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicked.count(), 0);
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(DebugLines::lines(), QStringList({"屏幕键盘", "屏幕键盘"}));
    QTRY_COMPARE_WITH_TIMEOUT(stub.log(), QString("started\n"), 20000);
    QVERIFY(TouchKeyboard::instance()->isRunning());
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(stub.log(), QString("started\n"));
}

void LineEditTest::missingKeyboardIsOneDebugLine()
{
    TouchKeyboard::instance()->setProgram(stub.dir.filePath("no-such-keyboard"));
    LineEdit edit;
    DebugLines debug;
    DebugLines::lines().clear();
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(DebugLines::lines().size(), 2);
    QCOMPARE(DebugLines::lines().first(), QString("屏幕键盘"));
    QVERIFY(DebugLines::lines().last().contains("no-such-keyboard"));
    QVERIFY(!TouchKeyboard::instance()->isRunning());
}

QTEST_MAIN(LineEditTest)
#include "LineEditTest.moc"
