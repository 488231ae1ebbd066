// The capture thread (frame rate, queues, run loop and its wait for frames, per-frame
// measurement, frames at the display's size), the live marks, and the zoom crop
// against enlarging the whole frame.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/livemarks.h"
#include "capture/liveviewstate.h"
#include "capture/zoomview.h"
#include "dialogs/refractionvalues.h"
#include "starmath/starmath.h"
#include "testsupport.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstring>
#include <random>

namespace {

std::vector<unsigned char> uniformFrame(unsigned char value)
{
    return std::vector<unsigned char>(1280 * 960, value);
}

int uniformValue(const QImage &img) // -1 when the image is not one grey
{
    QImage same(img.size(), img.format());
    same.fill(img.pixel(0, 0));
    return img == same && qGray(img.pixel(0, 0)) == qRed(img.pixel(0, 0)) ? qRed(img.pixel(0, 0)) : -1;
}

// Reference stars and angles whose pole lands about 100 pixels above the pair.
const QPointF kStarA(500, 300), kStarB(600, 320);
const double kAngleBAP = 40, kAngleABP = 60;

struct Rig
{
    CameraState camera;
    LiveViewState view;
    CaptureThread thread{camera, view};
    // Frames from `frame` (false: none this time, -1 from the camera) on a clock of `clock`.
    void source(std::function<bool(unsigned char *)> frame, std::function<qint64()> clock = {},
                std::function<int(TAVRIN_HANDLE)> begin = [](TAVRIN_HANDLE) { return 0; })
    {
        CaptureThread::FrameSource src;
        src.beginLive = begin;
        src.getLiveFrame = [frame](TAVRIN_HANDLE, std::uint32_t *w, std::uint32_t *h, std::uint32_t *bpp,
                                   std::uint32_t *ch, unsigned char *buf) {
            *w = 1280, *h = 960, *bpp = 8, *ch = 1;
            return frame(buf) ? 0 : -1;
        };
        if (clock)
            src.clockMs = clock;
        camera.cameraConnected = true;
        thread.setFrameSource(src);
    }
    void monitor(const QPointF &searchA, const QPointF &searchB, const QPointF &axis)
    {
        view.update([&](LiveView &v) {
            v.monitorPole = v.showStarAMark = v.showAxisCenter = true;
            v.starASearch = searchA;
            v.starBSearch = searchB;
            v.liveAngleBAP = kAngleBAP;
            v.liveAngleABP = kAngleABP;
            v.axisCenter = axis;
        });
    }
};

// Paints as the capture thread does: antialiased, on a black frame.
QImage painted(const LiveView &v)
{
    QImage img(1280, 960, QImage::Format_RGB888);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintLiveMarks(p, v);
    return img;
}

} // namespace

class TestCaptureDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init() { setRefractionValues(RefractionValues()); }
    void frameRate();
    void queuesKeepTheirFrames();
    void waitAfterNoFrame();
    void framesAtDisplaySize();
    void monitoringMeasuresStarsAndPole();
    void liveMarks_data();
    void liveMarks();
    void cropMatchesWholeFrameEnlargement_data();
    void cropMatchesWholeFrameEnlargement();
};

// Through the real run loop on a stand-in clock (one reading to start, two per
// frame): the rate of the last interval, kept when an interval has no rate.
void TestCaptureDisplay::frameRate()
{
    const struct { QVector<qint64> times; int rate; } rows[] = { // tenths of frames per second
        {{1000, 1080}, 125}, {{1000, 1030, 1060}, 333}, {{1000, 1003}, 3333}, {{1000, 8000}, 1},
        {{1000, 1080, 1080}, 125}, {{1000, 1080, 1060}, 125}, {{0x17FFFFFF0LL, 0x180000020LL}, 208}}; // 32-bit wrap
    for (const auto &row : rows) {
        Rig rig;
        std::atomic<int> clockCalls{0}, delivered{0};
        rig.source([&](unsigned char *) { return delivered < row.times.size() - 1 ? ++delivered, true : false; },
                   [&] { return row.times[qMin((clockCalls++ + 1) / 2, row.times.size() - 1)]; });
        rig.thread.startCapture();
        QTRY_VERIFY_WITH_TIMEOUT(delivered == row.times.size() - 1 && clockCalls >= 2 * delivered + 1, 5000);
        rig.thread.stopCapture();
        QVERIFY(rig.thread.wait(5000));
        int i = -1, d = -1;
        rig.thread.frameRate(&i, &d);
        QCOMPARE(i * 10 + d, row.rate);
        rig.thread.resetFrameRate();
        rig.thread.frameRate(&i, &d);
        QCOMPARE(i * 10 + d, 0);
    }
}

