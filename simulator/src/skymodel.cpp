#include "skymodel.h"

namespace tavrinsim {
namespace sky {

Vec3 Geometry::refract(Vec3 h) const
{
    const Vec3 up{0, 0, 1};
    const Vec3 k = cross(h, up);
    const double kn = norm(k);
    if (kn < 1e-12)
        return h;
    const double alt = std::asin(h.z < -1 ? -1 : (h.z > 1 ? 1 : h.z)) / kDeg;
    const double r = refractionArcmin(alt, pressureKPa, temperatureC);
    // Turning about h x up lifts the star towards the zenith.
    return rotationAbout((1.0 / kn) * k, r / 60.0 * kDeg) * h;
}

Vec3 Geometry::toHorizon(Vec3 ofDate, bool refractIt) const
{
    const Vec3 h = equatorToHorizon * ofDate;
    return refractIt ? refract(h) : h;
}

bool Geometry::project(Vec3 horizon, double *x, double *y) const
{
    const Vec3 d = horizonToCamera * horizon;
    if (d.z <= 1e-9)
        return false;
    *x = centreX + focalPx * d.x / d.z;
    *y = centreY + focalPx * d.y / d.z;
    return true;
}

void altAz(Vec3 h, double *altDeg, double *azDeg)
{
    *altDeg = std::atan2(h.z, std::hypot(h.x, h.y)) / kDeg;
    double az = std::atan2(h.x, h.y) / kDeg;
    if (az < 0)
        az += 360.0;
    *azDeg = az;
}

Geometry makeGeometry(const MountParams &p, double raAngleDeg, double jdUtc)
{
    Geometry g;
    g.epoch = epochAt(jdUtc);
    g.refraction = p.refraction;
    g.pressureKPa = p.pressureKPa;
    g.temperatureC = p.temperatureC;

    const bool south = p.hemisphere == Hemisphere::South;
    const double phi = p.latitudeDeg * kDeg;
    const Vec3 north{0, 1, 0}, up{0, 0, 1};
    // North celestial pole and the equator's meridian point; with the east
    // point they span the hour-angle frame (x to hour angle 0, y east, z pole).
    const Vec3 ncp{0, std::cos(phi), std::sin(phi)};
    const Vec3 meridian{0, -std::sin(phi), std::cos(phi)};
    const Vec3 east{1, 0, 0};
    Mat3 hourFrame;  // columns: meridian point, east, pole
    const Vec3 cols[3] = {meridian, east, ncp};
    for (int j = 0; j < 3; ++j) {
        hourFrame.m[0][j] = cols[j].x;
        hourFrame.m[1][j] = cols[j].y;
        hourFrame.m[2][j] = cols[j].z;
    }
    const double last = g.epoch.gastRad + p.longitudeDeg * kDeg;
    g.equatorToHorizon = hourFrame * rot3(last);
    g.pole = south ? -1.0 * ncp : ncp;

    // The RA axis: the pole's altitude and azimuth plus the bolt errors.
    const double alt = (std::fabs(p.latitudeDeg) + p.altErrorArcmin / 60.0) * kDeg;
    const double az = ((south ? 180.0 : 0.0) + p.azErrorArcmin / 60.0) * kDeg;
    const Vec3 a{std::sin(az) * std::cos(alt), std::cos(az) * std::cos(alt), std::sin(alt)};
    g.axis = a;

    // Body frame turning with the axis. At angle 0 the image's down direction
    // points away from the zenith, so the view is the sky as the eye sees it
    // facing the pole; b x c = a keeps the image unmirrored.
    Vec3 upPerp = up - dot(up, a) * a;
    if (norm(upPerp) < 1e-9)
        upPerp = north - dot(north, a) * a;
    const Vec3 c0 = -1.0 * normalized(upPerp);
    const Vec3 b0 = cross(c0, a);
    // A positive body turn about a turns the image anticlockwise on screen.
    const Mat3 turn = rotationAbout(a, -(raAngleDeg + p.cameraRollDeg) * kDeg);
    const Vec3 b = turn * b0, c = turn * c0;

    g.focalPx = 206264.80624709636 / p.arcsecPerPixel;
    g.centreX = (kSensorWidth - 1) / 2.0;
    g.centreY = (kSensorHeight - 1) / 2.0;
    // The camera sits slightly tilted on the axis, so the axis meets the
    // image at the axis point rather than at the optical centre.
    const Vec3 dAxis = normalized({(p.axisX - g.centreX) / g.focalPx, (p.axisY - g.centreY) / g.focalPx, 1.0});
    const Vec3 zc{0, 0, 1};
    Mat3 align;  // takes dAxis onto the camera's z
    const Vec3 k = cross(dAxis, zc);
    if (norm(k) > 1e-15)
        align = rotationAbout(normalized(k), angleBetween(dAxis, zc));
    g.horizonToCamera = transposed(align) * fromRows(b, c, a);
    return g;
}

}  // namespace sky
}  // namespace tavrinsim
