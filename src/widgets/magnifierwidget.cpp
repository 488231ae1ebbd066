#include "widgets/magnifierwidget.h"

#include <QBrush>
#include <QLabel>
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

void MagnifierWidget::setBackdrop(const QLabel *label, const QWidget *clip)
{
    backdropLabel = label;
    backdropClip = clip;
    refreshBackdrop();
}

bool MagnifierWidget::backdropAt(QPoint *topLeft) const
{
    // On a high-density screen the label smooths its picture up; the corners would not match.
    if (!backdropLabel || !backdropClip || !parentWidget() || !backdropLabel->isVisible()
        || devicePixelRatioF() != 1.0)
        return false;
    const QPixmap pixmap = backdropLabel->pixmap(Qt::ReturnByValue);
    if (pixmap.isNull() || pixmap.size() != backdropLabel->size())
        return false;
    const QRect image(backdropLabel->mapTo(parentWidget(), QPoint(0, 0)), pixmap.size());
    const QRect seen(backdropClip->mapTo(parentWidget(), QPoint(0, 0)), backdropClip->size());
    // A sibling over the image (the template) would show through the corners.
    for (const QObject *child : backdropLabel->parentWidget()->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (sibling && sibling != backdropLabel && sibling->isVisible()
            && QRect(sibling->mapTo(parentWidget(), QPoint(0, 0)), sibling->size()).intersects(geometry()))
            return false;
    }
    if (!(image & seen).contains(geometry()))
        return false;
    *topLeft = image.topLeft() - pos();
    return true;
}

void MagnifierWidget::refreshBackdrop()
{
    QPoint at;
    setAttribute(Qt::WA_OpaquePaintEvent, backdropAt(&at));
}

void MagnifierWidget::drawDecoration()
{
    decorationNight = night;
    // At the screen's own resolution, so rings stay sharp on a high-density screen.
    decorationRatio = devicePixelRatioF();
    disc = QImage(size() * decorationRatio, QImage::Format_ARGB32_Premultiplied);
    disc.setDevicePixelRatio(decorationRatio);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(0, 0, viewWidth + 1, viewHeight + 1);
    painter.end();

    decoration = QImage(disc.size(), QImage::Format_ARGB32_Premultiplied);
    decoration.setDevicePixelRatio(decorationRatio);
    decoration.fill(Qt::transparent);
    painter.begin(&decoration);
    painter.setRenderHint(QPainter::Antialiasing);
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
}

void MagnifierWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)

    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
        QPoint at;
        if (backdropAt(&at)) {
            painter.drawPixmap(QPoint(0, 0), backdropLabel->pixmap(Qt::ReturnByValue), QRect(-at, size()));
        } else {
            // Moved or covered since: what lies under the loupe paints again next time.
            setAttribute(Qt::WA_OpaquePaintEvent, false);
            update();
        }
    }
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

    // The round cut-out and the rings are drawn once into images; every frame
    // only composes them, far cheaper than drawing them anew.
    if (decoration.isNull() || decorationNight != night || decorationRatio != devicePixelRatioF())
        drawDecoration();
    // Before the first image there is nothing to enlarge: the rings are
    // drawn empty.
    if (!zoomedPixmap.isNull()) {
        QImage enlarged(disc.size(), QImage::Format_ARGB32_Premultiplied);
        enlarged.setDevicePixelRatio(decorationRatio);
        QPainter fill(&enlarged);
        fill.setCompositionMode(QPainter::CompositionMode_Source);
        fill.fillRect(rect(), QBrush(zoomedPixmap.transformed(QTransform::fromScale(magnification, magnification))));
        fill.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        fill.drawImage(0, 0, disc);
        fill.end();
        painter.drawImage(0, 0, enlarged);
    }
    painter.drawImage(0, 0, decoration);
    painter.end();
}
