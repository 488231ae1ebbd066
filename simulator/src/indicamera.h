// INDI cameras behind the 17 camera functions. The library's exported
// functions hand every call whose handle (or id) belongs to an INDI camera to
// these, and list the INDI cameras ahead of the simulated one in the scan.
//
// Built without libindi, scan() finds nothing and owns() is always false.
#ifndef TAVRIN_INDICAMERA_H
#define TAVRIN_INDICAMERA_H

#include "camera/tavrinapi.h"

#include <cstdint>

namespace indicam {

// Backs TAVRINOption (see camera/tavrinoption.h).
int option(const char *key, const char *value, char *reply, int replySize);

// Connects to the configured server when needed and lists its CCDs; the count.
int scan();
int scannedCount();
// The id of the index-th camera of the last scan (TAVRIN_ID_SIZE bytes at most).
bool cameraId(int index, char *id);
// Opens the camera with this id; 0 when the id is none of ours or it fails.
TAVRIN_HANDLE open(const char *id);
bool owns(TAVRIN_HANDLE h);
int beginLive(TAVRIN_HANDLE h);
int liveFrame(TAVRIN_HANDLE h, uint32_t *width, uint32_t *height, uint32_t *bpp, uint32_t *channels,
              unsigned char *buffer);
int stopLive(TAVRIN_HANDLE h);
int close(TAVRIN_HANDLE h);
double param(TAVRIN_HANDLE h, int controlId);
int setParam(TAVRIN_HANDLE h, int controlId, double value);

}  // namespace indicam

#endif
