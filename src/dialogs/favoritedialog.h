#ifndef ORVANTA_FAVORITEDIALOG_H
#define ORVANTA_FAVORITEDIALOG_H

#include <QDialog>

namespace Ui {
class FavoriteDialog;
}

// The hidden "Favorite" tool: one check box with no effect yet.
class FavoriteDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FavoriteDialog(QWidget *parent = nullptr);
    ~FavoriteDialog() override;

private slots:
    void on_cBox_playMusic_clicked(bool checked);

private:
    Ui::FavoriteDialog *ui;
};

#endif
