// GetPreciseStarPos and GetGravityCenter on arbitrary frames and positions.
//
// Input: width, height, a mode byte, the position (see FuzzInput::anyDouble),
// then pixel bytes repeated over the frame. The frame's bytes sit in a buffer of
// exactly its size, or (mode bit 0) in rows followed by poisoned padding, so a
// read outside the frame is caught.
#include "fuzzinput.h"

#include "starmath/starmath.h"

#include <opencv2/core.hpp>

#include <sanitizer/asan_interface.h>

#include <vector>

namespace {

void checkResult(int rc, double x, double y, double outX, double outY, const cv::Mat &frame)
{
    FUZZ_CHECK(rc == 0 || rc == -1);
    if (rc != 0) {
        // Every failure hands back the position it was given, bit for bit.
        FUZZ_CHECK(sameBits(outX, x));
        FUZZ_CHECK(sameBits(outY, y));
        return;
    }
    FUZZ_CHECK(std::isfinite(outX) && std::isfinite(outY));
    FUZZ_CHECK(outX >= 0.0 && outX <= frame.cols - 1);
    FUZZ_CHECK(outY >= 0.0 && outY <= frame.rows - 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    const int cols = in.byte() % 130;
    const int rows = in.byte() % 130;
    const std::uint8_t mode = in.byte();
    const double x = in.anyDouble();
    const double y = in.anyDouble();

    const bool padded = mode & 1;
    const bool colour = (mode & 2) != 0;
    const int channels = colour ? 3 : 1;
    const std::size_t rowBytes = std::size_t(cols) * channels;
    const std::size_t tightStep = rowBytes;
    const std::size_t paddedStep = ((rowBytes + 7) / 8) * 8 + 16;
    const std::size_t step = padded ? paddedStep : tightStep;
    const std::size_t total = step * std::size_t(rows);

    // new[] of the exact size: ASan sees the first byte past the end.
    std::uint8_t *bytes = total ? new std::uint8_t[total] : nullptr;
    const std::size_t pixelCount = in.remaining();
    for (std::size_t i = 0; i < total; ++i)
        bytes[i] = pixelCount ? in.rest()[i % pixelCount] : 0;
    if (padded && total) {
        const std::size_t used = ((rowBytes + 7) / 8) * 8;
        for (int r = 0; r < rows; ++r)
            ASAN_POISON_MEMORY_REGION(bytes + r * step + used, step - used);
    }

    cv::Mat frame;
    if (total)
        frame = cv::Mat(rows, cols, colour ? CV_8UC3 : CV_8UC1, bytes, step);

    double outX = -1.0, outY = -1.0;
    int rc = starMath.GetPreciseStarPos(frame, x, y, &outX, &outY);
    if (colour || frame.empty())
        FUZZ_CHECK(rc == -1);
    checkResult(rc, x, y, outX, outY, frame);

    rc = starMath.GetGravityCenter(frame, x, y, &outX, &outY);
    if (colour || frame.empty())
        FUZZ_CHECK(rc == -1);
    checkResult(rc, x, y, outX, outY, frame);

    // Null out-parameters are allowed.
    starMath.GetPreciseStarPos(frame, x, y, nullptr, nullptr);

    if (padded && total)
        ASAN_UNPOISON_MEMORY_REGION(bytes, total);
    delete[] bytes;
    return 0;
}
