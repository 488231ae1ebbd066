// The simulated camera library seen through its 17 functions: return values,
// the call log of a connection, controls, frame pacing, faults and the panel.
#include "camera/tavrinapi.h"
#include "tavrinsim.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(tavrinsim::Fault)

namespace {

constexpr size_t kFrameBytes = 1280 * 960 * 3;

struct Frame {
    uint32_t w = 0, h = 0, bpp = 0, ch = 0;
    std::vector<unsigned char> buf = std::vector<unsigned char>(kFrameBytes, 0xA5);
    int fetch(TAVRIN_HANDLE handle) { return GetTAVRINLiveFrame(handle, &w, &h, &bpp, &ch, buf.data()); }
};

// The connection as the program makes it; returns the handle (0 on failure).
TAVRIN_HANDLE connectCamera(char *id)
{
    if (InitTAVRINResource() != 0)
        return 0;
    const int n = ScanTAVRIN();
    for (int i = 0; i < n; ++i) {
        if (GetTAVRINId(i, id) == 0)
            return OpenTAVRIN(id);
    }
    return 0;
}

}  // namespace

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void connectSequenceAndCallLog();
    void callsWithoutCameraFailSafely();
    void identifiers_data();
    void identifiers();
    void connectFaults_data();
    void connectFaults();
    void closeFailureKeepsCameraOpen();
    void controlsRoundTrip_data();
    void controlsRoundTrip();
    void framePacing();
    void readoutFloorFollowsSpeedAndTraffic();
    void streamFaults();
    void cameraDisappearsMidStream();
    void debugLines();
    void controlsWhileStreaming();
    void panel();
};

void TestSimulator::init()
{
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::setDateTime(QDateTime(QDate(2025, 10, 1), QTime(21, 0), Qt::UTC));
    tavrinsim::setClockRate(0);
}

void TestSimulator::connectSequenceAndCallLog()
{
    QCOMPARE(InitTAVRINResource(), 0);
    QCOMPARE(ScanTAVRIN(), 1);
    char id[TAVRIN_ID_SIZE];
    std::memset(id, 'x', sizeof id);
    QCOMPARE(GetTAVRINId(0, id), 0);
    QCOMPARE(QByteArray(id), QByteArray("ORVANTA-SIM0001"));
    const TAVRIN_HANDLE h = OpenTAVRIN(id);
    QVERIFY(h != 0);
    QVERIFY(SetTAVRINReadMode(h, 0) != -1);
    QCOMPARE(SetTAVRINStreamMode(h, 1), 0);
    QCOMPARE(InitTAVRIN(h), 0);
    QCOMPARE(SetTAVRINBitsMode(h, 8), 0);
    QCOMPARE(SetTAVRINBinMode(h, 1, 1), 0);
    QCOMPARE(SetTAVRINResolution(h, 0, 0, 1280, 960), 0);
    // The camera's own start values, visible to the connect sequence's read-back.
    QCOMPARE(GetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE), 500000.0);
    QCOMPARE(GetTAVRINParam(h, TAVRIN_CONTROL_GAIN), 50.0);
    QCOMPARE(SetTAVRINParam(h, TAVRIN_CONTROL_TRAFFIC, 30), 0);
    QCOMPARE(SetTAVRINParam(h, TAVRIN_CONTROL_SPEED, 0), 0);
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(h), 0);
    Frame f;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.fetch(h), 0);
    QCOMPARE(StopTAVRINLive(h), 0);
    QCOMPARE(CloseTAVRIN(h), 0);

    const std::vector<std::string> expected = {
        "InitTAVRINResource()", "ScanTAVRIN()", "GetTAVRINId(0)", "OpenTAVRIN(ORVANTA-SIM0001)",
        "SetTAVRINReadMode(0)", "SetTAVRINStreamMode(1)", "InitTAVRIN()", "SetTAVRINBitsMode(8)",
        "SetTAVRINBinMode(1,1)", "SetTAVRINResolution(0,0,1280,960)", "GetTAVRINParam(8)", "GetTAVRINParam(6)",
        "SetTAVRINParam(12,30)", "SetTAVRINParam(9,0)", "BeginTAVRINLive()", "GetTAVRINLiveFrame()",
        "StopTAVRINLive()", "CloseTAVRIN()"};
    const std::vector<std::string> log = tavrinsim::callLog();
    QCOMPARE(log.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(QString::fromStdString(log[i]), QString::fromStdString(expected[i]));
    QCOMPARE(tavrinsim::liveFrameCalls(), 3LL);
    QCOMPARE(QString::fromStdString(tavrinsim::callNames()[3]), QStringLiteral("OpenTAVRIN"));
    tavrinsim::clearCallLog();
    QVERIFY(tavrinsim::callLog().empty());
}

