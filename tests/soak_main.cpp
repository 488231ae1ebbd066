// The program as main() starts it, connected to the simulated camera and put
// into monitoring of the simulated sky, for long unattended runs under a real X
// server (scripts/soak.sh drives the mouse and menus from outside).
//
// Usage: orvanta_soak <minutes> <settings folder>
// Prints "SOAK READY <pid>" once monitoring runs; closes the window itself after
// the given minutes, which writes the settings file as a user's close does.
#include "capture/liveviewstate.h"
#include "main/logging.h"
#include "mainwindow/mainwindow.h"
#include "tavrinsim.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLineF>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const int kPoleStar = 11767; // star B of the northern template
const int kStarA = 5372;

// The inner angle at `at` of the triangle at, p, q, in degrees.
double angleAt(const QPointF &at, const QPointF &p, const QPointF &q)
{
    const double a = QLineF(at, p).angleTo(QLineF(at, q));
    return std::min(a, 360.0 - a);
}

// The log file leaves warnings out; a soak wants to see them, so they go to stderr too.
void soakMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        std::fprintf(stderr, "Warning: %s\n", qUtf8Printable(message));
    logMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const double minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 30.0;
    if (argc > 2)
        MainWindow::settingsDirOverride = QString::fromLocal8Bit(argv[2]);

    logFilePath = logFileNameFor(
        prepareLogFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        QDateTime::currentDateTime());
    qInstallMessageHandler(soakMessageHandler);
    QFile styleFile(QStringLiteral(":/qss/default.qss"));
    if (styleFile.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(styleFile.readAll()));

    // A nearly aligned mount, so the pole shows in the enlarged view.
    tavrinsim::MountParams mount = tavrinsim::mountParams();
    mount.altErrorArcmin = 6.0;
    mount.azErrorArcmin = -9.0;
    tavrinsim::setMountParams(mount);

    auto *window = new MainWindow(nullptr);
    window->show();
    window->findChild<QAction *>(QStringLiteral("actionConnect"))->trigger();

    // Monitoring as after a finished alignment: the reference stars where the sky
    // has them now, the axis centre where the mount has it.
    double ax = 0, ay = 0, bx = 0, by = 0;
    if (!tavrinsim::starPosition(kStarA, &ax, &ay) || !tavrinsim::starPosition(kPoleStar, &bx, &by)) {
        std::fprintf(stderr, "soak: reference stars not in the frame\n");
        return 1;
    }
    const tavrinsim::Truth truth = tavrinsim::truth();
    const QPointF a(ax, ay), b(bx, by), pole(truth.poleX, truth.poleY);
    window->setStep(12);
    liveViewState.update([&](LiveView &v) {
        v.starASearch = a;
        v.starBSearch = b;
        v.liveAngleBAP = angleAt(a, b, pole);
        v.liveAngleABP = angleAt(b, a, pole);
        v.axisCenter = QPointF(truth.axisX, truth.axisY);
        v.axisRadius = int(QLineF(v.axisCenter, b).length());
    });
    window->on_pushButton_monitor_clicked();

    QTimer::singleShot(int(minutes * 60000.0), window, [window] { window->close(); });
    std::printf("SOAK READY %lld\n", QCoreApplication::applicationPid());
    std::fflush(stdout);

    const int result = app.exec();
    delete window;
    return result;
}
