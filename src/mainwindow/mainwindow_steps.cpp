// The alignment step machine: which tip page, panel groups, lights and live-view
// overlays each step shows, and the step buttons that move between steps.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "starmath/starmath.h"
#include "starmath/starmeasure.h"
#include "starmath/startemplate.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// How far from the template's prediction star A is looked for at step 11: an integer
// template angle puts it up to about 2 px off, its known neighbour stands 19.6 px away.
const int kStarAReach = 8;

// A live-view flag a step sets, or leaves as it is.
enum Flag : signed char { Keep = -1, Off = 0, On = 1 };

struct StepRow
{
    bool open[5];       // region, setting, confirm, rough, precise
    bool hideTemplate;
    signed char lights[3]; // 1 on, 0 off, -1 all three left alone
    Flag axisCenter, starCircle, expectedPole, monitorPole, starAMark, starBMark;
    bool stopGlow;
};

// Rows for steps 1 to 13.
const StepRow kSteps[13] = {
    // region setting confirm rough precise
    {{1, 1, 0, 0, 0}, true, {-1, -1, -1}, Off, Off, Off, Off, Off, Off, false},
    {{1, 0, 1, 0, 0}, false, {-1, -1, -1}, Keep, Keep, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {0, 0, 0}, Off, Off, Keep, Keep, Keep, Keep, true},
    {{1, 0, 0, 1, 0}, true, {1, 0, 0}, Off, Off, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {1, 0, 0}, Off, Off, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {1, 1, 0}, Off, Off, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {1, 1, 0}, Off, Off, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {1, 1, 1}, On, On, Keep, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, false, {1, 1, 1}, On, Off, On, Keep, Keep, Keep, false},
    {{1, 0, 0, 1, 0}, true, {-1, -1, -1}, On, Off, On, Keep, Keep, Keep, true},
    {{1, 0, 0, 1, 0}, false, {-1, -1, -1}, On, Off, Off, Keep, Keep, Keep, false},
    {{1, 0, 0, 0, 1}, true, {-1, -1, -1}, Keep, Keep, Keep, Keep, Keep, Keep, true},
    {{1, 0, 0, 0, 1}, true, {-1, -1, -1}, Keep, Keep, Keep, On, On, On, false},
};

void apply(Flag flag, bool &field)
{
    if (flag != Keep)
        field = (flag == On);
}

QString positionText(const QPointF &p)
{
    return QStringLiteral("(") + QString::number(p.x(), 'f', 1) + QStringLiteral(",") +
           QString::number(p.y(), 'f', 1) + QStringLiteral(")");
}

} // namespace

void MainWindow::setStep(int step)
{
    QPushButton *const heads[5] = {ui->pushButton_head_region, ui->pushButton_head_setting,
                                   ui->pushButton_head_confirm, ui->pushButton_head_rough,
                                   ui->pushButton_head_precise};
    QWidget *const bodies[5] = {ui->widget_region, ui->widget_setting, ui->widget_confirm, ui->widget_rough,
                                ui->widget_precise};

    if (step == 14) {
        // Finished: only the tips go; monitoring and the panel stay.
        tabWidget_tipMsg->hide();
        return;
    }
    if (step < 1 || step > 13) {
        // No step (after a disconnect): everything hidden, state kept.
        tabWidget_tipMsg->hide();
        for (int i = 0; i < 5; ++i) {
            heads[i]->setChecked(false);
            bodies[i]->setVisible(false);
        }
        ui->label_templateImg->hide();
        directionArrow->hide();
        return;
    }

    const StepRow &row = kSteps[step - 1];

    tabWidget_tipMsg->show();
    tabWidget_tipMsg->setCurrentIndex(step - 1);

    for (int i = 0; i < 5; ++i) {
        heads[i]->setChecked(row.open[i]);
        bodies[i]->setVisible(row.open[i]);
    }

    if (row.hideTemplate)
        ui->label_templateImg->hide();

    directionArrow->setVisible(step == 4 || step == 6);

    if (row.lights[0] >= 0) {
        const bool mono = liveViewState.get(&LiveView::style) == QLatin1String("Mono");
        const QString on(mono ? QStringLiteral(":/images/lighton_mono.png")
                              : QStringLiteral(":/images/lighton_color.png"));
        const QString off(mono ? QStringLiteral(":/images/lightoff_mono.png")
                               : QStringLiteral(":/images/lightoff_color.png"));
        QLabel *const lights[3] = {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon};
        for (int i = 0; i < 3; ++i)
            setStyledPixmap(lights[i], row.lights[i] ? on : off);
    }

    currentStep = step;
    if (pickTimer && pickTimer->isActive()) {
        pickTimer->stop();
        statusBar()->clearMessage();
    }

    liveViewState.update([&row, step](LiveView &v) {
        if (step <= 3 || step >= 9)
            v.pickedStars.clear();
        apply(row.axisCenter, v.showAxisCenter);
        apply(row.starCircle, v.showStarCircle);
        apply(row.expectedPole, v.showExpectedPole);
        apply(row.monitorPole, v.monitorPole);
        apply(row.starAMark, v.showStarAMark);
        apply(row.starBMark, v.showStarBMark);
    });

    if (row.stopGlow)
        glowTimer->stop();

    if (step == 8)
        showAxisQuality();
    // The target follows the template angle the user already has, slider or not.
    if (step == 9 || step == 10) {
        const QSignalBlocker blocker(ui->horizontalSlider_rough_match);
        ui->horizontalSlider_rough_match->setValue(templateAngle);
        updateExpectedPole();
    }
    updateTimers();
}

void MainWindow::pushbuttonSettingDoneClicked()
{
    setStep(2);
}