void TestSimulator::callsWithoutCameraFailSafely()
{
    // Before the library is initialised there is nothing to find.
    QCOMPARE(ScanTAVRIN(), 0);
    char id[TAVRIN_ID_SIZE] = {};
    QCOMPARE(GetTAVRINId(0, id), -1);
    QCOMPARE(OpenTAVRIN(id), TAVRIN_HANDLE(0));
    QCOMPARE(InitTAVRINResource(), 0);
    QCOMPARE(GetTAVRINId(1, id), -1);
    QCOMPARE(GetTAVRINId(-1, id), -1);
    QCOMPARE(GetTAVRINId(0, nullptr), -1);
    QCOMPARE(OpenTAVRIN(nullptr), TAVRIN_HANDLE(0));
    char wrong[] = "ORVANTA-SIM0002";
    QCOMPARE(OpenTAVRIN(wrong), TAVRIN_HANDLE(0));

    // A stale or made-up handle is refused everywhere, and no buffer is touched.
    const TAVRIN_HANDLE bogus = 12345;
    QCOMPARE(SetTAVRINReadMode(bogus, 0), -1);
    QVERIFY(SetTAVRINStreamMode(bogus, 1) != 0);
    QVERIFY(InitTAVRIN(bogus) != 0);
    QCOMPARE(GetTAVRINParam(bogus, TAVRIN_CONTROL_GAIN), -1.0);
    QVERIFY(SetTAVRINParam(bogus, TAVRIN_CONTROL_GAIN, 10) != 0);
    QVERIFY(BeginTAVRINLive(bogus) != 0);
    Frame f;
    QVERIFY(f.fetch(bogus) != 0);
    QCOMPARE(f.buf[0], (unsigned char)0xA5);
    QVERIFY(CloseTAVRIN(bogus) != 0);

    // Live mode needs InitTAVRIN first; a closed camera's handle stays dead.
    char real[TAVRIN_ID_SIZE];
    QCOMPARE(GetTAVRINId(0, real), 0);
    const TAVRIN_HANDLE h = OpenTAVRIN(real);
    QVERIFY(h != 0);
    QCOMPARE(OpenTAVRIN(real), TAVRIN_HANDLE(0));  // already open
    QVERIFY(BeginTAVRINLive(h) != 0);
    QCOMPARE(CloseTAVRIN(h), 0);
    QVERIFY(CloseTAVRIN(h) != 0);
    QCOMPARE(GetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE), -1.0);
    const TAVRIN_HANDLE again = OpenTAVRIN(real);
    QVERIFY(again != 0 && again != h);
    QCOMPARE(CloseTAVRIN(again), 0);
}

void TestSimulator::identifiers_data()
{
    QTest::addColumn<int>("fault");  // -1: none
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<bool>("terminated");
    QTest::newRow("prefixed serial") << -1 << 0 << QByteArray("ORVANTA-SIM0001") << true;
    QTest::newRow("without prefix") << int(tavrinsim::Fault::IdWithoutPrefix) << 0
                                    << QByteArray("GENERIC-SIM0001") << true;
    QTest::newRow("too long, no NUL") << int(tavrinsim::Fault::IdTooLong) << 0
                                      << QByteArray("ORVANTA-SIM0001SERIAL0123456789ABCDEFG") << false;
    QTest::newRow("id fails") << int(tavrinsim::Fault::GetIdFails) << -1 << QByteArray() << true;
}

