// Language switching at run time, the language kept in the settings file, the
// manual link, and the completeness of the nine translated catalogues.
#include "dialogs/aboutdialog.h"
#include "dialogs/astrorefractiondialog.h"
#include "dialogs/poletrackingdialog.h"
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

QString text(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

QAction *action(MainWindow *w, const char *name)
{
    return w->findChild<QAction *>(QString::fromLatin1(name));
}

QString menuTitle(MainWindow *w, const char *name)
{
    return w->findChild<QMenu *>(QString::fromLatin1(name))->title();
}

const char *const kTranslated[] = {"zh_cn", "ja_jp", "de_de", "es_es", "fr_fr", "it_it", "ru_ru", "pt_pt", "ko_kr"};

struct Entry
{
    QString translation;
    QString type;
};
using Messages = QMap<QPair<QString, QString>, Entry>; // (context, source)

QString sourceRoot()
{
    return QFileInfo(QFINDTESTDATA("../resources/languages/lan_en_us.ts")).absoluteDir().absoluteFilePath("../..");
}

Messages readCatalogue(const QString &path)
{
    Messages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            messages.insert(qMakePair(context, source), entry);
        }
    }
    return messages;
}

// Texts the program passes through tr(): literal arguments in the sources and
// the translatable strings of the forms. Only the four translated classes count.
QSet<QPair<QString, QString>> textsInSources()
{
    QSet<QPair<QString, QString>> texts;
    const QDir src(sourceRoot() + QStringLiteral("/src"));
    const QMap<QString, QString> contextOfFile = {
        {QStringLiteral("mainwindow"), QStringLiteral("MainWindow")},
        {QStringLiteral("aboutdialog"), QStringLiteral("AboutDialog")},
        {QStringLiteral("astrorefractiondialog"), QStringLiteral("AstroRefractionDialog")},
        {QStringLiteral("poletrackingdialog"), QStringLiteral("PoleTrackingDialog")},
    };
    const QRegularExpression call(QStringLiteral(R"re(\btr\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)])re"));
    const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));

    QDirIterator it(src.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.ui")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString base = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 0, 0);
        if (!contextOfFile.contains(base))
            continue;
        const QString context = contextOfFile.value(base);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (path.endsWith(QLatin1String(".ui"))) {
            QXmlStreamReader xml(&file);
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("string") &&
                    xml.attributes().value(QLatin1String("notr")) != QLatin1String("true")) {
                    const QString text = xml.readElementText();
                    if (!text.isEmpty())
                        texts.insert(qMakePair(context, text));
                }
            }
            continue;
        }
        const QString code = QString::fromUtf8(file.readAll());
        auto calls = call.globalMatch(code);
        while (calls.hasNext()) {
            QString text;
            auto pieces = piece.globalMatch(calls.next().captured(1));
            while (pieces.hasNext())
                text += pieces.next().captured(1);
            text.replace(QLatin1String("\\\""), QLatin1String("\""));
            text.replace(QLatin1String("\\n"), QLatin1String("\n"));
            if (!text.isEmpty())
                texts.insert(qMakePair(context, text));
        }
    }
    return texts;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void catalogueForCode_data();
    void catalogueForCode();
    void everyCatalogueLoads();
    void startLoadsEnglish();
    void germanInOneChange();
    void checkedActionLoadsNothing();
    void everyActionStoresItsCode_data();
    void everyActionStoresItsCode();
    void storedCodeChecksItsAction();
    void lowerCaseCodeFallsBackToEnglish();
    void manualFollowsLanguage_data();
    void manualFollowsLanguage();
    void cataloguesComplete_data();
    void cataloguesComplete();
    void translatedPanelFits_data();
    void translatedPanelFits();

private:
    QString iniPath() const { return settingsDir->path() + QStringLiteral("/Orvanta.ini"); }
    void storeLanguage(const QByteArray &code);

    std::unique_ptr<QTemporaryDir> settingsDir;
    std::unique_ptr<MainWindow> window;
    QList<QUrl> opened;
};

