// The template overlay: where it lands, how it turns, the shared match angle of the
// two sliders and their buttons, the expected pole-star position and the zoom.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "starmath/starmath.h"
#include "starmath/startemplate.h"

#include "tavrinsim.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QtMath>
#include <QtTest>

#include <opencv2/core.hpp>

#include <memory>
#include <vector>

namespace {

// Alpha-weighted centre of the marks within radius r of p in an image; (-1, -1) when empty.
QPointF markCentre(const QImage &image, const QPointF &p, int r)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    double sum = 0, sx = 0, sy = 0;
    for (int y = int(p.y()) - r; y <= int(p.y()) + r; ++y) {
        for (int x = int(p.x()) - r; x <= int(p.x()) + r; ++x) {
            if (!argb.rect().contains(x, y))
                continue;
            const double a = qAlpha(argb.pixel(x, y));
            sum += a;
            sx += a * x;
            sy += a * y;
        }
    }
    return sum > 0 ? QPointF(sx / sum, sy / sum) : QPointF(-1, -1);
}

// Where a point of the northern template image appears in label pixels, for the
// template centred on pick and turned clockwise by angle.
QPointF onLabel(const QPointF &imagePoint, const QPoint &pick, double angle, double zoom)
{
    const QPointF d = (imagePoint - QPointF(400, 400)) * zoom;
    const double a = qDegreesToRadians(angle);
    // Clockwise on screen with y downwards.
    return QPointF(pick) + QPointF(d.x() * std::cos(a) - d.y() * std::sin(a), d.x() * std::sin(a) + d.y() * std::cos(a));
}

} // namespace

class TestTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placedOnTheClick();
    void turnsClockwise_data();
    void turnsClockwise();
    void showTemplateImage_data();
    void showTemplateImage();
    void zoomKeepsTheFramePoint();

    void slidersShareTheAngle();
    void buttonsStopAtTheEnds_data();
    void buttonsStopAtTheEnds();
    void expectedPole_data();
    void expectedPole();

    void renderForReview();

private:
    void placeAt(const QPoint &labelPos, int step);
    QLabel *templateImg() const { return window->findChild<QLabel *>(QStringLiteral("label_templateImg")); }
    QSlider *slider(const char *name) const { return window->findChild<QSlider *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<MainWindow> window;
};

void TestTemplate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestTemplate::init()
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

void TestTemplate::cleanup()
{
    cameraState.cameraConnected = false;
    window.reset();
    QFile::remove(settingsPath());
}

// Double clicks a drawn star under labelPos (in frame pixels at the current zoom).
void TestTemplate::placeAt(const QPoint &labelPos, int step)
{
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(0));
    const int fx = int(labelPos.x() / window->zoomFactor);
    const int fy = int(labelPos.y() / window->zoomFactor);
    frame(cv::Rect(fx - 2, fy - 2, 5, 5)).setTo(cv::Scalar(200));
    window->captureThread->processFrame(frame.data);
    auto *shown = window->findChild<QLabel *>(QStringLiteral("label_showImg"));
    QImage image(int(1280 * window->zoomFactor), int(960 * window->zoomFactor), QImage::Format_RGB32);
    image.fill(Qt::black);
    shown->setPixmap(QPixmap::fromImage(image));
    window->currentStep = step;
    QTest::mouseDClick(shown, Qt::LeftButton, Qt::NoModifier, labelPos);
}

void TestTemplate::placedOnTheClick()
{
    placeAt(QPoint(700, 500), 2);
    QVERIFY(!templateImg()->isHidden());
    QCOMPARE(window->pickPos, QPoint(700, 500));
    QCOMPARE(window->pickFramePos, QPointF(700, 500));
    QCOMPARE(templateImg()->geometry(), QRect(301, 101, 800, 800));
    QCOMPARE(templateImg()->pixmap(Qt::ReturnByValue).size(), QSize(800, 800));
    QVERIFY(window->glowTimer->isActive());

    // The pole star's ring sits on the click.
    const QImage drawn = templateImg()->pixmap(Qt::ReturnByValue).toImage();
    const QPointF ring = markCentre(drawn, QPointF(399, 399), 16);
    QVERIFY2(QLineF(ring, QPointF(399, 399)).length() < 1.5, qPrintable(QStringLiteral("%1,%2").arg(ring.x()).arg(ring.y())));
}

