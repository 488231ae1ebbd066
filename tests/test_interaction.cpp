// Mouse work on the live image: the position read-out, the magnifier, and the
// double-click star picks of each step, on simulated sky frames and on drawn ones.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "widgets/magnifierwidget.h"

#include "tavrinsim.h"
#include "testsupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

#include <opencv2/core.hpp>

#include <memory>
#include <vector>

namespace {

// A black frame with 5 x 5 blocks of 200 centred on the given pixels: each measures
// exactly at its centre.
cv::Mat drawnFrame(const std::vector<QPoint> &stars)
{
    cv::Mat frame(CaptureThread::kFrameHeight, CaptureThread::kFrameWidth, CV_8UC1, cv::Scalar(0));
    for (const QPoint &s : stars)
        frame(cv::Rect(s.x() - 2, s.y() - 2, 5, 5)).setTo(cv::Scalar(200));
    return frame;
}

QImage toImage(const cv::Mat &gray)
{
    return QImage(gray.data, gray.cols, gray.rows, int(gray.step), QImage::Format_Grayscale8).copy();
}

bool sameImage(const QPixmap &shown, const char *resource)
{
    return shown.toImage().convertToFormat(QImage::Format_ARGB32) ==
           QImage(QString::fromLatin1(resource)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestInteraction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Pointer read-out and magnifier.
    void disconnectedPassesEverything();
    void positionReadout_data();
    void positionReadout();
    void magnifierClampsAtTheCorner();
    void tipPanelKeepsTheMagnifierGoing();
    void missingPixmapIsLogged();

    // Double clicks per step.
    void noStarWarnsAndKeepsTheStep_data();
    void noStarWarnsAndKeepsTheStep();
    void halfZoomMeasuresInFramePixels();
    void collinearPicksKeepStepSeven();
    void poleStarPickShowsPositionAndStartsGlow();
    void simulatedSkyGivesTheAxisCentre();

private:
    void feed(const cv::Mat &gray);
    void feedSimulated();
    void doubleClick(const QPoint &labelPos);
    void move(QWidget *target, const QPoint &pos);
    QLabel *showImg() const { return window->findChild<QLabel *>(QStringLiteral("label_showImg")); }
    QLabel *templateImg() const { return window->findChild<QLabel *>(QStringLiteral("label_templateImg")); }

    std::unique_ptr<MainWindow> window;
    std::vector<unsigned char> buffer;
};

void TestInteraction::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    buffer.resize(CameraState::kFrameBufferSize);
}

void TestInteraction::init()
{
    QFile::remove(settingsPath());
    tavrinsim::reset();
    liveViewState.reset();
    window.reset(new MainWindow(nullptr));
    window->angleTimer->stop();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    cameraState.cameraConnected = true;
}

void TestInteraction::cleanup()
{
    cameraState.cameraConnected = false;
    window.reset();
    QFile::remove(settingsPath());
}

// Puts a frame where the capture thread keeps it and shows it in the image label.
void TestInteraction::feed(const cv::Mat &gray)
{
    QVERIFY(gray.isContinuous());
    window->captureThread->processFrame(gray.data);
    const QImage shown = toImage(gray);
    showImg()->setPixmap(QPixmap::fromImage(
        shown.scaled(int(1280 * window->zoomFactor), int(960 * window->zoomFactor))));
}

void TestInteraction::feedSimulated()
{
    tavrinsim::renderFrame(buffer.data());
    feed(cv::Mat(CaptureThread::kFrameHeight, CaptureThread::kFrameWidth, CV_8UC1, buffer.data()).clone());
}

void TestInteraction::doubleClick(const QPoint &labelPos)
{
    QTest::mouseDClick(showImg(), Qt::LeftButton, Qt::NoModifier, labelPos);
}

void TestInteraction::move(QWidget *target, const QPoint &pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void TestInteraction::disconnectedPassesEverything()
{
    cameraState.cameraConnected = false;
    feed(drawnFrame({{100, 100}}));
    window->currentStep = 3;
    move(showImg(), QPoint(100, 100));
    doubleClick(QPoint(100, 100));
    QCOMPARE(window->statusPosLabel->text(), QString());
    QCOMPARE(window->currentStep, 3);
    QCOMPARE(window->starPos1, QPointF());
}

void TestInteraction::positionReadout_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QPointF>("local");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("magnified");

    QTest::newRow("100%") << 1.0f << QPointF(100, 200) << "100.0,200.0" << QPoint(100, 200);
    QTest::newRow("75%") << 0.75f << QPointF(301, 200) << "401.3,266.7" << QPoint(301, 200);
    QTest::newRow("50%") << 0.5f << QPointF(300, 200) << "600.0,400.0" << QPoint(300, 200);
    // The pointer is rounded to whole label pixels before it is scaled.
    QTest::newRow("rounded") << 0.5f << QPointF(300.5, 199.4) << "602.0,398.0" << QPoint(301, 199);
    QTest::newRow("far corner") << 0.5f << QPointF(639, 479) << "1278.0,958.0" << QPoint(639, 479);
}

void TestInteraction::positionReadout()
{
    QFETCH(float, zoom);
    QFETCH(QPointF, local);
    QFETCH(QString, text);
    QFETCH(QPoint, magnified);

    window->zoomFactor = zoom;
    feed(drawnFrame({}));
    QMouseEvent event(QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QVERIFY(window->eventFilter(showImg(), &event));
    QCOMPARE(window->statusPosLabel->text(), text);
    // Whole figures, not cut off by the fixed-width label.
    QVERIFY(window->statusPosLabel->fontMetrics().horizontalAdvance(text) <=
            window->statusPosLabel->contentsRect().width());
    QCOMPARE(window->magnifier->center(), magnified);
    // The magnifier works on the shown (scaled) image.
    QCOMPARE(window->magnifier->source().size(), showImg()->pixmap(Qt::ReturnByValue).size());

    // Other mouse events are not the filter's business.
    QMouseEvent press(QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!window->eventFilter(showImg(), &press));
}

void TestInteraction::magnifierClampsAtTheCorner()
{
    feed(drawnFrame({}));
    move(showImg(), QPoint(5, 5));
    QCOMPARE(window->magnifier->center(), QPoint(5, 5));
    window->magnifier->grab();
    // 150 pixels at five times: a 30 x 30 cut-out, so the centre stops 15 from the edge.
    QCOMPARE(window->magnifier->center(), QPoint(15, 15));
    QCOMPARE(window->magnifier->zoomed().size(), QSize(30, 30));
}

void TestInteraction::tipPanelKeepsTheMagnifierGoing()
{
    feed(drawnFrame({}));
    QVERIFY(window->tabWidget_tipMsg);
    QCOMPARE(window->tabWidget_tipMsg->pos(), QPoint(163, 5));
    QVERIFY2(window->tab_setting, "the tip panel has no pages");
    move(window->tab_setting, QPoint(10, 20));
    QCOMPARE(window->statusPosLabel->text(), QStringLiteral("173.0,25.0"));
    QCOMPARE(window->magnifier->center(), QPoint(173, 25));

    // Only moves: a double click on the panel is not a star pick.
    window->currentStep = 3;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(10, 20), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!window->eventFilter(window->tab_setting, &dbl));
    QCOMPARE(window->currentStep, 3);
}

void TestInteraction::missingPixmapIsLogged()
{
    showImg()->clear();
    QTest::ignoreMessage(QtCriticalMsg, "no pixmap has been set in the Label_showImg");
    move(showImg(), QPoint(40, 60));
    QCOMPARE(window->statusPosLabel->text(), QStringLiteral("40.0,60.0"));

    // A double click is still measured (the frame is there, only not shown).
    window->captureThread->processFrame(drawnFrame({{40, 60}}).data);
    window->currentStep = 3;
    QTest::ignoreMessage(QtCriticalMsg, "no pixmap has been set in the Label_showImg");
    doubleClick(QPoint(40, 60));
    QCOMPARE(window->starPos1, QPointF(40.0, 60.0));
}

void TestInteraction::noStarWarnsAndKeepsTheStep_data()
{
    QTest::addColumn<int>("step");
    for (int step : {2, 3, 5, 7, 9, 11, 13})
        QTest::addRow("step %d", step) << step;
}

void TestInteraction::noStarWarnsAndKeepsTheStep()
{
    QFETCH(int, step);
    feed(drawnFrame({{900, 700}}));
    window->currentStep = step;
    const QRect templateBefore = templateImg()->geometry();
    BoxAnswerer answerer;
    QTest::ignoreMessage(QtCriticalMsg, "GetPreciseStarPos - No Star in the ROI Area.");
    doubleClick(QPoint(300, 300));
    QCOMPARE(answerer.titles(), QStringList{"Warn"});
    QCOMPARE(answerer.texts(), QStringList{"Seems no star in this point, please try other point."});
    QCOMPARE(window->currentStep, step);
    QCOMPARE(window->starPos1, QPointF());
    QVERIFY(templateImg()->isHidden());
    QCOMPARE(templateImg()->geometry(), templateBefore);
    QVERIFY(!window->glowTimer->isActive());
}

void TestInteraction::halfZoomMeasuresInFramePixels()
{
    window->zoomFactor = 0.5f;
    feed(drawnFrame({{600, 400}}));
    window->currentStep = 3;
    doubleClick(QPoint(300, 200));
    QCOMPARE(window->statusPosLabel->text(), QStringLiteral("600.0,400.0"));
    QCOMPARE(window->starPos1, QPointF(600.0, 400.0));
    QCOMPARE(window->currentStep, 4);
    QVERIFY(sameImage(window->findChild<QLabel *>("label_starPos1_icon")->pixmap(Qt::ReturnByValue),
                      ":/images/lighton_color.png"));
    QVERIFY(sameImage(window->findChild<QLabel *>("label_starPos2_icon")->pixmap(Qt::ReturnByValue),
                      ":/images/lightoff_color.png"));
}

void TestInteraction::collinearPicksKeepStepSeven()
{
    window->currentStep = 3;
    feed(drawnFrame({{300, 300}}));
    doubleClick(QPoint(300, 300));
    window->currentStep = 5;
    feed(drawnFrame({{400, 400}}));
    doubleClick(QPoint(400, 400));
    window->currentStep = 7;
    feed(drawnFrame({{500, 500}}));
    liveViewState.set(&LiveView::axisCenter, QPointF(11, 22));

    BoxAnswerer answerer;
    QTest::ignoreMessage(QtCriticalMsg, "Point in a straight line,Can not calculate center of cricle.");
    doubleClick(QPoint(500, 500));
    QCOMPARE(answerer.texts(), QStringList{"Can not get the Axis center, please click 'reset' to re-find it."});
    QCOMPARE(answerer.titles(), QStringList{"Warn"});
    QCOMPARE(window->currentStep, 7);
    QCOMPARE(window->starPos3, QPointF(500, 500));
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(11, 22));

