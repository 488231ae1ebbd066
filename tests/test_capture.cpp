// The capture thread: frame rate, queues, the run loop's start and stop, the
// per-frame star and pole measurement with its fallbacks, and the grey-frame copy
// the GUI thread measures on.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "starmath/skyposition.h"

#include <QLineF>
#include "starmath/starmath.h"
#include "testsupport.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using FrameFn = std::function<int(TAVRIN_HANDLE, std::uint32_t *, std::uint32_t *,
                                  std::uint32_t *, std::uint32_t *, unsigned char *)>;

// A frame with Gaussian stars (sigma 1.5 pixels) centred on whole pixels.
std::vector<unsigned char> starFrame(const std::vector<QPoint> &stars, int background = 0)
{
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(background));
    for (const QPoint &s : stars) {
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx) {
                const double v = 200.0 * std::exp(-(dx * dx + dy * dy) / (2 * 1.5 * 1.5));
                uchar &px = frame.at<uchar>(s.y() + dy, s.x() + dx);
                px = cv::saturate_cast<uchar>(px + v);
            }
    }
    return std::vector<unsigned char>(frame.data, frame.data + frame.total());
}

std::vector<unsigned char> uniformFrame(unsigned char value)
{
    return std::vector<unsigned char>(1280 * 960, value);
}

bool uniform(const QImage &img, int *value)
{
    const uchar first = img.constBits()[0];
    for (int y = 0; y < img.height(); ++y) {
        const uchar *line = img.constScanLine(y);
        for (int x = 0; x < img.width() * 3; ++x)
            if (line[x] != first)
                return false;
    }
    *value = first;
    return true;
}

// Reference stars and angles whose pole lands about 100 pixels above the pair.
const QPoint kStarA(500, 300);
const QPoint kStarB(600, 320);
const double kAngleBAP = 40;
const double kAngleABP = 60;

struct Rig
{
    std::unique_ptr<CameraState> camera{new CameraState};
    LiveViewState view;
    CaptureThread thread{*camera, view};
};

} // namespace

class TestCapture : public QObject
{
    Q_OBJECT

private slots:
    void init() { setRefractionValues(RefractionValues()); }
    void cleanup() { setRefractionValues(RefractionValues()); }

    void frameRateFromInterval_data();
    void frameRateFromInterval();
    void runMeasuresFrameRate_data();
    void runMeasuresFrameRate();

    void fullQueueKeepsFirstTwo();
    void heldFrameIsNeverRewritten();

    void notConnectedReturnsAtOnce();
    void beginLiveFailureEndsRun();
    void stopDuringNoFrameSleep();

    void noMonitoringNoMeasurement();
    void monitoringMeasuresStarsAndPole();
    void refractionCorrectsBothStars();
    void lostStarsMakeNoPole();
    void poleFailureLeavesOriginAndNoCrop();

    void grayFrameCopyIsNeverTorn();
};

void TestCapture::frameRateFromInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("integer");
    QTest::addColumn<int>("decimal");
    QTest::newRow("40 ms") << 40 << true << 25 << 0;
    QTest::newRow("30 ms") << 30 << true << 33 << 3;
    QTest::newRow("80 ms") << 80 << true << 12 << 5;
    QTest::newRow("3 ms") << 3 << true << 333 << 3;
    QTest::newRow("1 s") << 1000 << true << 1 << 0;
    QTest::newRow("7 s") << 7000 << true << 0 << 1;
    QTest::newRow("same millisecond") << 0 << false << -1 << -1;
    QTest::newRow("clock stepped back") << -20 << false << -1 << -1;
}

void TestCapture::frameRateFromInterval()
{
    QFETCH(int, interval);
    QFETCH(bool, ok);
    QFETCH(int, integer);
    QFETCH(int, decimal);
    int i = -1, d = -1;
    QCOMPARE(CaptureThread::frameRateFromInterval(interval, &i, &d), ok);
    QCOMPARE(i, integer);
    QCOMPARE(d, decimal);
}

