#ifndef ORVANTA_REFRACTIONVALUES_H
#define ORVANTA_REFRACTIONVALUES_H

#include <QString>

#include <functional>

// The observing site and its weather, for the sky of now and the refraction correction. The GUI thread edits
// them (refraction dialog, settings load), the capture thread reads them once
// per frame, so they are only reached through the locked accessors below,
// which always hand over whole records.
struct RefractionValues
{
    float latitude = 39.9f;     // degrees, 0..90 of the hemisphere chosen in the window
    float longitude = 116.3f;   // degrees, east positive, west negative
    float P = 101.0f;           // air pressure in P_unit
    float T = 10.0f;            // degrees Celsius
    bool enabledCorrect = false;
    QString P_unit = QStringLiteral("kPa"); // "kPa" or "hPa"
    bool yearlyTable = false;   // the star data's yearly angles instead of the sky of now

    // The pressure in kilopascals, as the correction formula takes it.
    // Only the exact text "hPa" means hectopascals.
    double pressureKPa() const;
};

// A copy of the current values.
RefractionValues refractionValues();

// Replaces every value at once.
void setRefractionValues(const RefractionValues &values);

// Changes some values under the lock; readers see all or none of the change.
void updateRefractionValues(const std::function<void(RefractionValues &)> &change);

#endif
