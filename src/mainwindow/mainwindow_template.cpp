// The star template overlay and its matching rotation.
#include "mainwindow/mainwindow.h"

// Template overlay not written yet.
void MainWindow::rotateTemplate(int) {}
void MainWindow::showTemplateImage(float, QString) {}
void MainWindow::scaleDirectionArrow(float) {}

void MainWindow::on_horizontalSlider_confirm_match_valueChanged(int) {}
void MainWindow::on_pushButton_confirm_minus_clicked() {}
void MainWindow::on_pushButton_confirm_add_clicked() {}
void MainWindow::on_horizontalSlider_rough_match_valueChanged(int) {}
void MainWindow::on_pushButton_rough_minus_clicked() {}
void MainWindow::on_pushButton_rough_add_clicked() {}
