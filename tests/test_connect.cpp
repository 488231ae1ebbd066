// Connecting and disconnecting the simulated camera from the main window: the
// identifier rule, every connect failure with its box and log line, the call
// order, the four camera controls, and closing the camera only after capture stops.
#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "capture/capturethread.h"
#include "mainwindow/mainwindow.h"
#include "tavrinsim.h"
#include "testsupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(tavrinsim::Fault)

namespace {

int countCalls(const std::string &entry)
{
    const auto log = tavrinsim::callLog();
    return int(std::count(log.begin(), log.end(), entry));
}

bool logHas(const std::string &prefix)
{
    for (const auto &entry : tavrinsim::callLog()) {
        if (entry.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

// Hidden actions report themselves disabled; ask what the window set.
bool enabledWhenShown(QAction *action)
{
    const bool visible = action->isVisible();
    action->setVisible(true);
    const bool enabled = action->isEnabled();
    action->setVisible(visible);
    return enabled;
}

int lastIndexOf(const std::vector<std::string> &names, const std::string &name)
{
    for (int i = int(names.size()) - 1; i >= 0; --i) {
        if (names[size_t(i)] == name)
            return i;
    }
    return -1;
}

} // namespace

class TestConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void prefixRule_data();
    void prefixRule();
    void connectFailures_data();
    void connectFailures();
    void overlongIdIsCut();
    void connectionCallOrderAndWindowState();
    void cameraValuesShownNotSent();
    void typedValues_data();
    void typedValues();
    void controlsWhileDisconnected();
    void libraryNotReady();
    void disconnectClosesAfterCaptureStops();
    void windowCloseClosesAfterCaptureStops();
    void closeFailureKeepsConnection();

private:
    void connectCamera();
    void watchFrameCalls();
    QAction *connectAction() const { return window->findChild<QAction *>("actionConnect"); }
    template <typename T>
    T *child(const char *name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<BoxAnswerer> answerer;
    // Critical log lines, captured while the rest goes on to QTest's handler.
    std::unique_ptr<CriticalCatcher> criticals;
    std::atomic<bool> closedDuringFrameCall{false};
};

void TestConnect::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
    criticals.reset(new CriticalCatcher(true));
}

void TestConnect::init()
{
    QFile::remove(settingsPath());
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    cameraState.reset();
    criticals->messages.clear();
    window.reset(new MainWindow(nullptr));
    answerer.reset(new BoxAnswerer);
    tavrinsim::clearCallLog();
}

void TestConnect::cleanup()
{
    answerer.reset();
    window.reset();
    tavrinsim::reset();
    QFile::remove(settingsPath());
}

void TestConnect::cleanupTestCase()
{
    criticals.reset();
    QFile::remove(settingsPath());
}

void TestConnect::connectCamera()
{
    connectAction()->trigger();
    QVERIFY(cameraState.cameraConnected);
    QVERIFY(answerer->boxes.isEmpty());
}

void TestConnect::prefixRule_data()
{
    QTest::addColumn<QString>("otherId");  // reported before the simulated camera
    QTest::addColumn<bool>("chosen");

    QTest::newRow("prefix, hyphen, serial") << "ORVANTA-0042" << true;
    QTest::newRow("prefix alone") << "ORVANTA" << true;
    QTest::newRow("second hyphen") << "ORVANTA-X-0042" << false;
    QTest::newRow("lower case") << "orvanta-0042" << false;
    QTest::newRow("longer prefix") << "ORVANTAX-0042" << false;
    QTest::newRow("prefix inside") << "XORVANTA-0042" << false;
    QTest::newRow("shorter prefix") << "ORVANT-0042" << false;
}

void TestConnect::prefixRule()
{
    QFETCH(QString, otherId);
    QFETCH(bool, chosen);
    tavrinsim::setDecoyIds({otherId.toStdString()});

    connectAction()->trigger();

    QCOMPARE(countCalls("GetTAVRINId(0)"), 1);
    if (chosen) {
        // The first match is the only one tried: the other camera cannot be opened.
        QCOMPARE(countCalls("OpenTAVRIN(" + otherId.toStdString() + ")"), 1);
        QVERIFY(!logHas("GetTAVRINId(1)"));
        QVERIFY(!logHas("OpenTAVRIN(ORVANTA-SIM0001)"));
        QVERIFY(!cameraState.cameraConnected);
        QCOMPARE(answerer->boxes.size(), 1);
        QCOMPARE(answerer->boxes[0].title, QStringLiteral("Error"));
    } else {
        QVERIFY(!logHas("OpenTAVRIN(" + otherId.toStdString() + ")"));
        QCOMPARE(countCalls("OpenTAVRIN(ORVANTA-SIM0001)"), 1);
        QVERIFY(cameraState.cameraConnected);
        QVERIFY(answerer->boxes.isEmpty());
    }
}

void TestConnect::connectFailures_data()
{
    QTest::addColumn<tavrinsim::Fault>("fault");
    QTest::addColumn<QString>("logLine");  // empty: no critical line
    QTest::addColumn<int>("icon");         // QMessageBox::Icon, NoIcon for no box
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("opened");

    using F = tavrinsim::Fault;
    const QString notFound = QStringLiteral("Not Found TAVRIN Orvanta equipment!");
    QTest::newRow("no camera") << F::NoCamera << QString() << int(QMessageBox::Information) << "Info" << notFound
                               << false << false;
    QTest::newRow("id without prefix") << F::IdWithoutPrefix << QString() << int(QMessageBox::Information) << "Info"
                                       << notFound << false << false;
    QTest::newRow("id not readable") << F::GetIdFails << QString() << int(QMessageBox::Information) << "Info"
                                     << notFound << false << false;
    QTest::newRow("open fails") << F::OpenFails << "OpenTAVRIN failure!" << int(QMessageBox::Critical) << "Error"
                                << "Can not connect Orvanta as OpenTAVRIN error!" << false << true;
    QTest::newRow("read mode fails") << F::ReadModeFails << "SetTAVRINReadMode 0 Failure"
                                     << int(QMessageBox::NoIcon) << QString() << QString() << true << true;
    QTest::newRow("stream mode fails") << F::StreamModeFails << "SetTAVRINStreamMode 1 Failure"
                                       << int(QMessageBox::NoIcon) << QString() << QString() << false << true;
    QTest::newRow("init fails") << F::InitFails << "InitTAVRIN failure!" << int(QMessageBox::Critical) << "Error"
                                << "Can not connect Orvanta as InitTAVRIN error!" << false << true;
}

void TestConnect::connectFailures()
{
    QFETCH(tavrinsim::Fault, fault);
    QFETCH(QString, logLine);
    QFETCH(int, icon);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, connected);
    QFETCH(bool, opened);

    const QString titleBefore = window->windowTitle();
    tavrinsim::setFault(fault);
    connectAction()->trigger();

    QCOMPARE(criticals->messages, logLine.isEmpty() ? QStringList() : QStringList{logLine});
    if (icon == QMessageBox::NoIcon) {
        QVERIFY(answerer->boxes.isEmpty());
    } else {
        QCOMPARE(answerer->boxes.size(), 1);
        QCOMPARE(int(answerer->boxes[0].icon), icon);
        QCOMPARE(answerer->boxes[0].title, title);
        QCOMPARE(answerer->boxes[0].text, text);
    }
    QCOMPARE(bool(cameraState.cameraConnected), connected);
    QCOMPARE(logHas("OpenTAVRIN("), opened);
    QCOMPARE(connectAction()->text(), connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
    QCOMPARE(child<QMenu>("menuZoom")->isEnabled(), connected);
    QCOMPARE(child<QAction>("actionSave_As")->isEnabled(), connected);
    if (connected)
        return;
    QCOMPARE(window->windowTitle(), titleBefore);
    QVERIFY(!window->captureThread->isRunning());
    QVERIFY(!logHas("BeginTAVRINLive"));
    // A camera opened but not set up is closed again, so the next try can open it.
    QCOMPARE(countCalls("CloseTAVRIN()"), opened && fault != tavrinsim::Fault::OpenFails ? 1 : 0);
    tavrinsim::clearFaults();
    answerer->boxes.clear();
    connectCamera();
}

void TestConnect::overlongIdIsCut()
{
    tavrinsim::setFault(tavrinsim::Fault::IdTooLong);
    connectAction()->trigger();

    // 37 characters and the NUL; nothing written past the identifier's buffer.
    QCOMPARE(int(strnlen(cameraState.cameraId, sizeof cameraState.cameraId)), TAVRIN_ID_SIZE - 1);
    const std::string cut = tavrinsim::cameraId().substr(0, TAVRIN_ID_SIZE - 1);
    QCOMPARE(std::string(cameraState.cameraId), cut);
    QCOMPARE(countCalls("OpenTAVRIN(" + cut + ")"), 1);
    QVERIFY(cameraState.cameraConnected);
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta - ID:") + QString::fromStdString(cut));
}

void TestConnect::connectionCallOrderAndWindowState()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta"));
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > 0, 5000);

    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta - ID:ORVANTA-SIM0001"));
    QCOMPARE(connectAction()->text(), QStringLiteral("Disconnect"));
    for (const char *name : {"actionSave_As", "actionDisplay_Template", "actionAstronomical_Refraction",
                             "actionManual_Trace"})
        QVERIFY2(enabledWhenShown(child<QAction>(name)), name);
    QVERIFY(child<QMenu>("menuZoom")->isEnabled());
    QVERIFY(window->captureThread->isRunning());

