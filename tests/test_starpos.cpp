// Star measurement: GetPreciseStarPos, GetGravityCenter and the windowed median.
#include "starmath/medianwindow.h"
#include "starmath/starmath.h"

#include "testsupport.h"

#include <QStringList>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <limits>
#include <random>

namespace {

cv::Mat blackFrame(int w = 1280, int h = 960)
{
    return cv::Mat(h, w, CV_8UC1, cv::Scalar(0));
}

// The measurement as first written: whole-frame median, cv::minMaxLoc, cv::moments.
// Its threshold step rounds v - threshold per pixel, which is what the program means.
int referenceGravityCenter(const cv::Mat &median, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = static_cast<int>(x - 10.0);
    const int top = static_cast<int>(y - 10.0);
    if (left < 0 || top < 0 || left + 20 > median.cols || top + 20 > median.rows)
        return -1;
    const cv::Mat win = median(cv::Rect(left, top, 20, 20));
    double maxVal = 0;
    cv::minMaxLoc(win, nullptr, &maxVal);
    const double mean = cv::mean(win)[0];
    if (2.5 > maxVal / mean)
        return -1;
    const double threshold = mean + (maxVal - mean) * 0.3;
    cv::Mat tmp;
    win.convertTo(tmp, CV_64F, 1.0, -threshold);
    cv::Mat weights;
    tmp.convertTo(weights, CV_8U); // rounds to nearest, saturates
    const cv::Moments m = cv::moments(weights, false);
    if (m.m00 == 0)
        return -1;
    *ox = left + m.m10 / m.m00;
    *oy = top + m.m01 / m.m00;
    return 0;
}

int referencePreciseStarPos(const cv::Mat &frame, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = static_cast<int>(x - 20.0);
    const int top = static_cast<int>(y - 20.0);
    if (left < 0 || top < 0 || left + 40 > frame.cols || top + 40 > frame.rows)
        return -1;
    cv::Mat median;
    cv::medianBlur(frame, median, 3);
    const cv::Mat win = median(cv::Rect(left, top, 40, 40));
    if (cv::mean(win)[0] == 0)
        return -1;
    double maxVal = 0;
    cv::Point loc;
    cv::minMaxLoc(win, nullptr, &maxVal, nullptr, &loc);
    // First maximum in row-major order, spelled out.
    for (int r = 0, found = 0; r < win.rows && !found; ++r)
        for (int c = 0; c < win.cols; ++c)
            if (win.at<uchar>(r, c) == maxVal) {
                loc = cv::Point(c, r);
                found = 1;
                break;
            }
    const int px = left + loc.x;
    const int py = top + loc.y;
    if (referenceGravityCenter(median, px, py, ox, oy) != 0) {
        *ox = px;
        *oy = py;
    }
    return 0;
}

// Random sky: noisy background, a few stars, hot pixels and black patches.
cv::Mat randomSky(std::mt19937 &rng, int w, int h)
{
    cv::Mat f(h, w, CV_8UC1);
    std::uniform_int_distribution<int> bg(0, 3);
    const int base = bg(rng) * 6;
    cv::randu(f, cv::Scalar(0), cv::Scalar(base + 1));
    std::uniform_real_distribution<double> ux(0, w), uy(0, h), amp(20, 255), sig(0.6, 3.0);
    const int stars = std::uniform_int_distribution<int>(0, 6)(rng);
    for (int s = 0; s < stars; ++s) {
        const double cx = ux(rng), cy = uy(rng), a = amp(rng), sg = sig(rng);
        for (int r = std::max(0, int(cy) - 12); r < std::min(h, int(cy) + 13); ++r)
            for (int c = std::max(0, int(cx) - 12); c < std::min(w, int(cx) + 13); ++c) {
                const double v = a * std::exp(-((c - cx) * (c - cx) + (r - cy) * (r - cy)) / (2 * sg * sg));
                f.at<uchar>(r, c) = cv::saturate_cast<uchar>(f.at<uchar>(r, c) + v);
            }
    }
    for (int s = 0; s < 10; ++s)
        f.at<uchar>(int(uy(rng)), int(ux(rng))) = 255;
    if (rng() % 3 == 0)
        f(cv::Rect(0, 0, w / 2, h / 2)).setTo(0);
    return f;
}

} // namespace

