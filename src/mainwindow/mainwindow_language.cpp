// Run-time language switching and the manual link.
#include "mainwindow/mainwindow.h"

// Catalogue loading not written yet.
void MainWindow::languageChanged() {}

// Language actions not written yet.
void MainWindow::on_actionEnglish_toggled(bool) {}
void MainWindow::on_actionChinese_toggled(bool) {}
void MainWindow::on_actionJapanese_toggled(bool) {}
void MainWindow::on_actionRussian_toggled(bool) {}
void MainWindow::on_actionFrench_toggled(bool) {}
void MainWindow::on_actionGerman_toggled(bool) {}
void MainWindow::on_actionSpanish_toggled(bool) {}
void MainWindow::on_actionPortuguese_toggled(bool) {}
void MainWindow::on_actionItalian_toggled(bool) {}
void MainWindow::on_actionKorean_toggled(bool) {}

// Manual link not written yet.
void MainWindow::on_actionOrvanta_Manual_triggered() {}
