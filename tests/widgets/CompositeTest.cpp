#include "ComboBox.h"
#include "GlobalConfig.h"
#include "LabelAndCombobox.h"
#include "LabelAndLabel.h"
#include "LabelAndLineEdit.h"
#include "LineEdit.h"
#include "ListWidget.h"
#include "SearchBox.h"
#include "TextWidget.h"
#include "TouchButton.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QValidator>
#include <QtTest>

#include <memory>

namespace {

constexpr int kRows = 20;
constexpr int kRowHeight = 50;
constexpr int kVisibleHeight = 300;

// A panel of either kind with kRows clickable rows in a 300 px window.
struct DragRig
{
    explicit DragRig(bool textPanel)
    {
        auto *content = new QWidget;
        auto *layout = new QVBoxLayout(content);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (int i = 0; i < kRows; ++i) {
            auto *row = new LabelAndLabel;
            row->setFixedSize(300, kRowHeight);
            row->setStyle(LabelAndLabel::RowStyle);
            row->setText(QString("row %1").arg(i), QString::number(i));
            layout->addWidget(row);
            rows << row;
        }
        content->adjustSize();
        if (textPanel) {
            auto *text = new TextWidget;
            text->setContentWidget(content);
            text->setScrollAreaFixedSize(320, kVisibleHeight);
            panel.reset(text);
        } else {
            auto *list = new ListWidget;
            list->setStyle(ListWidget::PanelStyle);
            list->setContentWidget(content);
            list->setScrollAreaFixedSize(320, kVisibleHeight);
            panel.reset(list);
        }
        panel->show();
        area = panel->findChild<QScrollArea *>();
        bar = area->verticalScrollBar();
    }

    // Sends a mouse event to a row, as the finger on it would; what the row
    // passes on travels up to the viewport.
    bool send(QWidget *target, QEvent::Type type, int y, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(10, y), target->mapToGlobal(QPoint(10, y)), button, buttons, Qt::NoModifier);
        return QApplication::sendEvent(target, &event);
    }

    std::unique_ptr<QWidget> panel;
    QList<LabelAndLabel *> rows;
    QScrollArea *area = nullptr;
    QScrollBar *bar = nullptr;
};

bool accepts(const QValidator *validator, QString text)
{
    int pos = 0;
    return validator->validate(text, pos) == QValidator::Acceptable;
}

}

class CompositeTest : public QObject
{
    Q_OBJECT
private slots:
    void dragsStayWithinTheContent_data();
    void dragsStayWithinTheContent();
    void moveWithoutPressIsSwallowed_data();
    void moveWithoutPressIsSwallowed();
    void tapClicksARowButADragDoesNot();
    void comboRowRelaysOnlyChoices();
    void comboRowStyles();
    void lineEditRowStyles();
    void intRangeIsTruncated_data();
    void intRangeIsTruncated();
    void searchBoxSearchesOnlyByItsButton();
};

void CompositeTest::dragsStayWithinTheContent_data()
{
    QTest::addColumn<bool>("textPanel");
    QTest::newRow("list") << false;
    QTest::newRow("text") << true;
}

void CompositeTest::dragsStayWithinTheContent()
{
    QFETCH(bool, textPanel);
    DragRig rig(textPanel);
    const int maximum = kRows * kRowHeight - rig.area->viewport()->height();
    QCOMPARE(rig.bar->maximum(), maximum);
    QWidget *row = rig.rows.at(2);

    rig.send(row, QEvent::MouseButtonPress, 40);
    rig.send(row, QEvent::MouseMove, 10);
    QCOMPARE(rig.bar->value(), 30);
    rig.send(row, QEvent::MouseMove, -5000);
    QCOMPARE(rig.bar->value(), maximum);
    rig.send(row, QEvent::MouseButtonRelease, -5000, Qt::NoButton);

    row = rig.rows.at(kRows - 1);
    rig.send(row, QEvent::MouseButtonPress, 10);
    rig.send(row, QEvent::MouseMove, 5000);
    QCOMPARE(rig.bar->value(), 0);
    rig.send(row, QEvent::MouseButtonRelease, 5000, Qt::NoButton);
}

void CompositeTest::moveWithoutPressIsSwallowed_data()
{
    dragsStayWithinTheContent_data();
}

void CompositeTest::moveWithoutPressIsSwallowed()
{
    QFETCH(bool, textPanel);
    DragRig rig(textPanel);
    rig.bar->setValue(100);
    QVERIFY(rig.send(rig.area->viewport(), QEvent::MouseMove, 0, Qt::LeftButton));
    QCOMPARE(rig.bar->value(), 100);

    // A release ends the drag: later moves scroll nothing.
    rig.send(rig.area->viewport(), QEvent::MouseButtonPress, 100);
    rig.send(rig.area->viewport(), QEvent::MouseButtonRelease, 100, Qt::NoButton);
    rig.send(rig.area->viewport(), QEvent::MouseMove, 0);
    QCOMPARE(rig.bar->value(), 100);
}

