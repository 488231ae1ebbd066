#include "dialogs/astrorefractiondialog.h"

#include "dialogs/refractionvalues.h"
#include "ui_astrorefractiondialog.h"
#include "widgets/fittext.h"

#include <QListView>
#include <QSignalBlocker>

namespace {
const int kPaIndex = 0;
const int hPaIndex = 1;
}

AstroRefractionDialog::AstroRefractionDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::AstroRefractionDialog)
{
    ui->setupUi(this);
    // A list view lets the style sheet reach the drop-down items.
    ui->comboBox_presure->setView(new QListView(ui->comboBox_presure));
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    fitTextToWidgets(this);
}

AstroRefractionDialog::~AstroRefractionDialog()
{
    delete ui;
}

void AstroRefractionDialog::setPressureRange(int unitIndex)
{
    // Maximum first: on the way up the old value is clamped to the new
    // minimum, on the way down to the new maximum.
    if (unitIndex == hPaIndex) {
        ui->doubleSpinBox_presure->setMaximum(1100);
        ui->doubleSpinBox_presure->setMinimum(900);
    } else {
        ui->doubleSpinBox_presure->setMaximum(110);
        ui->doubleSpinBox_presure->setMinimum(90);
    }
}

void AstroRefractionDialog::initValues()
{
    // Work from a copy: the value slots below write into the shared record
    // while we go.
    const RefractionValues stored = refractionValues();

    ui->doubleSpinBox_latitude->setValue(stored.latitude);
    ui->doubleSpinBox_longitude->setValue(stored.longitude);

    // Show the stored unit without running the unit switch, which would
    // convert and overwrite the stored pressure.
    const int unitIndex = stored.P_unit == QLatin1String("hPa") ? hPaIndex : kPaIndex;
    {
        const QSignalBlocker blocker(ui->comboBox_presure);
        ui->comboBox_presure->setCurrentIndex(unitIndex);
    }
    setPressureRange(unitIndex);

    ui->doubleSpinBox_presure->setValue(stored.P);
    ui->doubleSpinBox_temperature->setValue(stored.T);
    ui->checkBox_enableAstroRef->setChecked(stored.enabledCorrect);
    ui->checkBox_yearlyTable->setChecked(stored.yearlyTable);

    // A widget that already showed the value (or clamped it to a value it
    // already showed) fires no signal; store what is shown either way so the
    // dialog and the shared values never disagree.
    const float latitude = float(ui->doubleSpinBox_latitude->value());
    const float longitude = float(ui->doubleSpinBox_longitude->value());
    const float pressure = float(ui->doubleSpinBox_presure->value());
    const float temperature = float(ui->doubleSpinBox_temperature->value());
    const bool enabled = ui->checkBox_enableAstroRef->isChecked();
    updateRefractionValues([&](RefractionValues &v) {
        v.latitude = latitude;
        v.longitude = longitude;
        v.P = pressure;
        v.T = temperature;
        v.enabledCorrect = enabled;
    });
}

void AstroRefractionDialog::uiReset()
{
    // retranslateUi rewrites the item texts only; the chosen unit stays.
    ui->retranslateUi(this);
    fitTextToWidgets(this);
}

void AstroRefractionDialog::on_comboBox_presure_currentIndexChanged(int index)
{
    double v = ui->doubleSpinBox_presure->value();
    const QString unit = index == hPaIndex ? QStringLiteral("hPa") : QStringLiteral("kPa");
    {
        // The range change clamps through an intermediate value (900 on the
        // way from 101 kPa to 1010 hPa); keep it out of the shared record,
        // where the capture thread would read it with the old unit.
        const QSignalBlocker blocker(ui->doubleSpinBox_presure);
        setPressureRange(index);
        v = index == hPaIndex ? v * 10 : v / 10;
        ui->doubleSpinBox_presure->setValue(v);
    }
    const float shown = float(ui->doubleSpinBox_presure->value());
    updateRefractionValues([&](RefractionValues &r) {
        r.P_unit = unit;
        r.P = shown;
    });
}

void AstroRefractionDialog::on_checkBox_enableAstroRef_toggled(bool checked)
{
    updateRefractionValues([checked](RefractionValues &r) { r.enabledCorrect = checked; });
}

void AstroRefractionDialog::on_checkBox_yearlyTable_toggled(bool checked)
{
    updateRefractionValues([checked](RefractionValues &r) { r.yearlyTable = checked; });
}

void AstroRefractionDialog::on_doubleSpinBox_latitude_valueChanged(double arg1)
{
    updateRefractionValues([arg1](RefractionValues &r) { r.latitude = float(arg1); });
}

void AstroRefractionDialog::on_doubleSpinBox_longitude_valueChanged(double arg1)
{
    updateRefractionValues([arg1](RefractionValues &r) { r.longitude = float(arg1); });
}

void AstroRefractionDialog::on_doubleSpinBox_presure_valueChanged(double arg1)
{
    updateRefractionValues([arg1](RefractionValues &r) { r.P = float(arg1); });
}

void AstroRefractionDialog::on_doubleSpinBox_temperature_valueChanged(double arg1)
{
    updateRefractionValues([arg1](RefractionValues &r) { r.T = float(arg1); });
}
