#include "capture/capturethread.h"

#include "camera/tavrinlibrary.h"
#include "capture/livemarks.h"
#include "dialogs/refractionvalues.h"
#include "starmath/skyposition.h"
#include "starmath/starmath.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QPainter>
#include <QtGlobal>

#include <opencv2/core/hal/intrin.hpp>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace {

const std::size_t kPoolSize = 4; // two queued, one being shown, one being written

} // namespace

CaptureThread::CaptureThread(QObject *parent)
    : CaptureThread(cameraState, liveViewState, parent)
{
}

CaptureThread::CaptureThread(CameraState &camera, LiveViewState &view, QObject *parent)
    : QThread(parent), camera(camera), view(view)
{
    // Without the library live mode cannot begin, and the loop ends at once.
    tavrinLib.ensureLoaded();
    source.beginLive = [](TAVRIN_HANDLE h) {
        return tavrinLib.BeginTAVRINLive ? tavrinLib.BeginTAVRINLive(h) : -1;
    };
    source.getLiveFrame = [](TAVRIN_HANDLE h, std::uint32_t *w, std::uint32_t *ht,
                             std::uint32_t *bpp, std::uint32_t *ch, unsigned char *buf) {
        return tavrinLib.GetTAVRINLiveFrame(h, w, ht, bpp, ch, buf);
    };
    source.clockMs = [] { return QDateTime::currentMSecsSinceEpoch(); };
}

CaptureThread::~CaptureThread()
{
    stopCapture();
    wait();
}

void CaptureThread::startCapture()
{
    stopRequested = false;
    start();
}

void CaptureThread::stopCapture()
{
    {
        std::lock_guard<std::mutex> lock(sleepMutex);
        stopRequested = true;
    }
    sleepWake.notify_all();
}

void CaptureThread::sleepUnlessStopped(int ms)
{
    std::unique_lock<std::mutex> lock(sleepMutex);
    sleepWake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopRequested.load(); });
}

void CaptureThread::setDisplayScale(float newScale)
{
    if (newScale > 0.0f && newScale <= 1.0f)
        scale = newScale;
}

QSize CaptureThread::displaySize(float s)
{
    // Truncated like every other display position.
    return QSize(int(kFrameWidth * s), int(kFrameHeight * s));
}

void CaptureThread::shrinkGray(const cv::Mat &gray, cv::Mat &out, const cv::Size &size)
{
    if (gray.type() != CV_8UC1 || size.width * 4 != gray.cols * 3 || size.height * 4 != gray.rows * 3) {
        cv::resize(gray, out, size, 0, 0, cv::INTER_AREA);
        return;
    }
    // Four pixels become three, each axis: weights 3:1, 2:2, 1:3, summed exactly in
    // sixteenths and rounded half up. OpenCV's general area path costs several
    // milliseconds a frame here; this one, by vectors, about a fifth of one.
    out.create(size, CV_8UC1);
    const int inW = gray.cols;
    const int blocks = size.width / 3;
    std::vector<std::uint16_t> sums(std::size_t(3) * std::size_t(inW));
    std::uint16_t *const v[3] = {sums.data(), sums.data() + inW, sums.data() + 2 * inW};
    for (int by = 0; by < gray.rows / 4; ++by) {
        const uchar *s0 = gray.ptr<uchar>(by * 4);
        const uchar *s1 = gray.ptr<uchar>(by * 4 + 1);
        const uchar *s2 = gray.ptr<uchar>(by * 4 + 2);
        const uchar *s3 = gray.ptr<uchar>(by * 4 + 3);
        // Down each column.
        int x = 0;
#if CV_SIMD128
        for (; x + 8 <= inW; x += 8) {
            const cv::v_uint16x8 a = cv::v_load_expand(s0 + x), b = cv::v_load_expand(s1 + x);
            const cv::v_uint16x8 c = cv::v_load_expand(s2 + x), d = cv::v_load_expand(s3 + x);
            cv::v_store(v[0] + x, a + a + a + b);
            cv::v_store(v[1] + x, (b + c) + (b + c));
            cv::v_store(v[2] + x, c + d + d + d);
        }
#endif
        for (; x < inW; ++x) {
            v[0][x] = std::uint16_t(3 * s0[x] + s1[x]);
            v[1][x] = std::uint16_t(2 * (s1[x] + s2[x]));
            v[2][x] = std::uint16_t(s2[x] + 3 * s3[x]);
        }
        // Along each row.
        for (int r = 0; r < 3; ++r) {
            const std::uint16_t *s = v[r];
            uchar *o = out.ptr<uchar>(by * 3 + r);
            int bx = 0;
#if CV_SIMD128
            const cv::v_uint16x8 half = cv::v_setall_u16(8);
            for (; bx + 16 <= blocks; bx += 16, s += 64, o += 48) {
                cv::v_uint16x8 a0, b0, c0, d0, a1, b1, c1, d1;
                cv::v_load_deinterleave(s, a0, b0, c0, d0);
                cv::v_load_deinterleave(s + 32, a1, b1, c1, d1);
                const cv::v_uint8x16 first = cv::v_pack((a0 + a0 + a0 + b0 + half) >> 4, (a1 + a1 + a1 + b1 + half) >> 4);
                const cv::v_uint8x16 middle =
                    cv::v_pack(((b0 + c0) + (b0 + c0) + half) >> 4, ((b1 + c1) + (b1 + c1) + half) >> 4);
                const cv::v_uint8x16 last = cv::v_pack((c0 + d0 + d0 + d0 + half) >> 4, (c1 + d1 + d1 + d1 + half) >> 4);
                cv::v_store_interleave(o, first, middle, last);
            }
#endif
            for (; bx < blocks; ++bx, s += 4, o += 3) {
                o[0] = uchar((3 * s[0] + s[1] + 8) >> 4);
                o[1] = uchar((2 * (s[1] + s[2]) + 8) >> 4);
                o[2] = uchar((s[2] + 3 * s[3] + 8) >> 4);
            }
        }
    }
}

