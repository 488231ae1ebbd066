#ifndef ORVANTA_FITTEXT_H
#define ORVANTA_FITTEXT_H

class QLabel;
class QWidget;

// Fixed geometry is made for the designed fonts. Where a font is substituted by
// a wider one, or a translation is longer than the English text, these give a
// widget a smaller font until its text fits, never below 6 points (or 6 pixels).
// Each call starts again from the designed font, so a text that fits with it
// gets it back: the calls are safe to repeat after every text change.

// How the font is made smaller: in points with setFont(), or in pixels with a
// style sheet of the widget's own, the only thing that outranks the pixel sizes
// the application style sheet gives. setFont() leaves a pixel-sized font alone.
enum class FontSizing { Points, StyleSheetPixels };

// A single-line label or button: its text within the contents width less `margin`.
void fitLineText(QWidget *widget, int margin = 0, FontSizing sizing = FontSizing::Points);

// A word-wrapped label: its wrapped text within the label's height.
void fitWrappedText(QLabel *label, FontSizing sizing = FontSizing::Points);

// Every single-line plain-text label and every check box under `root` (a
// dialog), in points: each within its own size hint.
void fitTextToWidgets(QWidget *root);

#endif
