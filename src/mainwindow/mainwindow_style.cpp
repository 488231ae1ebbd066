// Panel appearance: colour styles, group heads, slider glow, turning mark.
#include "mainwindow/mainwindow.h"

// Group heads: opening and closing not written yet.
void MainWindow::on_pushButton_head_region_toggled(bool) {}
void MainWindow::on_pushButton_head_setting_toggled(bool) {}
void MainWindow::on_pushButton_head_confirm_toggled(bool) {}
void MainWindow::on_pushButton_head_rough_toggled(bool) {}
void MainWindow::on_pushButton_head_precise_toggled(bool) {}

// Style switch not written yet.
void MainWindow::on_actionMono_Style_toggled(bool) {}

// Glow blinking and mark turning not written yet.
void MainWindow::graphicsEffectTimeout() {}
void MainWindow::increaseAngleTimeout() {}
