// Camera connection, the four camera controls and the window close.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/cameraserver.h"
#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "capture/capturethread.h"
#include "widgets/magnifierwidget.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

const char kProductPrefix[] = "ORVANTA";

// Room for a library that writes more than the agreed 38 bytes, or no NUL at all.
const int kIdScratchSize = 256;

// "ORVANTA-serial" matches; the id is cut before its last hyphen, so a second
// hyphen or another spelling of the prefix does not.
bool hasProductPrefix(const char *id)
{
    const char *lastHyphen = std::strrchr(id, '-');
    const std::size_t length = lastHyphen ? std::size_t(lastHyphen - id) : std::strlen(id);
    return length == std::strlen(kProductPrefix) && std::strncmp(id, kProductPrefix, length) == 0;
}

// The first camera whose id carries the product prefix, copied into id (at most
// TAVRIN_ID_SIZE - 1 characters and a NUL). False when none does.
bool findProductCamera(char *id)
{
    const int count = tavrinLib.ScanTAVRIN();
    for (int index = 0; index < count; ++index) {
        char scratch[kIdScratchSize] = {};
        if (tavrinLib.GetTAVRINId(index, scratch) != 0)
            continue;
        char candidate[TAVRIN_ID_SIZE] = {};
        std::memcpy(candidate, scratch, strnlen(scratch, TAVRIN_ID_SIZE - 1));
        if (hasProductPrefix(candidate)) {
            std::memcpy(id, candidate, TAVRIN_ID_SIZE);
            return true;
        }
    }
    return false;
}

// A typed control value. The validator lets only digits through, so a text that
// does not read as an int is too big for one and counts as above every maximum.
int typedValue(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : INT_MAX;
}

// Confirms a typed value: clamps the text to the slider's range, moves the slider
// without firing its slot and returns the value to store.
double confirmTyped(QLineEdit *edit, QSlider *slider)
{
    {
        const QSignalBlocker blocker(slider);
        const int typed = typedValue(edit->text());
        if (typed < slider->minimum())
            edit->setText(QString::number(slider->minimum()));
        if (typed > slider->maximum())
            edit->setText(QString::number(slider->maximum()));
        slider->setValue(typedValue(edit->text()));
    }
    return edit->text().toDouble();
}

// A camera value for a slider whose unit is scale camera units. NaN, infinities
// and values beyond an int have no defined conversion: they are logged and
// taken as the slider's nearest end. Others are truncated, so a value past the
// slider's end still shows as it is in the line edit.
int panelValue(double &value, double scale, const QSlider *slider, int controlId)
{
    const double units = value / scale;
    if (std::isfinite(units) && units > double(INT_MIN) - 1.0 && units < double(INT_MAX) + 1.0)
        return int(units);
    const int clamped = units > 0 ? slider->maximum() : slider->minimum();
    qCritical("GetTAVRINParam %d: %g taken as %d", controlId, value, clamped);
    value = clamped * scale;
    return clamped;
}

void sendControl(int controlId, double value)
{
    if (cameraState.cameraConnected)
        tavrinLib.SetTAVRINParam(cameraState.cameraHandle, controlId, value);
}

// The menu entries that need a connected camera.
void enableCameraMenus(Ui::MainWindow *ui, bool on)
{
    ui->actionSave_As->setEnabled(on);
    ui->actionDisplay_Template->setEnabled(on);
    ui->actionAstronomical_Refraction->setEnabled(on);
    ui->actionManual_Trace->setEnabled(on);
    ui->menuZoom->setEnabled(on);
}

// The four camera controls are a slider and a line edit each, over one field of
// the camera state; scale turns the slider's unit into the camera's.
void sliderMoved(int value, QLineEdit *edit, double &field, int controlId, double scale = 1.0)
{
    field = value * scale;
    edit->setText(QString::number(value));
    sendControl(controlId, field);
}

void valueTyped(QLineEdit *edit, QSlider *slider, double &field, int controlId, double scale = 1.0)
{
    field = confirmTyped(edit, slider) * scale;
    sendControl(controlId, field);
}

} // namespace

int MainWindow::cameraWaitMs = 3000;
bool MainWindow::captureAbandonedFlag = false;

bool MainWindow::captureAbandoned()
{
    return captureAbandonedFlag;
}

