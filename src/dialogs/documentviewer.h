#ifndef ORVANTA_DOCUMENTVIEWER_H
#define ORVANTA_DOCUMENTVIEWER_H

#include <QDialog>
#include <QString>

class QTextBrowser;

// Shows a text shipped with the program (the manual, the licence) from disk, so
// it reads the same without a network and follows the program's style sheet.
class DocumentViewer : public QDialog
{
    Q_OBJECT

public:
    explicit DocumentViewer(QWidget *parent = nullptr);

    // Markdown by the .md suffix, plain text otherwise; pictures are found beside
    // the file. False, and nothing changed, when the file cannot be read.
    bool showDocument(const QString &path, const QString &title);
    QTextBrowser *browser() const { return view; }

    // A file of the program's data folder: share/orvanta beside the executable
    // (the build tree) or ../share/orvanta from it (installed). Empty when absent.
    static QString shippedFile(const QString &relativePath);
    // Searched instead of the two folders above when set (tests).
    static QString dataDirOverride;

    // Pictures in the night red, in every viewer.
    static void setNight(bool on);
    static bool nightPictures() { return night; }

private:
    QTextBrowser *view = nullptr;
    static bool night;
};

#endif
