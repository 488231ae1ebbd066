// What the alignment may trust: stars, axis picks, followed reference stars, a stored centre.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QtTest>

namespace {

cv::Mat frameOf(int background, double noise = 0)
{
    cv::Mat f(960, 1280, CV_32F);
    cv::theRNG().state = 1;
    cv::randn(f, background, noise);
    f.convertTo(f, CV_8U);
    return f;
}

void star(cv::Mat &f, QPointF at, int level)
{
    f(cv::Rect(int(at.x()) - 2, int(at.y()) - 2, 5, 5)) += cv::Scalar(level);
}

QPointF onCircle(double deg, QPointF c = QPointF(640, 480), double r = 300)
{
    return c + r * QPointF(std::cos(deg * M_PI / 180), std::sin(deg * M_PI / 180));
}

} // namespace

class TestMeasurement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void axisPicks_data();
    void axisPicks();
    void followingKeepsToItsStars();
    void windowRefuses_data();
    void windowRefuses();
    void stepTenTargetFromTheCurrentAngle();
    void onlyAnAcceptedCentreIsStored();
};

void TestMeasurement::axisPicks_data()
{
    QTest::addColumn<double>("turn"); // degrees between picks on a 300 px circle
    QTest::addColumn<bool>("good");   // the centre good to 1 px, from picks good to 0.05 px
    QTest::newRow("30 degrees") << 30.0 << true;
    QTest::newRow("17 degrees") << 17.0 << false;
}

void TestMeasurement::axisPicks()
{
    QFETCH(double, turn);
    QFETCH(bool, good);
    const QPointF picks[3] = {onCircle(200), onCircle(200 + turn), onCircle(200 + 2 * turn)};
    const double sigma[3] = {0.05, 0.05, 0.05};
    AxisQuality q;
    QCOMPARE(int(checkAxisPicks(picks, sigma, QPointF(640, 480), QSize(1280, 960), &q)), int(AxisRefusal::None));
    QVERIFY(std::abs(q.spanDeg - 2 * turn) < 1e-6 && (q.sigmaPx <= kMaxGoodSigmaPx) == good);
}

// A dim star A with a brighter neighbour 19.6 px off, followed while the field moves,
// lost behind a cloud, and found again; a jump the sky cannot make is refused.
void TestMeasurement::followingKeepsToItsStars()
{
    const QPointF a(500, 300), b(600, 320), neighbour(519.6, 300);
    auto sky = [&](QPointF shift, bool withA, QPointF aMoved = QPointF()) {
        cv::Mat f = frameOf(0);
        star(f, b + shift, 250);
        star(f, neighbour + shift, 250);
        if (withA)
            star(f, a + shift + aMoved, 120);
        return f;
    };
    ReferenceTracker tracker;
    QPointF ma, mb;
    QVERIFY(tracker.track(sky({}, true), a + QPointF(2, 1), b + QPointF(2, 1), &ma, &mb));
    QVERIFY2(QLineF(ma, a).length() < 0.1, qPrintable(QString::number(ma.x())));
    QVERIFY(tracker.track(sky({7, -5}, true), a, b, &ma, &mb));
    QVERIFY(QLineF(ma, a + QPointF(7, -5)).length() < 0.1);
    QVERIFY(!tracker.track(sky({7, -5}, false), a, b, &ma, &mb));
    QCOMPARE(ma, a + QPointF(7, -5)); // sought where it was
    QVERIFY(!tracker.track(sky({7, -5}, true, {4, 3}), a, b, &ma, &mb));
    QVERIFY(tracker.track(sky({7, -5}, true), a, b, &ma, &mb));
}

