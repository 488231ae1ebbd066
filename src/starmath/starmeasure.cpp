#include "starmath/starmeasure.h"

#include "starmath/medianwindow.h"
#include "starmath/starmath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

const double kPi = 3.141592653589793;
const int kCentroidHalf = 10;    // GetGravityCenter's 20 x 20 window
// A star's peak stands this many noise sigmas above the background, and at least
// this many grey levels: single noise peaks on a dark sky pass the peak-to-mean test.
const double kMinPeakSigmas = 6.0;
const double kMinPeakLevels = 6.0;
// A star's core (above half its peak) is a few pixels; a glow, an edge or a
// saturated patch is wide.
const int kMaxCorePixels = 80;
// The centroid of a star stays near its brightest pixel.
const double kMaxCentroidShift = 3.0;
// Between two frames the sky keeps the pair's shape far better than kFollowChange;
// search positions (fixed at step 11, or turned after a slew by a dial angle that may
// be a degree or two off) hold it to within kAcquireChange. A is looked for in a square
// of half-size kFollowReach around where B's move puts it, kAcquireReach when starting
// from the search positions: its known neighbour stands 19.6 px away.
const double kFollowChange = 3.0;
const double kAcquireChange = 8.0;
const int kFollowReach = 6;
const int kAcquireReach = 10;
// Frames a followed pair may be missing before it is sought at the search positions.
const int kPatience = 5;

double dist(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Circle centre through three points; false when they are on a line.
bool circumcentre(const double p[6], double *cx, double *cy)
{
    int radius = 0;
    return StarMath().CalcCircleCenter(p[0], p[1], p[2], p[3], p[4], p[5], cx, cy, &radius) == 0;
}

// Signed angle from a to b about c, degrees in (-180, 180].
double turnDeg(const QPointF &a, const QPointF &b, const QPointF &c)
{
    const double t = std::atan2(b.y() - c.y(), b.x() - c.x()) - std::atan2(a.y() - c.y(), a.x() - c.x());
    return std::remainder(t * 180.0 / kPi, 360.0);
}

// Gaussian-weighted centroid on the raw frame about the local background, iterated
// to its fixed point: for a round star it sits on the centre whatever the pixel
// phase, where a thresholded centroid is pulled by a few hundredths of a pixel, and
// three picks magnify such errors about ten times in the axis centre.
bool refineCentroid(const cv::Mat &frame, const QPointF &start, QPointF *out)
{
    const int half = 7;
    const double twoSigma2 = 2.0 * 2.0 * 2.0; // weights of sigma 2 px: the wings carry a saturated core
    const int x0 = int(std::lround(start.x())) - half;
    const int y0 = int(std::lround(start.y())) - half;
    if (x0 < 0 || y0 < 0 || x0 + 2 * half + 1 > frame.cols || y0 + 2 * half + 1 > frame.rows)
        return false;
    const cv::Mat w = frame(cv::Rect(x0, y0, 2 * half + 1, 2 * half + 1));
    std::vector<uchar> ring;
    for (int i = 0; i <= 2 * half; ++i) {
        ring.push_back(w.at<uchar>(0, i));
        ring.push_back(w.at<uchar>(2 * half, i));
        if (i > 0 && i < 2 * half) {
            ring.push_back(w.at<uchar>(i, 0));
            ring.push_back(w.at<uchar>(i, 2 * half));
        }
    }
    std::nth_element(ring.begin(), ring.begin() + ring.size() / 2, ring.end());
    const double background = ring[ring.size() / 2];

    double x = start.x(), y = start.y();
    // The Gaussian splits into a row factor and a column factor: 2 x 15 exponentials
    // an iteration instead of 225, for every star of every monitored frame.
    std::array<double, 2 * half + 1> wx, wy;
    for (int iteration = 0; iteration < 60; ++iteration) {
        for (int i = 0; i <= 2 * half; ++i) {
            const double dx = x0 + i - x, dy = y0 + i - y;
            wx[std::size_t(i)] = std::exp(-dx * dx / twoSigma2);
            wy[std::size_t(i)] = std::exp(-dy * dy / twoSigma2);
        }
        double sw = 0, sx = 0, sy = 0;
        for (int row = 0; row < w.rows; ++row) {
            const uchar *p = w.ptr<uchar>(row);
            const double dy = y0 + row - y;
            for (int col = 0; col < w.cols; ++col) {
                const double dx = x0 + col - x;
                const double v = (p[col] - background) * wx[std::size_t(col)] * wy[std::size_t(row)];
                sw += v;
                sx += v * dx;
                sy += v * dy;
            }
        }
        if (!(sw > 0))
            return false;
        x += sx / sw;
        y += sy / sw;
        if (std::fabs(sx / sw) + std::fabs(sy / sw) < 1e-5)
            break;
    }
    if (!(dist(QPointF(x, y), start) <= 1.5))
        return false;
    *out = QPointF(x, y);
    return true;
}

} // namespace

