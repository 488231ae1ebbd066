// 3x3 median of one window of a frame, without filtering the whole frame.
#ifndef MEDIANWINDOW_H
#define MEDIANWINDOW_H

#include <opencv2/core.hpp>

// Returns the window (which must lie inside the 8-bit single-channel frame) of the
// frame's 3x3 median with replicated borders, bit-identical to filtering the whole
// frame and cutting the window out: only the window grown by one pixel, clipped to the
// frame, is filtered.
cv::Mat medianWindow(const cv::Mat &frame, const cv::Rect &window);

#endif