void CompositeTest::tapClicksARowButADragDoesNot()
{
    DragRig rig(false);
    LabelAndLabel *row = rig.rows.at(1);
    QSignalSpy clicked(row, &LabelAndLabel::clicked);

    rig.send(row, QEvent::MouseButtonPress, 20);
    rig.send(row, QEvent::MouseButtonRelease, 20, Qt::NoButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(rig.bar->value(), 0);

    rig.send(row, QEvent::MouseButtonPress, 40);
    rig.send(row, QEvent::MouseMove, 15);
    rig.send(row, QEvent::MouseButtonRelease, 15, Qt::NoButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(rig.bar->value(), 25);
}

void CompositeTest::comboRowRelaysOnlyChoices()
{
    LabelAndCombobox row;
    QSignalSpy changed(&row, &LabelAndCombobox::indexChanged);
    row.setItems("Range", {"40 μm", "80 μm", "160 μm"});
    row.setCurrentIndex(2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);

    row.setItems("Bereich", {"a", "b", "c"});
    QCOMPARE(row.currentIndex(), 2);
    QCOMPARE(row.currentText(), QString("c"));
    row.setCurrentIndex(2);
    QCOMPARE(changed.count(), 1);
}

void CompositeTest::comboRowStyles()
{
    QCOMPARE(GlobalConfig::instance()->xScale, 1.0);
    LabelAndCombobox setting;
    setting.setFixedHeight(48);
    setting.setStyle(LabelAndCombobox::SettingStyle);
    auto *combo = setting.findChild<ComboBox *>();
    QCOMPARE(combo->minimumWidth(), 155);
    QCOMPARE(combo->maximumWidth(), 155);
    QCOMPARE(combo->maximumHeight(), 48);
    QVERIFY(setting.styleSheet().isEmpty());

    LabelAndCombobox wide;
    wide.setStyle(LabelAndCombobox::WideStyle);
    QCOMPARE(wide.findChild<ComboBox *>()->maximumSize(), QSize(240, 45));
    QCOMPARE(wide.findChild<QLabel *>()->maximumWidth(), 120);

    LabelAndCombobox choice;
    choice.setStyle(LabelAndCombobox::ChoiceStyle);
    QCOMPARE(choice.findChild<ComboBox *>()->maximumSize(), QSize(220, 45));
}

void CompositeTest::lineEditRowStyles()
{
    LabelAndLineEdit plain(LabelAndLineEdit::PlainStyle);
    QVERIFY(plain.styleSheet().isEmpty());
    QVERIFY(plain.findChild<LineEdit *>()->styleSheet().isEmpty());

    LabelAndLineEdit dialogRow(LabelAndLineEdit::DialogRowStyle);
    LabelAndLineEdit inputRow(LabelAndLineEdit::InputRowStyle);
    const auto *dialogEdit = dialogRow.findChild<LineEdit *>();
    const auto *inputEdit = inputRow.findChild<LineEdit *>();
    QVERIFY(!inputEdit->styleSheet().isEmpty());
    QCOMPARE(inputEdit->styleSheet(), dialogEdit->styleSheet());
    QCOMPARE(inputEdit->maximumHeight(), 50);
    QCOMPARE(dialogEdit->maximumHeight(), 50);
    QCOMPARE(inputRow.styleSheet(), dialogRow.styleSheet());

    LabelAndLineEdit framed(LabelAndLineEdit::FramedRowStyle);
    QVERIFY(framed.styleSheet().startsWith("LabelAndLineEdit{"));
    QCOMPARE(framed.layout()->contentsMargins(), QMargins(20, 10, 10, 10));

    QSignalSpy changed(&framed, &LabelAndLineEdit::textChanged);
    framed.setEditText("7");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(framed.text(), QString("7"));
}

void CompositeTest::intRangeIsTruncated_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("10") << "10" << true;
    QTest::newRow("11") << "11" << false;
}

void CompositeTest::intRangeIsTruncated()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    LabelAndLineEdit row(LabelAndLineEdit::PlainStyle);
    row.setIntRange(0.9, 10.9);
    QCOMPARE(accepts(row.findChild<LineEdit *>()->validator(), text), accepted);
}

void CompositeTest::searchBoxSearchesOnlyByItsButton()
{
    SearchBox box;
    box.show();
    QSignalSpy searched(&box, &SearchBox::searchButtonClicked);
    auto *edit = box.findChild<LineEdit *>();
    QTest::mouseClick(box.findChild<TouchButton *>(), Qt::LeftButton);
    QCOMPARE(searched.count(), 1);
    QCOMPARE(searched.at(0).at(0).toString(), QString());

    edit->setText("2401");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(searched.count(), 1);
    QTest::mouseClick(box.findChild<TouchButton *>(), Qt::LeftButton);
    QCOMPARE(searched.at(1).at(0).toString(), QString("2401"));
    QCOMPARE(box.text(), QString("2401"));
}

QTEST_MAIN(CompositeTest)
#include "CompositeTest.moc"
