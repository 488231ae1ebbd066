#include "capture/livemarks.h"

#include "capture/liveviewstate.h"

#include <QPainter>
#include <QPen>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

// Corner brackets of the pole mark: top left, top right, bottom right, bottom left.
const int kCorners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};

// One-pixel outline pen: cosmetic on the frame itself; on a painter scaled to a
// smaller display one frame pixel wide, so marks look as on the frame scaled down.
QPen markPen(const QPainter &p, const QColor &colour)
{
    const qreal width = p.transform().isScaling() ? 1.0 : 0.0;
    return QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void line(QPainter &p, double x1, double y1, double x2, double y2)
{
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

QPointF direction(double deg)
{
    const double a = deg * 3.14159265358979323846 / 180.0;
    return QPointF(std::cos(a), std::sin(a));
}

// A line from..to with a head at the far end.
void arrow(QPainter &p, const QPointF &from, const QPointF &to)
{
    const QPointF d = to - from;
    const double n = std::hypot(d.x(), d.y());
    if (n < 1e-9)
        return;
    const QPointF u = d / n, side(-u.y(), u.x());
    p.drawLine(from, to);
    p.drawLine(to, to - 6 * u + 4 * side);
    p.drawLine(to, to - 6 * u - 4 * side);
}

// Where the axis must go, from the axis mark: one arrow for the altitude bolt (along
// the vertical) and one for the azimuth bolt; longer for a larger error. The "up"
// mark in the bottom left corner points to the zenith.
void paintPolarError(QPainter &p, const LiveView &v)
{
    const PolarError &e = v.polarError;
    const bool mono = v.isMono();
    const QPointF up = direction(e.upAngleDeg), right(-up.y(), up.x());
    auto length = [](double arcmin) { return 16.0 + 44.0 * std::min(1.0, std::fabs(arcmin) / 10.0); };
    const QPointF c = v.axisCenter;
    const double minimumArcmin = 0.05;
    if (std::fabs(e.altArcmin) >= minimumArcmin) {
        const QPointF way = e.altArcmin > 0 ? -up : up;
        p.setPen(markPen(p, mono ? QColor(255, 255, 255) : QColor(255, 200, 0)));
        arrow(p, c + 10 * way, c + (10 + length(e.altArcmin)) * way);
    }
    if (std::fabs(e.azArcmin) >= minimumArcmin) {
        const QPointF way = e.azArcmin > 0 ? -right : right;
        p.setPen(markPen(p, mono ? QColor(255, 255, 255) : QColor(0, 200, 255)));
        arrow(p, c + 10 * way, c + (10 + length(e.azArcmin)) * way);
    }
    const QPointF corner(36, 960 - 36);
    p.setPen(markPen(p, mono ? QColor(255, 255, 255) : QColor(255, 200, 0)));
    p.drawEllipse(corner, 22, 22);
    arrow(p, corner - 14 * up, corner + 16 * up);
}

} // namespace

int zoomCoord(double v)
{
    // Far outside any image, or not a number: pinned, so the conversion stays defined.
    const double limit = 1.0e7;
    if (!(v > -limit))
        return -int(limit);
    if (v > limit)
        return int(limit);
    return int(v);
}

void paintLiveMarks(QPainter &p, const LiveView &v)
{
    const bool mono = v.isMono();
    const QColor white(255, 255, 255);
    p.setBrush(Qt::NoBrush);

    if (v.showAxisCenter) {
        const double cx = v.axisCenter.x();
        const double cy = v.axisCenter.y();
        p.setPen(markPen(p, mono ? white : QColor(255, 0, 0)));
        p.drawEllipse(QRectF(cx - 1, cy - 1, 2, 2));
        p.drawEllipse(QRectF(cx - 4, cy - 4, 8, 8));
        line(p, cx - 7, cy, cx - 3, cy);
        line(p, cx + 7, cy, cx + 3, cy);
        line(p, cx, cy - 7, cx, cy - 3);
        line(p, cx, cy + 7, cx, cy + 3);
    }

    if (v.showStarCircle) {
        const double cx = v.axisCenter.x();
        const double cy = v.axisCenter.y();
        const double r = v.axisRadius;
        p.setPen(markPen(p, mono ? QColor(255, 255, 255, 178) : QColor(0, 255, 0, 178)));
        p.drawEllipse(QRectF(cx - r, cy - r, 2 * r, 2 * r));
    }

    if (v.showExpectedPole) {
        const double ex = v.expectedPole.x();
        const double ey = v.expectedPole.y();
        p.setPen(markPen(p, white));
        line(p, ex - 3, ey, ex + 3, ey);
        line(p, ex, ey - 3, ex, ey + 3);
        const QRectF box(ex - 10, ey - 10, 20, 20);
        for (double start : {18.0, 108.0, 198.0, 288.0})
            p.drawArc(box, int((v.markAngle + start) * 16), 864);
    }

    for (int i = 0; i < 2; ++i) {
        if (!(i == 0 ? v.showStarAMark : v.showStarBMark))
            continue;
        const QPointF &s = i == 0 ? v.starA : v.starB;
        const double x = s.x();
        const double y = s.y();
        p.setPen(markPen(p, white));
        line(p, x - 5, y, x + 5, y);
        line(p, x, y - 5, x, y + 5);
        p.drawRect(QRectF(x - 20, y - 20, 40, 40));
    }

    // The picks of the axis centre so far: the user must see what was taken.
    if (!v.pickedStars.isEmpty()) {
        p.setPen(markPen(p, mono ? white : QColor(255, 255, 0)));
        for (const QPointF &s : v.pickedStars)
            p.drawEllipse(s, 6.0, 6.0);
    }

    // A frame whose reference stars were not both measured has no pole to show.
    if (v.monitorPole && !v.starsLost) {
        const double px = v.livePole.x();
        const double py = v.livePole.y();
        p.setPen(markPen(p, mono ? white : QColor(0, 255, 0)));
        p.drawEllipse(QRectF(px - 1, py - 1, 2, 2));
        line(p, px - 8, py, px + 8, py);
        line(p, px, py - 8, px, py + 8);
        for (const auto &c : kCorners) {
            line(p, px + 6 * c[0], py + 6 * c[1], px + 6 * c[0], py + 3 * c[1]);
            line(p, px + 6 * c[0], py + 6 * c[1], px + 3 * c[0], py + 6 * c[1]);
        }
        if (v.polarError.valid)
            paintPolarError(p, v);
    }
}

void drawZoomMarks(cv::Mat &image, const LiveView &v, cv::Point origin)
{
    const bool mono = v.isMono();
    const cv::Scalar monoColour(255, 248, 248);
    const cv::Scalar axisColour = mono ? monoColour : cv::Scalar(255, 0, 0);
    const cv::Scalar poleColour = mono ? monoColour : cv::Scalar(0, 255, 0);

    // Each coordinate is truncated after the offset is applied, as on the whole image.
    auto pt = [&](double fx, double fy) {
        return cv::Point(zoomCoord(fx) - origin.x, zoomCoord(fy) - origin.y);
    };
    auto seg = [&](double x1, double y1, double x2, double y2, const cv::Scalar &c) {
        cv::line(image, pt(x1, y1), pt(x2, y2), c, 1, cv::LINE_8);
    };

    const double X = 5.0 * v.axisCenter.x();
    const double Y = 5.0 * v.axisCenter.y();
    cv::circle(image, pt(X, Y), 1, axisColour, cv::FILLED, cv::LINE_AA);
    cv::circle(image, pt(X, Y), 8, axisColour, 1, cv::LINE_AA);
    seg(X - 11, Y, X - 6, Y, axisColour);
    seg(X + 11, Y, X + 6, Y, axisColour);
    seg(X, Y - 11, X, Y - 6, axisColour);
    seg(X, Y + 11, X, Y + 6, axisColour);

    if (v.starsLost)
        return;
    const double P = 5.0 * v.livePole.x();
    const double Q = 5.0 * v.livePole.y();
    cv::circle(image, pt(P, Q), 2, poleColour, cv::FILLED, cv::LINE_AA);
    seg(P - 11, Q, P + 11, Q, poleColour);
    seg(P, Q - 11, P, Q + 11, poleColour);
    for (const auto &c : kCorners) {
        seg(P + 9 * c[0], Q + 9 * c[1], P + 9 * c[0], Q + 4 * c[1], poleColour);
        seg(P + 9 * c[0], Q + 9 * c[1], P + 4 * c[0], Q + 9 * c[1], poleColour);
    }
}

void nightTint(cv::Mat &image)
{
    CV_Assert(image.type() == CV_8UC3 || image.type() == CV_8UC4);
    // R, G, B for three channels; B, G, R, A (the display's 32-bit layout) for four.
    const int channels = image.channels();
    const int red = channels == 3 ? 0 : 2;
    for (int y = 0; y < image.rows; ++y) {
        unsigned char *p = image.ptr<unsigned char>(y);
        for (int x = 0; x < image.cols; ++x, p += channels) {
            const unsigned char brightest = std::max(p[0], std::max(p[1], p[2]));
            p[0] = p[1] = p[2] = 0;
            p[red] = brightest;
        }
    }
}
