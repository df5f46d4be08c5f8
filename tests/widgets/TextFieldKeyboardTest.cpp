#include "KeyboardStub.h"
#include "TextFieldKeyboard.h"
#include "TouchKeyboard.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
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
    KeyboardStub stub;
};

void TextFieldKeyboardTest::initTestCase()
{
    QVERIFY(stub.setUp());
    TouchKeyboard::instance()->setProgram(stub.path);
    TextFieldKeyboard::install();
    TextFieldKeyboard::install();
    QCOMPARE(qApp->findChildren<TextFieldKeyboard *>().size(), 1);
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
    QFileDialog dialog(&window, "choose new file path", stub.dir.path(), "CSV Files (*.csv)");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(name);
    QTest::mousePress(name, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(TouchKeyboard::instance()->isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(stub.log(), QString("started\n"), 20000);
}

QTEST_MAIN(TextFieldKeyboardTest)
#include "TextFieldKeyboardTest.moc"
