// Panel appearance: colour styles, group heads, slider glow, turning mark.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "capture/liveviewstate.h"

#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor kColorGlow(224, 134, 26, 255);
const QColor kMonoGlow(248, 248, 255, 255);

void setHead(QPushButton *head, QWidget *content, bool open)
{
    content->setVisible(open);
    head->setIcon(QIcon(open ? QStringLiteral(":/images/collapse.png") : QStringLiteral(":/images/expand.png")));
}

} // namespace

void MainWindow::on_pushButton_head_region_toggled(bool checked)
{
    setHead(ui->pushButton_head_region, ui->widget_region, checked);
}

void MainWindow::on_pushButton_head_setting_toggled(bool checked)
{
    setHead(ui->pushButton_head_setting, ui->widget_setting, checked);
}

void MainWindow::on_pushButton_head_confirm_toggled(bool checked)
{
    setHead(ui->pushButton_head_confirm, ui->widget_confirm, checked);
}

void MainWindow::on_pushButton_head_rough_toggled(bool checked)
{
    setHead(ui->pushButton_head_rough, ui->widget_rough, checked);
}

void MainWindow::on_pushButton_head_precise_toggled(bool checked)
{
    setHead(ui->pushButton_head_precise, ui->widget_precise, checked);
}

// The lights count the picked star positions; steps without a fixed count (10 and
// those outside the picking) keep whatever they show.
void MainWindow::restyleStarLights()
{
    int lit = -1;
    switch (currentStep) {
    case 3:
        lit = 0;
        break;
    case 4:
    case 5:
        lit = 1;
        break;
    case 6:
    case 7:
        lit = 2;
        break;
    case 8:
    case 9:
    case 11:
        lit = 3;
        break;
    default:
        return;
    }
    const bool mono = liveViewState.get(&LiveView::style) == QLatin1String("Mono");
    const QPixmap on(mono ? QStringLiteral(":/images/lighton_mono.png") : QStringLiteral(":/images/lighton_color.png"));
    const QPixmap off(mono ? QStringLiteral(":/images/lightoff_mono.png")
                           : QStringLiteral(":/images/lightoff_color.png"));
    QLabel *lights[] = {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon};
    for (int i = 0; i < 3; ++i)
        lights[i]->setPixmap(i < lit ? on : off);
}

void MainWindow::on_actionMono_Style_toggled(bool checked)
{
    const bool mono = checked;
    liveViewState.set(&LiveView::style, mono ? QStringLiteral("Mono") : QStringLiteral("Color"));

    applyStyleLook(mono);
    restyleStarLights();
}

void MainWindow::applyStyleLook(bool mono)
{
    const QColor glow = mono ? kMonoGlow : kColorGlow;
    confirmSliderGlow->setColor(glow);
    roughSliderGlow->setColor(glow);

    ui->label_precise_poleIcon->setPixmap(
        QPixmap(mono ? QStringLiteral(":/images/pole.png") : QStringLiteral(":/images/pole_color.png")));
    ui->label_precise_axisIcon->setPixmap(
        QPixmap(mono ? QStringLiteral(":/images/center.png") : QStringLiteral(":/images/center_color.png")));
}

// Draws the eye to the rotate slider of the current step after a double click.
void MainWindow::graphicsEffectTimeout()
{
    if (currentStep == 2)
        confirmSliderGlow->setEnabled(!confirmSliderGlow->isEnabled());
    else if (currentStep == 9 || currentStep == 11)
        roughSliderGlow->setEnabled(!roughSliderGlow->isEnabled());
}

void MainWindow::updateTimers()
{
    const bool connected = cameraState.cameraConnected;
    if (connected != fpsTimer->isActive())
        connected ? fpsTimer->start() : fpsTimer->stop();
    const bool turning = connected && liveViewState.get(&LiveView::showExpectedPole);
    if (turning != angleTimer->isActive())
        turning ? angleTimer->start() : angleTimer->stop();
}

// Turns the expected-position target: 0, 10, ..., 70 degrees, then again.
void MainWindow::increaseAngleTimeout()
{
    liveViewState.update([](LiveView &v) {
        const double next = v.markAngle + 10.0;
        v.markAngle = next > 72.0 ? 0.0 : next;
    });
}
