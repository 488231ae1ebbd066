#ifndef LOGGING_H
#define LOGGING_H

#include <QString>
#include <QtGlobal>

class QDateTime;
class QFont;

// Full path of this run's log file; set once by main before the handler is installed.
extern QString logFilePath;

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

// Factor by which the application font grows on a screen of the given dots-per-inch ratio (dpi / 96).
double fontScaleForRatio(float ratio);

// Point size of a font of pointSize points on a screen with that ratio, truncated to whole points.
int scaledPointSize(int pointSize, float ratio);

// The folder "<documents>/Orvanta/Log", created when missing; returns the native path.
QString prepareLogFolder(const QString &documentsLocation);

// "<logFolder>/yyyy-MM-dd.hh-mm-ss.log" in native separators.
QString logFileNameFor(const QString &logFolder, const QDateTime &start);

#endif
