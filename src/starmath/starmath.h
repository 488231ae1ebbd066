// Star measurement and pole geometry.
//
// How to use:
//  1. Measure a star with starMath.GetPreciseStarPos(grayFrame, roughX, roughY, &x, &y);
//     0 means a position came from the image (centroid, or the brightest pixel).
//  2. Three positions of one star picked while the RA axis turns give the axis
//     centre: CalcCircleCenter(...).
//  3. Two measured stars (A, and B the pole star) plus the template angles at A and B
//     give the celestial pole: CalcPoleCOOR(...), nearest candidate to a reference point.
//  4. RotatePoint turns a point about a centre; CorrectRefraction lifts a y coordinate.
//
// Every routine is a pure function of its arguments: the object has no data and one
// global instance (starMath) serves both the GUI and the capture thread. Results come
// back through pointer out-parameters (null pointers are ignored); failures that the
// user does not see are logged through qCritical.
#ifndef STARMATH_H
#define STARMATH_H

#include <opencv2/core.hpp>

class StarMath
{
public:
    // frame: 8-bit single-channel image. Returns 0 when a position was taken from
    // the image (sub-pixel centroid, or failing that the brightest pixel), -1 when the
    // 40x40 window around (x, y) is not inside the frame or holds no light.
    // outX/outY hold the input position on every failure.
    int GetPreciseStarPos(const cv::Mat &frame, double x, double y,
                          double *outX, double *outY) const;

    // Intensity-weighted centroid in the 20x20 window around (x, y), on the 3x3
    // median of the frame. -1 (with the input position) when the window is outside
    // the frame, too flat (peak below 2.5x the mean) or has no mass after thresholding.
    int GetGravityCenter(const cv::Mat &frame, double x, double y,
                         double *outX, double *outY) const;

    // Circle through three points. -1 when the points are collinear (or coincide);
    // the out-parameters are then left untouched.
    int CalcCircleCenter(double x1, double y1, double x2, double y2, double x3, double y3,
                         double *outCX, double *outCY, int *outRadius) const;

    // Rotates (x, y) about (cx, cy) by angle degrees; positive is clockwise on screen
    // (y grows downwards).
    void RotatePoint(double angle, double x, double y, double cx, double cy,
                     double *outX, double *outY) const;

    // Pole P of the triangle A-B-P with angleA at A and angleB at B (degrees); of the
    // two mirror candidates the one nearer (refX, refY) wins. -1 with (0, 0) on failure.
    int CalcPoleCOOR(double ax, double ay, double angleA, double bx, double by, double angleB,
                     double *outX, double *outY, double refX, double refY) const;

    // As CalcPoleCOOR, but the candidate whose angle D-B-P is closer to angleD wins.
    int CalcMaskPoleCOOR(double ax, double ay, double angleA, double bx, double by, double angleB,
                         double *outX, double *outY, double dx, double dy, double angleD) const;

    // Picks P1 or P2: the one whose angle at B between D and the candidate is closer to
    // angleD (P2 on a tie or when an angle is not a number).
    void SelectPoleByAngle(double p1x, double p1y, double p2x, double p2y,
                           double dx, double dy, double bx, double by, double angleD,
                           double *outX, double *outY) const;

    // Bennett's refraction (arcminutes, one per pixel) for altitude h in degrees,
    // pressure in kPa and temperature in degrees C, subtracted from y. Always 0.
    int CorrectRefraction(double y, double h, double pressure, double temperature,
                          double *outY) const;
};

// The one instance used by both threads.
extern const StarMath starMath;

#endif
