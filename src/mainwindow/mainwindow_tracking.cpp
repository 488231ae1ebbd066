// Turning the reference-star search positions after a slew.
#include "mainwindow/mainwindow.h"

// Pole tracking not written yet.
void MainWindow::poleTracking(double) {}
