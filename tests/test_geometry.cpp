// Axis circle, point rotation, pole triangle and refraction.
#include "starmath/starmath.h"

#include "testsupport.h"

#include <QStringList>
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

const QString kCollinear = "Point in a straight line,Can not calculate center of cricle.";
const double kPi = 3.141592653589793;

bool near(double a, double b, double tol)
{
    return std::fabs(a - b) <= tol;
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void circleCenter_data();
    void circleCenter();
    void circleFailures_data();
    void circleFailures();
    void randomCirclesRecovered();

    void rotatePoint_data();
    void rotatePoint();

    void poleCandidates_data();
    void poleCandidates();
    void poleFailures_data();
    void poleFailures();
    void verticalBaseIsAsAccurate_data();
    void verticalBaseIsAsAccurate();
    void randomTrianglesRecovered();
    void maskPoleNorth2016();
    void selectPoleByAngle();

    void refraction_data();
    void refraction();
};

void TestGeometry::circleCenter_data()
{
    QTest::addColumn<QList<double>>("pts");
    QTest::addColumn<double>("cx");
    QTest::addColumn<double>("cy");
    QTest::addColumn<int>("radius");

    QTest::newRow("quarter turns") << QList<double>{100, 50, 150, 100, 100, 150} << 100.0 << 100.0 << 50;
    QTest::newRow("around origin") << QList<double>{10, 0, 0, 10, -10, 0} << 0.0 << 0.0 << 10;
    QTest::newRow("radius truncated") << QList<double>{0, 0, 1, 3, 4, 0} << 2.0 << 1.0 << 2;
    // Chords 1-2 or 2-3 horizontal: valid circles all the same.
    QTest::newRow("first two share y") << QList<double>{0, 5, 10, 5, 5, 0} << 5.0 << 5.0 << 5;
    QTest::newRow("last two share y") << QList<double>{5, 0, 0, 5, 5, 5} << 2.5 << 2.5 << 3;
    QTest::newRow("first and last share y") << QList<double>{0, 0, 5, 5, 10, 0} << 5.0 << 0.0 << 5;
    QTest::newRow("first two share x") << QList<double>{0, 0, 0, 10, 10, 10} << 5.0 << 5.0 << 7;
}

void TestGeometry::circleCenter()
{
    QFETCH(QList<double>, pts);
    QFETCH(double, cx);
    QFETCH(double, cy);
    QFETCH(int, radius);
    CriticalCatcher catcher;
    double ox = -1, oy = -1;
    int r = -1;
    QCOMPARE(starMath.CalcCircleCenter(pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], &ox, &oy, &r), 0);
    QVERIFY2(near(ox, cx, 1e-12) && near(oy, cy, 1e-12),
             qPrintable(QString("got (%1, %2)").arg(ox, 0, 'g', 17).arg(oy, 0, 'g', 17)));
    QCOMPARE(r, radius);
    QVERIFY(catcher.messages.isEmpty());
}

void TestGeometry::circleFailures_data()
{
    QTest::addColumn<QList<double>>("pts");
    QTest::newRow("diagonal line") << QList<double>{0, 0, 1, 1, 2, 2};
    QTest::newRow("vertical line") << QList<double>{0, 0, 0, 5, 0, 9};
    QTest::newRow("horizontal line") << QList<double>{0, 3, 5, 3, 9, 3};
    QTest::newRow("two points coincide") << QList<double>{4, 4, 4, 4, 9, 1};
    QTest::newRow("all coincide") << QList<double>{4, 4, 4, 4, 4, 4};
    QTest::newRow("nearly collinear, radius beyond int") << QList<double>{0, 0, 1e6, 1e-9, 2e6, 0};
}

void TestGeometry::circleFailures()
{
    QFETCH(QList<double>, pts);
    CriticalCatcher catcher;
    double ox = 7, oy = 8;
    int r = 9;
    QCOMPARE(starMath.CalcCircleCenter(pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], &ox, &oy, &r), -1);
    QCOMPARE(catcher.messages, QStringList{kCollinear});
    // A failed pick leaves the caller's values alone.
    QCOMPARE(ox, 7.0);
    QCOMPARE(oy, 8.0);
    QCOMPARE(r, 9);
}

