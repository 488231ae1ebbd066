// What the running program costs on a laptop's battery: the real window against the
// simulated camera at 10 frames a second.
//
//   bench_live [seconds per phase, default 10]
//
// First five start-ups each of a bare Qt window showing a 960 x 720 label and of
// the program's window (child processes, alternating): time from spawning to the
// window's first paint (wall and the child's CPU) and resident memory a second
// later; medians are printed. Then, in this process: idle and not connected,
// streaming, monitoring, monitoring at 75% zoom. For each phase: whole-process CPU
// time per frame (getrusage, every thread), the same without the simulated
// camera's own work, wake-ups per second (voluntary context switches) and peak
// resident memory. The simulated camera renders its frames inside
// GetTAVRINLiveFrame on the capture thread; the bench wraps that call and reads
// the thread's CPU clock around it, so its rendering is measured per frame and
// subtracted exactly; the GUI thread's and the capture thread's own CPU per frame
// are printed below each phase. The last line is `cpu_per_frame_ms N`, monitoring at 100%
// without the rendering. The platform is offscreen unless QT_QPA_PLATFORM says
// otherwise. CPU time, not wall time, is the figure to compare on a loaded machine.
#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#if __has_include("tavrinsim.h")
#include "tavrinsim.h"
#define HAVE_SIMULATOR 1
#else
#define HAVE_SIMULATOR 0
#endif

namespace {

double monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Usage
{
    double cpuMs = 0;
    long wakeups = 0;
};

Usage usage()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    Usage r;
    r.cpuMs = (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    r.wakeups = u.ru_nvcsw;
    return r;
}

// VmRSS or VmHWM in MB.
double statusMb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the first paint in the window has been handled.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : window(window) {}
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == window)
            QTimer::singleShot(0, this, [this] { painted = true; });
        return false;
    }

private:
    QWidget *window;
};

void waitForPaint(QWidget *w)
{
    FirstPaint watcher(w);
    qApp->installEventFilter(&watcher);
    w->show();
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    qApp->removeEventFilter(&watcher);
}

