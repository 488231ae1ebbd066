// The marks the live view asks for: painted with QPainter on the 1280 x 960 frame
// image, and drawn with OpenCV on the five-times enlarged view around the axis centre.
#ifndef LIVEMARKS_H
#define LIVEMARKS_H

#include <opencv2/core.hpp>

class QPainter;
struct LiveView;

// Paints, on an active painter, the marks whose flags are set, in this order:
// axis centre, star circle, expected pole, star A, star B, pole. The caller chooses
// the render hints (the capture thread turns antialiasing on).
void paintLiveMarks(QPainter &painter, const LiveView &view);

// A coordinate in the enlarged view as a whole pixel: truncated toward zero, and
// pinned for values far outside any image.
int zoomCoord(double v);

// Draws the axis-centre and pole marks of the enlarged view on a three-channel image
// whose bytes are R, G, B. origin is the position of the image's top-left pixel in
// the coordinates of the whole 5x enlarged frame, so the same marks can be drawn on
// any window of it.
void drawZoomMarks(cv::Mat &image, const LiveView &view, cv::Point origin = cv::Point(0, 0));

// The night style's deep red: each pixel becomes its brightest channel in red
// alone, so grey stars and marks of any colour stay visible. Takes R, G, B images
// and the display's B, G, R, A ones.
void nightTint(cv::Mat &image);

#endif
