// The settings file (round trip, damaged files, a folder that cannot be written),
// the languages and their catalogues, the log line format, and one smoke run over
// the window, its resources and every menu action.
#include "camera/camerastate.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/astrorefractiondialog.h"
#include "dialogs/poletrackingdialog.h"
#include "main/logging.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QGraphicsDropShadowEffect>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList lines(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).remove('\r').split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestSettingsLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void settingsRoundTrip();
    void damagedSettings_data();
    void damagedSettings();
    void logLines();
    void cameraServerDialog();
    void quitSignalSavesSettings();
    void smoke();

private:
    QString ini() const { return dir->filePath("Orvanta.ini"); }
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<BoxAnswerer> guard;
};

void TestSettingsLanguages::init()
{
    QStandardPaths::setTestModeEnabled(true);
    dir.reset(new QTemporaryDir);
    MainWindow::settingsDirOverride = dir->path();
    MainWindow::manualOpener = [](const QUrl &) { return true; };
    QFile::remove(MainWindow::fallbackSettingsFilePath());
    liveViewState.reset();
    setRefractionValues(RefractionValues());
    guard.reset(new BoxAnswerer(BoxAnswerer::Fail));
}

void TestSettingsLanguages::cleanup()
{
    guard.reset();
    QFile::remove(MainWindow::fallbackSettingsFilePath());
    MainWindow::settingsDirOverride.clear();
    dir.reset();
}

// Every key read, written back the same (six significant digits), and the file
// replaced whole, never rewritten in place.
void TestSettingsLanguages::settingsRoundTrip()
{
    const QByteArray stored = "[ASTRONOMICAL_REFRACTION]\nP=1013\nP_unit=hPa\nT=-5.5\nenabledCorrect=true\n"
                              "latitude=51.25\nlongitude=7.5\n[AXIS_CENTER]\nx=640.123456\ny=0.000123456789\n"
                              "[LANGUAGE]\nlang=DE\n[REGION]\nregion=South\n[STYLE]\nstyle=Mono\n[ZOOM]\nfactor=0.6\n"
                              "[CAMERA_SERVER]\ncamera=ORVANTA-CCD Simulator\nfocal_length=35.5\nhost=mount\nport=7625\n";
    writeFile(ini(), stored);
    struct stat first {};
    ::stat(QFile::encodeName(ini()).constData(), &first);
    {
        auto w = std::make_unique<MainWindow>(nullptr);
        QCOMPARE(w->language, QStringLiteral("DE"));
        QCOMPARE(w->region, QStringLiteral("South"));
        QCOMPARE(w->zoomFactor, 0.6f); // off the menu, yet kept
        QCOMPARE(liveViewState.get(&LiveView::style), QStringLiteral("Mono"));
        const RefractionValues r = refractionValues();
        QVERIFY(r.latitude == 51.25f && r.longitude == 7.5f && r.P == 1013.0f && r.T == -5.5f && r.enabledCorrect);
        QCOMPARE(r.pressureKPa(), 101.3);
        QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(double(640.123456f), double(0.000123456789f)));
        QVERIFY(w->close());
    }
    QStringList expected = lines(ini());
    QStringList want = QString::fromUtf8(stored).split('\n', Qt::SkipEmptyParts);
    want.replaceInStrings("x=640.123456", "x=640.123").replaceInStrings("y=0.000123456789", "y=0.000123457");
    for (const QString &line : want) // every value comes back as it was read
        QVERIFY2(expected.contains(line), qPrintable(line));
    struct stat second {};
    ::stat(QFile::encodeName(ini()).constData(), &second);
    QVERIFY(first.st_ino != second.st_ino);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Orvanta.ini"});
    for (const char *code : {"ZH", "JA", "ES", "FR", "IT", "RU", "PT", "KO", "fr"}) { // a stored code checks its action
        writeFile(ini(), QByteArray("[LANGUAGE]\nlang=") + code + "\n[ZOOM]\nfactor=0.75\n");
        auto w = std::make_unique<MainWindow>(nullptr);
        QCOMPARE(w->languageGroup->checkedAction()->objectName() == "actionEnglish", QByteArray(code) == "fr");
    }
}

void TestSettingsLanguages::damagedSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<float>("latitude");
    QTest::addColumn<QPointF>("axis");
    const QByteArray all = "[ZOOM]\nfactor=%1\n[ASTRONOMICAL_REFRACTION]\nlatitude=%1\nlongitude=%1\nP=%1\nT=%1\n"
                           "[AXIS_CENTER]\nx=%1\ny=%1\n";
    auto every = [&all](const char *value) { return QByteArray(all).replace("%1", value); };
    // No number reads as 0 (then clamped); nan, inf and beyond float range as the default.
    QTest::newRow("empty file") << QByteArray() << 1.0f << 39.9f << QPointF(0, 0);
    QTest::newRow("text") << every("abc") << 1.0f << 0.0f << QPointF(0, 0);
    QTest::newRow("nan") << every("nan") << 1.0f << 39.9f << QPointF(0, 0);
            QTest::newRow("truncated") << QByteArray("[ASTRONOMICAL_REFRACTION]\nlatitude=45.5\nlongitu") << 1.0f << 45.5f
                               << QPointF(0, 0);
    QTest::newRow("out of range") << QByteArray("[ASTRONOMICAL_REFRACTION]\nlatitude=-4.4\nP=3e38\nT=-273\nP_unit=Pa\n")
                                  << 1.0f << 0.0f << QPointF(0, 0);
    QByteArray binary;
    quint32 seed = 12345;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((seed = seed * 1664525u + 1013904223u) >> 24));
    QTest::newRow("binary after values") << QByteArray("[ASTRONOMICAL_REFRACTION]\nlatitude=45.5\n") + binary << 1.0f
                                         << 45.5f << QPointF(0, 0);
}

