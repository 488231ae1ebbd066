// The alignment step machine and the tip panel over the live image.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include <QTabWidget>

// For now only the empty panel; its thirteen pages come with the step machine.
void MainWindow::createTipPanel()
{
    tabWidget_tipMsg = new QTabWidget(ui->scrollArea_showImg);
    tabWidget_tipMsg->setObjectName(QStringLiteral("tabWidget_tipMsg"));
    tabWidget_tipMsg->hide();
}

// Step machine not written yet.
void MainWindow::setStep(int)
{
}

// Region-dependent tips not written yet.
void MainWindow::setTipsForRegion(QString)
{
}

// Step buttons: wired up with the step machine.
void MainWindow::pushbuttonSettingDoneClicked() {}
void MainWindow::pushbuttonConfirmDoneClicked() {}
void MainWindow::pushbuttonRotateStar1ResetClicked() {}
void MainWindow::pushbuttonRotateStar1DoneClicked() {}
void MainWindow::pushbuttonGetStar2ResetClicked() {}
void MainWindow::pushbuttonRotateStar2ResetClicked() {}
void MainWindow::pushbuttonRotateStar2DoneClicked() {}
void MainWindow::pushbuttonGetStar3ResetClicked() {}
void MainWindow::pushbuttonValidateCenterResetClicked() {}
void MainWindow::pushbuttonValidateCenterDoneClicked() {}
void MainWindow::pushbuttonGetEptPolarisDoneClicked() {}
void MainWindow::pushbuttonMovePolarisDoneClicked() {}
void MainWindow::pushbuttonGetCurPolarisDoneClicked() {}
void MainWindow::pushbuttonFinetunePoleResetClicked() {}
void MainWindow::pushbuttonFinetunePoleDoneClicked() {}

// Region choice: restarts the procedure once the step machine exists.
void MainWindow::on_radioButton_north_toggled(bool) {}
void MainWindow::on_radioButton_south_toggled(bool) {}

void MainWindow::on_pushButton_monitor_clicked() {}

// After a language change; the tip texts follow with the step machine.
void MainWindow::uiReset()
{
    ui->retranslateUi(this);
}
