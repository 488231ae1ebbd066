#include "widgets/nightstyle.h"

#include <QApplication>
#include <QDial>
#include <QEvent>
#include <QGraphicsEffect>
#include <QPainter>

#include <algorithm>

namespace {

bool nightDials = false;

class NightTint : public QGraphicsEffect
{
public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    void draw(QPainter *painter) override
    {
        QPoint offset;
        const QPixmap source = sourcePixmap(Qt::LogicalCoordinates, &offset);
        // The knob is drawn light on purpose; dimmed, it stays a deep red.
        painter->drawImage(offset, nightTinted(source.toImage(), 0.45));
    }
};

void tintDial(QWidget *dial)
{
    const bool tinted = dynamic_cast<NightTint *>(dial->graphicsEffect()) != nullptr;
    if (nightDials && !tinted)
        dial->setGraphicsEffect(new NightTint(dial));
    else if (!nightDials && tinted)
        dial->setGraphicsEffect(nullptr);
}

// Catches dials as they are shown, wherever they belong.
class DialWatcher : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDial *>(watched))
            tintDial(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

QImage nightTinted(const QImage &image, double scale)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(int(std::max({qRed(c), qGreen(c), qBlue(c)}) * scale), 0, 0, qAlpha(c));
        }
    }
    return out;
}

void setNightDials(bool on)
{
    static DialWatcher *watcher = nullptr;
    if (!watcher && qApp) {
        watcher = new DialWatcher;
        watcher->setParent(qApp);
        qApp->installEventFilter(watcher);
    }
    nightDials = on;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (qobject_cast<QDial *>(widget))
            tintDial(widget);
    }
}
