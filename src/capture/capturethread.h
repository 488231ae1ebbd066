// The capture thread: fetches live frames as fast as the camera delivers them,
// measures the reference stars and the pole while monitoring, paints the live marks
// and hands finished images to the GUI thread through two queues of at most two.
//
// How to use (GUI thread):
//  1. startCapture() after the camera is open; stopCapture() asks the loop to end
//     and returns at once; wait() (QThread) before the camera is closed.
//  2. On the display timer: takeFrame() and, while monitoring, takeZoom().
//  3. On the frame-rate timer: frameRate(). After a disconnect: resetFrameRate()
//     and clearFrameQueue().
//  4. Star measurement on the GUI thread works on copyGrayFrame(), a copy that the
//     capture thread cannot be rewriting.
// Locks: fpsMutex, frameQueueMutex, zoomQueueMutex and the grey-frame lock are each
// held for one copy, append or take, never two at once, never around a camera call.
#ifndef CAPTURETHREAD_H
#define CAPTURETHREAD_H

#include "camera/camerastate.h"
#include "capture/liveviewstate.h"
#include "capture/zoomview.h"
#include "starmath/starmeasure.h"

#include <QImage>
#include <QList>
#include <QMutex>
#include <QThread>

#include <opencv2/core.hpp>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class CaptureThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int kFrameWidth = 1280;
    static constexpr int kFrameHeight = 960;
    static constexpr int kMaxQueued = 2;

    // Works on the process-wide cameraState and liveViewState.
    explicit CaptureThread(QObject *parent = nullptr);
    CaptureThread(CameraState &camera, LiveViewState &view, QObject *parent = nullptr);
    // Stops the loop and waits for it, so the object never dies under a running thread.
    ~CaptureThread() override;

    void startCapture();
    void stopCapture();

    // Takes the oldest queued image; false when the queue is empty.
    bool takeFrame(QImage *image);
    bool takeZoom(QImage *image);
    void clearFrameQueue();
    int queuedFrames() const;
    int queuedZooms() const;

    // The last frame rate as integer and tenths.
    void frameRate(int *fpsInteger, int *fpsDecimal) const;
    void resetFrameRate();

    // A copy of the last camera frame (1280 x 960, one channel).
    cv::Mat copyGrayFrame() const;
    void copyGrayFrame(cv::Mat &out) const;

    // Frame rate from the interval between two frames: fpsInteger is the rate
    // truncated, fpsDecimal its first decimal. An interval of 0 or less (two frames
    // in one millisecond, a clock step backwards) has no rate: false, outputs untouched.
    static bool frameRateFromInterval(std::int32_t intervalMs, int *fpsInteger, int *fpsDecimal);

    // Everything run() does with one frame once it has arrived: the first
    // 1280 x 960 bytes of gray are the frame. Called by the loop; public for tests.
    void processFrame(const unsigned char *gray);

    // Where frames and time come from; the camera library and the system clock unless
    // replaced (tests). Replace only while the thread is not running.
    struct FrameSource
    {
        std::function<int(TAVRIN_HANDLE)> beginLive;
        std::function<int(TAVRIN_HANDLE, std::uint32_t *, std::uint32_t *, std::uint32_t *,
                          std::uint32_t *, unsigned char *)>
            getLiveFrame;
        std::function<qint64()> clockMs;
    };
    void setFrameSource(const FrameSource &source);

    mutable QMutex fpsMutex;
    mutable QMutex frameQueueMutex;
    mutable QMutex zoomQueueMutex;

protected:
    void run() override;

private:
    void init();
    std::int32_t clock32() const;
    void updateFrameRate();
    // Measures the reference stars and the pole into view; false when the pole of
    // measured stars could not be computed (no zoom view then). Lost stars give a
    // zoom view without a pole.
    bool measure(LiveView &view);
    static QImage &nextImage(std::vector<QImage> &pool, std::size_t &next, const QSize &size);

    CameraState &camera;
    LiveViewState &view;
    FrameSource source;
    std::atomic<bool> stopRequested{false};

    // Frame-rate state (fpsMutex).
    std::int32_t lastFrameTime = 0;
    std::int32_t frameTime = 0;
    int fpsInteger = 0;
    int fpsDecimal = 0;

    QList<QImage> frameQueue; // frameQueueMutex
    QList<QImage> zoomQueue;  // zoomQueueMutex

    // Working images, created once. grayFrame is written only under grayMutex and
    // only by this thread, which therefore reads it without the lock.
    mutable QMutex grayMutex;
    cv::Mat grayFrame;
    cv::Mat colorFrame; // header over the bytes of the frame image being written
    cv::Mat zoomCrop;   // header over the bytes of the zoom image being written
    ZoomView zoomView;
    ReferenceTracker tracker;
    bool lostLogged = false; // one line per run of frames without the reference stars

    // Images handed to the queues share their bytes with the GUI until it lets
    // them go; a small pool lets each frame be written into an image nobody else
    // holds, instead of copying one that is still shared.
    std::vector<QImage> framePool; // frameImage is the entry in use
    std::vector<QImage> zoomPool;  // zoomImage likewise
    std::size_t nextFrame = 0;
    std::size_t nextZoom = 0;
};

#endif
