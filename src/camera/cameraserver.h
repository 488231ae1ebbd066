// Where the camera library finds INDI cameras, and whether a camera's field of
// view suits the star templates. The settings reach the library through its
// optional TAVRINOption entry point (camera/tavrinoption.h).
#ifndef CAMERASERVER_H
#define CAMERASERVER_H

#include "camera/tavrinoption.h"

#include <QString>
#include <QStringList>

struct CameraServerSettings {
    QString host = QStringLiteral("localhost");
    int port = 7624;
    double focalLength = 0;  // mm; 0 = not set
    QString camera;          // id of the camera to connect first; empty = the first found
};

// Frame scale the star templates are drawn at, arcseconds per pixel.
double templatePlateScale(const QString &region);

// The loaded library's entry point; null when there is no library or it has none.
TAVRINOptionFunction tavrinOptionEntry();
// Reads an option; empty when the library has no entry point or no such key.
QString tavrinOption(const char *key);
// Hands the settings and the region's plate scale to the library; false when
// the library has no entry point or refused one of them.
bool applyCameraServer(const CameraServerSettings &settings, const QString &region);

// Both reference stars must fit in the frame with the pole star near its middle:
// the camera's field must be this many degrees on its short side.
constexpr double kMinFieldDeg = 5.0;

struct FieldCheck {
    enum Result { Suitable, NoFocalLength, TooNarrow } result = Suitable;
    double maxFocalLength = 0;  // mm, for TooNarrow: the longest lens that would do
};
// fieldDeg is the library's "field" reply ("width height" in degrees).
FieldCheck checkField(const QString &fieldDeg, double focalLength);

#endif
