// Geometry of the simulated camera: the sky of date seen through a camera that
// turns with the RA axis of a (misaligned) equatorial mount.
#ifndef TAVRINSIM_SKYMODEL_H
#define TAVRINSIM_SKYMODEL_H

#include "skymath.h"
#include "tavrinsim.h"

namespace tavrinsim {
namespace sky {

struct Catalogue {
    const CatalogueStar *stars;
    int count;
};

// The compiled star lists around the visible pole of each hemisphere.
Catalogue catalogue(Hemisphere hemisphere);

constexpr int kSensorWidth = 1280;
constexpr int kSensorHeight = 960;

// Horizon vectors are east, north, up.
struct Geometry {
    Epoch epoch;
    Mat3 equatorToHorizon;  // true equator of date -> horizon
    Mat3 horizonToCamera;   // horizon -> camera (x right, y down, z along the view)
    Vec3 axis;              // RA axis, horizon frame
    Vec3 pole;              // visible celestial pole of date, horizon frame
    double focalPx = 0, centreX = 0, centreY = 0;
    bool refraction = false;
    double pressureKPa = 101, temperatureC = 10;

    // Direction of date into the horizon frame, lifted by refraction when asked.
    Vec3 toHorizon(Vec3 ofDate, bool refract) const;
    Vec3 refract(Vec3 horizon) const;
    // Gnomonic projection; false when the direction is behind the camera.
    bool project(Vec3 horizon, double *x, double *y) const;
};

// raAngleDeg is the current RA axis angle, tracking already included.
Geometry makeGeometry(const MountParams &params, double raAngleDeg, double jdUtc);

// Altitude and azimuth (degrees, azimuth from north through east) of a horizon vector.
void altAz(Vec3 horizon, double *altDeg, double *azDeg);

}  // namespace sky
}  // namespace tavrinsim

#endif
