// The settings file beside the executable.
#include "mainwindow/mainwindow.h"

// Reading not written yet: report no file, so the constructor applies the defaults.
bool MainWindow::readSettings()
{
    return false;
}

// Writing not written yet.
void MainWindow::writeSettings() {}
