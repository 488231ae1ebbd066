// The settings file: style, language, hemisphere, zoom, refraction values and
// the last RA axis centre, read once at construction and written once on close.
//
// The file lives beside the executable. An installed program usually cannot
// write there, so the file then goes to the user's configuration folder, and
// reading takes whichever of the two was written last. QSettings writes through
// a temporary file and a rename (atomic sync is on by default), so a failed or
// interrupted write never leaves half a file behind. The file beside the
// executable is used only when it is ours: a regular file of our name and owner,
// or a link to one; anything else there (a device, a folder, a link to some
// other file) is left alone and the configuration folder is used.
#include "mainwindow/mainwindow.h"

#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <limits>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QString MainWindow::settingsDirOverride;

namespace {

const char *const kFileName = "Orvanta.ini";
// Exposure in milliseconds and gain, per hemisphere (north, south).
const char *const kCameraGroups[2] = {"CAMERA_NORTH", "CAMERA_SOUTH"};

// A number as the file keeps it: general format, 6 significant digits.
QString formatNumber(double value)
{
    return QString::number(value, 'g', 6);
}

// A single-precision value; text that is no number reads as 0, and nan, inf or
// a value beyond float range reads as the key's default.
float readFloat(const QSettings &settings, const QString &key, float fallback)
{
    bool ok = false;
    const double value = settings.value(key, fallback).toString().trimmed().toDouble(&ok);
    if (!ok)
        return std::isfinite(value) ? 0.0f : fallback;
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return fallback;
    return float(value);
}

QString readText(const QSettings &settings, const QString &key, const QString &fallback)
{
    return settings.value(key, fallback).toString();
}

bool isUsableZoom(float zoom)
{
    return std::isfinite(zoom) && zoom > 0.0f && zoom <= 2.0f;
}

// The file the settings at path may be read from and written to: path itself
// while nothing is there, else the regular file it is or links to when that is
// ours. Empty, with the reason in why, when it is not.
QString ownSettingsFile(const QString &path, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    const QFileInfo resolved(target);
    if (target.isEmpty())
        *why = QStringLiteral("a link to nothing");
    else if (!resolved.isFile())
        *why = QStringLiteral("not a regular file");
    else if (resolved.fileName() != QLatin1String(kFileName))
        *why = QStringLiteral("a link to another file, %1").arg(target);
#ifdef Q_OS_UNIX
    else if (resolved.ownerId() != uint(getuid()))
        *why = QStringLiteral("owned by another user");
#endif
    else
        return target;
    return QString();
}

// Every line a group, a key with its value, or a comment: no free text left.
bool isCleanIni(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith('[') && !line.startsWith(';') && !line.contains('='))
            return false;
    }
    return true;
}

// The file with the latest write wins; the other one is stale.
QString fileToRead()
{
    QString why;
    const QFileInfo primary(ownSettingsFile(MainWindow::settingsFilePath(), &why));
    const QFileInfo fallback(MainWindow::fallbackSettingsFilePath());
    const bool hasPrimary = primary.isFile();
    const bool hasFallback = fallback.isFile();
    if (hasPrimary && hasFallback)
        return fallback.lastModified() > primary.lastModified() ? fallback.filePath() : primary.filePath();
    if (hasPrimary)
        return primary.filePath();
    if (hasFallback)
        return fallback.filePath();
    return QString();
}

void writeAll(QSettings &settings, const MainWindow &w)
{
    const RefractionValues refraction = refractionValues();
    // Only a centre the user accepted; one found and not accepted, or declined, is not.
    const QPointF axisCenter = w.savedAxisCenter;

    settings.beginGroup(QStringLiteral("STYLE"));
    settings.setValue(QStringLiteral("style"), liveViewState.get(&LiveView::style));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("LANGUAGE"));
    settings.setValue(QStringLiteral("lang"), w.language);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("REGION"));
    settings.setValue(QStringLiteral("region"), w.region);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ZOOM"));
    settings.setValue(QStringLiteral("factor"), formatNumber(w.zoomFactor));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ASTRONOMICAL_REFRACTION"));
    settings.setValue(QStringLiteral("latitude"), formatNumber(refraction.latitude));
    settings.setValue(QStringLiteral("longitude"), formatNumber(refraction.longitude));
    settings.setValue(QStringLiteral("P"), formatNumber(refraction.P));
    settings.setValue(QStringLiteral("T"), formatNumber(refraction.T));
    settings.setValue(QStringLiteral("enabledCorrect"), refraction.enabledCorrect);
    settings.setValue(QStringLiteral("P_unit"), refraction.P_unit);
    settings.setValue(QStringLiteral("yearlyTable"), refraction.yearlyTable);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("AXIS_CENTER"));
    settings.setValue(QStringLiteral("x"), formatNumber(axisCenter.x()));
    settings.setValue(QStringLiteral("y"), formatNumber(axisCenter.y()));
    if (w.savedAxisDate.isValid())
        settings.setValue(QStringLiteral("date"), w.savedAxisDate.toString(Qt::ISODate));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("CAMERA_SERVER"));
    settings.setValue(QStringLiteral("host"), w.cameraServer.host);
    settings.setValue(QStringLiteral("port"), w.cameraServer.port);
    settings.setValue(QStringLiteral("focal_length"), formatNumber(w.cameraServer.focalLength));
    settings.setValue(QStringLiteral("camera"), w.cameraServer.camera);
    settings.endGroup();

    for (int i = 0; i < 2; ++i) {
        if (w.cameraPresets[i].exposureMs <= 0 || w.cameraPresets[i].gain <= 0)
            continue;
        settings.beginGroup(QLatin1String(kCameraGroups[i]));
        settings.setValue(QStringLiteral("exposure"), w.cameraPresets[i].exposureMs);
        settings.setValue(QStringLiteral("gain"), w.cameraPresets[i].gain);
        settings.endGroup();
    }
}

