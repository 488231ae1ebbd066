// Star template data: year rows, the data files, the debug lines and the template poles.
#include "camera/debugprintf.h"
#include "camera/tavrinlibrary.h"
#include "starmath/startemplate.h"

#include "testsupport.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <string>

namespace {

QStringList debugLines;

bool near(double a, double b, double tol)
{
    return std::fabs(a - b) <= tol;
}

} // namespace

// Stands in for the camera library's debug output so the lines can be inspected.
extern "C" void TAVRIN_CALL OutputTAVRINDebug(const char *text)
{
    debugLines.append(QString::fromLatin1(text));
}

class TestStarTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(tavrinLib.ensureLoaded()); tavrinLib.OutputTAVRINDebug = OutputTAVRINDebug; }
    void yearRow_data();
    void yearRow();

    void loadsResourceData();
    void missingKeysTakeDefaults();
    void debugPrintfCutsAt4095();

    void templatePoles();
    void templatePolesFailWithoutAngles();
};

void TestStarTemplate::yearRow_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("22 Nov 2016") << QDate(2016, 11, 22) << "20160523";
    QTest::newRow("23 Nov 2016") << QDate(2016, 11, 23) << "20170523";
    QTest::newRow("1 Jan 2010") << QDate(2010, 1, 1) << "20160523";
    QTest::newRow("1 Jan 2025") << QDate(2025, 1, 1) << "20250523";
    QTest::newRow("22 Nov 2035") << QDate(2035, 11, 22) << "20350523";
    QTest::newRow("23 Nov 2035 keeps the last row") << QDate(2035, 11, 23) << "20350523";
    QTest::newRow("2040") << QDate(2040, 6, 1) << "20350523";
}

void TestStarTemplate::yearRow()
{
    QFETCH(QDate, date);
    QFETCH(QString, suffix);
    QCOMPARE(starDataRowSuffix(date), suffix);
    QCOMPARE(starDataYear(date), suffix.left(4).toInt());
}

void TestStarTemplate::loadsResourceData()
{
    debugLines.clear();
    loadStarTemplates(QDate(2016, 5, 1));

    QCOMPARE(northTemplate.maskA, QPointF(445, 218));
    QCOMPARE(northTemplate.maskB, QPointF(400, 400));
    QCOMPARE(northTemplate.maskD, QPointF(648, 495));
    QCOMPARE(southTemplate.maskA, QPointF(227, 405));
    QCOMPARE(southTemplate.maskB, QPointF(400, 337));
    QCOMPARE(southTemplate.maskD, QPointF(228, 563));
    QVERIFY(near(northTemplate.angleBAP, 12.45434490461070, 1e-12));
    QVERIFY(near(northTemplate.angleABP, 18.47136340521940, 1e-12));
    QVERIFY(near(northTemplate.angleDBP, 115.08819866084300, 1e-12));
    QVERIFY(near(southTemplate.angleBAP, 12.49312019990160, 1e-12));

    // South first (counters 1..3), then north (4..6), raw values before the division.
    QCOMPARE(debugLines.size(), 6);
    QCOMPARE(debugLines.at(0), QString("ORVANTAINFO | src/mainwindow | loadStarsData | 1 tempvalue = 1249312019990160.000000"));
    QCOMPARE(debugLines.at(3), QString("ORVANTAINFO | src/mainwindow | loadStarsData | 4 tempvalue = 1245434490461070.000000"));
    QCOMPARE(debugLines.at(5), QString("ORVANTAINFO | src/mainwindow | loadStarsData | 6 tempvalue = 11508819866084300.000000"));

    // The last row serves the far future.
    loadStarTemplates(QDate(2040, 1, 1));
    QVERIFY(near(northTemplate.angleBAP, 706879294860650 / 1e14, 1e-12));
}

void TestStarTemplate::missingKeysTakeDefaults()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("N.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A_X_Mask=445\r\nA_Y_Mask=218\r\nB_X_Mask=400\r\nB_Y_Mask=400\r\nD_X_Mask=648\r\n"
               "BAP_20160523=1245434490461070");
    file.close();

    StarTemplate t;
    t.maskD = QPointF(602.0, 230.0);
    t.angleABP = 99; // a missing angle reads as 0, not as what was there
    debugLines.clear();
    loadStarTemplate(path, "20160523", 4, &t);
    QCOMPARE(t.maskD, QPointF(648.0, 230.0));
    QVERIFY(near(t.angleBAP, 12.4543449046107, 1e-12));
    QCOMPARE(t.angleABP, 0.0);
    QCOMPARE(t.angleDBP, 0.0);
    QCOMPARE(debugLines.value(1), QString("ORVANTAINFO | src/mainwindow | loadStarsData | 5 tempvalue = 0.000000"));

    // No file at all: every default stays.
    StarTemplate none;
    none.maskA = QPointF(264, 272);
    loadStarTemplate(dir.filePath("absent.ini"), "20160523", 1, &none);
    QCOMPARE(none.maskA, QPointF(264, 272));
}

