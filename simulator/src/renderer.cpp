#include "renderer.h"

#include <algorithm>
#include <cmath>

namespace tavrinsim {

namespace {
constexpr int kNoiseTableSize = 1 << 18;

inline unsigned char clip8(float v)
{
    if (v <= 0.0f)
        return 0;
    if (v >= 255.0f)
        return 255;
    return static_cast<unsigned char>(v + 0.5f);
}
}  // namespace

Renderer::Renderer()
    : noiseTable_(kNoiseTableSize), rowOffset_(kHeight), signal_(size_t(kWidth) * kHeight, 0.0f),
      rng_(20160523u)
{
    std::normal_distribution<float> normal(0.0f, 1.0f);
    for (float &v : noiseTable_)
        v = normal(rng_);
    // The camera's own defects: fixed for its life, so they stay put frame to frame.
    std::mt19937 defects(1280960u);
    std::uniform_int_distribution<int> px(2, kWidth - 3), py(2, kHeight - 3);
    std::uniform_real_distribution<double> rate(150.0, 2500.0);
    for (int i = 0; i < 28; ++i)
        hot_.push_back({px(defects), py(defects), i < 3 ? -1.0 : rate(defects)});
}

void Renderer::render(const RenderInput &in, unsigned char *out)
{
    const float sky = float(in.skyAdu);
    const float bias = float(in.biasAdu);
    const float gx = float(in.gradientX * in.skyAdu / (kWidth / 2.0));
    const float gy = float(in.gradientY * in.skyAdu / (kHeight / 2.0));
    const float bgSigma = float(std::sqrt(in.readNoiseAdu * in.readNoiseAdu
                                          + std::max(0.0, in.skyAdu) * in.aduPerElectron));
    const float noiseOn = in.noise ? 1.0f : 0.0f;

    // Each row reads the noise table from its own random place: no pattern
    // repeats visibly, and the stars' pass below finds the same samples again.
    std::uniform_int_distribution<int> offset(0, kNoiseTableSize - kWidth - 1);
    for (int &o : rowOffset_)
        o = offset(rng_);

    for (int y = 0; y < kHeight; ++y) {
        const float *n = noiseTable_.data() + rowOffset_[y];
        unsigned char *row = out + size_t(y) * kWidth;
        const float base = bias + sky + gy * float(y - kHeight / 2) - gx * float(kWidth / 2);
        const float s = bgSigma * noiseOn;
        for (int x = 0; x < kWidth; ++x)
            row[x] = clip8(base + gx * float(x) + s * n[x]);
    }

    // Stars: accumulate light into stamps, then redo those pixels with the star
    // light and its shot noise added.
    const double sigma = std::max(0.3, in.fwhmPx / 2.3548200450309493);
    const double invSqrt2Sigma = 1.0 / (std::sqrt(2.0) * sigma);
    stamps_.clear();
    std::vector<double> wx, wy;
    for (const RenderStar &star : in.stars) {
        const double peak = star.totalAdu / (2.0 * 3.14159265358979323846 * sigma * sigma);
        if (peak < 0.15)
            continue;
        int r = int(std::ceil(sigma * std::sqrt(2.0 * std::log(std::max(peak, 1.0) / 0.1)))) + 1;
        r = std::min(std::max(r, 2), 60);
        const int cx = int(std::lround(star.x)), cy = int(std::lround(star.y));
        Rect rc{std::max(cx - r, 0), std::max(cy - r, 0), std::min(cx + r, kWidth - 1),
                std::min(cy + r, kHeight - 1)};
        if (rc.x0 > rc.x1 || rc.y0 > rc.y1)
            continue;
        // Light falling on each pixel: the Gaussian integrated over the pixel.
        wx.resize(size_t(rc.x1 - rc.x0 + 1));
        wy.resize(size_t(rc.y1 - rc.y0 + 1));
        for (int x = rc.x0; x <= rc.x1; ++x)
            wx[size_t(x - rc.x0)] = 0.5 * (std::erf((x + 0.5 - star.x) * invSqrt2Sigma)
                                           - std::erf((x - 0.5 - star.x) * invSqrt2Sigma));
        for (int y = rc.y0; y <= rc.y1; ++y)
            wy[size_t(y - rc.y0)] = 0.5 * (std::erf((y + 0.5 - star.y) * invSqrt2Sigma)
                                           - std::erf((y - 0.5 - star.y) * invSqrt2Sigma));
        for (int y = rc.y0; y <= rc.y1; ++y) {
            float *row = signal_.data() + size_t(y) * kWidth;
            const double fy = star.totalAdu * wy[size_t(y - rc.y0)];
            for (int x = rc.x0; x <= rc.x1; ++x)
                row[x] += float(fy * wx[size_t(x - rc.x0)]);
        }
        stamps_.push_back(rc);
    }
    const float adu = float(in.aduPerElectron);
    for (const Rect &rc : stamps_) {
        for (int y = rc.y0; y <= rc.y1; ++y) {
            const float *n = noiseTable_.data() + rowOffset_[y];
            const float *sig = signal_.data() + size_t(y) * kWidth;
            unsigned char *row = out + size_t(y) * kWidth;
            const float base = bias + sky + gy * float(y - kHeight / 2) - gx * float(kWidth / 2);
            for (int x = rc.x0; x <= rc.x1; ++x) {
                const float s = std::sqrt(bgSigma * bgSigma + sig[x] * adu) * noiseOn;
                row[x] = clip8(base + gx * float(x) + sig[x] + s * n[x]);
            }
        }
    }
    for (const Rect &rc : stamps_)
        for (int y = rc.y0; y <= rc.y1; ++y)
            std::fill(signal_.begin() + long(y) * kWidth + rc.x0, signal_.begin() + long(y) * kWidth + rc.x1 + 1,
                      0.0f);

    if (in.noise) {
        for (const HotPixel &h : hot_) {
            unsigned char &p = out[size_t(h.y) * kWidth + h.x];
            const double v = h.rate < 0 ? 255.0 : in.biasAdu + h.rate * in.hotScale;
            p = std::max(p, clip8(float(v)));
        }
    }
}

}  // namespace tavrinsim
