// The simulated camera library through its 17 functions and its sky, and the main
// window against it: the connection, every connect failure, the camera controls,
// and a camera that misbehaves while streaming.
#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "starmath/starmath.h"
#include "tavrinsim.h"
#include "testsupport.h"

#include <QAction>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

Q_DECLARE_METATYPE(tavrinsim::Fault)

namespace {

int countCalls(const std::string &prefix)
{
    const auto log = tavrinsim::callLog();
    return int(std::count_if(log.begin(), log.end(), [&](const std::string &e) { return e.rfind(prefix, 0) == 0; }));
}

int lastIndexOf(const std::string &name)
{
    const auto names = tavrinsim::callNames();
    return int(std::find(names.rbegin(), names.rend(), name).base() - names.begin()) - 1;
}

void freshSky()
{
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::setDateTime(QDateTime(QDate(2025, 10, 1), QTime(21, 0), Qt::UTC));
    tavrinsim::setClockRate(0);
    tavrinsim::MountParams p = tavrinsim::mountParams();
    p.noise = false;
    tavrinsim::setMountParams(p);
}

TAVRIN_HANDLE openCamera()
{
    char id[TAVRIN_ID_SIZE];
    if (InitTAVRINResource() != 0 || ScanTAVRIN() != 1 || GetTAVRINId(0, id) != 0)
        return 0;
    const TAVRIN_HANDLE h = OpenTAVRIN(id);
    return h && InitTAVRIN(h) == 0 ? h : 0;
}

QWidget *visiblePanel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("mountPanel"))
            return w;
    return nullptr;
}

} // namespace

class TestCameraSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void libraryRefuses();
    void mountPanel();
    void panelReachesSky();
    void libraryRanges();
    void connectionAndWindowState();
    void connectFailures_data();
    void connectFailures();
    void typedValues();
    void faultsWhileStreaming();
    void closeWaitsForCapture();

private:
    QAction *connectAction() const { return window->findChild<QAction *>("actionConnect"); }
    QLabel *image() const { return window->findChild<QLabel *>("label_showImg"); }
    void disconnectPromptly();
    std::unique_ptr<CriticalCatcher> criticals;
    std::unique_ptr<BoxAnswerer> guard;
    std::unique_ptr<MainWindow> window;
};

void TestCameraSim::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
    freshSky();
    cameraState.reset();
    liveViewState.reset();
    criticals.reset(new CriticalCatcher(true));
    guard.reset(new BoxAnswerer(BoxAnswerer::Fail));
    window.reset(new MainWindow(nullptr));
    tavrinsim::clearCallLog();
}

void TestCameraSim::cleanup()
{
    window.reset();
    guard.reset();
    criticals.reset();
    tavrinsim::reset();
    QFile::remove(settingsPath());
}

void TestCameraSim::disconnectPromptly()
{
    QElapsedTimer clock;
    clock.start();
    connectAction()->trigger();
    QVERIFY2(clock.elapsed() < 2000, "disconnect must not wait on the camera");
    QVERIFY(!cameraState.cameraConnected);
    QVERIFY(window->captureThread->isFinished());
    QCOMPARE(connectAction()->text(), QStringLiteral("Connect"));
}

