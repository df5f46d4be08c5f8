#include "TextFieldKeyboard.h"
#include "TouchKeyboard.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Presses anywhere in the program, with the keyboard filter in place; the
// keyboard is a stub that notes each start.
class TextFieldKeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pressesInTextFieldsAloneStartTheKeyboard();

private:
    QString stubLog() const;

    QTemporaryDir dir;
    QString stub;
};

void TextFieldKeyboardTest::initTestCase()
{
    QVERIFY(dir.isValid());
    stub = dir.filePath("keyboard.sh");
    QFile script(stub);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started >> \"$0.log\"\nexec sleep 120\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TouchKeyboard::instance()->setProgram(stub);
    TextFieldKeyboard::install();
    TextFieldKeyboard::install();
    QCOMPARE(qApp->findChildren<TextFieldKeyboard *>().size(), 1);
}

QString TextFieldKeyboardTest::stubLog() const
{
    QFile log(stub + ".log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void TextFieldKeyboardTest::pressesInTextFieldsAloneStartTheKeyboard()
{
    QWidget window;
    QLineEdit readOnly(&window);
    readOnly.setReadOnly(true);
    QPushButton button(&window);
    window.show();
    QTest::mousePress(&readOnly, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!TouchKeyboard::instance()->isRunning());

    // The file dialog a page asks for a file name with, as Qt builds it.
    QFileDialog dialog(&window, "choose new file path", dir.path(), "CSV Files (*.csv)");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(name);
    QTest::mousePress(name, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(TouchKeyboard::instance()->isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(stubLog(), QString("started\n"), 20000);
}

QTEST_MAIN(TextFieldKeyboardTest)
#include "TextFieldKeyboardTest.moc"
