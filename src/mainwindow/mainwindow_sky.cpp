// The sky of now for the live pole, and the polar error in words.
#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "starmath/starmath.h"

#include <QLabel>

#include <cmath>

std::function<QDateTime()> MainWindow::skyClock;

void MainWindow::refreshSky()
{
    const RefractionValues values = refractionValues();
    ObservingSite site;
    site.latitudeDeg = values.latitude;
    site.longitudeDeg = values.longitude;
    site.pressureKPa = values.pressureKPa();
    site.temperatureC = values.T;
    const QDateTime now = skyClock ? skyClock() : QDateTime::currentDateTimeUtc();
    const SkyFix sky = computeSky(region != QLatin1String("North"), now, site);
    const bool table = values.yearlyTable || !sky.valid;
    if (!sky.valid)
        qCritical("Sky: no apparent places for %s, the yearly star table serves",
                  qUtf8Printable(now.toString(Qt::ISODate)));
    liveViewState.update([&](LiveView &v) {
        v.sky = sky;
        v.liveAngleBAP = table ? curAngleBAP : sky.angleBAP;
        v.liveAngleABP = table ? curAngleABP : sky.angleABP;
    });
}

QString MainWindow::polarErrorText(const PolarError &error, bool south, bool trueTarget)
{
    const QString target = trueTarget ? tr("Target: true pole") : tr("Target: refracted pole");
    if (!error.valid)
        return tr("Polar error: reference stars not measured") + QLatin1Char('\n') + target;

    auto figure = [](double arcmin) { return QString::number(std::fabs(arcmin), 'f', 1); };
    // Below half the last shown digit there is nothing to turn.
    const double still = 0.05;
    QString alt;
    if (error.altArcmin >= still)
        alt = tr("lower the polar axis");
    else if (error.altArcmin <= -still)
        alt = tr("raise the polar axis");
    // Facing the northern pole west is on the left; facing the southern one, east.
    QString az;
    if (error.azArcmin >= still)
        az = south ? tr("turn left (east)") : tr("turn left (west)");
    else if (error.azArcmin <= -still)
        az = south ? tr("turn right (west)") : tr("turn right (east)");

    return tr("Polar error: %1'").arg(figure(error.totalArcmin)) + QLatin1Char('\n')
           + tr("Altitude: %1' %2").arg(figure(error.altArcmin), alt).trimmed() + QLatin1Char('\n')
           + tr("Azimuth: %1' %2").arg(figure(error.azArcmin), az).trimmed() + QLatin1Char('\n') + target;
}

void MainWindow::showRoughPolarError()
{
    if (currentStep != 10) {
        roughPoleStar = QPointF();
        if (!ui->label_roughError->text().isEmpty())
            ui->label_roughError->clear();
        return;
    }
    // A few times a second is as fast as a hand turns a bolt.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - roughErrorTime < 250)
        return;
    roughErrorTime = now;
    if (roughPoleStar.isNull())
        roughPoleStar = poleStarPos;

    const LiveView view = liveViewState.snapshot();
    const cv::Mat gray = captureThread->copyGrayFrame();
    double x = 0, y = 0;
    PolarError error;
    if (starMath.GetPreciseStarPos(gray, roughPoleStar.x(), roughPoleStar.y(), &x, &y) == 0) {
        roughPoleStar = QPointF(x, y);
        double ax = 0, ay = 0;
        starMath.RotatePoint(templateAngle, curMaskA.x(), curMaskA.y(), curMaskB.x(), curMaskB.y(), &ax, &ay);
        const QPointF starA = roughPoleStar - curMaskB + QPointF(ax, ay);
        // The axis is off the pole by as much as the pole star is off its target.
        error = polarError(view.sky, frameTurn(view.sky, starA, roughPoleStar), view.expectedPole, roughPoleStar);
    }
    // The target here is the template's, not a pole the refraction setting chooses.
    const QString text =
        polarErrorText(error, region != QLatin1String("North"), false).section(QLatin1Char('\n'), 0, -2);
    if (ui->label_roughError->text() != text)
        ui->label_roughError->setText(text);
}
