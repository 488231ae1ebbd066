// Live marks on the frame image, zoom marks, and the zoom crop computed from the
// needed source region only (checked byte for byte against enlarging the whole frame).
#include "capture/livemarks.h"
#include "capture/liveviewstate.h"
#include "capture/zoomview.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <random>

namespace {

QImage blackFrame()
{
    QImage img(1280, 960, QImage::Format_RGB888);
    img.fill(Qt::black);
    return img;
}

// Paints as the capture thread does: antialiased, on a black 1280 x 960 frame.
QImage painted(const LiveView &v)
{
    QImage img = blackFrame();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintLiveMarks(p, v);
    p.end();
    return img;
}

bool isBlack(const QImage &img, int x, int y)
{
    return (img.pixel(x, y) & 0xffffff) == 0;
}

// Brightest pixel (by channel sum) in a small square around (x, y).
QRgb brightestNear(const QImage &img, int x, int y, int radius = 1)
{
    QRgb best = 0;
    int bestSum = -1;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QRgb c = img.pixel(x + dx, y + dy);
            const int sum = qRed(c) + qGreen(c) + qBlue(c);
            if (sum > bestSum) {
                bestSum = sum;
                best = c;
            }
        }
    }
    return best;
}

QString rgb(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// The zoom crop made the long way: the whole frame enlarged to 6400 x 4800, expanded
// to colour, marked, and a 200 x 200 window cut with everything outside black.
cv::Mat literalCrop(const cv::Mat &gray, const LiveView &v, cv::Mat &bigGray, cv::Mat &bigColor)
{
    cv::resize(gray, bigGray, cv::Size(gray.cols * 5, gray.rows * 5), 0, 0, cv::INTER_LINEAR);
    cv::cvtColor(bigGray, bigColor, cv::COLOR_GRAY2RGB);
    drawZoomMarks(bigColor, v);
    const cv::Rect win(int(5 * v.axisCenter.x() - 100), int(5 * v.axisCenter.y() - 100), 200, 200);
    cv::Mat crop(200, 200, CV_8UC3, cv::Scalar::all(0));
    const cv::Rect inside = win & cv::Rect(0, 0, bigColor.cols, bigColor.rows);
    if (!inside.empty())
        bigColor(inside).copyTo(crop(cv::Rect(inside.x - win.x, inside.y - win.y, inside.width,
                                              inside.height)));
    return crop;
}

cv::Mat starField(unsigned seed)
{
    std::mt19937 rng(seed);
    cv::Mat frame(960, 1280, CV_8UC1);
    cv::randu(frame, cv::Scalar(0), cv::Scalar(40));
    std::uniform_real_distribution<double> px(0, 1280), py(0, 960), amp(60, 215);
    for (int i = 0; i < 300; ++i)
        cv::circle(frame, cv::Point(int(px(rng)), int(py(rng))), 2, cv::Scalar(amp(rng)),
                   cv::FILLED, cv::LINE_AA);
    return frame;
}

} // namespace

class TestMarks : public QObject
{
    Q_OBJECT

private slots:
    void noFlagsNoMarks();
    void axisCentreColour_data();
    void axisCentreColour();
    void starCircleIsSemiTransparent_data();
    void starCircleIsSemiTransparent();
    void expectedPoleArcsFollowMarkAngle();
    void starBoxesWhiteInBothStyles_data();
    void starBoxesWhiteInBothStyles();
    void poleMark_data();
    void poleMark();
    void poleAtOriginIsDrawnInCorner();

    void zoomMarkPixels_data();
    void zoomMarkPixels();
    void zoomMarkOffsetsTruncateAfterScaling();
    void cropWindowTruncates();
    void cropMatchesWholeFrameEnlargement_data();
    void cropMatchesWholeFrameEnlargement();
    void cropOutsideFrameIsBlack();
    void cropWrittenInPlace();
};

void TestMarks::noFlagsNoMarks()
{
    LiveView v;
    v.axisCenter = QPointF(640, 480);
    v.starA = QPointF(300, 300);
    v.expectedPole = QPointF(500, 500);
    v.axisRadius = 100;
    QCOMPARE(painted(v), blackFrame());
}