bool MainWindow::stopCaptureWithin()
{
    if (!captureThread || !captureThread->isRunning())
        return true;
    captureThread->stopCapture();
    if (captureThread->wait(50))
        return true;
    // A frame call that does not return: keep painting and say what we wait for.
    waitingForCamera = true;
    statusBar()->showMessage(tr("Waiting for the camera..."));
    QEventLoop loop;
    connect(captureThread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(cameraWaitMs, &loop, &QEventLoop::quit);
    if (captureThread->isRunning())
        loop.exec();
    statusBar()->clearMessage();
    waitingForCamera = false;
    return captureThread->wait(0);
}

void MainWindow::on_actionConnect_triggered()
{
    if (!cameraState.cameraLibraryReady) {
        if (!tavrinLib.isLoaded())
            reportCameraLibrary();
        return;
    }
    if (waitingForCamera)
        return;

    if (cameraState.cameraConnected) {
        // The library must not be closed under a running GetTAVRINLiveFrame;
        // a camera that keeps it stays busy (connected) until a later try.
        if (!stopCaptureWithin()) {
            qCritical("Camera: a frame call does not return; the camera stays busy");
            statusBar()->showMessage(tr("The camera does not answer and stays busy; try Disconnect again later."));
            return;
        }
        if (cameraState.cameraHandle == 0)
            return;
        tavrinLib.StopTAVRINLive(cameraState.cameraHandle);
        if (tavrinLib.CloseTAVRIN(cameraState.cameraHandle) == 0) {
            cameraState.cameraConnected = false;
            ui->actionConnect->setText(tr("Connect"));
            setWindowTitle(tr("Orvanta"));
            setStep(0);
            enableCameraMenus(ui, false);
        }
        statusPosLabel->clear();
        captureThread->resetFrameRate();
        captureThread->clearFrameQueue();
        updateFPS();
        updateTimers();
        ui->label_showImg->clear();
        ui->label_showImg->setAttribute(Qt::WA_OpaquePaintEvent, false);
        // No longer held at the frame's size while nothing streams.
        ui->label_showImg->setMinimumSize(0, 0);
        ui->label_showImg->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        blankMagnifier();
        return;
    }

    applyCameraServer(cameraServer, region);
    if (!findProductCamera(cameraState.cameraId)) {
        QMessageBox::information(this, tr("Info"), tr("No TAVRIN Orvanta camera found."), QMessageBox::Ok);
        return;
    }

    cameraState.cameraHandle = tavrinLib.OpenTAVRIN(cameraState.cameraId);
    if (cameraState.cameraHandle == 0) {
        qCritical("OpenTAVRIN failure!");
        cameraState.cameraConnected = false;
        QMessageBox::critical(this, tr("Error"), tr("Cannot connect to Orvanta: OpenTAVRIN failed."),
                              QMessageBox::Ok);
        return;
    }
    if (tavrinLib.SetTAVRINReadMode(cameraState.cameraHandle, 0) == -1)
        qCritical("SetTAVRINReadMode 0 Failure");
    // A camera that cannot be set up is closed again, so the next try can open it.
    if (tavrinLib.SetTAVRINStreamMode(cameraState.cameraHandle, cameraState.streamMode) != 0) {
        qCritical("SetTAVRINStreamMode 1 Failure");
        cameraState.cameraConnected = false;
        tavrinLib.CloseTAVRIN(cameraState.cameraHandle);
        return;
    }
    if (tavrinLib.InitTAVRIN(cameraState.cameraHandle) != 0) {
        qCritical("InitTAVRIN failure!");
        cameraState.cameraConnected = false;
        tavrinLib.CloseTAVRIN(cameraState.cameraHandle);
        QMessageBox::critical(this, tr("Error"), tr("Cannot connect to Orvanta: InitTAVRIN failed."),
                              QMessageBox::Ok);
        return;
    }

    cameraState.cameraConnected = true;
    ui->actionConnect->setText(tr("Disconnect"));
    setStep(1);
    enableCameraMenus(ui, true);
    setWindowTitle(tr("Orvanta - ID:%1").arg(QString::fromLatin1(cameraState.cameraId)));

    const TAVRIN_HANDLE handle = cameraState.cameraHandle;
    tavrinLib.SetTAVRINBitsMode(handle, cameraState.bitsMode);
    tavrinLib.SetTAVRINBinMode(handle, cameraState.binX, cameraState.binY);
    tavrinLib.SetTAVRINResolution(handle, cameraState.roiStartX, cameraState.roiStartY, cameraState.frameWidth,
                        cameraState.frameHeight);

    // The panel shows what the camera has, unless this hemisphere has values of its own from before.
    cameraState.exposureTime = tavrinLib.GetTAVRINParam(handle, TAVRIN_CONTROL_EXPOSURE);
    const int exposureMs = panelValue(cameraState.exposureTime, 1000.0, ui->sliderExpose, TAVRIN_CONTROL_EXPOSURE);
    cameraState.gain = tavrinLib.GetTAVRINParam(handle, TAVRIN_CONTROL_GAIN);
    const int gain = panelValue(cameraState.gain, 1.0, ui->sliderGain, TAVRIN_CONTROL_GAIN);
    showExposureAndGain(exposureMs, gain);
    applySavedExposure();

    tavrinLib.SetTAVRINParam(handle, TAVRIN_CONTROL_TRAFFIC, cameraState.usbTraffic);
    tavrinLib.SetTAVRINParam(handle, TAVRIN_CONTROL_SPEED, cameraState.usbSpeed);

    captureThread->startCapture();
    checkCameraField();
    updateTimers();
}

void MainWindow::showExposureAndGain(int exposureMs, int gain)
{
    const std::pair<QSlider *, QLineEdit *> controls[] = {{ui->sliderExpose, ui->lineEditExpose},
                                                          {ui->sliderGain, ui->lineEditGain}};
    const int values[] = {exposureMs, gain};
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker blocker(controls[i].first);
        controls[i].first->setValue(values[i]);
        controls[i].second->setText(QString::number(values[i]));
    }
}