// Sky without a star, picks without a turn, an off-frame axis, a reference star at the edge.
void TestMeasurement::windowRefuses_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("sky");
    QTest::addColumn<double>("noise");
    QTest::addColumn<QPointF>("first"); // the picks before
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("click"); // a star is there on a black sky
    QTest::addColumn<QString>("says");
    const QPointF none, low(640, 1300), at(400, 300);
    QTest::newRow("grey sky") << 3 << 30 << 0.0 << none << none << at << "Seems no star";
    QTest::newRow("noisy sky") << 3 << 30 << 8.0 << none << none << at << "Seems no star";
    QTest::newRow("dark noisy sky") << 3 << 2 << 2.0 << none << none << at << "Seems no star";
    QTest::newRow("no turn") << 5 << 0 << 0.0 << onCircle(0) << none << onCircle(0) << "Turn the RA axis";
    QTest::newRow("small turns") << 7 << 0 << 0.0 << onCircle(0) << onCircle(5) << onCircle(10) << "too close together";
    QTest::newRow("off-frame centre") << 7 << 0 << 0.0 << onCircle(253, low, 900) << onCircle(270, low, 900)
                                      << onCircle(287, low, 900) << "do not lie on a circle";
    QTest::newRow("edge at step 11") << 11 << 0 << 0.0 << none << none << QPointF(15, 480) << "too near the edge";
}

void TestMeasurement::windowRefuses()
{
    QFETCH(int, step);
    QFETCH(int, sky);
    QFETCH(double, noise);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QPointF, click);
    QFETCH(QString, says);
    liveViewState.reset();
    MainWindow w;
    w.show();
    cameraState.cameraConnected = true;
    cv::Mat f = frameOf(sky, noise);
    if (sky == 0)
        star(f, click, 200);
    w.captureThread->processFrame(f.data);
    w.setStep(step);
    w.starPos1 = first;
    w.starPos2 = second;
    w.poleStarPos = click;
    BoxAnswerer answer;
    if (step == 11)
        w.pushbuttonGetCurPolarisDoneClicked();
    else
        QTest::mouseDClick(w.findChild<QLabel *>("label_showImg"), Qt::LeftButton, Qt::NoModifier, click.toPoint());
    QTRY_COMPARE(answer.texts().size(), 1);
    QVERIFY2(answer.texts().first().contains(says), qPrintable(answer.texts().first()));
    QCOMPARE(w.currentStep, step);
    cameraState.cameraConnected = false;
}

// The template angle carries over from step 2: the target needs no slider move.
void TestMeasurement::stepTenTargetFromTheCurrentAngle()
{
    liveViewState.reset();
    MainWindow w;
    liveViewState.set(&LiveView::axisCenter, QPointF(640, 480));
    w.templateAngle = 40;
    w.currentStep = 9;
    w.pushbuttonGetEptPolarisDoneClicked();
    QCOMPARE(w.currentStep, 10);
    const double reach = QLineF(liveViewState.get(&LiveView::expectedPole), QPointF(640, 480)).length();
    QVERIFY(std::abs(reach - QLineF(w.curMaskPole, w.curMaskB).length()) < 1e-6);
    QCOMPARE(w.findChild<QSlider *>("horizontalSlider_rough_match")->value(), 40);
}

void TestMeasurement::onlyAnAcceptedCentreIsStored()
{
    QFile::remove(settingsPath());
    liveViewState.reset();
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.setValue("AXIS_CENTER/x", "612.5");
    ini.setValue("AXIS_CENTER/y", "470.5");
    ini.setValue("AXIS_CENTER/date", "2026-11-30");
    auto stored = [&] {
        ini.sync();
        return QPointF(ini.value("AXIS_CENTER/x").toDouble(), ini.value("AXIS_CENTER/y").toDouble());
    };
    stored();
    MainWindow w;
    {
        BoxAnswerer answer(QMessageBox::No);
        w.pushbuttonConfirmDoneClicked();
        QVERIFY2(answer.texts().value(0).contains("(612.5,470.5) on 2026-11-30"), qPrintable(answer.texts().value(0)));
    }
    w.writeSettings();
    QCOMPARE(stored(), QPointF(612.5, 470.5)); // declined, still kept
    w.circleCenter = QPointF(300, 310);        // found, not (yet) accepted
    liveViewState.set(&LiveView::axisCenter, w.circleCenter);
    w.writeSettings();
    QCOMPARE(stored(), QPointF(612.5, 470.5));
    w.pushbuttonValidateCenterDoneClicked();
    w.writeSettings();
    QCOMPARE(stored(), QPointF(300, 310));
    QFile::remove(settingsPath());
}

QTEST_MAIN(TestMeasurement)
#include "test_measurement.moc"
