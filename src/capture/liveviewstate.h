// What the live view shows and measures: the one record through which the
// alignment workflow (GUI thread) tells the capture thread what to measure and
// draw, and through which the capture thread reports the measured stars and pole.
//
// How to use:
//  1. GUI thread: change fields with set(&LiveView::field, value) or, for several
//     fields that belong together, update([](LiveView &v) { ... }).
//  2. Capture thread: take snapshot() once per frame and work only on that copy,
//     then hand back the measurements with setMeasured().
//  3. Anyone: get(&LiveView::field) or snapshot() for a consistent read.
// Every access holds one short lock and copies whole values, so a frame never sees
// half of a changed field; no other lock is ever taken while it is held.
#ifndef LIVEVIEWSTATE_H
#define LIVEVIEWSTATE_H

#include <QMutex>
#include <QMutexLocker>
#include <QPointF>
#include <QString>
#include <QVector>

#include "starmath/skyposition.h"

#include <functional>

struct LiveView
{
    QString style = QStringLiteral("Color"); // "Mono" (exactly) selects the mono colours, "Night" deep red
    double markAngle = 0;                    // degrees, turns the expected-pole arcs

    bool showAxisCenter = false;
    bool showStarCircle = false;
    bool showExpectedPole = false;
    bool showStarAMark = false;
    bool showStarBMark = false;
    bool monitorPole = false;                // measure stars and pole every frame

    QPointF starASearch;                     // where star A is looked for, and its fallback
    QPointF starBSearch;
    double liveAngleBAP = 0;                 // angle at star A, degrees
    double liveAngleABP = 0;                 // angle at star B, degrees
    SkyFix sky;                              // the reference stars' places of now

    QPointF starA;                           // written by the capture thread only
    QPointF starB;
    QPointF livePole;
    // Monitoring: this frame's reference stars were not both measured, so there is no
    // pole (and nothing may be figured from one); starA and starB say where they are sought.
    bool starsLost = false;
    // The axis-centre picks taken so far, marked on the image.
    QVector<QPointF> pickedStars;
    PolarError polarError;                   // not valid unless both stars were measured

    QPointF expectedPole;
    int axisRadius = 0;
    QPointF axisCenter;

    bool isMono() const { return style == QLatin1String("Mono"); }
    bool isNight() const { return style == QLatin1String("Night"); }
};

class LiveViewState
{
public:
    LiveViewState() = default;
    LiveViewState(const LiveViewState &) = delete;
    LiveViewState &operator=(const LiveViewState &) = delete;

    LiveView snapshot() const
    {
        QMutexLocker lock(&mutex);
        return values;
    }

    template <typename T>
    T get(T LiveView::*field) const
    {
        QMutexLocker lock(&mutex);
        return values.*field;
    }

    template <typename T, typename U>
    void set(T LiveView::*field, const U &value)
    {
        QMutexLocker lock(&mutex);
        values.*field = value;
    }

    // Several changes that readers must see together (or not at all).
    void update(const std::function<void(LiveView &)> &change);

    // The capture thread's results of one frame.
    void setMeasured(const QPointF &starA, const QPointF &starB, const QPointF &livePole,
                     bool starsLost = false, const PolarError &polarError = PolarError());

    // Back to the start values.
    void reset();

private:
    mutable QMutex mutex;
    LiveView values;
};

// The process-wide record.
extern LiveViewState liveViewState;

#endif
