// The star template data and the poles marked on the template images.
#include "mainwindow/mainwindow.h"

#include "starmath/startemplate.h"

#include <QDate>

void MainWindow::loadStarsData()
{
    loadStarTemplates(QDate::currentDate());
}

void MainWindow::calcMaskPoles()
{
    calcTemplatePoles(&northMask, &southMask);
}