// Leaving step 2: a centre kept from an earlier run spares the three star picks.
// Only the stored centre is offered (a centre found but not accepted is not), and
// declining it keeps it stored.
void MainWindow::pushbuttonConfirmDoneClicked()
{
    const QPointF saved = liveViewState.get(&LiveView::axisCenter);
    if (!(saved.x() > 0) || !(saved.y() > 0) || saved != savedAxisCenter) {
        setStep(3);
        return;
    }
    QString question = tr("Would you like to use the axis center saved the last time you used Orvanta?");
    question += QLatin1Char('\n') + (savedAxisDate.isValid()
                                         ? tr("Recorded: %1 on %2.").arg(positionText(saved),
                                                                         savedAxisDate.toString(Qt::ISODate))
                                         : tr("Recorded: %1.").arg(positionText(saved)));
    const QMessageBox::StandardButton answer = QMessageBox::question(
        nullptr, tr("Question"), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        ui->label_axisPos->setText(positionText(saved));
        setStep(9);
    } else {
        liveViewState.set(&LiveView::axisCenter, QPointF(0.0, 0.0));
        setStep(3);
    }
}

void MainWindow::pushbuttonRotateStar1ResetClicked()
{
    setStep(3);
}

void MainWindow::pushbuttonRotateStar1DoneClicked()
{
    setStep(5);
}

void MainWindow::pushbuttonGetStar2ResetClicked()
{
    setStep(3);
}

void MainWindow::pushbuttonRotateStar2ResetClicked()
{
    setStep(3);
}

void MainWindow::pushbuttonRotateStar2DoneClicked()
{
    setStep(7);
}

void MainWindow::pushbuttonGetStar3ResetClicked()
{
    setStep(3);
}

void MainWindow::pushbuttonValidateCenterResetClicked()
{
    setStep(3);
}

void MainWindow::pushbuttonValidateCenterDoneClicked()
{
    liveViewState.set(&LiveView::axisCenter, circleCenter);
    savedAxisCenter = circleCenter;
    savedAxisDate = QDate::currentDate();
    ui->label_axisPos->setText(positionText(circleCenter));
    setStep(9);
}

// Where the pole star goes, star A goes with it: both must be followable there.
void MainWindow::pushbuttonGetEptPolarisDoneClicked()
{
    updateExpectedPole();
    const QPointF b = liveViewState.get(&LiveView::expectedPole);
    double ax = 0.0;
    double ay = 0.0;
    starMath.RotatePoint(templateAngle, curMaskA.x(), curMaskA.y(), curMaskB.x(), curMaskB.y(), &ax, &ay);
    if (!referenceStarsFit(QPointF(b.x() - curMaskB.x() + ax, b.y() - curMaskB.y() + ay), b))
        return;
    setStep(10);
}

void MainWindow::pushbuttonMovePolarisDoneClicked()
{
    setStep(11);
}

// Leaving step 11: the matched template predicts star A from the measured pole
// star; both are measured once more and become the search and tracking home
// positions. A is looked for where B's measurement moves the prediction, in a window
// too small to reach its neighbours; a star not found there stops the step.
void MainWindow::pushbuttonGetCurPolarisDoneClicked()
{
    double ax = 0.0;
    double ay = 0.0;
    starMath.RotatePoint(templateAngle, curMaskA.x(), curMaskA.y(), curMaskB.x(), curMaskB.y(), &ax, &ay);
    const QPointF candidate(poleStarPos.x() - curMaskB.x() + ax, poleStarPos.y() - curMaskB.y() + ay);
    if (!referenceStarsFit(candidate, poleStarPos))
        return;

    const cv::Mat gray = captureThread->copyGrayFrame();
    QPointF starA;
    QPointF starB;
    if (!measureStar(gray, poleStarPos, kFollowRadius, &starB)
        || !measureStar(gray, candidate + (starB - poleStarPos), kStarAReach, &starA)) {
        QMessageBox::warning(this, tr("Warn"),
                             tr("The reference stars were not found where the template puts them. Double click "
                                "the pole star and match the template again."),
                             QMessageBox::Ok);
        return;
    }

    liveViewState.update([&](LiveView &v) {
        v.starASearch = starA;
        v.starBSearch = starB;
    });
    starAHome = starA;
    starBHome = starB;
    setStep(12);
}

void MainWindow::pushbuttonFinetunePoleResetClicked()
{
    setStep(1);
}

void MainWindow::pushbuttonFinetunePoleDoneClicked()
{
    setStep(14);
}

void MainWindow::useRegionTemplate()
{
    // The other region's template image is not needed until the region changes back.
    (region == QLatin1String("South") ? northMask : southMask) = QImage();
    const StarTemplate &tmpl = region == QLatin1String("North") ? northTemplate : southTemplate;
    curMaskPole = tmpl.maskPole;
    curMaskA = tmpl.maskA;
    curMaskB = tmpl.maskB;
    curAngleBAP = tmpl.angleBAP;
    curAngleABP = tmpl.angleABP;
    liveViewState.update([this](LiveView &v) {
        v.liveAngleBAP = curAngleBAP;
        v.liveAngleABP = curAngleABP;
    });
    refreshSky();
}

void MainWindow::on_radioButton_north_toggled(bool checked)
{
    if (!checked)
        return;
    region = QStringLiteral("North");
    useRegionTemplate();
    setTipsForRegion(region);
    applySavedExposure();
    setStep(1);
}

void MainWindow::on_radioButton_south_toggled(bool checked)
{
    if (!checked)
        return;
    region = QStringLiteral("South");
    useRegionTemplate();
    setTipsForRegion(region);
    applySavedExposure();
    setStep(1);
}

void MainWindow::on_pushButton_monitor_clicked()
{
    refreshSky();
    setStep(13);
}