void TestCapture::runMeasuresFrameRate_data()
{
    QTest::addColumn<QVector<qint64>>("times");
    QTest::addColumn<int>("integer");
    QTest::addColumn<int>("decimal");
    QTest::newRow("80 ms") << QVector<qint64>{1000, 1080} << 12 << 5;
    QTest::newRow("40 ms") << QVector<qint64>{1000, 1040} << 25 << 0;
    QTest::newRow("30 ms then 30 ms") << QVector<qint64>{1000, 1030, 1060} << 33 << 3;
    QTest::newRow("same millisecond keeps the last rate")
        << QVector<qint64>{1000, 1080, 1080} << 12 << 5;
    // Only the low 32 bits of the clock are kept; the interval survives the wrap.
    QTest::newRow("32-bit wrap") << QVector<qint64>{0x17FFFFFF0LL, 0x180000020LL} << 20 << 8;
}

void TestCapture::runMeasuresFrameRate()
{
    QFETCH(QVector<qint64>, times);
    QFETCH(int, integer);
    QFETCH(int, decimal);
    Rig rig;
    rig.camera->cameraConnected = true;
    const int frames = times.size() - 1;
    std::atomic<int> clockCalls{0};
    std::atomic<int> delivered{0};
    std::atomic<bool> drained{false};
    const std::vector<unsigned char> frame = uniformFrame(10);

    CaptureThread::FrameSource src;
    src.beginLive = [](TAVRIN_HANDLE) { return 0; };
    // The start reading, then two readings per frame (interval, then the new start).
    src.clockMs = [&] {
        const int call = clockCalls++;
        return times[qMin((call + 1) / 2, times.size() - 1)];
    };
    src.getLiveFrame = [&](TAVRIN_HANDLE, std::uint32_t *w, std::uint32_t *h, std::uint32_t *bpp,
                           std::uint32_t *ch, unsigned char *buf) {
        if (delivered >= frames) {
            drained = true;
            return 1;
        }
        std::memcpy(buf, frame.data(), frame.size());
        *w = 1280;
        *h = 960;
        *bpp = 8;
        *ch = 1;
        ++delivered;
        return 0;
    };
    rig.thread.setFrameSource(src);
    rig.thread.startCapture();
    QTRY_VERIFY_WITH_TIMEOUT(drained, 5000);
    rig.thread.stopCapture();
    QVERIFY(rig.thread.wait(5000));

    int i = -1, d = -1;
    rig.thread.frameRate(&i, &d);
    QCOMPARE(i, integer);
    QCOMPARE(d, decimal);
    QCOMPARE(rig.camera->frameWidth.load(), 1280);
    QCOMPARE(rig.camera->frameChannels.load(), 1);
    rig.thread.resetFrameRate(); // a disconnect shows 0.0
    rig.thread.frameRate(&i, &d);
    QCOMPARE(i, 0);
    QCOMPARE(d, 0);
}

void TestCapture::fullQueueKeepsFirstTwo()
{
    Rig rig;
    for (unsigned char value : {10, 20, 30})
        rig.thread.processFrame(uniformFrame(value).data());
    QCOMPARE(rig.thread.queuedFrames(), 2);
    QImage img;
    int value = -1;
    QVERIFY(rig.thread.takeFrame(&img));
    QCOMPARE(img.size(), QSize(1280, 960));
    QCOMPARE(img.format(), QImage::Format_RGB888);
    QVERIFY(uniform(img, &value));
    QCOMPARE(value, 10);
    QVERIFY(rig.thread.takeFrame(&img));
    QVERIFY(uniform(img, &value));
    QCOMPARE(value, 20);
    QVERIFY(!rig.thread.takeFrame(&img));
    QVERIFY(!rig.thread.takeZoom(&img)); // no monitoring, no crops

    // A disconnect empties the queue; the next frame is queued again.
    rig.thread.processFrame(uniformFrame(40).data());
    rig.thread.processFrame(uniformFrame(50).data());
    rig.thread.clearFrameQueue();
    QCOMPARE(rig.thread.queuedFrames(), 0);
    rig.thread.processFrame(uniformFrame(60).data());
    QVERIFY(rig.thread.takeFrame(&img));
    QVERIFY(uniform(img, &value));
    QCOMPARE(value, 60);
}

