// A whole polar alignment, played as a user plays it, against the simulated sky:
// the truth comes from the star catalogue and precession in the camera library,
// not from the program's own star data.
//
// Each run starts from a seeded random misalignment of 0.5 to 3 degrees; the seed
// is printed and E2E_SEED repeats a run (E2E_RANDOM=1 draws a new base seed;
// E2E_RUNS=n runs n seeds per date;
// E2E_VERBOSE prints the star picks, the bolt turns and every monitored frame).
#include "alignmentdriver.h"

#include "capture/liveviewstate.h"
#include "starmath/startemplate.h"

#include "tavrinsim.h"

#include <QtTest>

#include <cmath>
#include <cstdio>
#include <random>

using e2e::AlignmentDriver;
using e2e::Figures;
using e2e::RunConfig;

namespace {

unsigned baseSeed()
{
    bool ok = false;
    const unsigned fixed = qEnvironmentVariable("E2E_SEED").toUInt(&ok);
    if (ok)
        return fixed;
    // CI plays the same users every time; E2E_RANDOM=1 draws new ones.
    return qEnvironmentVariableIsSet("E2E_RANDOM") ? std::random_device{}() : 1000u;
}

int runsPerDate()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("E2E_RUNS", &ok);
    return ok && n > 0 ? n : 1;
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
}

} // namespace

class TestE2eAlignment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void starDataAgainstSky();
    void alignNorth_data() { dates(3); }
    void alignNorth() { align(false, 0.0); }
    void alignSouth_data() { dates(3); }
    void alignSouth() { align(true, 0.0); }
    void alignNorthRunning_data() { dates(1); }
    void alignNorthRunning() { align(false, 1.0); }
    void alignSouthRunning_data() { dates(1); }
    void alignSouthRunning() { align(true, 1.0); }
    // Low in the sky the air lifts the stars most; the correction is on.
    void alignNorthRefracted_data();
    void alignNorthRefracted()
    {
        QFETCH(double, latitude);
        align(false, 0.0, latitude);
    }

private:
    // The first count of: a data row's own day, early December, the table's end.
    void dates(int count);
    void align(bool south, double clockRate, double refractedLatitude = 0);
    unsigned seed = 0;
};

void TestE2eAlignment::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    seed = baseSeed();
    std::printf("seed: %u\n", seed);
}

// How well the yearly star data alone can put the pole, on each row's own day:
// the data's pole for the true positions of the two reference stars against the
// sky's pole. This is the floor under every live pole of the program.
void TestE2eAlignment::starDataAgainstSky()
{
    for (bool south : {false, true}) {
        tavrinsim::reset();
        tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
        tavrinsim::MountParams m = tavrinsim::mountParams();
        m.hemisphere = south ? tavrinsim::Hemisphere::South : tavrinsim::Hemisphere::North;
        m.altErrorArcmin = 20;
        m.azErrorArcmin = -25;
        tavrinsim::setMountParams(m);
        double worst = 0;
        for (int year = 2016; year <= 2035; ++year) {
            const QDate day(year, 5, 23);
            tavrinsim::setDateTime(QDateTime(day, QTime(21, 0), Qt::UTC));
            tavrinsim::setClockRate(0);
            loadStarTemplates(day);
            const StarTemplate &t = south ? southTemplate : northTemplate;
            const double err = AlignmentDriver::dataPoleError(south, t.angleBAP, t.angleABP);
            QVERIFY(err >= 0);
            std::printf("star data %s %d: %.3f px\n", south ? "south" : "north", year, err);
            worst = std::max(worst, err);
        }
        std::printf("star data %s worst: %.3f px\n", south ? "south" : "north", worst);
        // The live pole can only be as good as this on a row's own day.
        QVERIFY2(worst < 1.5, "every row's pole within 1.5 px of the sky's on its own day");
    }
}

void TestE2eAlignment::dates(int count)
{
    QTest::addColumn<QDateTime>("when");
    const int runs = runsPerDate();
    // 23 May is the day of each data row; early December is half a year off it,
    // where annual aberration moves the pole star most against the pole; the
    // last is the table's last row.
    const QDateTime days[] = {QDateTime(QDate(2026, 5, 23), QTime(21, 30), Qt::UTC),
                              QDateTime(QDate(2025, 12, 5), QTime(2, 15), Qt::UTC),
                              QDateTime(QDate(2035, 11, 20), QTime(23, 0), Qt::UTC)};
    for (int d = 0; d < count; ++d) {
        const QDateTime &day = days[d];
        for (int i = 0; i < runs; ++i) {
            const QByteArray name = day.date().toString(Qt::ISODate).toLatin1() +
                                    (runs > 1 ? QByteArray(" #") + QByteArray::number(i) : QByteArray());
            QTest::newRow(name.constData()) << day;
        }
    }
}