// Stale handles, a missing buffer, an id without NUL, a vanished camera: refused,
// and nothing written beyond what the caller owns.
void TestCameraSim::libraryRefuses()
{
    window.reset();
    tavrinsim::reset();
    char id[TAVRIN_ID_SIZE + 8];
    std::vector<unsigned char> buf(1280 * 960 * 3, 0xA5);
    std::uint32_t w = 0, h = 0, bpp = 0, ch = 0;
    QCOMPARE(ScanTAVRIN(), 0); // before the library is initialised
    QVERIFY(InitTAVRINResource() == 0 && GetTAVRINId(1, id) == -1 && GetTAVRINId(0, nullptr) == -1 && !OpenTAVRIN(nullptr));
    QVERIFY(GetTAVRINParam(12345, TAVRIN_CONTROL_GAIN) == -1 && BeginTAVRINLive(12345) && CloseTAVRIN(12345));
    QVERIFY(GetTAVRINLiveFrame(12345, &w, &h, &bpp, &ch, buf.data()) != 0 && buf[0] == 0xA5);
    tavrinsim::setFault(tavrinsim::Fault::IdTooLong);
    std::memset(id, '#', sizeof id);
    QVERIFY(GetTAVRINId(0, id) == 0 && !std::memchr(id, '\0', TAVRIN_ID_SIZE) && id[TAVRIN_ID_SIZE] == '#');
    const TAVRIN_HANDLE cam = OpenTAVRIN(id); // read no further than its buffer
    QVERIFY(cam && !OpenTAVRIN(id) && BeginTAVRINLive(cam) && InitTAVRIN(cam) == 0);
    for (int control : {TAVRIN_CONTROL_GAIN, TAVRIN_CONTROL_EXPOSURE, TAVRIN_CONTROL_SPEED, TAVRIN_CONTROL_TRAFFIC, 3})
        SetTAVRINParam(cam, control, -5), SetTAVRINParam(cam, control, 1e9);
    QVERIFY(GetTAVRINParam(cam, TAVRIN_CONTROL_GAIN) == 100 && GetTAVRINParam(cam, 3) == -1);
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(cam), 0);
    tavrinsim::setFault(tavrinsim::Fault::CameraDisappears);
    QVERIFY(GetTAVRINLiveFrame(cam, &w, &h, &bpp, &ch, buf.data()) == -1 && ScanTAVRIN() == 0 && StopTAVRINLive(cam));
    QCOMPARE(CloseTAVRIN(cam), 0); // releases the vanished camera's handle
    OutputTAVRINDebug(std::string(5000, 'a').c_str());
    OutputTAVRINDebug(nullptr);
    QCOMPARE(tavrinsim::debugLines().back().size(), size_t(4095));
}

// The simulator's mount panel turns the axis and the bolts.
void TestCameraSim::mountPanel()
{
    window.reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Always);
    const TAVRIN_HANDLE h = openCamera();
    QWidget *panel = visiblePanel();
    QVERIFY(panel);
    // Each step moves the axis or one bolt by its figure, the way its arrow or word says.
    for (QPushButton *b : panel->findChildren<QPushButton *>()) {
        const QString t = b->text();
        const double figure = t.section(' ', -1).chopped(1).toDouble()
                              * (t.contains(QRegularExpression("\u21ba|Lower|Left")) ? -1 : 1);
        const int moves = t.contains(QChar(0xb0)) ? 0 : t.contains(QRegularExpression("Raise|Lower")) ? 1
                          : t.contains(QRegularExpression("Left|Right")) ? 2 : -1;
        const tavrinsim::MountParams a = tavrinsim::mountParams();
        b->click();
        const tavrinsim::MountParams m = tavrinsim::mountParams();
        const double moved[] = {std::remainder(m.raAngleDeg - a.raAngleDeg, 360.0), m.altErrorArcmin - a.altErrorArcmin,
                                m.azErrorArcmin - a.azErrorArcmin};
        for (int i = 0; i < 3 && moves >= 0; ++i)
            QVERIFY2(std::fabs(moved[i] - (i == moves ? figure : 0.0)) < 1e-9, qPrintable(t));
    }
    for (QAbstractSpinBox *box : panel->findChildren<QAbstractSpinBox *>())
        box->stepUp();
    QVERIFY(tavrinsim::truth().totalErrorArcmin >= 29.0 && tavrinsim::truth().totalErrorArcmin <= 181.0);
    QCOMPARE(CloseTAVRIN(h), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tavrinsim::panelVisible());
    // Opened again in the south, it says so; without a screen it shows only when asked to.
    tavrinsim::MountParams south = tavrinsim::mountParams();
    south.hemisphere = tavrinsim::Hemisphere::South;
    tavrinsim::setMountParams(south);
    const TAVRIN_HANDLE again = openCamera();
    QVERIFY(visiblePanel() && visiblePanel()->findChild<QComboBox *>()->currentText() == "South");
    QCOMPARE(CloseTAVRIN(again), 0);
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Auto);
    const TAVRIN_HANDLE headless = openCamera();
    QVERIFY(headless && !tavrinsim::panelVisible() && CloseTAVRIN(headless) == 0);
}

