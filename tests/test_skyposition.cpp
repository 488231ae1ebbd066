// The sky of now against the simulated camera's independent sky model: the pole
// from the computed angles, the refraction correction, and the altitude and
// azimuth figures with their words, over dates, hemispheres, misalignments and
// camera turns.
#include "mainwindow/mainwindow.h"
#include "starmath/skyposition.h"
#include "starmath/starmath.h"

#include "tavrinsim.h"

#include <QtTest>

#include <cmath>

class TestSkyPosition : public QObject
{
    Q_OBJECT

private slots:
    void againstSimulatedSky_data();
    void againstSimulatedSky();
    void directionWords_data();
    void directionWords();
};

void TestSkyPosition::againstSimulatedSky_data()
{
    QTest::addColumn<bool>("south");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("altError");
    QTest::addColumn<double>("azError");
    QTest::addColumn<bool>("refraction");

    const QTime night(22, 0);
    // Half a year from the star data's day is where annual aberration is largest.
    QTest::newRow("north dec") << false << QDateTime(QDate(2025, 12, 5), night, Qt::UTC) << 39.9 << 116.3 << 0.0
                               << 42.0 << -65.0 << false;
    QTest::newRow("north mar west") << false << QDateTime(QDate(2027, 3, 1), night, Qt::UTC) << 52.0 << -71.1
                                    << 130.0 << -20.0 << 35.0 << false;
    QTest::newRow("north sep") << false << QDateTime(QDate(2031, 9, 10), night, Qt::UTC) << 30.0 << 10.0 << 250.0
                               << 3.0 << 1.5 << false;
    QTest::newRow("south dec") << true << QDateTime(QDate(2025, 12, 5), night, Qt::UTC) << 33.9 << 151.2 << 60.0
                               << -30.0 << -40.0 << false;
    QTest::newRow("south jul west") << true << QDateTime(QDate(2028, 7, 20), night, Qt::UTC) << 24.6 << -70.4
                                    << 300.0 << 15.0 << 80.0 << false;
    QTest::newRow("north lat 40 refracted") << false << QDateTime(QDate(2026, 2, 14), night, Qt::UTC) << 40.0
                                            << 116.3 << 200.0 << 10.0 << -12.0 << true;
    QTest::newRow("north lat 20 refracted") << false << QDateTime(QDate(2026, 10, 3), night, Qt::UTC) << 20.0
                                            << -100.0 << 45.0 << -8.0 << 20.0 << true;
    QTest::newRow("south lat 20 refracted") << true << QDateTime(QDate(2029, 1, 9), night, Qt::UTC) << 20.0
                                            << 20.0 << 170.0 << 25.0 << 6.0 << true;
}

