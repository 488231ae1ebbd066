#include "alignmentdriver.h"

#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "starmath/starmath.h"

#include "tavrinsim.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
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

#include <opencv2/core.hpp>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <random>
#include <vector>

namespace e2e {

namespace {

const double kPi = 3.14159265358979323846;

// Star rings of the template images (image pixels): centre and outer radius.
struct Ring
{
    double x, y, r;
};
const Ring kNorthRings[] = {{445, 217, 11}, {400, 399, 14}, {58, 448, 14},
                            {648, 494, 11}, {281, 699, 11}, {608, 697, 14}};
const Ring kSouthRings[] = {{625, 54, 19},  {444, 134, 19}, {400, 336, 19}, {564, 433, 19},
                            {295, 411, 13}, {227, 404, 15}, {228, 562, 15}};
// Index of the template stars A, B (the pole star) and D among the rings.
const int kNorthA = 0, kNorthB = 1, kNorthD = 3;
const int kSouthA = 5, kSouthB = 2, kSouthD = 6;

// Catalogue numbers of the same stars, and the brightest stars near each pole, brightest
// first: the user picks an evident star for the axis.
const int kNorthHip[3] = {84535, 11767, 115746};
const int kSouthHip[3] = {42708, 104382, 60041};
const int kNorthPickable[] = {5372,  82080,  47193, 85822, 113116, 112519, 36547, 23265, 37391, 109693,
                              51502, 62572, 100965, 102599, 20776, 20982, 20860, 51384, 115746};
const int kSouthPickable[] = {112405, 70638, 52633, 69896, 110256, 46928, 70248,  117689, 814,
                              92824,  112781, 46107, 43908, 107843, 115836, 49065, 66753, 76996};

const int kFrameW = 1280;
const int kFrameH = 960;

double dist(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Clockwise on screen (y down) for a positive angle, like an RA turn of the simulator.
QPointF rotated(const QPointF &p, const QPointF &c, double deg)
{
    const double a = deg * kPi / 180.0, s = std::sin(a), co = std::cos(a);
    const QPointF d = p - c;
    return c + QPointF(d.x() * co - d.y() * s, d.x() * s + d.y() * co);
}

double edgeMargin(const QPointF &p)
{
    return std::min(std::min(p.x(), kFrameW - 1 - p.x()), std::min(p.y(), kFrameH - 1 - p.y()));
}

QPointF truthPole()
{
    const tavrinsim::Truth t = tavrinsim::truth();
    return QPointF(t.poleX, t.poleY);
}

QPointF truthAxis()
{
    const tavrinsim::Truth t = tavrinsim::truth();
    return QPointF(t.axisX, t.axisY);
}

} // namespace

bool parsePosition(const QString &text, QPointF *pos)
{
    static const QRegularExpression re(QStringLiteral("^\\((-?[0-9.]+),(-?[0-9.]+)\\)$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    *pos = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return true;
}

AlignmentDriver::AlignmentDriver(const RunConfig &config) : cfg(config)
{
    if (cfg.exposureMs <= 0)
        cfg.exposureMs = cfg.south ? 250 : 150;
    if (cfg.gain <= 0)
        cfg.gain = cfg.south ? 80 : 60;
    // Under the suburban sky the centroid's peak-to-mean test rejects the southern
    // star A in nearly every frame, whatever the exposure; the program then falls
    // back on the brightest pixel and its pole trembles by about half a pixel.
    if (cfg.skyAduPerSecond <= 0)
        cfg.skyAduPerSecond = cfg.south ? 10.0 : 30.0;
    const int *hips = cfg.south ? kSouthHip : kNorthHip;
    hipA = hips[0];
    hipB = hips[1];
    hipD = hips[2];
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

bool AlignmentDriver::truePosition(int hip, QPointF *pos) const
{
    double x = 0, y = 0;
    if (!tavrinsim::starPosition(hip, &x, &y))
        return false;
    *pos = QPointF(x, y);
    return true;
}

void AlignmentDriver::shot(int step, const QString &name)
{
    if (onStep)
        onStep(win.get(), step, name);
}

bool AlignmentDriver::waitFrames(int frames, int timeoutMs)
{
    QLabel *label = child<QLabel>("label_showImg");
    qint64 key = label->pixmap(Qt::ReturnByValue).cacheKey();
    int seen = 0;
    QElapsedTimer clock;
    clock.start();
    while (seen < frames) {
        if (clock.elapsed() > timeoutMs)
            return fail(QStringLiteral("no new frame shown within %1 ms").arg(timeoutMs));
        QTest::qWait(3);
        const qint64 now = label->pixmap(Qt::ReturnByValue).cacheKey();
        if (now != key) {
            key = now;
            ++seen;
        }
    }
    return true;
}

bool AlignmentDriver::waitZooms(int zooms, int timeoutMs)
{
    QLabel *label = child<QLabel>("label_biggerImg");
    qint64 key = label->pixmap(Qt::ReturnByValue).cacheKey();
    int seen = 0;
    QElapsedTimer clock;
    clock.start();
    while (seen < zooms) {
        if (clock.elapsed() > timeoutMs)
            return fail(QStringLiteral("no new zoom view within %1 ms").arg(timeoutMs));
        QTest::qWait(3);
        const qint64 now = label->pixmap(Qt::ReturnByValue).cacheKey();
        if (now != key) {
            key = now;
            ++seen;
        }
    }
    return true;
}

bool AlignmentDriver::click(QAbstractButton *button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return fail(QStringLiteral("button %1 is not there to click").arg(button ? button->objectName() : "?"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(1);
    return unexpectedBoxes == 0 || fail(QStringLiteral("unexpected message: ") + lastBoxText);
}

// The pointer goes to the star as the user sees it, then double clicks there.
bool AlignmentDriver::doubleClickStar(int hip)
{
    QPointF p;
    if (!truePosition(hip, &p) || edgeMargin(p) < 20)
        return fail(QStringLiteral("HIP %1 is not in the frame").arg(hip));
    QLabel *label = child<QLabel>("label_showImg");
    const QPoint at(qRound(p.x() * win->zoomFactor), qRound(p.y() * win->zoomFactor));
    QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    QTest::mouseDClick(label, Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(1);
    if (unexpectedBoxes)
        return fail(QStringLiteral("double click on HIP %1: ").arg(hip) + lastBoxText);
    return true;
}

// The star as the user's eye follows it: found by sight, placed by the frame.
QPointF AlignmentDriver::measuredStar(int hip)
{
    QPointF guess;
    truePosition(hip, &guess);
    const cv::Mat gray = win->captureThread->copyGrayFrame();
    double x = guess.x(), y = guess.y();
    starMath.GetPreciseStarPos(gray, guess.x(), guess.y(), &x, &y);
    return QPointF(x, y);
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
    m.skyAduPerSecond = cfg.skyAduPerSecond;
    if (cfg.latitude > 0)
        m.latitudeDeg = cfg.south ? -cfg.latitude : cfg.latitude;
    m.refraction = cfg.refraction;
    // An azimuth turn moves the axis by the turn times cos(altitude) on the sky.
    const double cosAlt = std::cos(std::fabs(m.latitudeDeg) * kPi / 180.0);
    m.altErrorArcmin = total * std::cos(dir);
    m.azErrorArcmin = total * std::sin(dir) / cosAlt;
    tavrinsim::setMountParams(m);
    tavrinsim::setDateTime(cfg.when);
    tavrinsim::setClockRate(cfg.clockRate);
    fig.startErrorArcmin = tavrinsim::truth().totalErrorArcmin;
    fig.arcsecPerPx = tavrinsim::mountParams().arcsecPerPixel;

    // A settings file from an earlier night: the north, and an axis centre that
    // no longer holds, which the user declines.
    settingsDir.reset(new QTemporaryDir);
    if (!settingsDir->isValid())
        return fail(QStringLiteral("no temporary folder"));
    MainWindow::settingsDirOverride = settingsDir->path();
    {
        QSettings ini(settingsDir->path() + QStringLiteral("/Orvanta.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("REGION/region"), QStringLiteral("North"));
        ini.setValue(QStringLiteral("ZOOM/factor"), QStringLiteral("1"));
        ini.setValue(QStringLiteral("AXIS_CENTER/x"), QStringLiteral("640.0"));
        ini.setValue(QStringLiteral("AXIS_CENTER/y"), QStringLiteral("480.0"));
        // The user's site, and the simulator's weather.
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/latitude"), std::fabs(m.latitudeDeg));
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/longitude"), m.longitudeDeg);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/P"), m.pressureKPa);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/T"), m.temperatureC);
        ini.setValue(QStringLiteral("ASTRONOMICAL_REFRACTION/enabledCorrect"), cfg.refraction);
    }
    MainWindow::starDataDay = cfg.when.date();
    MainWindow::skyClock = [] { return tavrinsim::dateTime(); };

    win.reset(new MainWindow(nullptr));
    if (!cfg.windowSize.isEmpty())
        win->resize(cfg.windowSize);
    win->show();
    if (!QTest::qWaitForWindowExposed(win.get()))
        return fail(QStringLiteral("window not shown"));

    // Every message box is answered; one the user did not expect fails the run.
    auto *guard = new QTimer(win.get());
    guard->setInterval(20);
    QObject::connect(guard, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        lastBoxText = box->text();
        if (lastBoxText.startsWith(QStringLiteral("Would you like to use the 'Axis center position'"))) {
            questionAnswered = true;
            box->button(QMessageBox::No)->click();
        } else {
            ++unexpectedBoxes;
            box->close();
        }
    });
    guard->start();
    return true;
}

// The user turns the RA axis until the pole star and its neighbours are well in view.
bool AlignmentDriver::frameTheField()
{
    double bestScore = -1e9;
    int best = 0;
    for (int k = 0; k < 36; ++k) {
        QPointF a, b, d;
        const double ma = truePosition(hipA, &a) ? edgeMargin(a) : -1000;
        const double mb = truePosition(hipB, &b) ? edgeMargin(b) : -1000;
        const double md = truePosition(hipD, &d) ? edgeMargin(d) : -1000;
        const double score = 2.0 * std::min(ma, mb) + std::min(md, 40.0);
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
        tavrinsim::turnRaAxis(10.0);
    }
    tavrinsim::turnRaAxis(best * 10.0);
    QPointF b;
    if (!truePosition(hipB, &b) || edgeMargin(b) < 30)
        return fail(QStringLiteral("the pole star cannot be brought into view"));
    return waitFrames(3);
}

bool AlignmentDriver::connectAndSetUp()
{
    child<QAction>("actionConnect")->trigger();
    if (!cameraState.cameraConnected || win->currentStep != 1)
        return fail(QStringLiteral("the camera did not connect"));
    if (cfg.zoom75) {
        child<QAction>("action75")->trigger();
        if (win->zoomFactor != 0.75f)
            return fail(QStringLiteral("Zoom 75% did not take"));
    }
    if (cfg.south) {
        QTest::mouseClick(child<QRadioButton>("radioButton_south"), Qt::LeftButton);
        if (win->region != QLatin1String("South") || win->currentStep != 1)
            return fail(QStringLiteral("the south was not chosen"));
    }
    // Fast readout and the shortest exposure that still measures the faint reference star.
    child<QSlider>("sliderSpeed")->setValue(2);
    child<QSlider>("sliderTraffic")->setValue(0);
    child<QSlider>("sliderGain")->setValue(cfg.gain);
    child<QSlider>("sliderExpose")->setValue(cfg.exposureMs);
    if (!waitFrames(3) || !frameTheField())
        return false;
    shot(1, QStringLiteral("setting"));
    return click(win->pushButton_setting_done) &&
           (win->currentStep == 2 || fail(QStringLiteral("\"Setting Finished\" did not lead to step 2")));
}

// Turns the template until its rings hold the most starlight, as the user does
// with the rotate slider, then checks on the drawn overlay that the rings sit on
// the real stars.
bool AlignmentDriver::matchTemplate(bool rough, int *angleOut)
{
    const Ring *rings = cfg.south ? kSouthRings : kNorthRings;
    const int ringCount = cfg.south ? 7 : 6;
    const int iA = cfg.south ? kSouthA : kNorthA, iB = cfg.south ? kSouthB : kNorthB,
              iD = cfg.south ? kSouthD : kNorthD;
    const QPointF centre(399.5, cfg.south ? 336.5 : 399.5);
    const QPointF pick = win->pickFramePos;

    const cv::Mat gray = win->captureThread->copyGrayFrame();
    const double background = cv::mean(gray)[0];
    auto score = [&](int angle) {
        double s = 0;
        for (int i = 0; i < ringCount; ++i) {
            if (i == iB)
                continue;
            const QPointF c = pick + rotated(QPointF(rings[i].x, rings[i].y) - centre, QPointF(), angle);
            for (int dy = -7; dy <= 7; ++dy) {
                for (int dx = -7; dx <= 7; ++dx) {
                    const int x = int(std::lround(c.x())) + dx, y = int(std::lround(c.y())) + dy;
                    if (x < 0 || y < 0 || x >= gray.cols || y >= gray.rows)
                        continue;
                    const double v = gray.at<unsigned char>(y, x) - background;
                    if (v > 0)
                        s += v * std::exp(-(dx * dx + dy * dy) / 18.0);
                }
            }
        }
        return s;
    };
    int best = 0;
    double bestScore = -1;
    for (int angle = 0; angle < 360; ++angle) {
        const double s = score(angle);
        if (s > bestScore) {
            bestScore = s;
            best = angle;
        }
    }

    QSlider *slider = rough ? child<QSlider>("horizontalSlider_rough_match") : child<QSlider>("horizontalSlider_confirm_match");
    if (slider->value() == best) // a nudge, so that the slider reports its angle
        slider->setValue(best == 0 ? 1 : best - 1);
    slider->setValue(best);
    QTest::qWait(1);
    if (win->templateAngle != best)
        return fail(QStringLiteral("the slider did not turn the template"));
    *angleOut = best;

    // The angle the simulated sky has: template A-B against the frame's A-B.
    QPointF a, b;
    if (truePosition(hipA, &a) && truePosition(hipB, &b)) {
        const double frameDir = std::atan2(a.y() - b.y(), a.x() - b.x());
        const double tplDir = std::atan2(rings[iA].y - rings[iB].y, rings[iA].x - rings[iB].x);
        double sky = (frameDir - tplDir) * 180.0 / kPi;
        sky = std::fmod(sky + 720.0, 360.0);
        fig.skyAngle = sky;
        double diff = std::fabs(sky - best);
        diff = std::min(diff, 360.0 - diff);
        if (diff > 2.0)
            return fail(QStringLiteral("template angle %1 against the sky's %2").arg(best).arg(sky, 0, 'f', 2));
    }

    // On the drawn overlay, each star in view lies in the hole of its ring.
    QLabel *templ = child<QLabel>("label_templateImg");
    if (!templ->isVisibleTo(win.get()))
        return fail(QStringLiteral("the template is not shown"));
    const QImage overlay = templ->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint offset = templ->mapTo(win.get(), QPoint(0, 0)) - child<QLabel>("label_showImg")->mapTo(win.get(), QPoint(0, 0));
    int checked = 0;
    for (int i : {iA, iB, iD}) {
        const int hip = i == iA ? hipA : (i == iB ? hipB : hipD);
        QPointF star;
        if (!truePosition(hip, &star) || edgeMargin(star) < 25)
            continue;
        const QPointF q = star * double(win->zoomFactor) - QPointF(offset);
        const double zoom = win->zoomFactor;
        const double reach = (rings[i].r + 4) * zoom;
        double sw = 0, sx = 0, sy = 0;
        for (int y = int(q.y() - reach); y <= int(q.y() + reach); ++y) {
            for (int x = int(q.x() - reach); x <= int(q.x() + reach); ++x) {
                if (x < 0 || y < 0 || x >= overlay.width() || y >= overlay.height())
                    continue;
                if (std::hypot(x + 0.5 - q.x(), y + 0.5 - q.y()) > reach)
                    continue;
                const QRgb px = overlay.pixel(x, y);
                // Ring and rim are bluish; the pale bands of the southern image are not.
                if (qAlpha(px) < 60 || qBlue(px) < qRed(px))
                    continue;
                sw += qAlpha(px);
                sx += qAlpha(px) * (x + 0.5);
                sy += qAlpha(px) * (y + 0.5);
            }
        }
        if (sw <= 0)
            return fail(QStringLiteral("no ring around HIP %1").arg(hip));
        const double off = dist(QPointF(sx / sw, sy / sw), q);
        if (qEnvironmentVariableIsSet("E2E_VERBOSE"))
            std::printf("ring of HIP %d: %.2f px off (star at %.1f,%.1f)\n", hip, off, star.x(), star.y());
        fig.worstRingOffsetPx = std::max(fig.worstRingOffsetPx, off / zoom);
        // Well inside the ring's hole: the ring is drawn around that star.
        if (off > 0.45 * rings[i].r * zoom)
            return fail(QStringLiteral("the ring of HIP %1 is %2 px off the star").arg(hip).arg(off, 0, 'f', 2));
        ++checked;
    }
    if (checked < 2)
        return fail(QStringLiteral("too few template stars in view to check the match"));
    return true;
}

// Three picks of one star with the RA axis turned between them (steps 3 to 8).
bool AlignmentDriver::pickStarTriple()
{
    const QPointF axis = truthAxis();
    const int *pickable = cfg.south ? kSouthPickable : kNorthPickable;
    const int count = cfg.south ? int(std::size(kSouthPickable)) : int(std::size(kNorthPickable));
    QPointF poleStar;
    truePosition(hipB, &poleStar);
    // The brightest star that stays in view, far enough from the axis for a good
    // circle; wider turns give a better centre where the star allows them.
    const int fixedTurn = qEnvironmentVariableIntValue("E2E_TURN");
    for (int turn : fixedTurn > 0 ? std::vector<int>{fixedTurn} : std::vector<int>{50, 35}) {
        for (int i = 0; i < count && !pickHip; ++i) {
            for (int sign : {1, -1}) { // the arrow's way first
                QPointF p;
                if (!truePosition(pickable[i], &p) || dist(p, poleStar) < 40 || dist(p, axis) < 150)
                    continue;
                bool inView = true;
                for (int k = 0; k <= 2; ++k)
                    inView = inView && edgeMargin(rotated(p, axis, sign * k * (turn + 2.0))) > 35;
                if (inView) {
                    pickHip = pickable[i];
                    pickTurn = sign * turn;
                    break;
                }
            }
        }
        if (pickHip)
            break;
    }
    if (!pickHip)
        return fail(QStringLiteral("no star stays in view while the axis turns"));

    double raAt[3];
    QPushButton *const done[2] = {win->pushButton_rotateStar1_done, win->pushButton_rotateStar2_done};
    for (int k = 0; k < 3; ++k) {
        const int step = 3 + 2 * k;
        if (win->currentStep != step)
            return fail(QStringLiteral("expected step %1").arg(step));
        shot(step, QStringLiteral("pick%1").arg(k + 1));
        raAt[k] = tavrinsim::truth().raAngleDeg;
        if (!doubleClickStar(pickHip))
            return false;
        // A pick is measured over about a second of frames before it is taken.
        for (int wait = 0; win->currentStep == step && wait < 250 && unexpectedBoxes == 0; ++wait)
            QTest::qWait(20);
        if (unexpectedBoxes || win->currentStep != step + 1)
            return fail(QStringLiteral("the pick of HIP %1 was not taken: ").arg(pickHip) + lastBoxText);
        if (k == 2)
            break;
        tavrinsim::turnRaAxis(pickTurn);
        if (!waitFrames(3))
            return false;
        shot(step + 1, QStringLiteral("rotated%1").arg(k + 1));
        if (!click(done[k]))
            return false;
    }
    for (int k = 0; k < 2; ++k) {
        double turned = std::fabs(raAt[k + 1] - raAt[k]);
        turned = std::min(turned, 360.0 - turned);
        if (turned < 29.5)
            return fail(QStringLiteral("the axis turned only %1 degrees between picks").arg(turned));
    }

    const QPointF centre = win->circleCenter;
    if (qEnvironmentVariableIsSet("E2E_VERBOSE")) {
        const QPointF ax = truthAxis();
        std::printf("pick HIP %d turn %d: (%.2f,%.2f) (%.2f,%.2f) (%.2f,%.2f) centre (%.2f,%.2f) truth (%.2f,%.2f)\n",
                    pickHip, pickTurn, win->starPos1.x(), win->starPos1.y(), win->starPos2.x(), win->starPos2.y(),
                    win->starPos3.x(), win->starPos3.y(), centre.x(), centre.y(), ax.x(), ax.y());
    }
    fig.axisErrorPx = dist(centre, truthAxis());
    if (liveViewState.get(&LiveView::axisCenter) != centre)
        return fail(QStringLiteral("the axis centre did not reach the live view"));

    // Back to the home position, the star running along the drawn circle.
    tavrinsim::turnRaAxis(-2.0 * pickTurn);
    if (!waitFrames(3))
        return false;
    shot(8, QStringLiteral("validate"));
    if (!click(win->pushButton_validateCenter_done) || win->currentStep != 9)
        return fail(QStringLiteral("\"Correct\" did not lead to step 9"));
    const QString shown = QStringLiteral("(%1,%2)").arg(centre.x(), 0, 'f', 1).arg(centre.y(), 0, 'f', 1);
    if (child<QLabel>("label_axisPos")->text() != shown)
        return fail(QStringLiteral("the axis position reads %1").arg(child<QLabel>("label_axisPos")->text()));
    return true;
}

// The panel's altitude and azimuth figures, averaged over a few frames, signed as
// the simulator's truth: positive altitude is above the pole, positive azimuth to
// the right of it for the user facing the pole.
bool AlignmentDriver::readPolarError(const char *label, double *alt, double *az)
{
    static const QRegularExpression altRe(QStringLiteral("Altitude: ([0-9.]+)'(?: (lower|raise))?"));
    static const QRegularExpression azRe(QStringLiteral("Azimuth: ([0-9.]+)'(?: turn (left|right))?"));
    // Step 10 figures follow the frames; monitoring ones come with each enlarged view.
    const bool monitoring = win->currentStep == 13;
    auto next = [&](int n) { return monitoring ? waitZooms(n) : waitFrames(3 * n); };
    if (!next(2))
        return false;
    double sumAlt = 0, sumAz = 0;
    const int reads = 6;
    // A frame whose stars were not both measured shows no figures; the user reads the next.
    for (int i = 0, got = 0; got < reads; ++i) {
        if (!next(1))
            return false;
        const QString text = child<QLabel>(label)->text();
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

bool AlignmentDriver::monitorAndFineTune()
{
    if (!click(child<QPushButton>("pushButton_monitor")) || win->currentStep != 13)
        return fail(QStringLiteral("\"Start Monitor\" did not lead to step 13"));
    if (!waitZooms(2))
        return false;
    shot(13, QStringLiteral("monitor"));

    double alt = 0, az = 0;
    if (!readPolarError("label_polarError", &alt, &az))
        return false;
    const tavrinsim::Truth start = tavrinsim::truth();
    fig.shownAltArcmin = alt;
    fig.shownAzArcmin = az;
    fig.trueAltArcmin = start.altErrorArcmin;
    fig.trueAzArcmin = start.azErrorArcmin;
    return turnBoltsByFigures("label_polarError", alt, az, 0.1) && measureFigures();
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
            if (pieces > 1 && !waitFrames(2))
                return false;
        }
        ++fig.boltMoves;
        if (qEnvironmentVariableIsSet("E2E_VERBOSE"))
            std::printf("bolts %+.2f' %+.2f'\n", -alt, -az);
        if (!readPolarError(label, &alt, &az))
            return false;
    }
    return fail(QStringLiteral("the figures still read %1' and %2'").arg(alt).arg(az));
}

// What the live view says against the sky, over a run of frames: the mark as the
// user sees it (its mean position) and how much it trembles from frame to frame.
bool AlignmentDriver::measureFigures()
{
    const int frames = 12;
    std::vector<QPointF> live, data, truth;
    for (int i = 0; i < frames; ++i) {
        if (!waitZooms(1))
            return false;
        const LiveView v = liveViewState.snapshot();
        QPointF a, b;
        if (!truePosition(hipA, &a) || !truePosition(hipB, &b))
            return fail(QStringLiteral("reference stars out of view"));
        double px = 0, py = 0;
        if (starMath.CalcPoleCOOR(a.x(), a.y(), v.liveAngleBAP, b.x(), b.y(), v.liveAngleABP, &px, &py,
                                  v.axisCenter.x(), v.axisCenter.y()) != 0)
            return fail(QStringLiteral("no pole from the star data"));
        if (qEnvironmentVariableIsSet("E2E_VERBOSE"))
            std::printf("frame: A %+.2f %+.2f  B %+.2f %+.2f  pole-data %+.2f %+.2f\n", v.starA.x() - a.x(),
                        v.starA.y() - a.y(), v.starB.x() - b.x(), v.starB.y() - b.y(), v.livePole.x() - px,
                        v.livePole.y() - py);
        live.push_back(v.livePole);
        data.push_back(QPointF(px, py));
        truth.push_back(truthPole());
        fig.livePoleTrueMaxPx = std::max(fig.livePoleTrueMaxPx, dist(v.livePole, truth.back()));
        fig.livePoleDataMaxPx = std::max(fig.livePoleDataMaxPx, dist(v.livePole, data.back()));
    }
    auto mean = [](const std::vector<QPointF> &points) {
        QPointF sum;
        for (const QPointF &p : points)
            sum += p;
        return sum / double(points.size());
    };
    const QPointF liveMean = mean(live), dataMean = mean(data), trueMean = mean(truth);
    double jitter = 0;
    for (const QPointF &p : live)
        jitter += std::pow(dist(p, liveMean), 2);
    fig.livePoleJitterPx = std::sqrt(jitter / frames);
    fig.livePoleTruePx = dist(liveMean, trueMean);
    fig.livePoleDataPx = dist(liveMean, dataMean);
    fig.dataPoleTruePx = dist(dataMean, trueMean);
    const tavrinsim::Truth t = tavrinsim::truth();
    fig.finalAltArcmin = t.altErrorArcmin;
    fig.finalAzArcmin = t.azErrorArcmin;
    fig.finalTotalArcmin = t.totalErrorArcmin;
    return true;
}

bool AlignmentDriver::run()
{
    QElapsedTimer clock;
    clock.start();
    if (!setUp() || !connectAndSetUp())
        return false;

    // Step 2: the pole star, then the template turned onto its neighbours.
    if (!doubleClickStar(hipB))
        return false;
    if (!matchTemplate(false, &fig.matchAngle))
        return false;
    shot(2, QStringLiteral("match"));
    questionAnswered = false;
    if (!click(win->pushButton_confirm_done))
        return false;
    QTest::qWait(1);
    if (!questionAnswered)
        return fail(QStringLiteral("the saved axis centre was not offered"));
    if (win->currentStep != 3 || liveViewState.get(&LiveView::axisCenter) != QPointF(0, 0))
        return fail(QStringLiteral("declining the saved centre did not lead to the star picks"));

    // Steps 3 to 8: the axis centre from three picks of one star.
    if (!pickStarTriple())
        return false;

    // Step 9: match again; the template says where the pole star has to go.
    if (!doubleClickStar(hipB))
        return false;
    int angle = 0;
    if (!matchTemplate(true, &angle))
        return false;
    QPointF expected;
    if (!parsePosition(child<QLabel>("label_eptPos")->text(), &expected))
        return fail(QStringLiteral("no expected position shown"));
    shot(9, QStringLiteral("expected"));
    if (!click(win->pushButton_getEptPolaris_done) || win->currentStep != 10)
        return fail(QStringLiteral("\"Success\" did not lead to step 10"));

    // Step 10: the bolts bring the pole star into the turning target.
    if (!waitFrames(2))
        return false;
    shot(10, QStringLiteral("target"));
    double alt = 0, az = 0;
    if (!readPolarError("label_roughError", &alt, &az))
        return false;
    if (!turnBoltsByFigures("label_roughError", alt, az, 0.2))
        return false;
    if (dist(measuredStar(hipB), expected) > 1.0)
        return fail(QStringLiteral("the figures read nothing to turn with the pole star off its target"));
    shot(10, QStringLiteral("moved"));
    if (!click(win->pushButton_movePolaris_done) || win->currentStep != 11)
        return fail(QStringLiteral("\"adjustment Finished\" did not lead to step 11"));

    // Step 11: the current position fixes the two reference stars.
    if (!doubleClickStar(hipB) || !matchTemplate(true, &angle))
        return false;
    shot(11, QStringLiteral("current"));
    if (!click(win->pushButton_getCurPolaris_done) || win->currentStep != 12)
        return fail(QStringLiteral("\"Success\" did not lead to step 12"));
    QPointF a;
    truePosition(hipA, &a);
    fig.starAErrorPx = dist(liveViewState.get(&LiveView::starASearch), a);
    if (fig.starAErrorPx > 1.0)
        return fail(QStringLiteral("reference star A fixed %1 px off").arg(fig.starAErrorPx));
    shot(12, QStringLiteral("calc"));

    // Steps 12 and 13: monitor, and fine-tune by the marks alone.
    if (!monitorAndFineTune())
        return false;
    shot(13, QStringLiteral("aligned"));
    if (!click(win->pushButton_finetunePole_done) || win->tabWidget_tipMsg->isVisible())
        return fail(QStringLiteral("\"Done\" did not put the tips away"));
    if (!liveViewState.get(&LiveView::monitorPole))
        return fail(QStringLiteral("monitoring stopped with \"Done\""));
    fig.seconds = clock.elapsed() / 1000.0;
    return true;
}

double AlignmentDriver::dataPoleError(bool south, double angleBAP, double angleABP)
{
    const int *hips = south ? kSouthHip : kNorthHip;
    double ax, ay, bx, by;
    if (!tavrinsim::starPosition(hips[0], &ax, &ay) || !tavrinsim::starPosition(hips[1], &bx, &by))
        return -1;
    const QPointF pole = truthPole();
    double px = 0, py = 0;
    if (starMath.CalcPoleCOOR(ax, ay, angleBAP, bx, by, angleABP, &px, &py, pole.x(), pole.y()) != 0)
        return -1;
    return dist(QPointF(px, py), pole);
}

} // namespace e2e