// A damaged file starts the program with sane values, is left alone by reading,
// and what is written back reads the same.
void TestSettingsLanguages::damagedSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(float, zoom);
    QFETCH(float, latitude);
    QFETCH(QPointF, axis);
    writeFile(ini(), file);
    auto w = std::make_unique<MainWindow>(nullptr);
    QCOMPARE(w->zoomFactor, zoom);
    QCOMPARE(refractionValues().latitude, latitude);
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), axis);
    const RefractionValues r = refractionValues();
    QVERIFY(r.latitude >= 0 && r.latitude <= 90 && r.P >= 90 && r.P <= 110 && r.T >= -84 && std::isfinite(r.longitude));
    QFile same(ini());
    QVERIFY(same.open(QIODevice::ReadOnly) && same.readAll() == file);
    w->writeSettings();
    w.reset(new MainWindow(nullptr));
    QCOMPARE(w->zoomFactor, zoom);
    QCOMPARE(refractionValues().latitude, latitude);
}

// "yyyy/MM/dd hh:mm:ss<TAB>Level<TAB> message" with CR LF, warnings not written,
// one file per start second.
void TestSettingsLanguages::logLines()
{
    const QDateTime start(QDate(2026, 12, 5), QTime(18, 0, 0));
    logFilePath = logFileNameFor(dir->path(), start);
    QCOMPARE(logFileNameFor(dir->path(), start.addMSecs(900)), logFilePath);
    QCOMPARE(QFileInfo(logFilePath).fileName(), QString("2026-12-05.18-00-00.log"));
    QCOMPARE(prepareLogFolder(dir->path()), QDir::toNativeSeparators(dir->path() + "/Orvanta/Log"));
    QVERIFY(scaledPointSize(9, 1.0f) == 9 && scaledPointSize(9, 1.5f) == 13 && scaledPointSize(9, 3.0f) == 18);
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    qDebug("d %d", 1);
    qWarning("not written");
    qInfo("i");
    qCritical("%s", "Polaris \xc3\xa9t\xc3\xa9");
    qInstallMessageHandler(previous);
    QFile file(logFilePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    const QRegularExpression line("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\t(Debug\t d 1|Info\t i|Critical\t Polaris été)\r$");
    const QStringList written = content.split('\n');
    QCOMPARE(written.size(), 4);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(line.match(written[i]).hasMatch(), qPrintable(written[i]));

}

// Test names the server it asked and what it found; OK keeps the entries and the
// remembered camera (shown by its device name), Cancel the old ones; a blank
// typed into the host is dropped, not handed to the library.
void TestSettingsLanguages::cameraServerDialog()
{
    guard.reset(); // the dialog is modal and answered below
    QTcpServer probe; // a port nobody listens on
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();
    writeFile(ini(), "[CAMERA_SERVER]\ncamera=ORVANTA-CCD Simulator\n");
    auto w = std::make_unique<MainWindow>(nullptr);
    QVERIFY(w->findChild<QAction *>("actionCamera_Server"));
    const struct { const char *typed; bool ok; QString said; } uses[] = {
        {"local host", true, QString("No INDI server answers at localhost:%1. Start").arg(port)},
        {" ", false, "No server set: only the simulated camera is used."}};
    for (const auto &use : uses) {
        QString said, camera;
        QTimer::singleShot(0, [&] {
            auto *dialog = w->findChild<QDialog *>("CameraServerDialog");
            auto *host = dialog->findChild<QLineEdit *>("lineEdit_host");
            host->clear();
            QTest::keyClicks(host, use.typed);
            dialog->findChild<QSpinBox *>("spinBox_port")->setValue(port);
            dialog->findChild<QDoubleSpinBox *>("doubleSpinBox_focal")->setValue(use.ok ? 35 : 50);
            dialog->findChild<QPushButton *>("pushButton_test")->click();
            said = dialog->findChild<QLabel *>("label_result")->text();
            camera = dialog->findChild<QComboBox *>("comboBox_camera")->currentText();
            use.ok ? dialog->accept() : dialog->reject();
        });
        w->findChild<QAction *>("actionCamera_Server")->trigger();
        if (said.contains("cannot use INDI"))
            QSKIP("the camera library was built without INDI");
        QVERIFY2(said.startsWith(use.said), qPrintable(said));
        QCOMPARE(camera, QString("CCD Simulator"));
    }
    const CameraServerSettings &kept = w->cameraServer;
    QCOMPARE(QString("%1:%2 %3").arg(kept.host).arg(kept.port).arg(kept.camera),
             QString("localhost:%1 ORVANTA-CCD Simulator").arg(port));
    QCOMPARE(kept.focalLength, 35.0);
}

// Ctrl+C or the session's SIGTERM ends the program the way Exit does: settings saved.
void TestSettingsLanguages::quitSignalSavesSettings()
{
    const QString exe = dir->filePath("orvanta"); // its settings file is beside it
    QVERIFY(QFile::copy(ORVANTA_EXE, exe));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir->path());
    env.insert("XDG_CONFIG_HOME", dir->filePath("config"));
    env.insert("XDG_DATA_HOME", dir->filePath("data"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(exe, QStringList());
    const QString logFolder = dir->filePath("Documents/Orvanta/Log");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(logFolder).isDir() || program.state() == QProcess::NotRunning, 30000);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(!QFile::exists(ini()));
    program.terminate();
    QVERIFY2(program.waitForFinished(30000), "no end after SIGTERM");
    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
             program.readAllStandardError().right(2000).constData());
    QVERIFY(QFile::exists(ini()));
}

