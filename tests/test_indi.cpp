// A real INDI server with the CCD simulator (in a private network namespace: it
// listens on every interface) through the window's own connect: frames at the
// templates' scale, exposure and gain reach the driver, a dead server is a camera
// gone, a restarted one connects again.
#include "camera/cameraserver.h"
#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "capture/capturethread.h"
#include "indiframe.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QDateTime>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kNamespaceMark[] = "ORVANTA_INDI_NETNS";
const char kId[] = "ORVANTA-CCD Simulator";
// Polaris and two stars of the field centred between it and HIP 5372.
const double kPolaris[2] = {37.9466186, 89.2641353};
const double kHip5372[2] = {17.1869664, 86.2570919};
const double kHip37391[2] = {115.127170, 87.020091};

std::atomic<int> frames{0};

double separationDeg(const double a[2], const double b[2])
{
    const double d = M_PI / 180.0;
    const double c = std::sin(a[1] * d) * std::sin(b[1] * d)
                     + std::cos(a[1] * d) * std::cos(b[1] * d) * std::cos((a[0] - b[0]) * d);
    return std::acos(std::min(1.0, c)) / d;
}

// The brightest stars by their 3 x 3 sums, which resampling keeps whatever
// pixel a star's light lands on.
std::vector<cv::Point2d> brightestStars(const cv::Mat &gray, int count)
{
    cv::Mat sums;
    cv::boxFilter(gray, sums, CV_32F, cv::Size(3, 3), cv::Point(-1, -1), false);
    std::vector<cv::Point2d> stars;
    for (int i = 0; i < count; ++i) {
        cv::Point peak;
        cv::minMaxLoc(sums, nullptr, nullptr, nullptr, &peak);
        stars.push_back(peak);
        cv::circle(sums, peak, 10, cv::Scalar(0), -1);
    }
    return stars;
}

// The worst relative error of the pixel distances from one star to two others
// against the catalogue, for the star and pair that fit best.
double scaleError(const std::vector<cv::Point2d> &stars, double expected1, double expected2)
{
    double best = 1.0;
    for (const cv::Point2d &p : stars) {
        double e1 = 1.0, e2 = 1.0;
        for (const cv::Point2d &q : stars) {
            e1 = std::min(e1, std::fabs(cv::norm(p - q) / expected1 - 1.0));
            e2 = std::min(e2, std::fabs(cv::norm(p - q) / expected2 - 1.0));
        }
        best = std::min(best, std::max(e1, e2));
    }
    return best;
}

// A FITS file: the header cards (8-character keys), END, padded to a block, then data.
QByteArray fits(const QStringList &cards, const QByteArray &data)
{
    QByteArray header;
    for (const QString &card : cards + QStringList{"END"})
        header += card.leftJustified(80, ' ').toLatin1();
    return header.leftJustified(int((header.size() + 2879) / 2880 * 2880), ' ') + data;
}

QStringList cards(int bits, int width, int height, int planes = 1)
{
    QStringList c{"SIMPLE  = T", QStringLiteral("BITPIX  = %1").arg(bits),
                  QStringLiteral("NAXIS   = %1").arg(planes == 1 ? 2 : 3), QStringLiteral("NAXIS1  = %1").arg(width),
                  QStringLiteral("NAXIS2  = %1").arg(height)};
    if (planes != 1)
        c << QStringLiteral("NAXIS3  = %1").arg(planes);
    return c;
}

indiframe::Image flat16(int value)
{
    return indiframe::Image{64, 64, 16, std::vector<uint16_t>(64 * 64, uint16_t(value))};
}

} // namespace

class TestIndi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusesBadSettings();
    void decodesFits_data();
    void decodesFits();
    void decodesRawStreamFrames();
    void stretchFollowsTheSkySmoothly();
    void toFrame_data();
    void toFrame();
    void streamsFollowsControlsAndSurvivesTheServer();
    void camerasComeAndGo();

