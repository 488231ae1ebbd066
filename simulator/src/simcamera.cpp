// The simulated camera: the 17 library functions and the control API.
// Calls for INDI cameras (ids from the scan, their handles) go to indicamera.
// One mutex guards the state and is held only to read or change it; frames
// are rendered outside it, so the panel and SetTAVRINParam never wait for a frame.
#include "camera/tavrinapi.h"
#include "indicamera.h"
#include "mountpanel.h"
#include "renderer.h"
#include "skymodel.h"
#include "tavrinsim.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <sstream>

namespace tavrinsim {

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr double kSiderealDegPerMs = 360.98564736629 / 86400000.0;
constexpr double kZeroMagAduPerSec = 455000.0;  // at gain factor 1
constexpr size_t kMaxLogEntries = 20000;
constexpr size_t kMaxDebugLines = 20000;
const char *const kSerialId = "ORVANTA-SIM0001";
const char *const kForeignId = "GENERIC-SIM0001";
const char *const kLongId = "ORVANTA-SIM0001SERIAL0123456789ABCDEFGHIJKLMNOPQRSTUV";

double realNowMs()
{
    return double(std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count());
}

double wrap360(double a)
{
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

double wrap180(double a)
{
    a = wrap360(a);
    return a > 180.0 ? a - 360.0 : a;
}

struct State {
    bool resourceReady = false;
    bool open = false;
    bool initialised = false;
    bool live = false;
    bool gone = false;  // unplugged while streaming
    TAVRIN_HANDLE handle = 0;
    TAVRIN_HANDLE nextHandle = 0x7a510;
    // The camera's own start values.
    double exposureUs = 500000.0;
    double gain = 50.0;
    double speed = 1.0;
    double traffic = 40.0;
    int roiX = 0, roiY = 0, roiW = Renderer::kWidth, roiH = Renderer::kHeight;
    unsigned faults = 0;
    std::vector<std::string> decoys;
    std::vector<std::string> log;
    bool lastWasFrameCall = false;
    long long frameCalls = 0;
    std::vector<std::string> debug;
    bool pacing = true;
    SteadyClock::time_point nextFrame;
    MountParams mount;
    // Simulated clock: sim = baseSimMs + rate * (real elapsed since baseReal).
    double baseSimMs = realNowMs();
    SteadyClock::time_point baseReal = SteadyClock::now();
    double rate = 1.0;
    double trackAnchorMs = baseSimMs;
    PanelMode panelMode = PanelMode::Auto;
};

std::mutex &stateMutex()
{
    static std::mutex m;
    return m;
}

State &state()
{
    static State s;
    return s;
}

std::mt19937 &randomEngine()
{
    static std::mt19937 rng{std::random_device{}()};
    return rng;
}

bool has(const State &s, Fault f)
{
    return (s.faults & (1u << unsigned(f))) != 0;
}

double simNowMs(const State &s)
{
    const double elapsed = std::chrono::duration<double, std::milli>(SteadyClock::now() - s.baseReal).count();
    return s.baseSimMs + s.rate * elapsed;
}

// Brings a tracking axis up to the present.
void advance(State &s)
{
    const double now = simNowMs(s);
    if (s.mount.tracking) {
        const double sign = s.mount.hemisphere == Hemisphere::South ? -1.0 : 1.0;
        s.mount.raAngleDeg = wrap360(s.mount.raAngleDeg + sign * kSiderealDegPerMs * (now - s.trackAnchorMs));
    }
    s.trackAnchorMs = now;
}

void logCall(State &s, const char *name, const std::string &args = std::string())
{
    const bool frameCall = std::strcmp(name, "GetTAVRINLiveFrame") == 0;
    if (frameCall) {
        ++s.frameCalls;
        if (s.lastWasFrameCall)
            return;
    }
    s.lastWasFrameCall = frameCall;
    if (s.log.size() >= kMaxLogEntries)
        s.log.erase(s.log.begin(), s.log.begin() + kMaxLogEntries / 10);
    s.log.push_back(std::string(name) + "(" + args + ")");
}

std::string fmtArgs(std::initializer_list<double> values)
{
    std::ostringstream os;
    bool first = true;
    for (double v : values) {
        if (!first)
            os << ",";
        os << v;
        first = false;
    }
    return os.str();
}

bool validHandle(const State &s, TAVRIN_HANDLE h)
{
    return h != 0 && s.open && !s.gone && h == s.handle;
}

int cameraCount(const State &s)
{
    if (!s.resourceReady || has(s, Fault::NoCamera) || s.gone)
        return 0;
    return int(s.decoys.size()) + 1;
}

std::string currentId(const State &s)
{
    if (has(s, Fault::IdWithoutPrefix))
        return kForeignId;
    if (has(s, Fault::IdTooLong))
        return kLongId;
    return kSerialId;
}

double readoutFloorMs(const State &s)
{
    // Slower readout speeds and more reserved USB traffic lengthen the transfer.
    static const double base[3] = {90.0, 60.0, 40.0};
    const int speed = std::min(2, std::max(0, int(std::lround(s.speed))));
    return base[speed] + 0.1 * s.traffic;
}

double intervalMs(const State &s)
{
    return std::max(s.exposureUs / 1000.0, readoutFloorMs(s));
}

struct Snapshot {
    MountParams mount;
    double simMs = 0;
    double exposureUs = 0;
    double gain = 0;
};

Snapshot snapshot(State &s)
{
    advance(s);
    Snapshot snap;
    snap.mount = s.mount;
    snap.simMs = simNowMs(s);
    snap.exposureUs = s.exposureUs;
    snap.gain = s.gain;
    return snap;
}

sky::Geometry geometryOf(const Snapshot &snap)
{
    return sky::makeGeometry(snap.mount, snap.mount.raAngleDeg, sky::julianDateUtc(snap.simMs));
}

RenderInput renderInput(const Snapshot &snap)
{
    const sky::Geometry g = geometryOf(snap);
    const double gainFactor = std::pow(10.0, (snap.gain - 50.0) / 50.0);
    const double seconds = snap.exposureUs / 1e6;
    RenderInput in;
    in.fwhmPx = snap.mount.seeingFwhmPx;
    in.noise = snap.mount.noise;
    in.aduPerElectron = 0.5 * gainFactor;
    in.readNoiseAdu = 3.0 * in.aduPerElectron + 0.5;
    in.skyAdu = snap.mount.skyAduPerSecond * seconds * gainFactor;
    in.biasAdu = 8.0;
    in.hotScale = seconds * gainFactor;
    const sky::Catalogue cat = sky::catalogue(snap.mount.hemisphere);
    const double scale = kZeroMagAduPerSec * seconds * gainFactor;
    for (int i = 0; i < cat.count; ++i) {
        const sky::CatalogueStar &star = cat.stars[i];
        double x, y;
        const sky::Vec3 h = g.toHorizon(sky::apparentDirection(star, g.epoch), g.refraction);
        if (!g.project(h, &x, &y))
            continue;
        if (x < -60 || y < -60 || x > Renderer::kWidth + 60 || y > Renderer::kHeight + 60)
            continue;
        in.stars.push_back({x, y, scale * std::pow(10.0, -0.4 * star.vmag)});
    }
    return in;
}

// Renders a full sensor frame; one renderer, one caller at a time.
double renderFull(const Snapshot &snap, unsigned char *out)
{
    static std::mutex renderMutex;
    const auto t0 = SteadyClock::now();
    const RenderInput in = renderInput(snap);
    std::lock_guard<std::mutex> lock(renderMutex);
    static Renderer renderer;
    renderer.render(in, out);
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - t0).count();
}

}  // namespace

