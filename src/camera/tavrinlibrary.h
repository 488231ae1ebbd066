// The camera library, loaded at start instead of linked, so that a missing
// library or a library that lacks one of the 17 functions is found and said at
// once, and the program runs on without a camera instead of failing later.
//
//  1. load() tries the library beside the executable, in the install tree and in
//     the build tree, then the system's search path; load(path) takes one file.
//     ensureLoaded() loads on first use only.
//  2. isLoaded() is true only when every one of the 17 functions was found; then
//     the pointers below are all set. Otherwise errorText() says what is missing
//     and every pointer is null.
#ifndef TAVRINLIBRARY_H
#define TAVRINLIBRARY_H

#include "camera/tavrinapi.h"
#include "camera/tavrinoption.h"

#include <QString>
#include <QStringList>

class QLibrary;

struct TavrinLibrary
{
    bool load();
    bool load(const QString &path);
    // load() unless a load was already tried; true when loaded.
    bool ensureLoaded() { return tried ? loaded : load(); }
    void unload();
    bool isLoaded() const { return loaded; }
    QString errorText() const { return error; }
    // Where load() looks, first match wins.
    static QStringList candidates();

    int(TAVRIN_CALL *InitTAVRINResource)(void) = nullptr;
    int(TAVRIN_CALL *ScanTAVRIN)(void) = nullptr;
    int(TAVRIN_CALL *GetTAVRINId)(int, char *) = nullptr;
    TAVRIN_HANDLE(TAVRIN_CALL *OpenTAVRIN)(char *) = nullptr;
    int(TAVRIN_CALL *SetTAVRINReadMode)(TAVRIN_HANDLE, int) = nullptr;
    int(TAVRIN_CALL *SetTAVRINStreamMode)(TAVRIN_HANDLE, unsigned char) = nullptr;
    int(TAVRIN_CALL *InitTAVRIN)(TAVRIN_HANDLE) = nullptr;
    int(TAVRIN_CALL *SetTAVRINBitsMode)(TAVRIN_HANDLE, int) = nullptr;
    int(TAVRIN_CALL *SetTAVRINBinMode)(TAVRIN_HANDLE, int, int) = nullptr;
    int(TAVRIN_CALL *SetTAVRINResolution)(TAVRIN_HANDLE, int, int, int, int) = nullptr;
    double(TAVRIN_CALL *GetTAVRINParam)(TAVRIN_HANDLE, int) = nullptr;
    int(TAVRIN_CALL *SetTAVRINParam)(TAVRIN_HANDLE, int, double) = nullptr;
    int(TAVRIN_CALL *BeginTAVRINLive)(TAVRIN_HANDLE) = nullptr;
    int(TAVRIN_CALL *GetTAVRINLiveFrame)(TAVRIN_HANDLE, uint32_t *, uint32_t *, uint32_t *, uint32_t *,
                                         unsigned char *) = nullptr;
    int(TAVRIN_CALL *StopTAVRINLive)(TAVRIN_HANDLE) = nullptr;
    int(TAVRIN_CALL *CloseTAVRIN)(TAVRIN_HANDLE) = nullptr;
    void(TAVRIN_CALL *OutputTAVRINDebug)(const char *) = nullptr;
    // Optional: the library's settings entry point; null when it has none.
    TAVRINOptionFunction TAVRINOption = nullptr;

private:
    bool resolveAll(QLibrary &library);
    void clearFunctions();

    QLibrary *library = nullptr;
    bool loaded = false;
    bool tried = false;
    QString error;
};

// The process-wide library.
extern TavrinLibrary tavrinLib;

#endif