void TestGeometry::randomCirclesRecovered()
{
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> centre(-500, 1800), rad(20, 900), ang(0, 360);
    double worst = 0;
    for (int i = 0; i < 2000; ++i) {
        const double cx = centre(rng), cy = centre(rng), r = rad(rng);
        double a[3];
        for (double &v : a)
            v = ang(rng);
        // Every tenth case shares a y coordinate between neighbours.
        if (i % 10 == 0)
            a[1] = 180 - a[0];
        // Keep the three picks at least a few degrees apart, as RA turns between picks are.
        if (std::fabs(a[0] - a[1]) < 5 || std::fabs(a[1] - a[2]) < 5 || std::fabs(a[0] - a[2]) < 5)
            continue;
        double x[3], y[3];
        for (int k = 0; k < 3; ++k) {
            x[k] = cx + r * std::cos(a[k] * kPi / 180);
            y[k] = cy + r * std::sin(a[k] * kPi / 180);
        }
        if (i % 10 == 0)
            y[1] = y[0];
        double ox = 0, oy = 0;
        int orad = 0;
        QCOMPARE(starMath.CalcCircleCenter(x[0], y[0], x[1], y[1], x[2], y[2], &ox, &oy, &orad), 0);
        worst = std::max(worst, std::hypot(ox - cx, oy - cy));
        QVERIFY(std::abs(orad - static_cast<int>(r)) <= 1);
    }
    qInfo("circle_centre_worst_error_px: %.3g", worst);
    QVERIFY(worst < 1e-6);
}

void TestGeometry::rotatePoint_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("ex");
    QTest::addColumn<double>("ey");
    QTest::newRow("90 clockwise on screen") << 90.0 << 110.0 << 100.0 << 100.0 << 110.0;
    QTest::newRow("-90") << -90.0 << 110.0 << 100.0 << 100.0 << 90.0;
    QTest::newRow("30") << 30.0 << 110.0 << 100.0 << 100.0 + 10 * std::sqrt(3.0) / 2 << 105.0;
    QTest::newRow("0 leaves the point") << 0.0 << 123.456 << 78.9 << 123.456 << 78.9;
    QTest::newRow("360 comes back") << 360.0 << 110.0 << 100.0 << 110.0 << 100.0;
}

void TestGeometry::rotatePoint()
{
    QFETCH(double, angle);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, ex);
    QFETCH(double, ey);
    double ox = 0, oy = 0;
    starMath.RotatePoint(angle, x, y, 100, 100, &ox, &oy);
    QVERIFY2(near(ox, ex, 1e-9) && near(oy, ey, 1e-9),
             qPrintable(QString("got (%1, %2)").arg(ox, 0, 'g', 12).arg(oy, 0, 'g', 12)));
    if (angle == 0) {
        QCOMPARE(ox, x);
        QCOMPARE(oy, y);
    }
}

void TestGeometry::poleCandidates_data()
{
    QTest::addColumn<QList<double>>("in"); // ax, ay, angleA, bx, by, angleB, refX, refY
    QTest::addColumn<double>("ex");
    QTest::addColumn<double>("ey");
    QTest::newRow("reference below") << QList<double>{0, 0, 45, 10, 0, 45, 5, 100} << 5.0 << 5.0;
    QTest::newRow("reference above") << QList<double>{0, 0, 45, 10, 0, 45, 5, -100} << 5.0 << -5.0;
    QTest::newRow("tie takes the upper") << QList<double>{0, 0, 45, 10, 0, 45, 0, 0} << 5.0 << -5.0;
    QTest::newRow("30/60 lower") << QList<double>{100, 100, 30, 200, 100, 60, 175, 200} << 175.0 << 100 + 25 * std::sqrt(3.0);
    QTest::newRow("30/60 upper") << QList<double>{100, 100, 30, 200, 100, 60, 175, 0} << 175.0 << 100 - 25 * std::sqrt(3.0);
    QTest::newRow("B left of A") << QList<double>{200, 100, 60, 100, 100, 30, 0, 0} << 175.0 << 100 - 25 * std::sqrt(3.0);
    // Vertical AB: the candidates lie left and right of it.
    QTest::newRow("vertical, reference left") << QList<double>{0, 0, 45, 0, 10, 45, -100, 5} << -5.0 << 5.0;
    QTest::newRow("vertical, reference right") << QList<double>{0, 0, 45, 0, 10, 45, 100, 5} << 5.0 << 5.0;
    QTest::newRow("vertical, tie takes the left") << QList<double>{0, 0, 45, 0, 10, 45, 0, 5} << -5.0 << 5.0;
}

void TestGeometry::poleCandidates()
{
    QFETCH(QList<double>, in);
    QFETCH(double, ex);
    QFETCH(double, ey);
    CriticalCatcher catcher;
    double ox = 0, oy = 0;
    QCOMPARE(starMath.CalcPoleCOOR(in[0], in[1], in[2], in[3], in[4], in[5], &ox, &oy, in[6], in[7]), 0);
    QVERIFY2(near(ox, ex, 1e-9) && near(oy, ey, 1e-9),
             qPrintable(QString("got (%1, %2)").arg(ox, 0, 'g', 15).arg(oy, 0, 'g', 15)));
    QVERIFY(catcher.messages.isEmpty());
}

