// Run-time language switching and the manual link.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/documentviewer.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

// Null: the manual opens in the program's own viewer.
std::function<bool(const QUrl &)> MainWindow::manualOpener;

namespace {

struct Catalogue
{
    const char *code;
    const char *path;
};

// Matched in this order, exactly; anything else (EN included) is English.
const Catalogue kCatalogues[] = {
    {"ZH", ":/languages/lan_zh_cn.qm"}, {"JA", ":/languages/lan_ja_jp.qm"}, {"DE", ":/languages/lan_de_de.qm"},
    {"ES", ":/languages/lan_es_es.qm"}, {"FR", ":/languages/lan_fr_fr.qm"}, {"IT", ":/languages/lan_it_it.qm"},
    {"RU", ":/languages/lan_ru_ru.qm"}, {"PT", ":/languages/lan_pt_pt.qm"}, {"KO", ":/languages/lan_ko_kr.qm"},
};
const char *const kEnglishCatalogue = ":/languages/lan_en_us.qm";

// The buttons of message boxes take their texts from this context; the program's
// own catalogues carry them, so no catalogue of the toolkit has to be installed.
[[maybe_unused]] const char *const kButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"), QT_TRANSLATE_NOOP("QPlatformTheme", "Close")};

} // namespace

QString MainWindow::cataloguePath(const QString &code)
{
    for (const Catalogue &c : kCatalogues) {
        if (code == QLatin1String(c.code))
            return QString::fromLatin1(c.path);
    }
    return QString::fromLatin1(kEnglishCatalogue);
}

QUrl MainWindow::manualUrl()
{
    const QString path = DocumentViewer::shippedFile(QStringLiteral("manual/manual.md"));
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

// One translator, reloaded and reinstalled each time: installing the same object
// again moves it to the front without stacking copies. A catalogue that fails to
// load leaves the texts as they were.
void MainWindow::languageChanged()
{
    if (!translator->load(cataloguePath(language)))
        return;
    QCoreApplication::installTranslator(translator);
    emit resetUI();
}

void MainWindow::selectLanguage(bool checked, const char *code)
{
    // The exclusive group also sends false to the action it unchecks.
    if (!checked)
        return;
    language = QString::fromLatin1(code);
    emit changeLanguage();
}

void MainWindow::on_actionEnglish_toggled(bool checked) { selectLanguage(checked, "EN"); }
void MainWindow::on_actionChinese_toggled(bool checked) { selectLanguage(checked, "ZH"); }
void MainWindow::on_actionJapanese_toggled(bool checked) { selectLanguage(checked, "JA"); }
void MainWindow::on_actionRussian_toggled(bool checked) { selectLanguage(checked, "RU"); }
void MainWindow::on_actionFrench_toggled(bool checked) { selectLanguage(checked, "FR"); }
void MainWindow::on_actionGerman_toggled(bool checked) { selectLanguage(checked, "DE"); }
void MainWindow::on_actionSpanish_toggled(bool checked) { selectLanguage(checked, "ES"); }
void MainWindow::on_actionPortuguese_toggled(bool checked) { selectLanguage(checked, "PT"); }
void MainWindow::on_actionItalian_toggled(bool checked) { selectLanguage(checked, "IT"); }
void MainWindow::on_actionKorean_toggled(bool checked) { selectLanguage(checked, "KO"); }

void MainWindow::on_actionOrvanta_Manual_triggered()
{
    const QUrl url = manualUrl();
    if (url.isEmpty()) {
        QMessageBox::warning(this, tr("Warn"), tr("The manual is not installed with Orvanta."));
        return;
    }
    if (manualOpener) {
        manualOpener(url);
        return;
    }
    if (!manualViewer)
        manualViewer = new DocumentViewer(this);
    if (manualViewer->showDocument(url.toLocalFile(), tr("Orvanta Manual"))) {
        manualViewer->show();
        manualViewer->raise();
    }
}
