#include "starmath/starmath.h"

#include "starmath/medianwindow.h"

#include <QtGlobal>

#include <climits>
#include <cmath>
#include <utility>

const StarMath starMath;

namespace {

const double kPi = 3.141592653589793;
const int kSearchSize = 40;    // GetPreciseStarPos window
const int kCentroidSize = 20;  // GetGravityCenter window
const double kMinPeakToMean = 2.5;
const double kThresholdFraction = 0.3;

void setOut(double *out, double value)
{
    if (out)
        *out = value;
}

// Truncates toward zero, refusing values that have no int image (NaN, infinities,
// positions far outside any frame) instead of converting them undefinedly.
bool truncToInt(double v, int *out)
{
    if (!(v > -1e9 && v < 1e9))
        return false;
    *out = static_cast<int>(v);
    return true;
}

// Failure reasons of the triangle solution, mapped to each caller's messages.
enum class PoleFailure { None, InvalidValue, NoIntersection, NotANumber };

// Intersects the circle of radius rA around A with that of radius rB around B, where
// rA and rB follow from the angles at A and B by the law of sines. The construction
// works along AB itself, so a vertical AB is as well conditioned as any other.
// P1 is the lower candidate on screen (larger y), P2 the upper one; on equal y, P2 is
// the one further left. single is set when the circles touch.
PoleFailure solvePoleTriangle(double ax, double ay, double angleA, double bx, double by,
                              double angleB, double *p1x, double *p1y, double *p2x,
                              double *p2y, bool *single)
{
    const double sA = std::sin(angleA * kPi / 180.0);
    const double sB = std::sin(angleB * kPi / 180.0);
    const double sP = std::sin((180.0 - angleA - angleB) * kPi / 180.0);
    if (sP == 0.0)
        return PoleFailure::InvalidValue;
    if (ax == bx && ay == by)
        return PoleFailure::InvalidValue;

    const double ux = bx - ax;
    const double uy = by - ay;
    const double d = std::sqrt(ux * ux + uy * uy);
    const double rB = sA * (d / sP);
    const double rA = (d / sP) * sB;

    // Foot of P on AB at distance a from A; P stands h off the line.
    const double a = (rA * rA - rB * rB + d * d) / (2.0 * d);
    const double h2 = rA * rA - a * a;
    if (std::isnan(h2))
        return PoleFailure::NotANumber;
    if (h2 < 0.0)
        return PoleFailure::NoIntersection;

    const double ex = ux / d;
    const double ey = uy / d;
    const double fx = ax + a * ex;
    const double fy = ay + a * ey;
    if (h2 == 0.0) {
        *p1x = *p2x = fx;
        *p1y = *p2y = fy;
        *single = true;
        return PoleFailure::None;
    }
    const double h = std::sqrt(h2);
    // The normal (-ey, ex) and its opposite.
    double cx1 = fx - h * ey, cy1 = fy + h * ex;
    double cx2 = fx + h * ey, cy2 = fy - h * ex;
    if (cy1 < cy2 || (cy1 == cy2 && cx1 < cx2)) {
        std::swap(cx1, cx2);
        std::swap(cy1, cy2);
    }
    *p1x = cx1;
    *p1y = cy1;
    *p2x = cx2;
    *p2y = cy2;
    *single = false;
    return PoleFailure::None;
}

// Each pole routine's own words for the triangle's failures; null: not logged.
struct PoleMessages {
    const char *invalidValue;
    const char *noIntersection;
    const char *notANumber;
};

struct PoleSolution {
    bool solved = false;
    bool single = false; // the one candidate is already written out
    double p1x = 0, p1y = 0, p2x = 0, p2y = 0;
};

// The common start of the pole routines: outputs zeroed, the triangle solved, a
// failure logged, and where the circles touch, their one point written out.
PoleSolution startPoleRoutine(double ax, double ay, double angleA, double bx, double by,
                              double angleB, const PoleMessages &messages, double *outX,
                              double *outY)
{
    setOut(outX, 0.0);
    setOut(outY, 0.0);
    PoleSolution pole;
    const char *message = nullptr;
    switch (solvePoleTriangle(ax, ay, angleA, bx, by, angleB, &pole.p1x, &pole.p1y, &pole.p2x,
                              &pole.p2y, &pole.single)) {
    case PoleFailure::InvalidValue:
        message = messages.invalidValue;
        break;
    case PoleFailure::NoIntersection:
        message = messages.noIntersection;
        break;
    case PoleFailure::NotANumber:
        message = messages.notANumber;
        break;
    case PoleFailure::None:
        pole.solved = true;
        if (pole.single) {
            setOut(outX, pole.p1x);
            setOut(outY, pole.p1y);
        }
        return pole;
    }
    if (message)
        qCritical("%s", message);
    return pole;
}

} // namespace

