#include "capture/zoomview.h"

#include "capture/livemarks.h"
#include "capture/liveviewstate.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

ZoomView::ZoomView()
{
    const int side = kCropSize + 2 * kMargin;
    zoomGray.create(side, side, CV_8UC1);
    zoomColor.create(side, side, CV_8UC3);
    // Largest source rectangle for that window: side / 5 + 1 pixels plus 2 each side.
    const int src = side / kScale + 1 + 4;
    scratch.create(src * kScale, src * kScale, CV_8UC1);
}

cv::Rect ZoomView::cropWindow(const QPointF &axisCenter)
{
    return cv::Rect(zoomCoord(kScale * axisCenter.x() - kCropSize / 2),
                    zoomCoord(kScale * axisCenter.y() - kCropSize / 2), kCropSize, kCropSize);
}

void ZoomView::enlargeWindow(const cv::Mat &gray, const cv::Rect &window, cv::Mat &out,
                             cv::Mat &scratch)
{
    CV_Assert(gray.type() == CV_8UC1);
    out.create(window.size(), CV_8UC1);
    out.setTo(cv::Scalar::all(0));

    const cv::Rect inside = window & cv::Rect(0, 0, gray.cols * kScale, gray.rows * kScale);
    if (inside.empty())
        return;

    // Source rectangle whose enlargement covers the inside part; the two extra pixels
    // keep the resize's own border handling away from the bytes we keep.
    const int x0 = std::max(0, inside.x / kScale - 2);
    const int y0 = std::max(0, inside.y / kScale - 2);
    const int x1 = std::min(gray.cols, (inside.x + inside.width) / kScale + 2);
    const int y1 = std::min(gray.rows, (inside.y + inside.height) / kScale + 2);
    const cv::Size enlarged((x1 - x0) * kScale, (y1 - y0) * kScale);

    cv::Mat big;
    if (scratch.type() == CV_8UC1 && scratch.cols >= enlarged.width
        && scratch.rows >= enlarged.height)
        big = scratch(cv::Rect(cv::Point(0, 0), enlarged));
    cv::resize(gray(cv::Rect(x0, y0, x1 - x0, y1 - y0)), big, enlarged, 0, 0, cv::INTER_LINEAR);

    big(cv::Rect(inside.x - x0 * kScale, inside.y - y0 * kScale, inside.width, inside.height))
        .copyTo(out(cv::Rect(inside.x - window.x, inside.y - window.y, inside.width,
                             inside.height)));
}

void ZoomView::render(const cv::Mat &gray, const LiveView &view, cv::Mat &crop)
{
    CV_Assert(crop.rows == kCropSize && crop.cols == kCropSize && crop.type() == CV_8UC3);
    const cv::Rect win = cropWindow(view.axisCenter);
    const cv::Rect work(win.x - kMargin, win.y - kMargin, win.width + 2 * kMargin,
                        win.height + 2 * kMargin);

    enlargeWindow(gray, work, zoomGray, scratch);
    cv::cvtColor(zoomGray, zoomColor, cv::COLOR_GRAY2RGB);

    // Marks only on the enlarged frame itself, never on the black beyond its edge.
    const cv::Rect inside = work & cv::Rect(0, 0, gray.cols * kScale, gray.rows * kScale);
    if (!inside.empty()) {
        cv::Mat part = zoomColor(cv::Rect(inside.x - work.x, inside.y - work.y, inside.width,
                                          inside.height));
        drawZoomMarks(part, view, inside.tl());
    }

    zoomColor(cv::Rect(kMargin, kMargin, kCropSize, kCropSize)).copyTo(crop);
}