private:
    bool startServer();
    // Runs indi_getprop or indi_setprop against our server; its output, null on failure.
    QString indi(const char *tool, const QString &property);
    bool setProp(const QString &assignment) { return !indi("indi_setprop", assignment).isNull(); }
    QString prop(const QString &name) { return indi("indi_getprop", name); }
    double framesPerSecond(int count);
    // Starts or stops drivers through the server's command pipe.
    bool drivers(const QByteArray &commands)
    {
        QFile pipe(home.filePath("fifo"));
        return pipe.open(QIODevice::WriteOnly) && pipe.write(commands) == commands.size() && pipe.flush();
    }

    QTemporaryDir home;
    QProcess server;
    int port = 0;
    QString missing; // why the server tests skip
};

void TestIndi::initTestCase()
{
    if (qgetenv(kNamespaceMark) != "1")
        missing = "no private network namespace (unshare -rn) here";
    else if (QStandardPaths::findExecutable("indiserver").isEmpty()
             || QStandardPaths::findExecutable("indi_simulator_ccd").isEmpty())
        missing = "indi-bin is not installed";
    else if (tavrinOption("server_status") == QLatin1String("unsupported"))
        missing = "the camera library was built without INDI";
    if (!missing.isEmpty())
        return;
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    port = probe.serverPort();
    probe.close();
    QVERIFY(home.isValid() && ::mkfifo(qPrintable(home.filePath("fifo")), 0600) == 0);
    QVERIFY2(startServer(), "indiserver did not come up");
}

void TestIndi::cleanupTestCase()
{
    server.kill();
    server.waitForFinished(5000);
}

// A setting the library refuses is reported and keeps its value; a reply is cut
// to the caller's buffer.
void TestIndi::refusesBadSettings()
{
    const TAVRINOptionFunction option = tavrinOptionEntry();
    QVERIFY(option);
    const char *refused[][2] = {{"server", "sky:0"}, {"server", "sky:65536"}, {"server", "sky:76x"}, {"server", ":7624"},
                                {"server", "my sky"}, {"focal_length", "-1"}, {"focal_length", "50mm"},
                                {"plate_scale", "0"}, {"field", "1"}, {"cameras", ""}, {"server_status", "on"},
                                {"lens", "50"}, {nullptr, "1"}};
    for (const auto &r : refused) {
        const QString before = r[0] ? tavrinOption(r[0]) : QString();
        QVERIFY2(option(r[0], r[1], nullptr, 0) == -1, r[1]);
        QCOMPARE(r[0] ? tavrinOption(r[0]) : QString(), before);
    }
    char cut[4];
    QVERIFY(option("server", nullptr, cut, sizeof cut) == 0 && QByteArray(cut) == "loc");
}

