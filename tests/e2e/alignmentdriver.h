// Plays a user through a whole polar alignment: the real MainWindow, the
// simulated camera on its virtual mount, and the sky of a fixed instant.
//
// How to use:
//  1. Fill a RunConfig (hemisphere, instant, clock rate, seed).
//  2. AlignmentDriver driver(config); optionally driver.onStep = a callback that
//     is called once the window shows each step (the screenshot tour uses it).
//  3. driver.run() returns false with failure() set when any step did not do
//     what a user would expect; figures() holds what was measured on the way.
// The user's eyes are the simulator's star positions (which star is where in
// the frame); everything the program computes is read from its widgets and its
// live-view state, and checked against the simulator's truth.
#ifndef E2E_ALIGNMENTDRIVER_H
#define E2E_ALIGNMENTDRIVER_H

#include "mainwindow/mainwindow.h"

#include <QDateTime>
#include <QPointF>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QTemporaryDir;

namespace e2e {

struct RunConfig
{
    bool south = false;
    QDateTime when;          // UTC: the sky's clock and the star data day
    double clockRate = 0.0;  // 0 keeps the sky still, 1 lets it turn in real time
    unsigned seed = 1;       // misalignment and starting RA angle
    // The user's step 1: exposure (which is also the frame interval) and gain. The
    // southern reference star A is V 7.2 and needs a darker sky and more light than
    // the north's V 6.3 star (see setUp).
    int exposureMs = 0;      // 0: 150 in the north, 250 in the south
    int gain = 0;            // 0: 60 in the north, 80 in the south
    double skyAduPerSecond = 0; // 0: the simulator's suburban 30 in the north, 10 in the south
    bool zoom75 = false;     // the user picks Zoom 75% so the whole frame fits the window
    double latitude = 0;     // 0: the simulator's site; else the site's latitude on both sides
    bool refraction = false; // the sky's air lifts the stars, and the program corrects for it
    QSize windowSize;        // empty: the window's own size
};

struct Figures
{
    double startErrorArcmin = 0;   // misalignment at the start
    int matchAngle = 0;            // template angle found by the ring score (step 2)
    double skyAngle = 0;           // the same angle from the simulator's geometry
    double worstRingOffsetPx = 0;  // template ring centres against the stars they hold
    double axisErrorPx = 0;        // axis centre against the true RA axis
    double starAErrorPx = 0;       // step 11 star A against its true position
    // Mean positions over a run of monitoring frames, and the worst single frame.
    double livePoleTruePx = 0;     // live pole against the true pole
    double livePoleTrueMaxPx = 0;
    double livePoleDataPx = 0;     // live pole against the star data's pole of the true stars
    double livePoleDataMaxPx = 0;
    double livePoleJitterPx = 0;   // rms of the live pole about its mean
    double dataPoleTruePx = 0;     // the star data's own pole against the true pole
    double arcsecPerPx = 0;
    double finalAltArcmin = 0;
    double finalAzArcmin = 0;
    double finalTotalArcmin = 0;
    double shownAltArcmin = 0;     // the panel's figures when monitoring starts, signed as the truth
    double shownAzArcmin = 0;
    double trueAltArcmin = 0;      // and the sky's at that moment
    double trueAzArcmin = 0;
    int boltMoves = 0;
    double seconds = 0;
};

class AlignmentDriver
{
public:
    explicit AlignmentDriver(const RunConfig &config);
    ~AlignmentDriver();

    // Called after the window has shown each step; name is a short slug.
    std::function<void(MainWindow *window, int step, const QString &name)> onStep;

    bool run();
    const Figures &figures() const { return fig; }
    QString failure() const { return failed; }
    MainWindow *window() const { return win.get(); }

    // The sky's own pole against the star data's pole for the true star positions
    // at the current simulated instant (pixels); used to show the data's accuracy.
    static double dataPoleError(bool south, double angleBAP, double angleABP);

private:
    bool fail(const QString &why);
    bool setUp();
    bool frameTheField();
    bool connectAndSetUp();
    bool matchTemplate(bool rough, int *angle);
    bool pickStarTriple();
    bool monitorAndFineTune();
    bool readPolarError(const char *label, double *alt, double *az);
    bool turnBoltsByFigures(const char *label, double alt, double az, double tolerance);
    bool measureFigures();

    bool waitFrames(int frames, int timeoutMs = 10000);
    bool waitZooms(int zooms, int timeoutMs = 10000);
    bool doubleClickStar(int hip);
    bool click(QAbstractButton *button);
    bool truePosition(int hip, QPointF *pos) const;
    QPointF measuredStar(int hip);
    void shot(int step, const QString &name);

    RunConfig cfg;
    Figures fig;
    QString failed;
    std::unique_ptr<QTemporaryDir> settingsDir;
    std::unique_ptr<MainWindow> win;
    int hipA = 0;
    int hipB = 0;
    int hipD = 0;
    int pickHip = 0;
    int pickTurn = 35;
    int unexpectedBoxes = 0;
    QString lastBoxText;
    bool questionAnswered = false;

    template <class T>
    T *child(const char *name) const
    {
        return win->findChild<T *>(QLatin1String(name));
    }
};

// "(x,y)" as the panel labels show positions; false when the text is not one.
bool parsePosition(const QString &text, QPointF *pos);

} // namespace e2e

#endif
