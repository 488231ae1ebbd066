// Cost of the capture thread's work per frame while monitoring, done two ways on
// the same frames:
//  - literal: every star measurement median-filters the whole frame into a fresh
//    working image (four whole-frame medians per frame), the whole frame is enlarged
//    five times into kept 6400 x 4800 buffers, marked, and the crop cut from it;
//  - ours: the capture thread's own code (window-only medians, the crop computed
//    from the source region it needs, images reused from a pool).
// Prints ms per frame for (a) the measurement and zoom work (copy, colour
// conversion, two star measurements, refraction, pole, zoom crop) and (b) the whole
// frame including live marks and queueing, checks that both ways give the same
// stars, pole and crop bytes, and reports peak resident memory. One OpenCV thread.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/livemarks.h"
#include "capture/liveviewstate.h"
#include "capture/zoomview.h"
#include "dialogs/refractionvalues.h"
#include "starmath/starmath.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#if __has_include("tavrinsim.h")
#include "tavrinsim.h"
#define HAVE_SIMULATOR 1
#else
#define HAVE_SIMULATOR 0
#endif

namespace {

const int kW = 1280;
const int kH = 960;

struct Scene
{
    std::vector<std::vector<unsigned char>> frames;
    QPointF starA, starB, axis;
    double angleBAP = 0, angleABP = 0;
    const char *source = "synthetic star field";
};

double angleAt(const QPointF &at, const QPointF &p, const QPointF &q)
{
    const QPointF u = p - at;
    const QPointF v = q - at;
    const double c = (u.x() * v.x() + u.y() * v.y())
                     / (std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y()));
    return std::acos(std::max(-1.0, std::min(1.0, c))) * 180.0 / M_PI;
}

void setAngles(Scene &s, const QPointF &pole)
{
    s.angleBAP = angleAt(s.starA, s.starB, pole);
    s.angleABP = angleAt(s.starB, s.starA, pole);
}

Scene syntheticScene(int count)
{
    Scene s;
    std::mt19937 rng(2021);
    std::normal_distribution<double> noise(12, 3);
    std::uniform_real_distribution<double> ux(10, kW - 10), uy(10, kH - 10), mag(40, 230);
    cv::Mat sky(kH, kW, CV_32F, cv::Scalar(0));
    auto star = [&](double x, double y, double peak) {
        for (int dy = -7; dy <= 7; ++dy)
            for (int dx = -7; dx <= 7; ++dx) {
                const int px = int(x) + dx, py = int(y) + dy;
                if (px < 0 || py < 0 || px >= kW || py >= kH)
                    continue;
                const double r2 = (px - x) * (px - x) + (py - y) * (py - y);
                sky.at<float>(py, px) += float(peak * std::exp(-r2 / (2 * 1.3 * 1.3)));
            }
    };
    for (int i = 0; i < 150; ++i)
        star(ux(rng), uy(rng), mag(rng));
    s.starA = QPointF(521.3, 402.7);
    s.starB = QPointF(640.6, 470.2);
    star(s.starA.x(), s.starA.y(), 220);
    star(s.starB.x(), s.starB.y(), 250);
    s.axis = QPointF(603.4, 428.9);
    setAngles(s, s.axis + QPointF(2.2, -1.6));
    for (int f = 0; f < count; ++f) {
        cv::Mat frame(kH, kW, CV_32F);
        cv::randn(frame, 12, 3);
        frame += sky;
        cv::Mat bytes;
        frame.convertTo(bytes, CV_8U);
        s.frames.emplace_back(bytes.data, bytes.data + bytes.total());
    }
    return s;
}

#if HAVE_SIMULATOR
bool simulatedScene(int count, Scene *s)
{
    tavrinsim::reset();
    tavrinsim::MountParams m = tavrinsim::mountParams();
    m.altErrorArcmin = 2.0; // nearly aligned: the pole shows in the zoom crop
    m.azErrorArcmin = -3.0;
    tavrinsim::setMountParams(m);
    tavrinsim::setClockRate(0);
    double ax = 0, ay = 0, bx = 0, by = 0;
    // B is the pole star, A a nearby star of the template.
    if (!tavrinsim::starPosition(11767, &bx, &by) || !tavrinsim::starPosition(5372, &ax, &ay))
        return false;
    if (ax < 30 || ay < 30 || ax > kW - 30 || ay > kH - 30 || bx < 30 || by < 30
        || bx > kW - 30 || by > kH - 30)
        return false;
    const tavrinsim::Truth t = tavrinsim::truth();
    s->starA = QPointF(ax, ay);
    s->starB = QPointF(bx, by);
    s->axis = QPointF(t.axisX, t.axisY);
    setAngles(*s, QPointF(t.poleX, t.poleY));
    s->source = "simulated camera";
    for (int f = 0; f < count; ++f) {
        std::vector<unsigned char> buf(CameraState::kFrameBufferSize);
        tavrinsim::renderFrame(buf.data());
        buf.resize(std::size_t(kW) * kH);
        s->frames.push_back(std::move(buf));
    }
    return true;
}
#endif

