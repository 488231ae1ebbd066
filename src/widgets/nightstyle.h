// The night style's deep red for pictures.
#ifndef ORVANTA_NIGHTSTYLE_H
#define ORVANTA_NIGHTSTYLE_H

#include <QImage>

// Each pixel's brightest channel times `scale`, in red alone; transparency is kept.
QImage nightTinted(const QImage &image, double scale = 1.0);

// Dials draw a light knob whatever the palette; while this is on, every dial of
// the program, those shown later included, is drawn through the night red.
void setNightDials(bool on);

#endif