void TestLanguages::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    MainWindow::manualOpener = [this](const QUrl &url) {
        opened << url;
        return true;
    };
}

void TestLanguages::init()
{
    settingsDir.reset(new QTemporaryDir);
    QVERIFY(settingsDir->isValid());
    MainWindow::settingsDirOverride = settingsDir->path();
    opened.clear();
}

void TestLanguages::cleanup()
{
    window.reset();
    MainWindow::settingsDirOverride.clear();
    settingsDir.reset();
}

void TestLanguages::storeLanguage(const QByteArray &code)
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[LANGUAGE]\nlang=" + code + "\n");
}

void TestLanguages::catalogueForCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("path");

    const char *rows[][2] = {
        {"EN", "lan_en_us"}, {"ZH", "lan_zh_cn"}, {"JA", "lan_ja_jp"}, {"DE", "lan_de_de"},
        {"ES", "lan_es_es"}, {"FR", "lan_fr_fr"}, {"IT", "lan_it_it"}, {"RU", "lan_ru_ru"},
        {"PT", "lan_pt_pt"}, {"KO", "lan_ko_kr"}, {"fr", "lan_en_us"}, {"", "lan_en_us"},
        {"DEU", "lan_en_us"}, {"de", "lan_en_us"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0][0] ? row[0] : "empty")
            << QString::fromLatin1(row[0]) << QStringLiteral(":/languages/%1.qm").arg(QLatin1String(row[1]));
}

