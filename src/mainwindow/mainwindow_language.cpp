// Run-time language switching and the manual link.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTranslator>
#include <QUrl>

std::function<bool(const QUrl &)> MainWindow::manualOpener = [](const QUrl &url) {
    return QDesktopServices::openUrl(url);
};

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

const char *const kManualChina = "https://cn.tavrin.example/orvanta/";
const char *const kManualInternational = "https://www.tavrin.example/orvanta/";

} // namespace

QString MainWindow::cataloguePath(const QString &code)
{
    for (const Catalogue &c : kCatalogues) {
        if (code == QLatin1String(c.code))
            return QString::fromLatin1(c.path);
    }
    return QString::fromLatin1(kEnglishCatalogue);
}

QUrl MainWindow::manualUrl(const QString &code)
{
    return QUrl(QString::fromLatin1(code == QLatin1String("ZH") ? kManualChina : kManualInternational));
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
    // Whether a browser opened is not reported.
    if (manualOpener)
        manualOpener(manualUrl(language));
}
