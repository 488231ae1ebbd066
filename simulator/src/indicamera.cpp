// INDI cameras: a client of one INDI server, its CCD devices listed by the
// scan, one of them open at a time and exposing in a loop.
//
// Threads: the client's listener thread runs the callbacks; the program's GUI
// thread scans, opens, closes and sets controls; its capture thread fetches
// frames. One mutex guards the shared state and is held only to copy or change
// it, never across a call into the client (which may call back). A frame's
// blob is valid only inside its callback, so the callback copies it under the
// mutex and the capture thread decodes the copy.
#include "indicamera.h"

#include "camera/tavrinoption.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include <QtGlobal>

#ifdef TAVRIN_WITH_INDI
#include "indiframe.h"

#include <baseclient.h>
#include <basedevice.h>
#include <indipropertyblob.h>
#include <indipropertynumber.h>
#include <indipropertyswitch.h>
#include <indipropertytext.h>

#include <atomic>
#include <csignal>
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <utility>
#include <vector>
#endif

namespace indicam {
namespace {

struct Config {
    std::string host = "localhost";
    int port = 7624;
    double focalMm = 0;
    double plateScale = 30.5;
    std::string preferred;
    std::string status = "off";
};

std::mutex &configMutex()
{
    static std::mutex m;
    return m;
}

Config &config()
{
    static Config c;
    return c;
}

bool parseServer(const std::string &text, std::string *host, int *port)
{
    if (text.empty()) {
        host->clear();
        *port = 0;
        return true;
    }
    const size_t colon = text.rfind(':');
    std::string h = colon == std::string::npos ? text : text.substr(0, colon);
    int p = 7624;
    if (colon != std::string::npos) {
        char *end = nullptr;
        const long v = std::strtol(text.c_str() + colon + 1, &end, 10);
        if (end == text.c_str() + colon + 1 || *end != '\0' || v < 1 || v > 65535)
            return false;
        p = int(v);
    }
    if (h.empty() || h.find_first_of(" \t\r\n") != std::string::npos)
        return false;
    *host = h;
    *port = p;
    return true;
}

bool parsePositive(const char *text, double lo, double hi, double *out)
{
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(v >= lo && v <= hi))
        return false;
    *out = v;
    return true;
}

void writeReply(const std::string &text, char *reply, int replySize)
{
    if (!reply || replySize < 1)
        return;
    const size_t n = std::min(text.size(), size_t(replySize - 1));
    std::memcpy(reply, text.data(), n);
    reply[n] = '\0';
}

std::string number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace

std::string cameraField();  // the open camera's field, "" when none
std::string scannedIds();   // ids of the last scan, one a line

int option(const char *key, const char *value, char *reply, int replySize)
{
    if (!key)
        return -1;
    const std::string k = key;
    std::string current;
    int result = 0;
    if (k == "field" || k == "cameras") {
        if (value)
            return -1;
        current = k == "field" ? cameraField() : scannedIds();
    } else {
        std::lock_guard<std::mutex> lock(configMutex());
        Config &c = config();
        if (k == "server") {
            if (value && !parseServer(value, &c.host, &c.port))
                result = -1;
            current = c.host.empty() ? std::string() : c.host + ":" + std::to_string(c.port);
        } else if (k == "focal_length") {
            if (value && !parsePositive(value, 0.0, 100000.0, &c.focalMm))
                result = -1;
            current = number(c.focalMm);
        } else if (k == "plate_scale") {
            if (value && !parsePositive(value, 0.01, 10000.0, &c.plateScale))
                result = -1;
            current = number(c.plateScale);
        } else if (k == "camera") {
            if (value)
                c.preferred = value;
            current = c.preferred;
        } else if (k == "server_status") {
            if (value)
                return -1;
#ifdef TAVRIN_WITH_INDI
            current = c.host.empty() ? "off" : c.status;
#else
            current = "unsupported";
#endif
        } else {
            return -1;
        }
    }
    writeReply(current, reply, replySize);
    return result;
}

}  // namespace indicam

