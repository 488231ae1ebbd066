// printf-style text for the camera library's debug output.
#ifndef DEBUGPRINTF_H
#define DEBUGPRINTF_H

// Formats into a 4096-byte buffer (at most 4095 characters, longer text is cut) and
// hands it to OutputTAVRINDebug and to the log as a debug line.
void debugPrintf(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#endif
