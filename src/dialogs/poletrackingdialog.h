#ifndef ORVANTA_POLETRACKINGDIALOG_H
#define ORVANTA_POLETRACKINGDIALOG_H

#include <QDialog>

class QLabel;

namespace Ui {
class PoleTrackingDialog;
}

// A dial of 0..360 degrees giving the RA turn since the pole was found.
// Each change of the dial value, from any source, emits trackPole once.
class PoleTrackingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PoleTrackingDialog(QWidget *parent = nullptr);
    ~PoleTrackingDialog() override;

signals:
    void trackPole(double degree);

public slots:
    void uiReset();

private slots:
    void on_pushButton_tracking_minus_clicked();
    void on_pushButton_tracking_add_clicked();
    void on_pushButton_reset_clicked();
    void on_dial_tracking_valueChanged(int value);

private:
    void showAngle(int degrees);

    Ui::PoleTrackingDialog *ui;
    QLabel *angleLabel = nullptr;
};

#endif
