// Showing frames and zoom crops, the frame rate, and the display zoom.
#include "mainwindow/mainwindow.h"

// Display not written yet.
void MainWindow::showImages() {}
void MainWindow::updateFPS() {}

// Zoom not written yet.
void MainWindow::on_action100_toggled(bool) {}
void MainWindow::on_action75_toggled(bool) {}
void MainWindow::on_action50_toggled(bool) {}
