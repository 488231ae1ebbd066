#ifndef ORVANTA_ABOUTDIALOG_H
#define ORVANTA_ABOUTDIALOG_H

#include <QDialog>

#include <functional>

class DocumentViewer;
class QUrl;

namespace Ui {
class AboutDialog;
}

// Version, copyright and licence, and links. Lives as long as the main window;
// closing only hides it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    // "Orvanta 21.9.17, release on 2021-09-17"; never translated.
    static QString versionLine();

    // Opens a link from the logo. Defaults to the desktop browser; tests
    // replace it so that nothing is launched.
    static std::function<bool(const QUrl &)> urlOpener;

    // The logo and the web address in the night red, or back in their colours.
    void setNight(bool on);

public slots:
    void uiReset();

private slots:
    void on_label_logo_linkActivated(const QString &link);
    void on_label_copyright_linkActivated(const QString &link);
    void on_pushButton_ok_clicked();

private:
    Ui::AboutDialog *ui;
    DocumentViewer *licenceViewer = nullptr;   // made on first use
    bool night = false;
};

#endif
