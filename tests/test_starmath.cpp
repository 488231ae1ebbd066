// Star measurement, pole geometry and refraction: pure functions checked against
// references, random shapes and literature numbers.
#include "starmath/medianwindow.h"
#include "starmath/starmath.h"
#include "starmath/starmeasure.h"
#include "starmath/startemplate.h"
#include "testsupport.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <limits>
#include <random>

namespace {

const double kPi = 3.141592653589793;

// The measurement as first written: whole-frame median, cv::minMaxLoc, cv::moments.
int referenceGravityCenter(const cv::Mat &median, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = int(x - 10.0), top = int(y - 10.0);
    if (left < 0 || top < 0 || left + 20 > median.cols || top + 20 > median.rows)
        return -1;
    const cv::Mat win = median(cv::Rect(left, top, 20, 20));
    double maxVal = 0;
    cv::minMaxLoc(win, nullptr, &maxVal);
    const double mean = cv::mean(win)[0];
    if (2.5 > maxVal / mean)
        return -1;
    cv::Mat tmp, weights;
    win.convertTo(tmp, CV_64F, 1.0, -(mean + (maxVal - mean) * 0.3));
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
    const int left = int(x - 20.0), top = int(y - 20.0);
    if (left < 0 || top < 0 || left + 40 > frame.cols || top + 40 > frame.rows)
        return -1;
    cv::Mat median;
    cv::medianBlur(frame, median, 3);
    const cv::Mat win = median(cv::Rect(left, top, 40, 40));
    if (cv::mean(win)[0] == 0)
        return -1;
    double maxVal = 0;
    cv::Point loc; // the first maximum in row-major order
    cv::minMaxLoc(win, nullptr, &maxVal, nullptr, &loc);
    if (referenceGravityCenter(median, left + loc.x, top + loc.y, ox, oy) != 0) {
        *ox = left + loc.x;
        *oy = top + loc.y;
    }
    return 0;
}

// Random sky: noisy background, a few stars, hot pixels and black patches.
cv::Mat randomSky(std::mt19937 &rng, int w, int h)
{
    cv::Mat f(h, w, CV_8UC1);
    cv::randu(f, cv::Scalar(0), cv::Scalar(std::uniform_int_distribution<int>(0, 3)(rng) * 6 + 1));
    std::uniform_real_distribution<double> ux(0, w), uy(0, h), amp(20, 255), sig(0.6, 3.0);
    for (int s = std::uniform_int_distribution<int>(0, 6)(rng); s > 0; --s) {
        const double cx = ux(rng), cy = uy(rng), a = amp(rng), sg = sig(rng);
        for (int r = std::max(0, int(cy) - 12); r < std::min(h, int(cy) + 13); ++r)
            for (int c = std::max(0, int(cx) - 12); c < std::min(w, int(cx) + 13); ++c)
                f.at<uchar>(r, c) = cv::saturate_cast<uchar>(
                    f.at<uchar>(r, c) + a * std::exp(-((c - cx) * (c - cx) + (r - cy) * (r - cy)) / (2 * sg * sg)));
    }
    for (int s = 0; s < 10; ++s)
        f.at<uchar>(int(uy(rng)), int(ux(rng))) = 255;
    if (rng() % 3 == 0)
        f(cv::Rect(0, 0, w / 2, h / 2)).setTo(0);
    return f;
}

} // namespace

class TestStarMath : public QObject
{
    Q_OBJECT

private slots:
    void medianWindowMatchesWholeFrame();
    void starPosMatchesReference();
    void gaussianStarsAreFoundUnbiased();
    void circles();
    void poles();
    void randomTrianglesRecovered();
    void refraction();
    void starData();
    void measureRefuses();
};

void TestStarMath::medianWindowMatchesWholeFrame()
{
    std::mt19937 rng(1234);
    for (int f = 0; f < 60; ++f) {
        const int w = std::uniform_int_distribution<int>(20, 140)(rng);
        const int h = std::uniform_int_distribution<int>(20, 140)(rng);
        cv::Mat frame(h, w, CV_8UC1), whole;
        cv::randu(frame, cv::Scalar(0), cv::Scalar(256));
        cv::medianBlur(frame, whole, 3);
        for (int k = 0; k < 24; ++k) {
            const int size = (k % 2) ? 20 : std::min(20, std::min(w, h));
            int x = std::uniform_int_distribution<int>(0, w - size)(rng);
            int y = std::uniform_int_distribution<int>(0, h - size)(rng);
            if (k % 8 == 0)
                x = y = 0; // corners and edges
            else if (k % 8 == 2)
                x = w - size, y = h - size;
            const cv::Rect rect = k == 22 ? cv::Rect(0, 0, w, h) : k == 23 ? cv::Rect(w - 1, 0, 1, h)
                                                                             : cv::Rect(x, y, size, size);
            QCOMPARE(cv::norm(medianWindow(frame, rect), whole(rect), cv::NORM_INF), 0.0);
        }
    }
}

