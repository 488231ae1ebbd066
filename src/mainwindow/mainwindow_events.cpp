// Mouse work on the live image: position read-out, magnifier and star picking.
#include "mainwindow/mainwindow.h"

// Image interaction not written yet.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    return QMainWindow::eventFilter(watched, event);
}
