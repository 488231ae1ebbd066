// The one record of the camera connection.
//
// The GUI thread opens, configures and closes the camera and writes the control
// values; the capture thread reads cameraConnected and cameraHandle when it starts
// and writes the frame fields with every live frame. The fields both threads touch
// while capture runs are atomic, so the GUI may read the frame size for display
// scaling at any time.
#ifndef CAMERASTATE_H
#define CAMERASTATE_H

#include "camera/tavrinapi.h"

#include <atomic>
#include <cstddef>
#include <vector>

struct CameraState
{
    // 1280 x 960 pixels, three bytes each: the largest frame the library may write.
    static constexpr std::size_t kFrameBufferSize = 3686400;

    CameraState();
    CameraState(const CameraState &) = delete;
    CameraState &operator=(const CameraState &) = delete;

    // Back to the start values (the frame buffer is kept, not cleared).
    void reset();

    TAVRIN_HANDLE cameraHandle = 0;        // kept after close
    bool cameraLibraryReady = false;       // InitTAVRINResource returned 0
    std::atomic<bool> cameraConnected{false};
    char cameraId[TAVRIN_ID_SIZE] = {};

    double exposureTime = 20000;           // microseconds, control 8
    double gain = 1;                       // control 6
    double usbSpeed = 0;                   // control 9
    double usbTraffic = 30;                // control 12

    int bitsMode = 8;
    int binX = 1;
    int binY = 1;
    unsigned char streamMode = 1;
    int roiStartX = 0;
    int roiStartY = 0;

    std::atomic<int> frameWidth{1280};
    std::atomic<int> frameHeight{960};
    std::atomic<int> frameBpp{0};
    std::atomic<int> frameChannels{0};

    // Receives each live frame; only the capture thread touches it, and makes it
    // (kFrameBufferSize bytes) when capture first runs.
    std::vector<unsigned char> frameBuffer;
};

// The process-wide record.
extern CameraState cameraState;

#endif
