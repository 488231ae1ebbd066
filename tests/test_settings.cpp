// The settings file: what a start reads, what a close writes, where the file
// goes when the program's folder cannot be written, and damaged files.
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "mainwindow/mainwindow.h"
#include "starmath/starmath.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <cmath>
#include <memory>

namespace {

QString iniPath(const QString &dir)
{
    return dir + QStringLiteral("/Orvanta.ini");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The lines of a written file, without line-end differences.
QStringList lines(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).remove(QLatin1Char('\r')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// QSettings keeps groups and keys sorted, whatever order they were written in.
const QStringList kDefaultFile = {
    "[ASTRONOMICAL_REFRACTION]",
    "P=101", "P_unit=kPa", "T=10", "enabledCorrect=false", "latitude=39.9", "longitude=116.3", "yearlyTable=false",
    "[AXIS_CENTER]", "x=0", "y=0",
    "[LANGUAGE]", "lang=EN",
    "[REGION]", "region=North",
    "[STYLE]", "style=Color",
    "[ZOOM]", "factor=1",
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunWritesEveryKey();
    void closingWritesTheFile();
    void onlyMonoStyleKeepsOtherDefaults();
    void storedValuesRoundTrip();
    void numbersKeepSixDigits_data();
    void numbersKeepSixDigits();
    void zoomOutsideTheMenuIsKept();
    void damagedValues_data();
    void damagedValues();
    void refractionOutOfRangeGivesFinitePole();
    void readingLeavesTheFileAlone();
    void unwritableFolderFallsBack();
    void newerFileWins();
    void writeReplacesTheFileWhole();

private:
    std::unique_ptr<MainWindow> makeWindow();
    QString primary() const { return iniPath(dir->path()); }

    std::unique_ptr<QTemporaryDir> dir;
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettings::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    MainWindow::settingsDirOverride = dir->path();
    QFile::remove(MainWindow::fallbackSettingsFilePath());
    liveViewState.reset();
    setRefractionValues(RefractionValues());
}

void TestSettings::cleanup()
{
    QFile::remove(MainWindow::fallbackSettingsFilePath());
    MainWindow::settingsDirOverride.clear();
    dir.reset();
}

std::unique_ptr<MainWindow> TestSettings::makeWindow()
{
    return std::unique_ptr<MainWindow>(new MainWindow(nullptr));
}

void TestSettings::firstRunWritesEveryKey()
{
    auto w = makeWindow();
    QVERIFY(!QFile::exists(primary()));
    w->writeSettings();
    QCOMPARE(lines(readFile(primary())), kDefaultFile);
}

void TestSettings::closingWritesTheFile()
{
    auto w = makeWindow();
    w->region = QStringLiteral("South");
    w->close();
    QVERIFY(lines(readFile(primary())).contains(QStringLiteral("region=South")));
}

void TestSettings::onlyMonoStyleKeepsOtherDefaults()
{
    writeFile(primary(), "[STYLE]\nstyle=Mono\n");
    auto w = makeWindow();
    QCOMPARE(liveViewState.get(&LiveView::style), QStringLiteral("Mono"));
    QVERIFY(w->findChild<QAction *>("actionMono_Style")->isChecked());
    QCOMPARE(w->language, QStringLiteral("EN"));
    QCOMPARE(w->region, QStringLiteral("North"));
    QCOMPARE(w->zoomFactor, 1.0f);
    const RefractionValues r = refractionValues();
    QCOMPARE(r.latitude, 39.9f);
    QCOMPARE(r.longitude, 116.3f);
    QCOMPARE(r.P, 101.0f);
    QCOMPARE(r.T, 10.0f);
    QCOMPARE(r.enabledCorrect, false);
    QCOMPARE(r.P_unit, QStringLiteral("kPa"));
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(0, 0));

    w->writeSettings();
    QStringList expected = kDefaultFile;
    expected.replace(expected.indexOf(QStringLiteral("style=Color")), QStringLiteral("style=Mono"));
    QCOMPARE(lines(readFile(primary())), expected);
}

void TestSettings::storedValuesRoundTrip()
{
    writeFile(primary(), "[STYLE]\nstyle=Mono\n[LANGUAGE]\nlang=DE\n[REGION]\nregion=South\n[ZOOM]\nfactor=0.5\n"
                         "[ASTRONOMICAL_REFRACTION]\nlatitude=51.25\nlongitude=7.5\nP=1013\nT=-5.5\n"
                         "enabledCorrect=true\nP_unit=hPa\nyearlyTable=true\n[AXIS_CENTER]\nx=612.5\ny=470.25\n");
    const QByteArray before = readFile(primary());
    {
        auto w = makeWindow();
        QCOMPARE(w->language, QStringLiteral("DE"));
        QCOMPARE(w->region, QStringLiteral("South"));
        QCOMPARE(w->zoomFactor, 0.5f);
        const RefractionValues r = refractionValues();
        QCOMPARE(r.latitude, 51.25f);
        QCOMPARE(r.longitude, 7.5f);
        QCOMPARE(r.P, 1013.0f);
        QCOMPARE(r.T, -5.5f);
        QCOMPARE(r.enabledCorrect, true);
        QCOMPARE(r.P_unit, QStringLiteral("hPa"));
        QCOMPARE(r.yearlyTable, true);
        QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(612.5, 470.25));
        w->writeSettings();
    }
    QStringList sortedBefore = lines(before);
    QStringList written = lines(readFile(primary()));
    sortedBefore.sort();
    written.sort();
    QCOMPARE(written, sortedBefore);
}

void TestSettings::numbersKeepSixDigits_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("xLine");
    QTest::addColumn<QString>("yLine");
    QTest::addColumn<float>("xBack");
    QTest::addColumn<float>("yBack");

