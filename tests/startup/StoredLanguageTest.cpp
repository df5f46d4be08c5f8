#include "StartedWindow.h"
#include "TestWorkspace.h"

#include "ComboBox.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "MainWidget.h"
#include "PortList.h"
#include "SetupController.h"
#include "SetupModel.h"
#include "SetupPage.h"
#include "StartupManager.h"
#include "SwitchButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

struct ShownText {
    QString where;
    QString text;
};

QString describe(const QObject *object)
{
    QString name = object->metaObject()->className();
    for (const QObject *parent = object->parent(); parent; parent = parent->parent())
        name.prepend(QString(parent->metaObject()->className()) + "/");
    return name;
}

void addHeaders(QList<ShownText> &texts, const QAbstractItemView *view)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        texts.append({describe(view), model->headerData(column, Qt::Horizontal).toString()});
}

// Every text a widget below the root shows or may show, shown or hidden, so
// that pages other than the front one are read too. Cells of tables and lists
// are data, their headers are not.
QList<ShownText> shownTexts(const QWidget *root)
{
    QList<ShownText> texts;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        const QString where = describe(widget);
        if (auto *label = qobject_cast<const QLabel *>(widget))
            texts.append({where, label->text()});
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts.append({where, button->text()});
        else if (auto *edit = qobject_cast<const QLineEdit *>(widget))
            texts.append({where, edit->placeholderText()});
        else if (auto *view = qobject_cast<const QAbstractItemView *>(widget))
            addHeaders(texts, view);
        else if (auto *toggle = qobject_cast<const SwitchButton *>(widget))
            texts << ShownText{where, toggle->getTextOn()} << ShownText{where, toggle->getTextOff()};
        if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.append({where, combo->itemText(i)});
        }
    }
    return texts;
}

bool hasChinese(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// The language names are shown in their own language whatever the setting.
bool isLanguageName(const QString &text)
{
    return SetupModel::languageList().contains(text.trimmed());
}

QString storedText(const char *key, int language)
{
    return Language::instance()->dictionary.value(key).at(language);
}

QStringList offenders(const QList<ShownText> &texts, const std::function<bool(const QString &)> &wrong)
{
    QStringList found;
    for (const ShownText &shown : texts) {
        if (wrong(shown.text) && !isLanguageName(shown.text))
            found << shown.where + ": " + shown.text;
    }
    return found;
}

}

// The program started as after a restart with English and inches stored.
class StoredLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyPageIsInTheStoredLanguage_data();
    void everyPageIsInTheStoredLanguage();
    void setupPageShowsTheStoredChoices();
    void switchingToChineseLeavesNoEnglishText();

private:
    QStackedWidget *stack() const;

    TestWorkspace workspace;
    QTemporaryDir ports;
    // Read before the event loop ever ran: what the first paint shows.
    QList<QList<ShownText>> firstTexts;
    QList<ShownText> firstFrameTexts;
};

QStackedWidget *StoredLanguageTest::stack() const
{
    return GlobalData::instance()->mainWidget->findChild<QStackedWidget *>();
}

void StoredLanguageTest::initTestCase()
{
    QVERIFY(workspace.setUp());
    QVERIFY(ports.isValid());
    PortList::setAnnounceFolder(ports.path());
    QFile config(GlobalConfig::instance()->systemConfigPath);
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"({"SystemConfig": {"language": 1, "unit": 1, "isAutoSave": true}})");
    config.close();

    StartupManager startup;
    startup.start();

    QVERIFY(GlobalData::instance()->mainWidget);
    QStackedWidget *pages = stack();
    QVERIFY(pages);
    for (int i = 0; i < pages->count(); ++i)
        firstTexts.append(shownTexts(pages->widget(i)));
    for (const ShownText &shown : shownTexts(GlobalData::instance()->mainWidget)) {
        if (!shown.where.contains("QStackedWidget"))
            firstFrameTexts.append(shown);
    }
}

void StoredLanguageTest::cleanupTestCase()
{
    destroyStartedWindow();
    workspace.tearDown();
}

void StoredLanguageTest::everyPageIsInTheStoredLanguage_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("title bar and navigation") << -1;
    QTest::newRow("measure") << int(PageIndex::Measure);
    QTest::newRow("data management") << int(PageIndex::DataManagement);
    QTest::newRow("instrument records") << int(PageIndex::InstrumentRecords);
    QTest::newRow("set-up") << int(PageIndex::Setup);
}

void StoredLanguageTest::everyPageIsInTheStoredLanguage()
{
    QFETCH(int, page);
    QCOMPARE(firstTexts.size(), 4);
    const QList<ShownText> &texts = page < 0 ? firstFrameTexts : firstTexts.at(page);
    QVERIFY(!texts.isEmpty());
    const QStringList chinese = offenders(texts, hasChinese);
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join("\n")));
}

void StoredLanguageTest::setupPageShowsTheStoredChoices()
{
    QStringList headings;
    for (const ShownText &shown : firstTexts.at(PageIndex::Setup))
        headings << shown.text;
    for (const char *key : {"language", "unit", "autoSave", "about", "open"})
        QVERIFY2(headings.contains(storedText(key, LanguageCode::English)), key);

    auto *page = qobject_cast<SetupPage *>(stack()->widget(PageIndex::Setup));
    QVERIFY(page);
    const QList<ComboBox *> combos = page->findChildren<ComboBox *>();
    QCOMPARE(combos.size(), 2);
    QCOMPARE(combos.at(0)->currentIndex(), int(LanguageCode::English));
    QCOMPARE(combos.at(1)->currentText().trimmed(), storedText("imperialSystem", LanguageCode::English));
    QCOMPARE(Language::instance()->language, int(LanguageCode::English));
    QCOMPARE(GlobalData::instance()->unit, int(UnitCode::Imperial));
}

void StoredLanguageTest::switchingToChineseLeavesNoEnglishText()
{
    QSet<QString> englishOnly;
    for (const QStringList &texts : Language::instance()->dictionary) {
        if (texts.at(LanguageCode::English) != texts.at(LanguageCode::Chinese))
            englishOnly.insert(texts.at(LanguageCode::English));
    }
    englishOnly.remove(QString());

    GlobalManager::instance()->setupController->setLanguage(LanguageCode::Chinese);
    const QStringList english = offenders(shownTexts(GlobalData::instance()->mainWidget), [&](const QString &text) {
        return englishOnly.contains(text.trimmed());
    });
    QVERIFY2(english.isEmpty(), qPrintable(english.join("\n")));
    QVERIFY(Language::instance()->language == LanguageCode::Chinese);
}

QTEST_MAIN(StoredLanguageTest)
#include "StoredLanguageTest.moc"
