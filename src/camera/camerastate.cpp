#include "camera/camerastate.h"

#include <cstring>

CameraState cameraState;

CameraState::CameraState() = default;

void CameraState::reset()
{
    cameraHandle = 0;
    cameraLibraryReady = false;
    cameraConnected = false;
    std::memset(cameraId, 0, sizeof cameraId);
    exposureTime = 20000;
    gain = 1;
    usbSpeed = 0;
    usbTraffic = 30;
    bitsMode = 8;
    binX = 1;
    binY = 1;
    streamMode = 1;
    roiStartX = 0;
    roiStartY = 0;
    frameWidth = 1280;
    frameHeight = 960;
    frameBpp = 0;
    frameChannels = 0;
}