void TestIndi::decodesFits_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal"); // empty: decoded
    QTest::addColumn<int>("bits");
    QTest::addColumn<QVector<int>>("pixels");
    const QStringList longHeader = cards(8, 1, 1) + QVector<QString>(40, "COMMENT padding").toList();
    QTest::newRow("8-bit") << fits(cards(8, 4, 1), QByteArray("\x00\x01\xfe\xff", 4)) << "" << 8 << QVector<int>{0, 1, 254, 255};
    // Big-endian: -32768, 0, 32767 and 100, -5, 20000.
    const QByteArray signedValues("\x80\x00\x00\x00\x7f\xff", 6), scaled("\x00\x64\xff\xfb\x4e\x20", 6);
    QTest::newRow("BZERO") << fits(cards(16, 3, 1) << "BZERO   = 32768", signedValues) << "" << 16 << QVector<int>{0, 32768, 65535};
    QTest::newRow("BSCALE, clamped") << fits(cards(16, 3, 1) << "BSCALE  = 2", scaled) << "" << 16 << QVector<int>{200, 0, 40000};
    QTest::newRow("planes averaged") << fits(cards(8, 2, 1, 3), QByteArray("\x0a\0\x14\0\x1e\x03", 6)) << "" << 8 << QVector<int>{20, 1};
    QTest::newRow("header over two blocks") << fits(longHeader, "\x07") << "" << 8 << QVector<int>{7};
    QTest::newRow("shorter than a block") << QByteArray(100, ' ') << "not a FITS" << 0 << QVector<int>();
    QTest::newRow("no END") << QByteArray("SIMPLE  = T").leftJustified(2880, ' ') << "without END" << 0 << QVector<int>();
    QTest::newRow("32-bit") << fits(cards(32, 1, 1), "abcd") << "not supported" << 0 << QVector<int>();
    // Compressed frames come as a FITS file whose first image has no axes.
    QTest::newRow("NAXIS 0") << fits({"SIMPLE  = T", "BITPIX  = 8", "NAXIS   = 0"}, "") << "not supported" << 0 << QVector<int>();
    const QStringList axes = cards(8, 1, 1).mid(2);
    QTest::newRow("= off its column") << fits(QStringList{"SIMPLE  = T", "BITPIX = 8"} + axes, "x") << "not supported" << 0 << QVector<int>();
    QTest::newRow("BITPIX not a number") << fits(QStringList{"SIMPLE  = T", "BITPIX  = eight"} + axes, "x") << "not supported" << 0 << QVector<int>();
    QTest::newRow("two planes") << fits(cards(8, 1, 1, 2), "xy") << "out of range" << 0 << QVector<int>();
    QTest::newRow("zero width") << fits(cards(8, 0, 1), "x") << "out of range" << 0 << QVector<int>();
    QTest::newRow("too wide") << fits(cards(16, 20001, 1), "x") << "out of range" << 0 << QVector<int>();
    QTest::newRow("data cut short") << fits(cards(16, 2, 2), "abcdef") << "shorter" << 0 << QVector<int>();
    QTest::newRow("giant claim, tiny data") << fits(cards(16, 20000, 20000), "ab") << "shorter" << 0 << QVector<int>();
}

void TestIndi::decodesFits()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    indiframe::Image image;
    std::string error;
    const bool ok = indiframe::decodeFits(reinterpret_cast<const unsigned char *>(file.constData()), size_t(file.size()),
                                          &image, &error);
    QVERIFY2(ok == refusal.isEmpty(), error.c_str());
    if (!ok) {
        QVERIFY2(QString::fromStdString(error).contains(refusal), error.c_str());
        return;
    }
    QFETCH(int, bits);
    QFETCH(QVector<int>, pixels);
    QCOMPARE(image.bits, bits);
    QCOMPARE(QVector<int>(image.pixels.begin(), image.pixels.end()), pixels);
}

void TestIndi::decodesRawStreamFrames()
{
    struct Case { QByteArray bytes; int width, bits; QVector<int> pixels; } cases[] = {
        {QByteArray("\x05\xfa", 2), 2, 8, {5, 250}},
        {QByteArray("\x34\x12\xff\xff", 4), 2, 16, {0x1234, 65535}}, // little endian
        {QByteArray("\x0a\x14\x1f", 3), 1, 8, {20}},                  // colour averaged
        {QByteArray("\x01\x02\x03\x04\x05", 5), 2, 0, {}},            // no size fits
        {QByteArray("\x01", 1), 0, 0, {}},                             // no size at all
    };
    for (const Case &c : cases) {
        indiframe::Image image;
        std::string error;
        const auto *data = reinterpret_cast<const unsigned char *>(c.bytes.constData());
        QCOMPARE(indiframe::decodeRaw(data, size_t(c.bytes.size()), c.width, 1, &image, &error), c.bits != 0);
        QCOMPARE(image.bits, c.bits);
        if (c.bits)
            QCOMPARE(QVector<int>(image.pixels.begin(), image.pixels.end()), c.pixels);
    }
}

