// Turning what an INDI camera sends into the program's 8-bit 1280 x 960 frame.
//
// 1. decodeFits() reads a FITS image (8 or 16 bits, one plane or the mean of
//    three) or decodeRaw() a raw video-stream frame, into 16-bit pixels.
// 2. Stretch maps 16-bit pixels to 8 bits. It is linear between a black point
//    two background noise widths below the sky level and a white point at the
//    brightest 0.05 % of pixels (never less than 40 noise widths, so a starless
//    frame does not show its noise as stars). Both points are followed smoothly
//    from frame to frame (a quarter of the way each frame), so the picture does
//    not jump; a change of exposure or gain resets them. 8-bit data passes
//    through unchanged.
// 3. toFrame() scales by the ratio of the camera's plate scale to the
//    program's, then centre-crops or pads (black) to 1280 x 960.
#ifndef TAVRIN_INDIFRAME_H
#define TAVRIN_INDIFRAME_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace indiframe {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;

struct Image {
    int width = 0, height = 0;
    int bits = 0;  // 8 or 16: the range the values use
    std::vector<uint16_t> pixels;
};

// False, with a reason in error, for anything that is not a 2-d (or 3-plane)
// 8- or 16-bit FITS image that fits in size.
bool decodeFits(const unsigned char *data, size_t size, Image *out, std::string *error);
// A raw stream frame of width x height at 8 or 16 bits (little endian);
// colour (three bytes per pixel) is averaged.
bool decodeRaw(const unsigned char *data, size_t size, int width, int height, Image *out, std::string *error);

class Stretch
{
public:
    void reset() { valid = false; }
    // Maps in (16-bit) to 8 bits in place of out (same size).
    void apply(const Image &in, std::vector<uint8_t> *out);
    double black() const { return blackPoint; }
    double white() const { return whitePoint; }

private:
    bool valid = false;
    double blackPoint = 0, whitePoint = 65535;
};

// Scales an 8-bit image of width x height by factor (frame pixels per camera
// pixel) about its centre into a 1280 x 960 frame; uncovered parts are black.
void toFrame(const uint8_t *in, int width, int height, double factor, uint8_t *frame);

}  // namespace indiframe

#endif
