// Mouse work on the live image: position read-out, magnifier and star picking.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "starmath/starmath.h"
#include "widgets/fittext.h"
#include "widgets/magnifierwidget.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>

namespace {

QString positionText(double x, double y)
{
    return QStringLiteral("(") + QString::number(x, 'f', 1) + QStringLiteral(",") + QString::number(y, 'f', 1) +
           QStringLiteral(")");
}

} // namespace

// Status-bar position and magnifier for a point in label pixels.
void MainWindow::trackPointer(const QPoint &labelPos)
{
    const double fx = labelPos.x() / double(zoomFactor);
    const double fy = labelPos.y() / double(zoomFactor);
    statusPosLabel->setText(QString::number(fx, 'f', 1) + QStringLiteral(",") + QString::number(fy, 'f', 1));
    // A fixed-width label: with a wider font than the designed one the figures would be cut off.
    fitLineText(statusPosLabel);

    const QPixmap shown = ui->label_showImg->pixmap(Qt::ReturnByValue);
    if (!shown.isNull()) {
        magnifier->setPixmap(shown);
        magnifier->setCenter(labelPos.x(), labelPos.y());
        magnifier->update();
    } else {
        qCritical("no pixmap has been set in the Label_showImg");
    }
}

// The template is centred on the click, not on the measured star: the user aims
// at the pole star and then turns the template about that point.
void MainWindow::placeTemplate(const QPoint &labelPos)
{
    pickPos = labelPos;
    pickFramePos = QPointF(labelPos.x() / double(zoomFactor), labelPos.y() / double(zoomFactor));

    QLabel *templ = ui->label_templateImg;
    templ->move(labelPos.x() - templ->width() / 2, labelPos.y() - templ->height() / 2);
    templ->show();
    rotateTemplate(templateAngle);
    focusAngleBox();
}

// A double click on the image: measure the star there and act for the current step.
void MainWindow::pickStar(const QPoint &labelPos)
{
    const double fx = labelPos.x() / double(zoomFactor);
    const double fy = labelPos.y() / double(zoomFactor);

    // The capture thread rewrites its frame all the time; measure on a copy of it.
    // The brightest pixel of flat, saturated or noisy sky is no star: only a centroid
    // on a star-like peak counts.
    const cv::Mat gray = captureThread->copyGrayFrame();
    double sx = fx;
    double sy = fy;
    QPointF star;
    if (starMath.GetPreciseStarPos(gray, fx, fy, &sx, &sy) != 0
        || !measureStar(gray, QPointF(fx, fy), kClickRadius, &star)) {
        QMessageBox::warning(this, tr("Warn"), tr("Seems no star in this point, please try other point."),
                             QMessageBox::Ok);
        return;
    }
    sx = star.x();
    sy = star.y();

    switch (currentStep) {
    case 2:
        placeTemplate(labelPos);
        glowTimer->start();
        break;
    case 9:
    case 11:
        placeTemplate(labelPos);
        poleStarPos = QPointF(sx, sy);
        ui->label_curPos->setText(positionText(sx, sy));
        glowTimer->start();
        break;
    case 3:
    case 5:
    case 7:
        beginPick(star);
        break;
    default:
        break;
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();

    if (ui && watched == ui->label_showImg) {
        if (!cameraState.cameraConnected || (type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove))
            return QMainWindow::eventFilter(watched, event);
        const QPointF local = static_cast<QMouseEvent *>(event)->localPos();
        const QPoint labelPos(qRound(local.x()), qRound(local.y()));
        trackPointer(labelPos);
        if (type == QEvent::MouseButtonDblClick)
            pickStar(labelPos);
        return true;
    }

    // The tip panel lies over the image: keep following the pointer across it.
    if (tabWidget_tipMsg && type == QEvent::MouseMove && cameraState.cameraConnected) {
        auto *page = qobject_cast<QWidget *>(watched);
        if (page && tabWidget_tipMsg->indexOf(page) >= 0) {
            const QPointF local = static_cast<QMouseEvent *>(event)->localPos();
            trackPointer(tabWidget_tipMsg->pos() + QPoint(qRound(local.x()), qRound(local.y())));
            return true;
        }
    }

    return QMainWindow::eventFilter(watched, event);
}
