// The camera library's one settings entry point beyond the 17 camera functions.
// It is optional: the program looks it up by name when it loads the library and,
// when a library does not export it, runs without the settings it carries (no
// Camera Server entry in the Device menu).
//
//   int TAVRINOption(const char *key, const char *value, char *reply, int replySize)
//
// value non-null sets the option; value null only reads it. Either way, when
// reply is non-null the option's current value is written there as text
// (NUL-terminated, cut to replySize). Returns 0, or -1 for an unknown key or a
// value the library refuses (the option then keeps its value).
//
// Keys of our library (tavrin):
//   "server"        INDI server as host:port, default "localhost:7624"; an
//                   empty value leaves INDI cameras out of the scan.
//   "focal_length"  the camera lens's focal length in mm; 0 = not known.
//   "plate_scale"   arcseconds per frame pixel the frames are scaled to (30.5).
//   "camera"        id of the camera the scan should list first ("" = none).
//   "server_status" read only: "connected", "unreachable" (the last scan could
//                   not reach the server), "off" (no server set) or
//                   "unsupported" (built without INDI).
//   "cameras"       read only: ids of the INDI cameras the last scan found,
//                   one a line, in the scan's order.
//   "field"         read only: the open INDI camera's sensor field as
//                   "width height" in degrees; "0 0" when the focal length is
//                   not known; "" for the simulated camera.
#ifndef TAVRINOPTION_H
#define TAVRINOPTION_H

#include "camera/tavrinapi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef int(TAVRIN_CALL *TAVRINOptionFunction)(const char *key, const char *value, char *reply, int replySize);

#if defined(TAVRIN_BUILD)
TAVRIN_API int TAVRIN_CALL TAVRINOption(const char *key, const char *value, char *reply, int replySize);
#endif

#ifdef __cplusplus
}
#endif

#endif
