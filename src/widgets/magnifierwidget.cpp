#include "widgets/magnifierwidget.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QTransform>

MagnifierWidget::MagnifierWidget(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(2, 2, viewWidth + 2, viewHeight + 2);
}

MagnifierWidget::MagnifierWidget(int width, int height, QWidget *parent)
    : QWidget(parent), viewWidth(width), viewHeight(height)
{
    setGeometry(2, 2, width + 2, height + 2);
}

MagnifierWidget::~MagnifierWidget() = default;

void MagnifierWidget::setCenter(int x, int y)
{
    centerX = x;
    centerY = y;
}

void MagnifierWidget::setMagnification(float factor)
{
    if (factor > 0.0f)
        magnification = factor;
}

void MagnifierWidget::setPixmap(const QPixmap &pixmap)
{
    // Only the cut-out is ever copied, at the next paint.
    sourcePixmap = pixmap;
}

void MagnifierWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const int side = int(viewWidth / magnification);
    const int half = side / 2;

    // The clamp is kept: the next setCenter starts from it.
    if (centerX < half)
        centerX = half;
    if (centerY < half)
        centerY = half;
    if (centerX > sourcePixmap.width() - half)
        centerX = sourcePixmap.width() - half;
    if (centerY > sourcePixmap.height() - half)
        centerY = sourcePixmap.height() - half;

    zoomedPixmap = sourcePixmap.copy(centerX - half, centerY - half, side, side);

    // Before the first image there is nothing to enlarge: the rings are
    // drawn empty.
    if (!zoomedPixmap.isNull()) {
        QBrush brush(zoomedPixmap);
        QTransform transform;
        transform.translate(0, 0);
        transform.scale(magnification, magnification);
        brush.setTransform(transform);
        painter.setBrush(brush);
    }

    painter.drawEllipse(0, 0, viewWidth + 1, viewHeight + 1);

    painter.setPen(QPen(QBrush(night ? QColor(90, 0, 0) : QColor(160, 160, 160, 255)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawEllipse(-1, -1, viewWidth + 2, viewHeight + 2);

    painter.setPen(QPen(QBrush(night ? QColor(160, 0, 0) : QColor(255, 255, 255, 255)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawEllipse(0, 0, viewWidth, viewHeight);

    painter.setPen(QPen(QBrush(night ? QColor(120, 0, 0) : QColor(215, 215, 215, 255)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawEllipse(1, 1, viewWidth - 2, viewHeight - 2);

    painter.setPen(QPen(QBrush(night ? QColor(255, 0, 0) : QColor(Qt::green)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int cx = viewWidth / 2;
    const int cy = viewHeight / 2;
    painter.drawLine(cx - 8, cy, cx + 8, cy);
    painter.drawLine(cx, cy - 8, cx, cy + 8);

    painter.end();
}