void TestIndi::stretchFollowsTheSkySmoothly()
{
    indiframe::Stretch stretch;
    std::vector<uint8_t> out;
    // A starless sky is not stretched to show its noise: white stays 40 noise widths up.
    stretch.apply(flat16(1000), &out);
    QCOMPARE(stretch.black(), 998.0);
    QCOMPARE(stretch.white(), 1038.0);
    QCOMPARE(int(out[0]), 13);
    // A brighter sky moves the levels a quarter of the way; a reset jumps.
    stretch.apply(flat16(5000), &out);
    QCOMPARE(stretch.black(), 1998.0);
    QCOMPARE(stretch.white(), 2038.0);
    stretch.reset();
    indiframe::Image star = flat16(1000);
    star.pixels[0] = 60000;
    stretch.apply(star, &out);
    QCOMPARE(int(out[0]), 255);
    QVERIFY(out[1] < 3);
    // 8-bit frames are shown as they come, not stretched.
    stretch.apply(indiframe::Image{2, 1, 8, {7, 300}}, &out);
    QVERIFY(out[0] == 7 && out[1] == 255);
}

void TestIndi::toFrame_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("lit"); // bright frame pixels, within 1 %
    QTest::newRow("smaller, padded") << 640 << 480 << 1.0 << 624 * 464;
    QTest::newRow("smaller, scaled up") << 640 << 480 << 2.0 << 1248 * 928;
    QTest::newRow("larger, centre cropped") << 2560 << 1920 << 1.0 << 1280 * 960;
    QTest::newRow("larger, scaled down") << 2560 << 1920 << 0.5 << 1272 * 952;
    QTest::newRow("wide: cropped across, padded down") << 2560 << 480 << 1.0 << 1280 * 464;
    QTest::newRow("no scale") << 640 << 480 << 0.0 << 0;
}

void TestIndi::toFrame()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, factor);
    QFETCH(int, lit);
    // Bright with a dark 8-pixel border, so a crop off centre shows.
    cv::Mat in(height, width, CV_8UC1, cv::Scalar(0));
    in(cv::Rect(8, 8, width - 16, height - 16)).setTo(200);
    cv::Mat frame(indiframe::kHeight, indiframe::kWidth, CV_8UC1, cv::Scalar(255));
    indiframe::toFrame(in.data, width, height, factor, frame.data);
    const cv::Mat bright = frame > 100;
    const int count = cv::countNonZero(bright);
    QVERIFY2(std::abs(count - lit) <= lit / 100, qPrintable(QString::number(count)));
    if (lit == 0)
        return;
    const cv::Rect r = cv::boundingRect(bright);
    QVERIFY(std::abs(2 * r.x + r.width - 1280) <= 1 && std::abs(2 * r.y + r.height - 960) <= 1);
}

bool TestIndi::startServer()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The simulator draws its stars from a "gsc" program: ours answers from our star lists.
    env.insert("PATH", QStringLiteral(ORVANTA_GSC_DIR ":") + env.value("PATH"));
    env.insert("GSC_STAR_LISTS", QStringLiteral(ORVANTA_STAR_LISTS));
    env.insert("HOME", home.path());
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start("indiserver", {"-p", QString::number(port), "-f", home.filePath("fifo"), "indi_simulator_ccd"});
    const bool up = QTest::qWaitFor([this] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        return socket.waitForConnected(200);
    }, 10000);
    // Pointed between the two stars, with a 50 mm lens on 5.2 um pixels (21.5"/px).
    return up && setProp("CCD Simulator.CONNECTION.CONNECT=On")
           && QTest::qWaitFor([this] { return !prop("CCD Simulator.SCOPE_INFO.FOCAL_LENGTH").isEmpty(); }, 10000)
           && setProp("CCD Simulator.SCOPE_INFO.FOCAL_LENGTH;APERTURE=50;20")
           && setProp("CCD Simulator.EQUATORIAL_PE.RA_PE;DEC_PE=1.37051;87.78066");
}