    QTest::newRow("rounded") << 1234.5678 << 456.25 << "x=1234.57" << "y=456.25" << 1234.57f << 456.25f;
    QTest::newRow("six digits") << 640.123456 << 480.0 << "x=640.123" << "y=480" << 640.123f << 480.0f;
    QTest::newRow("negative") << -12.5 << 0.000123456789 << "x=-12.5" << "y=0.000123457" << -12.5f
                              << 0.000123457f;
}

void TestSettings::numbersKeepSixDigits()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, xLine);
    QFETCH(QString, yLine);
    QFETCH(float, xBack);
    QFETCH(float, yBack);
    {
        auto w = makeWindow();
        w->savedAxisCenter = QPointF(x, y); // only an accepted centre is written
        w->writeSettings();
    }
    const QStringList written = lines(readFile(primary()));
    QVERIFY2(written.contains(xLine), qPrintable(written.join(' ')));
    QVERIFY2(written.contains(yLine), qPrintable(written.join(' ')));

    liveViewState.reset();
    auto w = makeWindow();
    const QPointF back = liveViewState.get(&LiveView::axisCenter);
    QCOMPARE(back.x(), double(xBack));
    QCOMPARE(back.y(), double(yBack));
}

void TestSettings::zoomOutsideTheMenuIsKept()
{
    writeFile(primary(), "[ZOOM]\nfactor=0.6\n");
    auto w = makeWindow();
    QCOMPARE(w->zoomFactor, 0.6f);
    QVERIFY(w->findChild<QAction *>("action100")->isChecked());
    QCOMPARE(w->pickPos, QPoint(384, 288));
    w->writeSettings();
    QVERIFY(lines(readFile(primary())).contains(QStringLiteral("factor=0.6")));
}

void TestSettings::damagedValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<float>("latitude");
    QTest::addColumn<QPointF>("axis");

    const QByteArray all = "[ZOOM]\nfactor=%1\n[ASTRONOMICAL_REFRACTION]\nlatitude=%1\nlongitude=%1\nP=%1\nT=%1\n"
                           "[AXIS_CENTER]\nx=%1\ny=%1\n";
    auto every = [&all](const char *value) { return QByteArray(all).replace("%1", value); };

    // A value that is no number reads as 0 (the dialog then clamps the pressure to its
    // range); nan, inf and numbers beyond float range read as the key's default.
    QTest::newRow("empty file") << QByteArray() << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("empty values") << every("") << 1.0f << 0.0f << QPointF(0, 0);
    QTest::newRow("text") << every("abc") << 1.0f << 0.0f << QPointF(0, 0);
    QTest::newRow("nan") << every("nan") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("inf") << every("inf") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("-inf") << every("-inf") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("-1") << every("-1") << 1.0f << 0.0f << QPointF(-1, -1);
    QTest::newRow("1e300") << every("1e300") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("1e999") << every("1e999") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("zoom 3") << QByteArray("[ZOOM]\nfactor=3\n") << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("zoom 0.75") << QByteArray("[ZOOM]\nfactor=0.75\n") << 0.75f << 39.9f << QPointF(0, 0);
    QTest::newRow("list value") << QByteArray("[ZOOM]\nfactor=0.5,0.75\n[AXIS_CENTER]\nx=1,2\n") << 1.0f << 39.9f
                                << QPointF(0, 0);
    QTest::newRow("truncated") << QByteArray("[ASTRONOMICAL_REFRACTION]\nlatitude=45.5\nlongitu") << 1.0f << 45.5f
                               << QPointF(0, 0);
    QTest::newRow("truncated group") << QByteArray("[STYLE]\nstyle=Mono\n[ZOO") << 1.0f << 39.9f << QPointF(0, 0);

    QByteArray binary;
    quint32 seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1664525u + 1013904223u;
        binary.append(char(seed >> 24));
    }
    QTest::newRow("binary") << binary << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("binary after values") << QByteArray("[ASTRONOMICAL_REFRACTION]\nlatitude=45.5\n") + binary
                                         << 1.0f << 45.5f << QPointF(0, 0);
}