class TestStarPos : public QObject
{
    Q_OBJECT

private slots:
    void medianWindowMatchesWholeFrame();
    void matchesWholeFrameReference();

    void fiveByFiveBlock();
    void blockNearLeftEdgeFallsBackToBrightestPixel();
    void windowBounds_data();
    void windowBounds();
    void hotPixelIsNoStar();
    void blackWindowIsNoStar();
    void uniformGreyGivesFirstPixel();
    void invalidInputs();

    void gravityCenterFailures_data();
    void gravityCenterFailures();

    void gaussianStarsAreFoundUnbiased();
};

void TestStarPos::medianWindowMatchesWholeFrame()
{
    std::mt19937 rng(1234);
    int windows = 0;
    for (int f = 0; f < 60; ++f) {
        const int w = std::uniform_int_distribution<int>(20, 140)(rng);
        const int h = std::uniform_int_distribution<int>(20, 140)(rng);
        cv::Mat frame(h, w, CV_8UC1);
        cv::randu(frame, cv::Scalar(0), cv::Scalar(256));
        cv::Mat whole;
        cv::medianBlur(frame, whole, 3);
        for (int k = 0; k < 20; ++k) {
            const int size = (k % 2) ? 20 : std::min(20, std::min(w, h));
            int x = std::uniform_int_distribution<int>(0, w - size)(rng);
            int y = std::uniform_int_distribution<int>(0, h - size)(rng);
            // Every fourth window is pushed into a corner or onto an edge.
            switch (k % 8) {
            case 0: x = 0; y = 0; break;
            case 2: x = w - size; y = h - size; break;
            case 4: x = 0; break;
            case 6: y = h - size; break;
            default: break;
            }
            const cv::Rect rect(x, y, size, size);
            const cv::Mat ours = medianWindow(frame, rect);
            QCOMPARE(cv::norm(ours, whole(rect), cv::NORM_INF), 0.0);
            ++windows;
        }
        // The whole frame as one window, and a 1-pixel-wide strip.
        QCOMPARE(cv::norm(medianWindow(frame, cv::Rect(0, 0, w, h)), whole, cv::NORM_INF), 0.0);
        const cv::Rect strip(w - 1, 0, 1, h);
        QCOMPARE(cv::norm(medianWindow(frame, strip), whole(strip), cv::NORM_INF), 0.0);
    }
    qInfo("median_windows_compared: %d", windows);
}

void TestStarPos::matchesWholeFrameReference()
{
    CriticalCatcher quiet;
    std::mt19937 rng(99);
    int calls = 0, centroids = 0;
    for (int f = 0; f < 80; ++f) {
        const int w = std::uniform_int_distribution<int>(40, 160)(rng);
        const int h = std::uniform_int_distribution<int>(40, 160)(rng);
        const cv::Mat frame = randomSky(rng, w, h);
        std::uniform_real_distribution<double> px(15.0, w - 15.0), py(15.0, h - 15.0);
        for (int k = 0; k < 25; ++k) {
            double x = px(rng), y = py(rng);
            if (k % 5 == 0) { x = 19.95; y = h - 20.0; }      // bottom-left corner window
            if (k % 5 == 1) { x = w - 20.0; y = 20.0; }       // top-right corner window
            double ox = -1, oy = -1, rx = -2, ry = -2;
            const int rc = starMath.GetPreciseStarPos(frame, x, y, &ox, &oy);
            const int rrc = referencePreciseStarPos(frame, x, y, &rx, &ry);
            QCOMPARE(rc, rrc);
            QCOMPARE(ox, rx);
            QCOMPARE(oy, ry);
            ++calls;
            if (rc == 0 && (ox != std::floor(ox) || oy != std::floor(oy)))
                ++centroids;
        }
    }
    // The random skies must exercise the centroid, not only the fallbacks.
    QVERIFY2(centroids > calls / 5, qPrintable(QString("only %1 of %2 centroids").arg(centroids).arg(calls)));
}

void TestStarPos::fiveByFiveBlock()
{
    cv::Mat frame = blackFrame();
    frame(cv::Rect(98, 78, 5, 5)).setTo(200);
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, 100, 80, &x, &y), 0);
    QCOMPARE(x, 100.0);
    QCOMPARE(y, 80.0);
    QVERIFY(catcher.messages.isEmpty());

    // Directly on the first brightest pixel: window mean 10.5, threshold 67.35, each
    // pixel weighs 133 (a threshold rounded to 67 first would give the same here).
    QCOMPARE(starMath.GetGravityCenter(frame, 99, 78, &x, &y), 0);
    QCOMPARE(x, 100.0);
    QCOMPARE(y, 80.0);
}

