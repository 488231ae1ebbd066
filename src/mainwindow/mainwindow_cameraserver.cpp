// INDI cameras: the Device menu's camera server dialog, handing its settings to
// the camera library, and the field-of-view check after a connect.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/cameraserver.h"
#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "dialogs/cameraserverdialog.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace {

// What the library's scan finds with these settings; the camera library must be
// ready. The real settings are handed over again on OK, Cancel and every connect.
CameraServerDialog::TestResult testServer(const CameraServerSettings &settings, const QString &region)
{
    CameraServerDialog::TestResult result;
    applyCameraServer(settings, region);
    if (!cameraState.cameraLibraryReady)
        return result;
    tavrinLib.ScanTAVRIN();
    result.status = tavrinOption("server_status");
    const QString ids = tavrinOption("cameras");
    if (!ids.isEmpty())
        result.ids = ids.split(QLatin1Char('\n'));
    return result;
}

} // namespace

void MainWindow::createCameraServerMenu()
{
    // A camera library without the settings entry point has nothing to set here.
    if (!tavrinOptionEntry())
        return;
    actionCamera_Server = new QAction(this);
    actionCamera_Server->setObjectName(QStringLiteral("actionCamera_Server"));
    ui->menuDevice->addAction(actionCamera_Server);
    connect(actionCamera_Server, &QAction::triggered, this, &MainWindow::openCameraServerDialog);
    actionCamera_Server->setText(CameraServerDialog::menuText());
}

void MainWindow::openCameraServerDialog()
{
    // Made when first asked for: a quicker start.
    if (!cameraServerDialog) {
        cameraServerDialog = new CameraServerDialog(
            this, [this](const CameraServerSettings &s) { return testServer(s, region); });
        connect(this, &MainWindow::resetUI, cameraServerDialog, &CameraServerDialog::uiReset);
    }
    cameraServerDialog->setSettings(cameraServer);
    if (cameraServerDialog->exec() == QDialog::Accepted)
        cameraServer = cameraServerDialog->settings();
    applyCameraServer(cameraServer, region);
}

void MainWindow::checkCameraField()
{
    const QString field = tavrinOption("field");
    const FieldCheck check = checkField(field, cameraServer.focalLength);
    if (check.result == FieldCheck::NoFocalLength)
        QMessageBox::warning(this, tr("Warn"), CameraServerDialog::noFocalLengthText(), QMessageBox::Ok);
    else if (check.result == FieldCheck::TooNarrow)
        QMessageBox::warning(this, tr("Warn"),
                             CameraServerDialog::tooNarrowText(cameraServer.focalLength, field, check.maxFocalLength),
                             QMessageBox::Ok);
}