void TestCapture::heldFrameIsNeverRewritten()
{
    // The GUI may still hold a taken frame (and the queue two more) while new frames
    // are written: none of them may change underneath.
    Rig rig;
    rig.thread.processFrame(uniformFrame(1).data());
    QImage held;
    QVERIFY(rig.thread.takeFrame(&held));
    std::vector<QImage> taken;
    for (int value = 2; value < 40; ++value) {
        rig.thread.processFrame(uniformFrame(uchar(value)).data());
        if (value % 3 == 0) {
            QImage img;
            QVERIFY(rig.thread.takeFrame(&img));
            taken.push_back(img);
        }
    }
    int value = -1;
    QVERIFY(uniform(held, &value));
    QCOMPARE(value, 1);
    // Taken in order; each still shows the value it was queued with.
    int previous = 1;
    for (const QImage &img : taken) {
        QVERIFY(uniform(img, &value));
        QVERIFY2(value > previous, qPrintable(QStringLiteral("%1 after %2").arg(value).arg(previous)));
        previous = value;
    }
}

void TestCapture::notConnectedReturnsAtOnce()
{
    Rig rig;
    std::atomic<int> begun{0};
    CaptureThread::FrameSource src;
    src.beginLive = [&](TAVRIN_HANDLE) { ++begun; return 0; };
    rig.thread.setFrameSource(src);
    rig.thread.startCapture();
    QVERIFY(rig.thread.wait(5000));
    QCOMPARE(begun.load(), 0);
}

void TestCapture::beginLiveFailureEndsRun()
{
    Rig rig;
    rig.camera->cameraConnected = true;
    rig.camera->cameraHandle = 42;
    std::atomic<TAVRIN_HANDLE> handle{0};
    std::atomic<int> asked{0};
    CaptureThread::FrameSource src;
    src.beginLive = [&](TAVRIN_HANDLE h) { handle = h; return 1; };
    src.getLiveFrame = [&](TAVRIN_HANDLE, std::uint32_t *, std::uint32_t *, std::uint32_t *,
                           std::uint32_t *, unsigned char *) { ++asked; return 1; };
    rig.thread.setFrameSource(src);
    QTest::ignoreMessage(QtCriticalMsg, "BeginTAVRINLive failure");
    rig.thread.startCapture();
    QVERIFY(rig.thread.wait(5000));
    QCOMPARE(handle.load(), TAVRIN_HANDLE(42));
    QCOMPARE(asked.load(), 0);
    QVERIFY(rig.camera->cameraConnected); // the connection stays
}

void TestCapture::stopDuringNoFrameSleep()
{
    Rig rig;
    rig.camera->cameraConnected = true;
    std::atomic<int> asked{0};
    CaptureThread::FrameSource src;
    src.beginLive = [](TAVRIN_HANDLE) { return 0; };
    src.getLiveFrame = [&](TAVRIN_HANDLE, std::uint32_t *, std::uint32_t *, std::uint32_t *,
                           std::uint32_t *, unsigned char *) { ++asked; return -1; };
    rig.thread.setFrameSource(src);
    rig.thread.startCapture();
    QTRY_VERIFY_WITH_TIMEOUT(asked >= 2, 5000); // it keeps asking, about every 10 ms
    QVERIFY(rig.thread.isRunning());
    rig.thread.stopCapture();
    QVERIFY(rig.thread.wait(1000));
    const int afterStop = asked;
    QTest::qWait(50);
    QCOMPARE(asked.load(), afterStop);
    QCOMPARE(rig.thread.queuedFrames(), 0);
}

void TestCapture::noMonitoringNoMeasurement()
{
    Rig rig;
    rig.view.update([](LiveView &v) {
        v.starASearch = QPointF(kStarA.x() + 3, kStarA.y() - 2);
        v.starBSearch = QPointF(kStarB);
        v.starA = QPointF(1, 2);
        v.liveAngleBAP = kAngleBAP;
        v.liveAngleABP = kAngleABP;
    });
    rig.thread.processFrame(starFrame({kStarA, kStarB}).data());
    QCOMPARE(rig.view.get(&LiveView::starA), QPointF(1, 2));
    QCOMPARE(rig.thread.queuedZooms(), 0);
    QCOMPARE(rig.thread.queuedFrames(), 1);
}

