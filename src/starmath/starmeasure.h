// Measurements the alignment may trust: a star that is really a star, the quality
// of the axis centre from three picks, and the two reference stars followed from
// frame to frame.
//
// How to use:
//  1. A double click or a pick: measureStar(frame, click, kClickRadius, &star);
//     false means there is no star there (flat, saturated, noisy or empty sky).
//  2. A pick over many frames: PointAverage collects one star's centroids.
//  3. Three picks: checkAxisPicks() refuses picks too close together and circles
//     that cannot be the RA axis; axisUncertainty() says how far the centre may be off.
//  4. Monitoring: ReferenceTracker::track() once per frame; false means the pair was
//     not measured in this frame and no pole may be drawn from it.
// Pure functions of their arguments (the tracker of its own past); nothing is logged.
#ifndef STARMEASURE_H
#define STARMEASURE_H

#include <QPointF>
#include <QSize>

#include <opencv2/core.hpp>

// A click's search reach, as the 40 x 40 window of GetPreciseStarPos.
constexpr int kClickRadius = 20;
// How far a followed star is looked for around where it was.
constexpr int kFollowRadius = 10;
// The camera's scale: the template images are drawn at it, one pixel per frame pixel.
constexpr double kArcsecPerPixel = 30.5;

// The star whose brightest pixel (3x3 median) lies in the square of half-size radius
// at near, refined to the sub-pixel centroid. True only when the centroid succeeded
// on a star-like peak: clearly above the background and its noise, and compact.
bool measureStar(const cv::Mat &frame, const QPointF &near, int radius, QPointF *out);

// True when a star at p can be followed: its search and centroid windows fit the frame.
bool followable(const QPointF &p, const QSize &frame);

// Mean of repeated measurements of one star and its standard error (pixels, per axis).
class PointAverage
{
public:
    void add(const QPointF &p);
    int count() const { return n; }
    QPointF mean() const;
    double standardError() const;

private:
    int n = 0;
    double sx = 0, sy = 0, sxx = 0, syy = 0;
};

enum class AxisRefusal { None, TooClose, Implausible };

struct AxisQuality
{
    double spanDeg = 0;      // angle between the first and the last pick about the centre
    double smallestTurnDeg = 0;
    double sigmaPx = 0;      // one-sigma distance of the centre from the true axis
};

// Picks closer than this (pixels) are the same place: the axis was not turned.
constexpr double kMinPickDistance = 8.0;
// Turns smaller than this between any two picks give no usable centre.
constexpr double kMinTurnDeg = 15.0;
// Above this the centre is worth finding again.
constexpr double kMaxGoodSigmaPx = 1.0;

// Refuses three picks that cannot give the RA axis: two too close together, or a
// circle whose centre is outside the frame or whose radius is out of reason.
// sigma: each pick's standard error (pixels). Fills quality when not refused.
AxisRefusal checkAxisPicks(const QPointF picks[3], const double sigma[3], const QPointF &centre,
                           const QSize &frame, AxisQuality *quality);

// Follows the reference stars A and B (the pole star) from frame to frame. B is
// looked for near where it was; A near where it was, moved as B moved, in a window
// too small to reach a neighbouring star; a pair whose shape changed between frames
// more than the sky can change it is refused. When the stars are lost, they are
// looked for again at their last places and at the search positions.
class ReferenceTracker
{
public:
    // False when the pair was not measured; a and b then hold where it is looked for.
    bool track(const cv::Mat &frame, const QPointF &searchA, const QPointF &searchB, QPointF *a,
               QPointF *b);
    void reset()
    {
        following = false;
        misses = 0;
    }

private:
    bool measurePair(const cv::Mat &frame, const QPointF &pa, const QPointF &pb, bool acquire, QPointF *a,
                     QPointF *b) const;
    bool following = false;
    int misses = 0;
    QPointF lastA, lastB, lastSearchA, lastSearchB;
};

#endif
