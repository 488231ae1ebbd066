// The alignment steps: what every step opens, lights and switches on, the
// double-click picks and the tracking dial.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/poletrackingdialog.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QDial>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const char *const kHeads[5] = {"pushButton_head_region", "pushButton_head_setting", "pushButton_head_confirm",
                               "pushButton_head_rough", "pushButton_head_precise"};
const char *const kBodies[5] = {"widget_region", "widget_setting", "widget_confirm", "widget_rough",
                                "widget_precise"};
const char *const kLights[3] = {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon"};

// Axis centre, circle, expected pole, monitor pole, star A, star B as "acepAB", '-' for off.
QString flags()
{
    const LiveView v = liveViewState.snapshot();
    const bool on[6] = {v.showAxisCenter, v.showStarCircle, v.showExpectedPole,
                        v.monitorPole, v.showStarAMark, v.showStarBMark};
    QString s;
    for (int i = 0; i < 6; ++i)
        s += on[i] ? QString("acepAB")[i] : QChar('-');
    return s;
}

void setAllFlags(bool on)
{
    liveViewState.update([on](LiveView &v) {
        v.showAxisCenter = v.showStarCircle = v.showExpectedPole = on;
        v.monitorPole = v.showStarAMark = v.showStarBMark = on;
    });
}

// "0" off, "1" on, "?" anything else, for each of the three lights.
QString lights(MainWindow *w)
{
    const QImage on = QImage(":/images/lighton_color.png").convertToFormat(QImage::Format_ARGB32);
    const QImage off = QImage(":/images/lightoff_color.png").convertToFormat(QImage::Format_ARGB32);
    QString s;
    for (const char *name : kLights) {
        const QImage shown = w->findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).toImage().convertToFormat(
            QImage::Format_ARGB32);
        s += shown == on ? '1' : shown == off ? '0' : '?';
    }
    return s;
}

} // namespace

class TestWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stepTable_data();
    void stepTable();
    void picks();
    void trackingDial();
    void buttons_data();
    void buttons();
    void settingsSource();

private:
    void feed(const QList<QPointF> &stars);
    void doubleClick(const QPoint &at) { QTest::mouseDClick(window->findChild<QLabel *>("label_showImg"), Qt::LeftButton, {}, at); }
    std::unique_ptr<BoxAnswerer> guard;
    std::unique_ptr<MainWindow> window;
};

void TestWorkflow::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
    liveViewState.reset();
    cameraState.cameraConnected = false;
    guard.reset(new BoxAnswerer(BoxAnswerer::Fail));
    window.reset(new MainWindow(nullptr));
}

void TestWorkflow::cleanup()
{
    cameraState.cameraConnected = false;
    window.reset();
    guard.reset();
    QFile::remove(settingsPath());
    liveViewState.reset();
}

// A frame of drawn stars where the capture thread keeps it, and shown.
void TestWorkflow::feed(const QList<QPointF> &stars)
{
    const std::vector<unsigned char> frame = starFrame(stars, 0);
    window->captureThread->processFrame(frame.data());
    const QImage shown(frame.data(), 1280, 960, QImage::Format_Grayscale8);
    window->findChild<QLabel *>("label_showImg")->setPixmap(QPixmap::fromImage(
        shown.scaled(int(1280 * window->zoomFactor), int(960 * window->zoomFactor))));
}

void TestWorkflow::stepTable_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("open");    // region, setting, confirm, rough, precise
    QTest::addColumn<bool>("hidesTemplate");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<QString>("lamps");   // "?" where the step leaves them
    QTest::addColumn<QString>("fromOff"); // flags after the step when all were off before
    QTest::addColumn<QString>("fromOn");  // and when all were on
    QTest::addColumn<bool>("stopsGlow");
    QTest::newRow("1") << 1 << "11000" << true << false << "???" << "------" << "------" << false;
    QTest::newRow("2") << 2 << "10100" << false << false << "???" << "------" << "acepAB" << false;
    QTest::newRow("3") << 3 << "10010" << true << false << "000" << "------" << "--epAB" << true;
    QTest::newRow("4") << 4 << "10010" << true << true << "100" << "------" << "--epAB" << false;
    QTest::newRow("5") << 5 << "10010" << true << false << "100" << "------" << "--epAB" << false;
    QTest::newRow("6") << 6 << "10010" << true << true << "110" << "------" << "--epAB" << false;
    QTest::newRow("7") << 7 << "10010" << true << false << "110" << "------" << "--epAB" << false;
    QTest::newRow("8") << 8 << "10010" << true << false << "111" << "ac----" << "acepAB" << false;
    QTest::newRow("9") << 9 << "10010" << false << false << "111" << "a-e---" << "a-epAB" << false;
    QTest::newRow("10") << 10 << "10010" << true << false << "???" << "a-e---" << "a-epAB" << true;
    QTest::newRow("11") << 11 << "10010" << false << false << "???" << "a-----" << "a--pAB" << false;
    QTest::newRow("12") << 12 << "10001" << true << false << "???" << "------" << "acepAB" << true;
    QTest::newRow("13") << 13 << "10001" << true << false << "???" << "---pAB" << "acepAB" << false;
}

