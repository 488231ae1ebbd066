// The camera library's 17 entry points: everything the program relies on.
// A vendor build of the library exporting the same functions can replace ours.
#ifndef TAVRINAPI_H
#define TAVRINAPI_H

#include <stdint.h>

#if defined(_WIN32)
#  define TAVRIN_CALL __stdcall
#  if defined(TAVRIN_BUILD)
#    define TAVRIN_API __declspec(dllexport)
#  else
#    define TAVRIN_API __declspec(dllimport)
#  endif
#else
#  define TAVRIN_CALL
#  if defined(TAVRIN_BUILD)
#    define TAVRIN_API __attribute__((visibility("default")))
#  else
#    define TAVRIN_API
#  endif
#endif

// Opaque camera handle; 0 means none.
typedef intptr_t TAVRIN_HANDLE;

// Size of the identifier buffer the caller passes to GetTAVRINId.
#define TAVRIN_ID_SIZE 38

// Control ids.
#define TAVRIN_CONTROL_GAIN 6
#define TAVRIN_CONTROL_EXPOSURE 8
#define TAVRIN_CONTROL_SPEED 9
#define TAVRIN_CONTROL_TRAFFIC 12

#ifdef __cplusplus
extern "C" {
#endif

TAVRIN_API int TAVRIN_CALL InitTAVRINResource(void);
TAVRIN_API int TAVRIN_CALL ScanTAVRIN(void);
TAVRIN_API int TAVRIN_CALL GetTAVRINId(int index, char *id);
TAVRIN_API TAVRIN_HANDLE TAVRIN_CALL OpenTAVRIN(char *id);
TAVRIN_API int TAVRIN_CALL SetTAVRINReadMode(TAVRIN_HANDLE h, int mode);
TAVRIN_API int TAVRIN_CALL SetTAVRINStreamMode(TAVRIN_HANDLE h, unsigned char mode);
TAVRIN_API int TAVRIN_CALL InitTAVRIN(TAVRIN_HANDLE h);
TAVRIN_API int TAVRIN_CALL SetTAVRINBitsMode(TAVRIN_HANDLE h, int bits);
TAVRIN_API int TAVRIN_CALL SetTAVRINBinMode(TAVRIN_HANDLE h, int binX, int binY);
TAVRIN_API int TAVRIN_CALL SetTAVRINResolution(TAVRIN_HANDLE h, int startX, int startY, int width, int height);
TAVRIN_API double TAVRIN_CALL GetTAVRINParam(TAVRIN_HANDLE h, int controlId);
TAVRIN_API int TAVRIN_CALL SetTAVRINParam(TAVRIN_HANDLE h, int controlId, double value);
TAVRIN_API int TAVRIN_CALL BeginTAVRINLive(TAVRIN_HANDLE h);
TAVRIN_API int TAVRIN_CALL GetTAVRINLiveFrame(TAVRIN_HANDLE h, uint32_t *width, uint32_t *height,
                                              uint32_t *bpp, uint32_t *channels, unsigned char *buffer);
TAVRIN_API int TAVRIN_CALL StopTAVRINLive(TAVRIN_HANDLE h);
TAVRIN_API int TAVRIN_CALL CloseTAVRIN(TAVRIN_HANDLE h);
TAVRIN_API void TAVRIN_CALL OutputTAVRINDebug(const char *text);

#ifdef __cplusplus
}
#endif

#endif
