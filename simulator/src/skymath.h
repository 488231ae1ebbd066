// Vector helpers and the apparent-place chain of the simulated sky:
// proper motion, precession (IAU 2006), nutation (short series), annual
// aberration, sidereal time and Bennett refraction.
#ifndef TAVRINSIM_SKYMATH_H
#define TAVRINSIM_SKYMATH_H

#include <cmath>

namespace tavrinsim {
namespace sky {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kArcsec = kDeg / 3600.0;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalized(Vec3 a) { return (1.0 / norm(a)) * a; }
// Angle between two directions, stable for tiny angles.
inline double angleBetween(Vec3 a, Vec3 b) { return std::atan2(norm(cross(a, b)), dot(a, b)); }

struct Mat3 {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

Vec3 operator*(const Mat3 &a, Vec3 v);
Mat3 operator*(const Mat3 &a, const Mat3 &b);
Mat3 transposed(const Mat3 &a);
// Frame rotations about the x, y, z axes (the astronomical R1, R2, R3).
Mat3 rot1(double angle);
Mat3 rot2(double angle);
Mat3 rot3(double angle);
// Active rotation of vectors about a unit axis, right-handed (Rodrigues).
Mat3 rotationAbout(Vec3 axis, double angle);
// Rows are the given vectors: maps world coordinates into that basis.
Mat3 fromRows(Vec3 r0, Vec3 r1, Vec3 r2);

Vec3 fromRaDec(double raRad, double decRad);

// Julian date of a UTC instant given as milliseconds since 1970-01-01.
double julianDateUtc(double msecsSinceEpoch);

// Everything that turns ICRS directions into true directions of date.
struct Epoch {
    double jdUtc = 2451545.0;
    double yearsSinceJ2000 = 0;  // for proper motion
    Mat3 precessionNutation;     // GCRS -> true equator and equinox of date
    Vec3 earthVelocity;          // in units of c, true equatorial frame of date
    double gastRad = 0;          // Greenwich apparent sidereal time
};

Epoch epochAt(double jdUtc);

struct CatalogueStar {
    int hip;
    double raDeg, decDeg, pmRaMasYr, pmDecMasYr, vmag;
};

// Apparent direction of a catalogue star, true equator and equinox of date.
Vec3 apparentDirection(const CatalogueStar &star, const Epoch &epoch);

// Refraction in arcminutes for a true altitude: Bennett's formula (which takes
// the apparent altitude) solved by iteration, scaled for pressure (kPa) and
// temperature (deg C).
double refractionArcmin(double trueAltDeg, double pressureKPa, double temperatureC);

}  // namespace sky
}  // namespace tavrinsim

#endif
