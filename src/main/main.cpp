#include "main/logging.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

int quitPipe[2] = {-1, -1};

void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
    errno = savedErrno;
}

// Ctrl+C, a session's SIGTERM and a closed terminal end the program the way Exit
// does, so what was changed since the start is saved. The handler only writes a
// byte; the window is closed from the event loop, where that is safe.
QSocketNotifier *watchQuitSignals()
{
    if (::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    auto *notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, qApp);
    notifier->setEnabled(false); // until there is a window to close
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    return notifier;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    // Before anything is written: a signal from now on waits for the window.
    QSocketNotifier *quitNotifier = watchQuitSignals();

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
    if (quitNotifier) {
        QObject::connect(quitNotifier, &QSocketNotifier::activated, window, [window] {
            char bytes[16];
            while (::read(quitPipe[0], bytes, sizeof bytes) > 0) {
            }
            // Refused while a camera call is still being waited for, as Exit is.
            if (window->close())
                QCoreApplication::quit();
        });
        quitNotifier->setEnabled(true);
    }
    window->show();
    const int result = app.exec();
    delete window;
    // Settings and log are on disk; a thread stuck in the camera library would
    // only crash the ordinary exit when its call returns into freed memory.
    if (MainWindow::captureAbandoned())
        std::_Exit(result);
    return result;
}