// Hemisphere, refraction, the dial, the clock and tracking on the panel reach the
// sky the camera sees, each in the right direction.
void TestCameraSim::panelReachesSky()
{
    window.reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Always);
    const TAVRIN_HANDLE h = openCamera();
    QWidget *panel = visiblePanel();
    QVERIFY(panel);
    const auto boxes = panel->findChildren<QCheckBox *>();
    QCheckBox *tracking = boxes[0]->text() == "Tracking" ? boxes[0] : boxes[1];
    QCheckBox *refraction = boxes[0] == tracking ? boxes[1] : boxes[0];
    auto *hemisphere = panel->findChildren<QComboBox *>()[0];
    auto *clock = panel->findChildren<QComboBox *>()[1];

    // Refraction lifts the pole towards the zenith, up on screen at angle 0.
    QTest::mouseClick(refraction, Qt::LeftButton);
    tavrinsim::Truth t = tavrinsim::truth();
    QVERIFY(tavrinsim::mountParams().refraction);
    QVERIFY2(t.refractedPoleY < t.poleY - 1.0 && std::fabs(t.refractedPoleX - t.poleX) < 0.5,
             qPrintable(QString("pole %1 refracted %2").arg(t.poleY).arg(t.refractedPoleY)));
    QTest::mouseClick(refraction, Qt::LeftButton);
    QCOMPARE(tavrinsim::truth().refractedPoleY, tavrinsim::truth().poleY);

    // The dial sets the axis angle it shows.
    auto *dial = panel->findChild<QDial *>();
    QTest::keyClick(dial, Qt::Key_PageUp);
    QVERIFY(dial->value() != 0 && tavrinsim::truth().raAngleDeg == dial->value());

    double x = 0, y = 0;
    QVERIFY(tavrinsim::starPosition(11767, &x, &y) && !tavrinsim::starPosition(104382, &x, &y));
    hemisphere->setCurrentIndex(1);
    QVERIFY(tavrinsim::mountParams().hemisphere == tavrinsim::Hemisphere::South);
    QVERIFY(tavrinsim::mountParams().latitudeDeg < 0);
    QVERIFY(!tavrinsim::starPosition(11767, &x, &y) && tavrinsim::starPosition(104382, &x, &y));
    t = tavrinsim::truth();
    QVERIFY(t.poleX > 0 && t.poleX < 1280 && t.poleY > 0 && t.poleY < 960);

    // A tracking axis follows the sky at the sidereal rate, the other way round
    // in the south, and stands still with the clock.
    QTest::mouseClick(tracking, Qt::LeftButton);
    QVERIFY(tavrinsim::mountParams().tracking);
    for (int south : {1, 0}) {
        hemisphere->setCurrentIndex(south);
        clock->setCurrentIndex(clock->findText("1000x"));
        QCOMPARE(tavrinsim::clockRate(), 1000.0);
        const tavrinsim::Truth a = tavrinsim::truth();
        QTest::qWait(150);
        clock->setCurrentIndex(clock->findText("Stopped"));
        const tavrinsim::Truth b = tavrinsim::truth();
        const double expected = a.dateTime.msecsTo(b.dateTime) * 360.0 / 86164090.5 * (south ? -1 : 1);
        QVERIFY(std::fabs(expected) > 0.3);
        QVERIFY2(std::fabs(std::remainder(b.raAngleDeg - a.raAngleDeg - expected, 360.0)) < 1e-3,
                 qPrintable(QString("turned %1, sky %2").arg(b.raAngleDeg - a.raAngleDeg).arg(expected)));
    }
    QTest::mouseClick(tracking, Qt::LeftButton);
    QVERIFY(!tavrinsim::mountParams().tracking);
    QCOMPARE(CloseTAVRIN(h), 0);
}

