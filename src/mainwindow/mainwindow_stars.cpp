// The star template data and the poles marked on the template images.
#include "mainwindow/mainwindow.h"

#include "starmath/startemplate.h"

#include <QDate>
#include <QImage>

QDate MainWindow::starDataDay;

void MainWindow::loadStarsData()
{
    loadStarTemplates(starDataDay.isValid() ? starDataDay : QDate::currentDate());
}

void MainWindow::calcMaskPoles()
{
    calcTemplatePoles();
    // Decoded and marked when the template is first drawn.
    northMask = QImage();
    southMask = QImage();
}

const QImage &MainWindow::regionMask(bool south)
{
    QImage &mask = south ? southMask : northMask;
    if (mask.isNull()) {
        mask.load(south ? QStringLiteral(":/images/south_mask.png") : QStringLiteral(":/images/north_mask.png"));
        markTemplatePole(south ? southTemplate : northTemplate, &mask);
    }
    return mask;
}
