#include "capture/liveviewstate.h"

LiveViewState liveViewState;

void LiveViewState::update(const std::function<void(LiveView &)> &change)
{
    QMutexLocker lock(&mutex);
    change(values);
}

void LiveViewState::setMeasured(const QPointF &starA, const QPointF &starB,
                                const QPointF &livePole, bool starsLost, const PolarError &polarError)
{
    QMutexLocker lock(&mutex);
    values.starA = starA;
    values.starB = starB;
    values.livePole = livePole;
    values.starsLost = starsLost;
    values.polarError = polarError;
}

void LiveViewState::reset()
{
    QMutexLocker lock(&mutex);
    values = LiveView();
}
