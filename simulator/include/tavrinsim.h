// Control API of the simulated camera library (libtavrin).
//
// The library serves the 17 camera functions of camera/tavrinapi.h from a
// simulated camera that sits on the RA axis of a virtual equatorial mount and
// looks at the real sky around the celestial pole. This API is for the
// library's own mount panel and for tests:
//
//  1. reset() restores every default (no faults, fresh call log, library not
//     initialised, the real clock, the default mount).
//  2. setMountParams()/turnRaAxis()/moveBolts() move the virtual mount;
//     setDateTime()/setClockRate() fix or speed up the sky's clock.
//  3. truth() tells where the celestial pole and the RA axis meet the current
//     frame and how far the mount is from the pole; starPosition() gives the
//     frame position of a catalogue star by its HIP number.
//  4. setFault() makes the camera misbehave in one chosen way.
//  5. callLog()/debugLines() show what the program asked of the library.
//
// Camera identifier: "ORVANTA-SIM0001". GetTAVRINId writes at most
// TAVRIN_ID_SIZE (38) bytes including the terminating NUL, except with the
// fault IdTooLong, which imitates a misbehaving vendor library: the id then
// fills all 38 bytes and has no NUL.
//
// All functions are thread-safe.
#ifndef TAVRINSIM_H
#define TAVRINSIM_H

#include <QDateTime>
#include <string>
#include <vector>

#if defined(_WIN32)
#  if defined(TAVRIN_BUILD)
#    define TAVRINSIM_EXPORT __declspec(dllexport)
#  else
#    define TAVRINSIM_EXPORT __declspec(dllimport)
#  endif
#else
#  define TAVRINSIM_EXPORT __attribute__((visibility("default")))
#endif

