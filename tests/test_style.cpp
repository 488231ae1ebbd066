// Panel appearance: the colour and mono styles, the group heads, the blinking
// slider glow and the turning target mark.
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// What a light label shows: "on", "off", "marker" or "?".
QString lightState(const QLabel *label, bool mono)
{
    const QImage shown = argb(label->pixmap(Qt::ReturnByValue).toImage());
    const QString set = mono ? QStringLiteral("mono") : QStringLiteral("color");
    if (shown == argb(QImage(QStringLiteral(":/images/lighton_%1.png").arg(set))))
        return QStringLiteral("on");
    if (shown == argb(QImage(QStringLiteral(":/images/lightoff_%1.png").arg(set))))
        return QStringLiteral("off");
    if (shown.size() == QSize(3, 3))
        return QStringLiteral("marker");
    return QStringLiteral("?");
}

} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void styleSwitch_data();
    void styleSwitch();
    void groupHeads_data();
    void groupHeads();
    void glowBlinksInItsStep_data();
    void glowBlinksInItsStep();
    void markAngleNeverReachesEighty();

private:
    QLabel *light(int i) const { return window->findChild<QLabel *>(QStringLiteral("label_starPos%1_icon").arg(i)); }
    QAction *monoAction() const { return window->findChild<QAction *>(QStringLiteral("actionMono_Style")); }
    QStringList lights(bool mono) const
    {
        return {lightState(light(1), mono), lightState(light(2), mono), lightState(light(3), mono)};
    }

    std::unique_ptr<MainWindow> window;
};

void TestStyle::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStyle::init()
{
    QFile::remove(settingsPath());
    liveViewState.reset();
    window.reset(new MainWindow(nullptr));
    window->angleTimer->stop();
}

void TestStyle::cleanup()
{
    window.reset();
    QFile::remove(settingsPath());
}

void TestStyle::styleSwitch_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("expected"); // lights after switching to mono
    const QStringList keep{"marker", "marker", "marker"};
    QTest::newRow("step 1") << 1 << keep;
    QTest::newRow("step 2") << 2 << keep;
    QTest::newRow("step 3") << 3 << QStringList{"off", "off", "off"};
    QTest::newRow("step 4") << 4 << QStringList{"on", "off", "off"};
    QTest::newRow("step 5") << 5 << QStringList{"on", "off", "off"};
    QTest::newRow("step 6") << 6 << QStringList{"on", "on", "off"};
    QTest::newRow("step 7") << 7 << QStringList{"on", "on", "off"};
    QTest::newRow("step 8") << 8 << QStringList{"on", "on", "on"};
    QTest::newRow("step 9") << 9 << QStringList{"on", "on", "on"};
    QTest::newRow("step 10") << 10 << keep;
    QTest::newRow("step 11") << 11 << QStringList{"on", "on", "on"};
    QTest::newRow("step 12") << 12 << keep;
    QTest::newRow("step 13") << 13 << keep;
}

void TestStyle::styleSwitch()
{
    QFETCH(int, step);
    QFETCH(QStringList, expected);

    QPixmap marker(3, 3);
    marker.fill(Qt::red);
    for (int i = 1; i <= 3; ++i)
        light(i)->setPixmap(marker);
    window->currentStep = step;

    monoAction()->setChecked(true);
    QCOMPARE(liveViewState.get(&LiveView::style), QStringLiteral("Mono"));
    QCOMPARE(window->confirmSliderGlow->color(), QColor(248, 248, 255, 255));
    QCOMPARE(window->roughSliderGlow->color(), QColor(248, 248, 255, 255));
    auto *pole = window->findChild<QLabel *>(QStringLiteral("label_precise_poleIcon"));
    auto *axis = window->findChild<QLabel *>(QStringLiteral("label_precise_axisIcon"));
    QCOMPARE(argb(pole->pixmap(Qt::ReturnByValue).toImage()), argb(QImage(":/images/pole.png")));
    QCOMPARE(argb(axis->pixmap(Qt::ReturnByValue).toImage()), argb(QImage(":/images/center.png")));
    QCOMPARE(lights(true), expected);

    monoAction()->setChecked(false);
    QCOMPARE(liveViewState.get(&LiveView::style), QStringLiteral("Color"));
    QCOMPARE(window->confirmSliderGlow->color(), QColor(224, 134, 26, 255));
    QCOMPARE(window->roughSliderGlow->color(), QColor(224, 134, 26, 255));
    QCOMPARE(argb(pole->pixmap(Qt::ReturnByValue).toImage()), argb(QImage(":/images/pole_color.png")));
    QCOMPARE(argb(axis->pixmap(Qt::ReturnByValue).toImage()), argb(QImage(":/images/center_color.png")));
    QCOMPARE(lights(false), expected);
}