// ---- the literal way ----------------------------------------------------------

int literalGravityCenter(const cv::Mat &frame, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = int(x - 10.0), top = int(y - 10.0);
    if (left < 0 || top < 0 || left + 20 > frame.cols || top + 20 > frame.rows)
        return -1;
    cv::Mat work(frame.size(), CV_8UC1);
    cv::medianBlur(frame, work, 3);
    cv::Mat window = work(cv::Rect(left, top, 20, 20)).clone();
    cv::Mat thresholded = window.clone();
    double maxVal = 0;
    cv::minMaxLoc(window, nullptr, &maxVal);
    const double mean = cv::mean(window)[0];
    if (2.5 > maxVal / mean)
        return -1;
    const double threshold = mean + (maxVal - mean) * 0.3;
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c)
            thresholded.at<uchar>(r, c) = cv::saturate_cast<uchar>(window.at<uchar>(r, c) - threshold);
    const cv::Moments m = cv::moments(thresholded, false);
    if (m.m00 == 0)
        return -1;
    *ox = left + m.m10 / m.m00;
    *oy = top + m.m01 / m.m00;
    return 0;
}

int literalPreciseStarPos(const cv::Mat &frame, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = int(x - 20.0), top = int(y - 20.0);
    if (left < 0 || top < 0 || left + 40 > frame.cols || top + 40 > frame.rows)
        return -1;
    cv::Mat work(frame.size(), CV_8UC1);
    cv::medianBlur(frame, work, 3);
    cv::Mat window = work(cv::Rect(left, top, 40, 40)).clone();
    if (cv::mean(window)[0] == 0)
        return -1;
    cv::Point loc;
    cv::minMaxLoc(window, nullptr, nullptr, nullptr, &loc);
    const int px = left + loc.x, py = top + loc.y;
    if (literalGravityCenter(frame, px, py, ox, oy) != 0) {
        *ox = px;
        *oy = py;
    }
    return 0;
}

struct Literal
{
    cv::Mat grayFrame = cv::Mat(kH, kW, CV_8UC1);
    cv::Mat colorFrame = cv::Mat(kH, kW, CV_8UC3);
    cv::Mat zoomGray = cv::Mat(kH * 5, kW * 5, CV_8UC1);
    cv::Mat zoomColor = cv::Mat(kH * 5, kW * 5, CV_8UC3);
    cv::Mat zoomCrop = cv::Mat(200, 200, CV_8UC3);
    QImage frameImage = QImage(kW, kH, QImage::Format_RGB888);
    QImage zoomImage = QImage(200, 200, QImage::Format_RGB888);
    QList<QImage> frameQueue, zoomQueue;