QString TestIndi::indi(const char *tool, const QString &property)
{
    QProcess run;
    run.start(tool, {"-t", "2", "-p", QString::number(port), property});
    if (!run.waitForFinished(5000) || run.exitCode() != 0)
        return QString();
    const QString out = QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    return out.isEmpty() ? QStringLiteral("") : out.mid(out.indexOf('=') + 1); // never null
}

double TestIndi::framesPerSecond(int count)
{
    const int start = frames;
    QElapsedTimer timer;
    timer.start();
    if (!QTest::qWaitFor([&] { return frames >= start + count; }, 30000))
        return 0;
    return count * 1000.0 / double(timer.elapsed());
}

void TestIndi::streamsFollowsControlsAndSurvivesTheServer()
{
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    MainWindow w;
    w.cameraServer.port = port;
    w.cameraServer.focalLength = 50;
    CaptureThread::FrameSource source;
    source.beginLive = [](TAVRIN_HANDLE h) { return tavrinLib.BeginTAVRINLive(h); };
    source.getLiveFrame = [](TAVRIN_HANDLE h, std::uint32_t *fw, std::uint32_t *fh, std::uint32_t *bpp,
                             std::uint32_t *ch, unsigned char *buf) {
        const int result = tavrinLib.GetTAVRINLiveFrame(h, fw, fh, bpp, ch, buf);
        if (result == 0 && *fw == 1280 && *fh == 960)
            ++frames;
        return result;
    };
    source.clockMs = [] { return QDateTime::currentMSecsSinceEpoch(); };
    w.captureThread->setFrameSource(source);
    BoxAnswerer boxes(BoxAnswerer::Fail); // a connect with a suitable lens says nothing
    CriticalCatcher criticals(true);

    w.on_actionConnect_triggered();
    QVERIFY2(cameraState.cameraConnected, "the INDI camera did not connect");
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvanta - ID:%1").arg(kId));

    // The simulator draws stars on single pixels: at 20 ms only the brightest few
    // stand out of the noise.
    auto *exposure = w.findChild<QSlider *>("sliderExpose");
    auto *gain = w.findChild<QSlider *>("sliderGain");
    QVERIFY(exposure && gain);
    exposure->setValue(20);
    framesPerSecond(3); // frames already under way
    const double fps = framesPerSecond(20);
    QVERIFY2(fps > 0, "fewer than 20 frames in 30 s");
    std::printf("indi_loopback_fps: %.1f\n", fps);

    // Polaris as far from HIP 5372 and HIP 37391 as the catalogue says at the
    // north template's scale.
    const double scale = templatePlateScale("North");
    const double error = scaleError(brightestStars(w.captureThread->copyGrayFrame(), 12),
                                    separationDeg(kPolaris, kHip5372) * 3600.0 / scale,
                                    separationDeg(kPolaris, kHip37391) * 3600.0 / scale);
    std::printf("indi_scale_error_percent: %.2f\n", 100.0 * error);
    QVERIFY2(error < 0.015, "frames are not at the template's scale");

    // Exposure drives the loop: 400 ms exposures come at most 2.5 a second.
    exposure->setValue(400);
    framesPerSecond(2);
    const double slow = framesPerSecond(3);
    std::printf("indi_fps_at_400ms: %.2f\n", slow);
    QVERIFY2(slow > 0 && slow < 2.7, qPrintable(QString::number(slow)));
    exposure->setValue(20);

    // Gain is a share of the driver's range; the driver's value reads back as it.
    const QString gainBefore = prop("CCD Simulator.CCD_GAIN.GAIN");
    gain->setValue(80);
    QVERIFY(QTest::qWaitFor([&] { return prop("CCD Simulator.CCD_GAIN.GAIN") != gainBefore; }, 5000));
    QVERIFY(QTest::qWaitFor([&] { return tavrinLib.GetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_GAIN) == 80; }, 5000));
    QVERIFY2(criticals.messages.isEmpty(), qPrintable(criticals.messages.join('\n')));

    // The server dies mid-stream: frames stop, and Disconnect still works.
    // Writes to the dead socket before the client notices must not raise SIGPIPE.
    server.kill();
    server.waitForFinished(5000);
    for (int i = 0; i < 20; ++i)
        tavrinLib.SetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_GAIN, 60 + i);
    QVERIFY(QTest::qWaitFor([&] { return !criticals.messages.isEmpty(); }, 5000));
    QVERIFY2(criticals.messages.first().contains("closed the connection"), qPrintable(criticals.messages.first()));
    const int stopped = frames;
    QTest::qWait(500);
    QCOMPARE(int(frames), stopped);
    // The status bar says the camera stopped instead of keeping its last rate.
    QTRY_COMPARE_WITH_TIMEOUT(w.fpsLabel->text(), QStringLiteral("FPS : 0.0"), 8000);
    QElapsedTimer timer;
    timer.start();
    w.on_actionConnect_triggered();
    QVERIFY(!cameraState.cameraConnected);
    QVERIFY2(timer.elapsed() < 3000, "disconnect waited on the dead server");

    // Without a server the scan offers the simulated camera.
    w.on_actionConnect_triggered();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvanta - ID:ORVANTA-SIM0001"));
    w.on_actionConnect_triggered();
    QVERIFY(!cameraState.cameraConnected);

    // Back again: the same camera connects and streams.
    QVERIFY2(startServer(), "indiserver did not come up again");
    w.on_actionConnect_triggered();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvanta - ID:%1").arg(kId));
    QVERIFY2(framesPerSecond(3) > 0, "no frames after the reconnect");
    w.on_actionConnect_triggered();
    QVERIFY(!cameraState.cameraConnected);
}

