#include "alignmentdriver.h"

#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "starmath/starmath.h"
#include "tavrinsim.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <iterator>
#include <random>

namespace e2e {

namespace {

const double kPi = 3.14159265358979323846;

// The template stars A and B (the pole star) in the template images, and the
// catalogue numbers of A, B and D.
struct Ring
{
    double x, y;
};
const Ring kNorthRings[2] = {{445, 217}, {400, 399}};
const Ring kSouthRings[2] = {{227, 404}, {400, 336}};
const int kNorthHip[3] = {84535, 11767, 115746}, kSouthHip[3] = {42708, 104382, 60041};
// The brightest stars near each pole, brightest first: the user picks an evident one.
const int kNorthPickable[] = {5372, 82080, 47193, 85822, 113116, 112519, 36547, 23265, 37391, 109693, 51502, 62572, 100965};
const int kSouthPickable[] = {112405, 70638, 52633, 69896, 110256, 46928, 70248, 117689, 814, 92824, 112781, 46107, 43908};

double dist(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Clockwise on screen (y down) for a positive angle, like an RA turn of the simulator.
QPointF rotated(const QPointF &p, const QPointF &c, double deg)
{
    const double a = deg * kPi / 180.0;
    const QPointF d = p - c;
    return c + QPointF(d.x() * std::cos(a) - d.y() * std::sin(a), d.x() * std::sin(a) + d.y() * std::cos(a));
}

double edgeMargin(const QPointF &p)
{
    return std::min(std::min(p.x(), 1279 - p.x()), std::min(p.y(), 959 - p.y()));
}

// "(x,y)" as the panel labels show positions.
bool parsePosition(const QString &text, QPointF *pos)
{
    static const QRegularExpression re(QStringLiteral("^\\((-?[0-9.]+),(-?[0-9.]+)\\)$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (m.hasMatch())
        *pos = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return m.hasMatch();
}

} // namespace

AlignmentDriver::AlignmentDriver(const RunConfig &config) : cfg(config)
{
    const int *hips = cfg.south ? kSouthHip : kNorthHip;
    hipA = hips[0], hipB = hips[1], hipD = hips[2];
}

AlignmentDriver::~AlignmentDriver()
{
    if (win)
        win->close();
    win.reset();
    MainWindow::settingsDirOverride.clear();
    MainWindow::starDataDay = QDate();
    MainWindow::skyClock = nullptr;
}

bool AlignmentDriver::fail(const QString &why)
{
    if (failed.isEmpty())
        failed = why + QStringLiteral(" (step %1)").arg(win ? win->currentStep : -1);
    return false;
}

QPointF AlignmentDriver::truePosition(int hip) const
{
    double x = -1e9, y = -1e9;
    tavrinsim::starPosition(hip, &x, &y);
    return QPointF(x, y);
}

// New pictures in the frame (label_showImg) or zoom (label_biggerImg) view.
bool AlignmentDriver::waitImages(const char *label, int count)
{
    QLabel *shown = win->findChild<QLabel *>(label);
    qint64 key = shown->pixmap(Qt::ReturnByValue).cacheKey();
    QElapsedTimer clock;
    clock.start();
    for (int seen = 0; seen < count;) {
        if (clock.elapsed() > 10000)
            return fail(QStringLiteral("no new picture in %1 within 10 s").arg(label));
        QTest::qWait(3);
        const qint64 now = shown->pixmap(Qt::ReturnByValue).cacheKey();
        seen += now != key;
        key = now;
    }
    return true;
}

bool AlignmentDriver::click(QAbstractButton *button, int nextStep)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return fail(QStringLiteral("button %1 is not there to click").arg(button ? button->objectName() : "?"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(1);
    if (!unexpectedBox.isEmpty())
        return fail(QStringLiteral("unexpected message: ") + unexpectedBox);
    return win->currentStep == nextStep || fail(QStringLiteral("%1 did not lead to step %2").arg(button->text()).arg(nextStep));
}

// The pointer goes to the star as the user sees it, then double clicks there.
bool AlignmentDriver::doubleClickStar(int hip)
{
    const QPointF p = truePosition(hip);
    if (edgeMargin(p) < 20)
        return fail(QStringLiteral("HIP %1 is not in the frame").arg(hip));
    QLabel *label = win->findChild<QLabel *>("label_showImg");
    const QPoint at(qRound(p.x() * win->zoomFactor), qRound(p.y() * win->zoomFactor));
    QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    QTest::mouseDClick(label, Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(1);
    return unexpectedBox.isEmpty() || fail(QStringLiteral("double click on HIP %1: ").arg(hip) + unexpectedBox);
}

bool AlignmentDriver::setUp()
{
    std::mt19937 rng(cfg.seed);
    std::uniform_real_distribution<double> size(30.0, 180.0), direction(0.0, 2.0 * kPi), ra(0.0, 360.0);
    const double total = size(rng), dir = direction(rng), raAngle = ra(rng);
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::MountParams m = tavrinsim::mountParams();
    m.hemisphere = cfg.south ? tavrinsim::Hemisphere::South : tavrinsim::Hemisphere::North;
    m.raAngleDeg = raAngle;
    if (cfg.latitude > 0)
        m.latitudeDeg = cfg.south ? -cfg.latitude : cfg.latitude;
    m.refraction = cfg.refraction;
    // The southern star A (V 7.2) needs a darker sky than the north's (V 6.3).
    m.skyAduPerSecond = cfg.south ? 10.0 : 30.0;
    m.altErrorArcmin = total * std::cos(dir);
    // An azimuth turn moves the axis by the turn times cos(altitude) on the sky.
    m.azErrorArcmin = total * std::sin(dir) / std::cos(std::fabs(m.latitudeDeg) * kPi / 180.0);
    tavrinsim::setMountParams(m);
    tavrinsim::setDateTime(cfg.when);
    tavrinsim::setClockRate(cfg.clockRate);
    fig.startErrorArcmin = tavrinsim::truth().totalErrorArcmin;
    fig.arcsecPerPx = m.arcsecPerPixel;

    // A settings file from an earlier night, with an axis centre that no longer holds.
    settingsDir.reset(new QTemporaryDir);
    MainWindow::settingsDirOverride = settingsDir->path();
    {
        QSettings ini(settingsDir->path() + QStringLiteral("/Orvanta.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("REGION/region"), QStringLiteral("North"));
        ini.setValue(QStringLiteral("AXIS_CENTER/x"), QStringLiteral("640.0"));
        ini.setValue(QStringLiteral("AXIS_CENTER/y"), QStringLiteral("480.0"));
        // The user's site, and the simulator's weather.
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/latitude"), std::fabs(m.latitudeDeg));
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/longitude"), m.longitudeDeg);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/P"), m.pressureKPa);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/T"), m.temperatureC);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/enabledCorrect"), cfg.refraction);
    }
    MainWindow::skyClock = [] { return tavrinsim::dateTime(); };
    MainWindow::starDataDay = cfg.when.date();
    win.reset(new MainWindow(nullptr));
    if (!cfg.windowSize.isEmpty())
        win->resize(cfg.windowSize);
    win->show();
    if (!QTest::qWaitForWindowExposed(win.get()))
        return fail(QStringLiteral("window not shown"));

    // The user declines the old axis centre; any other box is closed and fails the run.
    auto *guard = new QTimer(win.get());
    QObject::connect(guard, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->text().startsWith(QStringLiteral("Would you like to use the axis center saved"))) {
            questionAnswered = true;
            box->button(QMessageBox::No)->click();
        } else {
            unexpectedBox = box->text();
            box->close();
        }
    });
    guard->start(20);
    return true;
}

// Connect, set the camera up, and turn the RA axis until the pole star and its
// neighbours are well in view (step 1).
bool AlignmentDriver::connectAndFrame()
{
    win->findChild<QAction *>("actionConnect")->trigger();
    if (!cameraState.cameraConnected || win->currentStep != 1)
        return fail(QStringLiteral("the camera did not connect"));
    if (cfg.zoom75)
        win->findChild<QAction *>("action75")->trigger();
    if (cfg.south) {
        QTest::mouseClick(win->findChild<QRadioButton *>("radioButton_south"), Qt::LeftButton);
        if (win->region != QLatin1String("South") || win->currentStep != 1)
            return fail(QStringLiteral("the south was not chosen"));
    }
    win->findChild<QSlider *>("sliderSpeed")->setValue(2);
    win->findChild<QSlider *>("sliderTraffic")->setValue(0);
    win->findChild<QSlider *>("sliderGain")->setValue(cfg.south ? 80 : 60);
    win->findChild<QSlider *>("sliderExpose")->setValue(cfg.south ? 250 : 150);
    double bestScore = -1e9;
    int best = 0;
    for (int k = 0; k < 36; ++k, tavrinsim::turnRaAxis(10.0)) {
        const double score = 2.0 * std::min(edgeMargin(truePosition(hipA)), edgeMargin(truePosition(hipB))) +
                             std::min(edgeMargin(truePosition(hipD)), 40.0);
        if (score > bestScore)
            bestScore = score, best = k;
    }
    tavrinsim::turnRaAxis(best * 10.0);
    if (edgeMargin(truePosition(hipB)) < 30)
        return fail(QStringLiteral("the pole star cannot be brought into view"));
    if (!waitImages("label_showImg", 3))
        return false;
    shot(1, QStringLiteral("setting"));
    return click(win->pushButton_setting_done, 2);
}

// The user turns the template with the slider until it matches the sky: the angle
// of the frame's A-B against the template's.
bool AlignmentDriver::matchTemplate(bool rough)
{
    const Ring *rings = cfg.south ? kSouthRings : kNorthRings;
    const QPointF a = truePosition(hipA), b = truePosition(hipB);
    const int best = int(std::lround(std::fmod((std::atan2(a.y() - b.y(), a.x() - b.x()) -
                                                std::atan2(rings[0].y - rings[1].y, rings[0].x - rings[1].x)) *
                                                       180.0 / kPi + 720.0, 360.0))) % 360;
    auto *slider = win->findChild<QSlider *>(rough ? "horizontalSlider_rough_match" : "horizontalSlider_confirm_match");
    if (slider->value() == best) // a nudge, so that the slider reports its angle
        slider->setValue(best == 0 ? 1 : best - 1);
    slider->setValue(best);
    QTest::qWait(1);
    if (win->templateAngle != best)
        return fail(QStringLiteral("the slider did not turn the template"));
    QLabel *templ = win->findChild<QLabel *>("label_templateImg");
    if (!templ->isVisibleTo(win.get()))
        return fail(QStringLiteral("the template is not shown"));
    return true;
}

// Three picks of one star with the RA axis turned between them (steps 3 to 8).
bool AlignmentDriver::pickStarTriple()
{
    const tavrinsim::Truth t = tavrinsim::truth();
    const QPointF axis(t.axisX, t.axisY), poleStar = truePosition(hipB);
    const int *pickable = cfg.south ? kSouthPickable : kNorthPickable;
    const int count = cfg.south ? int(std::size(kSouthPickable)) : int(std::size(kNorthPickable));
    // The brightest star that stays in view, far enough from the axis for a good circle.
    int pickHip = 0, pickTurn = 0;
    const int fixedTurn = qEnvironmentVariableIntValue("E2E_TURN");
    for (int turn : fixedTurn > 0 ? std::vector<int>{fixedTurn} : std::vector<int>{50, 35})
        for (int i = 0; i < count && !pickHip; ++i)
            for (int sign : {1, -1}) { // the arrow's way first
                const QPointF p = truePosition(pickable[i]);
                bool inView = dist(p, poleStar) >= 40 && dist(p, axis) >= 150;
                for (int k = 0; k <= 2; ++k)
                    inView = inView && edgeMargin(rotated(p, axis, sign * k * (turn + 2.0))) > 35;
                if (inView && !pickHip)
                    pickHip = pickable[i], pickTurn = sign * turn;
            }
    if (!pickHip)
        return fail(QStringLiteral("no star stays in view while the axis turns"));
    QPushButton *const done[2] = {win->pushButton_rotateStar1_done, win->pushButton_rotateStar2_done};
    for (int k = 0; k < 3; ++k) {
        shot(3 + 2 * k, QStringLiteral("pick%1").arg(k + 1));
        if (!doubleClickStar(pickHip))
            return false;
        // A pick is measured over about a second of frames before it is taken.
        for (int wait = 0; win->currentStep == 3 + 2 * k && wait < 250 && unexpectedBox.isEmpty(); ++wait)
            QTest::qWait(20);
        if (win->currentStep != 4 + 2 * k)
            return fail(QStringLiteral("the pick of HIP %1 was not taken: ").arg(pickHip) + unexpectedBox);
        if (k == 2)
            break;
        tavrinsim::turnRaAxis(pickTurn);
        if (!waitImages("label_showImg", 3))
            return false;
        shot(4 + 2 * k, QStringLiteral("rotated%1").arg(k + 1));
        if (!click(done[k], 5 + 2 * k))
            return false;
    }
    const QPointF centre = win->circleCenter;
    fig.axisErrorPx = dist(centre, QPointF(tavrinsim::truth().axisX, tavrinsim::truth().axisY));
    if (liveViewState.get(&LiveView::axisCenter) != centre)
        return fail(QStringLiteral("the axis centre did not reach the live view"));
    // Back home, the star running along the drawn circle.
    tavrinsim::turnRaAxis(-2.0 * pickTurn);
    if (!waitImages("label_showImg", 3))
        return false;
    shot(8, QStringLiteral("validate"));
    if (!click(win->pushButton_validateCenter_done, 9))
        return false;
    const QString shown = QStringLiteral("(%1,%2)").arg(centre.x(), 0, 'f', 1).arg(centre.y(), 0, 'f', 1);
    return win->findChild<QLabel *>("label_axisPos")->text() == shown || fail(QStringLiteral("wrong axis position shown"));
}

// The panel's altitude and azimuth figures, averaged over a few frames (step 10 ones
// follow the frames, monitoring ones each enlarged view), signed as the simulator's
// truth: positive altitude above the pole, positive azimuth to its right.
bool AlignmentDriver::readPolarError(const char *label, double *alt, double *az)
{
    static const QRegularExpression altRe(QStringLiteral("Altitude: ([0-9.]+)'(?: (lower|raise))?"));
    static const QRegularExpression azRe(QStringLiteral("Azimuth: ([0-9.]+)'(?: turn (left|right))?"));
    const char *view = win->currentStep == 13 ? "label_biggerImg" : "label_showImg";
    // The figures change a few times a second: each read waits past a refresh.
    const int per = 3, reads = 6;
    double sumAlt = 0, sumAz = 0;
    if (!waitImages(view, 2 * per))
        return false;
    // A frame whose stars were not both measured shows no figures; the user reads the next.
    for (int i = 0, got = 0; got < reads; ++i) {
        if (!waitImages(view, per))
            return false;
        const QString text = win->findChild<QLabel *>(label)->text();
        const QRegularExpressionMatch a = altRe.match(text), z = azRe.match(text);
        if (!a.hasMatch() || !z.hasMatch()) {
            if (i >= 20)
                return fail(QStringLiteral("the polar error reads: ") + text);
            continue;
        }
        sumAlt += a.captured(1).toDouble() * (a.captured(2) == QLatin1String("raise") ? -1 : 1);
        sumAz += z.captured(1).toDouble() * (z.captured(2) == QLatin1String("right") ? -1 : 1);
        ++got;
    }
    *alt = sumAlt / reads;
    *az = sumAz / reads;
    return true;
}

// The user turns each bolt by what the panel says, the way it says, until both
// figures read no more than the tolerance (the last digit trembles with the stars).
bool AlignmentDriver::turnBoltsByFigures(const char *label, double alt, double az, double tolerance)
{
    for (int round = 0; round < 8; ++round) {
        if (std::fabs(alt) <= tolerance && std::fabs(az) <= tolerance)
            return true;
        // A hand turns a bolt gradually: the program follows the pole star as it goes.
        const int pieces = int(std::ceil(std::max(std::fabs(alt), std::fabs(az)) / 4.0));
        for (int k = 0; k < pieces; ++k) {
            tavrinsim::moveBolts(-alt / pieces, -az / pieces);
            if (pieces > 1 && !waitImages("label_showImg", 2))
                return false;
        }
        if (!readPolarError(label, &alt, &az))
            return false;
    }
    return fail(QStringLiteral("the figures still read %1' and %2'").arg(alt).arg(az));
}

// Step 13: the user turns the bolts by the panel's figures, then the live pole is
// compared with the sky over a run of frames.
bool AlignmentDriver::monitorAndMeasure()
{
    if (!click(win->findChild<QPushButton *>("pushButton_monitor"), 13) || !waitImages("label_biggerImg", 2))
        return false;
    shot(13, QStringLiteral("monitor"));
    double alt = 0, az = 0;
    if (!readPolarError("label_polarError", &alt, &az))
        return false;
    const tavrinsim::Truth start = tavrinsim::truth();
    fig.shownAltArcmin = alt, fig.shownAzArcmin = az;
    fig.trueAltArcmin = start.altErrorArcmin, fig.trueAzArcmin = start.azErrorArcmin;
    if (!turnBoltsByFigures("label_polarError", alt, az, 0.1))
        return false;
    QPointF live, data, truth;
    const int frames = 12;
    for (int i = 0; i < frames; ++i) {
        if (!waitImages("label_biggerImg", 1))
            return false;
        const LiveView v = liveViewState.snapshot();
        const QPointF a = truePosition(hipA), b = truePosition(hipB);
        double px = 0, py = 0;
        if (starMath.CalcPoleCOOR(a.x(), a.y(), v.liveAngleBAP, b.x(), b.y(), v.liveAngleABP, &px, &py,
                                  v.axisCenter.x(), v.axisCenter.y()) != 0)
            return fail(QStringLiteral("no pole from the star data"));
        live += v.livePole / frames;
        data += QPointF(px, py) / frames;
        truth += QPointF(tavrinsim::truth().poleX, tavrinsim::truth().poleY) / frames;
    }
    fig.livePoleTruePx = dist(live, truth);
    fig.livePoleDataPx = dist(live, data);
    fig.dataPoleTruePx = dist(data, truth);
    fig.finalTotalArcmin = tavrinsim::truth().totalErrorArcmin;
    return true;
}

bool AlignmentDriver::run()
{
    if (!setUp() || !connectAndFrame())
        return false;
    // Step 2: the pole star, the template turned onto its neighbours, the old centre declined.
    if (!doubleClickStar(hipB) || !matchTemplate(false))
        return false;
    shot(2, QStringLiteral("match"));
    if (!click(win->pushButton_confirm_done, 3))
        return false;
    if (!questionAnswered || liveViewState.get(&LiveView::axisCenter) != QPointF(0, 0))
        return fail(QStringLiteral("the saved axis centre was not offered, or not declined"));
    if (!pickStarTriple())
        return false;
    // Step 9: match again; the template says where the pole star has to go.
    QPointF expected;
    if (!doubleClickStar(hipB) || !matchTemplate(true))
        return false;
    if (!parsePosition(win->findChild<QLabel *>("label_eptPos")->text(), &expected))
        return fail(QStringLiteral("no expected position shown"));
    shot(9, QStringLiteral("expected"));
    if (!click(win->pushButton_getEptPolaris_done, 10) || !waitImages("label_showImg", 2))
        return false;
    // Step 10: the bolts, turned by the figures, bring the pole star into the turning target.
    shot(10, QStringLiteral("target"));
    double alt = 0, az = 0;
    if (!readPolarError("label_roughError", &alt, &az) || !turnBoltsByFigures("label_roughError", alt, az, 0.2))
        return false;
    const QPointF guess = truePosition(hipB);
    double x = guess.x(), y = guess.y();
    starMath.GetPreciseStarPos(win->captureThread->copyGrayFrame(), guess.x(), guess.y(), &x, &y);
    if (dist(QPointF(x, y), expected) > 1.0)
        return fail(QStringLiteral("the figures read nothing to turn with the pole star off its target"));
    shot(10, QStringLiteral("moved"));
    if (!click(win->pushButton_movePolaris_done, 11))
        return false;
    // Step 11: the current position fixes the two reference stars.
    if (!doubleClickStar(hipB) || !matchTemplate(true))
        return false;
    shot(11, QStringLiteral("current"));
    if (!click(win->pushButton_getCurPolaris_done, 12))
        return false;
    fig.starAErrorPx = dist(liveViewState.get(&LiveView::starASearch), truePosition(hipA));
    if (fig.starAErrorPx > 1.0)
        return fail(QStringLiteral("reference star A fixed %1 px off").arg(fig.starAErrorPx));
    shot(12, QStringLiteral("calc"));
    if (!monitorAndMeasure())
        return false;
    shot(13, QStringLiteral("aligned"));
    if (!click(win->pushButton_finetunePole_done, 13) || win->tabWidget_tipMsg->isVisible())
        return fail(QStringLiteral("\"Done\" did not put the tips away"));
    if (!liveViewState.get(&LiveView::monitorPole))
        return fail(QStringLiteral("monitoring stopped with \"Done\""));
    return true;
}

} // namespace e2e