void TestCapture::monitoringMeasuresStarsAndPole()
{
    Rig rig;
    double poleX = 0, poleY = 0;
    QCOMPARE(starMath.CalcPoleCOOR(kStarA.x(), kStarA.y(), kAngleBAP, kStarB.x(), kStarB.y(),
                                   kAngleABP, &poleX, &poleY, 550, 200),
             0);
    rig.view.update([&](LiveView &v) {
        v.monitorPole = true;
        v.showStarAMark = true;
        v.showAxisCenter = true;
        v.starASearch = QPointF(kStarA.x() + 4.3, kStarA.y() - 3.1);
        v.starBSearch = QPointF(kStarB.x() + 2, kStarB.y() - 1.5);
        v.liveAngleBAP = kAngleBAP;
        v.liveAngleABP = kAngleABP;
        v.axisCenter = QPointF(poleX + 3.5, poleY - 2.5);
    });
    rig.thread.processFrame(starFrame({kStarA, kStarB}).data());

    const LiveView v = rig.view.snapshot();
    QVERIFY2(std::abs(v.starA.x() - kStarA.x()) < 0.05 && std::abs(v.starA.y() - kStarA.y()) < 0.05,
             qPrintable(QStringLiteral("starA %1, %2").arg(v.starA.x()).arg(v.starA.y())));
    QVERIFY(std::abs(v.starB.x() - kStarB.x()) < 0.05 && std::abs(v.starB.y() - kStarB.y()) < 0.05);
    double px = 0, py = 0;
    QCOMPARE(starMath.CalcPoleCOOR(v.starA.x(), v.starA.y(), kAngleBAP, v.starB.x(), v.starB.y(),
                                   kAngleABP, &px, &py, v.axisCenter.x(), v.axisCenter.y()),
             0);
    QCOMPARE(v.livePole, QPointF(px, py));

    QImage zoom, frame;
    QVERIFY(rig.thread.takeZoom(&zoom));
    QCOMPARE(zoom.size(), QSize(200, 200));
    QCOMPARE(zoom.pixel(100, 100), qRgb(255, 0, 0)); // axis mark in the middle
    QVERIFY(rig.thread.takeFrame(&frame));
    // The star box sits around the measured star: its left edge 20 pixels out.
    const QRgb edge = frame.pixel(kStarA.x() - 20, kStarA.y() + 10);
    QVERIFY(qRed(edge) > 100 && qGreen(edge) > 100 && qBlue(edge) > 100);
    // Axis mark drawn in red at its tick.
    const QRgb tick = frame.pixel(int(v.axisCenter.x()) - 5, int(v.axisCenter.y()));
    QVERIFY(qRed(tick) > 100 && qGreen(tick) == 0);
}

void TestCapture::refractionCorrectsBothStars()
{
    Rig rig;
    ObservingSite site;
    site.latitudeDeg = 12.5;
    site.pressureKPa = 101.3;
    site.temperatureC = -5.0;
    const SkyFix sky = computeSky(false, QDateTime(QDate(2026, 1, 10), QTime(20, 0), Qt::UTC), site);
    rig.view.update([&](LiveView &v) {
        v.monitorPole = true;
        v.starASearch = QPointF(kStarA);
        v.starBSearch = QPointF(kStarB);
        v.liveAngleBAP = kAngleBAP;
        v.liveAngleABP = kAngleABP;
        v.axisCenter = QPointF(560, 200);
        v.sky = sky;
    });
    const std::vector<unsigned char> frame = starFrame({kStarA, kStarB});
    rig.thread.processFrame(frame.data());
    const LiveView plain = rig.view.snapshot();

    RefractionValues r;
    r.enabledCorrect = true;
    setRefractionValues(r);
    rig.thread.processFrame(frame.data());
    const LiveView corrected = rig.view.snapshot();

    // Each star moves down its own vertical by its refraction, in pixels.
    const double turn = frameTurn(sky, plain.starA, plain.starB);
    QCOMPARE(corrected.starA, correctRefraction(sky.a, turn, plain.starA, sky.arcsecPerPx));
    QCOMPARE(corrected.starB, correctRefraction(sky.b, turn, plain.starB, sky.arcsecPerPx));
    QVERIFY(QLineF(plain.starA, corrected.starA).length() > 6); // several arcminutes this low
    QVERIFY(corrected.polarError.valid);
    QVERIFY(corrected.livePole != plain.livePole);
}