    connectAction()->trigger();

    const std::vector<std::string> expected = {
        "ScanTAVRIN()", "GetTAVRINId(0)", "OpenTAVRIN(ORVANTA-SIM0001)", "SetTAVRINReadMode(0)",
        "SetTAVRINStreamMode(1)", "InitTAVRIN()", "SetTAVRINBitsMode(8)", "SetTAVRINBinMode(1,1)",
        "SetTAVRINResolution(0,0,1280,960)", "GetTAVRINParam(8)", "GetTAVRINParam(6)", "SetTAVRINParam(12,30)",
        "SetTAVRINParam(9,0)", "BeginTAVRINLive()", "GetTAVRINLiveFrame()", "StopTAVRINLive()", "CloseTAVRIN()"};
    QCOMPARE(tavrinsim::callLog(), expected);
    QVERIFY(criticals->messages.isEmpty());

    QVERIFY(!cameraState.cameraConnected);
    QCOMPARE(connectAction()->text(), QStringLiteral("Connect"));
    for (const char *name : {"actionSave_As", "actionDisplay_Template", "actionAstronomical_Refraction",
                             "actionManual_Trace"})
        QVERIFY2(!enabledWhenShown(child<QAction>(name)), name);
    QVERIFY(!child<QMenu>("menuZoom")->isEnabled());
    // The title keeps the last camera.
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta - ID:ORVANTA-SIM0001"));