void MainWindow::applySavedExposure()
{
    const CameraPreset saved = cameraPresets[regionIndex()];
    if (!cameraState.cameraConnected || saved.exposureMs <= 0 || saved.gain <= 0)
        return;
    const int exposureMs = std::clamp(saved.exposureMs, ui->sliderExpose->minimum(), ui->sliderExpose->maximum());
    const int gain = std::clamp(saved.gain, ui->sliderGain->minimum(), ui->sliderGain->maximum());
    showExposureAndGain(exposureMs, gain);
    cameraState.exposureTime = exposureMs * 1000.0;
    cameraState.gain = gain;
    sendControl(TAVRIN_CONTROL_EXPOSURE, cameraState.exposureTime);
    sendControl(TAVRIN_CONTROL_GAIN, cameraState.gain);
}

void MainWindow::rememberExposure()
{
    if (cameraState.cameraConnected)
        cameraPresets[regionIndex()] = {int(cameraState.exposureTime / 1000.0), int(cameraState.gain)};
}

void MainWindow::on_sliderExpose_valueChanged(int value)
{
    // The slider is in milliseconds, the camera takes microseconds.
    sliderMoved(value, ui->lineEditExpose, cameraState.exposureTime, TAVRIN_CONTROL_EXPOSURE, 1000.0);
    rememberExposure();
}

void MainWindow::on_lineEditExpose_returnPressed()
{
    valueTyped(ui->lineEditExpose, ui->sliderExpose, cameraState.exposureTime, TAVRIN_CONTROL_EXPOSURE, 1000.0);
    rememberExposure();
}

void MainWindow::on_sliderGain_valueChanged(int value)
{
    sliderMoved(value, ui->lineEditGain, cameraState.gain, TAVRIN_CONTROL_GAIN);
    rememberExposure();
}

void MainWindow::on_lineEditGain_returnPressed()
{
    valueTyped(ui->lineEditGain, ui->sliderGain, cameraState.gain, TAVRIN_CONTROL_GAIN);
    rememberExposure();
}

void MainWindow::on_sliderTraffic_valueChanged(int value)
{
    sliderMoved(value, ui->lineEditTraffic, cameraState.usbTraffic, TAVRIN_CONTROL_TRAFFIC);
}

void MainWindow::on_lineEditTraffic_returnPressed()
{
    valueTyped(ui->lineEditTraffic, ui->sliderTraffic, cameraState.usbTraffic, TAVRIN_CONTROL_TRAFFIC);
}

void MainWindow::on_sliderSpeed_valueChanged(int value)
{
    sliderMoved(value, ui->lineEditSpeed, cameraState.usbSpeed, TAVRIN_CONTROL_SPEED);
}

void MainWindow::on_lineEditSpeed_returnPressed()
{
    valueTyped(ui->lineEditSpeed, ui->sliderSpeed, cameraState.usbSpeed, TAVRIN_CONTROL_SPEED);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (waitingForCamera) {
        event->ignore();
        return;
    }
    writeSettings();

    for (QTimer *timer : {glowTimer, angleTimer, fpsTimer, skyTimer}) {
        if (timer)
            timer->stop();
    }

    // Wait for the loop to leave the library before the camera is closed; a
    // camera that never answers is left as it is, and the program ends anyway.
    if (!stopCaptureWithin()) {
        qCritical("Camera: a frame call does not return; closing without the camera");
        captureAbandonedFlag = true;
    } else if (cameraState.cameraConnected && cameraState.cameraHandle != 0) {
        tavrinLib.StopTAVRINLive(cameraState.cameraHandle);
        if (tavrinLib.CloseTAVRIN(cameraState.cameraHandle) == 0)
            cameraState.cameraConnected = false;
    }

    cameraState.cameraLibraryReady = false;
    event->accept();
}