extern "C" TAVRIN_API int TAVRIN_CALL TAVRINOption(const char *key, const char *value, char *reply, int replySize)
{
    return indicam::option(key, value, reply, replySize);
}

#ifndef TAVRIN_WITH_INDI

namespace indicam {
std::string cameraField() { return std::string(); }
std::string scannedIds() { return std::string(); }
int scan() { return 0; }
int scannedCount() { return 0; }
bool cameraId(int, char *) { return false; }
TAVRIN_HANDLE open(const char *) { return 0; }
bool owns(TAVRIN_HANDLE) { return false; }
int beginLive(TAVRIN_HANDLE) { return -1; }
int liveFrame(TAVRIN_HANDLE, uint32_t *, uint32_t *, uint32_t *, uint32_t *, unsigned char *) { return -1; }
int stopLive(TAVRIN_HANDLE) { return -1; }
int close(TAVRIN_HANDLE) { return -1; }
double param(TAVRIN_HANDLE, int) { return -1.0; }
int setParam(TAVRIN_HANDLE, int, double) { return -1; }
}  // namespace indicam

#else

namespace indicam {
namespace {

using Clock = std::chrono::steady_clock;

constexpr TAVRIN_HANDLE kFirstHandle = 0x1d1000000;
constexpr double kPollingMs = 20;
constexpr double kArcsecPerRadianOverMicron = 206.264806;  // arcsec per pixel = this * pixel um / focal mm

// What a device has told about itself; kept for every device, since a driver
// announces its properties long before the camera is opened.
struct Device {
    int interfaces = -1;  // DRIVER_INTERFACE; -1 until known
    bool connected = false;
    std::set<std::string> properties;
    double pixelX = 0, pixelY = 0;
    int sensorW = 0, sensorH = 0;
    int binX = 1, binY = 1;
    bool hasGain = false;
    double gainMin = 0, gainMax = 100, gainValue = 0;
    double exposureMin = 0, exposureMax = 0;  // seconds; max 0 = not known
    double pollingMs = 0;
};

// The open camera; every field guarded by the state mutex.
struct Camera {
    std::string device;
    TAVRIN_HANDLE handle = 0;
    bool live = false;
    bool gone = false;
    double exposureUs = 100000;
    double gainPercent = 50;
    double speed = 0, traffic = 0;
    Clock::time_point requested;
    std::vector<unsigned char> blob;
    std::string format;
    unsigned long long blobSeq = 0, deliveredSeq = 0;
    bool resetStretch = true;
    bool formatLogged = false;
};

// A write to a server that has just gone raises SIGPIPE, which would end the
// whole program before the listener thread notices the closed connection.
// Blocked in this thread for the call, and dropped if the write raised it.
class NoSigPipe
{
public:
    NoSigPipe()
    {
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe, &old);
    }
    ~NoSigPipe()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec zero{0, 0};
            sigtimedwait(&pipe, nullptr, &zero);
        }
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
    }
    NoSigPipe(const NoSigPipe &) = delete;
    NoSigPipe &operator=(const NoSigPipe &) = delete;

private:
    sigset_t pipe, old;
    bool wasPending = false;
};

std::mutex &stateMutex()
{
    static std::mutex m;
    return m;
}

class Client : public INDI::BaseClient
{
public:
    ~Client() override
    {
        closing = true;
        if (isServerConnected())
            disconnectServer();
    }

    std::map<std::string, Device> devices;  // guarded by stateMutex
    Clock::time_point lastEvent = Clock::now();
    bool lost = false;
    std::unique_ptr<Camera> camera;

    // Serialises what goes out on the socket: the listener thread starts exposures.
    void sendNumber(const std::string &device, const char *property, const char *element, double value)
    {
        INDI::PropertyNumber p(1);
        p.getNumber()->setDeviceName(device);
        p.setName(property);
        p[0].setName(element);
        p[0].setValue(value);
        std::lock_guard<std::mutex> lock(sendMutex);
        NoSigPipe quiet;
        sendNewNumber(p);
    }