// Cameras that come and go on one server: only cameras are listed, the chosen one
// first, one open at a time; a driver that cannot reach its camera, frames that
// cannot be read and a driver stopped mid-stream never pass for a working camera.
void TestIndi::camerasComeAndGo()
{
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    const TAVRINOptionFunction option = tavrinOptionEntry();
    QVERIFY(drivers("start indi_simulator_guide\nstart indi_simulator_dome\nstart indi_v4l2_ccd\n"));
    QVERIFY(QTest::qWaitFor([this] { return setProp("V4L2 CCD.DEVICE_PORT.PORT=/nonexistent/video"); }, 10000)
            && option("camera", "ORVANTA-Guide Simulator", nullptr, 0) == 0);
    QVERIFY(QTest::qWaitFor([] { return tavrinLib.InitTAVRINResource() == 0 && tavrinLib.ScanTAVRIN() == 4; }, 10000));
    QCOMPARE(tavrinOption("cameras"), QStringLiteral("ORVANTA-Guide Simulator\nORVANTA-CCD Simulator\nORVANTA-V4L2 CCD"));

    CriticalCatcher criticals(true);
    char dome[] = "ORVANTA-Dome Simulator", v4l2[] = "ORVANTA-V4L2 CCD", guide[] = "ORVANTA-Guide Simulator",
         ccd[] = "ORVANTA-CCD Simulator";
    QVERIFY(!tavrinLib.OpenTAVRIN(dome) && !tavrinLib.OpenTAVRIN(v4l2));
    QVERIFY2(criticals.messages.filter("V4L2 CCD did not connect").size() == 1, qPrintable(criticals.messages.join('\n')));
    const TAVRIN_HANDLE h = tavrinLib.OpenTAVRIN(guide);
    QVERIFY(h && !tavrinLib.OpenTAVRIN(ccd));
    option("focal_length", "0", nullptr, 0);
    QCOMPARE(tavrinOption("field"), QStringLiteral("0 0")); // the program warns that the scale is unknown
    // Speed and traffic are kept for the program; unknown controls and values are refused.
    for (int control : {TAVRIN_CONTROL_SPEED, TAVRIN_CONTROL_TRAFFIC})
        QVERIFY(tavrinLib.SetTAVRINParam(h, control, 7) == 0 && tavrinLib.GetTAVRINParam(h, control) == 7);
    QVERIFY(tavrinLib.SetTAVRINParam(h, 3, 1) == -1 && tavrinLib.GetTAVRINParam(h, 3) == -1);
    QCOMPARE(tavrinLib.SetTAVRINParam(h, TAVRIN_CONTROL_GAIN, std::nan("")), -1);

    std::vector<unsigned char> buffer(indiframe::kWidth * indiframe::kHeight);
    std::uint32_t fw = 0, fh = 0, bpp = 0, ch = 0;
    auto frame = [&] { return tavrinLib.GetTAVRINLiveFrame(h, &fw, &fh, &bpp, &ch, buffer.data()); };
    QVERIFY(frame() == -1 && tavrinLib.SetTAVRINParam(h, TAVRIN_CONTROL_EXPOSURE, 20000) == 0); // not live yet
    QCOMPARE(tavrinLib.BeginTAVRINLive(h), 0);
    QVERIFY2(QTest::qWaitFor([&] { return frame() == 0; }, 10000), "no frame from the guide camera");
    // Compressed frames are not shown, and said once.
    QVERIFY(setProp("Guide Simulator.CCD_COMPRESSION.INDI_ENABLED=On"));
    const auto unread = [&] { return criticals.messages.filter("INDI camera Guide Simulator: ").size(); };
    QVERIFY(QTest::qWaitFor([&] { return frame() == 1 && unread() == 1; }, 10000));
    const QString said = criticals.messages.filter("INDI camera Guide").value(0);
    QVERIFY2(said.contains("frames in format \".fits."), qPrintable(said));
    QVERIFY2(!QTest::qWaitFor([&] { return frame() == 0; }, 1000), "a compressed frame was shown");
    QCOMPARE(unread(), 1);
    QVERIFY(setProp("Guide Simulator.CCD_COMPRESSION.INDI_DISABLED=On"));
    QVERIFY(QTest::qWaitFor([&] { return frame() == 0; }, 10000));

    // The driver stops: the camera is gone, not streaming, and closes.
    QVERIFY(drivers("stop indi_simulator_guide\n"));
    QVERIFY(QTest::qWaitFor([&] { return !criticals.messages.filter("Guide Simulator disappeared").isEmpty(); }, 5000));
    QVERIFY(frame() == -1 && tavrinLib.BeginTAVRINLive(h) == -1);
    QVERIFY(tavrinLib.SetTAVRINParam(h, TAVRIN_CONTROL_GAIN, 30) == 0 && tavrinLib.CloseTAVRIN(h) == 0);
    QCOMPARE(tavrinLib.ScanTAVRIN(), 3);
    option("server", "", nullptr, 0); // no server: the simulated camera alone
    QVERIFY(tavrinLib.ScanTAVRIN() == 1 && tavrinOption("server_status") == "off");
}

// Runs itself again inside a private network namespace with loopback up, where
// the machine allows one; otherwise the test skips.
int main(int argc, char **argv)
{
    if (qgetenv(kNamespaceMark).isEmpty()) {
        qputenv(kNamespaceMark, std::system("unshare -rn true >/dev/null 2>&1") == 0 ? "1" : "no");
        if (qgetenv(kNamespaceMark) == "1") {
            execlp("unshare", "unshare", "-rn", "sh", "-c", "ip link set lo up && exec \"$0\" \"$@\"", argv[0],
                   argc > 1 ? argv[1] : nullptr, argc > 2 ? argv[2] : nullptr, static_cast<char *>(nullptr));
            qputenv(kNamespaceMark, "no");
        }
    }
    QApplication app(argc, argv);
    TestIndi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_indi.moc"
