#include "starmath/skyposition.h"

#include <erfa.h>

#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kDeg = kPi / 180.0;
const double kArcsecPerRad = 206264.80624709636;
const double kMasPerYearToRad = kPi / 180.0 / 3600.0 / 1000.0;

// Catalogue places (ICRS, J2000.0; proper motion in RA already times cos Dec).
struct CatalogueStar
{
    double raDeg, decDeg, pmRaCosDecMasYr, pmDecMasYr;
};
// Northern template: A is HIP 84535, B Polaris (HIP 11767).
const CatalogueStar kNorthA = {259.2353136, 89.0377084, -22.50, -3.70};
const CatalogueStar kNorthB = {37.9466186, 89.2641353, 44.48, -11.85};
// Southern template: A is HIP 42708, B sigma Octantis (HIP 104382).
const CatalogueStar kSouthA = {130.5231361, -89.4605376, 16.88, -13.91};
const CatalogueStar kSouthB = {317.1952227, -88.9564987, 26.13, 4.85};

struct Vec3
{
    double x, y, z; // east, north, up
};

Vec3 operator+(const Vec3 &a, const Vec3 &b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator*(double s, const Vec3 &a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(const Vec3 &a, const Vec3 &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(const Vec3 &a, const Vec3 &b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalized(const Vec3 &a) { return (1.0 / std::sqrt(dot(a, a))) * a; }

// The sky plane about the visible pole: p towards the pole, r to the right and d
// down as the user facing the pole sees them (r x d = p keeps it unmirrored).
struct SkyPlane
{
    Vec3 p, r, d;

    QPointF project(const Vec3 &v) const
    {
        const double w = dot(v, p);
        return QPointF(dot(v, r) / w * kArcsecPerRad, dot(v, d) / w * kArcsecPerRad);
    }
};

SkyPlane skyPlane(double poleAltDeg, bool south)
{
    const double alt = poleAltDeg * kDeg;
    SkyPlane s;
    s.p = {0.0, (south ? -1.0 : 1.0) * std::cos(alt), std::sin(alt)};
    s.r = normalized(cross(s.p, {0.0, 0.0, 1.0}));
    s.d = cross(s.p, s.r);
    return s;
}

double angleBetween(const QPointF &u, const QPointF &v)
{
    return std::atan2(std::fabs(u.x() * v.y() - u.y() * v.x()), u.x() * v.x() + u.y() * v.y()) / kDeg;
}

QPointF turned(const QPointF &v, double deg)
{
    const double s = std::sin(deg * kDeg), c = std::cos(deg * kDeg);
    return QPointF(v.x() * c - v.y() * s, v.x() * s + v.y() * c);
}

SkyStar placeStar(const CatalogueStar &star, double tt1, double tt2, double era, const ObservingSite &site,
                  double phi, const SkyPlane &plane)
{
    const double dec = star.decDeg * kDeg;
    double ri = 0, di = 0, eo = 0;
    eraAtci13(star.raDeg * kDeg, dec, star.pmRaCosDecMasYr * kMasPerYearToRad / std::cos(dec),
              star.pmDecMasYr * kMasPerYearToRad, 0.0, 0.0, tt1, tt2, &ri, &di, &eo);
    double az = 0, el = 0;
    eraHd2ae(era + site.longitudeDeg * kDeg - ri, di, phi, &az, &el);
    const Vec3 v = {std::sin(az) * std::cos(el), std::cos(az) * std::cos(el), std::sin(el)};

    SkyStar s;
    s.place = plane.project(v);
    // A step towards the zenith, seen in the plane.
    const Vec3 zenith = {0.0, 0.0, 1.0};
    const Vec3 lifted = normalized(v + 1e-6 * (zenith + (-dot(zenith, v)) * v));
    const QPointF step = plane.project(lifted) - s.place;
    s.up = step / std::hypot(step.x(), step.y());
    s.altitudeDeg = el / kDeg;
    s.refractionArcmin = refractionArcmin(s.altitudeDeg, site.pressureKPa, site.temperatureC);
    return s;
}

} // namespace

double templateArcsecPerPx(bool south)
{
    return south ? 30.7 : 30.4;
}

void julianDateUtc(const QDateTime &utc, double *jd1, double *jd2)
{
    const qint64 ms = utc.toMSecsSinceEpoch();
    // Whole days and the fraction kept apart, so that milliseconds survive.
    const qint64 days = ms / 86400000 - (ms % 86400000 < 0 ? 1 : 0);
    *jd1 = 2440587.5 + double(days);
    *jd2 = double(ms - days * 86400000) / 86400000.0;
}

double refractionArcmin(double trueAltDeg, double pressureKPa, double temperatureC)
{
    // Bennett (1982): R = cot(h + 7.31 / (h + 4.4)) arcminutes for the apparent
    // altitude h; a few rounds find the apparent altitude of a true one.
    const double factor = (pressureKPa / 101.0) * (283.0 / (273.0 + temperatureC));
    if (!(factor > 0) || !std::isfinite(factor))
        return 0.0;
    double r = 0.0;
    for (int i = 0; i < 4; ++i) {
        const double h = trueAltDeg + r / 60.0;
        r = factor / std::tan((h + 7.31 / (h + 4.4)) * kDeg);
    }
    return r > 0 ? r : 0.0;
}

SkyFix computeSky(bool south, const QDateTime &utc, const ObservingSite &site)
{
    SkyFix fix;
    fix.arcsecPerPx = templateArcsecPerPx(south);
    if (!utc.isValid())
        return fix;
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0;
    julianDateUtc(utc.toUTC(), &utc1, &utc2);
    // The UTC split above is what eraUtctai expects; a year outside the leap-second
    // table is dubious (1), not wrong; only a failure (-1) stops here.
    if (eraUtctai(utc1, utc2, &tai1, &tai2) < 0 || eraTaitt(tai1, tai2, &tt1, &tt2) != 0)
        return fix;

    const double lat = std::fabs(site.latitudeDeg);
    if (!(lat <= 90.0))
        return fix;
    const double phi = (south ? -lat : lat) * kDeg;
    // UT1 is taken as UTC: under a second of time, a few arcseconds of turn.
    const double era = eraEra00(utc1, utc2);
    const SkyPlane plane = skyPlane(lat, south);
    fix.a = placeStar(south ? kSouthA : kNorthA, tt1, tt2, era, site, phi, plane);
    fix.b = placeStar(south ? kSouthB : kNorthB, tt1, tt2, era, site, phi, plane);
    fix.angleBAP = angleBetween(fix.b.place - fix.a.place, -fix.a.place);
    fix.angleABP = angleBetween(fix.a.place - fix.b.place, -fix.b.place);
    fix.poleAltitudeDeg = lat;
    fix.poleRefractionArcmin = refractionArcmin(lat, site.pressureKPa, site.temperatureC);
    fix.valid = std::isfinite(fix.angleBAP) && std::isfinite(fix.angleABP);
    return fix;
}

double frameTurn(const SkyFix &sky, const QPointF &frameA, const QPointF &frameB)
{
    const QPointF f = frameB - frameA;
    const QPointF s = sky.b.place - sky.a.place;
    return (std::atan2(f.y(), f.x()) - std::atan2(s.y(), s.x())) / kDeg;
}

QPointF framePole(const SkyFix &sky, const QPointF &frameA, const QPointF &frameB)
{
    const QPointF f = frameB - frameA, s = sky.b.place - sky.a.place;
    const double scale = std::hypot(f.x(), f.y()) / std::hypot(s.x(), s.y());
    return frameA + scale * turned(-sky.a.place, frameTurn(sky, frameA, frameB));
}

QPointF correctRefraction(const SkyStar &star, double turnDeg, const QPointF &measured, double arcsecPerPx)
{
    const double shiftPx = star.refractionArcmin * 60.0 / arcsecPerPx;
    return measured - shiftPx * turned(star.up, turnDeg);
}

PolarError polarError(const SkyFix &sky, double turnDeg, const QPointF &axis, const QPointF &pole)
{
    PolarError e;
    if (!sky.valid)
        return e;
    const QPointF offset = turned(axis - pole, -turnDeg) * (sky.arcsecPerPx / 60.0);
    const QPointF upFrame = turned(QPointF(0, -1), turnDeg);
    e.totalArcmin = std::hypot(offset.x(), offset.y());
    e.altArcmin = -offset.y();
    e.azArcmin = offset.x() / std::cos(sky.poleAltitudeDeg * kDeg);
    e.upAngleDeg = std::atan2(upFrame.y(), upFrame.x()) / kDeg;
    e.valid = std::isfinite(e.totalArcmin) && std::isfinite(e.azArcmin);
    return e;
}