void TestE2eAlignment::alignNorthRefracted_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<double>("latitude");
    const QDateTime days[] = {QDateTime(QDate(2026, 2, 14), QTime(20, 0), Qt::UTC),
                              QDateTime(QDate(2025, 12, 5), QTime(2, 15), Qt::UTC)};
    const double latitudes[] = {40.0, 20.0};
    for (int d = 0; d < 2; ++d) {
        for (int i = 0; i < runsPerDate(); ++i) {
            const QByteArray name = "latitude " + QByteArray::number(latitudes[d]) + " #" + QByteArray::number(i);
            QTest::newRow(name.constData()) << days[d] << latitudes[d];
        }
    }
}

void TestE2eAlignment::align(bool south, double clockRate, double refractedLatitude)
{
    QFETCH(QDateTime, when);
    static unsigned run = 0;
    RunConfig cfg;
    cfg.south = south;
    cfg.when = when;
    cfg.clockRate = clockRate;
    cfg.seed = seed + run++;
    cfg.latitude = refractedLatitude;
    cfg.refraction = refractedLatitude > 0;
    std::printf("--- %s %s clock %gx, seed: %u\n", south ? "south" : "north",
                qPrintable(when.toString(Qt::ISODate)), clockRate, cfg.seed);

    AlignmentDriver driver(cfg);
    const bool ok = driver.run();
    const Figures &f = driver.figures();
    print("start error", f.startErrorArcmin, "arcmin");
    print("template angle", f.matchAngle, "deg");
    print("sky angle", f.skyAngle, "deg");
    print("worst ring offset", f.worstRingOffsetPx, "px");
    print("axis centre error", f.axisErrorPx, "px");
    print("star A fix error", f.starAErrorPx, "px");
    print("live pole to true pole", f.livePoleTruePx, "px");
    print("live pole to true pole", f.livePoleTruePx * f.arcsecPerPx, "arcsec");
    print("live pole to true pole max", f.livePoleTrueMaxPx, "px");
    print("live pole to star data pole", f.livePoleDataPx, "px");
    print("live pole to star data pole max", f.livePoleDataMaxPx, "px");
    print("live pole jitter rms", f.livePoleJitterPx, "px");
    print("star data pole to true pole", f.dataPoleTruePx, "px");
    print("star data pole to true pole", f.dataPoleTruePx * f.arcsecPerPx / 60.0, "arcmin");
    print("final altitude error", f.finalAltArcmin, "arcmin");
    print("final azimuth error", f.finalAzArcmin, "arcmin");
    print("final polar error", f.finalTotalArcmin, "arcmin");
    print("altitude figure against the sky", f.shownAltArcmin - f.trueAltArcmin, "arcmin");
    print("azimuth figure against the sky", f.shownAzArcmin - f.trueAzArcmin, "arcmin");
    print("bolt turns", f.boltMoves, "");
    print("run time", f.seconds, "s");
    std::fflush(stdout);
    QVERIFY2(ok, qPrintable(driver.failure()));

    QVERIFY2(f.axisErrorPx < 1.0, "axis centre within 1 px of the true RA axis");
    // With the sky turning the live pole is measured a little worse (up to 0.34 px seen
    // over many seeds against at most 0.19 px frozen); that variant gets 0.5 px.
    const double measureLimit = clockRate > 0 ? 0.5 : 0.3;
    // The stars as the simulator places them are lifted by the air; the live pole is not.
    if (!cfg.refraction)
        QVERIFY2(f.livePoleDataPx < measureLimit, "live pole close to the pole of the true stars");
    QVERIFY2(f.livePoleTruePx < measureLimit, "live pole close to the true pole");
    // The truth is against the sky's RA axis, the figures against the measured axis centre.
    const double axisArcmin = f.axisErrorPx * f.arcsecPerPx / 60.0;
    auto agrees = [axisArcmin](double shown, double truth) {
        return std::fabs(shown - truth) < std::max(0.2, 0.1 * std::fabs(truth)) + axisArcmin;
    };
    QVERIFY2(agrees(f.shownAltArcmin, f.trueAltArcmin), "the altitude figure agrees with the sky");
    QVERIFY2(agrees(f.shownAzArcmin, f.trueAzArcmin), "the azimuth figure agrees with the sky");
    QVERIFY2(f.finalTotalArcmin < 0.5, "polar error under half an arcminute when the figures read nothing to turn");
}

QTEST_MAIN(TestE2eAlignment)
#include "test_e2e_alignment.moc"
