#include "dialogs/aboutdialog.h"

#include "ui_aboutdialog.h"
#include "widgets/fittext.h"

#include <QDesktopServices>
#include <QUrl>

std::function<bool(const QUrl &)> AboutDialog::urlOpener = [](const QUrl &url) {
    return QDesktopServices::openUrl(url);
};

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->label_version->setText(versionLine());
    fitTextToWidgets(this);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

QString AboutDialog::versionLine()
{
    return QStringLiteral("Orvanta %1, release on %2")
        .arg(QStringLiteral("21.9.17"), QStringLiteral("2021-09-17"));
}

void AboutDialog::uiReset()
{
    ui->retranslateUi(this);
    // The form's translation step rewrites the version label too.
    ui->label_version->setText(versionLine());
    fitTextToWidgets(this);
}

void AboutDialog::on_label_logo_linkActivated(const QString &link)
{
    if (urlOpener)
        urlOpener(QUrl(link));
}

void AboutDialog::on_pushButton_ok_clicked()
{
    close();
}