    void sendSwitch(const std::string &device, const char *property, const char *element)
    {
        INDI::PropertySwitch p(1);
        p.getSwitch()->setDeviceName(device);
        p.setName(property);
        p[0].setName(element);
        p[0].setState(ISS_ON);
        std::lock_guard<std::mutex> lock(sendMutex);
        NoSigPipe quiet;
        sendNewSwitch(p);
    }

    void startExposure(const std::string &device, double exposureUs)
    {
        double seconds = exposureUs / 1e6;
        {
            // A driver refuses an exposure outside its range and sends no frame.
            std::lock_guard<std::mutex> lock(stateMutex());
            const Device &d = devices[device];
            if (d.exposureMax > d.exposureMin)
                seconds = std::min(d.exposureMax, std::max(d.exposureMin, seconds));
        }
        sendNumber(device, "CCD_EXPOSURE", "CCD_EXPOSURE_VALUE", seconds);
    }

protected:
    void newDevice(INDI::BaseDevice device) override
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        devices[device.getDeviceName()];
        lastEvent = Clock::now();
    }

    void removeDevice(INDI::BaseDevice device) override
    {
        const std::string name = device.getDeviceName();
        bool lostCamera = false;
        {
            std::lock_guard<std::mutex> lock(stateMutex());
            devices.erase(name);
            if (camera && camera->device == name && !camera->gone) {
                camera->gone = true;
                lostCamera = true;
            }
        }
        if (lostCamera)
            qCritical("INDI camera %s disappeared", name.c_str());
    }

    void newProperty(INDI::Property property) override { handle(property); }
    void updateProperty(INDI::Property property) override { handle(property); }

    void newMessage(INDI::BaseDevice device, int messageID) override
    {
        const std::string text = device.messageQueue(size_t(messageID));
        if (text.find("[ERROR]") != std::string::npos)
            qCritical("INDI %s: %s", device.getDeviceName(), text.c_str());
        else if (text.find("[WARNING]") != std::string::npos)
            qInfo("INDI %s: %s", device.getDeviceName(), text.c_str());
    }

    void serverConnected() override { wasConnected = true; }

    void serverDisconnected(int) override
    {
        // A connection that never came up is reported by the scan instead.
        if (closing || !wasConnected)
            return;
        bool lostCamera = false;
        {
            std::lock_guard<std::mutex> lock(stateMutex());
            lost = true;
            if (camera && !camera->gone) {
                camera->gone = true;
                lostCamera = true;
            }
        }
        qCritical("INDI server %s:%d closed the connection%s", getHost(), getPort(),
                  lostCamera ? "; the camera is gone" : "");
    }