    // Measurement and zoom work; returns whether the pole was found.
    bool measureAndZoom(const unsigned char *buf, LiveView &v)
    {
        std::memcpy(grayFrame.data, buf, std::size_t(kW) * kH);
        cv::cvtColor(grayFrame, colorFrame, cv::COLOR_GRAY2RGB);
        double ax, ay, bx, by;
        literalPreciseStarPos(grayFrame, v.starASearch.x(), v.starASearch.y(), &ax, &ay);
        literalPreciseStarPos(grayFrame, v.starBSearch.x(), v.starBSearch.y(), &bx, &by);
        const RefractionValues r = refractionValues();
        if (r.enabledCorrect) {
            starMath.CorrectRefraction(ay, r.latitude, r.pressureKPa(), r.T, &ay);
            starMath.CorrectRefraction(by, r.latitude, r.pressureKPa(), r.T, &by);
        }
        double px, py;
        const int rc = starMath.CalcPoleCOOR(ax, ay, v.liveAngleBAP, bx, by, v.liveAngleABP, &px,
                                             &py, v.axisCenter.x(), v.axisCenter.y());
        v.starA = QPointF(ax, ay);
        v.starB = QPointF(bx, by);
        v.livePole = rc == 0 ? QPointF(px, py) : QPointF();
        if (rc != 0)
            return false;
        cv::resize(grayFrame, zoomGray, zoomGray.size(), 0, 0, cv::INTER_LINEAR);
        cv::cvtColor(zoomGray, zoomColor, cv::COLOR_GRAY2RGB);
        drawZoomMarks(zoomColor, v);
        const cv::Rect win = ZoomView::cropWindow(v.axisCenter);
        const cv::Rect inside = win & cv::Rect(0, 0, zoomColor.cols, zoomColor.rows);
        zoomCrop.setTo(cv::Scalar::all(0));
        if (!inside.empty())
            zoomColor(inside).copyTo(zoomCrop(cv::Rect(inside.x - win.x, inside.y - win.y,
                                                       inside.width, inside.height)));
        for (int row = 0; row < 200; ++row)
            std::memcpy(zoomImage.scanLine(row), zoomCrop.ptr(row), 600);
        return true;
    }

    void wholeFrame(const unsigned char *buf, LiveView &v)
    {
        if (measureAndZoom(buf, v) && zoomQueue.size() < 2)
            zoomQueue.append(zoomImage);
        for (int row = 0; row < kH; ++row)
            std::memcpy(frameImage.scanLine(row), colorFrame.ptr(row), std::size_t(kW) * 3);
        QPainter p;
        if (p.begin(&frameImage)) {
            p.setRenderHint(QPainter::Antialiasing, true);
            paintLiveMarks(p, v);
            p.end();
        }
        if (frameQueue.size() < 2)
            frameQueue.append(frameImage);
        // The display takes one of each per frame, as the window's timer would.
        if (!frameQueue.isEmpty())
            frameQueue.removeFirst();
        if (!zoomQueue.isEmpty())
            zoomQueue.removeFirst();
    }
};

// ---- our way, piece by piece (the same calls the capture thread makes) ----------

struct Ours
{
    cv::Mat grayFrame = cv::Mat(kH, kW, CV_8UC1);
    QImage frameImage = QImage(kW, kH, QImage::Format_RGB888);
    cv::Mat colorFrame = cv::Mat(kH, kW, CV_8UC3, frameImage.bits(), std::size_t(frameImage.bytesPerLine()));
    cv::Mat zoomCrop = cv::Mat(200, 200, CV_8UC3);
    ZoomView zoomView;