// Values the camera takes: out-of-range settings refused, not half-applied.
void TestCameraSim::libraryRanges()
{
    window.reset();
    const TAVRIN_HANDLE cam = openCamera();
    QVERIFY(cam);
    QCOMPARE(SetTAVRINStreamMode(cam, 2), -1);
    for (auto r : {std::array<int, 4>{0, 0, 1281, 960}, {-1, 0, 640, 480}, {1, 0, 1280, 960}, {0, 0, 0, 480}})
        QCOMPARE(SetTAVRINResolution(cam, r[0], r[1], r[2], r[3]), -1);
    QCOMPARE(SetTAVRINResolution(cam, 8, 16, 320, 240), 0);
    QCOMPARE(SetTAVRINParam(cam, TAVRIN_CONTROL_SPEED, 999), 0);
    QCOMPARE(SetTAVRINParam(cam, TAVRIN_CONTROL_TRAFFIC, 40.6), 0);
    QCOMPARE(SetTAVRINParam(cam, TAVRIN_CONTROL_GAIN, std::nan("")), -1);
    QVERIFY(GetTAVRINParam(cam, TAVRIN_CONTROL_SPEED) == 2 && GetTAVRINParam(cam, TAVRIN_CONTROL_TRAFFIC) == 41);
    SetTAVRINParam(cam, TAVRIN_CONTROL_EXPOSURE, 2e6);
    QCOMPARE(tavrinsim::frameIntervalMs(), 2000.0); // a long exposure paces the frames
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(cam), 0);
    std::vector<unsigned char> buf(1280 * 960, 0xA5);
    std::uint32_t w = 0, h = 0, bpp = 0, ch = 0;
    QVERIFY(GetTAVRINLiveFrame(cam, &w, &h, &bpp, &ch, buf.data()) == 0 && w == 320 && h == 240);
    QCOMPARE(buf[320 * 240], (unsigned char)0xA5); // the region only
    tavrinsim::setFault(tavrinsim::Fault::NoMoreFrames);
    QVERIFY(tavrinsim::hasFault(tavrinsim::Fault::NoMoreFrames));
    QCOMPARE(GetTAVRINLiveFrame(cam, &w, &h, &bpp, &ch, buf.data()), 1);
    QCOMPARE(tavrinsim::renderFrame(nullptr), 0.0);
    tavrinsim::MountParams p = tavrinsim::mountParams();
    p.arcsecPerPixel = 0;
    tavrinsim::setMountParams(p); // a zero scale would put every star at infinity
    QCOMPARE(tavrinsim::mountParams().arcsecPerPixel, 0.1);
    QCOMPARE(CloseTAVRIN(cam), 0);
    tavrinsim::reset();
    tavrinsim::setFault(tavrinsim::Fault::InitResourceFails);
    QVERIFY(InitTAVRINResource() == -1 && ScanTAVRIN() == 0);
}

void TestCameraSim::connectionAndWindowState()
{
    // Idle costs nothing: no timer runs while not connected, no media player before the music.
    QVERIFY(!window->fpsTimer->isActive() && !window->angleTimer->isActive() && !window->mediaPlayer);
    connectAction()->trigger();
    QVERIFY(cameraState.cameraConnected && window->fpsTimer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > 0, 5000);
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta - ID:ORVANTA-SIM0001"));
    connectAction()->trigger();
    const std::vector<std::string> expected = {
        "ScanTAVRIN()", "GetTAVRINId(0)", "OpenTAVRIN(ORVANTA-SIM0001)", "SetTAVRINReadMode(0)",
        "SetTAVRINStreamMode(1)", "InitTAVRIN()", "SetTAVRINBitsMode(8)", "SetTAVRINBinMode(1,1)",
        "SetTAVRINResolution(0,0,1280,960)", "GetTAVRINParam(8)", "GetTAVRINParam(6)", "SetTAVRINParam(12,30)",
        "SetTAVRINParam(9,0)", "BeginTAVRINLive()", "GetTAVRINLiveFrame()", "StopTAVRINLive()", "CloseTAVRIN()"};
    QCOMPARE(tavrinsim::callLog(), expected);
    QVERIFY(criticals->messages.isEmpty());
    QVERIFY(!window->findChild<QMenu *>("menuZoom")->isEnabled());
    QVERIFY(!window->fpsTimer->isActive() && !window->angleTimer->isActive());

    QVERIFY(criticals->messages.isEmpty());
}

