// Star templates: the stars A, B (the pole star) and D of each hemisphere's template
// image, the yearly pole angles, and the pole position derived from them.
//
// Start-up order: loadStarTemplates(QDate::currentDate()), then
// calcTemplatePoles(&northMask, &southMask), or calcTemplatePoles() and
// markTemplatePole() on each template image when it is loaded.
#ifndef STARTEMPLATE_H
#define STARTEMPLATE_H

#include <QDate>
#include <QPointF>
#include <QString>

class QImage;

struct StarTemplate
{
    QPointF maskA;          // star A, template-image pixels
    QPointF maskB;          // star B, the pole star
    QPointF maskD;          // star D
    double angleBAP = 0.0;  // degrees, at A between B and P
    double angleABP = 0.0;  // degrees, at B between A and P
    double angleDBP = 0.0;  // degrees, at B between D and P
    QPointF maskPole;       // the celestial pole, computed by calcTemplatePoles
    bool poleFound = false; // maskPole was computed
};

extern StarTemplate northTemplate;
extern StarTemplate southTemplate;

// Year whose data row serves the given date: row Y serves 23 November Y-1 to
// 22 November Y; earlier dates take 2016 and later ones the last row, 2035.
int starDataYear(const QDate &today);

// Key suffix of that row, e.g. "20160523".
QString starDataRowSuffix(const QDate &today);

// Fills the coordinates and angles of one template from an INI file (missing file or
// keys give the defaults already in *tmpl for coordinates and 0 for angles). Each
// angle read is reported through debugPrintf with counters firstCounter..firstCounter+2.
void loadStarTemplate(const QString &fileName, const QString &rowSuffix, int firstCounter,
                      StarTemplate *tmpl);

// Fills southTemplate, then northTemplate, from the resource star data for the row
// serving the given date.
void loadStarTemplates(const QDate &today);

// Computes maskPole of both templates and marks it with a small cross on the template
// images; a null or unloaded image skips its hemisphere.
void calcTemplatePoles(QImage *northMask, QImage *southMask);
// The same for both templates without their images.
void calcTemplatePoles();
// The cross calcTemplatePoles draws, on a template image loaded later; nothing when
// the template has no pole.
void markTemplatePole(const StarTemplate &tmpl, QImage *mask);

#endif