void TestStarPos::blockNearLeftEdgeFallsBackToBrightestPixel()
{
    cv::Mat frame = blackFrame();
    frame(cv::Rect(3, 78, 5, 5)).setTo(200);
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, 20.5, 80, &x, &y), 0);
    QCOMPARE(x, 4.0);
    QCOMPARE(y, 78.0);
    QCOMPARE(catcher.messages, QStringList{"GetGravityCenter - Out of Whole FOV"});
}

void TestStarPos::windowBounds_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("result");

    QTest::newRow("x 19.9 truncates to left 0") << 19.9 << 480.0 << 0;
    QTest::newRow("x 18.9 gives left -1") << 18.9 << 480.0 << -1;
    QTest::newRow("y 940 ends at the last row") << 640.0 << 940.0 << 0;
    QTest::newRow("y 941 is one row too far") << 640.0 << 941.0 << -1;
    QTest::newRow("x 1260 ends at the last column") << 1260.0 << 480.0 << 0;
    QTest::newRow("x 1261 is one column too far") << 1261.0 << 480.0 << -1;
    QTest::newRow("negative") << -5.0 << -5.0 << -1;
}

void TestStarPos::windowBounds()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, result);
    // A faint plateau everywhere: accepted windows find light, rejected ones must say why.
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(30));
    CriticalCatcher catcher;
    double ox = 0, oy = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, x, y, &ox, &oy), result);
    if (result == -1) {
        QCOMPARE(catcher.messages, QStringList{"GetPreciseStarPos - Out of Whole FOV"});
        QCOMPARE(ox, x);
        QCOMPARE(oy, y);
    } else {
        // Flat light: the first pixel of the search window is the answer.
        QVERIFY(!catcher.messages.contains("GetPreciseStarPos - Out of Whole FOV"));
        QCOMPARE(ox, double(int(x - 20.0)));
        QCOMPARE(oy, double(int(y - 20.0)));
    }
}

void TestStarPos::hotPixelIsNoStar()
{
    cv::Mat frame = blackFrame();
    frame.at<uchar>(480, 640) = 200;
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, 640, 480, &x, &y), -1);
    QCOMPARE(catcher.messages, QStringList{"GetPreciseStarPos - No Star in the ROI Area."});
    QCOMPARE(x, 640.0);
    QCOMPARE(y, 480.0);
}

void TestStarPos::blackWindowIsNoStar()
{
    cv::Mat frame = blackFrame();
    frame(cv::Rect(0, 0, 100, 100)).setTo(90); // light elsewhere does not matter
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, 600.25, 500.75, &x, &y), -1);
    QCOMPARE(catcher.messages, QStringList{"GetPreciseStarPos - No Star in the ROI Area."});
    QCOMPARE(x, 600.25);
    QCOMPARE(y, 500.75);
}

void TestStarPos::uniformGreyGivesFirstPixel()
{
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(30));
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetPreciseStarPos(frame, 300.7, 200.2, &x, &y), 0);
    QCOMPARE(x, 280.0);
    QCOMPARE(y, 180.0);
    QVERIFY(catcher.messages.isEmpty());
}

void TestStarPos::invalidInputs()
{
    CriticalCatcher catcher;
    double x = 1, y = 1;
    QCOMPARE(starMath.GetPreciseStarPos(cv::Mat(), 50, 60, &x, &y), -1);
    QCOMPARE(x, 50.0);
    QCOMPARE(y, 60.0);
    x = y = 1;
    QCOMPARE(starMath.GetGravityCenter(cv::Mat(), 50, 60, &x, &y), -1);
    QCOMPARE(x, 50.0);
    QCOMPARE(y, 60.0);
    QVERIFY(catcher.messages.isEmpty());

    // Positions with no int image must fail cleanly, keeping what was passed in.
    const cv::Mat frame = blackFrame(200, 200);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double bad[] = {nan, inf, -inf, 1e300, -1e300, 3e9};
    for (double v : bad) {
        catcher.messages.clear();
        QCOMPARE(starMath.GetPreciseStarPos(frame, v, 100, &x, &y), -1);
        QVERIFY(x == v || (std::isnan(x) && std::isnan(v)));
        QCOMPARE(y, 100.0);
        QCOMPARE(starMath.GetGravityCenter(frame, 100, v, &x, &y), -1);
        QCOMPARE(x, 100.0);
        QVERIFY(y == v || (std::isnan(y) && std::isnan(v)));
        QCOMPARE(catcher.messages, (QStringList{"GetPreciseStarPos - Out of Whole FOV",
                                               "GetGravityCenter - Out of Whole FOV"}));
    }
    // Null out-pointers are tolerated.
    QCOMPARE(starMath.GetPreciseStarPos(frame, 100, 100, nullptr, nullptr), -1);
}

