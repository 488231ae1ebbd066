#include "dialogs/documentviewer.h"

#include "widgets/nightstyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString DocumentViewer::dataDirOverride;
bool DocumentViewer::night = false;

namespace {

// Shows the document's pictures in the night red when the night style is on.
class TintingBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource || !DocumentViewer::nightPictures())
            return resource;
        QImage image;
        if (resource.canConvert<QImage>())
            image = resource.value<QImage>();
        else
            image.loadFromData(resource.toByteArray());
        return image.isNull() ? resource : QVariant(nightTinted(image));
    }
};

} // namespace

DocumentViewer::DocumentViewer(QWidget *parent) : QDialog(parent), view(new TintingBrowser(this))
{
    setObjectName(QStringLiteral("DocumentViewer"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    view->setObjectName(QStringLiteral("textBrowser_document"));
    // Links out of the program go to the browser; the program's own pages stay here.
    view->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(760, 640);
}

bool DocumentViewer::showDocument(const QString &path, const QString &title)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (path.endsWith(QLatin1String(".md"), Qt::CaseInsensitive)) {
        view->setSource(url, QTextDocument::MarkdownResource);
    } else {
        view->setPlainText(QString::fromUtf8(file.readAll()));
        view->document()->setBaseUrl(url);
    }
    setWindowTitle(title);
    return true;
}

QString DocumentViewer::shippedFile(const QString &relativePath)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList dirs = dataDirOverride.isEmpty()
                                 ? QStringList{appDir + QStringLiteral("/share/orvanta"),
                                               appDir + QStringLiteral("/../share/orvanta")}
                                 : QStringList{dataDirOverride};
    for (const QString &dir : dirs) {
        const QFileInfo info(dir + QLatin1Char('/') + relativePath);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return QString();
}

void DocumentViewer::setNight(bool on)
{
    if (night == on)
        return;
    night = on;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *viewer = qobject_cast<DocumentViewer *>(widget))
            viewer->view->reload();
    }
}