int CaptureThread::waitAfterNoFrameMs(double sinceFrameMs, double frameIntervalMs)
{
    if (!(frameIntervalMs > 0.0))
        return 10;
    const double due = 0.9 * frameIntervalMs;
    if (sinceFrameMs < due - 1.0)
        return int(std::ceil(due - sinceFrameMs));
    return int(std::min(100.0, std::max(2.0, frameIntervalMs / 16.0)));
}

void CaptureThread::setFrameSource(const FrameSource &newSource)
{
    if (newSource.beginLive)
        source.beginLive = newSource.beginLive;
    if (newSource.getLiveFrame)
        source.getLiveFrame = newSource.getLiveFrame;
    if (newSource.clockMs)
        source.clockMs = newSource.clockMs;
}

bool CaptureThread::takeFrame(QImage *image)
{
    QMutexLocker lock(&frameQueueMutex);
    if (frameQueue.isEmpty())
        return false;
    *image = frameQueue.takeFirst();
    return true;
}

bool CaptureThread::takeZoom(QImage *image)
{
    QMutexLocker lock(&zoomQueueMutex);
    if (zoomQueue.isEmpty())
        return false;
    *image = zoomQueue.takeFirst();
    return true;
}

void CaptureThread::clearFrameQueue()
{
    QMutexLocker lock(&frameQueueMutex);
    frameQueue.clear();
}

int CaptureThread::queuedFrames() const
{
    QMutexLocker lock(&frameQueueMutex);
    return frameQueue.size();
}

int CaptureThread::queuedZooms() const
{
    QMutexLocker lock(&zoomQueueMutex);
    return zoomQueue.size();
}

void CaptureThread::frameRate(int *integer, int *decimal) const
{
    QMutexLocker lock(&fpsMutex);
    if (integer)
        *integer = fpsInteger;
    if (decimal)
        *decimal = fpsDecimal;
}

void CaptureThread::resetFrameRate()
{
    QMutexLocker lock(&fpsMutex);
    fpsInteger = 0;
    fpsDecimal = 0;
}

cv::Mat CaptureThread::copyGrayFrame() const
{
    cv::Mat out;
    copyGrayFrame(out);
    return out;
}

void CaptureThread::copyGrayFrame(cv::Mat &out) const
{
    QMutexLocker lock(&grayMutex);
    if (grayFrame.empty())
        out = cv::Mat::zeros(kFrameHeight, kFrameWidth, CV_8UC1);
    else
        grayFrame.copyTo(out);
}

bool CaptureThread::frameRateFromInterval(std::int32_t intervalMs, int *integer, int *decimal)
{
    if (intervalMs <= 0)
        return false;
    const double q = 1000.0 / double(intervalMs);
    const int whole = int(q);
    *integer = whole;
    *decimal = int(q * 10) - 10 * whole;
    return true;
}

std::int32_t CaptureThread::clock32() const
{
    // Milliseconds since the epoch, low 32 bits; differences wrap correctly.
    return std::int32_t(std::uint32_t(quint64(source.clockMs())));
}

