#ifndef ORVANTA_ASTROREFRACTIONDIALOG_H
#define ORVANTA_ASTROREFRACTIONDIALOG_H

#include <QDialog>

namespace Ui {
class AstroRefractionDialog;
}

// Edits the shared refraction values (dialogs/refractionvalues.h). Every
// widget change is written straight through; the dialog has no signals.
class AstroRefractionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AstroRefractionDialog(QWidget *parent = nullptr);
    ~AstroRefractionDialog() override;

public slots:
    // Shows the current shared values (after the settings have been read).
    void initValues();
    void uiReset();

private slots:
    void on_comboBox_presure_currentIndexChanged(int index);
    void on_checkBox_enableAstroRef_toggled(bool checked);
    void on_checkBox_yearlyTable_toggled(bool checked);
    void on_doubleSpinBox_latitude_valueChanged(double arg1);
    void on_doubleSpinBox_longitude_valueChanged(double arg1);
    void on_doubleSpinBox_presure_valueChanged(double arg1);
    void on_doubleSpinBox_temperature_valueChanged(double arg1);

private:
    void setPressureRange(int unitIndex);

    Ui::AstroRefractionDialog *ui;
};

#endif
