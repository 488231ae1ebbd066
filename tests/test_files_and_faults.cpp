// Nothing lost, nothing hung: full disks, odd settings files, broken or stuck cameras, locales.
#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "dialogs/astrorefractiondialog.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QString kStub = QStringLiteral(STUB_DIR "/libtavrinstub.so");
template <typename R = void, typename... A> R stub(const char *name, A... args)
{
    return reinterpret_cast<R (*)(A...)>(QLibrary(kStub).resolve(name))(args...);
}
QByteArray readAll(const QString &path) { QFile f(path); return f.open(QFile::ReadOnly) ? f.readAll() : ""; }
bool writeFile(const QString &path, const QByteArray &data) { QFile f(path); return f.open(QFile::WriteOnly) && f.write(data) == data.size(); }
} // namespace

class TestFilesAndFaults : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> w;
    void connectOrDisconnect() { w->findChild<QAction *>("actionConnect")->trigger(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dir.reset(new QTemporaryDir);
        MainWindow::settingsDirOverride = dir->path();
        QFile::remove(MainWindow::fallbackSettingsFilePath());
        cameraState.reset();
        QVERIFY(tavrinLib.load(kStub));
        w.reset(new MainWindow);
    }

    void saveAs()
    {
        const struct { const char *name; int picture; const char *saved; QSize size; } rows[] = {
            {"a.png", 0, "a.png", QSize()}, // no size: the disk is full, the old file must stay
            {"a.bmp", 0, "a.bmp", QSize()},
            {"a", 0, "a.jpg", QSize(640, 480)}, // the chosen type's suffix added
            {"c.bmp", 2, "c.bmp", QSize(1280, 960)}, // the whole camera frame
        };
        w->shownFrame = QImage(640, 480, QImage::Format_RGB32);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(w->shownFrame.bits()), 640 * 480);
        std::signal(SIGXFSZ, SIG_IGN);
        for (const auto &row : rows) {
            QTemporaryDir folder;
            const QString saved = folder.filePath(row.saved);
            QVERIFY(writeFile(saved, "old picture"));
            BoxAnswerer answerer;
            rlimit old{}, full{};
            getrlimit(RLIMIT_FSIZE, &old);
            full = {row.size.isValid() ? old.rlim_cur : 64 * 1024, old.rlim_max};
            setrlimit(RLIMIT_FSIZE, &full);
            const bool ok = w->savePicture(MainWindow::SavedPicture(row.picture), folder.filePath(row.name), "T (*.jpg)");
            setrlimit(RLIMIT_FSIZE, &old);
            QVERIFY2(ok == row.size.isValid() && QImageReader(saved).size() == row.size, row.name);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{row.saved}); // no partial file
            QCOMPARE(readAll(saved) == "old picture" && answerer.titles() == QStringList{"Warn"}, !ok);
        }
    }

    void settingsOnlyToOwnFile()
    {
        // What the settings path is and what the log must say (nothing: written there, silently).
        const std::pair<QString, QString> rows[] = {{"fifo", "not a regular file"},
            {"notes.txt", "a link to another file"}, {"Orvanta.ini", ""}, {"damaged", "had unreadable lines"}};
        for (const auto &[kind, logged] : rows) {
            QTemporaryDir here, elsewhere;
            MainWindow::settingsDirOverride = here.path();
            QFile::remove(MainWindow::fallbackSettingsFilePath());
            const QString primary = here.filePath("Orvanta.ini"), other = elsewhere.filePath(kind);
            const QByteArray notes = kind == "Orvanta.ini" ? "[REGION]\nregion=North\n" : "free text\nkey=1\n";
            QVERIFY(kind == "fifo" ? mkfifo(qPrintable(other), 0600) == 0 : writeFile(other, notes));
            QVERIFY(kind == "damaged" ? writeFile(primary, "junk\n" + notes) : QFile::link(other, primary));
            w->region = "South";
            CriticalCatcher critical;
            w->writeSettings();
            const bool beside = logged.isEmpty() || kind == "damaged";
            const QString fallback = MainWindow::fallbackSettingsFilePath();
            QVERIFY(readAll(beside ? QFileInfo(primary).canonicalFilePath() : fallback).contains("region=South"));
            QCOMPARE(QFile::exists(fallback), !beside);
            QVERIFY(kind == "fifo" ? !QFileInfo(other).isFile() : beside || readAll(other) == notes);
            QCOMPARE(critical.messages.size(), logged.isEmpty() ? 0 : 1);
            QVERIFY2(critical.messages.join('\n').contains(logged), qPrintable(kind));
        }
    }

    void cameraLibraryUnusable()
    {
        for (const QString &named : {QString("/nonexistent/libtavrin.so"), QString("StopTAVRINLive")}) {
            QVERIFY(!tavrinLib.load(named.startsWith('/') ? named : STUB_DIR "/libtavrinstub_nostop.so"));
            CriticalCatcher critical;
            BoxAnswerer answerer;
            w.reset(new MainWindow);
            connectOrDisconnect(); // says it again instead of calling into nothing
            QTRY_COMPARE(answerer.texts().filter(named).size(), 2);
            QVERIFY(critical.messages.join('\n').contains(named));
            QVERIFY(w->close());
            QVERIFY(readAll(dir->filePath("Orvanta.ini")).contains("region=North")); // and Exit still saves
        }
    }

    void wildCameraValues()
    {
        const struct { double value; const char *shown; int logged; } rows[] = {
            {qQNaN(), "1 1", 2}, {1e300, "500 100", 2}, {-qInf(), "1 1", 2}, {2.5e6, "2500 2500000", 0}};
        for (const auto &row : rows) {
            stub("stubSetParam", row.value);
            CriticalCatcher critical;
            connectOrDisconnect();
            QCOMPARE(w->findChild<QLineEdit *>("lineEditExpose")->text() + ' '
                         + w->findChild<QLineEdit *>("lineEditGain")->text(), QString(row.shown));
            QCOMPARE(critical.messages.filter("GetTAVRINParam").size(), row.logged);
            connectOrDisconnect();
        }
    }

    void numberFieldsReadTheTypedForm()
    {
        for (const auto &row : {std::pair{"de_DE", "12.75"}, {"de_DE", "12,75"}, {"en_US", "12,75"}}) {
            const QLocale before;
            QLocale::setDefault(QLocale(row.first));
            AstroRefractionDialog dialog;
            QLocale::setDefault(before);
            auto *temperature = dialog.findChild<QDoubleSpinBox *>("doubleSpinBox_temperature");
            temperature->selectAll();
            QTest::keyClicks(temperature, row.second);
            QVERIFY2(temperature->value() == 12.75, row.first); // not 127
        }
    }

    // Last: the thread it leaves in the stub is let go only at the end.
    void stuckCameraNeitherFreezesNorLoses()
    {
        MainWindow::cameraWaitMs = 400;
        connectOrDisconnect();
        stub("stubSetFrameMode", 2); // wrong-size frames at once: no busy loop for them either
        long long before = stub<long long>("stubFrameCalls");
        QTest::qWait(200);
        QVERIFY2(stub<long long>("stubFrameCalls") - before < 40, "about 20 calls in 200 ms");
        stub("stubSetFrameMode", 1);
        before = stub<long long>("stubFrameCalls");
        QTRY_VERIFY(stub<long long>("stubFrameCalls") > before); // in a call that will not return
        QString meanwhile;
        QTimer::singleShot(150, [&] { meanwhile = w->statusBar()->currentMessage(); });
        const qint64 start = QDateTime::currentMSecsSinceEpoch();
        connectOrDisconnect();
        QCOMPARE(meanwhile, QString("Waiting for the camera..."));
        QVERIFY(w->statusBar()->currentMessage().contains("busy")); // not closed under the call
        w->region = "South";
        QVERIFY(w->close());
        QVERIFY(QDateTime::currentMSecsSinceEpoch() - start < 4000); // both waits gave up in time
        QVERIFY(readAll(dir->filePath("Orvanta.ini")).contains("region=South"));
        w.reset(); // does not wait for the thread either
        stub("stubSetFrameMode", 0);
        QTest::qWait(100);
    }
};

QTEST_MAIN(TestFilesAndFaults)
#include "test_files_and_faults.moc"
