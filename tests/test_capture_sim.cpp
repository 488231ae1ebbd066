// The capture thread against the simulated camera: frames stream through the real
// library calls, the frame rate follows the camera, and while monitoring the pole
// measured from two real stars lands where the simulated sky has it.
#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"

#include "tavrinsim.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const int kPoleStar = 11767; // B
const int kStarA = 5372;

double angleAt(const QPointF &at, const QPointF &p, const QPointF &q)
{
    const QPointF u = p - at;
    const QPointF v = q - at;
    const double c = (u.x() * v.x() + u.y() * v.y()) / (std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y()));
    return std::acos(std::max(-1.0, std::min(1.0, c))) * 180.0 / M_PI;
}

} // namespace

class TestCaptureSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void streamsFramesAtTheCameraRate();
    void monitoringFindsThePole();

private:
    bool open();
    std::unique_ptr<CameraState> camera;
};

void TestCaptureSim::init()
{
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::setClockRate(0);
    setRefractionValues(RefractionValues());
    camera.reset(new CameraState);
}

void TestCaptureSim::cleanup()
{
    if (camera && camera->cameraHandle) {
        StopTAVRINLive(camera->cameraHandle);
        CloseTAVRIN(camera->cameraHandle);
    }
    camera.reset();
}

bool TestCaptureSim::open()
{
    if (InitTAVRINResource() != 0 || ScanTAVRIN() < 1 || GetTAVRINId(0, camera->cameraId) != 0)
        return false;
    camera->cameraHandle = OpenTAVRIN(camera->cameraId);
    if (!camera->cameraHandle || SetTAVRINStreamMode(camera->cameraHandle, 1) != 0
        || InitTAVRIN(camera->cameraHandle) != 0)
        return false;
    SetTAVRINBitsMode(camera->cameraHandle, 8);
    SetTAVRINBinMode(camera->cameraHandle, 1, 1);
    SetTAVRINResolution(camera->cameraHandle, 0, 0, 1280, 960);
    SetTAVRINParam(camera->cameraHandle, TAVRIN_CONTROL_EXPOSURE, 100000); // 10 frames a second
    camera->cameraConnected = true;
    return true;
}

void TestCaptureSim::streamsFramesAtTheCameraRate()
{
    QVERIFY(open());
    const double interval = tavrinsim::frameIntervalMs();
    LiveViewState view;
    CaptureThread thread(*camera, view);
    thread.startCapture();

    QImage frame;
    int taken = 0;
    QElapsedTimer clock;
    clock.start();
    while (taken < 6 && clock.elapsed() < 10000) {
        if (thread.takeFrame(&frame))
            ++taken;
        QTest::qWait(5);
    }
    thread.stopCapture();
    QVERIFY(thread.wait(5000));
    QCOMPARE(taken, 6);
    QCOMPARE(frame.size(), QSize(1280, 960));
    QCOMPARE(camera->frameWidth.load(), 1280);
    QCOMPARE(camera->frameHeight.load(), 960);

    // Stars are in the frame: the brightest pixel stands well above the sky.
    const cv::Mat gray = thread.copyGrayFrame();
    double lo = 0, hi = 0;
    cv::minMaxLoc(gray, &lo, &hi);
    QVERIFY2(hi > 100, qPrintable(QString::number(hi)));

    int i = 0, d = 0;
    thread.frameRate(&i, &d);
    const double rate = i + d / 10.0;
    const double expected = 1000.0 / interval;
    qInfo("camera interval: %.1f ms, measured frame rate: %.1f", interval, rate);
    QVERIFY2(rate > expected * 0.6 && rate < expected * 1.4,
             qPrintable(QStringLiteral("%1 against %2").arg(rate).arg(expected)));

    const std::vector<std::string> calls = tavrinsim::callNames();
    QVERIFY(std::find(calls.begin(), calls.end(), "BeginTAVRINLive") != calls.end());
    QVERIFY(tavrinsim::liveFrameCalls() >= 6);
}

void TestCaptureSim::monitoringFindsThePole()
{
    QVERIFY(open());
    tavrinsim::MountParams m = tavrinsim::mountParams();
    m.altErrorArcmin = 3.0; // nearly aligned: the pole shows in the zoom view
    m.azErrorArcmin = -4.0;
    tavrinsim::setMountParams(m);
    double ax = 0, ay = 0, bx = 0, by = 0;
    QVERIFY(tavrinsim::starPosition(kStarA, &ax, &ay));
    QVERIFY(tavrinsim::starPosition(kPoleStar, &bx, &by));
    const tavrinsim::Truth truth = tavrinsim::truth();
    const QPointF a(ax, ay), b(bx, by), pole(truth.poleX, truth.poleY);

    LiveViewState view;
    view.update([&](LiveView &v) {
        v.monitorPole = true;
        v.showAxisCenter = true;
        v.starASearch = a + QPointF(3, -2); // a rough search position, as after a slew
        v.starBSearch = b + QPointF(-2, 3);
        v.liveAngleBAP = angleAt(a, b, pole);
        v.liveAngleABP = angleAt(b, a, pole);
        v.axisCenter = QPointF(truth.axisX, truth.axisY);
    });
    CaptureThread thread(*camera, view);
    thread.startCapture();
    QImage zoom;
    QTRY_VERIFY_WITH_TIMEOUT(thread.queuedZooms() > 0, 10000);
    thread.stopCapture();
    QVERIFY(thread.wait(5000));
    QVERIFY(thread.takeZoom(&zoom));

    const LiveView v = view.snapshot();
    qInfo("star A (%.2f, %.2f) truth (%.2f, %.2f); pole (%.2f, %.2f) truth (%.2f, %.2f)",
          v.starA.x(), v.starA.y(), ax, ay, v.livePole.x(), v.livePole.y(), pole.x(), pole.y());
    QVERIFY(QLineF(v.starA, a).length() < 0.5);
    QVERIFY(QLineF(v.starB, b).length() < 0.5);
    QVERIFY2(QLineF(v.livePole, pole).length() < 2.0,
             qPrintable(QStringLiteral("pole off by %1 px").arg(QLineF(v.livePole, pole).length())));
    QCOMPARE(zoom.size(), QSize(200, 200));
    QCOMPARE(zoom.pixel(100, 100), qRgb(255, 0, 0)); // the axis mark in the middle
}

QTEST_MAIN(TestCaptureSim)
#include "test_capture_sim.moc"
