// Turning the reference-star search positions after a slew.
#include "mainwindow/mainwindow.h"

#include "capture/liveviewstate.h"
#include "starmath/starmath.h"

// A slew turns every star about the RA axis by the same angle. The angle is
// taken from the home positions fixed when the pole was found, never from the
// current search positions, so dial moves do not accumulate rounding.
void MainWindow::poleTracking(double degree)
{
    const QPointF center = liveViewState.get(&LiveView::axisCenter);
    double ax = 0.0, ay = 0.0, bx = 0.0, by = 0.0;
    starMath.RotatePoint(degree, starAHome.x(), starAHome.y(), center.x(), center.y(), &ax, &ay);
    starMath.RotatePoint(degree, starBHome.x(), starBHome.y(), center.x(), center.y(), &bx, &by);
    // Both at once: a frame must not search for A at the new angle and B at the old.
    liveViewState.update([&](LiveView &v) {
        v.starASearch = QPointF(ax, ay);
        v.starBSearch = QPointF(bx, by);
    });
}
