#include "dialogs/favoritedialog.h"

#include "ui_favoritedialog.h"

FavoriteDialog::FavoriteDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::FavoriteDialog)
{
    // setupUi also connects the on_<object>_<signal> slots by name.
    ui->setupUi(this);
}

FavoriteDialog::~FavoriteDialog()
{
    delete ui;
}

void FavoriteDialog::on_cBox_playMusic_clicked(bool checked)
{
    Q_UNUSED(checked)
}
