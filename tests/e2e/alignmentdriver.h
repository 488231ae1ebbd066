// Plays a user through a whole polar alignment: the real MainWindow, the simulated
// camera on its virtual mount, the sky of a chosen instant. run() returns false with
// failure() set when a step did not do what a user would expect; onStep, when set,
// is called once the window shows each step (the screenshot tour saves pictures).
// The user's eyes are the simulator's star positions; what the program computes is
// read from its widgets and live view and checked against the simulator's truth.
#ifndef E2E_ALIGNMENTDRIVER_H
#define E2E_ALIGNMENTDRIVER_H

#include "mainwindow/mainwindow.h"

#include <QDateTime>
#include <functional>
#include <memory>

class QAbstractButton;
class QTemporaryDir;

namespace e2e {

struct RunConfig
{
    bool south = false;
    QDateTime when;         // UTC: the sky's clock and the star data day
    double clockRate = 0.0; // 0 keeps the sky still, 1 lets it turn in real time
    unsigned seed = 1;      // misalignment and starting RA angle
    bool zoom75 = false;    // the user picks Zoom 75% so the whole frame fits
    double latitude = 0;    // 0: the simulator's site; else the site's latitude on both sides
    bool refraction = false; // the sky's air lifts the stars, and the program corrects for it
    QSize windowSize;       // empty: the window's own size
};

// Pixels against the truth: the axis centre, star A as step 11 fixed it, the mean
// live pole over monitored frames against the true pole and against the star
// data's pole for the true stars, and that pole against the true one.
struct Figures
{
    double startErrorArcmin = 0, axisErrorPx = 0, starAErrorPx = 0, livePoleTruePx = 0, livePoleDataPx = 0;
    double dataPoleTruePx = 0, arcsecPerPx = 0, finalTotalArcmin = 0;
    // The panel's figures when monitoring starts, signed as the truth, and the sky's.
    double shownAltArcmin = 0, shownAzArcmin = 0, trueAltArcmin = 0, trueAzArcmin = 0;
};

class AlignmentDriver
{
public:
    explicit AlignmentDriver(const RunConfig &config);
    ~AlignmentDriver();

    std::function<void(MainWindow *window, int step, const QString &name)> onStep;
    bool run();
    const Figures &figures() const { return fig; }
    QString failure() const { return failed; }

private:
    bool fail(const QString &why);
    bool setUp();
    bool connectAndFrame();
    bool matchTemplate(bool rough);
    bool pickStarTriple();
    bool readPolarError(const char *label, double *alt, double *az);
    bool turnBoltsByFigures(const char *label, double alt, double az, double tolerance);
    bool monitorAndMeasure();
    bool waitImages(const char *label, int count);
    bool doubleClickStar(int hip);
    bool click(QAbstractButton *button, int nextStep);
    QPointF truePosition(int hip) const;
    void shot(int step, const QString &name) { if (onStep) onStep(win.get(), step, name); }

    RunConfig cfg;
    Figures fig;
    QString failed;
    std::unique_ptr<QTemporaryDir> settingsDir;
    std::unique_ptr<MainWindow> win;
    int hipA = 0, hipB = 0, hipD = 0;
    QString unexpectedBox;
    bool questionAnswered = false;
};

} // namespace e2e

#endif