void TestSimulator::identifiers()
{
    QFETCH(int, fault);
    QFETCH(int, result);
    QFETCH(QByteArray, id);
    QFETCH(bool, terminated);
    if (fault >= 0)
        tavrinsim::setFault(tavrinsim::Fault(fault));
    QCOMPARE(InitTAVRINResource(), 0);
    QCOMPARE(ScanTAVRIN(), 1);
    // Guard bytes after the 38 the caller owns must never be written.
    std::vector<char> buf(TAVRIN_ID_SIZE + 16, '#');
    QCOMPARE(GetTAVRINId(0, buf.data()), result);
    for (size_t i = TAVRIN_ID_SIZE; i < buf.size(); ++i)
        QCOMPARE(buf[i], '#');
    if (result != 0)
        return;
    const char *end = static_cast<const char *>(std::memchr(buf.data(), '\0', TAVRIN_ID_SIZE));
    QCOMPARE(end != nullptr, terminated);
    const QByteArray got = terminated ? QByteArray(buf.data()) : QByteArray(buf.data(), TAVRIN_ID_SIZE);
    QCOMPARE(got, id);
    QCOMPARE(QByteArray::fromStdString(tavrinsim::cameraId()).left(id.size()), id);
    // The unterminated id handed straight back is read no further than its buffer;
    // a caller that keeps a terminated copy of a long id can open it as well.
    if (!terminated) {
        TAVRIN_HANDLE h = OpenTAVRIN(buf.data());
        QVERIFY(h != 0);
        QCOMPARE(CloseTAVRIN(h), 0);
        buf[TAVRIN_ID_SIZE - 1] = '\0';
        h = OpenTAVRIN(buf.data());
        QVERIFY(h != 0);
        QCOMPARE(CloseTAVRIN(h), 0);
    }
}

void TestSimulator::connectFaults_data()
{
    QTest::addColumn<tavrinsim::Fault>("fault");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("result");
    QTest::newRow("init resource") << tavrinsim::Fault::InitResourceFails << "InitTAVRINResource" << -1;
    QTest::newRow("no camera") << tavrinsim::Fault::NoCamera << "ScanTAVRIN" << 0;
    QTest::newRow("open") << tavrinsim::Fault::OpenFails << "OpenTAVRIN" << 0;
    QTest::newRow("read mode") << tavrinsim::Fault::ReadModeFails << "SetTAVRINReadMode" << -1;
    QTest::newRow("stream mode") << tavrinsim::Fault::StreamModeFails << "SetTAVRINStreamMode" << 1;
    QTest::newRow("init") << tavrinsim::Fault::InitFails << "InitTAVRIN" << -1;
    QTest::newRow("begin live") << tavrinsim::Fault::BeginLiveFails << "BeginTAVRINLive" << -1;
}

void TestSimulator::connectFaults()
{
    QFETCH(tavrinsim::Fault, fault);
    QFETCH(QString, failing);
    QFETCH(int, result);
    tavrinsim::setFault(fault);
    QVERIFY(tavrinsim::hasFault(fault));
    // Walk the connection and stop at the first call that fails.
    QMap<QString, long long> got;
    got["InitTAVRINResource"] = InitTAVRINResource();
    got["ScanTAVRIN"] = ScanTAVRIN();
    char id[TAVRIN_ID_SIZE] = {};
    TAVRIN_HANDLE h = 0;
    if (got["ScanTAVRIN"] > 0 && GetTAVRINId(0, id) == 0)
        h = OpenTAVRIN(id);
    got["OpenTAVRIN"] = h;
    if (h) {
        got["SetTAVRINReadMode"] = SetTAVRINReadMode(h, 0);
        got["SetTAVRINStreamMode"] = SetTAVRINStreamMode(h, 1);
        got["InitTAVRIN"] = InitTAVRIN(h);
        if (got["InitTAVRIN"] == 0)
            got["BeginTAVRINLive"] = BeginTAVRINLive(h);
    }
    QCOMPARE(got.value(failing, 12345), (long long)result);
    // Every other step that ran worked as usual.
    for (auto it = got.constBegin(); it != got.constEnd(); ++it) {
        if (it.key() == failing || it.key() == "ScanTAVRIN" || it.key() == "OpenTAVRIN")
            continue;
        QVERIFY2(it.value() == 0, qPrintable(it.key()));
    }
    if (h) {
        StopTAVRINLive(h);
        QCOMPARE(CloseTAVRIN(h), 0);
    }
    tavrinsim::clearFaults();
    QVERIFY(!tavrinsim::hasFault(fault));
}

