#include "indiframe.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace indiframe {

namespace {

constexpr size_t kBlock = 2880;
constexpr size_t kCard = 80;
// Larger than any sensor we expect; keeps a damaged header from asking for gigabytes.
constexpr long kMaxSide = 20000;

bool cardValue(const char *card, const char *key, double *value)
{
    const size_t n = std::strlen(key);
    if (std::strncmp(card, key, n) != 0 || (card[n] != ' ' && card[n] != '='))
        return false;
    const char *eq = static_cast<const char *>(std::memchr(card, '=', kCard));
    if (!eq || eq - card != 8)
        return false;
    char text[kCard] = {};
    std::memcpy(text, eq + 1, size_t(card + kCard - eq - 1));
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text)
        return false;
    *value = v;
    return true;
}

}  // namespace

bool decodeFits(const unsigned char *data, size_t size, Image *out, std::string *error)
{
    if (!data || size < kBlock || std::strncmp(reinterpret_cast<const char *>(data), "SIMPLE", 6) != 0) {
        *error = "not a FITS image";
        return false;
    }
    double bitpix = 0, naxis = 0, n1 = 0, n2 = 0, n3 = 1, bzero = 0, bscale = 1;
    size_t offset = 0;
    bool end = false;
    for (; offset + kCard <= size && !end; offset += kCard) {
        const char *card = reinterpret_cast<const char *>(data + offset);
        if (std::strncmp(card, "END", 3) == 0 && (card[3] == ' ' || offset + 3 == size)) {
            end = true;
            break;
        }
        cardValue(card, "BITPIX", &bitpix) || cardValue(card, "NAXIS1", &n1) || cardValue(card, "NAXIS2", &n2)
            || cardValue(card, "NAXIS3", &n3) || cardValue(card, "NAXIS", &naxis)
            || cardValue(card, "BZERO", &bzero) || cardValue(card, "BSCALE", &bscale);
    }
    if (!end) {
        *error = "FITS header without END";
        return false;
    }
    const size_t dataStart = (offset / kBlock + 1) * kBlock;
    if ((bitpix != 8 && bitpix != 16) || (naxis != 2 && naxis != 3)) {
        *error = "FITS image of " + std::to_string(int(bitpix)) + " bits and " + std::to_string(int(naxis))
                 + " axes is not supported";
        return false;
    }
    const long w = long(n1), h = long(n2), planes = naxis == 3 ? long(n3) : 1;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || (planes != 1 && planes != 3)) {
        *error = "FITS image size out of range";
        return false;
    }
    const size_t bytes = size_t(bitpix) / 8;
    const size_t planeSize = size_t(w) * size_t(h);
    if (dataStart > size || (size - dataStart) / bytes < planeSize * size_t(planes)) {
        *error = "FITS image shorter than its header says";
        return false;
    }
    out->width = int(w);
    out->height = int(h);
    out->bits = int(bitpix);
    out->pixels.assign(planeSize, 0);
    const unsigned char *p = data + dataStart;
    const double maxValue = bitpix == 8 ? 255.0 : 65535.0;
    for (size_t i = 0; i < planeSize; ++i) {
        double sum = 0;
        for (long c = 0; c < planes; ++c) {
            const size_t k = size_t(c) * planeSize + i;
            double raw;
            if (bytes == 1)
                raw = p[k];
            else
                raw = double(int16_t(uint16_t(p[2 * k] << 8 | p[2 * k + 1])));
            sum += raw * bscale + bzero;
        }
        const double v = sum / double(planes);
        out->pixels[i] = uint16_t(std::lround(std::min(maxValue, std::max(0.0, v))));
    }
    return true;
}