namespace tavrinsim {

enum class Hemisphere { North, South };

struct TAVRINSIM_EXPORT MountParams {
    Hemisphere hemisphere = Hemisphere::North;
    // Site. The latitude's sign always follows the hemisphere.
    double latitudeDeg = 39.9;
    double longitudeDeg = 116.3;  // east positive
    // RA axis angle in degrees; a positive turn turns the image clockwise on
    // screen about the axis point. While tracking, the axis also follows the sky.
    double raAngleDeg = 0.0;
    bool tracking = false;
    // Polar misalignment of the RA axis (the bolts), arcminutes: altitude above
    // the pole's altitude; azimuth past the pole's azimuth, clockwise seen from
    // above, that is to the right for a user facing the pole in either hemisphere.
    double altErrorArcmin = 42.0;
    double azErrorArcmin = -65.0;
    // Camera and optics.
    double arcsecPerPixel = 30.5;
    double axisX = 662.0;  // where the RA axis meets the frame, frame pixels
    double axisY = 455.0;
    double cameraRollDeg = 0.0;  // the camera's turn on the axis, clockwise on screen
    double seeingFwhmPx = 2.5;
    // Sky background per pixel and second at gain 50. The default 30 is a suburban
    // sky (about 17.9 mag per square arcsecond); 5 is a dark rural one (about 19.8).
    double skyAduPerSecond = 30.0;
    bool noise = true;  // shot and read noise and hot pixels; off gives clean frames
    // Atmosphere: when on, every star (and the refracted pole) is lifted by
    // Bennett's refraction for this pressure (kPa) and temperature (deg C).
    bool refraction = false;
    double pressureKPa = 101.0;
    double temperatureC = 10.0;
};

struct TAVRINSIM_EXPORT Truth {
    double poleX = 0, poleY = 0;                    // true celestial pole of date
    double refractedPoleX = 0, refractedPoleY = 0;  // where refraction shows it (= pole when off)
    double axisX = 0, axisY = 0;                    // RA axis
    double altErrorArcmin = 0;                      // remaining polar error against the true pole
    double azErrorArcmin = 0;
    double totalErrorArcmin = 0;                    // angle between the RA axis and the pole
    double raAngleDeg = 0;                          // current RA axis angle, tracking included
    QDateTime dateTime;                             // simulated UTC of these values
};

enum class Fault {
    InitResourceFails,   // InitTAVRINResource returns -1
    NoCamera,            // ScanTAVRIN finds nothing
    IdWithoutPrefix,     // the camera reports "GENERIC-SIM0001"
    IdTooLong,           // GetTAVRINId fills the whole buffer without a NUL
    GetIdFails,          // GetTAVRINId returns -1
    OpenFails,           // OpenTAVRIN returns 0
    ReadModeFails,       // SetTAVRINReadMode returns -1
    StreamModeFails,     // SetTAVRINStreamMode returns 1
    InitFails,           // InitTAVRIN returns -1
    BeginLiveFails,      // BeginTAVRINLive returns -1
    NoMoreFrames,        // GetTAVRINLiveFrame never has a frame again
    CameraDisappears,    // the next frame call fails and the camera is gone
    WrongFrameSize,      // frames come as 640 x 480
    CloseFails,          // CloseTAVRIN returns -1
};

enum class PanelMode {
    Auto,    // show the mount panel unless offscreen or TAVRINSIM_NO_PANEL is set
    Never,
    Always,  // show it even on the offscreen platform
};

// Mount and sky.
TAVRINSIM_EXPORT MountParams mountParams();
TAVRINSIM_EXPORT void setMountParams(const MountParams &params);
TAVRINSIM_EXPORT void turnRaAxis(double deltaDeg);
TAVRINSIM_EXPORT void moveBolts(double deltaAltArcmin, double deltaAzArcmin);
// A random misalignment of 0.5 to 3 degrees in a random direction.
TAVRINSIM_EXPORT void newMisalignment();

// Simulated clock (UTC). Default: the real clock at rate 1. Rate 0 stands still.
TAVRINSIM_EXPORT void setDateTime(const QDateTime &utc);
TAVRINSIM_EXPORT QDateTime dateTime();
TAVRINSIM_EXPORT void setClockRate(double rate);
TAVRINSIM_EXPORT double clockRate();

// Truth at the current simulated time.
TAVRINSIM_EXPORT Truth truth();
// Frame position (refraction included when on) of a catalogue star of the
// current hemisphere; false when the star is unknown or behind the camera.
TAVRINSIM_EXPORT bool starPosition(int hip, double *x, double *y);

// Camera.
TAVRINSIM_EXPORT std::string cameraId();
// Ids reported by the scan before the simulated camera (cameras that cannot be opened).
TAVRINSIM_EXPORT void setDecoyIds(const std::vector<std::string> &ids);
// Renders the frame the camera would deliver now (full 1280 x 960, the current
// exposure and gain) into buffer; for tools and tests. Returns milliseconds spent.
TAVRINSIM_EXPORT double renderFrame(unsigned char *buffer);
// Frame pacing on (default): frames come at the camera's frame interval.
// Off: every GetTAVRINLiveFrame call delivers a frame at once.
TAVRINSIM_EXPORT void setFramePacing(bool on);
// Current interval between frames in milliseconds (exposure with the readout floor).
TAVRINSIM_EXPORT double frameIntervalMs();

// Faults.
TAVRINSIM_EXPORT void setFault(Fault fault, bool on = true);
TAVRINSIM_EXPORT bool hasFault(Fault fault);
TAVRINSIM_EXPORT void clearFaults();

// What the program asked: one entry per call, "Name(arguments)", in order;
// consecutive GetTAVRINLiveFrame calls count as one entry.
TAVRINSIM_EXPORT std::vector<std::string> callLog();
// Names only, same order.
TAVRINSIM_EXPORT std::vector<std::string> callNames();
TAVRINSIM_EXPORT void clearCallLog();
TAVRINSIM_EXPORT long long liveFrameCalls();
// Lines handed to OutputTAVRINDebug, oldest first.
TAVRINSIM_EXPORT std::vector<std::string> debugLines();

// Mount panel.
TAVRINSIM_EXPORT void setPanelMode(PanelMode mode);
TAVRINSIM_EXPORT bool panelVisible();

TAVRINSIM_EXPORT void reset();

}  // namespace tavrinsim

#endif