// ---- control API -------------------------------------------------------

MountParams mountParams()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    advance(s);
    return s.mount;
}

void setMountParams(const MountParams &params)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    advance(s);
    MountParams p = params;
    p.latitudeDeg = p.hemisphere == Hemisphere::South ? -std::fabs(p.latitudeDeg) : std::fabs(p.latitudeDeg);
    p.raAngleDeg = wrap360(p.raAngleDeg);
    p.seeingFwhmPx = std::max(0.5, p.seeingFwhmPx);
    p.skyAduPerSecond = std::max(0.0, p.skyAduPerSecond);
    if (!(p.arcsecPerPixel > 0.1))
        p.arcsecPerPixel = 0.1;
    s.mount = p;
}

void turnRaAxis(double deltaDeg)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    advance(s);
    s.mount.raAngleDeg = wrap360(s.mount.raAngleDeg + deltaDeg);
}

void moveBolts(double deltaAltArcmin, double deltaAzArcmin)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    s.mount.altErrorArcmin += deltaAltArcmin;
    s.mount.azErrorArcmin += deltaAzArcmin;
}

void newMisalignment()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    std::uniform_real_distribution<double> size(30.0, 180.0), direction(0.0, 2.0 * sky::kPi);
    const double total = size(randomEngine()), dir = direction(randomEngine());
    // An azimuth turn moves the axis by the turn times cos(altitude) on the sky.
    const double cosAlt = std::max(0.2, std::cos(std::fabs(s.mount.latitudeDeg) * sky::kDeg));
    s.mount.altErrorArcmin = total * std::cos(dir);
    s.mount.azErrorArcmin = total * std::sin(dir) / cosAlt;
}