// The window builds with the style sheet, every resource loads, both styles and
// every menu action run without a stray box, and the shown frame saves.
void TestSettingsLanguages::smoke()
{
    QDirIterator it(":", QDirIterator::Subdirectories);
    int images = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY2(it.fileInfo().isDir() || (file.open(QIODevice::ReadOnly) && file.size() > 0), qPrintable(path));
        if (path.endsWith(".png")) {
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++images;
        }
    }
    QVERIFY(images > 10);
    // Every catalogue is finished and compiled in.
    QDirIterator catalogues(ORVANTA_SOURCE_DIR "/resources/languages", {"*.ts"});
    int count = 0;
    for (; catalogues.hasNext(); ++count) {
        QFile ts(catalogues.next());
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QVERIFY2(!ts.readAll().contains("type=\"unfinished\""), qPrintable(ts.fileName()));
        QTranslator compiled;
        QVERIFY2(compiled.load(":/languages/" + catalogues.fileInfo().completeBaseName() + ".qm"), qPrintable(ts.fileName()));
    }
    QCOMPARE(count, 10);
    QFile qss(":/qss/default.qss");
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
    auto window = std::make_unique<MainWindow>(nullptr);
    MainWindow &w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.windowIcon().isNull());
    for (int i = 0; i < 17; ++i) // the turning target mark steps by 10 and never reaches 80
        w.increaseAngleTimeout();
    QCOMPARE(liveViewState.get(&LiveView::markAngle), 10.0);
    w.shownFrame = QImage(64, 48, QImage::Format_RGB32);
    w.shownFrame.fill(QColor(10, 200, 30));
    {
        BoxAnswerer answerer;
        QVERIFY(!w.saveShownFrame(dir->filePath("missing/folder/shot.png")));
        QVERIFY(answerer.texts().size() == 1 && answerer.texts()[0].contains("missing/folder/shot.png"));
    }
    guard.reset();
    BoxAnswerer answerer; // dialogs the actions open are closed at once
    for (QAction *action : w.findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->objectName() == "actionExit" || action->menu())
            continue;
        action->trigger();
        QTest::qWait(20);
    }
    cameraState.cameraConnected = true; // the pointer is followed over the image and the tips
    QWidget *image = w.findChild<QLabel *>("label_showImg");
    for (int step = 1; step <= 13; ++step) { // every button of every step, both styles, the pointer everywhere
        w.setStep(step);
        w.findChild<QAction *>("actionMono_Style")->toggle();
        w.graphicsEffectTimeout();
        for (QWidget *target : {image, w.tabWidget_tipMsg->currentWidget()})
            for (const QPoint &at : {QPoint(0, 0), QPoint(5, 900), QPoint(640, 480), QPoint(1279, 959)}) {
                QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &move);
            }
        for (QAbstractButton *button : w.findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled())
                button->click();
    }
    w.templateAngle = 0; // the template's angle buttons stop at the ends
    w.on_pushButton_confirm_minus_clicked(), w.on_pushButton_rough_minus_clicked();
    QCOMPARE(w.templateAngle, 0);
    w.templateAngle = 360;
    w.on_pushButton_confirm_add_clicked(), w.on_pushButton_rough_add_clicked();
    QCOMPARE(w.templateAngle, 360);
    for (int unit : {1, 0, 1})
        w.refractionDialog->findChild<QComboBox *>("comboBox_presure")->setCurrentIndex(unit);
    cameraState.cameraConnected = false;
    w.findChild<QAction *>("actionExit")->trigger();
    QVERIFY(!w.isVisible());
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestSettingsLanguages)
#include "test_settings_languages.moc"
