// Camera connection, the four camera controls and the window close.
#include "mainwindow/mainwindow.h"

#include <QCloseEvent>

// Connection not written yet.
void MainWindow::on_actionConnect_triggered() {}

// Camera controls not written yet.
void MainWindow::on_sliderExpose_valueChanged(int) {}
void MainWindow::on_lineEditExpose_returnPressed() {}
void MainWindow::on_sliderGain_valueChanged(int) {}
void MainWindow::on_lineEditGain_returnPressed() {}
void MainWindow::on_sliderTraffic_valueChanged(int) {}
void MainWindow::on_lineEditTraffic_returnPressed() {}
void MainWindow::on_sliderSpeed_valueChanged(int) {}
void MainWindow::on_lineEditSpeed_returnPressed() {}

// Close handling (settings, timers, capture, camera) not written yet.
void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
}
