#include "main/logging.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QScreen>
#include <QStandardPaths>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    if (!QGuiApplication::screens().isEmpty()) {
        const float ratio = static_cast<float>(QGuiApplication::screens().first()->logicalDotsPerInch() / 96.0);
        QFont font = QApplication::font();
        font.setPointSize(scaledPointSize(font.pointSize(), ratio));
        QApplication::setFont(font);
    }

    const QDateTime start = QDateTime::currentDateTime();
    const QString logFolder =
        prepareLogFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    logFilePath = logFileNameFor(logFolder, start);
    qInstallMessageHandler(logMessageHandler);

    QFile styleFile(":/qss/default.qss");
    if (styleFile.open(QIODevice::ReadOnly)) {
        app.setStyleSheet(QString::fromUtf8(styleFile.readAll()));
        styleFile.close();
    }

    auto *window = new MainWindow(nullptr);
    window->show();
    const int result = app.exec();
    delete window;
    // Settings and log are on disk; a thread stuck in the camera library would
    // only crash the ordinary exit when its call returns into freed memory.
    if (MainWindow::captureAbandoned())
        std::_Exit(result);
    return result;
}
