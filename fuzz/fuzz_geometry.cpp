// The circle, rotation, pole and refraction routines on arbitrary doubles.
// Whatever comes in, a success carries finite results and a failure carries
// the documented out-values.
#include "fuzzinput.h"

#include "starmath/starmath.h"

namespace {

const double kSentinel = -12345.678;

void fuzzCircle(FuzzInput &in)
{
    double p[6];
    for (double &v : p)
        v = in.anyDouble();
    double cx = kSentinel, cy = kSentinel;
    int radius = -7;
    const int rc = starMath.CalcCircleCenter(p[0], p[1], p[2], p[3], p[4], p[5], &cx, &cy, &radius);
    FUZZ_CHECK(rc == 0 || rc == -1);
    if (rc != 0) {
        FUZZ_CHECK(cx == kSentinel && cy == kSentinel && radius == -7);
        return;
    }
    FUZZ_CHECK(std::isfinite(cx) && std::isfinite(cy));
    FUZZ_CHECK(radius >= 0);
}

void fuzzRotate(FuzzInput &in)
{
    const double angle = in.anyDouble();
    const double x = in.anyDouble(), y = in.anyDouble();
    const double cx = in.anyDouble(), cy = in.anyDouble();
    double ox = 0, oy = 0;
    starMath.RotatePoint(angle, x, y, cx, cy, &ox, &oy);
    // A sensible turn of a finite point about a nearby centre stays finite.
    if (std::fabs(angle) < 1e9 && std::fabs(x) < 1e12 && std::fabs(y) < 1e12 && std::fabs(cx) < 1e12
        && std::fabs(cy) < 1e12)
        FUZZ_CHECK(std::isfinite(ox) && std::isfinite(oy));
    starMath.RotatePoint(angle, x, y, cx, cy, nullptr, nullptr);
}

void fuzzPole(FuzzInput &in)
{
    const double ax = in.anyDouble(), ay = in.anyDouble(), angleA = in.anyDouble();
    const double bx = in.anyDouble(), by = in.anyDouble(), angleB = in.anyDouble();
    const double rx = in.anyDouble(), ry = in.anyDouble(), angleD = in.anyDouble();

    double px = kSentinel, py = kSentinel;
    int rc = starMath.CalcPoleCOOR(ax, ay, angleA, bx, by, angleB, &px, &py, rx, ry);
    FUZZ_CHECK(rc == 0 || rc == -1);
    if (rc != 0)
        FUZZ_CHECK(px == 0.0 && py == 0.0);
    else
        FUZZ_CHECK(std::isfinite(px) && std::isfinite(py));

    px = py = kSentinel;
    rc = starMath.CalcMaskPoleCOOR(ax, ay, angleA, bx, by, angleB, &px, &py, rx, ry, angleD);
    FUZZ_CHECK(rc == 0 || rc == -1);
    if (rc != 0)
        FUZZ_CHECK(px == 0.0 && py == 0.0);
    else
        FUZZ_CHECK(std::isfinite(px) && std::isfinite(py));

    // The choice is always one of the two candidates, unchanged.
    double sx = 0, sy = 0;
    starMath.SelectPoleByAngle(ax, ay, bx, by, rx, ry, angleA, angleB, angleD, &sx, &sy);
    FUZZ_CHECK((sameBits(sx, ax) && sameBits(sy, ay)) || (sameBits(sx, bx) && sameBits(sy, by)));
}

void fuzzRefraction(FuzzInput &in)
{
    const double y = in.anyDouble(), h = in.anyDouble();
    const double pressure = in.anyDouble(), temperature = in.anyDouble();
    double out = kSentinel;
    FUZZ_CHECK(starMath.CorrectRefraction(y, h, pressure, temperature, &out) == 0);
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
    switch (in.byte() % 4) {
    case 0:
        fuzzCircle(in);
        break;
    case 1:
        fuzzRotate(in);
        break;
    case 2:
        fuzzPole(in);
        break;
    default:
        fuzzRefraction(in);
        break;
    }
    return 0;
}