// Random skies with stars, hot pixels and black patches: every answer, the fallbacks
// included, is the whole-frame reference's to the last bit.
void TestStarMath::starPosMatchesReference()
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
            if (k % 5 == 0)
                x = 19.95, y = h - 20.0;
            if (k % 5 == 1)
                x = w - 20.0, y = 20.0;
            double ox = -1, oy = -1, rx = -2, ry = -2;
            const int rc = starMath.GetPreciseStarPos(frame, x, y, &ox, &oy);
            QCOMPARE(rc, referencePreciseStarPos(frame, x, y, &rx, &ry));
            QCOMPARE(ox, rx);
            QCOMPARE(oy, ry);
            ++calls;
            centroids += rc == 0 && (ox != std::floor(ox) || oy != std::floor(oy));
        }
    }
    QVERIFY2(centroids > calls / 5, "the random skies must reach the centroid, not only the fallbacks");
    double ox = 0, oy = 0; // no image, or a position that is no number: refused, the position kept
    QVERIFY(starMath.GetPreciseStarPos(cv::Mat(), 50, 60, &ox, &oy) == -1 && ox == 50 && oy == 60);
    QVERIFY(starMath.GetPreciseStarPos(cv::Mat(200, 200, CV_8UC1), std::nan(""), 1, &ox, &oy) == -1 && std::isnan(ox));
}

void TestStarMath::gaussianStarsAreFoundUnbiased()
{
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(12.0, 3.0);
    std::uniform_real_distribution<double> pos(60.0, 140.0);
    const int n = 400;
    double sx = 0, sy = 0, sx2 = 0, sy2 = 0, worst = 0;
    for (int i = 0; i < n; ++i) {
        const double cx = pos(rng), cy = pos(rng), sigma = 1.2 + (i % 4) * 0.3;
        cv::Mat frame(200, 200, CV_8UC1);
        for (int r = 0; r < frame.rows; ++r)
            for (int c = 0; c < frame.cols; ++c)
                frame.at<uchar>(r, c) = cv::saturate_cast<uchar>(
                    noise(rng) + 180.0 * std::exp(-((c - cx) * (c - cx) + (r - cy) * (r - cy)) / (2 * sigma * sigma)));
        double x = 0, y = 0;
        QCOMPARE(starMath.GetPreciseStarPos(frame, cx + 4.3, cy - 3.1, &x, &y), 0); // a click a little off
        sx += x - cx, sy += y - cy, sx2 += (x - cx) * (x - cx), sy2 += (y - cy) * (y - cy);
        worst = std::max(worst, std::hypot(x - cx, y - cy));
    }
    const double bx = sx / n, by = sy / n;
    const double scatter = std::max(std::sqrt(sx2 / n - bx * bx), std::sqrt(sy2 / n - by * by));
    qInfo("centroid_bias_px: %.5f, %.5f scatter: %.4f worst: %.4f", bx, by, scatter, worst);
    QVERIFY2(std::fabs(bx) < 0.05 && std::fabs(by) < 0.05, "centroid is biased");
    QVERIFY2(scatter < 0.25 && worst < 0.8, "centroid scatter too large");
}

// Random circles (some with a horizontal chord) come back exactly; collinear or
// coinciding picks fail with the message and leave the caller's values alone.
void TestStarMath::circles()
{
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> centre(-500, 1800), rad(20, 900), ang(0, 360);
    double worst = 0;
    for (int i = 0; i < 2000; ++i) {
        const double cx = centre(rng), cy = centre(rng), r = rad(rng);
        double a[3] = {ang(rng), ang(rng), ang(rng)};
        if (i % 10 == 0)
            a[1] = 180 - a[0];
        if (std::fabs(a[0] - a[1]) < 5 || std::fabs(a[1] - a[2]) < 5 || std::fabs(a[0] - a[2]) < 5)
            continue;
        double x[3], y[3], ox = 0, oy = 0;
        for (int k = 0; k < 3; ++k)
            x[k] = cx + r * std::cos(a[k] * kPi / 180), y[k] = cy + r * std::sin(a[k] * kPi / 180);
        if (i % 10 == 0)
            y[1] = y[0];
        int orad = 0;
        QCOMPARE(starMath.CalcCircleCenter(x[0], y[0], x[1], y[1], x[2], y[2], &ox, &oy, &orad), 0);
        worst = std::max(worst, std::hypot(ox - cx, oy - cy));
        QVERIFY(std::abs(orad - int(r)) <= 1);
    }
    QVERIFY2(worst < 1e-6, qPrintable(QString("worst centre error %1").arg(worst)));
    const QList<QList<double>> bad = {{0, 0, 1, 1, 2, 2}, {0, 0, 0, 5, 0, 9}, {0, 3, 5, 3, 9, 3},
                                      {4, 4, 4, 4, 9, 1}, {4, 4, 4, 4, 4, 4}, {0, 0, 1e6, 1e-9, 2e6, 0}};
    for (const QList<double> &p : bad) {
        CriticalCatcher catcher;
        double ox = 7, oy = 8;
        int r = 9;
        QCOMPARE(starMath.CalcCircleCenter(p[0], p[1], p[2], p[3], p[4], p[5], &ox, &oy, &r), -1);
        QCOMPARE(catcher.messages, QStringList{"Point in a straight line,Can not calculate center of cricle."});
        QVERIFY(ox == 7 && oy == 8 && r == 9);
    }
}

