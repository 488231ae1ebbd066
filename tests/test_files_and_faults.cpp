// Nothing lost, nothing hung: Save As on a full disk, the settings file beside
// odd files, a camera library that is missing or lacks a function, wild camera
// values, frames of the wrong size, a frame call that never returns, and number
// fields typed in another locale's form. The camera is a stub library.
#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "capture/liveviewstate.h"
#include "dialogs/astrorefractiondialog.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QImageReader>
#include <QLibrary>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QString kStub = QStringLiteral(STUB_DIR "/libtavrinstub.so");
template <typename Fn> Fn stub(const char *name) { return reinterpret_cast<Fn>(QLibrary(kStub).resolve(name)); }
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
}
} // namespace

using Picture = MainWindow::SavedPicture;

class TestFilesAndFaults : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
    QAction *connectAction() { return window->findChild<QAction *>("actionConnect"); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dir.reset(new QTemporaryDir);
        MainWindow::settingsDirOverride = dir->path();
        QFile::remove(MainWindow::fallbackSettingsFilePath());
        cameraState.reset();
        liveViewState.reset();
        QVERIFY(tavrinLib.load(kStub));
        stub<void (*)(int)>("stubSetFrameMode")(0);
        stub<void (*)(double)>("stubSetParam")(50);
    }
    void cleanup() { window.reset(); }

    void saveAs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("limitKb"); // the disk is full past this
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QSize>("size"); // empty: the old file stays
        QTest::newRow("png, disk full") << "a.png" << "" << int(Picture::Shown) << 64 << "a.png" << QSize();
        QTest::newRow("bmp, disk full") << "a.bmp" << "" << int(Picture::Shown) << 64 << "a.bmp" << QSize();
        QTest::newRow("no suffix") << "a" << "P (*.jpg)" << int(Picture::Shown) << 0 << "a.jpg" << QSize(640, 480);
        QTest::newRow("frame, marks") << "b" << "F (*.png)" << int(Picture::FrameWithMarks) << 0 << "b.png"
                                      << QSize(1280, 960);
        QTest::newRow("frame, bare") << "c.bmp" << "F (*.png)" << int(Picture::FrameWithoutMarks) << 0 << "c.bmp"
                                     << QSize(1280, 960);
    }
    void saveAs()
    {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(int, picture);
        QFETCH(int, limitKb);
        QFETCH(QString, saved);
        QFETCH(QSize, size);
        window.reset(new MainWindow);
        window->lastFrame = QImage(1280, 960, QImage::Format_RGB888);
        window->shownFrame = QImage(640, 480, QImage::Format_RGB32);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(window->shownFrame.bits()), 640 * 480);
        const QString target = dir->filePath(saved);
        writeFile(target, "old picture");
        BoxAnswerer answerer;
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit full = old;
        if (limitKb) {
            std::signal(SIGXFSZ, SIG_IGN);
            full.rlim_cur = rlim_t(limitKb) * 1024;
        }
        setrlimit(RLIMIT_FSIZE, &full);
        const bool ok = window->savePicture(Picture(picture), dir->filePath(name), filter);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(ok, size.isValid());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{saved}); // no partial file
        if (ok) {
            QCOMPARE(QImageReader(target).size(), size);
        } else {
            QCOMPARE(readAll(target), QByteArray("old picture"));
            QCOMPARE(answerer.titles(), QStringList{"Warn"});
        }
    }

    void settingsOnlyToOwnFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("logged"); // empty: the file beside the program takes them, silently
        QTest::newRow("link to a fifo") << "fifo" << "not a regular file";
        QTest::newRow("link to another file") << "notes.txt" << "a link to another file";
        QTest::newRow("folder") << "folder" << "not a regular file";
        QTest::newRow("link to our own file") << "Orvanta.ini" << "";
        QTest::newRow("damaged file") << "damaged" << "had unreadable lines; written anew";
    }
    void settingsOnlyToOwnFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, logged);
        const QString primary = dir->filePath("Orvanta.ini");
        QTemporaryDir elsewhere;
        const QString other = elsewhere.filePath(kind);
        if (kind == "fifo")
            QCOMPARE(mkfifo(qPrintable(other), 0600), 0);
        else
            writeFile(other, kind == "Orvanta.ini" ? "[REGION]\nregion=North\n" : "free text\nkey=1\n");
        if (kind == "folder")
            QVERIFY(QDir().mkdir(primary));
        else if (kind == "damaged")
            writeFile(primary, "free text\n[REGION]\nregion=North\n");
        else
            QVERIFY(QFile::link(other, primary));
        window.reset(new MainWindow);
        window->region = "South";
        CriticalCatcher critical;
        window->writeSettings();
        const bool beside = kind == "Orvanta.ini" || kind == "damaged";
        QCOMPARE(readAll(beside ? QFileInfo(primary).canonicalFilePath() : MainWindow::fallbackSettingsFilePath())
                     .contains("region=South"),
                 true);
        QCOMPARE(QFile::exists(MainWindow::fallbackSettingsFilePath()), !beside);
        if (kind == "notes.txt")
            QCOMPARE(readAll(other), QByteArray("free text\nkey=1\n"));
        if (kind == "fifo")
            QVERIFY(!QFileInfo(other).isFile());
        QCOMPARE(critical.messages.size(), logged.isEmpty() ? 0 : 1);
        if (!logged.isEmpty())
            QVERIFY2(critical.messages[0].contains(logged), qPrintable(critical.messages[0]));
    }

    void cameraLibraryUnusable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("named");
        QTest::newRow("no library") << "/nonexistent/libtavrin.so" << "/nonexistent/libtavrin.so";
        QTest::newRow("no StopTAVRINLive") << STUB_DIR "/libtavrinstub_nostop.so" << "StopTAVRINLive";
    }
    void cameraLibraryUnusable()
    {
        QFETCH(QString, path);
        QFETCH(QString, named);
        QVERIFY(!tavrinLib.load(path));
        CriticalCatcher critical;
        BoxAnswerer answerer;
        window.reset(new MainWindow);
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.contains(named), qPrintable(answerer.boxes[0].text));
        QVERIFY(critical.messages.join('\n').contains(named));
        connectAction()->trigger(); // says it again instead of calling into nothing
        QCOMPARE(answerer.boxes.size(), 2);
        QVERIFY(!cameraState.cameraConnected);
        window->region = "South";
        QVERIFY(window->close());
        QVERIFY(readAll(dir->filePath("Orvanta.ini")).contains("region=South"));
    }

    void wildCameraValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("exposure");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<int>("logged");
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "1" << "1" << 2;
        QTest::newRow("1e300") << 1e300 << "500" << "100" << 2;
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << "1" << "1" << 2;
        QTest::newRow("2.5e6, shown as it is") << 2.5e6 << "2500" << "2500000" << 0;
    }
    void wildCameraValues()
    {
        QFETCH(double, value);
        QFETCH(QString, exposure);
        QFETCH(QString, gain);
        QFETCH(int, logged);
        stub<void (*)(double)>("stubSetParam")(value);
        window.reset(new MainWindow);
        CriticalCatcher critical;
        connectAction()->trigger();
        QVERIFY(cameraState.cameraConnected);
        QCOMPARE(window->findChild<QLineEdit *>("lineEditExpose")->text(), exposure);
        QCOMPARE(window->findChild<QLineEdit *>("lineEditGain")->text(), gain);
        QCOMPARE(critical.messages.filter("GetTAVRINParam").size(), logged);
    }

    void wrongSizeFramesDoNotSpin()
    {
        window.reset(new MainWindow);
        connectAction()->trigger();
        stub<void (*)(int)>("stubSetFrameMode")(2);
        const auto calls = stub<long long (*)()>("stubFrameCalls");
        const long long before = calls();
        QTest::qWait(300);
        QVERIFY2(calls() - before < 60, qPrintable(QString::number(calls() - before))); // about 30
    }

    void numberFieldsReadTheTypedForm_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::newRow("de, point") << "de_DE" << "12.75";
        QTest::newRow("de, comma") << "de_DE" << "12,75";
        QTest::newRow("en, comma") << "en_US" << "12,75";
        QTest::newRow("en, point") << "en_US" << "12.75";
    }
    void numberFieldsReadTheTypedForm()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        AstroRefractionDialog dialog;
        auto *temperature = dialog.findChild<QDoubleSpinBox *>("doubleSpinBox_temperature");
        temperature->selectAll();
        QTest::keyClicks(temperature, typed);
        QTest::keyClick(temperature, Qt::Key_Enter);
        QLocale::setDefault(before);
        QCOMPARE(temperature->value(), 12.75);
    }

    // Last: the thread it leaves in the stub is let go only at the end.
    void hungFrameCallNeitherFreezesNorLoses()
    {
        MainWindow::cameraWaitMs = 400;
        window.reset(new MainWindow);
        connectAction()->trigger();
        stub<void (*)(int)>("stubSetFrameMode")(1);
        QTest::qWait(60);
        QString meanwhile;
        QTimer::singleShot(150, [&] { meanwhile = window->statusBar()->currentMessage(); });
        QElapsedTimer clock;
        clock.start();
        connectAction()->trigger(); // Disconnect
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(meanwhile, QString("Waiting for the camera..."));
        QVERIFY(cameraState.cameraConnected); // busy, not closed under the call
        QVERIFY(window->statusBar()->currentMessage().contains("busy"));
        window->region = "South";
        clock.restart();
        QVERIFY(window->close());
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(readAll(dir->filePath("Orvanta.ini")).contains("region=South"));
        QVERIFY(MainWindow::captureAbandoned());
        window.reset();
        stub<void (*)(int)>("stubSetFrameMode")(0);
        QTest::qWait(100);
    }
};

QTEST_MAIN(TestFilesAndFaults)
#include "test_files_and_faults.moc"
