// Turns projected stars into an 8-bit sensor frame: pixel-integrated Gaussian
// stars, a sloping sky, shot and read noise, hot pixels, clipping at 255.
#ifndef TAVRINSIM_RENDERER_H
#define TAVRINSIM_RENDERER_H

#include <cstdint>
#include <random>
#include <vector>

namespace tavrinsim {

struct RenderStar {
    double x, y;      // frame pixels
    double totalAdu;  // whole star, before clipping
};

struct RenderInput {
    std::vector<RenderStar> stars;
    double biasAdu = 8;
    double skyAdu = 15;          // mean sky above the bias
    double gradientX = 0.25;     // fractional sky change from centre to the right edge
    double gradientY = -0.15;    // ... and to the bottom edge
    double readNoiseAdu = 1.5;
    double aduPerElectron = 0.5;
    double fwhmPx = 2.5;
    double hotScale = 0.5;       // exposure seconds times gain factor
    bool noise = true;
};

class Renderer {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 960;

    Renderer();
    // out holds kWidth * kHeight bytes.
    void render(const RenderInput &in, unsigned char *out);

private:
    struct Rect {
        int x0, y0, x1, y1;  // inclusive
    };
    struct HotPixel {
        int x, y;
        double rate;  // ADU per second at gain factor 1; < 0: stuck at 255
    };
    std::vector<float> noiseTable_;  // standard normal samples
    std::vector<int> rowOffset_;
    std::vector<float> signal_;      // star light, zero outside the stamps
    std::vector<Rect> stamps_;
    std::vector<HotPixel> hot_;
    std::mt19937 rng_;
};

}  // namespace tavrinsim

#endif