void TestSettings::damagedValues()
{
    QFETCH(QByteArray, file);
    QFETCH(float, zoom);
    QFETCH(float, latitude);
    QFETCH(QPointF, axis);

    writeFile(primary(), file);
    auto w = makeWindow();

    QCOMPARE(w->zoomFactor, zoom);
    QCOMPARE(refractionValues().latitude, latitude);
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), axis);

    const RefractionValues r = refractionValues();
    for (float v : {r.latitude, r.longitude, r.P, r.T})
        QVERIFY(std::isfinite(v));
    QVERIFY(w->pickPos.x() >= 0 && w->pickPos.x() <= 1280);

    // Writing back gives a file the next start reads without surprises.
    w->writeSettings();
    w.reset();
    auto again = makeWindow();
    QCOMPARE(again->zoomFactor, zoom);
    QCOMPARE(refractionValues().latitude, latitude);
}

void TestSettings::refractionOutOfRangeGivesFinitePole()
{
    writeFile(primary(), "[ASTRONOMICAL_REFRACTION]\nlatitude=-4.4\nlongitude=500\nP=3e38\nT=-273\n"
                         "enabledCorrect=true\nP_unit=Pa\n");
    auto w = makeWindow();
    const RefractionValues r = refractionValues();
    QVERIFY(r.latitude >= 0.0f && r.latitude <= 90.0f);
    QVERIFY(r.P >= 90.0f && r.P <= 110.0f);
    QVERIFY(r.T >= -84.0f && r.T <= 200.0f);

    double ay = 0, by = 0;
    starMath.CorrectRefraction(300.0, r.latitude, r.pressureKPa(), r.T, &ay);
    starMath.CorrectRefraction(520.0, r.latitude, r.pressureKPa(), r.T, &by);
    double px = 0, py = 0;
    starMath.CalcPoleCOOR(600.0, ay, 12.45, 640.0, by, 18.47, &px, &py, 640.0, 480.0);
    QVERIFY(std::isfinite(ay) && std::isfinite(by));
    QVERIFY(std::isfinite(px) && std::isfinite(py));
}

void TestSettings::readingLeavesTheFileAlone()
{
    const QByteArray content = "[ASTRONOMICAL_REFRACTION]\nlatitude=200\nT=-300\n";
    writeFile(primary(), content);
    auto w = makeWindow();
    QCOMPARE(readFile(primary()), content);
}

void TestSettings::unwritableFolderFallsBack()
{
    // A folder path that is a file: nothing can be created inside it, even as root.
    const QString blocker = dir->filePath(QStringLiteral("not-a-folder"));
    writeFile(blocker, "x");
    MainWindow::settingsDirOverride = blocker;

    {
        auto w = makeWindow();
        w->region = QStringLiteral("South");
        w->language = QStringLiteral("JA");
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("saved to .*Orvanta\\.ini")));
        w->writeSettings();
    }
    const QString fallback = MainWindow::fallbackSettingsFilePath();
    QVERIFY(QFile::exists(fallback));
    QVERIFY(lines(readFile(fallback)).contains(QStringLiteral("region=South")));

    auto w = makeWindow();
    QCOMPARE(w->region, QStringLiteral("South"));
    QCOMPARE(w->language, QStringLiteral("JA"));
}

void TestSettings::newerFileWins()
{
    const QString fallback = MainWindow::fallbackSettingsFilePath();
    QVERIFY(QDir().mkpath(QFileInfo(fallback).absolutePath()));
    writeFile(primary(), "[REGION]\nregion=North\n");
    writeFile(fallback, "[REGION]\nregion=South\n");
    QFile f(primary());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    f.close();
    {
        auto w = makeWindow();
        QCOMPARE(w->region, QStringLiteral("South"));
        // The folder is writable again: the file beside the program is the current one.
        w->region = QStringLiteral("North");
        w->writeSettings();
    }
    auto w = makeWindow();
    QCOMPARE(w->region, QStringLiteral("North"));
}

void TestSettings::writeReplacesTheFileWhole()
{
    auto w = makeWindow();
    w->writeSettings();
    struct stat first {};
    QCOMPARE(::stat(QFile::encodeName(primary()).constData(), &first), 0);
    w->region = QStringLiteral("South");
    w->writeSettings();
    struct stat second {};
    QCOMPARE(::stat(QFile::encodeName(primary()).constData(), &second), 0);
    // A new file renamed over the old one, never the old one rewritten in place.
    QVERIFY(first.st_ino != second.st_ino);
    const QStringList left = QDir(dir->path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{QStringLiteral("Orvanta.ini")});
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
