// Showing frames and zoom crops, the frame rate, and the display zoom.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "widgets/magnifierwidget.h"

#include <QDateTime>
#include <QLabel>
#include <QPixmap>

namespace {

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

QString positionText(const QPointF &p)
{
    return QLatin1Char('(') + QString::number(p.x(), 'f', 1) + QLatin1Char(',') + QString::number(p.y(), 'f', 1)
           + QLatin1Char(')');
}

// Only the display scales; frames, marks and stored positions stay in frame pixels.
// In the steps that show the template it stays on the same frame point.
void applyZoom(MainWindow *w, float zoom)
{
    w->zoomFactor = zoom;
    if (w->captureThread)
        w->captureThread->setDisplayScale(zoom);
    w->scaleDirectionArrow(w->zoomFactor);
    w->showTemplateImage(w->zoomFactor, w->region);
    const int step = w->currentStep;
    if (step == 2 || step == 9 || step == 11) {
        w->pickPos = QPoint(int(w->pickFramePos.x() * w->zoomFactor), int(w->pickFramePos.y() * w->zoomFactor));
        w->rotateTemplate(w->templateAngle);
    }
}

} // namespace

void MainWindow::showImages()
{
    QImage frame;
    if (captureThread->takeFrame(&frame)) {
        sinceLastFrame.start();
        const int width = int(cameraState.frameWidth * zoomFactor);
        const int height = int(cameraState.frameHeight * zoomFactor);
        // Frames come at the display size; one made before a zoom change is scaled here.
        if (frame.size() != QSize(width, height))
            frame = frame.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shownFrame = frame;
        // The display's own format: the pixmap shares the frame's bytes.
        const QPixmap pixmap = QPixmap::fromImage(shownFrame);
        QLabel *label = ui->label_showImg;
        // A fixed size spares a layout pass for every new pixmap.
        if (label->minimumSize() != pixmap.size() || label->maximumSize() != pixmap.size())
            label->setFixedSize(pixmap.size());
        // The frame covers the label: no background painted under it every frame.
        label->setAttribute(Qt::WA_OpaquePaintEvent, true);
        label->setPixmap(pixmap);
        magnifier->setPixmap(pixmap);
        magnifier->refreshBackdrop();
        magnifier->update();
    }

    showRoughPolarError();

    // Crops left over from an earlier monitoring run wait until it runs again.
    const LiveView view = liveViewState.snapshot();
    QImage zoom;
    if (view.monitorPole && captureThread->takeZoom(&zoom)) {
        shownZoom = zoom;
        const QPixmap pixmap = QPixmap::fromImage(shownZoom);
        QLabel *label = ui->label_biggerImg;
        if (label->minimumSize() != pixmap.size() || label->maximumSize() != pixmap.size()) {
            // Fixed like the frame's label; placed where the label's own alignment put the picture.
            label->setFixedSize(pixmap.size());
            ui->gridLayout_15->setAlignment(label, label->alignment());
        }
        label->setAttribute(Qt::WA_OpaquePaintEvent, true);
        label->setPixmap(pixmap);
        // Figures nobody can read at 10 a second cost a text layout each; a few a
        // second follow the bolts as fast as a hand turns them.
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now - figuresTime >= 250 || now < figuresTime) {
            figuresTime = now;
            setTextIfChanged(ui->label_refStarA_pos, positionText(view.starA));
            setTextIfChanged(ui->label_refStarB_pos, positionText(view.starB));
            setTextIfChanged(ui->label_pole,
                             view.starsLost ? tr("reference stars lost") : positionText(view.livePole));
            const bool trueTarget = refractionValues().enabledCorrect && view.sky.valid;
            setTextIfChanged(ui->label_polarError,
                             polarErrorText(view.polarError, region != QLatin1String("North"), trueTarget));
        }
    }
}

void MainWindow::updateFPS()
{
    int fpsInteger = 0;
    int fpsDecimal = 0;
    captureThread->frameRate(&fpsInteger, &fpsDecimal);
    // A camera that stopped sending (its server gone, a cable out) reads 0, not the
    // rate of its last frames; three intervals and at least 3 s make it stopped.
    const double rate = fpsInteger + fpsDecimal / 10.0;
    if (rate > 0 && sinceLastFrame.isValid() && sinceLastFrame.elapsed() > qMax(3000.0, 3000.0 / rate))
        fpsInteger = fpsDecimal = 0;
    fpsLabel->setText(QStringLiteral("FPS : %1.%2").arg(fpsInteger).arg(fpsDecimal));
}

void MainWindow::on_action100_toggled(bool checked)
{
    if (checked)
        applyZoom(this, 1.0f);
}

void MainWindow::on_action75_toggled(bool checked)
{
    if (checked)
        applyZoom(this, 0.75f);
}

void MainWindow::on_action50_toggled(bool checked)
{
    if (checked)
        applyZoom(this, 0.5f);
}