void CaptureThread::updateFrameRate()
{
    QMutexLocker lock(&fpsMutex);
    frameTime = clock32();
    const std::int32_t interval = std::int32_t(std::uint32_t(frameTime) - std::uint32_t(lastFrameTime));
    frameRateFromInterval(interval, &fpsInteger, &fpsDecimal);
    lastFrameTime = clock32();
}

void CaptureThread::run()
{
    if (!camera.cameraConnected)
        return;
    const TAVRIN_HANDLE handle = camera.cameraHandle;
    if (source.beginLive(handle) != 0) {
        qCritical("BeginTAVRINLive failure");
        return;
    }
    {
        QMutexLocker lock(&fpsMutex);
        lastFrameTime = clock32();
    }
    // The camera's buffer is made for the first run, not at start.
    if (camera.frameBuffer.size() < CameraState::kFrameBufferSize)
        camera.frameBuffer.resize(CameraState::kFrameBufferSize);
    // A frame's work is small: OpenCV's worker threads would cost more in wake-ups
    // and spinning than they save.
    cv::setNumThreads(1);

    // Pacing runs on a monotonic clock of its own; the frame rate keeps the source's.
    QElapsedTimer pace;
    pace.start();
    double lastFrameMs = -1.0;
    double frameIntervalMs = 0.0;
    bool wrongSizeLogged = false;
    for (;;) {
        if (stopRequested)
            return;
        std::uint32_t width = 0, height = 0, bpp = 0, channels = 0;
        if (source.getLiveFrame(handle, &width, &height, &bpp, &channels,
                                camera.frameBuffer.data())
            != 0) {
            const double since = lastFrameMs < 0 ? 0.0 : pace.nsecsElapsed() / 1e6 - lastFrameMs;
            sleepUnlessStopped(waitAfterNoFrameMs(since, frameIntervalMs));
            continue;
        }
        if (width != std::uint32_t(kFrameWidth) || height != std::uint32_t(kFrameHeight)) {
            // Read as 1280x960 such a frame would show garbled and put every mark and
            // click in the wrong place: drop it, and say so once per run of them.
            if (!wrongSizeLogged)
                qCritical("GetTAVRINLiveFrame: %ux%u frame dropped", width, height);
            wrongSizeLogged = true;
            // Such frames may come at once, every time: no reason to ask again sooner.
            sleepUnlessStopped(10);
            continue;
        }
        wrongSizeLogged = false;
        const double nowMs = pace.nsecsElapsed() / 1e6;
        if (lastFrameMs >= 0)
            frameIntervalMs = nowMs - lastFrameMs;
        lastFrameMs = nowMs;
        camera.frameWidth = int(width);
        camera.frameHeight = int(height);
        camera.frameBpp = int(bpp);
        camera.frameChannels = int(channels);
        updateFrameRate();
        processFrame(camera.frameBuffer.data());
    }
}

QImage &CaptureThread::nextImage(std::vector<QImage> &pool, std::size_t &next, const QSize &size,
                                 QImage::Format format)
{
    // An image nobody else holds, of the right size if there is one.
    QImage *free = nullptr;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        const std::size_t index = (next + i) % pool.size();
        QImage &candidate = pool[index];
        if (!candidate.isDetached())
            continue;
        if (candidate.size() == size && candidate.format() == format) {
            next = (index + 1) % pool.size();
            return candidate;
        }
        if (!free) {
            free = &candidate;
            next = (index + 1) % pool.size();
        }
    }
    if (!free && pool.size() < kPoolSize) {
        pool.emplace_back();
        free = &pool.back();
        next = 0;
    }
    if (!free) {
        // Every image is still held elsewhere: let the holder keep it, take a new one.
        free = &pool[next];
        next = (next + 1) % pool.size();
    }
    *free = QImage(size, format);
    return *free;
}

