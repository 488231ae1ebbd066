#include "widgets/fittext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace {

const char *const designedFontProperty = "orvantaDesignedFont";
const int smallestSize = 6;

template <typename Fits>
void shrinkUntil(QWidget *widget, FontSizing sizing, Fits fits)
{
    if (sizing == FontSizing::StyleSheetPixels) {
        if (!widget->styleSheet().isEmpty())
            widget->setStyleSheet(QString());
        widget->ensurePolished();
        int pixels = QFontInfo(widget->font()).pixelSize();
        while (!fits() && pixels > smallestSize) {
            --pixels;
            widget->setStyleSheet(QStringLiteral("font-size: %1px;").arg(pixels));
        }
        return;
    }
    widget->ensurePolished();
    QVariant designed = widget->property(designedFontProperty);
    if (!designed.isValid()) {
        designed = QVariant::fromValue(widget->font());
        widget->setProperty(designedFontProperty, designed);
    }
    QFont font = designed.value<QFont>();
    widget->setFont(font);
    while (font.pointSize() > smallestSize && !fits()) {
        font.setPointSize(font.pointSize() - 1);
        widget->setFont(font);
    }
}

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

void fitSizeHint(QWidget *widget)
{
    shrinkUntil(widget, FontSizing::Points, [widget] { return widget->sizeHint().width() <= widget->width(); });
}

} // namespace

void fitLineText(QWidget *widget, int margin, FontSizing sizing)
{
    const QString text = textOf(widget);
    shrinkUntil(widget, sizing, [widget, &text, margin] {
        return QFontMetrics(widget->font()).horizontalAdvance(text) + margin <= widget->contentsRect().width();
    });
}

void fitWrappedText(QLabel *label, FontSizing sizing)
{
    shrinkUntil(label, sizing, [label] { return label->heightForWidth(label->width()) <= label->height(); });
}

void fitTextToWidgets(QWidget *root)
{
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().isEmpty())
            continue;
        fitSizeHint(label);
    }
    for (QCheckBox *box : root->findChildren<QCheckBox *>())
        fitSizeHint(box);
}
