// A stand-in camera library whose values and frame call the test sets; also built without StopTAVRINLive.
#include "camera/tavrinapi.h"

#include <atomic>
#include <cstring>
#include <unistd.h>

static std::atomic<int> frameMode{0}; // 0 frames, 1 the call blocks, 2 640 x 480 at once
static std::atomic<double> param{50};
static std::atomic<long long> frameCalls{0};

#define STUB extern "C" TAVRIN_API
STUB void stubSetFrameMode(int mode) { frameMode = mode; }
STUB void stubSetParam(double value) { param = value; }
STUB long long stubFrameCalls() { return frameCalls; }

STUB int InitTAVRINResource(void) { return 0; }
STUB int ScanTAVRIN(void) { return 1; }
STUB int GetTAVRINId(int, char *id) { return std::strcpy(id, "ORVANTA-STUB") ? 0 : 1; }
STUB TAVRIN_HANDLE OpenTAVRIN(char *) { return 1; }
STUB int SetTAVRINReadMode(TAVRIN_HANDLE, int) { return 0; }
STUB int SetTAVRINStreamMode(TAVRIN_HANDLE, unsigned char) { return 0; }
STUB int InitTAVRIN(TAVRIN_HANDLE) { return 0; }
STUB int SetTAVRINBitsMode(TAVRIN_HANDLE, int) { return 0; }
STUB int SetTAVRINBinMode(TAVRIN_HANDLE, int, int) { return 0; }
STUB int SetTAVRINResolution(TAVRIN_HANDLE, int, int, int, int) { return 0; }
STUB double GetTAVRINParam(TAVRIN_HANDLE, int) { return param; }
STUB int SetTAVRINParam(TAVRIN_HANDLE, int, double) { return 0; }
STUB int BeginTAVRINLive(TAVRIN_HANDLE) { return 0; }
STUB int GetTAVRINLiveFrame(TAVRIN_HANDLE, uint32_t *w, uint32_t *h, uint32_t *, uint32_t *, unsigned char *)
{
    for (++frameCalls; frameMode == 1;)
        usleep(5000);
    usleep(frameMode == 2 ? 0 : 20000);
    *w = frameMode == 2 ? 640 : 1280;
    *h = frameMode == 2 ? 480 : 960;
    return 0;
}
#ifndef STUB_WITHOUT_STOP
STUB int StopTAVRINLive(TAVRIN_HANDLE) { return 0; }
#endif
STUB int CloseTAVRIN(TAVRIN_HANDLE) { return 0; }
STUB void OutputTAVRINDebug(const char *) {}