    bool measureAndZoom(const unsigned char *buf, LiveView &v)
    {
        std::memcpy(grayFrame.data, buf, std::size_t(kW) * kH);
        cv::cvtColor(grayFrame, colorFrame, cv::COLOR_GRAY2RGB);
        double ax, ay, bx, by;
        starMath.GetPreciseStarPos(grayFrame, v.starASearch.x(), v.starASearch.y(), &ax, &ay);
        starMath.GetPreciseStarPos(grayFrame, v.starBSearch.x(), v.starBSearch.y(), &bx, &by);
        const RefractionValues r = refractionValues();
        if (r.enabledCorrect) {
            starMath.CorrectRefraction(ay, r.latitude, r.pressureKPa(), r.T, &ay);
            starMath.CorrectRefraction(by, r.latitude, r.pressureKPa(), r.T, &by);
        }
        double px, py;
        const int rc = starMath.CalcPoleCOOR(ax, ay, v.liveAngleBAP, bx, by, v.liveAngleABP, &px,
                                             &py, v.axisCenter.x(), v.axisCenter.y());
        v.starA = QPointF(ax, ay);
        v.starB = QPointF(bx, by);
        v.livePole = rc == 0 ? QPointF(px, py) : QPointF();
        if (rc != 0)
            return false;
        zoomView.render(grayFrame, v, zoomCrop);
        return true;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

long vmHwmKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    cv::setNumThreads(1);

    const int frameCount = 16;
    Scene scene;
#if HAVE_SIMULATOR
    if (!simulatedScene(frameCount, &scene))
        scene = syntheticScene(frameCount);
#else
    scene = syntheticScene(frameCount);
#endif

    RefractionValues r;
    r.enabledCorrect = true;
    setRefractionValues(r);

    LiveView base;
    base.monitorPole = true;
    base.showAxisCenter = true;
    base.showStarCircle = true;
    base.showStarAMark = true;
    base.showStarBMark = true;
    base.axisRadius = 240;
    base.axisCenter = scene.axis;
    base.starASearch = scene.starA + QPointF(1.7, -2.2);
    base.starBSearch = scene.starB + QPointF(-2.4, 1.1);
    base.liveAngleBAP = scene.angleBAP;
    base.liveAngleABP = scene.angleABP;
    std::printf("frames: %s, %d distinct, %dx%d\n", scene.source, frameCount, kW, kH);

    // Ours first, so its peak memory is read before the literal buffers exist.
    const long basePeak = vmHwmKb();
    const int oursRounds = 400;
    std::vector<double> oursA, oursB;
    Ours ours;
    for (int i = 0; i < 4; ++i) {
        LiveView v = base;
        ours.measureAndZoom(scene.frames[i % frameCount].data(), v);
    }
    for (int i = 0; i < oursRounds; ++i) {
        LiveView v = base;
        QElapsedTimer t;
        t.start();
        ours.measureAndZoom(scene.frames[i % frameCount].data(), v);
        oursA.push_back(t.nsecsElapsed() / 1e6);
    }
    CameraState camera;
    LiveViewState state;
    state.update([&](LiveView &v) { v = base; });
    CaptureThread capture(camera, state);
    QImage shown;
    for (int i = 0; i < oursRounds; ++i) {
        QElapsedTimer t;
        t.start();
        capture.processFrame(scene.frames[i % frameCount].data());
        oursB.push_back(t.nsecsElapsed() / 1e6);
        capture.takeFrame(&shown); // the display takes one of each per frame
        capture.takeZoom(&shown);
    }
    const long oursPeak = vmHwmKb();

    const int literalRounds = 48;
    std::vector<double> litA, litB;
    Literal literal;
    for (int i = 0; i < 4; ++i) { // first touch of the big buffers is not per-frame cost
        LiveView v = base;
        literal.wholeFrame(scene.frames[i % frameCount].data(), v);
    }
    bool same = true;
    int poles = 0;
    for (int i = 0; i < literalRounds; ++i) {
        const unsigned char *buf = scene.frames[i % frameCount].data();
        LiveView lv = base, ov = base;
        QElapsedTimer t;
        t.start();
        const bool lp = literal.measureAndZoom(buf, lv);
        litA.push_back(t.nsecsElapsed() / 1e6);
        const bool op = ours.measureAndZoom(buf, ov);
        poles += lp;
        same = same && lp == op && lv.starA == ov.starA && lv.starB == ov.starB
               && lv.livePole == ov.livePole
               && (!lp || cv::norm(literal.zoomCrop, ours.zoomCrop, cv::NORM_INF) == 0);
    }
    for (int i = 0; i < literalRounds; ++i) {
        LiveView v = base;
        QElapsedTimer t;
        t.start();
        literal.wholeFrame(scene.frames[i % frameCount].data(), v);
        litB.push_back(t.nsecsElapsed() / 1e6);
    }
    const long literalPeak = vmHwmKb();

    const LiveView last = state.snapshot();
    std::printf("star A (%.2f, %.2f)  star B (%.2f, %.2f)  pole (%.2f, %.2f)  axis (%.2f, %.2f)\n",
                last.starA.x(), last.starA.y(), last.starB.x(), last.starB.y(), last.livePole.x(),
                last.livePole.y(), scene.axis.x(), scene.axis.y());
    std::printf("pole found in %d of %d literal frames; same stars, pole and crop bytes: %s\n",
                poles, literalRounds, same ? "yes" : "NO");
    const double la = median(litA), oa = median(oursA), lb = median(litB), ob = median(oursB);
    std::printf("(a) measurement and zoom, ms/frame: literal %.3f  ours %.4f\n", la, oa);
    std::printf("(b) whole frame with marks and queues, ms/frame: literal %.3f  ours %.3f\n", lb, ob);
    std::printf("peak resident memory (VmHWM): with the frames loaded %.1f MB, after ours %.1f MB,"
                " after literal %.1f MB\n",
                basePeak / 1024.0, oursPeak / 1024.0, literalPeak / 1024.0);
    std::printf("speedup %.1fx\n", la / oa);
    return same ? 0 : 1;
}
