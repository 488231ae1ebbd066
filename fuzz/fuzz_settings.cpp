// Reading the settings file: the bytes become Orvanta.ini and one main window
// reads it. Whatever the file holds, the values read are usable (a finite zoom
// the live view can scale by, finite site values), and what the window writes
// back reads back the same.
#include "fuzzinput.h"

#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QApplication *app = nullptr;
QTemporaryDir *dir = nullptr;
MainWindow *window = nullptr;

struct Values
{
    QString style, language, region, pUnit;
    float zoom, latitude, longitude, P, T;
    bool enabled;
    QPointF axis;

    bool operator==(const Values &o) const
    {
        return style == o.style && language == o.language && region == o.region && pUnit == o.pUnit
               && zoom == o.zoom && latitude == o.latitude && longitude == o.longitude && P == o.P
               && T == o.T && enabled == o.enabled && axis == o.axis;
    }
};

Values current()
{
    const RefractionValues r = refractionValues();
    return {liveViewState.get(&LiveView::style), window->language, window->region, r.P_unit,
            window->zoomFactor, r.latitude, r.longitude, r.P, r.T, r.enabledCorrect,
            liveViewState.get(&LiveView::axisCenter)};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakesink");
    qputenv("TAVRINSIM_NO_PANEL", "1");
    QStandardPaths::setTestModeEnabled(true);
    app = new QApplication(*argc, *argv);
    // Every input is written and read back three times: keep it in memory.
    if (QFileInfo(QStringLiteral("/dev/shm")).isDir())
        dir = new QTemporaryDir(QStringLiteral("/dev/shm/orvanta-fuzz-XXXXXX"));
    else
        dir = new QTemporaryDir;
    MainWindow::settingsDirOverride = dir->path();
    QFile::remove(MainWindow::fallbackSettingsFilePath());
    window = new MainWindow;
    qInstallMessageHandler(quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = MainWindow::settingsFilePath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    FUZZ_CHECK(window->readSettings());

    const Values read = current();
    FUZZ_CHECK(std::isfinite(read.zoom) && read.zoom > 0.0f && read.zoom <= 2.0f);
    FUZZ_CHECK(std::isfinite(read.latitude) && std::isfinite(read.longitude));
    FUZZ_CHECK(std::isfinite(read.P) && std::isfinite(read.T));
    FUZZ_CHECK(std::isfinite(read.axis.x()) && std::isfinite(read.axis.y()));

    // Numbers are written with six digits, so the first write may round; from
    // then on, closing and starting again must not change anything.
    window->writeSettings();
    FUZZ_CHECK(window->readSettings());
    const Values once = current();
    window->writeSettings();
    FUZZ_CHECK(window->readSettings());
    const Values twice = current();
    FUZZ_CHECK(once == twice);
    FUZZ_CHECK(once.style == read.style && once.language == read.language && once.region == read.region
               && once.pUnit == read.pUnit && once.enabled == read.enabled);
    return 0;
}