bool CaptureThread::measure(LiveView &v)
{
    // Only stars measured in this very frame make a pole; a search position standing in
    // for a star would draw a pole that looks right and is not.
    QPointF a, b;
    const bool measured = tracker.track(grayFrame, v.starASearch, v.starBSearch, &a, &b);
    if (!measured) {
        if (!lostLogged)
            qCritical("Reference stars lost");
        lostLogged = true;
        v.starA = a;
        v.starB = b;
        v.livePole = QPointF();
        v.starsLost = true;
        v.polarError = PolarError();
        view.setMeasured(v.starA, v.starB, v.livePole, true);
        return true;
    }
    lostLogged = false;

    // How the sky of now sits in the frame, from the two stars as measured.
    QPointF starA = a, starB = b;
    const double turn = v.sky.valid ? frameTurn(v.sky, starA, starB) : 0.0;
    const RefractionValues refraction = refractionValues();
    if (refraction.enabledCorrect && v.sky.valid) {
        // The air lifts each star towards the zenith: move it back down its own vertical.
        starA = correctRefraction(v.sky.a, turn, starA, v.sky.arcsecPerPx);
        starB = correctRefraction(v.sky.b, turn, starB, v.sky.arcsecPerPx);
    }

    // The sky's own picture of the pole settles which mirror image is meant; without
    // it, the one nearer the axis centre.
    const QPointF reference = v.sky.valid ? framePole(v.sky, starA, starB) : v.axisCenter;
    double px = 0, py = 0;
    const int rc = starMath.CalcPoleCOOR(starA.x(), starA.y(), v.liveAngleBAP, starB.x(), starB.y(),
                                         v.liveAngleABP, &px, &py, reference.x(), reference.y());
    if (rc != 0) {
        px = 0;
        py = 0;
    }
    v.starA = starA;
    v.starB = starB;
    v.livePole = QPointF(px, py);
    v.starsLost = false;
    v.polarError = rc == 0 ? polarError(v.sky, turn, v.axisCenter, v.livePole) : PolarError();
    view.setMeasured(v.starA, v.starB, v.livePole, false, v.polarError);
    return rc == 0;
}

void CaptureThread::drawFrame(const cv::Mat &gray, const LiveView &v, QImage &image, cv::Mat &scratch)
{
    // Grey goes straight to the display's 32-bit format (B, G, R, 255 in memory), at
    // the display size: the GUI neither converts nor scales.
    const QSize size = image.size();
    cv::Mat color(size.height(), size.width(), CV_8UC4, image.bits(), std::size_t(image.bytesPerLine()));
    if (size == QSize(gray.cols, gray.rows)) {
        cv::cvtColor(gray, color, cv::COLOR_GRAY2BGRA);
    } else {
        shrinkGray(gray, scratch, cv::Size(size.width(), size.height()));
        cv::cvtColor(scratch, color, cv::COLOR_GRAY2BGRA);
    }

    QPainter painter;
    if (painter.begin(&image)) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        // Marks keep frame coordinates.
        if (size != QSize(gray.cols, gray.rows))
            painter.scale(double(size.width()) / gray.cols, double(size.height()) / gray.rows);
        paintLiveMarks(painter, v);
        painter.end();
    }
}

QImage CaptureThread::markedFrame(const cv::Mat &gray, const LiveView &v)
{
    QImage image(gray.cols, gray.rows, QImage::Format_RGB32);
    cv::Mat scratch;
    drawFrame(gray, v, image, scratch);
    return image;
}

void CaptureThread::processFrame(const unsigned char *gray)
{
    {
        QMutexLocker lock(&grayMutex);
        grayFrame.create(kFrameHeight, kFrameWidth, CV_8UC1);
        std::memcpy(grayFrame.data, gray, std::size_t(kFrameWidth) * kFrameHeight);
    }

    LiveView v = view.snapshot();
    if (!v.monitorPole) {
        tracker.reset();
        lostLogged = false;
    }

    if (v.monitorPole && measure(v)) {
        QImage &zoomImage = nextImage(zoomPool, nextZoom, QSize(ZoomView::kCropSize, ZoomView::kCropSize),
                                      QImage::Format_RGB888);
        zoomCrop = cv::Mat(zoomImage.height(), zoomImage.width(), CV_8UC3, zoomImage.bits(),
                           std::size_t(zoomImage.bytesPerLine()));
        zoomView.render(grayFrame, v, zoomCrop);
        if (v.isNight())
            nightTint(zoomCrop);
        QMutexLocker lock(&zoomQueueMutex);
        if (zoomQueue.size() < kMaxQueued)
            zoomQueue.append(zoomImage);
    }

    {
        // The GUI has not taken the last two yet: drawing a third would be thrown away.
        QMutexLocker lock(&frameQueueMutex);
        if (frameQueue.size() >= kMaxQueued)
            return;
    }
    QImage &frameImage = nextImage(framePool, nextFrame, displaySize(scale), QImage::Format_RGB32);
    drawFrame(grayFrame, v, frameImage, scaledGray);
    if (v.isNight()) {
        cv::Mat shown(frameImage.height(), frameImage.width(), CV_8UC4, frameImage.bits(),
                      std::size_t(frameImage.bytesPerLine()));
        nightTint(shown);
    }

    {
        QMutexLocker lock(&frameQueueMutex);
        if (frameQueue.size() >= kMaxQueued)
            return;
        frameQueue.append(frameImage);
    }
    emit frameQueued();
}
