// The compiled-in resource tree: every image the program names, the style
// sheet, the star data, the audio clip and the language catalogues.

#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSettings>
#include <QSize>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <cstdlib>

namespace {

const QStringList kAngleNames = {"BAP_", "ABP_", "BPA_", "BDP_", "DBP_", "BPD_"};
const QStringList kCoordKeys = {"A_X_Mask", "A_Y_Mask", "B_X_Mask", "B_Y_Mask", "D_X_Mask", "D_Y_Mask"};

// Keys in file order: six coordinates, then six angles per year 2016..2035.
QStringList expectedStarKeys()
{
    QStringList keys = kCoordKeys;
    for (int year = 2016; year <= 2035; ++year)
        for (const QString &name : kAngleNames)
            keys << name + QString::number(year) + "0523";
    return keys;
}

struct Ring { int x, y, r; };

QVector<Ring> ringsOf(const QString &mask)
{
    if (mask.contains("north"))
        return {{445, 217, 11}, {400, 399, 14}, {58, 448, 14}, {648, 494, 11}, {281, 699, 11}, {608, 697, 14}};
    return {{625, 54, 19}, {444, 134, 19}, {400, 336, 19}, {564, 433, 19}, {295, 411, 13}, {227, 404, 15}, {228, 562, 15}};
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void windowIcon();
    void templateRings_data();
    void templateRings();
    void templateMarksStoredStars_data();
    void templateMarksStoredStars();
    void styleSheet();
    void starData_data();
    void starData();
    void starDataBytes_data();
    void starDataBytes();
    void audio();
    void catalogues_data();
    void catalogues();
    void englishCatalogue_data();
    void englishCatalogue();
};

void TestResources::images_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");   // an invalid size means "any size"

    const QSize any;
    const QSize lamp(512, 512), mark(25, 25), head(44, 44), scroll(8, 8);
    QTest::newRow("north_mask") << ":/images/north_mask.png" << QSize(800, 800);
    QTest::newRow("south_mask") << ":/images/south_mask.png" << QSize(800, 674);
    QTest::newRow("direction") << ":/images/direction.png" << QSize(238, 171);
    QTest::newRow("lighton_color") << ":/images/lighton_color.png" << lamp;
    QTest::newRow("lightoff_color") << ":/images/lightoff_color.png" << lamp;
    QTest::newRow("lighton_mono") << ":/images/lighton_mono.png" << lamp;
    QTest::newRow("lightoff_mono") << ":/images/lightoff_mono.png" << lamp;
    QTest::newRow("pole") << ":/images/pole.png" << mark;
    QTest::newRow("pole_color") << ":/images/pole_color.png" << mark;
    QTest::newRow("center") << ":/images/center.png" << mark;
    QTest::newRow("center_color") << ":/images/center_color.png" << mark;
    QTest::newRow("collapse") << ":/images/collapse.png" << head;
    QTest::newRow("expand") << ":/images/expand.png" << head;
    for (const char *dir : {"up", "down", "left", "right"}) {
        const QString base = QString(":/images/%1-arrow").arg(dir);
        QTest::newRow(qPrintable(base)) << base + ".png" << scroll;
        QTest::newRow(qPrintable(base + "_hover")) << base + "_hover.png" << scroll;
    }
    QTest::newRow("combo") << ":/images/down-arrow-combox.png" << any;
    QTest::newRow("combo hover") << ":/images/down-arrow-hover-combox.png" << any;
    QTest::newRow("spin left") << ":/images/left-arrow-spinbox.png" << any;
    QTest::newRow("spin right") << ":/images/right-arrow-spinbox.png" << any;
    QTest::newRow("spin left hover") << ":/images/left-arrow-hover-spinbox.png" << any;
    QTest::newRow("spin right hover") << ":/images/right-arrow-hover-spinbox.png" << any;
    // The panel's logo is a label background of fixed size, the maker's logo a fixed-size label.
    QTest::newRow("logo") << ":/images/logo.png" << QSize(237, 50);
    QTest::newRow("maker logo") << ":/images/tavrin.png" << QSize(131, 40);
}

void TestResources::images()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImage img(path);
    QVERIFY2(!img.isNull(), qPrintable(path + " does not load"));
    if (size.isValid())
        QCOMPARE(img.size(), size);
    // Everything is drawn over other widgets or the live image.
    QVERIFY2(img.hasAlphaChannel(), qPrintable(path + " has no alpha channel"));
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

void TestResources::windowIcon()
{
    QImageReader reader(":/images/Orvanta.ico");
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QList<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(QString("entry %1: %2").arg(i).arg(reader.errorString())));
        QCOMPARE(img.width(), img.height());
        QVERIFY(img.hasAlphaChannel());
        sides << img.width();
    }
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sides.contains(side), qPrintable(QString("no %1 px entry").arg(side)));

    const QIcon icon(":/images/Orvanta.ico");
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(32, 32).isNull());
}

void TestResources::templateRings_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("north") << ":/images/north_mask.png";
    QTest::newRow("south") << ":/images/south_mask.png";
}