    // And again: the thread and the camera can start over.
    tavrinsim::clearCallLog();
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(logHas("GetTAVRINLiveFrame"), 5000);
}

// The panel takes the camera's exposure and gain without sending them back.
void TestConnect::cameraValuesShownNotSent()
{
    connectCamera();
    SetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_EXPOSURE, 2500000.0);
    SetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_GAIN, 37.9);
    connectAction()->trigger();
    QVERIFY(!cameraState.cameraConnected);

    tavrinsim::clearCallLog();
    connectCamera();
    QCOMPARE(child<QSlider>("sliderExpose")->value(), 500);
    QCOMPARE(child<QLineEdit>("lineEditExpose")->text(), QStringLiteral("2500"));
    QCOMPARE(cameraState.exposureTime, 2500000.0);
    QCOMPARE(child<QSlider>("sliderGain")->value(), 37);
    QCOMPARE(child<QLineEdit>("lineEditGain")->text(), QStringLiteral("37"));
    QCOMPARE(cameraState.gain, 37.9);
    QVERIFY(!logHas("SetTAVRINParam(8,"));
    QVERIFY(!logHas("SetTAVRINParam(6,"));
}

void TestConnect::typedValues_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // text after Enter; empty: Enter not accepted
    QTest::addColumn<int>("sliderValue");
    QTest::addColumn<QString>("sent");    // the one SetTAVRINParam entry expected

    QTest::newRow("gain 0 becomes 1") << "lineEditGain" << "sliderGain" << "0" << "1" << 1 << "SetTAVRINParam(6,1)";
    QTest::newRow("speed 999 becomes 2") << "lineEditSpeed" << "sliderSpeed" << "999" << "2" << 2
                                         << "SetTAVRINParam(9,2)";
    QTest::newRow("exposure 007 keeps its zeros") << "lineEditExpose" << "sliderExpose" << "007" << "007" << 7
                                                  << "SetTAVRINParam(8,7000)";
    QTest::newRow("traffic 300 becomes 255") << "lineEditTraffic" << "sliderTraffic" << "300" << "255" << 255
                                             << "SetTAVRINParam(12,255)";
    QTest::newRow("traffic 0 stays") << "lineEditTraffic" << "sliderTraffic" << "0" << "0" << 0
                                     << "SetTAVRINParam(12,0)";
    QTest::newRow("too long for an int is the maximum") << "lineEditGain" << "sliderGain" << "99999999999" << "100"
                                                        << 100 << "SetTAVRINParam(6,100)";
}

