#ifndef ORVANTA_MAGNIFIERWIDGET_H
#define ORVANTA_MAGNIFIERWIDGET_H

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QLabel;

// A round loupe: paints a square cut out of the source image around the
// centre, enlarged by the magnification, inside a ringed circle with a green
// cross. Callers call update() after setPixmap/setCenter.
class MagnifierWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MagnifierWidget(QWidget *parent = nullptr);
    MagnifierWidget(int width, int height, QWidget *parent = nullptr);
    ~MagnifierWidget() override;

    // Centre in source pixels; clamped at the next paint so the cut-out
    // stays inside the source.
    void setCenter(int x, int y);
    // Ignores factors that are not positive (they would give no cut-out).
    void setMagnification(float factor);
    // Shares the pixmap: drawing into it afterwards detaches the caller's copy.
    void setPixmap(const QPixmap &pixmap);
    // The label whose image lies under the loupe, seen through clip (its scroll
    // area's viewport). While the image covers the loupe, the loupe paints its
    // corners from it and nothing under it repaints with every frame.
    void setBackdrop(const QLabel *label, const QWidget *clip);
    // Call when the label's image or place changed.
    void refreshBackdrop();
    // Rings and cross in deep red for the night style.
    void setNight(bool on) { night = on; update(); }

    QPoint center() const { return QPoint(centerX, centerY); }
    float magnificationFactor() const { return magnification; }
    QSize viewSize() const { return QSize(viewWidth, viewHeight); }
    const QPixmap &source() const { return sourcePixmap; }
    // The cut-out used by the last paint.
    const QPixmap &zoomed() const { return zoomedPixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap sourcePixmap;
    QPixmap zoomedPixmap;
    // The cut-out's round coverage, and the outline, rings and cross over it.
    QImage disc, decoration;
    bool decorationNight = false;
    qreal decorationRatio = 1;
    void drawDecoration();
    QPointer<const QLabel> backdropLabel;
    QPointer<const QWidget> backdropClip;
    // The backdrop's top left in the loupe's coordinates, if it covers the loupe.
    bool backdropAt(QPoint *topLeft) const;
    float magnification = 3.0f;
    bool night = false;
    int centerX = 20;
    int centerY = 20;
    int viewWidth = 120;
    int viewHeight = 120;
};

#endif