// A full queue keeps its first two; the GUI may hold a taken frame while new ones
// are written, and none may change underneath it.
void TestCaptureDisplay::queuesKeepTheirFrames()
{
    Rig rig;
    for (unsigned char value : {10, 20, 30})
        rig.thread.processFrame(uniformFrame(value).data());
    QImage held, img;
    QVERIFY(rig.thread.takeFrame(&held) && rig.thread.takeFrame(&img));
    QCOMPARE(uniformValue(img), 20);
    QVERIFY(!rig.thread.takeFrame(&img) && !rig.thread.takeZoom(&img)); // no monitoring, no crops
    int previous = 20;
    for (int value = 40; value < 80; ++value) {
        rig.thread.processFrame(uniformFrame(uchar(value)).data());
        if (value % 3 == 0 && rig.thread.takeFrame(&img)) {
            QVERIFY2(uniformValue(img) > previous, "taken frames keep their values, in order");
            previous = uniformValue(img);
        }
    }
    QCOMPARE(uniformValue(held), 10);
}

void TestCaptureDisplay::waitAfterNoFrame()
{
    // (since the last frame, interval between frames) -> wait, all in ms
    const double rows[][3] = {{0, 0, 10}, {1, 100, 89}, {90, 100, 6}, {30, 20, 2}, {5000, 4000, 100}};
    for (const auto &r : rows)
        QCOMPARE(CaptureThread::waitAfterNoFrameMs(r[0], r[1]), int(r[2]));
}

// At 75% a queued frame is the area-averaged grey; a frame that finds the queue full is not announced.
void TestCaptureDisplay::framesAtDisplaySize()
{
    Rig rig;
    QSignalSpy queued(&rig.thread, &CaptureThread::frameQueued);
    rig.thread.setDisplayScale(0.75f);
    cv::Mat gray(960, 1280, CV_8UC1), area, blue;
    cv::randu(gray, 0, 256);
    for (int i = 0; i < 3; ++i)
        rig.thread.processFrame(gray.data);
    QCOMPARE(queued.count(), 2);
    QImage frame;
    QVERIFY(rig.thread.takeFrame(&frame) && frame.size() == QSize(960, 720));
    cv::extractChannel(cv::Mat(720, 960, CV_8UC4, frame.bits(), std::size_t(frame.bytesPerLine())), blue, 0);
    cv::resize(gray, area, cv::Size(960, 720), 0, 0, cv::INTER_AREA);
    QVERIFY2(cv::norm(blue, area, cv::NORM_INF) <= 1.0, "more than one grey level from area averaging");
}

// While monitoring every frame measures both stars and the pole from them; lost
// stars make no pole.
void TestCaptureDisplay::monitoringMeasuresStarsAndPole()
{
    Rig rig;
    const std::vector<unsigned char> frame = starFrame({kStarA, kStarB}, 0, 200);
    rig.thread.processFrame(frame.data()); // not monitoring: nothing measured
    QCOMPARE(rig.view.get(&LiveView::starA), QPointF());
    rig.thread.clearFrameQueue();
    double px = 0, py = 0;
    starMath.CalcPoleCOOR(kStarA.x(), kStarA.y(), kAngleBAP, kStarB.x(), kStarB.y(), kAngleABP, &px, &py, 550, 200);
    rig.monitor(kStarA + QPointF(4.3, -3.1), kStarB + QPointF(2, -1.5), QPointF(px + 3.5, py - 2.5));
    rig.thread.processFrame(frame.data());
    const LiveView plain = rig.view.snapshot();
    QVERIFY2(near(plain.starA, kStarA, 0.07) && near(plain.starB, kStarB, 0.07), "stars measured where they are");
    const LiveView &v = plain;
    starMath.CalcPoleCOOR(v.starA.x(), v.starA.y(), kAngleBAP, v.starB.x(), v.starB.y(), kAngleABP, &px, &py, px, py);
    QVERIFY(near(v.livePole, QPointF(px, py), 1e-6));
    QImage zoom, shown;
    QVERIFY(rig.thread.takeZoom(&zoom));
    QCOMPARE(zoom.pixel(100, 100), qRgb(255, 0, 0)); // the axis mark in the middle
    QVERIFY(rig.thread.takeFrame(&shown));
    QVERIFY(qGray(shown.pixel(int(v.starA.x()) - 20, int(v.starA.y()) + 10)) > 100); // A's box

    CriticalCatcher catcher; // stars not measured make no pole: said once per run of such frames
    for (int background : {255, 0, 0})
        rig.thread.processFrame(starFrame({}, background).data());
    QCOMPARE(catcher.messages, QStringList{"Reference stars lost"});
    QVERIFY(rig.view.get(&LiveView::starsLost));
    rig.thread.processFrame(frame.data());
    QVERIFY(!rig.view.get(&LiveView::starsLost));
}

