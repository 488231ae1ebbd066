#include "camera/cameraserver.h"

#include "camera/tavrinlibrary.h"

#include <QStringList>

#include <algorithm>

double templatePlateScale(const QString &region)
{
    return region == QLatin1String("South") ? 30.7 : 30.4;
}

TAVRINOptionFunction tavrinOptionEntry()
{
    return tavrinLib.ensureLoaded() ? tavrinLib.TAVRINOption : nullptr;
}

QString tavrinOption(const char *key)
{
    const TAVRINOptionFunction entry = tavrinOptionEntry();
    char reply[2048] = {};
    if (!entry || entry(key, nullptr, reply, int(sizeof reply)) != 0)
        return QString();
    return QString::fromUtf8(reply);
}

bool applyCameraServer(const CameraServerSettings &settings, const QString &region)
{
    const TAVRINOptionFunction entry = tavrinOptionEntry();
    if (!entry)
        return false;
    const QString server = settings.host.trimmed().isEmpty()
                               ? QString()
                               : settings.host.trimmed() + QLatin1Char(':') + QString::number(settings.port);
    bool ok = entry("server", server.toUtf8().constData(), nullptr, 0) == 0;
    ok = entry("focal_length", QByteArray::number(settings.focalLength).constData(), nullptr, 0) == 0 && ok;
    ok = entry("plate_scale", QByteArray::number(templatePlateScale(region)).constData(), nullptr, 0) == 0 && ok;
    ok = entry("camera", settings.camera.toUtf8().constData(), nullptr, 0) == 0 && ok;
    return ok;
}

FieldCheck checkField(const QString &fieldDeg, double focalLength)
{
    FieldCheck check;
    const QStringList parts = fieldDeg.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return check;  // not a camera the library scales
    const double shortSide = std::min(parts[0].toDouble(), parts[1].toDouble());
    if (!(shortSide > 0) || !(focalLength > 0)) {
        check.result = FieldCheck::NoFocalLength;
    } else if (shortSide < kMinFieldDeg) {
        check.result = FieldCheck::TooNarrow;
        check.maxFocalLength = focalLength * shortSide / kMinFieldDeg;
    }
    return check;
}