bool decodeRaw(const unsigned char *data, size_t size, int width, int height, Image *out, std::string *error)
{
    const size_t n = size_t(std::max(0, width)) * size_t(std::max(0, height));
    if (!data || n == 0 || width > kMaxSide || height > kMaxSide) {
        *error = "stream frame of unknown size";
        return false;
    }
    out->width = width;
    out->height = height;
    out->pixels.assign(n, 0);
    if (size == n) {
        out->bits = 8;
        std::copy(data, data + n, out->pixels.begin());
    } else if (size == 2 * n) {
        out->bits = 16;
        for (size_t i = 0; i < n; ++i)
            out->pixels[i] = uint16_t(data[2 * i] | data[2 * i + 1] << 8);
    } else if (size == 3 * n) {
        out->bits = 8;
        for (size_t i = 0; i < n; ++i)
            out->pixels[i] = uint16_t((data[3 * i] + data[3 * i + 1] + data[3 * i + 2] + 1) / 3);
    } else {
        *error = "stream frame of " + std::to_string(size) + " bytes does not match "
                 + std::to_string(width) + "x" + std::to_string(height);
        return false;
    }
    return true;
}

void Stretch::apply(const Image &in, std::vector<uint8_t> *out)
{
    const size_t n = in.pixels.size();
    out->resize(n);
    if (in.bits <= 8) {
        for (size_t i = 0; i < n; ++i)
            (*out)[i] = uint8_t(std::min<uint16_t>(255, in.pixels[i]));
        return;
    }
    // Levels from every other pixel of every other row: plenty for a histogram.
    static thread_local std::vector<uint32_t> histogram;
    histogram.assign(65536, 0);
    size_t samples = 0;
    for (int y = 0; y < in.height; y += 2) {
        const uint16_t *row = in.pixels.data() + size_t(y) * size_t(in.width);
        for (int x = 0; x < in.width; x += 2, ++samples)
            ++histogram[row[x]];
    }
    auto percentile = [&](double q) {
        const size_t target = size_t(q * double(samples));
        size_t seen = 0;
        for (int v = 0; v < 65536; ++v) {
            seen += histogram[size_t(v)];
            if (seen > target)
                return double(v);
        }
        return 65535.0;
    };
    const double median = percentile(0.5);
    const double sigma = std::max(1.0, median - percentile(0.1587));
    const double black = std::max(0.0, median - 2.0 * sigma);
    const double white = std::max(percentile(0.9995), black + 40.0 * sigma);
    if (!valid) {
        blackPoint = black;
        whitePoint = white;
        valid = true;
    } else {
        blackPoint += 0.25 * (black - blackPoint);
        whitePoint += 0.25 * (white - whitePoint);
    }
    const double scale = 255.0 / std::max(1.0, whitePoint - blackPoint);
    static thread_local std::vector<uint8_t> lut;
    lut.resize(65536);
    for (int v = 0; v < 65536; ++v)
        lut[size_t(v)] = uint8_t(std::lround(std::min(255.0, std::max(0.0, (v - blackPoint) * scale))));
    for (size_t i = 0; i < n; ++i)
        (*out)[i] = lut[in.pixels[i]];
}

void toFrame(const uint8_t *in, int width, int height, double factor, uint8_t *frame)
{
    std::memset(frame, 0, size_t(kWidth) * kHeight);
    if (!in || width < 1 || height < 1 || !(factor > 0))
        return;
    // The part of the camera image that lands in the frame, and where it lands.
    const int srcW = std::min(width, std::max(1, int(std::lround(kWidth / factor))));
    const int srcH = std::min(height, std::max(1, int(std::lround(kHeight / factor))));
    const int dstW = std::min(kWidth, std::max(1, int(std::lround(srcW * factor))));
    const int dstH = std::min(kHeight, std::max(1, int(std::lround(srcH * factor))));
    const cv::Mat src(height, width, CV_8UC1, const_cast<uint8_t *>(in));
    cv::Mat dst(kHeight, kWidth, CV_8UC1, frame);
    const cv::Rect from((width - srcW) / 2, (height - srcH) / 2, srcW, srcH);
    const cv::Rect to((kWidth - dstW) / 2, (kHeight - dstH) / 2, dstW, dstH);
    cv::Mat target = dst(to);
    cv::resize(src(from), target, to.size(), 0, 0, factor < 1.0 ? cv::INTER_AREA : cv::INTER_LINEAR);
}

}  // namespace indiframe
