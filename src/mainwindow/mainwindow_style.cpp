// Panel appearance: colour styles, group heads, slider glow, turning mark.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "capture/liveviewstate.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/documentviewer.h"
#include "widgets/magnifierwidget.h"
#include "widgets/nightstyle.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kColorGlow(224, 134, 26, 255);
const QColor kMonoGlow(248, 248, 255, 255);
const QColor kNightGlow(200, 0, 0, 255);

// For what the night style sheet does not reach: dials, check marks, the
// platform's own dialogs.
QPalette nightPalette()
{
    QPalette p;
    const QColor text(177, 0, 0);
    const QColor dark(0, 0, 0);
    const QColor mid(40, 0, 0);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase,
                      QPalette::Shadow})
        p.setColor(role, dark);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                      QPalette::BrightText, QPalette::Link, QPalette::LinkVisited, QPalette::HighlightedText,
                      QPalette::PlaceholderText})
        p.setColor(role, text);
    for (auto role : {QPalette::Button, QPalette::Mid, QPalette::Dark, QPalette::Highlight})
        p.setColor(role, mid);
    p.setColor(QPalette::Light, QColor(70, 0, 0));
    p.setColor(QPalette::Midlight, QColor(55, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(80, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(80, 0, 0));
    return p;
}

bool nightSheetOn = false;
QString daySheet;
QPalette dayPalette;

QString readSheet(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QIcon headIcon(bool open)
{
    const bool night = liveViewState.get(&LiveView::style) == QLatin1String("Night");
    const QString path = QStringLiteral(":/images/%1%2.png")
                             .arg(night ? QStringLiteral("night/") : QString(),
                                  open ? QStringLiteral("collapse") : QStringLiteral("expand"));
    QIcon icon(path);
    // The heads are mostly disabled, and the style's grey for that would undo the red.
    if (night)
        icon.addFile(path, QSize(), QIcon::Disabled);
    return icon;
}

void setHead(QPushButton *head, QWidget *content, bool open)
{
    content->setVisible(open);
    head->setIcon(headIcon(open));
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
    const QString on(mono ? QStringLiteral(":/images/lighton_mono.png") : QStringLiteral(":/images/lighton_color.png"));
    const QString off(mono ? QStringLiteral(":/images/lightoff_mono.png")
                           : QStringLiteral(":/images/lightoff_color.png"));
    QLabel *lights[] = {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon};
    for (int i = 0; i < 3; ++i)
        setStyledPixmap(lights[i], i < lit ? on : off);
}

// Colour, "Mono" and "Night" exclude one another; the group sends false to the
// style it leaves before true to the one it enters.
void MainWindow::on_actionMono_Style_toggled(bool checked)
{
    setPanelStyle(checked ? QStringLiteral("Mono") : QStringLiteral("Color"));
}

void MainWindow::on_actionNight_Style_toggled(bool checked)
{
    setPanelStyle(checked ? QStringLiteral("Night") : QStringLiteral("Color"));
}

void MainWindow::setPanelStyle(const QString &style)
{
    liveViewState.set(&LiveView::style, style);
    applyStyleLook(style == QLatin1String("Mono"));
    restyleStarLights();
}

bool MainWindow::nightStyle() const
{
    return liveViewState.get(&LiveView::style) == QLatin1String("Night");
}

QImage MainWindow::styledImage(const QImage &image) const
{
    return nightStyle() ? nightTinted(image) : image;
}

QPixmap MainWindow::styledPixmap(const QString &path) const
{
    // QPixmap's cache decodes each picture once; the lights alone are 512 px squares.
    const QPixmap pixmap(path);
    return nightStyle() ? QPixmap::fromImage(nightTinted(pixmap.toImage())) : pixmap;
}

void MainWindow::setStyledPixmap(QLabel *label, const QString &path)
{
    label->setProperty("pixmapPath", path);
    label->setPixmap(styledPixmap(path));
}

void MainWindow::applyStyleLook(bool mono)
{
    const bool night = nightStyle();
    const QColor glow = night ? kNightGlow : mono ? kMonoGlow : kColorGlow;
    confirmSliderGlow->setColor(glow);
    roughSliderGlow->setColor(glow);

    setStyledPixmap(ui->label_precise_poleIcon,
                    mono ? QStringLiteral(":/images/pole.png") : QStringLiteral(":/images/pole_color.png"));
    setStyledPixmap(ui->label_precise_axisIcon,
                    mono ? QStringLiteral(":/images/center.png") : QStringLiteral(":/images/center_color.png"));

    static const QString dayLogo = ui->label_logo->styleSheet();
    ui->label_logo->setStyleSheet(night ? QStringLiteral("background-image: url(:/images/night/logo.png);") : dayLogo);
    static const QString dayRadio = ui->radioButton_north->styleSheet();
    for (QWidget *radio : {ui->radioButton_north, ui->radioButton_south})
        radio->setStyleSheet(night ? QString(dayRadio).replace(QLatin1String("white"), QLatin1String("rgb(160, 0, 0)"))
                                   : dayRadio);
    for (QPushButton *head : {ui->pushButton_head_region, ui->pushButton_head_setting, ui->pushButton_head_confirm,
                              ui->pushButton_head_rough, ui->pushButton_head_precise})
        head->setIcon(headIcon(head->isChecked()));
    ui->statusBar->setSizeGripEnabled(!night);
    magnifier->setNight(night);
    if (aboutDialog)
        aboutDialog->setNight(night);
    DocumentViewer::setNight(night);
    scaleDirectionArrow(zoomFactor);
    rotateTemplate(templateAngle);
    // The whole program, its dialogs and the camera's own windows follow the style
    // sheet and palette: the day's are kept while the night's stand in for them.
    if (night == nightSheetOn)
        return;
    nightSheetOn = night;
    if (night) {
        daySheet = qApp->styleSheet();
        dayPalette = QApplication::palette();
    }
    QApplication::setPalette(night ? nightPalette() : dayPalette);
    qApp->setStyleSheet(night ? readSheet(QStringLiteral(":/qss/night.qss")) : daySheet);
    setNightDials(night);
    // Into or out of the night every picture changes colour, the lights too.
    for (QLabel *label : findChildren<QLabel *>()) {
        const QString path = label->property("pixmapPath").toString();
        if (!path.isEmpty())
            label->setPixmap(styledPixmap(path));
    }
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
    // The sky of now matters only for frames to measure; fresh from the first one.
    if (connected != skyTimer->isActive()) {
        if (connected)
            refreshSky();
        connected ? skyTimer->start() : skyTimer->stop();
    }
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