void TestMarks::axisCentreColour_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("colour") << "Color" << 255 << 0 << 0;
    QTest::newRow("mono") << "Mono" << 255 << 255 << 255;
    QTest::newRow("lower-case mono is colour") << "mono" << 255 << 0 << 0;
}

void TestMarks::axisCentreColour()
{
    QFETCH(QString, style);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    LiveView v;
    v.style = style;
    v.showAxisCenter = true;
    // Half-pixel centre: the horizontal ticks then cover whole pixels of row 300.
    v.axisCenter = QPointF(400.5, 300.5);
    const QImage img = painted(v);
    // Ticks span 3..7 pixels from the centre on each side.
    for (int dx : {-6, -5, -4, 4, 5, 6}) {
        const QRgb c = img.pixel(400 + dx, 300);
        QVERIFY2(qAbs(qRed(c) - r) <= 2 && qAbs(qGreen(c) - g) <= 2 && qAbs(qBlue(c) - b) <= 2,
                 qPrintable(QStringLiteral("tick at dx %1: %2").arg(dx).arg(rgb(c))));
    }
    QVERIFY(isBlack(img, 400 - 10, 300));
    QVERIFY(isBlack(img, 400 + 10, 300));
    // Ring of radius 4 passes near (cx, cy - 4).
    QVERIFY(!isBlack(img, 400, 296));
}

void TestMarks::starCircleIsSemiTransparent_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("mono");
    QTest::newRow("colour") << "Color" << false;
    QTest::newRow("mono") << "Mono" << true;
}

void TestMarks::starCircleIsSemiTransparent()
{
    QFETCH(QString, style);
    QFETCH(bool, mono);
    LiveView v;
    v.style = style;
    v.showStarCircle = true;
    v.axisCenter = QPointF(400.5, 300.5);
    v.axisRadius = 50;
    const QImage img = painted(v);
    // Rightmost and topmost points of the circle: alpha 178 over black.
    for (const QPoint &pt : {QPoint(450, 300), QPoint(400, 250), QPoint(350, 300)}) {
        const QRgb c = brightestNear(img, pt.x(), pt.y());
        QVERIFY2(qGreen(c) >= 165 && qGreen(c) <= 178, qPrintable(rgb(c)));
        if (mono)
            QVERIFY2(qRed(c) == qGreen(c) && qBlue(c) == qGreen(c), qPrintable(rgb(c)));
        else
            QVERIFY2(qRed(c) == 0 && qBlue(c) == 0, qPrintable(rgb(c)));
    }
    QVERIFY(isBlack(img, 400, 300)); // outline only
}

void TestMarks::expectedPoleArcsFollowMarkAngle()
{
    // The arcs start at markAngle + 18, 108, 198, 288 and span 54 degrees; angles go
    // counter-clockwise from 3 o'clock on the 20 x 20 box, i.e. radius 10.
    LiveView v;
    v.showExpectedPole = true;
    v.expectedPole = QPointF(600.5, 400.5);
    auto onArc = [](const QImage &img, double deg) {
        const double a = qDegreesToRadians(deg);
        const QRgb c = brightestNear(img, int(600.5 + 10 * std::cos(a)),
                                     int(400.5 - 10 * std::sin(a)));
        return qRed(c) + qGreen(c) + qBlue(c) > 300;
    };

    v.markAngle = 0;
    QImage img = painted(v);
    for (double deg : {45.0, 135.0, 225.0, 315.0})
        QVERIFY2(onArc(img, deg), qPrintable(QStringLiteral("angle 0: no arc at %1").arg(deg)));
    for (double deg : {0.0, 90.0, 180.0, 270.0})
        QVERIFY2(!onArc(img, deg), qPrintable(QStringLiteral("angle 0: arc at %1").arg(deg)));

    v.markAngle = 45;
    img = painted(v);
    for (double deg : {0.0, 90.0, 180.0, 270.0})
        QVERIFY2(onArc(img, deg), qPrintable(QStringLiteral("angle 45: no arc at %1").arg(deg)));
    for (double deg : {45.0, 135.0, 225.0, 315.0})
        QVERIFY2(!onArc(img, deg), qPrintable(QStringLiteral("angle 45: arc at %1").arg(deg)));

    // The cross is white, 3 pixels each way, in colour style too.
    const QRgb c = img.pixel(602, 400);
    QVERIFY2(qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250, qPrintable(rgb(c)));
    QVERIFY(isBlack(img, 605, 400));
}