void TestCaptureDisplay::liveMarks_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("mark"); // 0 axis, 1 star circle, 2 star boxes, 3 pole, 4 expected pole, 5 pole at origin
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QList<QPoint>>("on");  // pixels in the colour (within 12, or green 165..178 for the circle)
    QTest::addColumn<QList<QPoint>>("off"); // black pixels
    const QList<QPoint> axisOn{{394, 300}, {396, 300}, {404, 300}, {406, 300}}, axisOff{{390, 300}, {410, 300}};
    QTest::newRow("axis colour") << "Color" << 0 << qRgb(255, 0, 0) << axisOn << axisOff;
    QTest::newRow("axis mono") << "Mono" << 0 << qRgb(255, 255, 255) << axisOn << axisOff;
    QTest::newRow("circle colour") << "Color" << 1 << qRgb(0, 178, 0) << QList<QPoint>{{450, 300}, {400, 250}}
                                   << QList<QPoint>{{400, 300}};
    const QList<QPoint> boxOn{{204, 200}, {180, 200}, {220, 210}, {205, 180}, {193, 220}};
    QTest::newRow("boxes colour") << "Color" << 2 << qRgb(255, 255, 255) << boxOn
                                  << QList<QPoint>{{210, 210}, {207, 200}, {680, 600}};
    const QList<QPoint> poleOn{{507, 500}, {500, 493}, {494, 496}, {506, 505}, {503, 506}};
    QTest::newRow("pole colour") << "Color" << 3 << qRgb(0, 255, 0) << poleOn << QList<QPoint>{{510, 500}, {496, 496}};
    QTest::newRow("expected pole") << "Color" << 4 << qRgb(255, 255, 255) << QList<QPoint>{{602, 400}, {610, 400}}
                                   << QList<QPoint>{{605, 400}, {607, 393}};
    QTest::newRow("failed pole in the corner") << "Color" << 5 << qRgb(0, 255, 0) << QList<QPoint>{{5, 0}, {0, 5}}
                                               << QList<QPoint>{{20, 20}};
}

// Each mark at its pixels in its colour; nothing else drawn (A only with B's flag off).
void TestCaptureDisplay::liveMarks()
{
    QFETCH(QString, style);
    QFETCH(int, mark);
    QFETCH(QRgb, colour);
    QFETCH(QList<QPoint>, on);
    QFETCH(QList<QPoint>, off);
    LiveView v;
    v.style = style;
    v.axisCenter = QPointF(400.5, 300.5);
    v.axisRadius = 50;
    v.starA = QPointF(200.5, 200.5);
    v.starB = QPointF(700.5, 600.5);
    v.livePole = mark == 5 ? QPointF() : QPointF(500.5, 500.5);
    v.expectedPole = QPointF(600.5, 400.5);
    v.markAngle = 45;
    QCOMPARE(painted(v), painted(LiveView())); // no flag, no mark
    v.showAxisCenter = mark == 0;
    v.showStarCircle = mark == 1;
    v.showStarAMark = mark == 2;
    v.monitorPole = mark == 3 || mark == 5;
    v.showExpectedPole = mark == 4;
    const QImage img = painted(v);
    for (const QPoint &p : on) {
        QRgb c = 0; // brightest within one pixel: antialiased lines straddle
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (img.valid(p + QPoint(dx, dy)) && qGray(img.pixel(p + QPoint(dx, dy))) > qGray(c))
                    c = img.pixel(p + QPoint(dx, dy));
        const int tolerance = mark == 5 ? 128 : mark == 4 ? 40 : 13; // the corner mark is half cut by the edge
        QVERIFY2(qAbs(qRed(c) - qRed(colour)) <= tolerance && qAbs(qGreen(c) - qGreen(colour)) <= tolerance &&
                     qAbs(qBlue(c) - qBlue(colour)) <= tolerance,
                 qPrintable(QString("(%1,%2) is %3").arg(p.x()).arg(p.y()).arg(QColor(c).name())));
    }
    for (const QPoint &p : off)
        QVERIFY2((img.pixel(p) & 0xffffff) == 0, qPrintable(QString("(%1,%2) drawn").arg(p.x()).arg(p.y())));
}

