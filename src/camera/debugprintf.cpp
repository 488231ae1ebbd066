#include "camera/debugprintf.h"

#include "camera/tavrinlibrary.h"

#include <QtGlobal>

#include <cstdarg>
#include <cstdio>

void debugPrintf(const char *format, ...)
{
    char buffer[4096] = {0};
    va_list args;
    va_start(args, format);
    // vsnprintf cuts at 4095 characters and always terminates.
    std::vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    if (tavrinLib.ensureLoaded())
        tavrinLib.OutputTAVRINDebug(buffer);
    // The program's own log keeps them too, at debug level; the terminal stays quiet.
    qDebug("%s", buffer);
}
