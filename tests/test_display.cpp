// What the window shows of the capture thread's output: frames at the display
// zoom, zoom crops and position labels while monitoring, the frame-rate text, and
// a live run against the simulated camera.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "tavrinsim.h"
#include "testsupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// The label's pixmap size; empty when it shows none.
QSize pixmapSize(QLabel *label)
{
    const QPixmap p = label->pixmap(Qt::ReturnByValue);
    return p.isNull() ? QSize() : p.size();
}

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void emptyQueueChangesNothing();
    void displayZoom_data();
    void displayZoom();
    void zoomCropAndPositionLabels();
    void frameRateText();
    void liveCaptureFillsTheImage();

private:
    QLabel *label(const char *name) const { return window->findChild<QLabel *>(name); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    void queueFrame(unsigned char grey);

    std::unique_ptr<MainWindow> window;
    std::vector<unsigned char> frame = std::vector<unsigned char>(1280 * 960);
};

void TestDisplay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
}

void TestDisplay::init()
{
    QFile::remove(settingsPath());
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    cameraState.reset();
    liveViewState.update([](LiveView &v) { v = LiveView(); });
    window.reset(new MainWindow(nullptr));
    // The tests drive the display by hand.
    window->displayTimer->stop();
    window->fpsTimer->stop();
}

void TestDisplay::cleanup()
{
    window.reset();
    cameraState.reset();
    liveViewState.update([](LiveView &v) { v = LiveView(); });
    tavrinsim::reset();
    QFile::remove(settingsPath());
}

void TestDisplay::cleanupTestCase()
{
    QFile::remove(settingsPath());
}

// One frame of uniform grey through the capture thread's own frame work.
void TestDisplay::queueFrame(unsigned char grey)
{
    std::fill(frame.begin(), frame.end(), grey);
    window->captureThread->processFrame(frame.data());
}

void TestDisplay::emptyQueueChangesNothing()
{
    QLabel *image = label("label_showImg");
    const QPixmap before(10, 10);
    image->setPixmap(before);
    window->shownFrame = QImage(4, 4, QImage::Format_RGB888);
    const qint64 frameKey = window->shownFrame.cacheKey();

    window->showImages();

    QCOMPARE(image->pixmap(Qt::ReturnByValue).cacheKey(), before.cacheKey());
    QCOMPARE(window->shownFrame.cacheKey(), frameKey);
}

void TestDisplay::displayZoom_data()
{
    QTest::addColumn<QString>("zoomAction");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("100%") << "action100" << 1.0f << QSize(1280, 960);
    QTest::newRow("75%") << "action75" << 0.75f << QSize(960, 720);
    QTest::newRow("50%") << "action50" << 0.5f << QSize(640, 480);
}

void TestDisplay::displayZoom()
{
    QFETCH(QString, zoomAction);
    QFETCH(float, factor);
    QFETCH(QSize, shown);

    // Start from another zoom so that the action really toggles.
    action(zoomAction == QLatin1String("action50") ? "action75" : "action50")->setChecked(true);
    action(qPrintable(zoomAction))->setChecked(true);
    QCOMPARE(window->zoomFactor, factor);

    queueFrame(90);
    window->showImages();

    QCOMPARE(window->shownFrame.size(), shown);
    QCOMPARE(window->shownFrame.pixelColor(shown.width() / 2, shown.height() / 2), QColor(90, 90, 90));
    QCOMPARE(pixmapSize(label("label_showImg")), shown);
    QCOMPARE(window->captureThread->queuedFrames(), 0);

    // Unchecking (by checking another) leaves the factor to the new action only.
    action("action100")->setChecked(true);
    QCOMPARE(window->zoomFactor, 1.0f);
}

// With no star in the frame the stars are lost: the labels show where they are
// sought, and no pole.
void TestDisplay::zoomCropAndPositionLabels()
{
    liveViewState.update([](LiveView &v) {
        v.monitorPole = true;
        v.starASearch = QPointF(640.24, 480.0);
        v.starBSearch = QPointF(700.56, 400.04);
        v.axisCenter = QPointF(660.0, 470.0);
    });
    queueFrame(0);
    QCOMPARE(window->captureThread->queuedZooms(), 1);

    // A crop waits while monitoring is off.
    const QString labelBefore = label("label_refStarA_pos")->text();
    liveViewState.set(&LiveView::monitorPole, false);
    window->showImages();
    QCOMPARE(window->captureThread->queuedZooms(), 1);
    QVERIFY(window->shownZoom.isNull());
    QCOMPARE(label("label_refStarA_pos")->text(), labelBefore);

    liveViewState.set(&LiveView::monitorPole, true);
    window->showImages();
    QCOMPARE(window->captureThread->queuedZooms(), 0);

    QCOMPARE(label("label_refStarA_pos")->text(), QStringLiteral("(640.2,480.0)"));
    QCOMPARE(label("label_refStarB_pos")->text(), QStringLiteral("(700.6,400.0)"));
    QCOMPARE(label("label_pole")->text(), QStringLiteral("reference stars lost"));
    QCOMPARE(window->shownZoom.size(), QSize(200, 200));
    QCOMPARE(pixmapSize(label("label_biggerImg")), QSize(200, 200));
    // The crop is never scaled, whatever the zoom.
    action("action50")->setChecked(true);
    queueFrame(0);
    window->showImages();
    QCOMPARE(window->shownZoom.size(), QSize(200, 200));
    QCOMPARE(window->shownFrame.size(), QSize(640, 480));
}

