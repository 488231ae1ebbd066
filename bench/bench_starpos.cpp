// Cost of one GetPreciseStarPos (windowed median) against the whole-frame method,
// measured in the same run on the same 1280x960 frame.
#include "starmath/starmath.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// The whole-frame method: filter the full frame (once for the search, once more for
// the centroid), then measure in the windows.
int wholeFrameStarPos(const cv::Mat &frame, double x, double y, double *ox, double *oy)
{
    *ox = x;
    *oy = y;
    const int left = static_cast<int>(x - 20.0), top = static_cast<int>(y - 20.0);
    if (left < 0 || top < 0 || left + 40 > frame.cols || top + 40 > frame.rows)
        return -1;
    cv::Mat median;
    cv::medianBlur(frame, median, 3);
    const cv::Mat win = median(cv::Rect(left, top, 40, 40));
    if (cv::mean(win)[0] == 0)
        return -1;
    double maxVal = 0;
    cv::Point loc;
    cv::minMaxLoc(win, nullptr, &maxVal, nullptr, &loc);
    const int px = left + loc.x, py = top + loc.y;
    *ox = px;
    *oy = py;
    const int l2 = px - 10, t2 = py - 10;
    if (l2 < 0 || t2 < 0 || l2 + 20 > frame.cols || t2 + 20 > frame.rows)
        return 0;
    cv::Mat median2;
    cv::medianBlur(frame, median2, 3);
    const cv::Mat w2 = median2(cv::Rect(l2, t2, 20, 20));
    double m2 = 0;
    cv::minMaxLoc(w2, nullptr, &m2);
    const double mean = cv::mean(w2)[0];
    if (2.5 > m2 / mean)
        return 0;
    cv::Mat tmp, weights;
    w2.convertTo(tmp, CV_64F, 1.0, -(mean + (m2 - mean) * 0.3));
    tmp.convertTo(weights, CV_8U);
    const cv::Moments m = cv::moments(weights, false);
    if (m.m00 > 0) {
        *ox = l2 + m.m10 / m.m00;
        *oy = t2 + m.m01 / m.m00;
    }
    return 0;
}

template <typename F>
double medianMicroseconds(int reps, F &&f)
{
    std::vector<double> t;
    for (int r = 0; r < reps; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
    return t[t.size() / 2];
}

} // namespace

int main()
{
    std::mt19937 rng(5);
    cv::Mat frame(960, 1280, CV_8UC1);
    cv::randn(frame, cv::Scalar(12), cv::Scalar(3));
    const double sx = 640.3, sy = 480.6;
    for (int r = 460; r < 500; ++r)
        for (int c = 620; c < 660; ++c) {
            const double d2 = (c - sx) * (c - sx) + (r - sy) * (r - sy);
            frame.at<uchar>(r, c) = cv::saturate_cast<uchar>(frame.at<uchar>(r, c) + 180 * std::exp(-d2 / 4.5));
        }

    double ox = 0, oy = 0, rx = 0, ry = 0;
    starMath.GetPreciseStarPos(frame, 643, 478, &ox, &oy);
    wholeFrameStarPos(frame, 643, 478, &rx, &ry);

    const int reps = 300;
    const double ours = medianMicroseconds(reps, [&] { starMath.GetPreciseStarPos(frame, 643, 478, &ox, &oy); });
    const double reference = medianMicroseconds(reps, [&] { wholeFrameStarPos(frame, 643, 478, &rx, &ry); });

    std::printf("position_ours: %.6f, %.6f\n", ox, oy);
    std::printf("position_reference: %.6f, %.6f\n", rx, ry);
    std::printf("same_result: %s\n", (ox == rx && oy == ry) ? "yes" : "no");
    std::printf("ours_us: %.2f\n", ours);
    std::printf("reference_us: %.2f\n", reference);
    std::printf("ratio: %.1f\n", reference / ours);
    return 0;
}