int StarMath::GetGravityCenter(const cv::Mat &frame, double x, double y,
                               double *outX, double *outY) const
{
    setOut(outX, x);
    setOut(outY, y);
    if (frame.data == nullptr || frame.type() != CV_8UC1)
        return -1;

    int left = 0;
    int top = 0;
    const bool representable = truncToInt(x - 10.0, &left) && truncToInt(y - 10.0, &top);
    if (!representable || frame.cols <= 0 || frame.rows <= 0 || left < 0 || top < 0
        || left + kCentroidSize > frame.cols || top + kCentroidSize > frame.rows) {
        qCritical("GetGravityCenter - Out of Whole FOV");
        return -1;
    }

    const cv::Mat window = medianWindow(frame, cv::Rect(left, top, kCentroidSize, kCentroidSize));
    double maxVal = 0.0;
    cv::minMaxLoc(window, nullptr, &maxVal);
    const double mean = cv::mean(window)[0];

    // 0/0 is not a number and passes; an all-zero window then fails on its mass below.
    if (kMinPeakToMean > maxVal / mean)
        return -1;

    const double threshold = mean + (maxVal - mean) * kThresholdFraction;

    // Weight = v - threshold rounded to the nearest integer (halves to even) and clamped
    // to 0..255, computed per pixel: subtracting a fractional scalar would round the
    // threshold first.
    long long m00 = 0;
    long long m10 = 0;
    long long m01 = 0;
    for (int row = 0; row < window.rows; ++row) {
        const uchar *p = window.ptr<uchar>(row);
        for (int col = 0; col < window.cols; ++col) {
            const int w = cv::saturate_cast<uchar>(p[col] - threshold);
            m00 += w;
            m10 += static_cast<long long>(w) * col;
            m01 += static_cast<long long>(w) * row;
        }
    }
    if (m00 == 0)
        return -1;

    setOut(outX, left + static_cast<double>(m10) / static_cast<double>(m00));
    setOut(outY, top + static_cast<double>(m01) / static_cast<double>(m00));
    return 0;
}

int StarMath::GetPreciseStarPos(const cv::Mat &frame, double x, double y,
                                double *outX, double *outY) const
{
    setOut(outX, x);
    setOut(outY, y);
    if (frame.data == nullptr || frame.type() != CV_8UC1)
        return -1;
    if (frame.cols <= 0 || frame.rows <= 0) {
        qCritical("GetPreciseStarPos - Out of Whole FOV");
        return -1;
    }

    int left = 0;
    int top = 0;
    const bool representable = truncToInt(x - 20.0, &left) && truncToInt(y - 20.0, &top);
    if (!representable || left < 0 || top < 0 || left + kSearchSize > frame.cols
        || top + kSearchSize > frame.rows) {
        qCritical("GetPreciseStarPos - Out of Whole FOV");
        return -1;
    }

    const cv::Mat window = medianWindow(frame, cv::Rect(left, top, kSearchSize, kSearchSize));

    // First maximum in row-major order; an all-zero window has no star.
    int best = -1;
    int bestCol = 0;
    int bestRow = 0;
    for (int row = 0; row < window.rows; ++row) {
        const uchar *p = window.ptr<uchar>(row);
        for (int col = 0; col < window.cols; ++col) {
            if (p[col] > best) {
                best = p[col];
                bestCol = col;
                bestRow = row;
            }
        }
    }
    if (best <= 0) {
        qCritical("GetPreciseStarPos - No Star in the ROI Area.");
        return -1;
    }

    const int px = left + bestCol;
    const int py = top + bestRow;
    if (GetGravityCenter(frame, px, py, outX, outY) != 0) {
        setOut(outX, px);
        setOut(outY, py);
    }
    return 0;
}