void TestTemplate::turnsClockwise_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<float>("zoom");
    QTest::newRow("0 at 100%") << 0 << 1.0f;
    QTest::newRow("37 at 100%") << 37 << 1.0f;
    QTest::newRow("90 at 100%") << 90 << 1.0f;
    QTest::newRow("200 at 75%") << 200 << 0.75f;
    QTest::newRow("315 at 50%") << 315 << 0.5f;
    QTest::newRow("360 at 50%") << 360 << 0.5f;
}

// Two rings of the northern template follow the angle, turning clockwise about the click.
void TestTemplate::turnsClockwise()
{
    QFETCH(int, angle);
    QFETCH(float, zoom);
    window->zoomFactor = zoom;
    const QPoint pick(int(620 * zoom), int(470 * zoom));
    placeAt(pick, 2);
    slider("horizontalSlider_confirm_match")->setValue(angle);
    QCOMPARE(window->templateAngle, angle);

    const QImage drawn = templateImg()->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(templateImg()->size(), drawn.size());
    // The turned picture's rect centre is on the click.
    QCOMPARE(templateImg()->geometry().center(), pick);
    for (const QPointF ring : {QPointF(445, 217), QPointF(648, 494)}) {
        const QPointF expected = onLabel(ring, pick, angle, zoom) - templateImg()->pos();
        const QPointF found = markCentre(drawn, expected, int(16 * zoom));
        QVERIFY2(QLineF(found, expected).length() < 1.5,
                 qPrintable(QStringLiteral("ring %1,%2: expected %3,%4, found %5,%6")
                                .arg(ring.x()).arg(ring.y()).arg(expected.x()).arg(expected.y())
                                .arg(found.x()).arg(found.y())));
    }
}

void TestTemplate::showTemplateImage_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("north 100%") << "North" << 1.0f << QRect(240, 80, 800, 800);
    QTest::newRow("north 50%") << "North" << 0.5f << QRect(120, 40, 400, 400);
    QTest::newRow("south 75%") << "South" << 0.75f << QRect(180, 108, 600, 505);
    QTest::newRow("south 50%") << "South" << 0.5f << QRect(120, 72, 400, 337);
}

void TestTemplate::showTemplateImage()
{
    QFETCH(QString, region);
    QFETCH(float, zoom);
    QFETCH(QRect, geometry);
    window->pickFramePos = QPointF(640.0, 480.0);
    templateImg()->hide();
    window->showTemplateImage(zoom, region);
    QCOMPARE(templateImg()->geometry(), geometry);
    QVERIFY(templateImg()->isHidden());
    const QSize pix = templateImg()->pixmap(Qt::ReturnByValue).size();
    QVERIFY(qAbs(pix.width() - geometry.width()) <= 1 && qAbs(pix.height() - geometry.height()) <= 1);

    // Other region names leave the overlay alone.
    window->showTemplateImage(0.5f, QStringLiteral("north"));
    QCOMPARE(templateImg()->geometry(), geometry);
}

void TestTemplate::zoomKeepsTheFramePoint()
{
    placeAt(QPoint(700, 500), 9);
    slider("horizontalSlider_rough_match")->setValue(30);

    window->findChild<QAction *>(QStringLiteral("action50"))->setChecked(true);
    QCOMPARE(window->zoomFactor, 0.5f);
    QCOMPARE(window->pickPos, QPoint(350, 250));
    QCOMPARE(templateImg()->geometry().center(), QPoint(350, 250));
    const QImage drawn = templateImg()->pixmap(Qt::ReturnByValue).toImage();
    const QPointF expected = onLabel(QPointF(445, 217), QPoint(350, 250), 30, 0.5) - templateImg()->pos();
    QVERIFY(QLineF(markCentre(drawn, expected, 8), expected).length() < 1.5);

    // Outside the matching steps the template only follows unrotated, centred on the same frame point.
    window->currentStep = 4;
    window->findChild<QAction *>(QStringLiteral("action75"))->setChecked(true);
    QCOMPARE(window->pickPos, QPoint(350, 250));
    QCOMPARE(templateImg()->geometry(), QRect(225, 75, 600, 600));
}