void useStyleSheet(QApplication &app)
{
    QFile style(QStringLiteral(":/qss/default.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
}

// A child: start, show, report "start_ms cpu_ms rss_mb".
int child(int argc, char *argv[], bool bare, double spawnedMs)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    std::unique_ptr<QWidget> window;
    if (bare) {
        auto *label = new QLabel;
        QPixmap black(960, 720);
        black.fill(Qt::black);
        label->setPixmap(black);
        window.reset(label);
    } else {
        MainWindow::settingsDirOverride = settings.path();
        useStyleSheet(app);
        window.reset(new MainWindow(nullptr));
    }
    waitForPaint(window.get());
    const double shownMs = monotonicMs() - spawnedMs;
    const double cpuMs = usage().cpuMs;
    runFor(1000);
    std::printf("%.1f %.1f %.1f\n", shownMs, cpuMs, statusMb("VmRSS:"));
    std::fflush(stdout);
    return 0;
}

struct Start
{
    std::vector<double> wall, cpu, rss;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool spawn(const char *self, const char *mode, Start *into)
{
    const std::string command = std::string("'") + self + "' " + mode + " "
                                + std::to_string(monotonicMs()) + " 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    double wall = 0, cpu = 0, rss = 0;
    const int n = std::fscanf(pipe, "%lf %lf %lf", &wall, &cpu, &rss);
    pclose(pipe);
    if (n != 3)
        return false;
    into->wall.push_back(wall);
    into->cpu.push_back(cpu);
    into->rss.push_back(rss);
    return true;
}

#if HAVE_SIMULATOR
// Time spent inside the simulated camera's frame calls, capture thread only.
std::atomic<long long> cameraFrames{0};
std::atomic<double> cameraMs{0};
std::atomic<clockid_t> captureClock{CLOCK_THREAD_CPUTIME_ID};
std::atomic<bool> captureClockKnown{false};

double clockMs(clockid_t id)
{
    timespec t{};
    clock_gettime(id, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double captureCpuMs()
{
    return captureClockKnown ? clockMs(captureClock) : 0.0;
}

struct Phase
{
    Usage startUsage;
    long long startFrames = 0;
    double startCamera = 0;
    double startWall = 0;
    double startGui = 0, startCapture = 0;
};

Phase begin()
{
    Phase p;
    p.startUsage = usage();
    p.startFrames = cameraFrames;
    p.startCamera = cameraMs;
    p.startWall = monotonicMs();
    p.startGui = threadCpuMs();
    p.startCapture = captureCpuMs();
    return p;
}

double report(const char *name, const Phase &p)
{
    const Usage u = usage();
    const double seconds = (monotonicMs() - p.startWall) / 1000.0;
    const long long frames = cameraFrames - p.startFrames;
    const double cpu = u.cpuMs - p.startUsage.cpuMs;
    const double camera = cameraMs - p.startCamera;
    const double perFrame = frames > 0 ? cpu / double(frames) : 0.0;
    const double ownPerFrame = frames > 0 ? (cpu - camera) / double(frames) : 0.0;
    std::printf("%-14s frames/s %5.2f  cpu %6.2f ms/s  cpu/frame %6.2f ms  without rendering %6.2f ms"
                "  rendering %5.2f ms/frame  wake-ups %6.1f /s  rss %6.1f MB  peak %6.1f MB\n",
                name, frames / seconds, cpu / seconds, perFrame, ownPerFrame,
                frames > 0 ? camera / double(frames) : 0.0, (u.wakeups - p.startUsage.wakeups) / seconds,
                statusMb("VmRSS:"), statusMb("VmHWM:"));
    if (frames > 0)
        std::printf("%-14s   GUI thread %5.2f ms/frame, capture thread without rendering %5.2f ms/frame\n", "",
                    (threadCpuMs() - p.startGui) / double(frames),
                    (captureCpuMs() - p.startCapture - camera) / double(frames));
    std::fflush(stdout);
    return ownPerFrame;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakesink");
    qputenv("TAVRINSIM_NO_PANEL", "1");
    if (argc >= 3 && (std::strcmp(argv[1], "--bare") == 0 || std::strcmp(argv[1], "--window") == 0))
        return child(argc, argv, std::strcmp(argv[1], "--bare") == 0, std::atof(argv[2]));

#if !HAVE_SIMULATOR
    std::printf("bench_live needs the simulated camera library\n");
    return 0;
#else
    const int phaseMs = (argc > 1 ? std::max(2, std::atoi(argv[1])) : 10) * 1000;

    Start bare, program;
    for (int i = 0; i < 5; ++i) {
        if (!spawn(argv[0], "--bare", &bare) || !spawn(argv[0], "--window", &program)) {
            std::printf("a start-up child failed\n");
            return 1;
        }
    }
    std::printf("start-up, median of 5 (%s):\n", qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  bare window    shown %6.1f ms (cpu %6.1f ms)  rss %6.1f MB\n", median(bare.wall),
                median(bare.cpu), median(bare.rss));
    std::printf("  program window shown %6.1f ms (cpu %6.1f ms)  rss %6.1f MB\n", median(program.wall),
                median(program.cpu), median(program.rss));
    std::printf("  ratio shown %.2f, rss above bare %.1f MB\n", median(program.wall) / median(bare.wall),
                median(program.rss) - median(bare.rss));
    std::fflush(stdout);

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    MainWindow::settingsDirOverride = settings.path();
    useStyleSheet(app);
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);

    MainWindow window(nullptr);
    CaptureThread::FrameSource source;
    source.getLiveFrame = [](TAVRIN_HANDLE h, std::uint32_t *w, std::uint32_t *ht, std::uint32_t *bpp,
                             std::uint32_t *ch, unsigned char *buf) {
        if (!captureClockKnown) {
            clockid_t id;
            if (pthread_getcpuclockid(pthread_self(), &id) == 0) {
                captureClock = id;
                captureClockKnown = true;
            }
        }
        const double before = threadCpuMs();
        const int rc = GetTAVRINLiveFrame(h, w, ht, bpp, ch, buf);
        if (rc == 0) {
            cameraMs = cameraMs + (threadCpuMs() - before);
            ++cameraFrames;
        }
        return rc;
    };
    window.captureThread->setFrameSource(source);
    waitForPaint(&window);
    runFor(1000);

    Phase p = begin();
    runFor(phaseMs);
    report("idle", p);

    window.findChild<QAction *>(QStringLiteral("actionConnect"))->trigger();
    if (!cameraState.cameraConnected) {
        std::printf("the simulated camera did not connect\n");
        return 1;
    }
    // 100 ms exposures: 10 frames a second (the readout alone allows about 11); gain
    // enough that the reference stars are measured in every frame, as at a real mount.
    window.findChild<QSlider *>(QStringLiteral("sliderExpose"))->setValue(100);
    window.findChild<QSlider *>(QStringLiteral("sliderGain"))->setValue(70);
    runFor(1000);
    p = begin();
    runFor(phaseMs);
    report("streaming", p);

    // Monitoring on the template's two reference stars, as after step 12.
    double ax = 0, ay = 0, bx = 0, by = 0;
    tavrinsim::starPosition(84535, &ax, &ay);
    tavrinsim::starPosition(11767, &bx, &by);
    const tavrinsim::Truth truth = tavrinsim::truth();
    liveViewState.update([&](LiveView &v) {
        v.starASearch = QPointF(ax, ay);
        v.starBSearch = QPointF(bx, by);
        v.axisCenter = QPointF(truth.axisX, truth.axisY);
        v.showAxisCenter = true;
    });
    window.setStep(13);
    runFor(1000);
    p = begin();
    runFor(phaseMs);
    const double monitoring = report("monitoring", p);

    window.findChild<QAction *>(QStringLiteral("action75"))->setChecked(true);
    runFor(1000);
    p = begin();
    runFor(phaseMs);
    report("monitoring 75%", p);

    window.close();
    std::printf("cpu_per_frame_ms %.2f\n", monitoring);
    return 0;
#endif
}