void TestStarPos::gravityCenterFailures_data()
{
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("message");
    QTest::newRow("all zero window has no mass") << 0 << QString();
    QTest::newRow("faint window rounds to zero mass") << 1 << QString();
    QTest::newRow("flat window below ratio 2.5") << 2 << QString();
    QTest::newRow("window off the right edge") << 3 << QString("GetGravityCenter - Out of Whole FOV");
}

void TestStarPos::gravityCenterFailures()
{
    QFETCH(int, pattern);
    QFETCH(QString, message);
    cv::Mat frame = blackFrame(100, 100);
    double x0 = 50, y0 = 50;
    if (pattern == 1) {
        // A 14x10 patch of 1 in the 20x20 window: max 1, mean 0.35, threshold 0.545;
        // 1 - 0.545 rounds to 0 everywhere.
        frame(cv::Rect(40, 40, 14, 10)).setTo(1);
    } else if (pattern == 2) {
        frame.setTo(30);
        frame(cv::Rect(45, 45, 3, 3)).setTo(60);
    } else if (pattern == 3) {
        x0 = 91;
    }
    CriticalCatcher catcher;
    double x = 0, y = 0;
    QCOMPARE(starMath.GetGravityCenter(frame, x0, y0, &x, &y), -1);
    QCOMPARE(x, x0);
    QCOMPARE(y, y0);
    QCOMPARE(catcher.messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void TestStarPos::gaussianStarsAreFoundUnbiased()
{
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(12.0, 3.0);
    std::uniform_real_distribution<double> pos(60.0, 140.0);
    const int n = 400;
    double sumDx = 0, sumDy = 0, sumDx2 = 0, sumDy2 = 0, worst = 0;
    for (int i = 0; i < n; ++i) {
        const double cx = pos(rng), cy = pos(rng);
        const double sigma = 1.2 + (i % 4) * 0.3;
        cv::Mat frame(200, 200, CV_8UC1);
        for (int r = 0; r < frame.rows; ++r)
            for (int c = 0; c < frame.cols; ++c) {
                const double d2 = (c - cx) * (c - cx) + (r - cy) * (r - cy);
                frame.at<uchar>(r, c) = cv::saturate_cast<uchar>(noise(rng) + 180.0 * std::exp(-d2 / (2 * sigma * sigma)));
            }
        double x = 0, y = 0;
        // Rough position a few pixels off, as a click would be.
        QCOMPARE(starMath.GetPreciseStarPos(frame, cx + 4.3, cy - 3.1, &x, &y), 0);
        const double dx = x - cx, dy = y - cy;
        sumDx += dx;
        sumDy += dy;
        sumDx2 += dx * dx;
        sumDy2 += dy * dy;
        worst = std::max(worst, std::hypot(dx, dy));
    }
    const double biasX = sumDx / n, biasY = sumDy / n;
    const double scatterX = std::sqrt(sumDx2 / n - biasX * biasX);
    const double scatterY = std::sqrt(sumDy2 / n - biasY * biasY);
    qInfo("centroid_bias_px: %.5f, %.5f", biasX, biasY);
    qInfo("centroid_scatter_px: %.4f, %.4f", scatterX, scatterY);
    qInfo("centroid_worst_px: %.4f", worst);
    QVERIFY2(std::fabs(biasX) < 0.05 && std::fabs(biasY) < 0.05, "centroid is biased");
    QVERIFY2(scatterX < 0.25 && scatterY < 0.25, "centroid scatter too large");
    QVERIFY2(worst < 0.8, "a star was missed by more than 0.8 px");
}

QTEST_MAIN(TestStarPos)
#include "test_starpos.moc"