void TestCaptureDisplay::cropMatchesWholeFrameEnlargement_data()
{
    QTest::addColumn<QPointF>("axis");
    QTest::addColumn<QPointF>("pole");
    QTest::addColumn<QString>("style");
    QTest::newRow("centre") << QPointF(640, 480) << QPointF(650.3, 470.8) << "Color";
    QTest::newRow("fractional, mono") << QPointF(321.77, 611.13) << QPointF(318.2, 615.9) << "Mono";
        QTest::newRow("bottom-right corner") << QPointF(1279.9, 959.9) << QPointF(1278, 955) << "Color";
    QTest::newRow("outside, negative") << QPointF(-12, -7) << QPointF(1, 1) << "Color";
    std::mt19937 rng(20210917);
    std::uniform_real_distribution<double> ux(0, 1280), uy(0, 960), off(-25, 25);
    for (int i = 0; i < 24; ++i) {
        const QPointF a(ux(rng), uy(rng));
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i)))
            << a << a + QPointF(off(rng), off(rng)) << (i % 3 ? "Color" : "Mono");
    }
}

// The crop made the long way: the whole frame enlarged, coloured, marked and cut,
// black beyond the frame. The real one must be the same bytes.
void TestCaptureDisplay::cropMatchesWholeFrameEnlargement()
{
    QFETCH(QPointF, axis);
    QFETCH(QPointF, pole);
    QFETCH(QString, style);
    static cv::Mat gray, bigGray, bigColor;
    if (gray.empty()) {
        std::mt19937 rng(7);
        gray.create(960, 1280, CV_8UC1);
        cv::randu(gray, cv::Scalar(0), cv::Scalar(40));
        std::uniform_real_distribution<double> px(0, 1280), py(0, 960), amp(60, 215);
        for (int i = 0; i < 300; ++i)
            cv::circle(gray, cv::Point(int(px(rng)), int(py(rng))), 2, cv::Scalar(amp(rng)), cv::FILLED, cv::LINE_AA);
    }
    LiveView v;
    v.axisCenter = axis;
    v.livePole = pole;
    v.style = style;
    cv::resize(gray, bigGray, cv::Size(6400, 4800), 0, 0, cv::INTER_LINEAR);
    cv::cvtColor(bigGray, bigColor, cv::COLOR_GRAY2RGB);
    drawZoomMarks(bigColor, v);
    const cv::Rect win(int(5 * axis.x() - 100), int(5 * axis.y() - 100), 200, 200);
    cv::Mat expected(200, 200, CV_8UC3, cv::Scalar::all(0));
    const cv::Rect inside = win & cv::Rect(0, 0, 6400, 4800);
    if (!inside.empty())
        bigColor(inside).copyTo(expected(cv::Rect(inside.x - win.x, inside.y - win.y, inside.width, inside.height)));
    ZoomView zoom;
    cv::Mat crop(200, 200, CV_8UC3, cv::Scalar::all(77));
    const uchar *bytes = crop.data;
    zoom.render(gray, v, crop);
    QVERIFY(crop.data == bytes); // written in place: the queued image shares these bytes
    cv::Mat diff;
    cv::absdiff(crop, expected, diff);
    QCOMPARE(cv::countNonZero(diff.reshape(1)), 0);
}

QTEST_MAIN(TestCaptureDisplay)
#include "test_capture_display.moc"
