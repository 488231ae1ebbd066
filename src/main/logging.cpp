#include "main/logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdlib>

QString logFilePath;

double fontScaleForRatio(float ratio)
{
    // The ratio stays single precision and is compared against double thresholds.
    if (ratio < 1.1)
        return 1.0;
    if (ratio < 1.4)
        return 1.25;
    if (ratio < 1.6)
        return 1.5;
    if (ratio < 1.8)
        return 1.75;
    return 2.0;
}

int scaledPointSize(int pointSize, float ratio)
{
    return static_cast<int>(pointSize * fontScaleForRatio(ratio));
}

QString prepareLogFolder(const QString &documentsLocation)
{
    const QString programFolder = QDir::toNativeSeparators(documentsLocation + "/Orvanta");
    const QString logFolder = QDir::toNativeSeparators(programFolder + "/Log");
    QDir dir;
    // A fresh desktop may have no documents folder yet; create it with ours rather than log nothing.
    if (!dir.exists(programFolder))
        dir.mkpath(programFolder);
    if (!dir.exists(logFolder))
        dir.mkdir(logFolder);
    return logFolder;
}

QString logFileNameFor(const QString &logFolder, const QDateTime &start)
{
    return QDir::toNativeSeparators(logFolder + "/" + start.toString("yyyy-MM-dd.hh-mm-ss") + ".log");
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Q_UNUSED(context);
    const QString text = QString::fromUtf8(message.toLocal8Bit());
    QString line;
    switch (type) {
    case QtDebugMsg:
        line = QString("\tDebug\t %1").arg(text);
        break;
    case QtInfoMsg:
        line = QString("\tInfo\t %1").arg(text);
        break;
    case QtCriticalMsg:
        line = QString("\tCritical\t %1").arg(text);
        break;
    case QtFatalMsg:
        line = QString("\tFatal\t %1").arg(text);
        break;
    case QtWarningMsg:
        break;
    }

    const QString stamp = QDateTime::currentDateTime().toString("yyyy/MM/dd hh:mm:ss");
    // Opened and closed per message so that written lines survive a crash. Lines end in CR LF
    // on every system, so logs read the same wherever they were written.
    QFile file(logFilePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (!line.isEmpty()) {
            QTextStream stream(&file);
            stream << stamp << line << "\r\n";
            stream.flush();
        }
        file.flush();
        file.close();
    }

    if (type == QtFatalMsg)
        std::abort();
}
