// The capture thread: fetches live frames as the camera delivers them, measures
// the reference stars and the pole while monitoring, paints the live marks on an
// image of the display's size and format, and hands finished images to the GUI
// thread through two queues of at most two.
//
// How to use (GUI thread):
//  1. setDisplayScale() with the display zoom; startCapture() after the camera is
//     open; stopCapture() asks the loop to end and returns at once; wait() (QThread)
//     before the camera is closed.
//  2. On frameQueued() (connect it queued): takeFrame() and, while monitoring,
//     takeZoom(); a frame's zoom crop is queued before the frame.
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
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
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

    // Frames are queued at the frame size times this (the display zoom), in the
    // display's 32-bit format, so the GUI shows them without converting or scaling.
    void setDisplayScale(float scale);
    float displayScale() const { return scale; }
    static QSize displaySize(float scale);
    // Area-averaging reduction of a grey frame to size (as cv::INTER_AREA, to within
    // one grey level); the 3/4 of the 75% zoom has a fast exact path.
    static void shrinkGray(const cv::Mat &gray, cv::Mat &out, const cv::Size &size);

    // How long the loop waits after the camera had no frame: until 0.9 of the last
    // interval between two frames has passed since the last frame, then in steps of
    // a sixteenth of it (2 to 100 ms). 10 ms while no interval is known. Shrinking
    // the wait to 0.9 lets it follow a camera that became faster.
    static int waitAfterNoFrameMs(double sinceFrameMs, double frameIntervalMs);

    // Takes the oldest queued image; false when the queue is empty.
    bool takeFrame(QImage *image);
    bool takeZoom(QImage *image);
    void clearFrameQueue();
    int queuedFrames() const;
    int queuedZooms() const;

    // The last frame rate as integer and tenths.
    void frameRate(int *fpsInteger, int *fpsDecimal) const;
    void resetFrameRate();

    // A copy of the last camera frame (1280 x 960, one channel; black before the first).
    cv::Mat copyGrayFrame() const;
    void copyGrayFrame(cv::Mat &out) const;

    // Frame rate from the interval between two frames: fpsInteger is the rate
    // truncated, fpsDecimal its first decimal. An interval of 0 or less (two frames
    // in one millisecond, a clock step backwards) has no rate: false, outputs untouched.
    static bool frameRateFromInterval(std::int32_t intervalMs, int *fpsInteger, int *fpsDecimal);

    // A grey frame in the display's format with the live marks, at full size: what
    // the queue would get at 100%, made anew (to save the whole frame at any zoom).
    static QImage markedFrame(const cv::Mat &gray, const LiveView &view);

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

signals:
    // A frame was queued (emitted from the capture thread).
    void frameQueued();

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
    // Sleeps for ms unless stopCapture() comes first.
    void sleepUnlessStopped(int ms);
    // Grey to image (whose size says the scale), then the marks.
    static void drawFrame(const cv::Mat &gray, const LiveView &view, QImage &image, cv::Mat &scratch);
    static QImage &nextImage(std::vector<QImage> &pool, std::size_t &next, const QSize &size,
                             QImage::Format format);

    CameraState &camera;
    LiveViewState &view;
    FrameSource source;
    std::atomic<bool> stopRequested{false};
    std::mutex sleepMutex;
    std::condition_variable sleepWake;
    std::atomic<float> scale{1.0f};

    // Frame-rate state (fpsMutex).
    std::int32_t lastFrameTime = 0;
    std::int32_t frameTime = 0;
    int fpsInteger = 0;
    int fpsDecimal = 0;

    QList<QImage> frameQueue; // frameQueueMutex
    QList<QImage> zoomQueue;  // zoomQueueMutex

    // Working images, made with the first frame. grayFrame is written only under
    // grayMutex and only by this thread, which therefore reads it without the lock.
    mutable QMutex grayMutex;
    cv::Mat grayFrame;
    cv::Mat scaledGray; // grayFrame at the display size, when that is smaller
    cv::Mat zoomCrop;   // header over the bytes of the zoom image being written
    ZoomView zoomView;
    ReferenceTracker tracker;
    bool lostLogged = false; // one line per run of frames without the reference stars

    // Images handed to the queues share their bytes with the GUI until it lets
    // them go; a small pool lets each frame be written into an image nobody else
    // holds, instead of copying one that is still shared. It grows only while every
    // image is held: two queued, one shown, one being written at most.
    std::vector<QImage> framePool;
    std::vector<QImage> zoomPool;
    std::size_t nextFrame = 0;
    std::size_t nextZoom = 0;
};

#endif
