// The 200 x 200 view of the five-times enlarged frame around the axis centre.
//
// The view is defined as a window of the whole frame enlarged five times (bilinear)
// with the zoom marks drawn on it. Only the window is ever computed: the bilinear
// weights of a 5x enlargement depend only on the output position modulo 5, so
// enlarging the source rectangle under the window (plus two pixels each side) gives
// the same bytes. Parts of the window outside the enlarged frame are black.
#ifndef ZOOMVIEW_H
#define ZOOMVIEW_H

#include <QPointF>

#include <opencv2/core.hpp>

struct LiveView;

class ZoomView
{
public:
    static constexpr int kScale = 5;
    static constexpr int kCropSize = 200;

    ZoomView();

    // The crop window in enlarged coordinates: top-left at 5 x centre - 100, truncated.
    static cv::Rect cropWindow(const QPointF &axisCenter);

    // The window of the 5x bilinear enlargement of gray (8-bit, one channel) into out
    // (resized to the window when needed); pixels beyond the enlarged frame are 0.
    // scratch is reused for the enlarged source rectangle when it is big enough.
    static void enlargeWindow(const cv::Mat &gray, const cv::Rect &window, cv::Mat &out,
                              cv::Mat &scratch);

    // The finished view for one frame: enlarged window, grey to R, G, B, zoom marks.
    // crop must be a 200 x 200 three-channel image; it is written, never reallocated.
    void render(const cv::Mat &gray, const LiveView &view, cv::Mat &crop);

private:
    // The marks reach 12 pixels from their centres; with this margin no mark that
    // shows in the crop is cut by the edge of the working window.
    static constexpr int kMargin = 20;

    cv::Mat zoomGray;   // enlarged window with margin, one channel
    cv::Mat zoomColor;  // the same in R, G, B, marks drawn here
    cv::Mat scratch;    // enlarged source rectangle
};

#endif
