// Pole tracking after a slew: the tracking dial turns the reference-star search
// positions about the axis centre, always from the home positions.
#include "capture/liveviewstate.h"
#include "dialogs/poletrackingdialog.h"
#include "mainwindow/mainwindow.h"

#include <QDial>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

bool near(const QPointF &a, const QPointF &b, double tolerance = 1e-9)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString show(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 9).arg(p.y(), 0, 'f', 9);
}

} // namespace

class TestTracking : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialTurnsAboutTheAxis_data();
    void dialTurnsAboutTheAxis();
    void resetReturnsHome();
    void anglesAreAbsolute();

private:
    QDial *dial() const { return window->trackingDialog->findChild<QDial *>(QStringLiteral("dial_tracking")); }

    QTemporaryDir settingsDir;
    std::unique_ptr<MainWindow> window;
};

void TestTracking::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(settingsDir.isValid());
    MainWindow::settingsDirOverride = settingsDir.path();
}

void TestTracking::init()
{
    liveViewState.reset();
    window.reset(new MainWindow(nullptr));
    QVERIFY(dial());
    window->starAHome = QPointF(600, 480);
    window->starBHome = QPointF(640, 400);
    liveViewState.set(&LiveView::axisCenter, QPointF(640, 480));
}

void TestTracking::cleanup()
{
    window.reset();
}

void TestTracking::dialTurnsAboutTheAxis_data()
{
    QTest::addColumn<int>("degree");
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");

    // Positive angles turn clockwise on the screen, where y grows downwards.
    QTest::newRow("90") << 90 << QPointF(640, 440) << QPointF(720, 480);
    QTest::newRow("180") << 180 << QPointF(680, 480) << QPointF(640, 560);
    QTest::newRow("270") << 270 << QPointF(640, 520) << QPointF(560, 480);
    QTest::newRow("full turn") << 360 << QPointF(600, 480) << QPointF(640, 400);
    QTest::newRow("45") << 45 << QPointF(640 - 40 / std::sqrt(2.0), 480 - 40 / std::sqrt(2.0))
                        << QPointF(640 + 80 / std::sqrt(2.0), 480 - 80 / std::sqrt(2.0));
}

void TestTracking::dialTurnsAboutTheAxis()
{
    QFETCH(int, degree);
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);

    dial()->setValue(degree);
    const LiveView v = liveViewState.snapshot();
    QVERIFY2(near(v.starASearch, a), qPrintable(show(v.starASearch)));
    QVERIFY2(near(v.starBSearch, b), qPrintable(show(v.starBSearch)));
}

void TestTracking::resetReturnsHome()
{
    dial()->setValue(90);
    window->trackingDialog->findChild<QPushButton *>(QStringLiteral("pushButton_reset"))->click();
    QCOMPARE(dial()->value(), 0);
    const LiveView v = liveViewState.snapshot();
    QVERIFY2(near(v.starASearch, window->starAHome), qPrintable(show(v.starASearch)));
    QVERIFY2(near(v.starBSearch, window->starBHome), qPrintable(show(v.starBSearch)));
}

void TestTracking::anglesAreAbsolute()
{
    dial()->setValue(30);
    dial()->setValue(40);
    const QPointF afterSteps = liveViewState.get(&LiveView::starASearch);

    window->poleTracking(40.0);
    const QPointF direct = liveViewState.get(&LiveView::starASearch);
    QCOMPARE(afterSteps, direct);

    // 40 degrees from home, not 10 from the 30-degree position.
    const double t = 40.0 * M_PI / 180.0;
    const QPointF expected(640 - 40 * std::cos(t), 480 - 40 * std::sin(t));
    QVERIFY2(near(direct, expected), qPrintable(show(direct)));
}

QTEST_MAIN(TestTracking)
#include "test_tracking.moc"