bool measureStar(const cv::Mat &frame, const QPointF &near, int radius, QPointF *out)
{
    if (frame.empty() || frame.type() != CV_8UC1 || radius < 1)
        return false;
    if (!(std::fabs(near.x()) < 1e6 && std::fabs(near.y()) < 1e6))
        return false;
    const int left = int(near.x() - radius);
    const int top = int(near.y() - radius);
    if (left < 0 || top < 0 || left + 2 * radius > frame.cols || top + 2 * radius > frame.rows)
        return false;

    // Brightest pixel, the first in row-major order like GetPreciseStarPos.
    const cv::Mat search = medianWindow(frame, cv::Rect(left, top, 2 * radius, 2 * radius));
    int best = -1, bestCol = 0, bestRow = 0;
    for (int row = 0; row < search.rows; ++row) {
        const uchar *p = search.ptr<uchar>(row);
        for (int col = 0; col < search.cols; ++col) {
            if (p[col] > best) {
                best = p[col];
                bestCol = col;
                bestRow = row;
            }
        }
    }
    const int px = left + bestCol;
    const int py = top + bestRow;
    if (px - kCentroidHalf < 0 || py - kCentroidHalf < 0 || px + kCentroidHalf > frame.cols
        || py + kCentroidHalf > frame.rows)
        return false;

    // Background and noise of the centroid window from its median and median deviation,
    // which the star itself hardly moves.
    const cv::Mat window = medianWindow(frame, cv::Rect(px - kCentroidHalf, py - kCentroidHalf,
                                                        2 * kCentroidHalf, 2 * kCentroidHalf));
    std::array<uchar, 4 * kCentroidHalf * kCentroidHalf> values;
    std::copy(window.begin<uchar>(), window.end<uchar>(), values.begin());
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    const double background = values[mid];
    std::array<double, 4 * kCentroidHalf * kCentroidHalf> deviations;
    for (std::size_t i = 0; i < values.size(); ++i)
        deviations[i] = std::fabs(values[i] - background);
    std::nth_element(deviations.begin(), deviations.begin() + mid, deviations.end());
    const double sigma = std::max(1.0, 1.4826 * deviations[mid]);
    const double height = best - background;
    if (height < std::max(kMinPeakSigmas * sigma, kMinPeakLevels))
        return false;
    int core = 0;
    for (uchar v : values)
        core += v >= background + height / 2.0;
    if (core > kMaxCorePixels)
        return false;

    // The thresholded centroid (where its own peak-to-mean test passes, else the peak)
    // starts the weighted one, whose convergence on the star is what counts: a faint
    // star over a bright sky fails the peak-to-mean test and is still a star.
    double cx = px, cy = py;
    starMath.GetGravityCenter(frame, px, py, &cx, &cy);
    if (dist(QPointF(cx, cy), QPointF(px, py)) > kMaxCentroidShift)
        return false;
    QPointF refined;
    if (!refineCentroid(frame, QPointF(cx, cy), &refined))
        return false;
    if (out)
        *out = refined;
    return true;
}

bool followable(const QPointF &p, const QSize &frame)
{
    const double margin = kFollowRadius + kCentroidHalf + 1;
    return p.x() >= margin && p.y() >= margin && p.x() <= frame.width() - margin
           && p.y() <= frame.height() - margin;
}

void PointAverage::add(const QPointF &p)
{
    ++n;
    sx += p.x();
    sy += p.y();
    sxx += p.x() * p.x();
    syy += p.y() * p.y();
}