void TestSimulator::closeFailureKeepsCameraOpen()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QVERIFY(h != 0);
    QCOMPARE(InitTAVRIN(h), 0);
    tavrinsim::setFault(tavrinsim::Fault::CloseFails);
    QCOMPARE(CloseTAVRIN(h), -1);
    // Still open: the handle works and a second open is refused.
    QCOMPARE(GetTAVRINParam(h, TAVRIN_CONTROL_GAIN), 50.0);
    QCOMPARE(OpenTAVRIN(id), TAVRIN_HANDLE(0));
    tavrinsim::setFault(tavrinsim::Fault::CloseFails, false);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::controlsRoundTrip_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("readBack");
    QTest::addColumn<int>("result");
    QTest::newRow("gain") << TAVRIN_CONTROL_GAIN << 73.0 << 73.0 << 0;
    QTest::newRow("gain above range") << TAVRIN_CONTROL_GAIN << 250.0 << 100.0 << 0;
    QTest::newRow("exposure 1 ms") << TAVRIN_CONTROL_EXPOSURE << 1000.0 << 1000.0 << 0;
    QTest::newRow("exposure 500 ms") << TAVRIN_CONTROL_EXPOSURE << 500000.0 << 500000.0 << 0;
    QTest::newRow("exposure too short") << TAVRIN_CONTROL_EXPOSURE << 1.0 << 32.0 << 0;
    QTest::newRow("speed") << TAVRIN_CONTROL_SPEED << 2.0 << 2.0 << 0;
    QTest::newRow("speed out of range") << TAVRIN_CONTROL_SPEED << 7.0 << 2.0 << 0;
    QTest::newRow("traffic") << TAVRIN_CONTROL_TRAFFIC << 30.0 << 30.0 << 0;
    QTest::newRow("traffic negative") << TAVRIN_CONTROL_TRAFFIC << -5.0 << 0.0 << 0;
    QTest::newRow("unknown control") << 3 << 1.0 << -1.0 << -1;
}