// Frames 80 ms apart on a stand-in clock, then a disconnect.
void TestDisplay::frameRateText()
{
    window->updateFPS();
    QCOMPARE(window->fpsLabel->text(), QStringLiteral("FPS : 0.0"));

    std::atomic<qint64> now{1000};
    std::atomic<int> delivered{0};
    CaptureThread::FrameSource source;
    source.beginLive = [](TAVRIN_HANDLE) { return 0; };
    source.getLiveFrame = [&](TAVRIN_HANDLE, std::uint32_t *w, std::uint32_t *h, std::uint32_t *bpp,
                              std::uint32_t *ch, unsigned char *) {
        if (delivered >= 2)
            return 1;
        now += 80;
        ++delivered;
        *w = 1280;
        *h = 960;
        *bpp = 8;
        *ch = 1;
        return 0;
    };
    source.clockMs = [&] { return now.load(); };
    window->captureThread->setFrameSource(source);
    cameraState.cameraConnected = true;
    window->captureThread->startCapture();
    QTRY_COMPARE_WITH_TIMEOUT(window->captureThread->queuedFrames(), 2, 5000);
    window->captureThread->stopCapture();
    QVERIFY(window->captureThread->wait(5000));
    cameraState.cameraConnected = false;

    window->updateFPS();
    QCOMPARE(window->fpsLabel->text(), QStringLiteral("FPS : 12.5"));
    // Frames stopping without a disconnect leave the last rate on screen.
    window->updateFPS();
    QCOMPARE(window->fpsLabel->text(), QStringLiteral("FPS : 12.5"));
}

void TestDisplay::liveCaptureFillsTheImage()
{
    tavrinsim::MountParams mount = tavrinsim::mountParams();
    mount.noise = false;
    tavrinsim::setMountParams(mount);
    window->displayTimer->start(20);
    window->fpsTimer->start(500);

    window->findChild<QAction *>("actionConnect")->trigger();
    QVERIFY(cameraState.cameraConnected);
    // A short exposure so frames come at the readout rate.
    SetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_EXPOSURE, 20000.0);

    QLabel *image = label("label_showImg");
    QTRY_VERIFY_WITH_TIMEOUT(pixmapSize(image).isValid(), 10000);
    QCOMPARE(pixmapSize(image), QSize(1280, 960));
    QCOMPARE(window->shownFrame.size(), QSize(1280, 960));

    // The sky: a dark background with a few bright stars.
    const QImage grey = window->shownFrame.convertToFormat(QImage::Format_Grayscale8);
    int bright = 0;
    long long sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            sum += line[x];
            bright += line[x] > 128;
        }
    }
    const double mean = double(sum) / (grey.width() * grey.height());
    qInfo("mean grey: %.2f, pixels above 128: %d", mean, bright);
    QVERIFY(bright > 0);
    QVERIFY(mean < 100);

    QTRY_VERIFY_WITH_TIMEOUT(window->fpsLabel->text() != QLatin1String("FPS : 0.0"), 5000);
    QVERIFY(window->fpsLabel->text().contains(QRegularExpression(QStringLiteral("^FPS : [0-9]+\\.[0-9]$"))));
    qInfo("%s", qPrintable(window->fpsLabel->text()));

    // Half size from the next frame on.
    window->findChild<QAction *>("action50")->setChecked(true);
    QTRY_COMPARE_WITH_TIMEOUT(pixmapSize(image), QSize(640, 480), 10000);

    window->findChild<QAction *>("actionConnect")->trigger();
    QVERIFY(!cameraState.cameraConnected);
    QVERIFY(!pixmapSize(image).isValid());
    QTRY_COMPARE_WITH_TIMEOUT(window->fpsLabel->text(), QStringLiteral("FPS : 0.0"), 2000);
}

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