QPointF PointAverage::mean() const
{
    return n > 0 ? QPointF(sx / n, sy / n) : QPointF();
}

double PointAverage::standardError() const
{
    if (n < 2)
        return 0.0;
    const double var = ((sxx - sx * sx / n) + (syy - sy * sy / n)) / (2.0 * (n - 1));
    return std::sqrt(std::max(0.0, var) / n);
}

AxisRefusal checkAxisPicks(const QPointF picks[3], const double sigma[3], const QPointF &centre,
                           const QSize &frame, AxisQuality *quality)
{
    for (int i = 0; i < 3; ++i)
        if (dist(picks[i], picks[(i + 1) % 3]) < kMinPickDistance)
            return AxisRefusal::TooClose;

    // The RA axis meets the frame, and the star ran on a circle that fits the sky shown.
    const double radius = dist(centre, picks[0]);
    if (!(centre.x() >= 0 && centre.y() >= 0 && centre.x() < frame.width() && centre.y() < frame.height())
        || !(radius >= kMinPickDistance && radius <= std::hypot(frame.width(), frame.height())))
        return AxisRefusal::Implausible;

    const double t01 = turnDeg(picks[0], picks[1], centre);
    const double t12 = turnDeg(picks[1], picks[2], centre);
    const double t02 = turnDeg(picks[0], picks[2], centre);
    const double smallest = std::min({std::fabs(t01), std::fabs(t12), std::fabs(t02)});
    if (smallest < kMinTurnDeg)
        return AxisRefusal::TooClose;

    AxisQuality q;
    q.smallestTurnDeg = smallest;
    q.spanDeg = (t01 > 0) == (t12 > 0) ? std::fabs(t01) + std::fabs(t12)
                                       : std::max({std::fabs(t01), std::fabs(t12), std::fabs(t02)});
    // Each pick's error carried to the centre through the circle's own geometry.
    double p[6] = {picks[0].x(), picks[0].y(), picks[1].x(), picks[1].y(), picks[2].x(), picks[2].y()};
    double cx = 0, cy = 0;
    if (!circumcentre(p, &cx, &cy))
        return AxisRefusal::Implausible;
    const double h = 1e-3;
    double variance = 0;
    for (int k = 0; k < 6; ++k) {
        const double keep = p[k];
        p[k] = keep + h;
        double x = 0, y = 0;
        circumcentre(p, &x, &y);
        p[k] = keep;
        const double dx = (x - cx) / h, dy = (y - cy) / h;
        variance += (dx * dx + dy * dy) * sigma[k / 2] * sigma[k / 2];
    }
    q.sigmaPx = std::sqrt(variance);
    if (quality)
        *quality = q;
    return AxisRefusal::None;
}

bool ReferenceTracker::measurePair(const cv::Mat &frame, const QPointF &pa, const QPointF &pb, bool acquire,
                                   QPointF *a, QPointF *b) const
{
    if (!measureStar(frame, pb, kFollowRadius, b))
        return false;
    if (!measureStar(frame, pa + (*b - pb), acquire ? kAcquireReach : kFollowReach, a))
        return false;
    return dist(*a - *b, pa - pb) <= (acquire ? kAcquireChange : kFollowChange);
}

bool ReferenceTracker::track(const cv::Mat &frame, const QPointF &searchA, const QPointF &searchB, QPointF *a,
                             QPointF *b)
{
    // New search positions (a new fix, or turned after a slew) start afresh there.
    if (searchA != lastSearchA || searchB != lastSearchB) {
        reset();
        lastSearchA = searchA;
        lastSearchB = searchB;
    }
    // A pair refused while followed is not taken from the search positions in the
    // next breath: only after a few frames without it.
    QPointF ma, mb;
    bool found = following && measurePair(frame, lastA, lastB, false, &ma, &mb);
    if (!found && (!following || ++misses > kPatience))
        found = measurePair(frame, searchA, searchB, true, &ma, &mb);
    if (found) {
        following = true;
        misses = 0;
        lastA = ma;
        lastB = mb;
        *a = ma;
        *b = mb;
        return true;
    }
    *a = following ? lastA : searchA;
    *b = following ? lastB : searchB;
    return false;
}
