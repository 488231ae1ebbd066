// The sky of one instant around the visible pole, and what it means in the frame.
//
// How to use:
//  1. computeSky(south, utc, site) gives the apparent places of the template's
//     reference stars A and B for that instant (ERFA: proper motion, precession,
//     nutation, aberration), the pole angles BAP and ABP that CalcPoleCOOR takes,
//     where the zenith lies from each star, and how much the air lifts each one.
//  2. Per frame, frameTurn() finds how the sky sits in the frame from the two
//     measured stars; correctRefraction() moves each measured star down along its
//     own vertical by its refraction (pixels); the pole then comes from CalcPoleCOOR.
//  3. polarError() splits the axis-to-pole offset into altitude and azimuth.
//
// Sky-plane coordinates are a gnomonic projection about the visible pole, seen as
// the user sees it facing the pole: x to the right, y down (away from the zenith),
// in arcseconds. The frame shows the sky unmirrored, so a turn alone takes one
// onto the other. Everything here is a pure function of its arguments.
#ifndef SKYPOSITION_H
#define SKYPOSITION_H

#include <QDateTime>
#include <QPointF>

struct ObservingSite
{
    double latitudeDeg = 39.9;   // the sign is taken from the hemisphere of the pole
    double longitudeDeg = 116.3; // east positive, west negative
    double pressureKPa = 101.0;
    double temperatureC = 10.0;
};

struct SkyStar
{
    QPointF place;            // sky plane, arcseconds from the pole
    QPointF up;               // unit vector towards the zenith at the star, sky plane
    double altitudeDeg = 0;   // true altitude
    double refractionArcmin = 0;
};

struct SkyFix
{
    bool valid = false;
    SkyStar a;                // reference star A
    SkyStar b;                // reference star B, the pole star
    double angleBAP = 0;      // degrees, at A between B and the pole
    double angleABP = 0;      // degrees, at B between A and the pole
    double poleAltitudeDeg = 0;
    double poleRefractionArcmin = 0;
    double arcsecPerPx = 30.4; // the template's plate scale
};

struct PolarError
{
    bool valid = false;
    double totalArcmin = 0;   // angle between the axis and the target pole
    double altArcmin = 0;     // axis above the pole is positive: lower it
    double azArcmin = 0;      // azimuth turn; axis right of the pole (facing it) is positive
    double upAngleDeg = 0;    // frame direction of the zenith, atan2(dy, dx) with y down
};

// Plate scale of the template images, arcseconds per frame pixel.
double templateArcsecPerPx(bool south);

// Two-part Julian date (UTC) of an instant.
void julianDateUtc(const QDateTime &utc, double *jd1, double *jd2);

// Bennett's refraction in arcminutes for a true altitude (degrees), solved for the
// apparent altitude the formula takes, scaled by pressure (kPa) and temperature.
double refractionArcmin(double trueAltDeg, double pressureKPa, double temperatureC);

// The reference stars of the northern or southern template at that instant. Not valid
// when the date cannot be turned into a Julian date.
SkyFix computeSky(bool south, const QDateTime &utc, const ObservingSite &site);

// Turn (degrees, clockwise on screen) that takes sky-plane directions into the frame,
// from the measured frame positions of A and B.
double frameTurn(const SkyFix &sky, const QPointF &frameA, const QPointF &frameB);

// Where the pole falls in the frame by the sky plane alone (scaled and turned onto the
// two stars). Of CalcPoleCOOR's two mirror images the true one is the nearer to it,
// however far the axis is from the pole.
QPointF framePole(const SkyFix &sky, const QPointF &frameA, const QPointF &frameB);

// A measured star moved down along its own vertical by its refraction.
QPointF correctRefraction(const SkyStar &star, double turnDeg, const QPointF &measured,
                          double arcsecPerPx);

// Axis against pole (frame pixels) as altitude and azimuth turns; the azimuth is the
// turn of the azimuth bolt, the sky offset divided by cos(latitude).
PolarError polarError(const SkyFix &sky, double turnDeg, const QPointF &axis, const QPointF &pole);

#endif