    // Another try replaces only the third pick.
    feed(drawnFrame({{520, 300}}));
    doubleClick(QPoint(520, 300));
    QCOMPARE(window->starPos1, QPointF(300, 300));
    QCOMPARE(window->starPos2, QPointF(400, 400));
    QCOMPARE(window->starPos3, QPointF(520, 300));
    QCOMPARE(window->currentStep, 8);
    // Circle through (300,300), (400,400), (520,300): centre (410, 290).
    QCOMPARE(window->circleCenter, QPointF(410, 290));
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(410, 290));
    QCOMPARE(liveViewState.get(&LiveView::axisRadius), window->circleRadius);
    QCOMPARE(window->circleRadius, 110);
}

void TestInteraction::poleStarPickShowsPositionAndStartsGlow()
{
    tavrinsim::MountParams mount;
    mount.noise = false;
    tavrinsim::setMountParams(mount);
    tavrinsim::setDateTime(QDateTime(QDate(2024, 3, 1), QTime(21, 0), Qt::UTC));
    tavrinsim::setClockRate(0);
    feedSimulated();
    double px = 0, py = 0;
    QVERIFY(tavrinsim::starPosition(11767, &px, &py));

    for (int step : {2, 9, 11}) {
        window->currentStep = step;
        window->glowTimer->stop();
        window->poleStarPos = QPointF();
        templateImg()->hide();
        const QPoint click(qRound(px) + 3, qRound(py) - 2);
        doubleClick(click);
        QVERIFY(!templateImg()->isHidden());
        QCOMPARE(window->pickPos, click);
        QVERIFY(window->glowTimer->isActive());
        QCOMPARE(window->currentStep, step);
        if (step == 2) {
            QCOMPARE(window->poleStarPos, QPointF());
            continue;
        }
        // The measured star, not the click.
        QVERIFY2(QLineF(window->poleStarPos, QPointF(px, py)).length() < 0.5,
                 qPrintable(QStringLiteral("measured (%1, %2), true (%3, %4)")
                                .arg(window->poleStarPos.x()).arg(window->poleStarPos.y()).arg(px).arg(py)));
        const QString expected = QStringLiteral("(%1,%2)").arg(window->poleStarPos.x(), 0, 'f', 1)
                                     .arg(window->poleStarPos.y(), 0, 'f', 1);
        QCOMPARE(window->findChild<QLabel *>("label_curPos")->text(), expected);
    }
}