int StarMath::CalcCircleCenter(double x1, double y1, double x2, double y2, double x3, double y3,
                               double *outCX, double *outCY, int *outRadius) const
{
    const char *const collinear = "Point in a straight line,Can not calculate center of cricle.";

    // Equal slopes of the chords 1-2 and 2-3 mean one straight line; the test needs
    // both chords non-horizontal, the determinant below covers the rest.
    if (y1 == y2 && y2 == y3) {
        qCritical("%s", collinear);
        return -1;
    }
    if (y1 != y2 && y2 != y3) {
        const double k1 = (x1 - x2) / (y1 - y2);
        const double k2 = (x2 - x3) / (y2 - y3);
        if (k1 == k2) {
            qCritical("%s", collinear);
            return -1;
        }
    }

    // Perpendicular bisectors of the chords 1-2 and 2-3.
    const double a1 = 2.0 * (x1 - x2);
    const double b1 = 2.0 * (y1 - y2);
    const double c1 = x1 * x1 + y1 * y1 - x2 * x2 - y2 * y2;
    const double a2 = 2.0 * (x2 - x3);
    const double b2 = 2.0 * (y2 - y3);
    const double c2 = x2 * x2 + y2 * y2 - x3 * x3 - y3 * y3;
    const double det = a1 * b2 - a2 * b1;
    if (det == 0.0) {
        qCritical("%s", collinear);
        return -1;
    }
    const double cx = (c1 * b2 - c2 * b1) / det;
    const double cy = (a1 * c2 - a2 * c1) / det;
    const double radius = std::sqrt((cx - x1) * (cx - x1) + (cy - y1) * (cy - y1));
    // Nearly collinear points give a radius no int can hold: as good as a straight line.
    if (!std::isfinite(cx) || !std::isfinite(cy) || !(radius < static_cast<double>(INT_MAX))) {
        qCritical("%s", collinear);
        return -1;
    }

    if (outCX)
        *outCX = cx;
    if (outCY)
        *outCY = cy;
    if (outRadius)
        *outRadius = static_cast<int>(radius);
    return 0;
}

void StarMath::RotatePoint(double angle, double x, double y, double cx, double cy,
                           double *outX, double *outY) const
{
    const double t = kPi * angle / 180.0;
    const double s = std::sin(t);
    const double c = std::cos(t);
    setOut(outX, cx + (x - cx) * c - (y - cy) * s);
    setOut(outY, cy + (x - cx) * s + (y - cy) * c);
}

int StarMath::CalcPoleCOOR(double ax, double ay, double angleA, double bx, double by,
                           double angleB, double *outX, double *outY, double refX,
                           double refY) const
{
    const PoleMessages messages = {"CalcPoleCOOR - Calculate pole failed as invalid value.",
                                   "CalcPoleCOOR - Calculate pole failed.", nullptr};
    const PoleSolution pole = startPoleRoutine(ax, ay, angleA, bx, by, angleB, messages, outX, outY);
    if (!pole.solved)
        return -1;
    if (pole.single)
        return 0;
    const double dist1 = (pole.p1x - refX) * (pole.p1x - refX) + (pole.p1y - refY) * (pole.p1y - refY);
    const double dist2 = (pole.p2x - refX) * (pole.p2x - refX) + (pole.p2y - refY) * (pole.p2y - refY);
    const bool second = dist2 <= dist1;
    setOut(outX, second ? pole.p2x : pole.p1x);
    setOut(outY, second ? pole.p2y : pole.p1y);
    return 0;
}

int StarMath::CalcMaskPoleCOOR(double ax, double ay, double angleA, double bx, double by,
                               double angleB, double *outX, double *outY, double dx,
                               double dy, double angleD) const
{
    const PoleMessages messages = {"invalid points, can not calculate pole.",
                                   "did not calculate the appropriate pole",
                                   "did not calculate the appropriate pole"};
    const PoleSolution pole = startPoleRoutine(ax, ay, angleA, bx, by, angleB, messages, outX, outY);
    if (!pole.solved)
        return -1;
    if (pole.single)
        return 0;
    SelectPoleByAngle(pole.p1x, pole.p1y, pole.p2x, pole.p2y, dx, dy, bx, by, angleD, outX, outY);
    return 0;
}

void StarMath::SelectPoleByAngle(double p1x, double p1y, double p2x, double p2y,
                                 double dx, double dy, double bx, double by, double angleD,
                                 double *outX, double *outY) const
{
    const double dDB = std::hypot(dx - bx, dy - by);
    auto angleAtB = [&](double px, double py) {
        const double dPB = std::hypot(px - bx, py - by);
        const double dDP = std::hypot(dx - px, dy - py);
        return std::acos((dPB * dPB + dDB * dDB - dDP * dDP) / (2.0 * dDB * dPB)) * 180.0 / kPi;
    };
    const double angle1 = angleAtB(p1x, p1y);
    const double angle2 = angleAtB(p2x, p2y);
    const bool first = std::fabs(angle2 - angleD) > std::fabs(angle1 - angleD);
    setOut(outX, first ? p1x : p2x);
    setOut(outY, first ? p1y : p2y);
}

int StarMath::CorrectRefraction(double y, double h, double pressure, double temperature,
                                double *outY) const
{
    // Bennett: R = cot(h + 7.31 / (h + 4.4)) arcminutes, scaled by P / 101 kPa and
    // 283 K / T; one arcminute is taken as one pixel.
    double r = std::tan(1.5707963267948966 - (h + 7.31 / (h + 4.4)) * 0.017453292519943295);
    if (r < 0)
        r = 0;
    if (273.0 + temperature == 0.0)
        setOut(outY, y - r);
    else
        setOut(outY, y - r * (pressure / 101.0) * (283.0 / (273.0 + temperature)));
    return 0;
}