private:
    std::mutex sendMutex;
    std::atomic<bool> closing{false};
    std::atomic<bool> wasConnected{false};

    void handle(INDI::Property property)
    {
        const std::string device = property.getDeviceName();
        const std::string name = property.getName();
        bool nextExposure = false;
        double exposureUs = 0;
        {
            std::lock_guard<std::mutex> lock(stateMutex());
            lastEvent = Clock::now();
            Device &d = devices[device];
            if (name == "DRIVER_INFO" && property.getType() == INDI_TEXT) {
                INDI::PropertyText text(property);
                if (auto *w = text.findWidgetByName("DRIVER_INTERFACE"))
                    d.interfaces = std::atoi(w->getText() ? w->getText() : "0");
            } else if (name == "CONNECTION" && property.getType() == INDI_SWITCH) {
                INDI::PropertySwitch sw(property);
                auto *w = sw.findWidgetByName("CONNECT");
                d.connected = w && w->getState() == ISS_ON;
            }
            d.properties.insert(name);
            if (name == "CCD_INFO" && property.getType() == INDI_NUMBER) {
                INDI::PropertyNumber n(property);
                auto value = [&](const char *e, double fallback) {
                    auto *w = n.findWidgetByName(e);
                    return w ? w->getValue() : fallback;
                };
                const double pixel = value("CCD_PIXEL_SIZE", 0);
                d.pixelX = value("CCD_PIXEL_SIZE_X", pixel);
                d.pixelY = value("CCD_PIXEL_SIZE_Y", pixel);
                d.sensorW = int(value("CCD_MAX_X", 0));
                d.sensorH = int(value("CCD_MAX_Y", 0));
            } else if (name == "CCD_EXPOSURE" && property.getType() == INDI_NUMBER) {
                INDI::PropertyNumber n(property);
                if (auto *w = n.findWidgetByName("CCD_EXPOSURE_VALUE")) {
                    d.exposureMin = w->getMin();
                    d.exposureMax = w->getMax();
                }
            } else if (name == "POLLING_PERIOD" && property.getType() == INDI_NUMBER) {
                INDI::PropertyNumber n(property);
                if (auto *w = n.findWidgetByName("PERIOD_MS"))
                    d.pollingMs = w->getValue();
            } else if (name == "CCD_BINNING" && property.getType() == INDI_NUMBER) {
                INDI::PropertyNumber n(property);
                if (auto *w = n.findWidgetByName("HOR_BIN"))
                    d.binX = std::max(1, int(w->getValue()));
                if (auto *w = n.findWidgetByName("VER_BIN"))
                    d.binY = std::max(1, int(w->getValue()));
            } else if (name == "CCD_GAIN" && property.getType() == INDI_NUMBER) {
                INDI::PropertyNumber n(property);
                if (auto *w = n.findWidgetByName("GAIN")) {
                    d.hasGain = true;
                    d.gainMin = w->getMin();
                    d.gainMax = w->getMax();
                    d.gainValue = w->getValue();
                }
            } else if (name == "CCD1" && property.getType() == INDI_BLOB) {
                Camera *cam = camera.get();
                INDI::PropertyBlob b(property);
                if (!cam || cam->device != device || b.size() < 1 || !cam->live)
                    return;
                const auto &w = b[0];
                const auto *data = static_cast<const unsigned char *>(w.getBlob());
                const int size = w.getBlobLen();
                if (!data || size <= 0)
                    return;
                cam->blob.assign(data, data + size);
                cam->format = w.getFormat() ? w.getFormat() : "";
                ++cam->blobSeq;
                // The camera exposes again while the program works on this frame.
                nextExposure = true;
                exposureUs = cam->exposureUs;
                cam->requested = Clock::now();
            }
        }
        if (nextExposure)
            startExposure(device, exposureUs);
    }
};

struct Ids {
    std::vector<std::pair<std::string, std::string>> list;  // id, device name
};

std::shared_ptr<Client> &currentClient()  // guarded by stateMutex
{
    static std::shared_ptr<Client> c;
    return c;
}

std::shared_ptr<Client> &cameraClient()  // the client of the open camera
{
    static std::shared_ptr<Client> c;
    return c;
}

Ids &lastScan()
{
    static Ids ids;
    return ids;
}

TAVRIN_HANDLE &nextHandle()
{
    static TAVRIN_HANDLE h = kFirstHandle;
    return h;
}

