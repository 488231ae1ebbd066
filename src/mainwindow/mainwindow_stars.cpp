// The star template data and the poles marked on the template images.
#include "mainwindow/mainwindow.h"

#include "starmath/startemplate.h"

#include <QDate>

QDate MainWindow::starDataDay;

void MainWindow::loadStarsData()
{
    loadStarTemplates(starDataDay.isValid() ? starDataDay : QDate::currentDate());
}

void MainWindow::calcMaskPoles()
{
    calcTemplatePoles(&northMask, &southMask);
}