void setDateTime(const QDateTime &utc)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    advance(s);
    s.baseSimMs = double(utc.toMSecsSinceEpoch());
    s.baseReal = SteadyClock::now();
    s.trackAnchorMs = s.baseSimMs;
}

QDateTime dateTime()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(simNowMs(state()))), Qt::UTC);
}

void setClockRate(double rate)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    advance(s);
    s.baseSimMs = simNowMs(s);
    s.baseReal = SteadyClock::now();
    s.rate = std::max(0.0, rate);
}

double clockRate()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return state().rate;
}

Truth truth()
{
    Snapshot snap;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        snap = snapshot(state());
    }
    const sky::Geometry g = geometryOf(snap);
    Truth t;
    g.project(g.pole, &t.poleX, &t.poleY);
    if (g.refraction)
        g.project(g.refract(g.pole), &t.refractedPoleX, &t.refractedPoleY);
    else {
        t.refractedPoleX = t.poleX;
        t.refractedPoleY = t.poleY;
    }
    g.project(g.axis, &t.axisX, &t.axisY);
    double altAxis, azAxis, altPole, azPole;
    sky::altAz(g.axis, &altAxis, &azAxis);
    sky::altAz(g.pole, &altPole, &azPole);
    t.altErrorArcmin = (altAxis - altPole) * 60.0;
    t.azErrorArcmin = wrap180(azAxis - azPole) * 60.0;
    t.totalErrorArcmin = sky::angleBetween(g.axis, g.pole) / sky::kDeg * 60.0;
    t.raAngleDeg = snap.mount.raAngleDeg;
    t.dateTime = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(snap.simMs)), Qt::UTC);
    return t;
}

bool starPosition(int hip, double *x, double *y)
{
    if (hip <= 0 || !x || !y)
        return false;
    Snapshot snap;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        snap = snapshot(state());
    }
    const sky::Catalogue cat = sky::catalogue(snap.mount.hemisphere);
    for (int i = 0; i < cat.count; ++i) {
        if (cat.stars[i].hip != hip)
            continue;
        const sky::Geometry g = geometryOf(snap);
        const sky::Vec3 h = g.toHorizon(sky::apparentDirection(cat.stars[i], g.epoch), g.refraction);
        return g.project(h, x, y);
    }
    return false;
}

std::string cameraId()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return currentId(state());
}

void setDecoyIds(const std::vector<std::string> &ids)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    state().decoys = ids;
}

double renderFrame(unsigned char *buffer)
{
    if (!buffer)
        return 0;
    Snapshot snap;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        snap = snapshot(state());
    }
    return renderFull(snap, buffer);
}

void setFramePacing(bool on)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    state().pacing = on;
}

double frameIntervalMs()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return intervalMs(state());
}

void setFault(Fault fault, bool on)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    const unsigned bit = 1u << unsigned(fault);
    s.faults = on ? (s.faults | bit) : (s.faults & ~bit);
    // Clearing the fault plugs the camera back in; it must be opened again.
    if (fault == Fault::CameraDisappears && !on && s.gone) {
        s.gone = false;
        s.open = s.initialised = s.live = false;
        s.handle = 0;
    }
}

