#include "camera/tavrinlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

TavrinLibrary tavrinLib;

namespace {

#if defined(_WIN32)
const char kFileName[] = "tavrin.dll";
#else
const char kFileName[] = "libtavrin.so";
#endif

template <typename Fn>
bool resolveOne(QLibrary &library, const char *name, Fn &fn, QStringList *missing)
{
    fn = reinterpret_cast<Fn>(library.resolve(name));
    if (!fn)
        *missing << QString::fromLatin1(name);
    return fn != nullptr;
}

} // namespace

QStringList TavrinLibrary::candidates()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString file = QString::fromLatin1(kFileName);
    QStringList paths{appDir + QLatin1Char('/') + file,
                      appDir + QStringLiteral("/../" ORVANTA_INSTALL_LIBDIR "/") + file};
#ifdef ORVANTA_TAVRIN_BUILD_DIR
    paths << QStringLiteral(ORVANTA_TAVRIN_BUILD_DIR "/") + file;
#endif
    return paths;
}

bool TavrinLibrary::load()
{
    QStringList folders;
    for (const QString &path : candidates()) {
        if (QFileInfo(path).isFile())
            return load(path);
        folders << QDir::cleanPath(QFileInfo(path).path());
    }
    // Last, the system's search path (an installed library).
    if (load(QStringLiteral("tavrin")))
        return true;
    error = QStringLiteral("the camera library %1 is neither in %2 nor on the system's library path")
                .arg(QLatin1String(kFileName), folders.join(QStringLiteral(", ")));
    return false;
}

bool TavrinLibrary::load(const QString &path)
{
    unload();
    tried = true;
    library = new QLibrary(path);
    if (!library->load()) {
        error = QStringLiteral("cannot load the camera library %1 (%2)").arg(path, library->errorString());
        delete library;
        library = nullptr;
        return false;
    }
    if (!resolveAll(*library)) {
        clearFunctions();
        library->unload();
        delete library;
        library = nullptr;
        return false;
    }
    TAVRINOption = reinterpret_cast<TAVRINOptionFunction>(library->resolve("TAVRINOption"));
    loaded = true;
    return true;
}

void TavrinLibrary::unload()
{
    clearFunctions();
    loaded = false;
    error.clear();
    // A library once loaded stays mapped: a thread left inside one of its calls
    // must not find the code gone.
    delete library;
    library = nullptr;
}

bool TavrinLibrary::resolveAll(QLibrary &lib)
{
    QStringList missing;
    bool all = true;
    all &= resolveOne(lib, "InitTAVRINResource", InitTAVRINResource, &missing);
    all &= resolveOne(lib, "ScanTAVRIN", ScanTAVRIN, &missing);
    all &= resolveOne(lib, "GetTAVRINId", GetTAVRINId, &missing);
    all &= resolveOne(lib, "OpenTAVRIN", OpenTAVRIN, &missing);
    all &= resolveOne(lib, "SetTAVRINReadMode", SetTAVRINReadMode, &missing);
    all &= resolveOne(lib, "SetTAVRINStreamMode", SetTAVRINStreamMode, &missing);
    all &= resolveOne(lib, "InitTAVRIN", InitTAVRIN, &missing);
    all &= resolveOne(lib, "SetTAVRINBitsMode", SetTAVRINBitsMode, &missing);
    all &= resolveOne(lib, "SetTAVRINBinMode", SetTAVRINBinMode, &missing);
    all &= resolveOne(lib, "SetTAVRINResolution", SetTAVRINResolution, &missing);
    all &= resolveOne(lib, "GetTAVRINParam", GetTAVRINParam, &missing);
    all &= resolveOne(lib, "SetTAVRINParam", SetTAVRINParam, &missing);
    all &= resolveOne(lib, "BeginTAVRINLive", BeginTAVRINLive, &missing);
    all &= resolveOne(lib, "GetTAVRINLiveFrame", GetTAVRINLiveFrame, &missing);
    all &= resolveOne(lib, "StopTAVRINLive", StopTAVRINLive, &missing);
    all &= resolveOne(lib, "CloseTAVRIN", CloseTAVRIN, &missing);
    all &= resolveOne(lib, "OutputTAVRINDebug", OutputTAVRINDebug, &missing);
    if (!all)
        error = QStringLiteral("the camera library %1 lacks %2")
                    .arg(lib.fileName(), missing.join(QStringLiteral(", ")));
    return all;
}

void TavrinLibrary::clearFunctions()
{
    TAVRINOption = nullptr;
    InitTAVRINResource = nullptr;
    ScanTAVRIN = nullptr;
    GetTAVRINId = nullptr;
    OpenTAVRIN = nullptr;
    SetTAVRINReadMode = nullptr;
    SetTAVRINStreamMode = nullptr;
    InitTAVRIN = nullptr;
    SetTAVRINBitsMode = nullptr;
    SetTAVRINBinMode = nullptr;
    SetTAVRINResolution = nullptr;
    GetTAVRINParam = nullptr;
    SetTAVRINParam = nullptr;
    BeginTAVRINLive = nullptr;
    GetTAVRINLiveFrame = nullptr;
    StopTAVRINLive = nullptr;
    CloseTAVRIN = nullptr;
    OutputTAVRINDebug = nullptr;
}