std::string idFor(const std::string &device)
{
    // The program takes "ORVANTA-" and a serial without hyphens.
    std::string serial;
    for (char c : device)
        serial += (c == '-' || static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '_' : c;
    return ("ORVANTA-" + serial).substr(0, TAVRIN_ID_SIZE - 1);
}

// The client of an open camera with this handle, or null.
std::shared_ptr<Client> clientOf(TAVRIN_HANDLE h)
{
    std::shared_ptr<Client> c = cameraClient();
    if (h == 0 || !c || !c->camera || c->camera->handle != h)
        return nullptr;
    return c;
}

void setStatus(const char *status)
{
    std::lock_guard<std::mutex> lock(configMutex());
    config().status = status;
}

template <typename Ready>
bool waitFor(double seconds, Ready ready)
{
    const auto end = Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(stateMutex());
            if (ready())
                return true;
        }
        if (Clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

std::string cameraField()
{
    double focal;
    {
        std::lock_guard<std::mutex> lock(configMutex());
        focal = config().focalMm;
    }
    std::lock_guard<std::mutex> lock(stateMutex());
    const std::shared_ptr<Client> c = cameraClient();
    if (!c || !c->camera)
        return std::string();
    const Device &cam = c->devices[c->camera->device];
    if (!(focal > 0) || !(cam.pixelX > 0) || cam.sensorW < 1)
        return "0 0";
    const double perPixelDeg = kArcsecPerRadianOverMicron / focal / 3600.0;
    return number(cam.sensorW * cam.pixelX * perPixelDeg) + " " + number(cam.sensorH * cam.pixelY * perPixelDeg);
}

int scan()
{
    std::string host;
    int port;
    std::string preferred;
    {
        std::lock_guard<std::mutex> lock(configMutex());
        host = config().host;
        port = config().port;
        preferred = config().preferred;
    }
    std::shared_ptr<Client> client;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        lastScan().list.clear();
        client = currentClient();
        // A new server, or one that went away, needs a new client.
        if (client && (client->lost || client->getHost() != host || client->getPort() != port)) {
            currentClient().reset();
            client.reset();
        }
    }
    if (host.empty()) {
        setStatus("off");
        return 0;
    }
    if (!client || !client->isServerConnected()) {
        client = std::make_shared<Client>();
        client->setServer(host.c_str(), unsigned(port));
        client->setConnectionTimeout(2, 0);
        NoSigPipe quiet;
        if (!client->connectServer()) {
            qInfo("INDI server %s:%d not reachable; only the simulated camera is listed", host.c_str(), port);
            setStatus("unreachable");
            return 0;
        }
        std::lock_guard<std::mutex> lock(stateMutex());
        client->lastEvent = Clock::now();
        currentClient() = client;
    }
    setStatus("connected");
    // The server announces its devices in no fixed time: wait until it has been
    // quiet for a moment, or give up on a silent one.
    const auto start = Clock::now();
    waitFor(3.0, [&] {
        const auto now = Clock::now();
        if (client->devices.empty())
            return now - start > std::chrono::milliseconds(1500);
        return now - client->lastEvent > std::chrono::milliseconds(300);
    });
    std::lock_guard<std::mutex> lock(stateMutex());
    Ids &ids = lastScan();
    for (const auto &entry : client->devices) {
        if (entry.second.interfaces < 0 || !(entry.second.interfaces & INDI::BaseDevice::CCD_INTERFACE))
            continue;
        const std::string id = idFor(entry.first);
        if (id == preferred)
            ids.list.insert(ids.list.begin(), {id, entry.first});
        else
            ids.list.push_back({id, entry.first});
    }
    return int(ids.list.size());
}

std::string scannedIds()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    std::string text;
    for (const auto &entry : lastScan().list)
        text += (text.empty() ? "" : "\n") + entry.first;
    return text;
}

int scannedCount()
{
    std::lock_guard<std::mutex> lock(stateMutex());
    return int(lastScan().list.size());
}

bool cameraId(int index, char *id)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    const Ids &ids = lastScan();
    if (!id || index < 0 || size_t(index) >= ids.list.size())
        return false;
    const std::string &text = ids.list[size_t(index)].first;
    std::memcpy(id, text.c_str(), text.size() + 1);
    return true;
}