void TestMarks::starBoxesWhiteInBothStyles_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("colour") << "Color";
    QTest::newRow("mono") << "Mono";
}

void TestMarks::starBoxesWhiteInBothStyles()
{
    QFETCH(QString, style);
    LiveView v;
    v.style = style;
    v.showStarAMark = true;
    v.showStarBMark = true;
    v.starA = QPointF(200.5, 200.5);
    v.starB = QPointF(700.5, 600.5);
    const QImage img = painted(v);
    for (const QPoint &s : {QPoint(200, 200), QPoint(700, 600)}) {
        for (const QPoint &d : {QPoint(4, 0), QPoint(0, -4), QPoint(-20, 0), QPoint(20, 10),
                                QPoint(5, -20), QPoint(-7, 20)}) {
            const QRgb c = img.pixel(s + d);
            QVERIFY2(qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250,
                     qPrintable(QStringLiteral("offset (%1, %2): %3").arg(d.x()).arg(d.y()).arg(rgb(c))));
        }
        QVERIFY(isBlack(img, s.x() + 10, s.y() + 10)); // box is not filled
        QVERIFY(isBlack(img, s.x() + 7, s.y()));       // cross ends at 5
    }
    // Only B's flag: A's box disappears.
    LiveView onlyB = v;
    onlyB.showStarAMark = false;
    const QImage imgB = painted(onlyB);
    QVERIFY(isBlack(imgB, 200 - 20, 200));
    QVERIFY(!isBlack(imgB, 700 - 20, 600));
}

void TestMarks::poleMark_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("colour") << "Color" << 0 << 255 << 0;
    QTest::newRow("mono") << "Mono" << 255 << 255 << 255;
}

void TestMarks::poleMark()
{
    QFETCH(QString, style);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    LiveView v;
    v.style = style;
    v.monitorPole = true;
    v.livePole = QPointF(500.5, 500.5);
    const QImage img = painted(v);
    // Cross arms reach 8; brackets sit on the lines 6 out, 3..6 long.
    const QPoint expected[] = {{507, 500}, {500, 493}, {494, 496}, {496, 494},
                               {506, 496}, {506, 505}, {503, 506}, {494, 505}};
    for (const QPoint &pt : expected) {
        const QRgb c = img.pixel(pt);
        QVERIFY2(qAbs(qRed(c) - r) <= 2 && qAbs(qGreen(c) - g) <= 2 && qAbs(qBlue(c) - b) <= 2,
                 qPrintable(QStringLiteral("(%1, %2): %3").arg(pt.x()).arg(pt.y()).arg(rgb(c))));
    }
    QVERIFY(isBlack(img, 510, 500));
    QVERIFY(isBlack(img, 496, 496)); // inside the brackets, off the cross
}

void TestMarks::poleAtOriginIsDrawnInCorner()
{
    LiveView v;
    v.monitorPole = true; // livePole (0, 0): what a failed pole computation leaves
    const QImage img = painted(v);
    QVERIFY(qGreen(img.pixel(5, 0)) > 0);
    QVERIFY(qGreen(img.pixel(0, 5)) > 0);
    QVERIFY(isBlack(img, 20, 20));
}

void TestMarks::zoomMarkPixels_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QColor>("axis");
    QTest::addColumn<QColor>("pole");
    QTest::newRow("colour") << "Color" << QColor(255, 0, 0) << QColor(0, 255, 0);
    QTest::newRow("mono") << "Mono" << QColor(255, 248, 248) << QColor(255, 248, 248);
}