enum class Written { Yes, OverDamagedFile, No };

// Writes every key to path. A file with free text in it reads with a format
// error that also hides whether the write worked: the new file tells.
Written writeTo(const QString &path, const MainWindow &w)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    writeAll(settings, w);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return Written::Yes;
    if (settings.status() == QSettings::FormatError && isCleanIni(path))
        return Written::OverDamagedFile;
    return Written::No;
}

} // namespace

QString MainWindow::settingsFilePath()
{
    const QString dir = settingsDirOverride.isEmpty() ? QCoreApplication::applicationDirPath() : settingsDirOverride;
    return QDir::toNativeSeparators(dir + QLatin1Char('/') + QLatin1String(kFileName));
}

QString MainWindow::fallbackSettingsFilePath()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                                    QLatin1Char('/') + QLatin1String(kFileName));
}

bool MainWindow::readSettings()
{
    const QString path = fileToRead();
    if (path.isEmpty())
        return false;

    QSettings settings(path, QSettings::IniFormat);
    const RefractionValues defaults;

    settings.beginGroup(QStringLiteral("STYLE"));
    liveViewState.set(&LiveView::style, readText(settings, QStringLiteral("style"), QStringLiteral("Color")));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("LANGUAGE"));
    language = readText(settings, QStringLiteral("lang"), QStringLiteral("EN"));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("REGION"));
    region = readText(settings, QStringLiteral("region"), QStringLiteral("North"));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ZOOM"));
    zoomFactor = readFloat(settings, QStringLiteral("factor"), 1.0f);
    // Every size and position of the live view is scaled by it.
    if (!isUsableZoom(zoomFactor))
        zoomFactor = 1.0f;
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ASTRONOMICAL_REFRACTION"));
    RefractionValues refraction;
    refraction.latitude = readFloat(settings, QStringLiteral("latitude"), defaults.latitude);
    refraction.longitude = readFloat(settings, QStringLiteral("longitude"), defaults.longitude);
    refraction.P = readFloat(settings, QStringLiteral("P"), defaults.P);
    refraction.T = readFloat(settings, QStringLiteral("T"), defaults.T);
    refraction.enabledCorrect = settings.value(QStringLiteral("enabledCorrect"), defaults.enabledCorrect).toBool();
    refraction.P_unit = readText(settings, QStringLiteral("P_unit"), defaults.P_unit);
    refraction.yearlyTable = settings.value(QStringLiteral("yearlyTable"), defaults.yearlyTable).toBool();
    settings.endGroup();
    setRefractionValues(refraction);

    settings.beginGroup(QStringLiteral("AXIS_CENTER"));
    const double x = readFloat(settings, QStringLiteral("x"), 0.0f);
    const double y = readFloat(settings, QStringLiteral("y"), 0.0f);
    savedAxisDate = QDate::fromString(readText(settings, QStringLiteral("date"), QString()), Qt::ISODate);
    settings.endGroup();
    liveViewState.set(&LiveView::axisCenter, QPointF(x, y));
    savedAxisCenter = QPointF(x, y);

    settings.beginGroup(QStringLiteral("CAMERA_SERVER"));
    const CameraServerSettings serverDefaults;
    cameraServer.host = readText(settings, QStringLiteral("host"), serverDefaults.host).trimmed();
    const int port = settings.value(QStringLiteral("port"), serverDefaults.port).toInt();
    cameraServer.port = port >= 1 && port <= 65535 ? port : serverDefaults.port;
    const float focal = readFloat(settings, QStringLiteral("focal_length"), 0.0f);
    cameraServer.focalLength = focal > 0.0f ? double(focal) : 0.0;
    cameraServer.camera = readText(settings, QStringLiteral("camera"), QString());
    settings.endGroup();

    for (int i = 0; i < 2; ++i) {
        settings.beginGroup(QLatin1String(kCameraGroups[i]));
        cameraPresets[i] = {settings.value(QStringLiteral("exposure"), 0).toInt(),
                            settings.value(QStringLiteral("gain"), 0).toInt()};
        settings.endGroup();
    }

    return true;
}

void MainWindow::writeSettings()
{
    const QString primary = settingsFilePath();
    QString why;
    const QString target = ownSettingsFile(primary, &why);
    if (!target.isEmpty()) {
        const Written written = writeTo(target, *this);
        if (written == Written::OverDamagedFile)
            qCritical("Settings: %s had unreadable lines; written anew", qUtf8Printable(target));
        if (written != Written::No)
            return;
        why = QStringLiteral("not writable");
    }

    const QString fallback = fallbackSettingsFilePath();
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    if (writeTo(fallback, *this) != Written::No)
        qCritical("Settings: %s is %s; saved to %s", qUtf8Printable(primary), qUtf8Printable(why),
                  qUtf8Printable(fallback));
    else
        qCritical("Settings: %s is %s, and %s cannot be written either; settings not saved",
                  qUtf8Printable(primary), qUtf8Printable(why), qUtf8Printable(fallback));
}
