#ifndef ORVANTA_FITTEXT_H
#define ORVANTA_FITTEXT_H

class QWidget;

// The dialogs use fixed geometry made for the designed fonts. Where a font is
// substituted by a wider one, or a translation is longer than the English
// text, single-line labels and check boxes under `root` get a smaller point
// size until their text fits (never below 6 points). Widgets that already fit
// keep their designed font, so the call is safe to repeat after every text
// change.
void fitTextToWidgets(QWidget *root);

#endif
