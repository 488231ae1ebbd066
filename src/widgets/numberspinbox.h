// A number field that takes a decimal point or a decimal comma alike, whatever
// the locale, and never a thousands separator. A plain spin box in a German
// locale reads "." as a thousands separator and drops the keystroke that would
// pass its maximum: "12.75" typed for a temperature came out as 127.
#ifndef NUMBERSPINBOX_H
#define NUMBERSPINBOX_H

#include <QDoubleSpinBox>

class NumberSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit NumberSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;

private:
    QString normalized(QString text) const;
};

#endif
