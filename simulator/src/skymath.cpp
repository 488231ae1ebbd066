#include "skymath.h"

namespace tavrinsim {
namespace sky {

Vec3 operator*(const Mat3 &a, Vec3 v)
{
    return {a.m[0][0] * v.x + a.m[0][1] * v.y + a.m[0][2] * v.z,
            a.m[1][0] * v.x + a.m[1][1] * v.y + a.m[1][2] * v.z,
            a.m[2][0] * v.x + a.m[2][1] * v.y + a.m[2][2] * v.z};
}

Mat3 operator*(const Mat3 &a, const Mat3 &b)
{
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return r;
}

Mat3 transposed(const Mat3 &a)
{
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = a.m[j][i];
    return r;
}

Mat3 rot1(double a)
{
    const double c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[1][1] = c; r.m[1][2] = s;
    r.m[2][1] = -s; r.m[2][2] = c;
    return r;
}

Mat3 rot2(double a)
{
    const double c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[0][0] = c; r.m[0][2] = -s;
    r.m[2][0] = s; r.m[2][2] = c;
    return r;
}

Mat3 rot3(double a)
{
    const double c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[0][0] = c; r.m[0][1] = s;
    r.m[1][0] = -s; r.m[1][1] = c;
    return r;
}

Mat3 rotationAbout(Vec3 k, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    Mat3 r;
    r.m[0][0] = c + k.x * k.x * t;
    r.m[0][1] = k.x * k.y * t - k.z * s;
    r.m[0][2] = k.x * k.z * t + k.y * s;
    r.m[1][0] = k.y * k.x * t + k.z * s;
    r.m[1][1] = c + k.y * k.y * t;
    r.m[1][2] = k.y * k.z * t - k.x * s;
    r.m[2][0] = k.z * k.x * t - k.y * s;
    r.m[2][1] = k.z * k.y * t + k.x * s;
    r.m[2][2] = c + k.z * k.z * t;
    return r;
}

Mat3 fromRows(Vec3 r0, Vec3 r1, Vec3 r2)
{
    Mat3 r;
    const Vec3 rows[3] = {r0, r1, r2};
    for (int i = 0; i < 3; ++i) {
        r.m[i][0] = rows[i].x;
        r.m[i][1] = rows[i].y;
        r.m[i][2] = rows[i].z;
    }
    return r;
}

Vec3 fromRaDec(double ra, double dec)
{
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

double julianDateUtc(double msecs)
{
    return 2440587.5 + msecs / 86400000.0;
}

static double poly(double t, const double *c, int n)
{
    double r = 0;
    for (int i = n - 1; i >= 0; --i)
        r = r * t + c[i];
    return r;
}

Epoch epochAt(double jdUtc)
{
    Epoch e;
    e.jdUtc = jdUtc;
    // TT - UTC = 32.184 s + 37 leap seconds; the seconds do not matter here.
    const double jdTT = jdUtc + 69.184 / 86400.0;
    const double t = (jdTT - 2451545.0) / 36525.0;
    e.yearsSinceJ2000 = (jdTT - 2451545.0) / 365.25;

    // Precession, IAU 2006 (P03) equatorial angles, arcseconds.
    static const double zetaC[] = {2.650545, 2306.083227, 0.2988499, 0.01801828, -0.000005971, -0.0000003173};
    static const double zC[] = {-2.650545, 2306.077181, 1.0927348, 0.01826837, -0.000028596, -0.0000002904};
    static const double thetaC[] = {0.0, 2004.191903, -0.4294934, -0.04182264, -0.000007089, -0.0000001274};
    static const double epsC[] = {84381.406, -46.836769, -0.0001831, 0.00200340, -0.000000576, -0.0000000434};
    const double zeta = poly(t, zetaC, 6) * kArcsec;
    const double z = poly(t, zC, 6) * kArcsec;
    const double theta = poly(t, thetaC, 6) * kArcsec;
    const double eps0 = poly(t, epsC, 6) * kArcsec;
    const Mat3 precession = rot3(-z) * rot2(theta) * rot3(-zeta);

    // Nutation: the four largest terms of the 1980 series, good to about 0.5".
    const double omega = (125.04452 - 1934.136261 * t) * kDeg;
    const double lSun = (280.4665 + 36000.7698 * t) * kDeg;
    const double lMoon = (218.3165 + 481267.8813 * t) * kDeg;
    const double dPsi = (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * lSun) - 0.23 * std::sin(2 * lMoon)
                         + 0.21 * std::sin(2 * omega)) * kArcsec;
    const double dEps = (9.20 * std::cos(omega) + 0.57 * std::cos(2 * lSun) + 0.10 * std::cos(2 * lMoon)
                         - 0.09 * std::cos(2 * omega)) * kArcsec;
    const double eps = eps0 + dEps;
    const Mat3 nutation = rot1(-eps) * rot3(-dPsi) * rot1(eps0);
    e.precessionNutation = nutation * precession;

    // Earth's orbital velocity from the Sun's true geometric longitude and the
    // eccentricity of the orbit (the classical aberration terms), ecliptic of date.
    const double l0 = 280.46646 + 36000.76983 * t;
    const double mAnom = (357.52911 + 35999.05029 * t) * kDeg;
    const double centre = (1.914602 - 0.004817 * t) * std::sin(mAnom) + 0.019993 * std::sin(2 * mAnom)
                          + 0.000289 * std::sin(3 * mAnom);
    const double sunLon = (l0 + centre) * kDeg;
    const double ecc = 0.016708634 - 0.000042037 * t;
    const double perihelion = (102.93735 + 1.71946 * t) * kDeg;
    const double kappa = 20.49552 * kArcsec;
    const Vec3 vEcliptic{kappa * (std::sin(sunLon) - ecc * std::sin(perihelion)),
                         kappa * (-std::cos(sunLon) + ecc * std::cos(perihelion)), 0.0};
    e.earthVelocity = rot1(-eps) * vEcliptic;

    // Sidereal time (UT1 taken as UTC), plus the equation of the equinoxes.
    const double tu = (jdUtc - 2451545.0) / 36525.0;
    double gmst = 280.46061837 + 360.98564736629 * (jdUtc - 2451545.0) + 0.000387933 * tu * tu
                  - tu * tu * tu / 38710000.0;
    gmst = std::fmod(gmst, 360.0);
    e.gastRad = gmst * kDeg + dPsi * std::cos(eps);
    return e;
}

Vec3 apparentDirection(const CatalogueStar &star, const Epoch &epoch)
{
    const double ra = star.raDeg * kDeg, dec = star.decDeg * kDeg;
    const Vec3 p = fromRaDec(ra, dec);
    // Proper motion as a velocity in the tangent plane: no trouble at the pole.
    const Vec3 eRa{-std::sin(ra), std::cos(ra), 0.0};
    const Vec3 eDec{-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra), std::cos(dec)};
    const double masToRad = kArcsec / 1000.0;
    const Vec3 motion = (star.pmRaMasYr * masToRad) * eRa + (star.pmDecMasYr * masToRad) * eDec;
    const Vec3 moved = normalized(p + epoch.yearsSinceJ2000 * motion);
    // Aberration to first order in v/c; applying it in the frame of date differs
    // from the GCRS order only at the microarcsecond level.
    const Vec3 ofDate = epoch.precessionNutation * moved;
    return normalized(ofDate + epoch.earthVelocity);
}

static double bennettArcmin(double apparentAltDeg)
{
    const double h = apparentAltDeg < -1.0 ? -1.0 : apparentAltDeg;
    const double r = 1.0 / std::tan((h + 7.31 / (h + 4.4)) * kDeg);
    return r < 0 ? 0 : r;
}

double refractionArcmin(double trueAltDeg, double pressureKPa, double temperatureC)
{
    const double kelvin = 273.0 + temperatureC;
    const double scale = kelvin > 0 ? (pressureKPa / 101.0) * (283.0 / kelvin) : 0.0;
    double apparent = trueAltDeg;
    double r = 0;
    for (int i = 0; i < 6; ++i) {
        r = bennettArcmin(apparent) * scale;
        apparent = trueAltDeg + r / 60.0;
    }
    return r;
}

}  // namespace sky
}  // namespace tavrinsim