// The pole of the triangle A-B-P, the candidate nearer the reference; failures say
// why and give (0, 0). The mask variant chooses by the angle at B from star D.
void TestStarMath::poles()
{
    const double r3 = 25 * std::sqrt(3.0), nan = std::numeric_limits<double>::quiet_NaN();
    const QString invalid = "CalcPoleCOOR - Calculate pole failed as invalid value.";
    const struct { QList<double> in; QPointF pole; QString message; } rows[] = { // ax, ay, angleA, bx, by, angleB, refX, refY
        {{0, 0, 45, 10, 0, 45, 5, 100}, {5, 5}, ""},                 {{0, 0, 45, 10, 0, 45, 0, 0}, {5, -5}, ""},
        {{100, 100, 30, 200, 100, 60, 175, 200}, {175, 100 + r3}, ""}, {{200, 100, 60, 100, 100, 30, 0, 0}, {175, 100 - r3}, ""},
        {{0, 0, 45, 0, 10, 45, 100, 5}, {5, 5}, ""},                 {{0, 0, 45, 0, 10, 45, 0, 5}, {-5, 5}, ""},
        {{0, 0, 90, 10, 0, 90, 640, 480}, {}, invalid},              {{400, 400, 12, 400, 400, 18, 640, 480}, {}, invalid},
        {{445, 218, 0, 400, 400, 0, 640, 480}, {}, "CalcPoleCOOR - Calculate pole failed."},
        {{0, 0, nan, 10, 0, 45, 640, 480}, {}, ""}};
    for (const auto &row : rows) {
        const QList<double> &in = row.in;
        CriticalCatcher catcher;
        double ox = 3, oy = 4;
        const int rc = starMath.CalcPoleCOOR(in[0], in[1], in[2], in[3], in[4], in[5], &ox, &oy, in[6], in[7]);
        QVERIFY2(rc == (row.pole.isNull() ? -1 : 0) && near(QPointF(ox, oy), row.pole, 1e-9),
                 qPrintable(QString("%1: (%2, %3)").arg(rc).arg(ox).arg(oy)));
        QCOMPARE(catcher.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message});
    }
    const double bap = 12.4543449046107, abp = 18.4713634052194, dbp = 115.088198660843; // north, 2016
    double ox = 0, oy = 0;
    QCOMPARE(starMath.CalcMaskPoleCOOR(445, 218, bap, 400, 400, abp, &ox, &oy, 648, 495, dbp), 0);
    QVERIFY(near(QPointF(ox, oy), QPointF(393.71, 321.58), 0.005));
    QCOMPARE(starMath.CalcPoleCOOR(445, 218, bap, 400, 400, abp, &ox, &oy, 442, 334), 0); // the other candidate
    QVERIFY(near(QPointF(ox, oy), QPointF(442.11, 333.54), 0.005));
}

// P built from random A, B and angles (vertical and near-vertical bases too) comes back.
void TestStarMath::randomTrianglesRecovered()
{
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> coord(0, 1280), angle(2, 85), side(-1, 1);
    double worst = 0;
    for (int i = 0; i < 3000; ++i) {
        const double ax = coord(rng), ay = coord(rng);
        double bx = coord(rng), by = coord(rng);
        if (i % 7 == 0)
            bx = ax + (i % 2 ? 0.0 : 1e-7);
        if (std::hypot(bx - ax, by - ay) < 20)
            continue;
        const double angleA = angle(rng), angleB = angle(rng), d = std::hypot(bx - ax, by - ay);
        const double rA = d * std::sin(angleB * kPi / 180) / std::sin((180 - angleA - angleB) * kPi / 180);
        const double base = std::atan2(by - ay, bx - ax) + (side(rng) < 0 ? -1 : 1) * angleA * kPi / 180;
        const double px = ax + rA * std::cos(base), py = ay + rA * std::sin(base);
        double ox = 0, oy = 0;
        QCOMPARE(starMath.CalcPoleCOOR(ax, ay, angleA, bx, by, angleB, &ox, &oy, px, py), 0);
        worst = std::max(worst, std::hypot(ox - px, oy - py) / std::max(1.0, rA));
    }
    QVERIFY2(worst < 1e-9, qPrintable(QString("worst relative error %1").arg(worst)));
}