// From all flags on and all off, and from the opposite of what the step shows.
void TestWorkflow::stepTable()
{
    QFETCH(int, step);
    QFETCH(QString, open);
    QFETCH(bool, hidesTemplate);
    QFETCH(bool, arrow);
    QFETCH(QString, lamps);
    QFETCH(QString, fromOff);
    QFETCH(QString, fromOn);
    QFETCH(bool, stopsGlow);
    QPixmap marker(3, 3);
    marker.fill(Qt::red);
    auto *templateImg = window->findChild<QLabel *>("label_templateImg");
    for (bool before : {false, true}) {
        window->setStep(0);
        window->currentStep = 99;
        templateImg->show();
        window->directionArrow->setVisible(!arrow);
        for (const char *name : kLights)
            window->findChild<QLabel *>(name)->setPixmap(marker);
        window->glowTimer->start();
        setAllFlags(before);
        window->setStep(step);
        QCOMPARE(window->currentStep, step);
        QVERIFY(!window->tabWidget_tipMsg->isHidden());
        QCOMPARE(window->tabWidget_tipMsg->currentIndex(), step - 1);
        QString shownOpen;
        for (int i = 0; i < 5; ++i) {
            const bool checked = window->findChild<QPushButton *>(kHeads[i])->isChecked();
            QCOMPARE(checked, !window->findChild<QWidget *>(kBodies[i])->isHidden());
            shownOpen += checked ? '1' : '0';
        }
        QCOMPARE(shownOpen, open);
        QCOMPARE(templateImg->isHidden(), hidesTemplate);
        QCOMPARE(!window->directionArrow->isHidden(), arrow);
        QCOMPARE(lights(window.get()), lamps);
        QCOMPARE(flags(), before ? fromOn : fromOff);
        QCOMPARE(window->glowTimer->isActive(), !stopsGlow);
    }
}

// Double clicks in the image measure the star under them, in frame pixels at any
// zoom; no star or collinear picks warn and keep the step.
void TestWorkflow::picks()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->angleTimer->stop();
    cameraState.cameraConnected = true;
    CriticalCatcher quiet;
    feed({QPointF(900, 700)});
    for (int step : {2, 3, 9, 13}) {
        window->currentStep = step;
        BoxAnswerer answerer;
        doubleClick(QPoint(300, 300));
        QCOMPARE(answerer.texts(), QStringList{"Seems no star in this point, please try other point."});
        QCOMPARE(window->currentStep, step);
        QVERIFY(window->findChild<QLabel *>("label_templateImg")->isHidden());
    }
    const QList<QPointF> line = {QPointF(300, 300), QPointF(400, 400), QPointF(500, 500)};
    for (int i = 0; i < 3; ++i) {
        window->currentStep = 3 + 2 * i;
        feed({line[i]});
        BoxAnswerer answerer;
        doubleClick(line[i].toPoint());
        QCOMPARE(answerer.texts(), i < 2 ? QStringList()
                                         : QStringList{"Cannot find the axis center. Please click 'Reset' to find it again."});
    }
    QCOMPARE(window->currentStep, 7);
    feed({QPointF(520, 300)}); // another third pick replaces only that one
    doubleClick(QPoint(520, 300));
    QCOMPARE(window->currentStep, 8);
    QVERIFY(near(window->circleCenter, QPointF(410, 290), 0.1));
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), window->circleCenter);
}