void TestGeometry::poleFailures_data()
{
    QTest::addColumn<QList<double>>("in"); // ax, ay, angleA, bx, by, angleB
    QTest::addColumn<QString>("poleMessage");
    QTest::addColumn<QString>("maskMessage");
    const QString invalid = "CalcPoleCOOR - Calculate pole failed as invalid value.";
    const QString failed = "CalcPoleCOOR - Calculate pole failed.";
    const QString maskInvalid = "invalid points, can not calculate pole.";
    const QString maskFailed = "did not calculate the appropriate pole";
    QTest::newRow("angles sum to 180") << QList<double>{0, 0, 90, 10, 0, 90} << invalid << maskInvalid;
    QTest::newRow("A and B coincide") << QList<double>{400, 400, 12, 400, 400, 18} << invalid << maskInvalid;
    QTest::newRow("both angles 0") << QList<double>{445, 218, 0, 400, 400, 0} << failed << maskFailed;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("not a number") << QList<double>{0, 0, nan, 10, 0, 45} << QString() << maskFailed;
}

void TestGeometry::poleFailures()
{
    QFETCH(QList<double>, in);
    QFETCH(QString, poleMessage);
    QFETCH(QString, maskMessage);
    CriticalCatcher catcher;
    double ox = 3, oy = 4;
    QCOMPARE(starMath.CalcPoleCOOR(in[0], in[1], in[2], in[3], in[4], in[5], &ox, &oy, 640, 480), -1);
    QCOMPARE(ox, 0.0);
    QCOMPARE(oy, 0.0);
    QCOMPARE(catcher.messages, poleMessage.isEmpty() ? QStringList() : QStringList{poleMessage});
    catcher.messages.clear();
    ox = 3;
    oy = 4;
    QCOMPARE(starMath.CalcMaskPoleCOOR(in[0], in[1], in[2], in[3], in[4], in[5], &ox, &oy, 648, 495, 115), -1);
    QCOMPARE(ox, 0.0);
    QCOMPARE(oy, 0.0);
    QCOMPARE(catcher.messages, QStringList{maskMessage});
}

void TestGeometry::verticalBaseIsAsAccurate_data()
{
    QTest::addColumn<double>("dx");
    QTest::newRow("exactly vertical") << 0.0;
    QTest::newRow("1e-6 off vertical") << 1e-6;
    QTest::newRow("1e-3 off vertical") << 1e-3;
    QTest::newRow("-1e-6 off vertical") << -1e-6;
}

void TestGeometry::verticalBaseIsAsAccurate()
{
    // The well-conditioned horizontal case A (100, 100), B (200, 100), 30/60 degrees,
    // turned by about a right angle about A: B goes to (100 + dx, 200).
    QFETCH(double, dx);
    const double ax = 100, ay = 100, bx = 100 + dx, by = 200;
    // True candidates: turn (175, 100 -+ 25 sqrt 3) about A by the base's own angle.
    const double turn = std::atan2(by - ay, bx - ax) * 180 / kPi;
    double e1x, e1y, e2x, e2y;
    starMath.RotatePoint(turn, 175, 100 + 25 * std::sqrt(3.0), ax, ay, &e1x, &e1y);
    starMath.RotatePoint(turn, 175, 100 - 25 * std::sqrt(3.0), ax, ay, &e2x, &e2y);
    // The tilted base is a hair longer than 100; the triangle grows with it.
    const double scale = std::hypot(bx - ax, by - ay) / 100.0;
    e1x = ax + (e1x - ax) * scale;
    e1y = ay + (e1y - ay) * scale;
    e2x = ax + (e2x - ax) * scale;
    e2y = ay + (e2y - ay) * scale;

    CriticalCatcher catcher;
    double ox = 0, oy = 0;
    // A reference on each candidate must return that candidate.
    QCOMPARE(starMath.CalcPoleCOOR(ax, ay, 30, bx, by, 60, &ox, &oy, e1x, e1y), 0);
    QVERIFY2(std::hypot(ox - e1x, oy - e1y) < 1e-10, qPrintable(QString("error %1").arg(std::hypot(ox - e1x, oy - e1y))));
    QCOMPARE(starMath.CalcPoleCOOR(ax, ay, 30, bx, by, 60, &ox, &oy, e2x, e2y), 0);
    QVERIFY2(std::hypot(ox - e2x, oy - e2y) < 1e-10, qPrintable(QString("error %1").arg(std::hypot(ox - e2x, oy - e2y))));
    QVERIFY(catcher.messages.isEmpty());
}

