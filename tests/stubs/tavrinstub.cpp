// A stand-in camera library: one camera "ORVANTA-STUB" whose values and frame
// call the test sets. Built whole, and once more without StopTAVRINLive.
#include "camera/tavrinapi.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
std::atomic<int> frameMode{0}; // 0 frames, 1 the call blocks, 2 640 x 480 at once
std::atomic<double> param{50};
std::atomic<long long> frameCalls{0};
} // namespace

extern "C" {
TAVRIN_API void stubSetFrameMode(int mode) { frameMode = mode; }
TAVRIN_API void stubSetParam(double value) { param = value; }
TAVRIN_API long long stubFrameCalls() { return frameCalls; }

TAVRIN_API int InitTAVRINResource(void) { return 0; }
TAVRIN_API int ScanTAVRIN(void) { return 1; }
TAVRIN_API int GetTAVRINId(int, char *id) { std::strcpy(id, "ORVANTA-STUB"); return 0; }
TAVRIN_API TAVRIN_HANDLE OpenTAVRIN(char *) { return 1; }
TAVRIN_API int SetTAVRINReadMode(TAVRIN_HANDLE, int) { return 0; }
TAVRIN_API int SetTAVRINStreamMode(TAVRIN_HANDLE, unsigned char) { return 0; }
TAVRIN_API int InitTAVRIN(TAVRIN_HANDLE) { return 0; }
TAVRIN_API int SetTAVRINBitsMode(TAVRIN_HANDLE, int) { return 0; }
TAVRIN_API int SetTAVRINBinMode(TAVRIN_HANDLE, int, int) { return 0; }
TAVRIN_API int SetTAVRINResolution(TAVRIN_HANDLE, int, int, int, int) { return 0; }
TAVRIN_API double GetTAVRINParam(TAVRIN_HANDLE, int) { return param; }
TAVRIN_API int SetTAVRINParam(TAVRIN_HANDLE, int, double) { return 0; }
TAVRIN_API int BeginTAVRINLive(TAVRIN_HANDLE) { return 0; }
TAVRIN_API int GetTAVRINLiveFrame(TAVRIN_HANDLE, uint32_t *w, uint32_t *h, uint32_t *, uint32_t *, unsigned char *)
{
    ++frameCalls;
    while (frameMode == 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const bool wrong = frameMode == 2;
    if (!wrong)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    *w = wrong ? 640 : 1280;
    *h = wrong ? 480 : 960;
    return 0;
}
#ifndef STUB_WITHOUT_STOP
TAVRIN_API int StopTAVRINLive(TAVRIN_HANDLE) { return 0; }
#endif
TAVRIN_API int CloseTAVRIN(TAVRIN_HANDLE) { return 0; }
TAVRIN_API void OutputTAVRINDebug(const char *) {}
}