TAVRIN_HANDLE open(const char *id)
{
    if (!id)
        return 0;
    const std::string given(id, strnlen(id, TAVRIN_ID_SIZE));
    std::shared_ptr<Client> client;
    std::string device;
    TAVRIN_HANDLE handle = 0;
    bool connected = false;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        for (const auto &entry : lastScan().list) {
            if (entry.first == given)
                device = entry.second;
        }
        client = currentClient();
        if (device.empty() || !client || client->lost)
            return 0;
        if (cameraClient() && cameraClient()->camera)
            return 0;  // one camera at a time
        client->camera.reset(new Camera);
        client->camera->device = device;
        client->camera->handle = handle = nextHandle()++;
        connected = client->devices[device].connected;
        cameraClient() = client;
    }
    {
        NoSigPipe quiet;
        client->setBLOBMode(B_ALSO, device.c_str(), nullptr);
        if (!connected)
            client->connectDevice(device.c_str());
    }
    // A driver defines its camera properties once the device is connected.
    const bool ready = waitFor(10.0, [&] {
        const Device &d = client->devices[device];
        return d.connected && d.properties.count("CCD_EXPOSURE") && d.pixelX > 0;
    });
    if (!ready) {
        qCritical("INDI camera %s did not connect", device.c_str());
        std::lock_guard<std::mutex> lock(stateMutex());
        client->camera.reset();
        cameraClient().reset();
        return 0;
    }
    bool upload, format, compression, polling;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        const Device &d = client->devices[device];
        upload = d.properties.count("UPLOAD_MODE") > 0;
        format = d.properties.count("CCD_TRANSFER_FORMAT") > 0;
        compression = d.properties.count("CCD_COMPRESSION") > 0;
        polling = d.pollingMs > kPollingMs;
    }
    // Drivers that notice the end of an exposure only when they poll would
    // otherwise hold a live view to one frame a second (the usual default).
    if (polling)
        client->sendNumber(device, "POLLING_PERIOD", "PERIOD_MS", kPollingMs);
    // Frames come to us, as plain FITS.
    if (upload)
        client->sendSwitch(device, "UPLOAD_MODE", "UPLOAD_CLIENT");
    if (format)
        client->sendSwitch(device, "CCD_TRANSFER_FORMAT", "FORMAT_FITS");
    if (compression)
        client->sendSwitch(device, "CCD_COMPRESSION", "INDI_DISABLED");
    return handle;
}

bool owns(TAVRIN_HANDLE h)
{
    if (h < kFirstHandle)
        return false;
    std::lock_guard<std::mutex> lock(stateMutex());
    return clientOf(h) != nullptr;
}

int beginLive(TAVRIN_HANDLE h)
{
    std::string device;
    double exposureUs;
    std::shared_ptr<Client> client;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        client = clientOf(h);
        if (!client || client->camera->gone)
            return -1;
        Camera &cam = *client->camera;
        cam.live = true;
        cam.resetStretch = true;
        cam.deliveredSeq = cam.blobSeq;
        cam.requested = Clock::now();
        device = cam.device;
        exposureUs = cam.exposureUs;
    }
    client->startExposure(device, exposureUs);
    return 0;
}

int liveFrame(TAVRIN_HANDLE h, uint32_t *width, uint32_t *height, uint32_t *bpp, uint32_t *channels,
              unsigned char *buffer)
{
    if (!width || !height || !bpp || !channels || !buffer)
        return -1;
    std::shared_ptr<Client> client;
    std::vector<unsigned char> blob;
    std::string format, device;
    double factor = 1.0, exposureUs = 0;
    bool reset = false, restart = false, logFormat = false;
    static thread_local indiframe::Stretch stretch;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        client = clientOf(h);
        if (!client || client->camera->gone || !client->camera->live)
            return -1;
        Camera &cam = *client->camera;
        device = cam.device;
        exposureUs = cam.exposureUs;
        if (cam.blobSeq == cam.deliveredSeq) {
            // A driver that lost an exposure gets asked again rather than waited on forever.
            restart = Clock::now() - cam.requested
                      > std::chrono::milliseconds(long(cam.exposureUs / 1000.0) + 15000);
            if (restart)
                cam.requested = Clock::now();
        } else {
            blob.swap(cam.blob);
            format = cam.format;
            cam.deliveredSeq = cam.blobSeq;
            reset = cam.resetStretch;
            cam.resetStretch = false;
            std::lock_guard<std::mutex> configLock(configMutex());
            const Config &c = config();
            const Device &d = client->devices[cam.device];
            if (c.focalMm > 0 && d.pixelX > 0)
                factor = kArcsecPerRadianOverMicron * d.pixelX * d.binX / c.focalMm / c.plateScale;
        }
    }
    if (restart) {
        qCritical("INDI camera %s: no frame in time, exposing again", device.c_str());
        client->startExposure(device, exposureUs);
        return 1;
    }
    if (blob.empty())
        return 1;
    indiframe::Image image;
    std::string error;
    bool decoded = false;
    // Compressed FITS (.fits.z, .fits.fz) would read as an image without axes.
    const bool compressed = format.find(".z") != std::string::npos || format.find(".fz") != std::string::npos;
    if (format.rfind(".fits", 0) == 0 && !compressed)
        decoded = indiframe::decodeFits(blob.data(), blob.size(), &image, &error);
    else
        error = "frames in format \"" + format + "\" are not supported";
    if (!decoded) {
        {
            std::lock_guard<std::mutex> lock(stateMutex());
            if (client->camera) {
                logFormat = !client->camera->formatLogged;
                client->camera->formatLogged = true;
            }
        }
        if (logFormat)
            qCritical("INDI camera %s: %s", device.c_str(), error.c_str());
        return 1;
    }
    if (reset)
        stretch.reset();
    static thread_local std::vector<uint8_t> eight;
    stretch.apply(image, &eight);
    indiframe::toFrame(eight.data(), image.width, image.height, factor, buffer);
    *width = indiframe::kWidth;
    *height = indiframe::kHeight;
    *bpp = 8;
    *channels = 1;
    return 0;
}