bool hasFault(Fault fault)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return has(state(), fault);
}

void clearFaults()
{
    for (int f = int(Fault::InitResourceFails); f <= int(Fault::CloseFails); ++f)
        setFault(Fault(f), false);
}

std::vector<std::string> callLog()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return state().log;
}

std::vector<std::string> callNames()
{
    std::vector<std::string> names = callLog();
    for (std::string &n : names)
        n = n.substr(0, n.find('('));
    return names;
}

void clearCallLog()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    s.log.clear();
    s.lastWasFrameCall = false;
    s.frameCalls = 0;
}

long long liveFrameCalls()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return state().frameCalls;
}

std::vector<std::string> debugLines()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return state().debug;
}

void setPanelMode(PanelMode mode)
{
    bool close = false, open = false;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        s.panelMode = mode;
        close = mode == PanelMode::Never;
        open = s.open && !s.gone;
    }
    if (close)
        panel::cameraClosed();
    else if (open)
        panel::cameraOpened(mode);
}

bool panelVisible()
{
    return panel::visible();
}

void reset()
{
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        state() = State();
    }
    panel::cameraClosed();
}

}  // namespace tavrinsim

// ---- the 17 library functions ------------------------------------------

using namespace tavrinsim;

extern "C" {

TAVRIN_API int TAVRIN_CALL InitTAVRINResource(void)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "InitTAVRINResource");
    if (has(s, Fault::InitResourceFails))
        return -1;
    s.resourceReady = true;
    return 0;
}

TAVRIN_API int TAVRIN_CALL ScanTAVRIN(void)
{
    bool ready;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        logCall(s, "ScanTAVRIN");
        ready = s.resourceReady;
    }
    // The INDI cameras first, then ours; the INDI scan may take seconds, outside the lock.
    const int indi = ready ? indicam::scan() : 0;
    std::lock_guard<std::mutex> lock(stateMutex());
    return indi + cameraCount(state());
}

TAVRIN_API int TAVRIN_CALL GetTAVRINId(int index, char *id)
{
    const int indi = indicam::scannedCount();
    if (index >= 0 && index < indi)
        return indicam::cameraId(index, id) ? 0 : -1;
    index -= indi;
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "GetTAVRINId", fmtArgs({double(index)}));
    if (!id || index < 0 || index >= cameraCount(s) || has(s, Fault::GetIdFails))
        return -1;
    const bool ours = size_t(index) == s.decoys.size();
    const std::string text = ours ? currentId(s) : s.decoys[size_t(index)];
    if (ours && has(s, Fault::IdTooLong)) {
        // A misbehaving library: the whole buffer, and no terminating NUL.
        std::memcpy(id, text.data(), TAVRIN_ID_SIZE);
        return 0;
    }
    const size_t n = std::min(text.size(), size_t(TAVRIN_ID_SIZE - 1));
    std::memcpy(id, text.data(), n);
    id[n] = '\0';
    return 0;
}

TAVRIN_API TAVRIN_HANDLE TAVRIN_CALL OpenTAVRIN(char *id)
{
    if (const TAVRIN_HANDLE indi = indicam::open(id))
        return indi;
    PanelMode mode;
    TAVRIN_HANDLE handle = 0;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        // Ids are handed out in 38-byte buffers: never read past one.
        const std::string given = id ? std::string(id, strnlen(id, TAVRIN_ID_SIZE)) : std::string();
        logCall(s, "OpenTAVRIN", given);
        if (!id || cameraCount(s) == 0 || has(s, Fault::OpenFails) || s.open)
            return 0;
        const std::string mine = currentId(s);
        // A careful caller keeps a cut-down copy of an over-long id.
        const bool match = given == mine
                           || (has(s, Fault::IdTooLong) && given.size() >= 15 && mine.compare(0, given.size(), given) == 0);
        if (!match)
            return 0;
        s.open = true;
        s.initialised = false;
        s.live = false;
        s.handle = s.nextHandle++;
        s.roiX = s.roiY = 0;
        s.roiW = Renderer::kWidth;
        s.roiH = Renderer::kHeight;
        mode = s.panelMode;
        handle = s.handle;
    }
    panel::cameraOpened(mode);
    return handle;
}