void TestSimulator::controlsRoundTrip()
{
    QFETCH(int, control);
    QFETCH(double, value);
    QFETCH(double, readBack);
    QFETCH(int, result);
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QVERIFY(h != 0);
    QCOMPARE(SetTAVRINParam(h, control, value), result);
    QCOMPARE(GetTAVRINParam(h, control), readBack);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::framePacing()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QCOMPARE(InitTAVRIN(h), 0);
    QCOMPARE(SetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE, 120000), 0);
    const double interval = tavrinsim::frameIntervalMs();
    QCOMPARE(interval, 120.0);
    QCOMPARE(BeginTAVRINLive(h), 0);
    Frame f;
    // The first exposure has only just begun.
    QVERIFY(f.fetch(h) != 0);
    QCOMPARE(f.buf[0], (unsigned char)0xA5);
    QElapsedTimer timer;
    timer.start();
    int frames = 0;
    qint64 first = -1;
    while (timer.elapsed() < 1000) {
        if (f.fetch(h) == 0) {
            ++frames;
            if (first < 0)
                first = timer.elapsed();
            QCOMPARE(f.w, 1280u);
            QCOMPARE(f.h, 960u);
            QCOMPARE(f.bpp, 8u);
            QCOMPARE(f.ch, 1u);
        }
        QThread::msleep(2);
    }
    qInfo("frames in 1 s at 120 ms: %d (first after %lld ms)", frames, first);
    // Never faster than the camera; a busy machine may only make it look slower.
    QVERIFY2(frames >= 5 && frames <= 9, qPrintable(QString::number(frames)));
    QVERIFY(first >= 100 && first <= 400);
    // Only the grey frame's bytes are written.
    QCOMPARE(f.buf[1280 * 960], (unsigned char)0xA5);
    QCOMPARE(StopTAVRINLive(h), 0);
    QVERIFY(f.fetch(h) != 0);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::readoutFloorFollowsSpeedAndTraffic()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QCOMPARE(SetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE, 1000), 0);
    double previous = 1e9;
    for (int speed = 0; speed <= 2; ++speed) {
        SetTAVRINParam(h, TAVRIN_CONTROL_SPEED, speed);
        SetTAVRINParam(h, TAVRIN_CONTROL_TRAFFIC, 0);
        const double fast = tavrinsim::frameIntervalMs();
        SetTAVRINParam(h, TAVRIN_CONTROL_TRAFFIC, 255);
        const double slow = tavrinsim::frameIntervalMs();
        qInfo("speed %d: floor %.1f ms (traffic 0) .. %.1f ms (traffic 255)", speed, fast, slow);
        QVERIFY(fast > 1.0 && slow > fast && fast < previous);
        previous = fast;
    }
    // A long exposure sets the pace itself.
    SetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE, 2e6);
    QCOMPARE(tavrinsim::frameIntervalMs(), 2000.0);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::streamFaults()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QCOMPARE(InitTAVRIN(h), 0);
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(h), 0);
    Frame f;
    QCOMPARE(f.fetch(h), 0);

    tavrinsim::setFault(tavrinsim::Fault::WrongFrameSize);
    std::fill(f.buf.begin(), f.buf.end(), 0xA5);
    QCOMPARE(f.fetch(h), 0);
    QCOMPARE(f.w, 640u);
    QCOMPARE(f.h, 480u);
    QCOMPARE(f.buf[640 * 480], (unsigned char)0xA5);
    QVERIFY(f.buf[640 * 480 - 1] != 0xA5 || f.buf[0] != 0xA5);
    tavrinsim::setFault(tavrinsim::Fault::WrongFrameSize, false);

    tavrinsim::setFault(tavrinsim::Fault::NoMoreFrames);
    for (int i = 0; i < 20; ++i)
        QVERIFY(f.fetch(h) > 0);
    tavrinsim::setFault(tavrinsim::Fault::NoMoreFrames, false);
    QCOMPARE(f.fetch(h), 0);
    QCOMPARE(f.w, 1280u);
    QCOMPARE(StopTAVRINLive(h), 0);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::cameraDisappearsMidStream()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QCOMPARE(InitTAVRIN(h), 0);
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(h), 0);
    Frame f;
    QCOMPARE(f.fetch(h), 0);
    tavrinsim::setFault(tavrinsim::Fault::CameraDisappears);
    QCOMPARE(f.fetch(h), -1);
    QCOMPARE(f.fetch(h), -1);
    QCOMPARE(ScanTAVRIN(), 0);
    QCOMPARE(GetTAVRINParam(h, TAVRIN_CONTROL_GAIN), -1.0);
    QVERIFY(StopTAVRINLive(h) != 0);
    // Closing a vanished camera releases its handle.
    QCOMPARE(CloseTAVRIN(h), 0);
    // Plugged back in: found again and opened afresh.
    tavrinsim::setFault(tavrinsim::Fault::CameraDisappears, false);
    QCOMPARE(ScanTAVRIN(), 1);
    const TAVRIN_HANDLE again = OpenTAVRIN(id);
    QVERIFY(again != 0);
    QCOMPARE(CloseTAVRIN(again), 0);
}