void TestTemplate::slidersShareTheAngle()
{
    slider("horizontalSlider_rough_match")->setValue(20);
    slider("horizontalSlider_confirm_match")->setValue(100);
    QCOMPARE(window->templateAngle, 100);
    button("pushButton_rough_add")->click();
    QCOMPARE(window->templateAngle, 101);
    QCOMPARE(slider("horizontalSlider_rough_match")->value(), 101);
    QCOMPARE(slider("horizontalSlider_confirm_match")->value(), 100);

    button("pushButton_confirm_minus")->click();
    QCOMPARE(window->templateAngle, 100);
    QCOMPARE(slider("horizontalSlider_confirm_match")->value(), 100);
    button("pushButton_confirm_minus")->click();
    QCOMPARE(window->templateAngle, 99);
    QCOMPARE(slider("horizontalSlider_confirm_match")->value(), 99);
}

void TestTemplate::buttonsStopAtTheEnds_data()
{
    QTest::addColumn<QString>("sliderName");
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<int>("angle");
    QTest::newRow("confirm minus at 0") << "horizontalSlider_confirm_match" << "pushButton_confirm_minus" << 0;
    QTest::newRow("confirm plus at 360") << "horizontalSlider_confirm_match" << "pushButton_confirm_add" << 360;
    QTest::newRow("rough minus at 0") << "horizontalSlider_rough_match" << "pushButton_rough_minus" << 0;
    QTest::newRow("rough plus at 360") << "horizontalSlider_rough_match" << "pushButton_rough_add" << 360;
}

void TestTemplate::buttonsStopAtTheEnds()
{
    QFETCH(QString, sliderName);
    QFETCH(QString, buttonName);
    QFETCH(int, angle);
    placeAt(QPoint(500, 400), 2);
    auto *s = window->findChild<QSlider *>(sliderName);
    s->setValue(angle == 0 ? 1 : 359);
    s->setValue(angle);
    QCOMPARE(window->templateAngle, angle);
    const qint64 key = templateImg()->pixmap(Qt::ReturnByValue).cacheKey();
    const QString ept = window->findChild<QLabel *>(QStringLiteral("label_eptPos"))->text();
    QSignalSpy changed(s, &QSlider::valueChanged);
    window->findChild<QPushButton *>(buttonName)->click();
    QCOMPARE(window->templateAngle, angle);
    QCOMPARE(s->value(), angle);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(templateImg()->pixmap(Qt::ReturnByValue).cacheKey(), key);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("label_eptPos"))->text(), ept);
}

void TestTemplate::expectedPole_data()
{
    QTest::addColumn<bool>("south");
    QTest::addColumn<int>("angle");
    QTest::newRow("north 0") << false << 0;
    QTest::newRow("north 90") << false << 90;
    QTest::newRow("north 180") << false << 180;
    QTest::newRow("south 270") << true << 270;
}

