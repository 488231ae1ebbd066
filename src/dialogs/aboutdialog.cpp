#include "dialogs/aboutdialog.h"

#include "ui_aboutdialog.h"
#include "dialogs/documentviewer.h"
#include "widgets/fittext.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPair>
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
    fitWrappedText(ui->label_copyright);
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
    setNight(night);
    fitTextToWidgets(this);
    fitWrappedText(ui->label_copyright);
}

void AboutDialog::setNight(bool on)
{
    night = on;
    const QPair<QString, QString> swaps[] = {
        {QStringLiteral(":/images/tavrin.png"), QStringLiteral(":/images/night/tavrin.png")},
        {QStringLiteral("color:#a9a9a9"), QStringLiteral("color:#b10000")},
        {QStringLiteral("<a href=\"licence\">"), QStringLiteral("<a href=\"licence\" style=\"color:#b10000\">")}};
    for (QLabel *label : {ui->label_logo, ui->label_website, ui->label_copyright}) {
        QString text = label->text();
        for (const auto &swap : swaps)
            text.replace(on ? swap.first : swap.second, on ? swap.second : swap.first);
        label->setText(text);
    }
}

void AboutDialog::on_label_logo_linkActivated(const QString &link)
{
    if (urlOpener)
        urlOpener(QUrl(link));
}

// The licence text shipped with the program; its published copy when that is missing.
void AboutDialog::on_label_copyright_linkActivated(const QString &)
{
    const QString path = DocumentViewer::shippedFile(QStringLiteral("LICENSE"));
    if (path.isEmpty()) {
        if (urlOpener)
            urlOpener(QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")));
        return;
    }
    if (!licenceViewer)
        licenceViewer = new DocumentViewer(this);
    if (licenceViewer->showDocument(path, tr("Licence"))) {
        licenceViewer->show();
        licenceViewer->raise();
    }
}

void AboutDialog::on_pushButton_ok_clicked()
{
    close();
}
