#include "dialogs/fittext.h"

#include <QCheckBox>
#include <QLabel>
#include <QVariant>

namespace {

const char *const designedFontProperty = "orvantaDesignedFont";
const int smallestPointSize = 6;

void fit(QWidget *widget)
{
    // Start from the designed font each time, so a shorter text after a
    // language change gets its full size back.
    widget->ensurePolished();
    QVariant designed = widget->property(designedFontProperty);
    if (!designed.isValid()) {
        designed = QVariant::fromValue(widget->font());
        widget->setProperty(designedFontProperty, designed);
    }
    QFont font = designed.value<QFont>();
    widget->setFont(font);
    if (font.pointSize() <= 0)
        return; // pixel-sized fonts come from the style sheet; leave them
    while (widget->sizeHint().width() > widget->width() && font.pointSize() > smallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
        widget->setFont(font);
    }
}

} // namespace

void fitTextToWidgets(QWidget *root)
{
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().isEmpty())
            continue;
        fit(label);
    }
    for (QCheckBox *box : root->findChildren<QCheckBox *>())
        fit(box);
}
