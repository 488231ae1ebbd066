// Screenshot tour: plays one whole polar alignment on the simulated sky and
// saves a PNG of the window at every step.
//
//   orvanta_tour <folder> [north|south] [night]
//
// Runs headless (the offscreen platform unless QT_QPA_PLATFORM says otherwise),
// with the sky of 23 May 2026 and a fixed misalignment, so the pictures repeat.
#include "alignmentdriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2 || QByteArray(argv[1]).startsWith('-')) {
        std::fprintf(stderr, "usage: %s <folder> [north|south] [night]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_GSTREAMER_PLAYBIN_AUDIOSINK"))
        qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakesink");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    QFile style(QStringLiteral(":/qss/default.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));

    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    e2e::RunConfig cfg;
    cfg.south = argc > 2 && QByteArray(argv[2]) == "south";
    cfg.when = QDateTime(QDate(2026, 5, 23), QTime(21, 30), Qt::UTC);
    cfg.seed = 7;
    cfg.zoom75 = true;
    cfg.windowSize = QSize(1216, 800);
    e2e::AlignmentDriver driver(cfg);
    int saved = 0;
    const bool night = argc > 3 && QByteArray(argv[3]) == "night";
    driver.onStep = [&](MainWindow *window, int step, const QString &name) {
        // Night only for the picture: the driver reads the template's day colours.
        QAction *nightStyle = window->findChild<QAction *>(QStringLiteral("actionNight_Style"));
        nightStyle->setChecked(night);
        QTest::qWait(night ? 600 : 150); // let the display catch up with the last change
        const QString file = QStringLiteral("%1/step%2-%3.png").arg(folder).arg(step, 2, 10, QLatin1Char('0')).arg(name);
        if (window->grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
            ++saved;
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        }
        nightStyle->setChecked(false);
    };
    const bool ok = driver.run();
    if (!ok)
        std::fprintf(stderr, "the tour stopped: %s\n", qPrintable(driver.failure()));
    const e2e::Figures &f = driver.figures();
    std::printf("saved: %d pictures\nfinal polar error: %.2f arcmin\n", saved, f.finalTotalArcmin);
    return ok ? 0 : 1;
}