int stopLive(TAVRIN_HANDLE h)
{
    std::shared_ptr<Client> client;
    std::string device;
    bool abort = false;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        client = clientOf(h);
        if (!client)
            return -1;
        abort = client->camera->live && !client->camera->gone;
        client->camera->live = false;
        device = client->camera->device;
    }
    if (abort)
        client->sendSwitch(device, "CCD_ABORT_EXPOSURE", "ABORT");
    return 0;
}

int close(TAVRIN_HANDLE h)
{
    std::shared_ptr<Client> client;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        client = clientOf(h);
        if (!client)
            return -1;
    }
    stopLive(h);
    // The device stays connected on the server: others may be using it.
    std::lock_guard<std::mutex> lock(stateMutex());
    client->camera.reset();
    cameraClient().reset();
    return 0;
}

double param(TAVRIN_HANDLE h, int controlId)
{
    std::lock_guard<std::mutex> lock(stateMutex());
    const std::shared_ptr<Client> client = clientOf(h);
    if (!client)
        return -1.0;
    const Camera &cam = *client->camera;
    const Device &d = client->devices[cam.device];
    switch (controlId) {
    case TAVRIN_CONTROL_EXPOSURE: return cam.exposureUs;
    case TAVRIN_CONTROL_GAIN:
        if (d.hasGain && d.gainMax > d.gainMin)
            return std::round(100.0 * (d.gainValue - d.gainMin) / (d.gainMax - d.gainMin));
        return cam.gainPercent;
    case TAVRIN_CONTROL_SPEED: return cam.speed;
    case TAVRIN_CONTROL_TRAFFIC: return cam.traffic;
    default: return -1.0;
    }
}

int setParam(TAVRIN_HANDLE h, int controlId, double value)
{
    if (!std::isfinite(value))
        return -1;
    std::shared_ptr<Client> client;
    std::string device;
    bool sendGain = false;
    double gain = 0;
    {
        std::lock_guard<std::mutex> lock(stateMutex());
        client = clientOf(h);
        if (!client)
            return -1;
        Camera &cam = *client->camera;
        const Device &d = client->devices[cam.device];
        device = cam.device;
        switch (controlId) {
        case TAVRIN_CONTROL_EXPOSURE:
            // Takes effect with the next exposure of the loop.
            cam.exposureUs = std::min(3600e6, std::max(1.0, value));
            cam.resetStretch = true;
            break;
        case TAVRIN_CONTROL_GAIN:
            cam.gainPercent = std::min(100.0, std::max(0.0, value));
            cam.resetStretch = true;
            sendGain = d.hasGain && !cam.gone;
            gain = d.gainMin + (d.gainMax - d.gainMin) * cam.gainPercent / 100.0;
            break;
        // INDI cameras have no readout speed or USB traffic of ours: kept, not sent.
        case TAVRIN_CONTROL_SPEED: cam.speed = value; break;
        case TAVRIN_CONTROL_TRAFFIC: cam.traffic = value; break;
        default: return -1;
        }
    }
    if (sendGain)
        client->sendNumber(device, "CCD_GAIN", "GAIN", gain);
    return 0;
}

}  // namespace indicam

#endif