void TestCameraSim::connectFailures_data()
{
    QTest::addColumn<int>("fault"); // -1: none, the decoy decides
    QTest::addColumn<QString>("decoy"); // id reported before the simulated camera
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("closes"); // CloseTAVRIN calls: an opened camera not set up is closed again
    using F = tavrinsim::Fault;
    const QString notFound = "No TAVRIN Orvanta camera found.";
    QTest::newRow("no camera") << int(F::NoCamera) << "" << "" << notFound << false << 0;
    QTest::newRow("id without prefix") << int(F::IdWithoutPrefix) << "" << "" << notFound << false << 0;
    QTest::newRow("id not readable") << int(F::GetIdFails) << "" << "" << notFound << false << 0;
    QTest::newRow("open fails") << int(F::OpenFails) << "" << "OpenTAVRIN failure!"
                                << "Cannot connect to Orvanta: OpenTAVRIN failed." << false << 0;
    QTest::newRow("read mode fails") << int(F::ReadModeFails) << "" << "SetTAVRINReadMode 0 Failure" << "" << true << 0;
    QTest::newRow("stream mode fails") << int(F::StreamModeFails) << "" << "SetTAVRINStreamMode 1 Failure" << ""
                                       << false << 1;
    QTest::newRow("init fails") << int(F::InitFails) << "" << "InitTAVRIN failure!"
                                << "Cannot connect to Orvanta: InitTAVRIN failed." << false << 1;
    QTest::newRow("decoy ORVANTA-0042 is tried") << -1 << "ORVANTA-0042" << "OpenTAVRIN failure!"
                                                 << "Cannot connect to Orvanta: OpenTAVRIN failed." << false << 0;
    QTest::newRow("decoy ORVANTA is tried") << -1 << "ORVANTA" << "OpenTAVRIN failure!"
                                            << "Cannot connect to Orvanta: OpenTAVRIN failed." << false << 0;
    QTest::newRow("id too long, no NUL: cut") << int(F::IdTooLong) << "" << "" << "" << true << 0;
    for (const char *skipped : {"ORVANTA-X-0042", "orvanta-0042", "ORVANTAX-0042", "XORVANTA-0042", "ORVANT-0042"})
        QTest::newRow(skipped) << -1 << skipped << "" << "" << true << 0;
}

