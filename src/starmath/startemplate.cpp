#include "starmath/startemplate.h"

#include "camera/debugprintf.h"
#include "starmath/starmath.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSettings>

StarTemplate northTemplate;
StarTemplate southTemplate;

namespace {

const int kFirstDataYear = 2016;
const int kLastDataYear = 2035;

StarTemplate templateDefaults(const QPointF &a, const QPointF &b, const QPointF &d)
{
    StarTemplate t;
    t.maskA = a;
    t.maskB = b;
    t.maskD = d;
    return t;
}

// Reads one angle key (raw value in 1e-14 degree) and reports the raw value.
double readAngle(QSettings &settings, const QString &key, int counter)
{
    const double raw = settings.value(key, 0).toDouble();
    debugPrintf("%s | %s | %s | %d tempvalue = %f", "ORVANTAINFO", "src/mainwindow",
                "loadStarsData", counter, raw);
    return raw / 1e14;
}

bool computePole(StarTemplate *tmpl, const char *failureMessage)
{
    double px = 0.0;
    double py = 0.0;
    const int rc = starMath.CalcMaskPoleCOOR(tmpl->maskA.x(), tmpl->maskA.y(), tmpl->angleBAP,
                                             tmpl->maskB.x(), tmpl->maskB.y(), tmpl->angleABP,
                                             &px, &py, tmpl->maskD.x(), tmpl->maskD.y(),
                                             tmpl->angleDBP);
    tmpl->maskPole = QPointF(px, py);
    tmpl->poleFound = rc == 0;
    if (rc != 0)
        qCritical("%s", failureMessage);
    return rc == 0;
}

void calcOnePole(StarTemplate *tmpl, QImage *mask, const char *failureMessage)
{
    if (mask == nullptr || mask->isNull())
        return;
    if (computePole(tmpl, failureMessage))
        markTemplatePole(*tmpl, mask);
}

const char kNorthFailure[] = "Failed to calculate the north pole.";
const char kSouthFailure[] = "Failed to calculate the south pole.";

} // namespace

int starDataYear(const QDate &today)
{
    for (int year = kFirstDataYear; year <= kLastDataYear; ++year) {
        if (today < QDate(year, 11, 23))
            return year;
    }
    // Past the table: the newest row is the closest to the sky.
    return kLastDataYear;
}

QString starDataRowSuffix(const QDate &today)
{
    return QString::number(starDataYear(today)) + QStringLiteral("0523");
}

void loadStarTemplate(const QString &fileName, const QString &rowSuffix, int firstCounter,
                      StarTemplate *tmpl)
{
    QSettings settings(fileName, QSettings::IniFormat);
    tmpl->maskA = QPointF(settings.value(QStringLiteral("A_X_Mask"), tmpl->maskA.x()).toDouble(),
                          settings.value(QStringLiteral("A_Y_Mask"), tmpl->maskA.y()).toDouble());
    tmpl->maskB = QPointF(settings.value(QStringLiteral("B_X_Mask"), tmpl->maskB.x()).toDouble(),
                          settings.value(QStringLiteral("B_Y_Mask"), tmpl->maskB.y()).toDouble());
    tmpl->maskD = QPointF(settings.value(QStringLiteral("D_X_Mask"), tmpl->maskD.x()).toDouble(),
                          settings.value(QStringLiteral("D_Y_Mask"), tmpl->maskD.y()).toDouble());
    tmpl->angleBAP = readAngle(settings, QStringLiteral("BAP_") + rowSuffix, firstCounter);
    tmpl->angleABP = readAngle(settings, QStringLiteral("ABP_") + rowSuffix, firstCounter + 1);
    tmpl->angleDBP = readAngle(settings, QStringLiteral("DBP_") + rowSuffix, firstCounter + 2);
}

void loadStarTemplates(const QDate &today)
{
    const QString row = starDataRowSuffix(today);

    southTemplate = templateDefaults(QPointF(230.0, 405.0), QPointF(400.0, 337.0),
                                     QPointF(230.0, 562.0));
    loadStarTemplate(QStringLiteral(":/starData/SStarPosData.ini"), row, 1, &southTemplate);

    northTemplate = templateDefaults(QPointF(264.0, 272.0), QPointF(400.0, 400.0),
                                     QPointF(602.0, 230.0));
    loadStarTemplate(QStringLiteral(":/starData/NStarPosData.ini"), row, 4, &northTemplate);
}

void calcTemplatePoles(QImage *northMask, QImage *southMask)
{
    calcOnePole(&northTemplate, northMask, kNorthFailure);
    calcOnePole(&southTemplate, southMask, kSouthFailure);
}

void calcTemplatePoles()
{
    computePole(&northTemplate, kNorthFailure);
    computePole(&southTemplate, kSouthFailure);
}

void markTemplatePole(const StarTemplate &tmpl, QImage *mask)
{
    if (!tmpl.poleFound || mask == nullptr || mask->isNull())
        return;
    // QPainter cannot draw on indexed or monochrome images; give the cross real colours.
    if (mask->format() == QImage::Format_Indexed8 || mask->format() == QImage::Format_Mono
        || mask->format() == QImage::Format_MonoLSB)
        *mask = mask->convertToFormat(QImage::Format_ARGB32);

    const double px = tmpl.maskPole.x();
    const double py = tmpl.maskPole.y();
    QPainter painter(mask);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(150, 244, 254, 255), 1, Qt::SolidLine));
    painter.drawLine(QPointF(px - 5, py), QPointF(px + 5, py));
    painter.drawLine(QPointF(px, py - 5), QPointF(px, py + 5));
    painter.end();
}