// Each ring: transparent inside, a near-white band just within the outer
// radius, a dark blue rim at it, transparent beyond.
void TestResources::templateRings()
{
    QFETCH(QString, path);
    const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    QVERIFY(img.hasAlphaChannel());

    for (const Ring &ring : ringsOf(path)) {
        const QString where = QString("ring (%1, %2) r %3").arg(ring.x).arg(ring.y).arg(ring.r);
        QVERIFY2(img.pixelColor(ring.x, ring.y).alpha() == 0, qPrintable(where + ": centre not transparent"));
        // Probe the four compass points of the ring, from the outside in.
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            auto at = [&](int dist) { return img.pixelColor(ring.x + dx[k] * dist, ring.y + dy[k] * dist); };

            QVERIFY2(at(ring.r + 1).alpha() == 0, qPrintable(where + ": mark spills past its outer radius"));
            for (int dist : {ring.r, ring.r - 3}) {
                const QColor rim = at(dist);
                QVERIFY2(rim.alpha() >= 110 && rim.alpha() <= 140, qPrintable(where + QString(": rim alpha %1").arg(rim.alpha())));
                QVERIFY2(rim.blue() > rim.red() + 20 && rim.red() < 60, qPrintable(where + ": rim not dark blue"));
            }
            for (int dist : {ring.r - 1, ring.r - 2}) {
                const QColor band = at(dist);
                QVERIFY2(band.alpha() >= 127 && band.alpha() <= 214, qPrintable(where + QString(": band alpha %1").arg(band.alpha())));
                QVERIFY2(band.red() >= 240 && band.green() >= 240 && band.blue() >= 250, qPrintable(where + ": band not near-white"));
            }
            QVERIFY2(at(ring.r - 4).alpha() == 0, qPrintable(where + ": ring thicker than its band and rims"));
        }
    }

    // Mostly transparent: the live image must show through.
    qint64 opaque = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                ++opaque;
    QVERIFY2(opaque < img.width() * img.height() / 50, qPrintable(QString("%1 marked pixels").arg(opaque)));
}

void TestResources::templateMarksStoredStars_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("data");
    QTest::newRow("north") << ":/images/north_mask.png" << ":/starData/NStarPosData.ini";
    QTest::newRow("south") << ":/images/south_mask.png" << ":/starData/SStarPosData.ini";
}

// Stars A, B and D of the data are drawn rings, within a pixel; B sits at the image centre.
void TestResources::templateMarksStoredStars()
{
    QFETCH(QString, mask);
    QFETCH(QString, data);
    QSettings s(data, QSettings::IniFormat);
    const QImage img(mask);
    for (const char *star : {"A", "B", "D"}) {
        const double x = s.value(QString("%1_X_Mask").arg(star)).toDouble();
        const double y = s.value(QString("%1_Y_Mask").arg(star)).toDouble();
        bool found = false;
        for (const Ring &ring : ringsOf(mask))
            found = found || (std::abs(ring.x - x) <= 1.0 && std::abs(ring.y - y) <= 1.0);
        QVERIFY2(found, qPrintable(QString("star %1 (%2, %3) has no ring").arg(star).arg(x).arg(y)));
    }
    QCOMPARE(s.value("B_X_Mask").toInt(), img.width() / 2);
    QCOMPARE(s.value("B_Y_Mask").toInt(), img.height() / 2);
}

void TestResources::styleSheet()
{
    QFile f(":/qss/default.qss");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString qss = QString::fromUtf8(f.readAll());
    const QStringList selectors = {
        "QMenuBar", "QMenu::separator", "QStatusBar::item", "QScrollArea", "QScrollBar:vertical",
        "QScrollBar:horizontal", "#scrollAreaWidgetContents_manager", "#centralWidget",
        "#scrollAreaWidgetContents_showImg", "QDialog", "#groupBox_refStarB", "#grpBox_region",
        "#groupBox_precise", "QLabel", "#label_refStarB_pos", "#label_finetunePole_tipMsg",
        "QPushButton:checked", "#pushButton_head_precise", "#pushButton_tracking_add",
        "#tabWidget_tipMsg::pane", "QMessageBox", "QSlider::handle:horizontal:disabled",
        "QComboBox::down-arrow", "QDoubleSpinBox::up-button", "QDial", "#936639",
    };
    for (const QString &sel : selectors)
        QVERIFY2(qss.contains(sel), qPrintable("style sheet lacks " + sel));

    // Every image the sheet refers to must be in the resource tree.
    const QRegularExpression url(R"(url\((:/[^)]+)\))");
    int urls = 0;
    for (auto it = url.globalMatch(qss); it.hasNext(); ++urls) {
        const QString path = it.next().captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path + " named by the style sheet does not load"));
    }
    QCOMPARE(urls, 14);   // 8 scroll-bar arrows, 2 combo-box and 4 spin-box arrows, hover forms included
}

void TestResources::starData_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("coords");
    QTest::addColumn<QString>("key");          // one spot-checked angle
    QTest::addColumn<qlonglong>("raw");
    QTest::newRow("north") << ":/starData/NStarPosData.ini" << QList<int>{445, 218, 400, 400, 648, 495}
                           << "DBP_20160523" << qlonglong(11508819866084300);
    QTest::newRow("south") << ":/starData/SStarPosData.ini" << QList<int>{227, 405, 400, 337, 228, 563}
                           << "BPD_20350523" << qlonglong(13791720833333338);
}

