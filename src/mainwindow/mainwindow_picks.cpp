// The three picks of one star that give the RA axis centre (steps 3, 5 and 7).
//
// One frame's centroid trembles by about 0.3 px; a pick is therefore the mean of
// the star over about a second of frames. Picks too close together, and circles
// that cannot be the RA axis, are refused with what to do instead.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "starmath/starmath.h"
#include "widgets/fittext.h"

#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

int MainWindow::pickAverageMs = 1000;

namespace {

const int kPickPollMs = 40;
// A pick ends after its second once it holds this many frames, or after three seconds.
const int kPickMinFrames = 3;
// A followed pick stays on its star: its neighbours lie further away.
const int kPickRadius = 5;
// What one frame's centroid is worth when the scatter could not be measured, and the
// least a mean is trusted to (the centroid's own bias).
const double kSingleFrameSigma = 0.3;
const double kMinPickSigma = 0.05;

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

void MainWindow::beginPick(const QPointF &star)
{
    if (pickTimer && pickTimer->isActive())
        return; // one pick at a time

    // The same place again means the axis was not turned.
    const bool tooClose = (currentStep >= 5 && distance(star, starPos1) < kMinPickDistance)
                          || (currentStep == 7 && distance(star, starPos2) < kMinPickDistance);
    if (tooClose) {
        QMessageBox::warning(this, tr("Warn"),
                             tr("This is where the star was at the last pick. Turn the RA axis by at least "
                                "about 20 degrees between picks, then double click the star again."),
                             QMessageBox::Ok);
        return;
    }

    pickStep = currentStep;
    pickAverage = PointAverage();
    pickAverage.add(star);
    pickFirst = star;
    pickLast = star;
    // Without a live stream there is no second frame to wait for.
    if (pickAverageMs <= 0 || !captureThread->isRunning()) {
        finishPick();
        return;
    }
    if (!pickTimer) {
        pickTimer = new QTimer(this);
        pickTimer->setInterval(kPickPollMs);
        connect(pickTimer, &QTimer::timeout, this, &MainWindow::pickTimeout);
    }
    statusBar()->showMessage(tr("Measuring the star..."));
    pickClock.start();
    pickTimer->start();
}

void MainWindow::pickTimeout()
{
    // A frame seen before gives the very same centroid: counted once.
    QPointF p;
    if (measureStar(captureThread->copyGrayFrame(), pickFirst, kPickRadius, &p) && p != pickLast) {
        pickAverage.add(p);
        pickLast = p;
    }
    const qint64 elapsed = pickClock.elapsed();
    if ((elapsed >= pickAverageMs && pickAverage.count() >= kPickMinFrames) || elapsed >= 3 * pickAverageMs) {
        pickTimer->stop();
        finishPick();
    }
}

void MainWindow::finishPick()
{
    statusBar()->clearMessage();
    if (currentStep != pickStep)
        return; // the step moved on (Reset, a region change) while the star was measured
    const QPointF star = pickAverage.mean();
    const double sigma = pickAverage.count() >= kPickMinFrames
                             ? std::max(pickAverage.standardError(), kMinPickSigma)
                             : kSingleFrameSigma / std::sqrt(double(pickAverage.count()));

    if (currentStep == 3 || currentStep == 5) {
        const int index = currentStep == 3 ? 0 : 1;
        (index == 0 ? starPos1 : starPos2) = star;
        pickSigma[index] = sigma;
        liveViewState.update([&](LiveView &v) {
            if (index == 0)
                v.pickedStars.clear();
            v.pickedStars.append(star);
        });
        setStep(currentStep + 1);
        return;
    }
    if (currentStep != 7)
        return;

    starPos3 = star;
    pickSigma[2] = sigma;
    double cx = 0.0;
    double cy = 0.0;
    int radius = 0;
    if (starMath.CalcCircleCenter(starPos1.x(), starPos1.y(), starPos2.x(), starPos2.y(), starPos3.x(),
                                  starPos3.y(), &cx, &cy, &radius) != 0) {
        QMessageBox::warning(this, tr("Warn"), tr("Cannot find the axis center. Please click 'Reset' to find it again."),
                             QMessageBox::Ok);
        return;
    }
    const QPointF picks[3] = {starPos1, starPos2, starPos3};
    AxisQuality quality;
    const AxisRefusal refusal = checkAxisPicks(picks, pickSigma, QPointF(cx, cy),
                                               QSize(CaptureThread::kFrameWidth, CaptureThread::kFrameHeight),
                                               &quality);
    if (refusal == AxisRefusal::TooClose) {
        QMessageBox::warning(this, tr("Warn"),
                             tr("The picks are too close together to find the axis centre. Click 'Reset' and "
                                "turn the RA axis by at least about 20 degrees between picks."),
                             QMessageBox::Ok);
        return;
    }
    if (refusal == AxisRefusal::Implausible) {
        QMessageBox::warning(this, tr("Warn"),
                             tr("These picks do not lie on a circle around the RA axis. Click 'Reset' and "
                                "double click the same star each time."),
                             QMessageBox::Ok);
        return;
    }

    circleCenter = QPointF(cx, cy);
    circleRadius = radius;
    axisQuality = quality;
    liveViewState.update([&](LiveView &v) {
        v.axisCenter = circleCenter;
        v.axisRadius = circleRadius;
        v.pickedStars.append(star);
    });
    setStep(8);
}

void MainWindow::showAxisQuality()
{
    const double sigma = axisQuality.sigmaPx;
    // The tip itself is the first line; the figures follow it.
    QString text = label_validateCenter_tipMsg->text().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n')
                   + tr("The picks span %1 degrees of RA; the centre is good to %2 px (%3\").")
                         .arg(axisQuality.spanDeg, 0, 'f', 0)
                         .arg(sigma, 0, 'f', 2)
                         .arg(sigma * kArcsecPerPixel, 0, 'f', 0);
    if (sigma > kMaxGoodSigmaPx)
        text += QLatin1Char(' ') + tr("That is too uncertain: click 'Reset' and turn the RA axis further between picks.");
    label_validateCenter_tipMsg->setText(text);
    fitWrappedText(label_validateCenter_tipMsg, FontSizing::StyleSheetPixels);
}

bool MainWindow::referenceStarsFit(const QPointF &a, const QPointF &b)
{
    const QSize frame(CaptureThread::kFrameWidth, CaptureThread::kFrameHeight);
    if (followable(a, frame) && followable(b, frame))
        return true;
    QMessageBox::warning(this, tr("Warn"),
                         tr("A reference star would stand too near the edge of the image to be followed: the "
                            "axis centre is too near the edge. Turn the camera on the mount so that the axis "
                            "centre lies nearer the middle of the image, then find it again."),
                         QMessageBox::Ok);
    return false;
}