void TestConnect::typedValues()
{
    QFETCH(QString, edit);
    QFETCH(QString, slider);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, sliderValue);
    QFETCH(QString, sent);

    connectCamera();
    auto *lineEdit = child<QLineEdit>(qPrintable(edit));
    auto *s = child<QSlider>(qPrintable(slider));
    lineEdit->clear();
    QTest::keyClicks(lineEdit, typed);
    QCOMPARE(lineEdit->text(), typed);
    tavrinsim::clearCallLog();
    QTest::keyClick(lineEdit, Qt::Key_Return);

    QCOMPARE(lineEdit->text(), shown);
    QCOMPARE(s->value(), sliderValue);
    // Sent once: the slider moved with its signals blocked.
    const std::string id = sent.toStdString().substr(0, sent.indexOf(',') + 1);
    int sends = 0;
    for (const auto &entry : tavrinsim::callLog())
        sends += entry.compare(0, id.size(), id) == 0;
    QCOMPARE(sends, 1);
    QCOMPARE(countCalls(sent.toStdString()), 1);
}

// Values are kept while no camera is there; traffic and speed go out at the next connect.
void TestConnect::controlsWhileDisconnected()
{
    child<QSlider>("sliderTraffic")->setValue(90);
    child<QSlider>("sliderSpeed")->setValue(1);
    child<QSlider>("sliderExpose")->setValue(40);
    auto *gain = child<QLineEdit>("lineEditGain");
    gain->setText(QStringLiteral("12"));
    QTest::keyClick(gain, Qt::Key_Return);
    QCOMPARE(cameraState.usbTraffic, 90.0);
    QCOMPARE(cameraState.usbSpeed, 1.0);
    QCOMPARE(cameraState.exposureTime, 40000.0);
    QCOMPARE(cameraState.gain, 12.0);
    QCOMPARE(child<QSlider>("sliderGain")->value(), 12);
    QVERIFY(!logHas("SetTAVRINParam"));

    connectCamera();
    QCOMPARE(countCalls("SetTAVRINParam(12,90)"), 1);
    QCOMPARE(countCalls("SetTAVRINParam(9,1)"), 1);
    QVERIFY(!logHas("SetTAVRINParam(8,"));
    QVERIFY(!logHas("SetTAVRINParam(6,"));
}

void TestConnect::libraryNotReady()
{
    window.reset();
    tavrinsim::reset();
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Never);
    tavrinsim::setFault(tavrinsim::Fault::InitResourceFails);
    cameraState.reset();
    criticals->messages.clear();
    window.reset(new MainWindow(nullptr));
    QCOMPARE(criticals->messages, QStringList{QStringLiteral("InitTAVRINResource: failed")});
    QVERIFY(!cameraState.cameraLibraryReady);

    tavrinsim::clearFaults();
    tavrinsim::clearCallLog();
    connectAction()->trigger();
    QTest::qWait(100);
    QVERIFY(tavrinsim::callLog().empty());
    QVERIFY(answerer->boxes.isEmpty());
    QVERIFY(!cameraState.cameraConnected);
    QCOMPARE(connectAction()->text(), QStringLiteral("Connect"));
}