void TestMarks::zoomMarkPixels()
{
    QFETCH(QString, style);
    QFETCH(QColor, axis);
    QFETCH(QColor, pole);
    LiveView v;
    v.style = style;
    v.axisCenter = QPointF(20, 20);   // enlarged (100, 100)
    v.livePole = QPointF(40, 30);     // enlarged (200, 150)
    cv::Mat img(300, 300, CV_8UC3, cv::Scalar::all(0));
    drawZoomMarks(img, v);
    auto is = [&](int x, int y, const QColor &c) {
        const cv::Vec3b p = img.at<cv::Vec3b>(y, x);
        return p[0] == c.red() && p[1] == c.green() && p[2] == c.blue();
    };
    auto black = [&](int x, int y) { return img.at<cv::Vec3b>(y, x) == cv::Vec3b(0, 0, 0); };

    // Axis: disc at the centre, ticks from 11 to 6 out, ring of radius 8.
    QVERIFY(is(100, 100, axis));
    for (int d : {6, 8, 11}) {
        QVERIFY2(is(100 - d, 100, axis) && is(100 + d, 100, axis), qPrintable(QString::number(d)));
        QVERIFY2(is(100, 100 - d, axis) && is(100, 100 + d, axis), qPrintable(QString::number(d)));
    }
    QVERIFY(black(100 - 12, 100));
    QVERIFY(black(100 + 4, 100));
    // Ring (antialiased) near 45 degrees, away from the ticks.
    QVERIFY(!black(106, 106) || !black(105, 106) || !black(106, 105));
    QVERIFY(black(103, 103));

    // Pole: disc radius 2, full cross of 11, brackets 9 out and 5 long.
    QVERIFY(is(200, 150, pole));
    QVERIFY(is(201, 150, pole) || is(202, 150, pole));
    for (int d : {-11, -7, 7, 11}) {
        QVERIFY(is(200 + d, 150, pole));
        QVERIFY(is(200, 150 + d, pole));
    }
    QVERIFY(black(200 + 12, 150));
    QVERIFY(is(191, 141, pole) && is(191, 146, pole) && is(196, 141, pole));
    QVERIFY(is(209, 141, pole) && is(209, 146, pole) && is(204, 141, pole));
    QVERIFY(is(209, 159, pole) && is(209, 154, pole) && is(204, 159, pole));
    QVERIFY(is(191, 159, pole) && is(191, 154, pole) && is(196, 159, pole));
    QVERIFY(black(191, 147) && black(197, 141));
}

void TestMarks::zoomMarkOffsetsTruncateAfterScaling()
{
    // 5 x 20.3 = 101.5: centre 101, left tick from int(90.5) = 90 to int(95.5) = 95.
    LiveView v;
    v.axisCenter = QPointF(20.3, 20);
    v.livePole = QPointF(-100, -100);
    cv::Mat img(200, 200, CV_8UC3, cv::Scalar::all(0));
    drawZoomMarks(img, v);
    const cv::Vec3b red(255, 0, 0);
    QCOMPARE(img.at<cv::Vec3b>(100, 90), red);
    QCOMPARE(img.at<cv::Vec3b>(100, 95), red);
    QCOMPARE(img.at<cv::Vec3b>(100, 89), cv::Vec3b(0, 0, 0));
    QCOMPARE(img.at<cv::Vec3b>(100, 112), red); // int(112.5)
    QCOMPARE(img.at<cv::Vec3b>(100, 113), cv::Vec3b(0, 0, 0));
    // A mark far away (or not a number) draws nothing and does not crash.
    cv::Mat other(50, 50, CV_8UC3, cv::Scalar::all(0));
    v.axisCenter = QPointF(1e300, qQNaN());
    v.livePole = QPointF(qInf(), -1e300);
    drawZoomMarks(other, v);
    QCOMPARE(cv::countNonZero(other.reshape(1)), 0);
}

void TestMarks::cropWindowTruncates()
{
    QCOMPARE(ZoomView::cropWindow(QPointF(640, 480)), cv::Rect(3100, 2300, 200, 200));
    QCOMPARE(ZoomView::cropWindow(QPointF(100.39, 50.5)), cv::Rect(401, 152, 200, 200));
    // Toward zero, not down: 5 x 19.9 - 100 = -0.5 becomes 0.
    QCOMPARE(ZoomView::cropWindow(QPointF(19.9, 10)), cv::Rect(0, -50, 200, 200));
}

