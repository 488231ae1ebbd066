#include "starmath/medianwindow.h"

#include <opencv2/imgproc.hpp>

cv::Mat medianWindow(const cv::Mat &frame, const cv::Rect &window)
{
    const cv::Rect grown = cv::Rect(window.x - 1, window.y - 1, window.width + 2, window.height + 2)
                           & cv::Rect(0, 0, frame.cols, frame.rows);
    // Inside the frame the margin supplies the real neighbours; where the margin is
    // clipped the filter replicates the edge, as it does at the frame border. A
    // contiguous copy keeps the filter from reading past the grown rectangle.
    const cv::Mat src = frame(grown).clone();
    cv::Mat filtered;
    cv::medianBlur(src, filtered, 3);
    return filtered(cv::Rect(window.x - grown.x, window.y - grown.y, window.width, window.height))
        .clone();
}