// What catches: proper motion or aberration left out (the pole off by a pixel away
// from May), a mirrored sky plane (a wrong candidate or turned figures), the
// refraction moved by arcminutes as pixels or up instead of down, a missing
// cos(latitude) on the azimuth, or either figure with the wrong sign.
void TestSkyPosition::againstSimulatedSky()
{
    QFETCH(bool, south);
    QFETCH(QDateTime, when);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, roll);
    QFETCH(double, altError);
    QFETCH(double, azError);
    QFETCH(bool, refraction);

    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::MountParams m = tavrinsim::mountParams();
    m.hemisphere = south ? tavrinsim::Hemisphere::South : tavrinsim::Hemisphere::North;
    m.latitudeDeg = south ? -latitude : latitude;
    m.longitudeDeg = longitude;
    m.cameraRollDeg = roll;
    m.altErrorArcmin = altError;
    m.azErrorArcmin = azError;
    m.refraction = refraction;
    m.arcsecPerPixel = templateArcsecPerPx(south);
    tavrinsim::setMountParams(m);
    tavrinsim::setDateTime(when);
    tavrinsim::setClockRate(0);

    ObservingSite site;
    site.latitudeDeg = latitude;
    site.longitudeDeg = longitude;
    site.pressureKPa = m.pressureKPa;
    site.temperatureC = m.temperatureC;
    const SkyFix sky = computeSky(south, when, site);
    QVERIFY(sky.valid);

    const int hipA = south ? 42708 : 84535, hipB = south ? 104382 : 11767;
    double ax = 0, ay = 0, bx = 0, by = 0;
    QVERIFY(tavrinsim::starPosition(hipA, &ax, &ay));
    QVERIFY(tavrinsim::starPosition(hipB, &bx, &by));
    QPointF a(ax, ay), b(bx, by);
    const double turn = frameTurn(sky, a, b);
    if (refraction) {
        a = correctRefraction(sky.a, turn, a, sky.arcsecPerPx);
        b = correctRefraction(sky.b, turn, b, sky.arcsecPerPx);
    }
    const tavrinsim::Truth t = tavrinsim::truth();
    const QPointF reference = framePole(sky, a, b);
    double px = 0, py = 0;
    QCOMPARE(starMath.CalcPoleCOOR(a.x(), a.y(), sky.angleBAP, b.x(), b.y(), sky.angleABP, &px, &py,
                                   reference.x(), reference.y()),
             0);
    const PolarError e = polarError(sky, turn, QPointF(t.axisX, t.axisY), QPointF(px, py));
    const double poleOff = std::hypot(px - t.poleX, py - t.poleY);
    std::printf("pole off: %.3f px; alt %.3f' (true %.3f'), az %.3f' (true %.3f')\n", poleOff, e.altArcmin,
                t.altErrorArcmin, e.azArcmin, t.azErrorArcmin);
    QVERIFY2(poleOff < 0.3, "pole within 0.3 px of the true pole");
    QVERIFY2(std::fabs(e.altArcmin - t.altErrorArcmin) < std::max(0.2, 0.1 * std::fabs(t.altErrorArcmin)),
             "altitude figure agrees with the sky");
    QVERIFY2(std::fabs(e.azArcmin - t.azErrorArcmin) < std::max(0.2, 0.1 * std::fabs(t.azErrorArcmin)),
             "azimuth figure agrees with the sky");
}

void TestSkyPosition::directionWords_data()
{
    QTest::addColumn<bool>("south");
    QTest::addColumn<double>("alt");
    QTest::addColumn<double>("az");
    QTest::addColumn<QString>("altWords");
    QTest::addColumn<QString>("azWords");
    // Facing the pole, west is on the left in the north and on the right in the south.
    QTest::newRow("north high, right") << false << 3.0 << 2.0 << "lower the polar axis" << "turn left (west)";
    QTest::newRow("north low, left") << false << -3.0 << -2.0 << "raise the polar axis" << "turn right (east)";
    QTest::newRow("south high, right") << true << 3.0 << 2.0 << "lower the polar axis" << "turn left (east)";
    QTest::newRow("south low, left") << true << -3.0 << -2.0 << "raise the polar axis" << "turn right (west)";
    QTest::newRow("on the pole") << true << 0.04 << -0.04 << "" << "";
}

void TestSkyPosition::directionWords()
{
    QFETCH(bool, south);
    QFETCH(double, alt);
    QFETCH(double, az);
    QFETCH(QString, altWords);
    QFETCH(QString, azWords);
    PolarError e;
    e.valid = true;
    e.altArcmin = alt;
    e.azArcmin = az;
    const QStringList lines = MainWindow::polarErrorText(e, south, true).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(1), (QStringLiteral("Altitude: %1' ").arg(std::fabs(alt), 0, 'f', 1) + altWords).trimmed());
    QCOMPARE(lines.value(2), (QStringLiteral("Azimuth: %1' ").arg(std::fabs(az), 0, 'f', 1) + azWords).trimmed());
}

QTEST_MAIN(TestSkyPosition)
#include "test_skyposition.moc"