// The axis centre minus the template's pole-star-to-pole vector turned clockwise by the angle.
void TestTemplate::expectedPole()
{
    QFETCH(bool, south);
    QFETCH(int, angle);
    if (south) {
        window->region = QStringLiteral("South");
        window->curMaskB = southTemplate.maskB;
        window->curMaskPole = southTemplate.maskPole;
    }
    liveViewState.set(&LiveView::axisCenter, QPointF(640, 480));
    window->currentStep = 3; // template hidden: the position is still computed, nothing drawn
    templateImg()->hide();
    const QRect before = templateImg()->geometry();
    const qint64 drawn = templateImg()->pixmap(Qt::ReturnByValue).cacheKey();
    auto *rough = slider("horizontalSlider_rough_match");
    rough->setValue(angle == 0 ? 1 : 0);
    rough->setValue(angle);
    QCOMPARE(window->templateAngle, angle);
    QCOMPARE(templateImg()->geometry(), before);
    QCOMPARE(templateImg()->pixmap(Qt::ReturnByValue).cacheKey(), drawn);

    const QPointF v = window->curMaskPole - window->curMaskB;
    QPointF turned;
    switch (angle) {
    case 0: turned = v; break;
    case 90: turned = QPointF(-v.y(), v.x()); break;
    case 180: turned = -v; break;
    case 270: turned = QPointF(v.y(), -v.x()); break;
    }
    const QPointF expected = QPointF(640, 480) - turned;
    const QPointF got = liveViewState.get(&LiveView::expectedPole);
    QVERIFY2(QLineF(got, expected).length() < 1e-9,
             qPrintable(QStringLiteral("got %1,%2 expected %3,%4").arg(got.x()).arg(got.y()).arg(expected.x()).arg(expected.y())));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("label_eptPos"))->text(),
             QStringLiteral("(%1,%2)").arg(expected.x(), 0, 'f', 1).arg(expected.y(), 0, 'f', 1));
    if (angle == 0 && !south) {
        // The pole star stands at the template's centre.
        QVERIFY(QLineF(window->curMaskB, QPointF(400, 400)).length() < 1.5);
        QVERIFY(QLineF(got, QPointF(1040, 880) - window->curMaskPole).length() < 1.5);
    }
}

// Writes the window with the template at two angles in both styles into
// ORVANTA_RENDER_DIR, for a person to look at.
void TestTemplate::renderForReview()
{
    const QString outDir = qEnvironmentVariable("ORVANTA_RENDER_DIR");
    if (outDir.isEmpty())
        QSKIP("set ORVANTA_RENDER_DIR to render the window");
    QFile qss(QStringLiteral(":/qss/default.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));

    tavrinsim::MountParams mount;
    mount.noise = true;
    tavrinsim::setMountParams(mount);
    tavrinsim::setDateTime(QDateTime(QDate(2024, 3, 1), QTime(21, 0), Qt::UTC));
    tavrinsim::setClockRate(0);
    std::vector<unsigned char> buffer(CameraState::kFrameBufferSize);
    tavrinsim::renderFrame(buffer.data());
    window->captureThread->processFrame(buffer.data());
    QImage frame;
    QVERIFY(window->captureThread->takeFrame(&frame));
    auto *shown = window->findChild<QLabel *>(QStringLiteral("label_showImg"));
    shown->setPixmap(QPixmap::fromImage(frame));
    double px = 0, py = 0;
    QVERIFY(tavrinsim::starPosition(11767, &px, &py));

    window->resize(1280, 1000);
    for (const char *head : {"pushButton_head_region", "pushButton_head_confirm", "pushButton_head_rough"})
        button(head)->setChecked(true);
    window->currentStep = 2;
    QTest::mouseDClick(shown, Qt::LeftButton, Qt::NoModifier, QPoint(qRound(px), qRound(py)));
    QVERIFY(!templateImg()->isHidden());

    struct Shot { int angle; bool mono; const char *name; };
    for (const Shot &shot : {Shot{0, false, "template_0_color.png"}, Shot{40, true, "template_40_mono.png"},
                             Shot{356, false, "template_356_color.png"}}) {
        window->findChild<QAction *>(QStringLiteral("actionMono_Style"))->setChecked(shot.mono);
        slider("horizontalSlider_confirm_match")->setValue(shot.angle);
        window->confirmSliderGlow->setEnabled(true);
        QTest::qWait(50);
        QVERIFY(window->grab().save(QDir(outDir).filePath(QString::fromLatin1(shot.name))));
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestTemplate)
#include "test_template.moc"