void TestStarTemplate::debugPrintfCutsAt4095()
{
    debugLines.clear();
    const std::string longText(5000, 'x');
    debugPrintf("%s%d", longText.c_str(), 7);
    QCOMPARE(debugLines.size(), 1);
    QCOMPARE(debugLines.at(0).size(), 4095);
    debugPrintf("%s | %d", "short", 42);
    QCOMPARE(debugLines.at(1), QString("short | 42"));
}

void TestStarTemplate::templatePoles()
{
    loadStarTemplates(QDate(2016, 1, 1));
    QImage north(":/images/north_mask.png");
    QImage south(":/images/south_mask.png");
    if (north.isNull() || south.isNull()) {
        // Stand-ins of the same size when the template images are not built in.
        north = QImage(800, 800, QImage::Format_ARGB32);
        south = QImage(800, 674, QImage::Format_ARGB32);
    }
    north.fill(Qt::black);
    south.fill(Qt::black);
    CriticalCatcher catcher;
    calcTemplatePoles(&north, &south);
    QVERIFY(catcher.messages.isEmpty());
    QVERIFY2(near(northTemplate.maskPole.x(), 393.71, 0.005) && near(northTemplate.maskPole.y(), 321.58, 0.005),
             qPrintable(QString("north (%1, %2)").arg(northTemplate.maskPole.x()).arg(northTemplate.maskPole.y())));
    QVERIFY2(near(southTemplate.maskPole.x(), 283.04, 0.005) && near(southTemplate.maskPole.y(), 396.16, 0.005),
             qPrintable(QString("south (%1, %2)").arg(southTemplate.maskPole.x()).arg(southTemplate.maskPole.y())));

    // The cross: its arms carry the colour, the image away from it stays black.
    const int px = int(northTemplate.maskPole.x()), py = int(northTemplate.maskPole.y());
    QVERIFY(qBlue(north.pixel(px + 4, py)) > 60);
    QVERIFY(qBlue(north.pixel(px + 4, py)) > qRed(north.pixel(px + 4, py)));
    QVERIFY(qBlue(north.pixel(px, py - 4)) > 60);
    QCOMPARE(north.pixel(px + 4, py + 4) & 0xffffff, 0u);
    QCOMPARE(north.pixel(px + 7, py) & 0xffffff, 0u);
    QVERIFY(qBlue(south.pixel(int(southTemplate.maskPole.x()) - 4, int(southTemplate.maskPole.y()))) > 60);

    // A missing image skips its hemisphere.
    northTemplate.maskPole = QPointF(1, 2);
    calcTemplatePoles(nullptr, &south);
    QCOMPARE(northTemplate.maskPole, QPointF(1, 2));
}

void TestStarTemplate::templatePolesFailWithoutAngles()
{
    // Without data the defaults leave all angles 0: no pole, no cross, (0, 0).
    StarTemplate blank;
    northTemplate = blank;
    northTemplate.maskA = QPointF(264, 272);
    northTemplate.maskB = QPointF(400, 400);
    southTemplate = blank;
    southTemplate.maskA = QPointF(230, 405);
    southTemplate.maskB = QPointF(400, 337);
    QImage north(800, 800, QImage::Format_ARGB32);
    QImage south(800, 674, QImage::Format_ARGB32);
    north.fill(Qt::black);
    south.fill(Qt::black);
    const QImage before = north;
    CriticalCatcher catcher;
    calcTemplatePoles(&north, &south);
    QCOMPARE(catcher.messages, (QStringList{"did not calculate the appropriate pole", "Failed to calculate the north pole.",
                                           "did not calculate the appropriate pole", "Failed to calculate the south pole."}));
    QCOMPARE(northTemplate.maskPole, QPointF(0, 0));
    QCOMPARE(southTemplate.maskPole, QPointF(0, 0));
    QCOMPARE(north, before);
}

QTEST_MAIN(TestStarTemplate)
#include "test_startemplate.moc"
