// Renders the simulated camera's northern and southern frames to PNG and
// reports what one frame costs: tavrinsim_render [output-prefix] [utc-iso-date]
#include "tavrinsim.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString prefix = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tavrinsim");
    const QDateTime when = argc > 2 ? QDateTime::fromString(QString::fromLatin1(argv[2]), Qt::ISODate)
                                    : QDateTime(QDate(2025, 10, 1), QTime(21, 0), Qt::UTC);
    tavrinsim::reset();
    tavrinsim::setDateTime(when);
    tavrinsim::setClockRate(0);
    std::vector<unsigned char> frame(1280 * 960);
    for (auto hemi : {tavrinsim::Hemisphere::North, tavrinsim::Hemisphere::South}) {
        tavrinsim::MountParams p = tavrinsim::mountParams();
        p.hemisphere = hemi;
        p.raAngleDeg = 30;
        tavrinsim::setMountParams(p);
        std::vector<double> ms;
        for (int i = 0; i < 40; ++i)
            ms.push_back(tavrinsim::renderFrame(frame.data()));
        std::sort(ms.begin(), ms.end());
        const bool north = hemi == tavrinsim::Hemisphere::North;
        QImage img(frame.data(), 1280, 960, 1280, QImage::Format_Grayscale8);
        const QString file = prefix + (north ? "_north.png" : "_south.png");
        img.save(file);
        const tavrinsim::Truth t = tavrinsim::truth();
        std::printf("%s: %s\n", north ? "north" : "south", qPrintable(file));
        std::printf("  render ms: median %.2f min %.2f max %.2f\n", ms[ms.size() / 2], ms.front(), ms.back());
        std::printf("  pole: (%.1f, %.1f) axis: (%.1f, %.1f) error alt %.1f' az %.1f' total %.1f'\n", t.poleX,
                    t.poleY, t.axisX, t.axisY, t.altErrorArcmin, t.azErrorArcmin, t.totalErrorArcmin);
        const int stars[2][3] = {{84535, 11767, 115746}, {42708, 104382, 60041}};
        for (int hip : stars[north ? 0 : 1]) {
            double x = 0, y = 0;
            tavrinsim::starPosition(hip, &x, &y);
            std::printf("  HIP %d: (%.1f, %.1f)\n", hip, x, y);
        }
    }
    return 0;
}