// Three picks of one star with the RA axis turned in between give the axis the
// simulated mount really turns about.
void TestInteraction::simulatedSkyGivesTheAxisCentre()
{
    tavrinsim::MountParams mount;
    mount.raAngleDeg = -40.0;
    tavrinsim::setMountParams(mount);
    tavrinsim::setDateTime(QDateTime(QDate(2024, 3, 1), QTime(21, 0), Qt::UTC));
    tavrinsim::setClockRate(0);

    // A bright star well away from the axis that stays in the frame for all three picks.
    auto inside = [](double x, double y) { return x > 40 && x < 1240 && y > 40 && y < 920; };
    int hip = 0;
    for (int candidate : {5372, 85822, 37391, 109693}) {
        bool fits = true;
        for (double ra : {-40.0, 0.0, 40.0}) {
            mount.raAngleDeg = ra;
            tavrinsim::setMountParams(mount);
            double x = 0, y = 0;
            fits = fits && tavrinsim::starPosition(candidate, &x, &y) && inside(x, y);
        }
        if (fits) {
            hip = candidate;
            break;
        }
    }
    QVERIFY2(hip != 0, "no bright star stays in the frame");
    mount.raAngleDeg = -40.0;
    tavrinsim::setMountParams(mount);
    QPointF picks[3];
    const int steps[3] = {3, 5, 7};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            tavrinsim::turnRaAxis(40.0);
        double x = 0, y = 0;
        QVERIFY(tavrinsim::starPosition(hip, &x, &y));
        QVERIFY(inside(x, y));
        picks[i] = QPointF(x, y);
        feedSimulated();
        window->currentStep = steps[i];
        doubleClick(QPoint(qRound(x) - 2, qRound(y) + 1));
        QCOMPARE(window->currentStep, steps[i] + 1);
    }
    QVERIFY(QLineF(window->starPos1, picks[0]).length() < 0.5);
    QVERIFY(QLineF(window->starPos2, picks[1]).length() < 0.5);
    QVERIFY(QLineF(window->starPos3, picks[2]).length() < 0.5);

    const tavrinsim::Truth truth = tavrinsim::truth();
    const QPointF axis = liveViewState.get(&LiveView::axisCenter);
    const double error = QLineF(axis, QPointF(truth.axisX, truth.axisY)).length();
    qInfo("axis centre: found (%.2f, %.2f), true (%.2f, %.2f), error %.2f px, radius %d", axis.x(), axis.y(),
          truth.axisX, truth.axisY, error, window->circleRadius);
    QVERIFY(error < 1.5);
    QCOMPARE(liveViewState.get(&LiveView::axisRadius),
             int(QLineF(window->circleCenter, window->starPos1).length()));
    QVERIFY(sameImage(window->findChild<QLabel *>("label_starPos3_icon")->pixmap(Qt::ReturnByValue),
                      ":/images/lighton_color.png"));
}

QTEST_MAIN(TestInteraction)
#include "test_interaction.moc"
