// Reading typed values out of a fuzzer's byte string, and the small helpers
// every target shares.
#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <QString>
#include <QtGlobal>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : data(data), size(size) {}

    std::size_t remaining() const { return size - pos; }
    const std::uint8_t *rest() const { return data + pos; }

    std::uint8_t byte()
    {
        return pos < size ? data[pos++] : 0;
    }

    std::uint16_t u16()
    {
        return std::uint16_t(byte() | (byte() << 8));
    }

    // Any bit pattern: NaN, infinities, subnormals and huge values included.
    double rawDouble()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= std::uint64_t(byte()) << (8 * i);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A selector byte chooses between a raw double and a value on a 1/64 pixel
    // grid within +-512, so the fuzzer reaches both the odd values and the
    // ordinary ones.
    double anyDouble()
    {
        const std::uint8_t kind = byte();
        if (kind & 1)
            return rawDouble();
        return std::int16_t(u16()) / 64.0;
    }

private:
    const std::uint8_t *data;
    std::size_t size;
    std::size_t pos = 0;
};

// The routines log their failures; thousands of lines a second would only slow
// the run down.
inline void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// A broken promise: report it and abort, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                   \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

inline bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

#endif