void TestResources::starData()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, coords);
    QFETCH(QString, key);
    QFETCH(qlonglong, raw);

    QSettings s(path, QSettings::IniFormat);
    QCOMPARE(s.status(), QSettings::NoError);
    QStringList keys = s.allKeys();
    QCOMPARE(keys.size(), 126);
    QStringList expected = expectedStarKeys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);

    for (int i = 0; i < kCoordKeys.size(); ++i)
        QCOMPARE(s.value(kCoordKeys[i]).toDouble(), double(coords[i]));

    bool ok = false;
    QCOMPARE(s.value(key).toLongLong(&ok), raw);
    QVERIFY(ok);

    // Both triangles of each year close to 180 degrees; values are 1e-14 degree.
    const qlonglong straight = 18000000000000000LL;
    const qlonglong tolerance = 3000000;   // 3e-8 degree
    for (int year = 2016; year <= 2035; ++year) {
        const QString suffix = QString::number(year) + "0523";
        qlonglong v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = s.value(kAngleNames[i] + suffix).toLongLong(&ok);
            QVERIFY2(ok && v[i] > 0, qPrintable(kAngleNames[i] + suffix));
        }
        const qlonglong abp = v[0] + v[1] + v[2], bdp = v[3] + v[4] + v[5];
        QVERIFY2(std::llabs(abp - straight) <= tolerance, qPrintable(QString("A-B-P %1: %2").arg(year).arg(abp)));
        QVERIFY2(std::llabs(bdp - straight) <= tolerance, qPrintable(QString("B-D-P %1: %2").arg(year).arg(bdp)));
        // As the reader uses them: degrees = value / 1e14.
        QVERIFY(std::fabs((double(v[0]) + double(v[1]) + double(v[2])) / 1e14 - 180.0) <= 3e-8);
    }
}

void TestResources::starDataBytes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("finalLineEnd");
    QTest::newRow("north") << ":/starData/NStarPosData.ini" << true;
    QTest::newRow("south") << ":/starData/SStarPosData.ini" << false;
}

// Plain ASCII, CR LF line ends, keys in their stored order, no group header.
void TestResources::starDataBytes()
{
    QFETCH(QString, path);
    QFETCH(bool, finalLineEnd);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    for (char c : bytes)
        QVERIFY2(uchar(c) < 128, "non-ASCII byte");
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.endsWith("\r\n"), finalLineEnd);

    QList<QByteArray> lines = bytes.split('\n');
    if (finalLineEnd)
        lines.removeLast();
    const QStringList keys = expectedStarKeys();
    QCOMPARE(lines.size(), keys.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        QVERIFY2(!line.startsWith('['), "unexpected group header");
        const int eq = line.indexOf('=');
        QVERIFY2(eq > 0, line.constData());
        QCOMPARE(QString::fromLatin1(line.left(eq)), keys[i]);
        bool ok = false;
        line.mid(eq + 1).toLongLong(&ok);
        QVERIFY2(ok, line.constData());
    }
}

void TestResources::audio()
{
    QFile f(":/audio/audio.mp3");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(3);
    QVERIFY(f.size() > 0);
    // Either an ID3 tag or an MPEG frame sync.
    const bool id3 = head.startsWith("ID3");
    const bool sync = head.size() >= 2 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0;
    QVERIFY2(id3 || sync, "not an MP3 stream");
}

void TestResources::catalogues_data()
{
    QTest::addColumn<QString>("path");
    for (const char *code : {"en_us", "zh_cn", "ja_jp", "de_de", "es_es", "fr_fr", "it_it", "ru_ru", "pt_pt", "ko_kr"})
        QTest::newRow(code) << QString(":/languages/lan_%1.qm").arg(code);
}

void TestResources::catalogues()
{
    QFETCH(QString, path);
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path + " does not load"));
}

void TestResources::englishCatalogue_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    const QString tail = " and use the 'Rotate' slider on the left to rotate the Template to match up to the stars around %1.";
    QTest::newRow("setting") << "Setting Finished" << "Finished";
    QTest::newRow("rotation") << "rotation Finished" << "Finished";
    QTest::newRow("adjustment") << "adjustment Finished" << "Finished";
    for (const QString &star : {QString("Polaris"), QString::fromUtf8("σ Oct")}) {
        const QString body = "Double Click " + star + tail.arg(star);
        QTest::newRow(qPrintable("expected " + star)) << "Expected position: " + body << body;
        QTest::newRow(qPrintable("current " + star)) << "Current position: " + body << body;
    }
    // An ordinary text stays as it is.
    QTest::newRow("untouched") << "Start Monitor" << "";
}

void TestResources::englishCatalogue()
{
    QFETCH(QString, source);
    QFETCH(QString, shown);
    QTranslator translator;
    QVERIFY(translator.load(":/languages/lan_en_us.qm"));
    QCOMPARE(translator.translate("MainWindow", source.toUtf8().constData()), shown);
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