TAVRIN_API int TAVRIN_CALL SetTAVRINReadMode(TAVRIN_HANDLE h, int mode)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINReadMode", fmtArgs({double(mode)}));
    if (!validHandle(s, h) || has(s, Fault::ReadModeFails))
        return -1;
    return 0;
}

TAVRIN_API int TAVRIN_CALL SetTAVRINStreamMode(TAVRIN_HANDLE h, unsigned char mode)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINStreamMode", fmtArgs({double(mode)}));
    if (!validHandle(s, h) || mode > 1)
        return -1;
    if (has(s, Fault::StreamModeFails))
        return 1;
    return 0;
}

TAVRIN_API int TAVRIN_CALL InitTAVRIN(TAVRIN_HANDLE h)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "InitTAVRIN");
    if (!validHandle(s, h) || has(s, Fault::InitFails))
        return -1;
    s.initialised = true;
    return 0;
}

TAVRIN_API int TAVRIN_CALL SetTAVRINBitsMode(TAVRIN_HANDLE h, int bits)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINBitsMode", fmtArgs({double(bits)}));
    return validHandle(s, h) && bits == 8 ? 0 : -1;
}

TAVRIN_API int TAVRIN_CALL SetTAVRINBinMode(TAVRIN_HANDLE h, int binX, int binY)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINBinMode", fmtArgs({double(binX), double(binY)}));
    return validHandle(s, h) && binX == 1 && binY == 1 ? 0 : -1;
}

TAVRIN_API int TAVRIN_CALL SetTAVRINResolution(TAVRIN_HANDLE h, int startX, int startY, int width, int height)
{
    if (indicam::owns(h))
        return 0;  // set up when opened; frames always come as 8-bit 1280 x 960
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINResolution",
            fmtArgs({double(startX), double(startY), double(width), double(height)}));
    if (!validHandle(s, h) || startX < 0 || startY < 0 || width <= 0 || height <= 0
        || startX + width > Renderer::kWidth || startY + height > Renderer::kHeight)
        return -1;
    s.roiX = startX;
    s.roiY = startY;
    s.roiW = width;
    s.roiH = height;
    return 0;
}

TAVRIN_API double TAVRIN_CALL GetTAVRINParam(TAVRIN_HANDLE h, int controlId)
{
    if (indicam::owns(h))
        return indicam::param(h, controlId);
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "GetTAVRINParam", fmtArgs({double(controlId)}));
    if (!validHandle(s, h))
        return -1.0;
    switch (controlId) {
    case TAVRIN_CONTROL_GAIN: return s.gain;
    case TAVRIN_CONTROL_EXPOSURE: return s.exposureUs;
    case TAVRIN_CONTROL_SPEED: return s.speed;
    case TAVRIN_CONTROL_TRAFFIC: return s.traffic;
    default: return -1.0;
    }
}

TAVRIN_API int TAVRIN_CALL SetTAVRINParam(TAVRIN_HANDLE h, int controlId, double value)
{
    if (indicam::owns(h))
        return indicam::setParam(h, controlId, value);
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "SetTAVRINParam", fmtArgs({double(controlId), value}));
    if (!validHandle(s, h) || !std::isfinite(value))
        return -1;
    switch (controlId) {
    case TAVRIN_CONTROL_GAIN: s.gain = std::min(100.0, std::max(0.0, value)); break;
    case TAVRIN_CONTROL_EXPOSURE: s.exposureUs = std::min(60e6, std::max(32.0, value)); break;
    case TAVRIN_CONTROL_SPEED: s.speed = std::min(2.0, std::max(0.0, std::round(value))); break;
    case TAVRIN_CONTROL_TRAFFIC: s.traffic = std::min(255.0, std::max(0.0, std::round(value))); break;
    default: return -1;
    }
    // A new exposure or readout setting starts a fresh frame.
    if (s.live && controlId != TAVRIN_CONTROL_GAIN)
        s.nextFrame = SteadyClock::now()
                      + std::chrono::microseconds(static_cast<long long>(intervalMs(s) * 1000.0));
    return 0;
}