void TestStyle::groupHeads_data()
{
    QTest::addColumn<QString>("group");
    for (const char *g : {"region", "setting", "confirm", "rough", "precise"})
        QTest::newRow(g) << QString::fromLatin1(g);
}

void TestStyle::groupHeads()
{
    QFETCH(QString, group);
    auto *head = window->findChild<QPushButton *>("pushButton_head_" + group);
    auto *content = window->findChild<QWidget *>("widget_" + group);
    QVERIFY(head && content);
    const QImage collapse = argb(QIcon(":/images/collapse.png").pixmap(16, 16).toImage());
    const QImage expand = argb(QIcon(":/images/expand.png").pixmap(16, 16).toImage());
    QVERIFY(collapse != expand);

    // Construction leaves every group closed.
    QVERIFY(!head->isChecked());
    QVERIFY(content->isHidden());
    QCOMPARE(argb(head->icon().pixmap(16, 16).toImage()), expand);

    head->setChecked(true);
    QVERIFY(!content->isHidden());
    QCOMPARE(argb(head->icon().pixmap(16, 16).toImage()), collapse);
    head->setChecked(false);
    QVERIFY(content->isHidden());
    QCOMPARE(argb(head->icon().pixmap(16, 16).toImage()), expand);
}

void TestStyle::glowBlinksInItsStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("confirmBlinks");
    QTest::addColumn<bool>("roughBlinks");
    for (int step = 1; step <= 13; ++step)
        QTest::addRow("step %d", step) << step << (step == 2) << (step == 9 || step == 11);
}

void TestStyle::glowBlinksInItsStep()
{
    QFETCH(int, step);
    QFETCH(bool, confirmBlinks);
    QFETCH(bool, roughBlinks);
    QVERIFY(!window->confirmSliderGlow->isEnabled());
    QVERIFY(!window->roughSliderGlow->isEnabled());
    window->currentStep = step;
    window->graphicsEffectTimeout();
    QCOMPARE(window->confirmSliderGlow->isEnabled(), confirmBlinks);
    QCOMPARE(window->roughSliderGlow->isEnabled(), roughBlinks);
    window->graphicsEffectTimeout();
    QVERIFY(!window->confirmSliderGlow->isEnabled());
    QVERIFY(!window->roughSliderGlow->isEnabled());
    window->graphicsEffectTimeout();

    // Leaving the step stops the ticks, not the glow: it keeps the last state.
    window->currentStep = 12;
    window->graphicsEffectTimeout();
    QCOMPARE(window->confirmSliderGlow->isEnabled(), confirmBlinks);
    QCOMPARE(window->roughSliderGlow->isEnabled(), roughBlinks);
}

void TestStyle::markAngleNeverReachesEighty()
{
    QList<double> seen;
    for (int i = 0; i < 17; ++i) {
        window->increaseAngleTimeout();
        seen << liveViewState.get(&LiveView::markAngle);
    }
    const QList<double> expected{10, 20, 30, 40, 50, 60, 70, 0, 10, 20, 30, 40, 50, 60, 70, 0, 10};
    QCOMPARE(seen, expected);

    // The running timer turns it every 100 ms.
    window->angleTimer->start();
    QVERIFY(window->angleTimer->isActive());
    QCOMPARE(window->angleTimer->interval(), 100);
    const double before = liveViewState.get(&LiveView::markAngle);
    QTRY_VERIFY_WITH_TIMEOUT(liveViewState.get(&LiveView::markAngle) != before, 1000);
}

QTEST_MAIN(TestStyle)
#include "test_style.moc"