void TestLanguages::catalogueForCode()
{
    QFETCH(QString, code);
    QFETCH(QString, path);
    QCOMPARE(MainWindow::cataloguePath(code), path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
}

void TestLanguages::everyCatalogueLoads()
{
    for (const char *code : {"EN", "ZH", "JA", "DE", "ES", "FR", "IT", "RU", "PT", "KO"}) {
        QTranslator translator;
        QVERIFY2(translator.load(MainWindow::cataloguePath(QString::fromLatin1(code))), code);
        QVERIFY2(!translator.isEmpty(), code);
    }
}

void TestLanguages::startLoadsEnglish()
{
    window.reset(new MainWindow(nullptr));
    QCOMPARE(window->language, QStringLiteral("EN"));
    QVERIFY(action(window.get(), "actionEnglish")->isChecked());
    // The English catalogue is loaded at start; it shortens a few texts.
    QCOMPARE(text("MainWindow", "Setting Finished"), QStringLiteral("Finished"));
    QCOMPARE(text("MainWindow", "rotation Finished"), QStringLiteral("Finished"));
    QCOMPARE(text("MainWindow", "adjustment Finished"), QStringLiteral("Finished"));
    for (QPushButton *button : {window->pushButton_setting_done, window->pushButton_rotateStar1_done,
                                window->pushButton_rotateStar2_done, window->pushButton_movePolaris_done}) {
        if (!button)
            QSKIP("tip panel not built");
        QCOMPARE(button->text(), QStringLiteral("Finished"));
    }
}

void TestLanguages::germanInOneChange()
{
    window.reset(new MainWindow(nullptr));
    QSignalSpy changes(window.get(), &MainWindow::changeLanguage);
    QSignalSpy resets(window.get(), &MainWindow::resetUI);

    action(window.get(), "actionGerman")->trigger();

    QCOMPARE(window->language, QStringLiteral("DE"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(resets.count(), 1);
    // Every translated window took the new texts from that one change.
    QCOMPARE(menuTitle(window.get(), "menuFile"), text("MainWindow", "File"));
    QVERIFY(menuTitle(window.get(), "menuFile") != QStringLiteral("File"));
    QCOMPARE(window->aboutDialog->windowTitle(), text("AboutDialog", "About"));
    QVERIFY(window->aboutDialog->windowTitle() != QStringLiteral("About"));
    QCOMPARE(window->refractionDialog->windowTitle(), text("AstroRefractionDialog", "Astronomical Refraction"));
    QVERIFY(window->refractionDialog->windowTitle() != QStringLiteral("Astronomical Refraction"));
    QCOMPARE(window->trackingDialog->windowTitle(), text("PoleTrackingDialog", "Pole Tracking"));
    QVERIFY(window->trackingDialog->windowTitle() != QStringLiteral("Pole Tracking"));
    // The language names stay in their own language.
    QCOMPARE(action(window.get(), "actionGerman")->text(), QStringLiteral("Deutsch"));
    QCOMPARE(action(window.get(), "actionEnglish")->text(), QStringLiteral("English"));

    // Back to English: the same translator now holds the English catalogue.
    action(window.get(), "actionEnglish")->trigger();
    QCOMPARE(resets.count(), 2);
    QCOMPARE(menuTitle(window.get(), "menuFile"), QStringLiteral("File"));
    QCOMPARE(window->trackingDialog->windowTitle(), QStringLiteral("Pole Tracking"));
    QCOMPARE(text("MainWindow", "Setting Finished"), QStringLiteral("Finished"));
}

void TestLanguages::checkedActionLoadsNothing()
{
    window.reset(new MainWindow(nullptr));
    QSignalSpy changes(window.get(), &MainWindow::changeLanguage);
    QSignalSpy resets(window.get(), &MainWindow::resetUI);
    action(window.get(), "actionEnglish")->trigger();
    action(window.get(), "actionEnglish")->setChecked(true);
    QVERIFY(action(window.get(), "actionEnglish")->isChecked());
    QCOMPARE(changes.count(), 0);
    QCOMPARE(resets.count(), 0);
}

void TestLanguages::everyActionStoresItsCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    const char *rows[][2] = {
        {"actionChinese", "ZH"}, {"actionJapanese", "JA"},   {"actionRussian", "RU"},
        {"actionFrench", "FR"},  {"actionGerman", "DE"},     {"actionSpanish", "ES"},
        {"actionPortuguese", "PT"}, {"actionItalian", "IT"}, {"actionKorean", "KO"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[1]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestLanguages::everyActionStoresItsCode()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    window.reset(new MainWindow(nullptr));
    QSignalSpy resets(window.get(), &MainWindow::resetUI);
    window->findChild<QAction *>(name)->trigger();
    QCOMPARE(window->language, code);
    QCOMPARE(resets.count(), 1);
    // Only one action of the group is checked afterwards.
    QCOMPARE(window->languageGroup->checkedAction()->objectName(), name);
    QVERIFY(!action(window.get(), "actionEnglish")->isChecked());
}

void TestLanguages::storedCodeChecksItsAction()
{
    storeLanguage("RU");
    window.reset(new MainWindow(nullptr));
    QCOMPARE(window->language, QStringLiteral("RU"));
    QVERIFY(action(window.get(), "actionRussian")->isChecked());
    QCOMPARE(menuTitle(window.get(), "menuFile"), text("MainWindow", "File"));
    QVERIFY(menuTitle(window.get(), "menuFile") != QStringLiteral("File"));
}

void TestLanguages::lowerCaseCodeFallsBackToEnglish()
{
    storeLanguage("fr");
    window.reset(new MainWindow(nullptr));
    QCOMPARE(window->language, QStringLiteral("fr"));
    QVERIFY(action(window.get(), "actionEnglish")->isChecked());
    QCOMPARE(menuTitle(window.get(), "menuFile"), QStringLiteral("File"));
    QCOMPARE(text("MainWindow", "Setting Finished"), QStringLiteral("Finished"));

    window->writeSettings();
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("lang=fr"));
}

void TestLanguages::manualFollowsLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("china");
    QTest::newRow("ZH") << "ZH" << true;
    QTest::newRow("EN") << "EN" << false;
    QTest::newRow("DE") << "DE" << false;
    QTest::newRow("JA") << "JA" << false;
    QTest::newRow("zh") << "zh" << false;
}

void TestLanguages::manualFollowsLanguage()
{
    QFETCH(QString, code);
    QFETCH(bool, china);
    window.reset(new MainWindow(nullptr));
    window->language = code;
    action(window.get(), "actionOrvanta_Manual")->trigger();
    QCOMPARE(opened.size(), 1);
    const QUrl url = opened.first();
    QCOMPARE(url.path(), QStringLiteral("/orvanta/"));
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    const QUrl other = MainWindow::manualUrl(china ? QStringLiteral("EN") : QStringLiteral("ZH"));
    QVERIFY(url.host() != other.host());
    QCOMPARE(url, MainWindow::manualUrl(china ? QStringLiteral("ZH") : QStringLiteral("EN")));
}

void TestLanguages::cataloguesComplete_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : kTranslated)
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every text of the program is translated in each of the nine catalogues, the
// compiled catalogue carries it, and the untranslated dialog stays out.
void TestLanguages::cataloguesComplete()
{
    QFETCH(QString, name);
    const QString tsPath = sourceRoot() + QStringLiteral("/resources/languages/lan_%1.ts").arg(name);
    const Messages messages = readCatalogue(tsPath);
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath));

    static const QSet<QPair<QString, QString>> texts = textsInSources();
    QVERIFY(texts.size() > 80);
    QStringList problems;
    for (const auto &text : texts) {
        if (!messages.contains(text))
            problems << QStringLiteral("missing %1: %2").arg(text.first, text.second);
    }

    QTranslator compiled;
    QVERIFY(compiled.load(QStringLiteral(":/languages/lan_%1.qm").arg(name)));
    const QSet<QString> contexts = {QStringLiteral("MainWindow"), QStringLiteral("AboutDialog"),
                                    QStringLiteral("AstroRefractionDialog"), QStringLiteral("PoleTrackingDialog")};
    for (auto it = messages.cbegin(); it != messages.cend(); ++it) {
        const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
        if (!contexts.contains(it.key().first))
            problems << QStringLiteral("untranslated context ") + where;
        else if (!it->type.isEmpty() || it->translation.isEmpty())
            problems << QStringLiteral("unfinished ") + where;
        else if (compiled.translate(it.key().first.toUtf8().constData(), it.key().second.toUtf8().constData())
                     .isEmpty())
            problems << QStringLiteral("not compiled ") + where;
    }
    // The shortened English texts must still be texts of the program.
    const Messages english = readCatalogue(sourceRoot() + QStringLiteral("/resources/languages/lan_en_us.ts"));
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (!messages.contains(it.key()))
            problems << QStringLiteral("English text no longer in the program: ") + it.key().second;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestLanguages::translatedPanelFits_data()
{
    QTest::addColumn<QString>("actionName");
    for (const char *name : {"actionEnglish", "actionChinese", "actionJapanese", "actionRussian", "actionFrench",
                             "actionGerman", "actionSpanish", "actionPortuguese", "actionItalian", "actionKorean"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The control panel has a fixed width made for the English texts: a longer
// translation would push the value fields out of sight behind a scroll bar.
void TestLanguages::translatedPanelFits()
{
    QFETCH(QString, actionName);
    QFile qss(QStringLiteral(":/qss/default.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
    window.reset(new MainWindow(nullptr));
    window->show();
    for (const char *name : {"widget_region", "widget_setting", "widget_confirm", "widget_rough", "widget_precise"})
        window->findChild<QWidget *>(name)->show();
    window->resize(960, 1400);
    window->findChild<QAction *>(actionName)->trigger();
    QTest::qWait(20);
    auto *panel = window->findChild<QScrollArea *>(QStringLiteral("scrollArea_manager"));
    const int overflow = panel->horizontalScrollBar()->maximum();
    qApp->setStyleSheet(QString());
    QCOMPARE(overflow, 0);
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
