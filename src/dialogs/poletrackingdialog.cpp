#include "dialogs/poletrackingdialog.h"

#include "ui_poletrackingdialog.h"
#include "widgets/fittext.h"

#include <QLabel>

#include <algorithm>

PoleTrackingDialog::PoleTrackingDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::PoleTrackingDialog)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // The dial's own angle, under its caption.
    angleLabel = new QLabel(this);
    angleLabel->setObjectName(QStringLiteral("label_tracking_angle"));
    const QRect caption = ui->label_tracking->geometry();
    angleLabel->setGeometry(caption.x(), caption.bottom() + 1, caption.width(), caption.height());
    showAngle(ui->dial_tracking->value());
    fitTextToWidgets(this);
    fitWrappedText(ui->label_info);
}

void PoleTrackingDialog::showAngle(int degrees)
{
    angleLabel->setText(QStringLiteral("%1\u00b0").arg(degrees));
}

PoleTrackingDialog::~PoleTrackingDialog()
{
    delete ui;
}

void PoleTrackingDialog::uiReset()
{
    ui->retranslateUi(this);
    fitTextToWidgets(this);
    fitWrappedText(ui->label_info);
}

void PoleTrackingDialog::on_pushButton_tracking_minus_clicked()
{
    ui->dial_tracking->setValue(std::max(ui->dial_tracking->value() - 1, 0));
}

void PoleTrackingDialog::on_pushButton_tracking_add_clicked()
{
    ui->dial_tracking->setValue(std::min(ui->dial_tracking->value() + 1, 360));
}

void PoleTrackingDialog::on_pushButton_reset_clicked()
{
    ui->dial_tracking->setValue(0);
}

void PoleTrackingDialog::on_dial_tracking_valueChanged(int value)
{
    showAngle(value);
    emit trackPole(double(value));
}