// A slow frame call that notices when the camera was closed while it ran.
void TestConnect::watchFrameCalls()
{
    closedDuringFrameCall = false;
    CaptureThread::FrameSource source;
    source.getLiveFrame = [this](TAVRIN_HANDLE h, std::uint32_t *w, std::uint32_t *ht, std::uint32_t *bpp,
                                 std::uint32_t *ch, unsigned char *buf) {
        const int rc = GetTAVRINLiveFrame(h, w, ht, bpp, ch, buf);
        QThread::msleep(20);
        const auto names = tavrinsim::callNames();
        if (lastIndexOf(names, "CloseTAVRIN") > lastIndexOf(names, "GetTAVRINLiveFrame"))
            closedDuringFrameCall = true;
        return rc;
    };
    window->captureThread->setFrameSource(source);
    tavrinsim::setFramePacing(false);
}

void TestConnect::disconnectClosesAfterCaptureStops()
{
    watchFrameCalls();
    for (int round = 0; round < 3; ++round) {
        tavrinsim::clearCallLog();
        connectCamera();
        const long long before = tavrinsim::liveFrameCalls();
        QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > before + 2, 5000);
        connectAction()->trigger();
        QVERIFY(!cameraState.cameraConnected);
        QVERIFY(window->captureThread->isFinished());
        QTest::qWait(50);
        QVERIFY(!closedDuringFrameCall);

        const auto names = tavrinsim::callNames();
        QVERIFY(lastIndexOf(names, "GetTAVRINLiveFrame") < lastIndexOf(names, "StopTAVRINLive"));
        QVERIFY(lastIndexOf(names, "StopTAVRINLive") < lastIndexOf(names, "CloseTAVRIN"));
    }
}

void TestConnect::windowCloseClosesAfterCaptureStops()
{
    watchFrameCalls();
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > 2, 5000);
    QVERIFY(window->close());

    QVERIFY(window->captureThread->isFinished());
    QTest::qWait(50);
    QVERIFY(!closedDuringFrameCall);
    QVERIFY(!cameraState.cameraConnected);
    QVERIFY(!cameraState.cameraLibraryReady);
    QVERIFY(!window->displayTimer->isActive());
    QVERIFY(!window->angleTimer->isActive());
    QVERIFY(window->fpsTimer->isActive());
    QVERIFY(QFile::exists(settingsPath()));
    const auto names = tavrinsim::callNames();
    QVERIFY(lastIndexOf(names, "GetTAVRINLiveFrame") < lastIndexOf(names, "StopTAVRINLive"));
    QVERIFY(lastIndexOf(names, "StopTAVRINLive") < lastIndexOf(names, "CloseTAVRIN"));

    // Closed means closed: Connect does nothing any more.
    tavrinsim::clearCallLog();
    connectAction()->trigger();
    QVERIFY(tavrinsim::callLog().empty());
}

void TestConnect::closeFailureKeepsConnection()
{
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(tavrinsim::liveFrameCalls() > 0, 5000);
    window->statusPosLabel->setText(QStringLiteral("1.0,2.0"));

    tavrinsim::setFault(tavrinsim::Fault::CloseFails);
    connectAction()->trigger();
    QVERIFY(cameraState.cameraConnected);
    QCOMPARE(connectAction()->text(), QStringLiteral("Disconnect"));
    QVERIFY(child<QMenu>("menuZoom")->isEnabled());
    QVERIFY(!window->captureThread->isRunning());
    // The display is cleared whatever the close said.
    QCOMPARE(window->statusPosLabel->text(), QString());
    QVERIFY(child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(window->captureThread->queuedFrames(), 0);

    tavrinsim::clearFaults();
    connectAction()->trigger();
    QVERIFY(!cameraState.cameraConnected);
    QCOMPARE(countCalls("CloseTAVRIN()"), 2);
    QCOMPARE(connectAction()->text(), QStringLiteral("Connect"));
    QVERIFY(!child<QMenu>("menuZoom")->isEnabled());
}

QTEST_MAIN(TestConnect)
#include "test_connect.moc"
