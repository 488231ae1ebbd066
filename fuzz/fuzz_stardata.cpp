// Reading a star data file and computing the template pole from it, as the
// start-up does: loadStarTemplate on the bytes, then calcTemplatePoles, which
// draws the pole cross on a template image.
//
// Input: one byte choosing the year row, then the file.
#include "fuzzinput.h"

#include "starmath/startemplate.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

namespace {

QGuiApplication *app = nullptr;
QTemporaryDir *dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QGuiApplication(*argc, *argv);
    if (QFileInfo(QStringLiteral("/dev/shm")).isDir())
        dir = new QTemporaryDir(QStringLiteral("/dev/shm/orvanta-fuzz-XXXXXX"));
    else
        dir = new QTemporaryDir;
    qInstallMessageHandler(quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    const int year = 2016 + in.byte() % 20;
    const QString path = dir->filePath(QStringLiteral("StarPosData.ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(in.rest()), qint64(in.remaining()));
    }

    StarTemplate tmpl;
    tmpl.maskA = QPointF(264.0, 272.0);
    tmpl.maskB = QPointF(400.0, 400.0);
    tmpl.maskD = QPointF(602.0, 230.0);
    loadStarTemplate(path, QString::number(year) + QStringLiteral("0523"), 4, &tmpl);

    northTemplate = tmpl;
    southTemplate = tmpl;
    QImage north(64, 64, QImage::Format_ARGB32);
    north.fill(Qt::black);
    QImage south(8, 8, QImage::Format_Indexed8);
    south.setColorCount(1);
    south.setColor(0, qRgb(0, 0, 0));
    south.fill(0);
    calcTemplatePoles(&north, &south);

    // A pole is either computed (finite) or the failure value (0, 0).
    for (const StarTemplate *t : {&northTemplate, &southTemplate})
        FUZZ_CHECK(std::isfinite(t->maskPole.x()) && std::isfinite(t->maskPole.y()));
    return 0;
}