void TestCameraSim::connectFailures()
{
    QFETCH(int, fault);
    QFETCH(QString, decoy);
    QFETCH(QString, logLine);
    QFETCH(QString, box);
    QFETCH(bool, connected);
    QFETCH(int, closes);
    if (fault >= 0)
        tavrinsim::setFault(tavrinsim::Fault(fault));
    if (!decoy.isEmpty())
        tavrinsim::setDecoyIds({decoy.toStdString()});
    BoxAnswerer answerer;
    connectAction()->trigger();
    QCOMPARE(criticals->messages, logLine.isEmpty() ? QStringList() : QStringList{logLine});
    QCOMPARE(answerer.texts(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(bool(cameraState.cameraConnected), connected);
    QVERIFY(decoy.isEmpty() || connected || countCalls("GetTAVRINId(1)") == 0); // the first prefixed id only
    QCOMPARE(connectAction()->text(), connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
    if (connected)
        return;
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta"));
    QCOMPARE(countCalls("BeginTAVRINLive"), 0);
    QCOMPARE(countCalls("CloseTAVRIN"), closes);
    tavrinsim::clearFaults(); // the next try works
    tavrinsim::setDecoyIds({});
    connectAction()->trigger();
    QVERIFY(cameraState.cameraConnected);
}

// Typed and entered: shown clamped, the slider follows, sent exactly once.
void TestCameraSim::typedValues()
{
    const struct { const char *control, *typed, *shown; std::string sent; } rows[] = {
        {"Gain", "0", "1", "SetTAVRINParam(6,1)"},          {"Speed", "999", "2", "SetTAVRINParam(9,2)"},
        {"Expose", "007", "007", "SetTAVRINParam(8,7000)"}, {"Traffic", "300", "255", "SetTAVRINParam(12,255)"},
        {"Gain", "99999999999", "100", "SetTAVRINParam(6,100)"}};
    connectAction()->trigger();
    for (const auto &row : rows) {
        auto *edit = window->findChild<QLineEdit *>(QString("lineEdit") + row.control);
        edit->setText(row.typed);
        tavrinsim::clearCallLog();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString(row.shown));
        QCOMPARE(window->findChild<QSlider *>(QString("slider") + row.control)->value(), QString(row.shown).toInt());
        QCOMPARE(countCalls(row.sent.substr(0, row.sent.find(',') + 1)) + countCalls(row.sent), 2); // once, this value
    }
}

// Frames of the wrong size and a camera that vanishes: nothing hangs, disconnect
// works, and the next connect streams again.
void TestCameraSim::faultsWhileStreaming()
{
    tavrinsim::clearFaults();
    tavrinsim::setFramePacing(false);
    tavrinsim::setFault(tavrinsim::Fault::WrongFrameSize);
    connectAction()->trigger();
    liveViewState.update([](LiveView &v) {
        v.showAxisCenter = v.showStarCircle = v.showExpectedPole = v.showStarAMark = v.monitorPole = true;
        v.axisCenter = QPointF(1279.5, 0.5);
        v.starBSearch = QPointF(3, 2);
    });
    long long calls = tavrinsim::liveFrameCalls();
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > calls + 5, 10000);
    QVERIFY(image()->pixmap(Qt::ReturnByValue).isNull()); // dropped, never shown
    QCOMPARE(criticals->messages.filter("frame dropped").size(), 1); // and said once
    tavrinsim::clearFaults();
    QTRY_COMPARE_WITH_TIMEOUT(image()->pixmap(Qt::ReturnByValue).size(), QSize(1280, 960), 5000);

    tavrinsim::setFault(tavrinsim::Fault::CameraDisappears);
    QTest::qWait(200);
    QVERIFY(cameraState.cameraConnected);
    disconnectPromptly();
    tavrinsim::clearFaults();
    calls = tavrinsim::liveFrameCalls();
    connectAction()->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > calls + 2, 5000);
    disconnectPromptly();
}

// The camera is closed only once no frame call can still be running, on disconnect
// and on window close; a close that fails keeps the record honest.
void TestCameraSim::closeWaitsForCapture()
{
    std::atomic<bool> closedDuringFrameCall{false};
    CaptureThread::FrameSource source;
    source.getLiveFrame = [&](TAVRIN_HANDLE h, std::uint32_t *w, std::uint32_t *ht, std::uint32_t *bpp,
                              std::uint32_t *ch, unsigned char *buf) {
        const int rc = GetTAVRINLiveFrame(h, w, ht, bpp, ch, buf);
        QThread::msleep(20);
        if (lastIndexOf("CloseTAVRIN") > lastIndexOf("GetTAVRINLiveFrame"))
            closedDuringFrameCall = true;
        return rc;
    };
    window->captureThread->setFrameSource(source);
    tavrinsim::setFramePacing(false);
    for (int round = 0; round < 2; ++round) {
        connectAction()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > 2 + 3 * round, 5000);
        if (round == 0)
            disconnectPromptly();
        else
            QVERIFY(window->close());
        QTest::qWait(50);
        QVERIFY(!closedDuringFrameCall);
        QVERIFY(lastIndexOf("GetTAVRINLiveFrame") < lastIndexOf("StopTAVRINLive"));
        QVERIFY(lastIndexOf("StopTAVRINLive") < lastIndexOf("CloseTAVRIN"));
    }
    QVERIFY(!cameraState.cameraLibraryReady);
    QVERIFY(QFile::exists(settingsPath()));
    tavrinsim::clearCallLog();
    connectAction()->trigger(); // closed means closed
    QVERIFY(tavrinsim::callLog().empty());

}

QTEST_MAIN(TestCameraSim)
#include "test_camera_sim.moc"
