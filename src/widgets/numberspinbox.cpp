#include "widgets/numberspinbox.h"

NumberSpinBox::NumberSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    QLocale numbers = locale();
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::RejectGroupSeparator
                             | QLocale::OmitGroupSeparator);
    setLocale(numbers);
}

QString NumberSpinBox::normalized(QString text) const
{
    const QChar point = locale().decimalPoint();
    for (QChar &c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            c = point;
    }
    return text;
}

QValidator::State NumberSpinBox::validate(QString &input, int &pos) const
{
    input = normalized(input);
    return QDoubleSpinBox::validate(input, pos);
}

double NumberSpinBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(normalized(text));
}
