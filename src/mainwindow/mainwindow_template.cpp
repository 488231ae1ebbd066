// The star template overlay and its matching rotation.
//
// The template image has one pixel per frame pixel at zoom 1.0 and the pole star
// at its centre. It is drawn centred on the last double-clicked point (pickPos,
// label pixels) and turned by templateAngle, which both match sliders share.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "capture/liveviewstate.h"
#include "starmath/starmath.h"

#include <QLabel>
#include <QPixmap>
#include <QTransform>

void MainWindow::rotateTemplate(int angle)
{
    QLabel *templ = ui->label_templateImg;
    // Hidden means the current step has no template; checked on the widget's own
    // state so that a window not (yet) on screen still draws it.
    if (templ->isHidden())
        return;

    const QImage &mask = regionMask(region == QLatin1String("South"));
    if (mask.isNull())
        return;
    const QImage scaled = mask.scaled(int(mask.width() * zoomFactor), int(mask.height() * zoomFactor),
                                      Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Qt's rotation turns clockwise on screen, like RotatePoint.
    const QImage rotated = scaled.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);

    const QPoint centre = rotated.rect().center();
    templ->setGeometry(pickPos.x() - centre.x(), pickPos.y() - centre.y(), rotated.width(), rotated.height());
    templ->setPixmap(QPixmap::fromImage(rotated));
}

void MainWindow::showTemplateImage(float zoom, QString region)
{
    const QImage *mask = nullptr;
    if (region == QLatin1String("South"))
        mask = &regionMask(true);
    else if (region == QLatin1String("North"))
        mask = &regionMask(false);
    if (!mask || mask->isNull())
        return;

    const int w = int(mask->width() * zoom);
    const int h = int(mask->height() * zoom);
    const QImage scaled = mask->scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int left = int(pickFramePos.x() * zoom - w / 2);
    const int top = int(pickFramePos.y() * zoom - h / 2);
    ui->label_templateImg->setGeometry(left, top, w, h);
    ui->label_templateImg->setPixmap(QPixmap::fromImage(scaled));
}

void MainWindow::scaleDirectionArrow(float zoom)
{
    const QPixmap arrow(QStringLiteral(":/images/direction.png"));
    if (arrow.isNull() || !directionArrow)
        return;
    directionArrow->setPixmap(arrow.scaled(int(arrow.width() * zoom), int(arrow.height() * zoom),
                                           Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The pole star must stand where the true pole falls on the axis centre: the axis
// centre minus the template's pole-star-to-pole vector, turned by the match angle.
void MainWindow::updateExpectedPole()
{
    double px = 0.0;
    double py = 0.0;
    starMath.RotatePoint(templateAngle, curMaskPole.x(), curMaskPole.y(), curMaskB.x(), curMaskB.y(), &px, &py);
    const QPointF axis = liveViewState.get(&LiveView::axisCenter);
    const QPointF expected(axis.x() + (curMaskB.x() - px), axis.y() + (curMaskB.y() - py));
    liveViewState.set(&LiveView::expectedPole, expected);
    ui->label_eptPos->setText(QStringLiteral("(") + QString::number(expected.x(), 'f', 1) + QStringLiteral(",") +
                              QString::number(expected.y(), 'f', 1) + QStringLiteral(")"));
}

void MainWindow::on_horizontalSlider_confirm_match_valueChanged(int value)
{
    templateAngle = value;
    rotateTemplate(value);
}

void MainWindow::on_horizontalSlider_rough_match_valueChanged(int value)
{
    templateAngle = value;
    rotateTemplate(value);
    updateExpectedPole();
}

// The buttons step the shared angle, not their slider's own value, and redraw
// through the slider's valueChanged.
void MainWindow::on_pushButton_confirm_minus_clicked()
{
    templateAngle = qMax(0, templateAngle - 1);
    ui->horizontalSlider_confirm_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_confirm_add_clicked()
{
    templateAngle = qMin(360, templateAngle + 1);
    ui->horizontalSlider_confirm_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_rough_minus_clicked()
{
    templateAngle = qMax(0, templateAngle - 1);
    ui->horizontalSlider_rough_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_rough_add_clicked()
{
    templateAngle = qMin(360, templateAngle + 1);
    ui->horizontalSlider_rough_match->setValue(templateAngle);
}
