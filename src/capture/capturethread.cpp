#include "capture/capturethread.h"

#include "camera/tavrinlibrary.h"
#include "capture/livemarks.h"
#include "dialogs/refractionvalues.h"
#include "starmath/skyposition.h"
#include "starmath/starmath.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QPainter>
#include <QtGlobal>

#include <opencv2/imgproc.hpp>

#include <cstring>

namespace {

const int kPoolSize = 4; // two queued, one being shown, one being written

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

    grayFrame = cv::Mat(kFrameHeight, kFrameWidth, CV_8UC1, cv::Scalar(0));
    for (int i = 0; i < kPoolSize; ++i) {
        QImage frame(kFrameWidth, kFrameHeight, QImage::Format_RGB888);
        frame.fill(Qt::black);
        framePool.push_back(frame);
        QImage zoom(ZoomView::kCropSize, ZoomView::kCropSize, QImage::Format_RGB888);
        zoom.fill(Qt::black);
        zoomPool.push_back(zoom);
    }
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
    stopRequested = true;
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

    bool wrongSizeLogged = false;
    for (;;) {
        if (stopRequested)
            return;
        std::uint32_t width = 0, height = 0, bpp = 0, channels = 0;
        if (source.getLiveFrame(handle, &width, &height, &bpp, &channels,
                                camera.frameBuffer.data())
            != 0) {
            QThread::usleep(10000);
            continue;
        }
        if (width != std::uint32_t(kFrameWidth) || height != std::uint32_t(kFrameHeight)) {
            // Read as 1280x960 such a frame would show garbled and put every mark and
            // click in the wrong place: drop it, and say so once per run of them.
            if (!wrongSizeLogged)
                qCritical("GetTAVRINLiveFrame: %ux%u frame dropped", width, height);
            wrongSizeLogged = true;
            // Such frames may come at once, every time: no reason to ask again sooner.
            QThread::usleep(10000);
            continue;
        }
        wrongSizeLogged = false;
        camera.frameWidth = int(width);
        camera.frameHeight = int(height);
        camera.frameBpp = int(bpp);
        camera.frameChannels = int(channels);
        updateFrameRate();
        processFrame(camera.frameBuffer.data());
    }
}

QImage &CaptureThread::nextImage(std::vector<QImage> &pool, std::size_t &next, const QSize &size)
{
    for (std::size_t i = 0; i < pool.size(); ++i) {
        QImage &candidate = pool[(next + i) % pool.size()];
        if (candidate.isDetached()) {
            next = (next + i + 1) % pool.size();
            return candidate;
        }
    }
    // Every image is still held elsewhere: let the holder keep it, take a new one.
    QImage &slot = pool[next];
    slot = QImage(size, QImage::Format_RGB888);
    next = (next + 1) % pool.size();
    return slot;
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

void CaptureThread::processFrame(const unsigned char *gray)
{
    {
        QMutexLocker lock(&grayMutex);
        std::memcpy(grayFrame.data, gray, std::size_t(kFrameWidth) * kFrameHeight);
    }

    LiveView v = view.snapshot();
    if (!v.monitorPole) {
        tracker.reset();
        lostLogged = false;
    }

    if (v.monitorPole && measure(v)) {
        QImage &zoomImage = nextImage(zoomPool, nextZoom,
                                      QSize(ZoomView::kCropSize, ZoomView::kCropSize));
        zoomCrop = cv::Mat(zoomImage.height(), zoomImage.width(), CV_8UC3, zoomImage.bits(),
                           std::size_t(zoomImage.bytesPerLine()));
        zoomView.render(grayFrame, v, zoomCrop);
        QMutexLocker lock(&zoomQueueMutex);
        if (zoomQueue.size() < kMaxQueued)
            zoomQueue.append(zoomImage);
    }

    // The grey-to-colour conversion writes straight into the image that is queued.
    QImage &frameImage = nextImage(framePool, nextFrame, QSize(kFrameWidth, kFrameHeight));
    colorFrame = cv::Mat(frameImage.height(), frameImage.width(), CV_8UC3, frameImage.bits(),
                         std::size_t(frameImage.bytesPerLine()));
    cv::cvtColor(grayFrame, colorFrame, cv::COLOR_GRAY2RGB);

    QPainter painter;
    if (painter.begin(&frameImage)) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        paintLiveMarks(painter, v);
        painter.end();
    }

    QMutexLocker lock(&frameQueueMutex);
    if (frameQueue.size() < kMaxQueued)
        frameQueue.append(frameImage);
}
