// A whole polar alignment in each hemisphere, played as a user plays it against the
// simulated sky, whose truth comes from the star catalogue and precession in the
// camera library, not from the program's own sky. E2E_SEED=n repeats a run.
#include "alignmentdriver.h"


#include <QtTest>

#include <cmath>
#include <cstdio>

class TestE2eAlignment : public QObject
{
    Q_OBJECT

private slots:
    // The north low in the sky, where the air lifts the stars most, with the
    // correction on; the south half a year off the data day with the sky turning.
    void alignNorth() { align(false, QDateTime(QDate(2026, 2, 14), QTime(20, 0), Qt::UTC), 0.0, 20.0); }
    void alignSouth() { align(true, QDateTime(QDate(2025, 12, 5), QTime(2, 15), Qt::UTC), 1.0, 0.0); }

private:
    void align(bool south, const QDateTime &when, double clockRate, double refractedLatitude);
};

void TestE2eAlignment::align(bool south, const QDateTime &when, double clockRate, double refractedLatitude)
{
    e2e::RunConfig cfg;
    cfg.south = south;
    cfg.when = when;
    cfg.clockRate = clockRate;
    cfg.zoom75 = !south; // picks and marks at a display zoom other than 1
    cfg.latitude = refractedLatitude;
    cfg.refraction = refractedLatitude > 0;
    cfg.seed = qEnvironmentVariableIsSet("E2E_SEED") ? qEnvironmentVariableIntValue("E2E_SEED") : south ? 1001 : 1000;
    e2e::AlignmentDriver driver(cfg);
    const bool ok = driver.run();
    const e2e::Figures &f = driver.figures();
    std::printf("seed: %u\nstart error: %.1f arcmin\naxis centre error: %.3f px\nstar A fix error: %.3f px\n"
                "live pole to true pole: %.3f px\nlive pole to pole of the true stars: %.3f px\n"
                "altitude figure against the sky: %.3f arcmin\nazimuth figure against the sky: %.3f arcmin\n"
                "final polar error: %.3f arcmin\n", cfg.seed, f.startErrorArcmin, f.axisErrorPx, f.starAErrorPx,
                f.livePoleTruePx, f.livePoleDataPx, f.shownAltArcmin - f.trueAltArcmin, f.shownAzArcmin - f.trueAzArcmin,
                f.finalTotalArcmin);
    std::fflush(stdout);
    QVERIFY2(ok, qPrintable(driver.failure()));
    QVERIFY2(f.axisErrorPx < 1.0, "axis centre within 1 px of the true RA axis");
    // With the sky turning the live pole is measured a little worse; the stars as the
    // simulator places them are lifted by the air, the live pole is not.
    const double measureLimit = clockRate > 0 ? 0.5 : 0.3;
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