void TestSimulator::debugLines()
{
    OutputTAVRINDebug("ORVANTAINFO | src/mainwindow | loadStarsData | 1 tempvalue = 1.000000");
    OutputTAVRINDebug(nullptr);
    std::string longLine(5000, 'a');
    OutputTAVRINDebug(longLine.c_str());
    OutputTAVRINDebug("");
    const std::vector<std::string> lines = tavrinsim::debugLines();
    QCOMPARE(lines.size(), size_t(3));
    QCOMPARE(QString::fromStdString(lines[0]),
             QStringLiteral("ORVANTAINFO | src/mainwindow | loadStarsData | 1 tempvalue = 1.000000"));
    QCOMPARE(lines[1].size(), size_t(4095));
    QVERIFY(lines[2].empty());
}

void TestSimulator::controlsWhileStreaming()
{
    char id[TAVRIN_ID_SIZE];
    const TAVRIN_HANDLE h = connectCamera(id);
    QCOMPARE(InitTAVRIN(h), 0);
    tavrinsim::setFramePacing(false);
    QCOMPARE(BeginTAVRINLive(h), 0);
    std::atomic<int> frames{0};
    std::atomic<bool> stop{false};
    std::thread capture([&] {
        Frame f;
        while (!stop)
            if (f.fetch(h) == 0)
                ++frames;
    });
    QElapsedTimer t;
    t.start();
    int sets = 0;
    while (t.elapsed() < 300) {
        SetTAVRINParam(h, TAVRIN_CONTROL_GAIN, 1 + sets % 100);
        tavrinsim::turnRaAxis(0.5);
        ++sets;
    }
    stop = true;
    capture.join();
    qInfo("frames while %d control changes: %d", sets, frames.load());
    QVERIFY(frames > 2);
    QCOMPARE(CloseTAVRIN(h), 0);
}

void TestSimulator::panel()
{
    // Offscreen, the panel stays hidden unless asked for.
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Auto);
    char id[TAVRIN_ID_SIZE];
    TAVRIN_HANDLE h = connectCamera(id);
    QVERIFY(h != 0);
    QVERIFY(!tavrinsim::panelVisible());
    QCOMPARE(CloseTAVRIN(h), 0);

    tavrinsim::setPanelMode(tavrinsim::PanelMode::Always);
    h = OpenTAVRIN(id);
    QVERIFY(h != 0);
    QVERIFY(tavrinsim::panelVisible());
    QWidget *panel = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == QLatin1String("Virtual mount (simulated camera)"))
            panel = w;
    QVERIFY(panel);

    auto click = [panel](const QString &text) {
        for (QPushButton *b : panel->findChildren<QPushButton *>())
            if (b->text() == text) {
                b->click();
                return true;
            }
        return false;
    };
    const tavrinsim::MountParams before = tavrinsim::mountParams();
    QVERIFY(click(QStringLiteral("+15\u00b0")));
    QVERIFY(click(QStringLiteral("-1\u00b0")));
    QCOMPARE(tavrinsim::mountParams().raAngleDeg, before.raAngleDeg + 14.0);
    QVERIFY(click(QStringLiteral("Home")));
    QCOMPARE(tavrinsim::mountParams().raAngleDeg, 0.0);
    // Altitude row first, then azimuth: "+10′" hits the altitude bolt.
    QVERIFY(click(QStringLiteral("+10\u2032")));
    QCOMPARE(tavrinsim::mountParams().altErrorArcmin, before.altErrorArcmin + 10.0);
    QCOMPARE(tavrinsim::mountParams().azErrorArcmin, before.azErrorArcmin);
    QVERIFY(click(QStringLiteral("New misalignment")));
    const tavrinsim::Truth t = tavrinsim::truth();
    QVERIFY(t.totalErrorArcmin >= 29.0 && t.totalErrorArcmin <= 181.0);

    QCOMPARE(CloseTAVRIN(h), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tavrinsim::panelVisible());
}

QTEST_MAIN(TestSimulator)
#include "test_simulator.moc"