TAVRIN_API int TAVRIN_CALL BeginTAVRINLive(TAVRIN_HANDLE h)
{
    if (indicam::owns(h))
        return indicam::beginLive(h);
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "BeginTAVRINLive");
    if (!validHandle(s, h) || !s.initialised || has(s, Fault::BeginLiveFails))
        return -1;
    s.live = true;
    s.nextFrame = SteadyClock::now() + std::chrono::microseconds(static_cast<long long>(intervalMs(s) * 1000.0));
    return 0;
}

TAVRIN_API int TAVRIN_CALL GetTAVRINLiveFrame(TAVRIN_HANDLE h, uint32_t *width, uint32_t *height, uint32_t *bpp,
                                              uint32_t *channels, unsigned char *buffer)
{
    if (indicam::owns(h))
        return indicam::liveFrame(h, width, height, bpp, channels, buffer);
    Snapshot snap;
    int roiX, roiY, roiW, roiH;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        logCall(s, "GetTAVRINLiveFrame");
        if (!validHandle(s, h) || !s.live || !buffer || !width || !height || !bpp || !channels)
            return -1;
        if (has(s, Fault::CameraDisappears)) {
            s.gone = true;
            s.live = false;
            return -1;
        }
        if (has(s, Fault::NoMoreFrames))
            return 1;
        const auto now = SteadyClock::now();
        if (s.pacing) {
            if (now < s.nextFrame)
                return 1;
            // Frames not fetched in time are lost, as on the real sensor.
            const auto step = std::chrono::microseconds(static_cast<long long>(intervalMs(s) * 1000.0));
            while (s.nextFrame <= now)
                s.nextFrame += step;
        }
        snap = snapshot(s);
        roiX = s.roiX;
        roiY = s.roiY;
        roiW = s.roiW;
        roiH = s.roiH;
        if (has(s, Fault::WrongFrameSize)) {
            roiX = 320;
            roiY = 240;
            roiW = 640;
            roiH = 480;
        }
    }
    thread_local std::vector<unsigned char> full(size_t(Renderer::kWidth) * Renderer::kHeight);
    renderFull(snap, full.data());
    for (int y = 0; y < roiH; ++y)
        std::memcpy(buffer + size_t(y) * size_t(roiW), full.data() + size_t(roiY + y) * Renderer::kWidth + roiX,
                    size_t(roiW));
    *width = uint32_t(roiW);
    *height = uint32_t(roiH);
    *bpp = 8;
    *channels = 1;
    return 0;
}

TAVRIN_API int TAVRIN_CALL StopTAVRINLive(TAVRIN_HANDLE h)
{
    if (indicam::owns(h))
        return indicam::stopLive(h);
    std::lock_guard<std::mutex> lock(stateMutex());
    State &s = state();
    logCall(s, "StopTAVRINLive");
    if (!validHandle(s, h))
        return -1;
    s.live = false;
    return 0;
}

TAVRIN_API int TAVRIN_CALL CloseTAVRIN(TAVRIN_HANDLE h)
{
    if (indicam::owns(h))
        return indicam::close(h);
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        logCall(s, "CloseTAVRIN");
        const bool releaseGone = s.gone && s.open && h == s.handle && h != 0;
        if (!releaseGone) {
            if (!validHandle(s, h) || has(s, Fault::CloseFails))
                return -1;
        }
        s.open = s.initialised = s.live = false;
        s.handle = 0;
    }
    panel::cameraClosed();
    return 0;
}

TAVRIN_API void TAVRIN_CALL OutputTAVRINDebug(const char *text)
{
    if (!text)
        return;
    const std::string line(text, strnlen(text, 4095));
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        State &s = state();
        logCall(s, "OutputTAVRINDebug");
        if (s.debug.size() >= kMaxDebugLines)
            s.debug.erase(s.debug.begin(), s.debug.begin() + kMaxDebugLines / 10);
        s.debug.push_back(line);
    }
}

}  // extern "C"