void TestMarks::cropMatchesWholeFrameEnlargement_data()
{
    QTest::addColumn<QPointF>("axis");
    QTest::addColumn<QPointF>("pole");
    QTest::addColumn<QString>("style");
    QTest::newRow("centre") << QPointF(640, 480) << QPointF(650.3, 470.8) << "Color";
    QTest::newRow("fractional, mono") << QPointF(321.77, 611.13) << QPointF(318.2, 615.9) << "Mono";
    QTest::newRow("pole at crop edge") << QPointF(500, 500) << QPointF(519.9, 480.1) << "Color";
    QTest::newRow("pole outside crop") << QPointF(500, 500) << QPointF(522.5, 500) << "Color";
    QTest::newRow("top-left corner") << QPointF(0, 0) << QPointF(3, 2) << "Color";
    QTest::newRow("near left edge") << QPointF(7.6, 300) << QPointF(2, 305) << "Mono";
    QTest::newRow("near right edge") << QPointF(1275.4, 700.2) << QPointF(1279.5, 690) << "Color";
    QTest::newRow("bottom-right corner") << QPointF(1279.9, 959.9) << QPointF(1278, 955) << "Color";
    QTest::newRow("just inside") << QPointF(20, 20) << QPointF(30, 10) << "Color";
    QTest::newRow("partly outside below") << QPointF(640, 951) << QPointF(645, 958) << "Mono";
    QTest::newRow("negative axis") << QPointF(-12, -7) << QPointF(1, 1) << "Color";
    std::mt19937 rng(20210917);
    std::uniform_real_distribution<double> ux(0, 1280), uy(0, 960), off(-25, 25);
    for (int i = 0; i < 24; ++i) {
        const QPointF a(ux(rng), uy(rng));
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i)))
            << a << a + QPointF(off(rng), off(rng)) << (i % 3 ? "Color" : "Mono");
    }
}

void TestMarks::cropMatchesWholeFrameEnlargement()
{
    QFETCH(QPointF, axis);
    QFETCH(QPointF, pole);
    QFETCH(QString, style);
    static const cv::Mat gray = starField(7);
    static cv::Mat bigGray, bigColor;
    LiveView v;
    v.axisCenter = axis;
    v.livePole = pole;
    v.style = style;
    const cv::Mat expected = literalCrop(gray, v, bigGray, bigColor);
    ZoomView zoom;
    cv::Mat crop(200, 200, CV_8UC3, cv::Scalar::all(77));
    zoom.render(gray, v, crop);
    cv::Mat diff;
    cv::absdiff(crop, expected, diff);
    const int differing = cv::countNonZero(diff.reshape(1));
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 bytes differ").arg(differing)));
}

void TestMarks::cropOutsideFrameIsBlack()
{
    const cv::Mat gray(960, 1280, CV_8UC1, cv::Scalar(100));
    LiveView v;
    v.axisCenter = QPointF(2, 958); // window from (-90, 4690): 90 columns and 10 rows outside
    v.livePole = QPointF(-50, -50);
    ZoomView zoom;
    cv::Mat crop(200, 200, CV_8UC3, cv::Scalar::all(77));
    zoom.render(gray, v, crop);
    QCOMPARE(crop.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 0));
    QCOMPARE(crop.at<cv::Vec3b>(50, 89), cv::Vec3b(0, 0, 0));
    QCOMPARE(crop.at<cv::Vec3b>(50, 90), cv::Vec3b(100, 100, 100));
    QCOMPARE(crop.at<cv::Vec3b>(109, 150), cv::Vec3b(100, 100, 100));
    QCOMPARE(crop.at<cv::Vec3b>(110, 150), cv::Vec3b(0, 0, 0));
    // Entirely outside: all black, no crash.
    v.axisCenter = QPointF(5000, -3000);
    zoom.render(gray, v, crop);
    QCOMPARE(cv::countNonZero(crop.reshape(1)), 0);
}

void TestMarks::cropWrittenInPlace()
{
    // The capture thread points the crop at a QImage's bytes; render must not reallocate.
    QImage image(200, 200, QImage::Format_RGB888);
    image.fill(Qt::black);
    cv::Mat crop(200, 200, CV_8UC3, image.bits(), std::size_t(image.bytesPerLine()));
    const cv::Mat gray(960, 1280, CV_8UC1, cv::Scalar(30));
    LiveView v;
    v.axisCenter = QPointF(640, 480);
    v.livePole = QPointF(641, 481);
    ZoomView zoom;
    zoom.render(gray, v, crop);
    QCOMPARE(static_cast<void *>(crop.data), static_cast<void *>(image.bits()));
    QCOMPARE(image.pixel(100, 100), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(0, 0), qRgb(30, 30, 30));
}

QTEST_MAIN(TestMarks)
#include "test_marks.moc"