// Stars not measured in a frame make no pole (a search position standing in for one
// drew a wrong pole that looked right); said once per run of such frames; found again.
void TestCapture::lostStarsMakeNoPole()
{
    Rig rig;
    rig.view.update([](LiveView &v) {
        v.monitorPole = true;
        v.starASearch = QPointF(kStarA);
        v.starBSearch = QPointF(kStarB);
        v.liveAngleBAP = kAngleBAP;
        v.liveAngleABP = kAngleABP;
        v.axisCenter = QPointF(560, 200);
    });
    CriticalCatcher critical;
    for (int background : {255, 0, 0})
        rig.thread.processFrame(starFrame({}, background).data());
    QCOMPARE(critical.messages, QStringList{"Reference stars lost"});
    QVERIFY(rig.view.get(&LiveView::starsLost));
    QImage frame;
    QVERIFY(rig.thread.takeFrame(&frame) && rig.thread.takeFrame(&frame));
    QCOMPARE(qGreen(frame.pixel(0, 0)), 0); // no pole mark at the corner
    rig.thread.processFrame(starFrame({kStarA, kStarB}).data());
    QVERIFY(!rig.view.get(&LiveView::starsLost));
}

void TestCapture::poleFailureLeavesOriginAndNoCrop()
{
    Rig rig;
    rig.view.update([](LiveView &v) {
        v.monitorPole = true;
        v.starASearch = QPointF(kStarA);
        v.starBSearch = QPointF(kStarB);
        v.livePole = QPointF(123, 456); // last frame's pole
        v.liveAngleBAP = 0;             // no angles: the two circles cannot meet
        v.liveAngleABP = 0;
        v.axisCenter = QPointF(640, 480);
    });
    QTest::ignoreMessage(QtCriticalMsg, "CalcPoleCOOR - Calculate pole failed.");
    rig.thread.processFrame(starFrame({kStarA, kStarB}).data());
    const LiveView v = rig.view.snapshot();
    QCOMPARE(v.livePole, QPointF(0, 0));
    QVERIFY(std::abs(v.starA.x() - kStarA.x()) < 0.05); // stars still measured
    QCOMPARE(rig.thread.queuedZooms(), 0);
    QImage frame;
    QVERIFY(rig.thread.takeFrame(&frame));
    QVERIFY(qGreen(frame.pixel(5, 0)) > 0); // pole mark in the corner
    QCOMPARE(qRed(frame.pixel(5, 0)), 0);
}

void TestCapture::grayFrameCopyIsNeverTorn()
{
    // Frames alternate between uniform values while the GUI side copies: every copy
    // must be one whole frame.
    Rig rig;
    rig.camera->cameraConnected = true;
    std::atomic<int> n{0};
    CaptureThread::FrameSource src;
    src.beginLive = [](TAVRIN_HANDLE) { return 0; };
    src.getLiveFrame = [&](TAVRIN_HANDLE, std::uint32_t *w, std::uint32_t *h, std::uint32_t *,
                           std::uint32_t *, unsigned char *buf) {
        const int k = n++;
        std::memset(buf, k % 2 ? 200 : 50, 1280 * 960);
        *w = 1280;
        *h = 960;
        return 0;
    };
    rig.thread.setFrameSource(src);
    rig.thread.startCapture();
    QTRY_VERIFY_WITH_TIMEOUT(n > 2, 5000);
    cv::Mat copy;
    QImage img;
    int torn = 0;
    for (int i = 0; i < 150; ++i) {
        rig.thread.copyGrayFrame(copy);
        double lo = 0, hi = 0;
        cv::minMaxLoc(copy, &lo, &hi);
        if (lo != hi)
            ++torn;
        int value = 0;
        if (rig.thread.takeFrame(&img) && !uniform(img, &value))
            ++torn;
    }
    rig.thread.stopCapture();
    QVERIFY(rig.thread.wait(5000));
    QCOMPARE(copy.size(), cv::Size(1280, 960));
    QCOMPARE(torn, 0);
    QVERIFY(n > 10);
}

QTEST_MAIN(TestCapture)
#include "test_capture.moc"