// The dial turns the reference-star search positions about the axis centre,
// always from the home positions, clockwise on the screen.
void TestWorkflow::trackingDial()
{
    window->starAHome = QPointF(600, 480);
    window->starBHome = QPointF(640, 400);
    liveViewState.set(&LiveView::axisCenter, QPointF(640, 480));
    auto *dial = window->trackingDialog->findChild<QDial *>(QStringLiteral("dial_tracking"));
    const double r = 40 / std::sqrt(2.0);
    const QList<QPair<int, QPair<QPointF, QPointF>>> table = {
        {90, {QPointF(640, 440), QPointF(720, 480)}},   {180, {QPointF(680, 480), QPointF(640, 560)}},
        {30, {QPointF(640 - 40 * std::cos(M_PI / 6), 480 - 20), QPointF(640 + 40, 480 - 80 * std::cos(M_PI / 6))}},
        {45, {QPointF(640 - r, 480 - r), QPointF(640 + 2 * r, 480 - 2 * r)}}, {360, {QPointF(600, 480), QPointF(640, 400)}}};
    for (const auto &row : table) {
        dial->setValue(row.first);
        QVERIFY2(near(liveViewState.get(&LiveView::starASearch), row.second.first, 1e-9), qPrintable(QString::number(row.first)));
        QVERIFY(near(liveViewState.get(&LiveView::starBSearch), row.second.second, 1e-9));
    }
    dial->setValue(90);
    window->trackingDialog->findChild<QPushButton *>(QStringLiteral("pushButton_reset"))->click();
    QCOMPARE(dial->value(), 0);
    QVERIFY(near(liveViewState.get(&LiveView::starASearch), window->starAHome, 1e-9));
}

// Each answer button leads to its step. The kept centre is offered only when stored:
// "Yes" goes on to the pole star with it, "No" leaves this run without it, still stored.
void TestWorkflow::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("reply"); // 0: no centre kept from an earlier run
    QTest::addColumn<int>("to");
    QTest::newRow("rotate 1 reset") << "rotateStar1_reset" << 4 << 0 << 3;
    QTest::newRow("star 2 reset") << "getStar2_reset" << 5 << 0 << 3;
    QTest::newRow("rotate 2 reset") << "rotateStar2_reset" << 6 << 0 << 3;
    QTest::newRow("star 3 reset") << "getStar3_reset" << 7 << 0 << 3;
    QTest::newRow("centre reset") << "validateCenter_reset" << 8 << 0 << 3;
    QTest::newRow("restart") << "finetunePole_reset" << 13 << 0 << 1;
    QTest::newRow("nothing stored") << "confirm_done" << 2 << 0 << 3;
    QTest::newRow("stored, yes") << "confirm_done" << 2 << int(QMessageBox::Yes) << 9;
    QTest::newRow("stored, no") << "confirm_done" << 2 << int(QMessageBox::No) << 3;
}

void TestWorkflow::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, from);
    QFETCH(int, reply);
    const bool stored = reply != 0;
    QFETCH(int, to);
    const QPointF kept = stored ? QPointF(612.5, 470.5) : QPointF();
    window->setStep(from);
    window->savedAxisCenter = kept;
    liveViewState.set(&LiveView::axisCenter, kept);
    BoxAnswerer answerer{QMessageBox::StandardButton(reply)};
    window->findChild<QPushButton *>("pushButton_" + button)->click();
    QCOMPARE(window->currentStep, to);
    QCOMPARE(answerer.texts().size(), int(stored));
    QVERIFY(!stored || answerer.texts().first().endsWith("\nRecorded: (612.5,470.5)."));
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), to == 9 ? kept : QPointF());
    QCOMPARE(window->findChild<QLabel *>("label_axisPos")->text().startsWith("(612.5,470.5)"), to == 9);
}

// Settings are read beside the program unless only the fallback copy is there or it
// was written later (the program's folder unwritable, or its file a link to nothing).
void TestWorkflow::settingsSource()
{
    const QString fallback = MainWindow::fallbackSettingsFilePath();
    auto write = [](const QString &path, const char *region, int age) {
        QSettings(path, QSettings::IniFormat).setValue("REGION/region", region);
        QFile file(path);
        return file.open(QIODevice::ReadWrite)
               && file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
    };
    // Age in s of the file beside (0 none, -1 a link to nothing), a 30 s old fallback?
    const std::tuple<int, bool, const char *> rows[] = {
        {60, false, "South"}, {0, true, "North"}, {60, true, "North"}, {10, true, "South"}, {-1, true, "North"}};
    for (const auto &[beside, hasFallback, region] : rows) {
        QFile::remove(settingsPath());
        QFile::remove(fallback);
        QVERIFY(!beside || (beside > 0 ? write(settingsPath(), "South", beside) : QFile::link(settingsPath() + ".gone", settingsPath())));
        QVERIFY(!hasFallback || write(fallback, "North", 30));
        window->region = "none";
        QVERIFY(window->readSettings());
        QCOMPARE(window->region, QString(region));
    }
    QFile::remove(fallback);
}

QTEST_MAIN(TestWorkflow)
#include "test_workflow.moc"