// Bennett's refraction in arcminutes, scaled by pressure and temperature.
void TestStarMath::refraction()
{
    const struct { double h, pressure, temperature, shift; } rows[] = {
        {39.9, 101, 10, 1.18901}, {0, 101, 10, 34.4775}, {90, 101, 10, 0}, // the zenith clamps to 0
        {39.9, 50.5, 10, 1.18901 / 2}, {39.9, 101, 40, 1.18901 * 283 / 313},
        {39.9, 50, -273, 1.18901}}; // absolute zero skips the factor
    for (const auto &row : rows) {
        double out = 0;
        QCOMPARE(starMath.CorrectRefraction(500.0, row.h, row.pressure, row.temperature, &out), 0);
        QVERIFY2(std::fabs(500.0 - out - row.shift) < 5e-5, qPrintable(QString("h %1: shift %2").arg(row.h).arg(500.0 - out)));
    }
}

// Rows change on 23 November, dates outside the table take its nearest row, and every
// shipped year gives both poles, the cross in real colours even on an indexed image.
// Missing keys keep the default stars and give no pole, logged, and no cross.
void TestStarMath::starData()
{
    const QPair<QDate, const char *> rows[] = {{QDate(2010, 6, 1), "20160523"}, {QDate(2020, 11, 22), "20200523"},
        {QDate(2020, 11, 23), "20210523"}, {QDate(2021, 1, 1), "20210523"}, {QDate(2035, 11, 22), "20350523"},
        {QDate(2035, 11, 23), "20350523"}, {QDate(2080, 3, 1), "20350523"}};
    for (const auto &row : rows)
        QCOMPARE(starDataRowSuffix(row.first), QString(row.second));
    CriticalCatcher critical;
    for (int year = 2016; year <= 2035; ++year) {
        loadStarTemplates(QDate(year, 5, 23));
        QImage north(800, 600, QImage::Format_Indexed8);
        north.setColorTable({qRgb(0, 0, 0)});
        north.fill(0);
        calcTemplatePoles(&north, nullptr);
        QVERIFY2(northTemplate.poleFound && !southTemplate.poleFound, qPrintable(QString::number(year)));
        QVERIFY(north.format() != QImage::Format_Indexed8 && north.pixel(northTemplate.maskPole.toPoint()) != qRgb(0, 0, 0));
        calcTemplatePoles();
        QVERIFY(southTemplate.poleFound);
    }
    QCOMPARE(critical.messages, QStringList());
    QTemporaryDir dir;
    QSettings(dir.filePath("s.ini"), QSettings::IniFormat).setValue("A_X_Mask", 111.0);
    StarTemplate t = northTemplate;
    loadStarTemplate(dir.filePath("s.ini"), "20200523", 1, &t);
    QVERIFY(t.maskA == QPointF(111, northTemplate.maskA.y()) && t.maskB == northTemplate.maskB && t.angleBAP == 0 && t.angleDBP == 0);
    northTemplate = t;
    QImage mask(400, 400, QImage::Format_RGB32);
    mask.fill(Qt::black);
    calcTemplatePoles(&mask, nullptr);
    markTemplatePole(northTemplate, &mask);
    QVERIFY(!northTemplate.poleFound && mask.allGray()); // no cross
    QCOMPARE(critical.messages.last(), QString("Failed to calculate the north pole."));
}

// What is not a measurable star gives nothing, never a guess.
void TestStarMath::measureRefuses()
{
    cv::Mat sky(960, 1280, CV_8UC1, cv::Scalar(8)), edge = sky.clone(), disc = sky.clone();
    cv::circle(edge, cv::Point(4, 300), 2, cv::Scalar(220), -1);
    cv::circle(edge, cv::Point(600, 400), 2, cv::Scalar(220), -1);
    cv::circle(disc, cv::Point(500, 300), 8, cv::Scalar(255), -1);
    const struct { cv::Mat frame; QPointF near; int radius; } rows[] = {{cv::Mat(), {500, 300}, 10},
        {cv::Mat(960, 1280, CV_16UC1, cv::Scalar(8)), {500, 300}, 10}, {edge, {600, 400}, 0},
        {edge, {qQNaN(), 300}, 10}, {edge, {1e9, 300}, 10}, {sky, {500, 300}, 10}, {edge, {6, 300}, 10},
        {disc, {500, 300}, 10}};
    QPointF out(-1, -1);
    for (const auto &row : rows)
        QVERIFY2(!measureStar(row.frame, row.near, row.radius, &out) && out == QPointF(-1, -1), qPrintable(QString::number(&row - rows)));
}

QTEST_MAIN(TestStarMath)
#include "test_starmath.moc"