void TestGeometry::randomTrianglesRecovered()
{
    // Build P from random A, B and angles, then ask for it back.
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> coord(0, 1280), angle(2, 85), side(-1, 1);
    double worst = 0;
    for (int i = 0; i < 3000; ++i) {
        const double ax = coord(rng), ay = coord(rng);
        double bx = coord(rng), by = coord(rng);
        if (i % 7 == 0)
            bx = ax + (i % 2 ? 0.0 : 1e-7); // vertical and near-vertical bases
        if (std::hypot(bx - ax, by - ay) < 20)
            continue;
        const double angleA = angle(rng), angleB = angle(rng);
        // P seen from A: the direction to B turned by angleA to one side, at distance rA.
        const double d = std::hypot(bx - ax, by - ay);
        const double rA = d * std::sin(angleB * kPi / 180) / std::sin((180 - angleA - angleB) * kPi / 180);
        const double sideSign = side(rng) < 0 ? -1 : 1;
        const double base = std::atan2(by - ay, bx - ax) + sideSign * angleA * kPi / 180;
        const double px = ax + rA * std::cos(base), py = ay + rA * std::sin(base);
        double ox = 0, oy = 0;
        // Reference right at P: the true candidate must win.
        QCOMPARE(starMath.CalcPoleCOOR(ax, ay, angleA, bx, by, angleB, &ox, &oy, px, py), 0);
        worst = std::max(worst, std::hypot(ox - px, oy - py) / std::max(1.0, rA));
    }
    qInfo("pole_relative_worst_error: %.3g", worst);
    QVERIFY(worst < 1e-9);
}

void TestGeometry::maskPoleNorth2016()
{
    const double bap = 1245434490461070 / 1e14, abp = 1847136340521940 / 1e14;
    const double dbp = 11508819866084300 / 1e14;
    CriticalCatcher catcher;
    double ox = 0, oy = 0;
    QCOMPARE(starMath.CalcMaskPoleCOOR(445, 218, bap, 400, 400, abp, &ox, &oy, 648, 495, dbp), 0);
    QVERIFY2(near(ox, 393.71, 0.005) && near(oy, 321.58, 0.005),
             qPrintable(QString("got (%1, %2)").arg(ox).arg(oy)));
    // The other candidate is the one nearer the frame corner.
    QCOMPARE(starMath.CalcPoleCOOR(445, 218, bap, 400, 400, abp, &ox, &oy, 442, 334), 0);
    QVERIFY2(near(ox, 442.11, 0.005) && near(oy, 333.54, 0.005),
             qPrintable(QString("got (%1, %2)").arg(ox).arg(oy)));
    QVERIFY(catcher.messages.isEmpty());
}

void TestGeometry::selectPoleByAngle()
{
    double ox = 0, oy = 0;
    // Candidates at 78.60 and 115.54 degrees from D about B.
    starMath.SelectPoleByAngle(442.11, 333.54, 393.71, 321.58, 648, 495, 400, 400, 115.09, &ox, &oy);
    QCOMPARE(ox, 393.71);
    starMath.SelectPoleByAngle(393.71, 321.58, 442.11, 333.54, 648, 495, 400, 400, 115.09, &ox, &oy);
    QCOMPARE(ox, 393.71);
    starMath.SelectPoleByAngle(393.71, 321.58, 442.11, 333.54, 648, 495, 400, 400, 80, &ox, &oy);
    QCOMPARE(ox, 442.11);
    // Mirror candidates make equal angles: the second wins the tie.
    starMath.SelectPoleByAngle(10, 5, 10, -5, 20, 0, 0, 0, 30, &ox, &oy);
    QCOMPARE(oy, -5.0);
    // A candidate on B has no angle: the second wins.
    starMath.SelectPoleByAngle(1, 1, 0, 0, 20, 0, 0, 0, 45, &ox, &oy);
    QCOMPARE(ox, 0.0);
}

void TestGeometry::refraction_data()
{
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("shift");
    QTest::newRow("default site, 39.9 deg") << 39.9 << 101.0 << 10.0 << 1.18901;
    QTest::newRow("horizon") << 0.0 << 101.0 << 10.0 << 34.4775;
    QTest::newRow("zenith clamps to 0") << 90.0 << 101.0 << 10.0 << 0.0;
    QTest::newRow("half pressure halves it") << 39.9 << 50.5 << 10.0 << 1.18901 / 2;
    QTest::newRow("warmer air bends less") << 39.9 << 101.0 << 40.0 << 1.18901 * 283 / 313;
    QTest::newRow("absolute zero skips the factor") << 39.9 << 50.0 << -273.0 << 1.18901;
}

void TestGeometry::refraction()
{
    QFETCH(double, h);
    QFETCH(double, pressure);
    QFETCH(double, temperature);
    QFETCH(double, shift);
    double out = 0;
    QCOMPARE(starMath.CorrectRefraction(500.0, h, pressure, temperature, &out), 0);
    QVERIFY2(near(500.0 - out, shift, 5e-5), qPrintable(QString("shift %1").arg(500.0 - out, 0, 'g', 8)));
}

QTEST_MAIN(TestGeometry)
#include "test_geometry.moc"
