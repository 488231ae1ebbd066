// The alignment step machine: the tip panel, what every step opens, hides, lights
// and switches on, the moves between steps, the region choice and re-texting.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/refractionvalues.h"
#include "mainwindow/mainwindow.h"
#include "starmath/startemplate.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Translates every MainWindow text into "T:" + source, so re-texting shows.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "MainWindow") == 0)
            return QStringLiteral("T:") + QString::fromUtf8(source);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// A wordier language: every MainWindow text comes out twice as long.
class WordyTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "MainWindow") != 0)
            return QString();
        const QString text = QString::fromUtf8(source);
        return text + QLatin1Char(' ') + text;
    }
    bool isEmpty() const override { return false; }
};

// Texts of the tip panel that do not fit their fixed places, by object name.
QStringList cutTexts(QTabWidget *panel)
{
    QStringList cut;
    for (QPushButton *button : panel->findChildren<QPushButton *>()) {
        if (QFontMetrics(button->font()).horizontalAdvance(button->text()) + 6 > button->width())
            cut << button->objectName();
    }
    for (QLabel *label : panel->findChildren<QLabel *>()) {
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width();
        if (!fits)
            cut << label->objectName();
    }
    return cut;
}

struct Flags
{
    bool axisCenter, starCircle, expectedPole, monitorPole, starAMark, starBMark;
};

Flags flagsNow()
{
    const LiveView v = liveViewState.snapshot();
    return {v.showAxisCenter, v.showStarCircle, v.showExpectedPole, v.monitorPole, v.showStarAMark, v.showStarBMark};
}

void setAllFlags(bool on)
{
    liveViewState.update([on](LiveView &v) {
        v.showAxisCenter = v.showStarCircle = v.showExpectedPole = on;
        v.monitorPole = v.showStarAMark = v.showStarBMark = on;
    });
}

// Flags as a string "acepAB" with '-' for off: axis centre, circle, expected pole,
// monitor pole, star A, star B.
QString flagString(const Flags &f)
{
    QString s;
    s += f.axisCenter ? 'a' : '-';
    s += f.starCircle ? 'c' : '-';
    s += f.expectedPole ? 'e' : '-';
    s += f.monitorPole ? 'p' : '-';
    s += f.starAMark ? 'A' : '-';
    s += f.starBMark ? 'B' : '-';
    return s;
}

const char *const kHeads[5] = {"pushButton_head_region", "pushButton_head_setting", "pushButton_head_confirm",
                               "pushButton_head_rough", "pushButton_head_precise"};
const char *const kBodies[5] = {"widget_region", "widget_setting", "widget_confirm", "widget_rough",
                                "widget_precise"};
const char *const kLights[3] = {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon"};

// "0" off, "1" on, "?" anything else, for each of the three lights.
QString lightString(MainWindow *w, bool mono)
{
    const QImage on = QImage(mono ? ":/images/lighton_mono.png" : ":/images/lighton_color.png")
                          .convertToFormat(QImage::Format_ARGB32);
    const QImage off = QImage(mono ? ":/images/lightoff_mono.png" : ":/images/lightoff_color.png")
                           .convertToFormat(QImage::Format_ARGB32);
    QString s;
    for (const char *name : kLights) {
        const QImage shown =
            w->findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
        s += shown == on ? '1' : shown == off ? '0' : '?';
    }
    return s;
}

// Fills a frame with Gaussian stars on a dark sky.
std::vector<unsigned char> starFrame(const QList<QPointF> &stars)
{
    std::vector<unsigned char> frame(1280 * 960, 8);
    for (const QPointF &s : stars) {
        for (int y = int(s.y()) - 8; y <= int(s.y()) + 8; ++y) {
            for (int x = int(s.x()) - 8; x <= int(s.x()) + 8; ++x) {
                const double d2 = (x - s.x()) * (x - s.x()) + (y - s.y()) * (y - s.y());
                const int v = frame[std::size_t(y) * 1280 + x] + int(220.0 * std::exp(-d2 / (2 * 1.6 * 1.6)));
                frame[std::size_t(y) * 1280 + x] = static_cast<unsigned char>(std::min(v, 255));
            }
        }
    }
    return frame;
}

} // namespace

class TestSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void panelFrame();
    void pages_data();
    void pages();
    void regionTips_data();
    void regionTips();
    void textsFitTheirPlaces();

    void stepTable_data();
    void stepTable();
    void monoLights();
    void noStepDisplay();

    void buttons_data();
    void buttons();
    void savedCentre_data();
    void savedCentre();
    void confirmAxisCentre();
    void referenceStarsMeasured();
    void referenceStarsNotFoundStay();
    void regionChangeRestarts();
    void monitorAgainAfterDone();
    void disconnectKeepsFlags();

    void uiResetRetexts();
    void uiResetKeepsState();
    void southStartWaitsInStepOne();

    void renderForReview();

private:
    std::unique_ptr<MainWindow> window;
};

void TestSteps::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSteps::init()
{
    QFile::remove(settingsPath());
    liveViewState.reset();
    cameraState.cameraConnected = false;
    window.reset(new MainWindow(nullptr));
    // The English catalogue shortens a few texts; the checks compare the source texts.
    QCoreApplication::removeTranslator(window->translator);
    window->uiReset();
}

void TestSteps::cleanup()
{
    cameraState.cameraConnected = false;
    window.reset();
    QFile::remove(settingsPath());
    liveViewState.reset();
}

void TestSteps::panelFrame()
{
    QTabWidget *panel = window->tabWidget_tipMsg;
    QVERIFY(panel);
    QCOMPARE(panel->objectName(), QStringLiteral("tabWidget_tipMsg"));
    QCOMPARE(panel->parentWidget(), window->findChild<QWidget *>("scrollArea_showImg"));
    QCOMPARE(panel->geometry(), QRect(163, 5, 470, 100));
    QVERIFY(panel->tabBar()->isHidden());
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->count(), 13);
    for (int i = 0; i < panel->count(); ++i) {
        QCOMPARE(panel->tabText(i), QString());
        QWidget *page = panel->widget(i);
        QVERIFY(page->hasMouseTracking());
        // Every label lets the mouse through to the page underneath.
        for (QLabel *label : page->findChildren<QLabel *>())
            QVERIFY2(label->testAttribute(Qt::WA_TransparentForMouseEvents), qPrintable(label->objectName()));
    }
}

void TestSteps::pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("tipText"); // empty: depends on the region
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QString>("askText");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("leftText");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("rightText");

    QTest::newRow("1 setting") << 0 << "tab_setting" << "label_setting_tipMsg" << "" << "label_setting_ask"
                               << "Has setting up finished?" << "" << "" << "pushButton_setting_done"
                               << "Setting Finished";
    QTest::newRow("2 confirm") << 1 << "tab_confirm" << "label_confirm_tipMsg" << "" << "label_confirm_ask"
                               << "Does match success?" << "" << "" << "pushButton_confirm_done" << "Success";
    QTest::newRow("3 getStar1") << 2 << "tab_getStar1" << "label_getStar1_tipMsg" << "" << "" << "" << "" << ""
                                << "" << "";
    QTest::newRow("4 rotateStar1")
        << 3 << "tab_rotateStar1" << "label_rotateStar1_tipMsg"
        << "Rotate your mounts 'RA' axis in the direction indicated by the arrow now at the top of the screen "
           "(rotate a minimum of 30 degree's)."
        << "label_rotateStar1_ask" << "Has rotation finished?" << "pushButton_rotateStar1_reset" << "Reset"
        << "pushButton_rotateStar1_done" << "rotation Finished";
    QTest::newRow("5 getStar2") << 4 << "tab_getStar2" << "label_getStar2_tipMsg"
                                << "Double click the same star again chosen in the previous step (Step 2 of 3)."
                                << "" << "" << "pushButton_getStar2_reset" << "Reset" << "" << "";
    QTest::newRow("6 rotateStar2") << 5 << "tab_rotateStar2" << "label_rotateStar2_tipMsg"
                                   << "Again, Rotate your mounts 'RA' axis in the same direction at least 30 degrees."
                                   << "label_rotateStar2_ask" << "Has rotation finished?"
                                   << "pushButton_rotateStar2_reset" << "Reset" << "pushButton_rotateStar2_done"
                                   << "rotation Finished";
    QTest::newRow("7 getStar3") << 6 << "" << "label_getStar3_tipMsg"
                                << "Double click the same star one last time chosen in the previous 2 steps (Step 3 "
                                   "of 3)."
                                << "" << "" << "pushButton_getStar3_reset" << "Reset" << "" << "";
    QTest::newRow("8 validateCenter")
        << 7 << "tab_validateCenter" << "label_validateCenter_tipMsg"
        << "Return the 'RA' axis to the 'Home' position - Ensure your chosen star stays on the circle while your "
           "mount rotates to the PARK position."
        << "label_validateCenter_ask" << "Is the axis center correct?" << "pushButton_validateCenter_reset"
        << "Reset" << "pushButton_validateCenter_done" << "Correct";
    QTest::newRow("9 getEptPolaris") << 8 << "tab_getEptPolaris" << "label_getEptPolaris_tipMsg" << ""
                                     << "label_getEptPolaris_ask" << "Does match success?" << "" << ""
                                     << "pushButton_getEptPolaris_done" << "Success";
    QTest::newRow("10 movePolaris") << 9 << "tab_movePolaris" << "label_movePolaris_tipMsg" << ""
                                    << "label_movePolaris_ask" << "Has adjustment finished?" << "" << ""
                                    << "pushButton_movePolaris_done" << "adjustment Finished";
    QTest::newRow("11 getCurPolaris") << 10 << "tab_getCurPolaris" << "label_getCurPolaris_tipMsg" << ""
                                      << "label_getCurPolaris_ask" << "Does match success?" << "" << ""
                                      << "pushButton_getCurPolaris_done" << "Success";
    QTest::newRow("12 calcPole") << 11 << "tab_calcPole" << "label_calcPole_tipMsg"
                                 << "Please click the 'Start Monitor' button." << "" << "" << "" << "" << "" << "";
    QTest::newRow("13 finetunePole")
        << 12 << "tab_finetunePole" << "label_finetunePole_tipMsg"
        << "Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle." << ""
        << "" << "pushButton_finetunePole_reset" << "Restart" << "pushButton_finetunePole_done" << "Done";
}

void TestSteps::pages()
{
    QFETCH(int, index);
    QFETCH(QString, page);
    QFETCH(QString, tip);
    QFETCH(QString, tipText);
    QFETCH(QString, ask);
    QFETCH(QString, askText);
    QFETCH(QString, left);
    QFETCH(QString, leftText);
    QFETCH(QString, right);
    QFETCH(QString, rightText);

    QWidget *w = window->tabWidget_tipMsg->widget(index);
    QCOMPARE(w->objectName(), page);

    auto *tipLabel = w->findChild<QLabel *>(tip);
    QVERIFY(tipLabel);
    QCOMPARE(tipLabel->geometry(), QRect(5, 0, 460, 70));
    QVERIFY(tipLabel->wordWrap());
    if (!tipText.isEmpty())
        QCOMPARE(tipLabel->text(), tipText);

    QCOMPARE(w->findChildren<QLabel *>().size(), ask.isEmpty() ? 1 : 2);
    if (!ask.isEmpty()) {
        auto *askLabel = w->findChild<QLabel *>(ask);
        QVERIFY(askLabel);
        QCOMPARE(askLabel->geometry(), QRect(5, 70, 290, 23));
        QCOMPARE(askLabel->text(), askText);
    }

    QCOMPARE(w->findChildren<QPushButton *>().size(), int(!left.isEmpty()) + int(!right.isEmpty()));
    if (!left.isEmpty()) {
        auto *button = w->findChild<QPushButton *>(left);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(300, 70, 75, 23));
        QCOMPARE(button->text(), leftText);
    }
    if (!right.isEmpty()) {
        auto *button = w->findChild<QPushButton *>(right);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(380, 70, 75, 23));
        QCOMPARE(button->text(), rightText);
    }
}

void TestSteps::regionTips_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("north");

    QTest::newRow("setting") << "label_setting_tipMsg"
                             << "Set the parameters to the left to make more stars around Polaris visable.";
    QTest::newRow("confirm") << "label_confirm_tipMsg"
                             << "Double Click Polaris and use the 'Rotate' slider on the left to rotate the Template "
                                "to match up to the stars around Polaris.";
    QTest::newRow("getStar1") << "label_getStar1_tipMsg"
                              << "Choose a star other than Polaris and Double click it in the image. Remember this "
                                 "star, you will be selecting it again in the following steps (Step 1 of 3).";
    QTest::newRow("getEptPolaris") << "label_getEptPolaris_tipMsg"
                                   << "Expected position: Double Click Polaris and use the 'Rotate' slider on the "
                                      "left to rotate the Template to match up to the stars around Polaris.";
    QTest::newRow("movePolaris") << "label_movePolaris_tipMsg"
                                 << "Using your Altitude and Azimuth bolts, move Polaris into the center of the small "
                                    "Rotating circle now shown on the image.";
    QTest::newRow("getCurPolaris") << "label_getCurPolaris_tipMsg"
                                   << "Current position: Double Click Polaris and use the 'Rotate' slider on the "
                                      "left to rotate the Template to match up to the stars around Polaris.";
}

void TestSteps::regionTips()
{
    QFETCH(QString, label);
    QFETCH(QString, north);
    QString south = north;
    south.replace(QStringLiteral("Polaris"), QStringLiteral("σ Oct"));

    auto *tip = window->tabWidget_tipMsg->findChild<QLabel *>(label);
    QVERIFY(tip);
    QCOMPARE(tip->text(), north);
    window->setTipsForRegion(QStringLiteral("South"));
    QCOMPARE(tip->text(), south);
    // Anything but the two region names leaves the tips alone.
    window->setTipsForRegion(QStringLiteral("north"));
    QCOMPARE(tip->text(), south);
    window->setTipsForRegion(QString());
    QCOMPARE(tip->text(), south);
    window->setTipsForRegion(QStringLiteral("North"));
    QCOMPARE(tip->text(), north);
}

void TestSteps::textsFitTheirPlaces()
{
    // The source wording of the three "Finished" buttons is wider than 75 pixels.
    QCOMPARE(cutTexts(window->tabWidget_tipMsg).join(' '), QString());
    const int successPixels = QFontInfo(window->pushButton_confirm_done->font()).pixelSize();

    WordyTranslator wordy;
    QCoreApplication::installTranslator(&wordy);
    window->uiReset();
    QCoreApplication::removeTranslator(&wordy);
    // Labels have room to give; a doubled button text is beyond any legible size.
    QCOMPARE(cutTexts(window->tabWidget_tipMsg).filter(QStringLiteral("label_")).join(' '), QString());
    QVERIFY(QFontInfo(window->pushButton_confirm_done->font()).pixelSize() < successPixels);

    // Short texts get their full size back.
    window->uiReset();
    QCOMPARE(QFontInfo(window->pushButton_confirm_done->font()).pixelSize(), successPixels);
    window->setTipsForRegion(QStringLiteral("South"));
    QCOMPARE(cutTexts(window->tabWidget_tipMsg).join(' '), QString());
}

void TestSteps::stepTable_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("open");      // region, setting, confirm, rough, precise
    QTest::addColumn<bool>("hidesTemplate");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<QString>("lights");    // "?" where the step leaves them
    QTest::addColumn<QString>("fromOff");   // flags after the step when all were off before
    QTest::addColumn<QString>("fromOn");    // and when all were on
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

void TestSteps::stepTable()
{
    QFETCH(int, step);
    QFETCH(QString, open);
    QFETCH(bool, hidesTemplate);
    QFETCH(bool, arrow);
    QFETCH(QString, lights);
    QFETCH(QString, fromOff);
    QFETCH(QString, fromOn);
    QFETCH(bool, stopsGlow);

    QPixmap marker(3, 3);
    marker.fill(Qt::red);
    auto *templateImg = window->findChild<QLabel *>("label_templateImg");

    for (bool before : {false, true}) {
        // Start from the opposite of what the step should show, so every setting counts.
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
            const bool shown = !window->findChild<QWidget *>(kBodies[i])->isHidden();
            QCOMPARE(checked, shown);
            shownOpen += checked ? '1' : '0';
        }
        QCOMPARE(shownOpen, open);
        QCOMPARE(templateImg->isHidden(), hidesTemplate);
        QCOMPARE(!window->directionArrow->isHidden(), arrow);
        QCOMPARE(lightString(window.get(), false), lights);
        QCOMPARE(flagString(flagsNow()), before ? fromOn : fromOff);
        QCOMPARE(window->glowTimer->isActive(), !stopsGlow);
    }
}

void TestSteps::monoLights()
{
    liveViewState.set(&LiveView::style, QStringLiteral("Mono"));
    window->setStep(6);
    QCOMPARE(lightString(window.get(), true), QStringLiteral("110"));
    // Only the exact style name selects the mono lamps.
    liveViewState.set(&LiveView::style, QStringLiteral("mono"));
    window->setStep(8);
    QCOMPARE(lightString(window.get(), false), QStringLiteral("111"));
}

void TestSteps::noStepDisplay()
{
    window->setStep(9);
    auto *templateImg = window->findChild<QLabel *>("label_templateImg");
    templateImg->show();
    window->directionArrow->show();
    setAllFlags(true);
    window->glowTimer->start();
    const QString lightsBefore = lightString(window.get(), false);

    for (int step : {0, -1, 15}) {
        window->setStep(step);
        QCOMPARE(window->currentStep, 9);
        QVERIFY(window->tabWidget_tipMsg->isHidden());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!window->findChild<QPushButton *>(kHeads[i])->isChecked());
            QVERIFY(window->findChild<QWidget *>(kBodies[i])->isHidden());
        }
        QVERIFY(templateImg->isHidden());
        QVERIFY(window->directionArrow->isHidden());
        QCOMPARE(flagString(flagsNow()), QStringLiteral("acepAB"));
        QCOMPARE(lightString(window.get(), false), lightsBefore);
        QVERIFY(window->glowTimer->isActive());
    }
}

void TestSteps::buttons_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");

    QTest::newRow("Setting Finished") << 1 << "pushButton_setting_done" << 2;
    QTest::newRow("Success, no centre") << 2 << "pushButton_confirm_done" << 3;
    QTest::newRow("rotation 1 Reset") << 4 << "pushButton_rotateStar1_reset" << 3;
    QTest::newRow("rotation 1 Finished") << 4 << "pushButton_rotateStar1_done" << 5;
    QTest::newRow("star 2 Reset") << 5 << "pushButton_getStar2_reset" << 3;
    QTest::newRow("rotation 2 Reset") << 6 << "pushButton_rotateStar2_reset" << 3;
    QTest::newRow("rotation 2 Finished") << 6 << "pushButton_rotateStar2_done" << 7;
    QTest::newRow("star 3 Reset") << 7 << "pushButton_getStar3_reset" << 3;
    QTest::newRow("centre Reset") << 8 << "pushButton_validateCenter_reset" << 3;
    QTest::newRow("centre Correct") << 8 << "pushButton_validateCenter_done" << 9;
    QTest::newRow("expected Success") << 9 << "pushButton_getEptPolaris_done" << 10;
    QTest::newRow("adjustment Finished") << 10 << "pushButton_movePolaris_done" << 11;
    QTest::newRow("current Success") << 11 << "pushButton_getCurPolaris_done" << 11; // dark: no stars to fix
    QTest::newRow("Restart") << 13 << "pushButton_finetunePole_reset" << 1;
    QTest::newRow("Start Monitor") << 12 << "pushButton_monitor" << 13;
}

// Each button is reached by a real click on the page of its own step.
void TestSteps::buttons()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);

    const std::vector<unsigned char> dark(1280 * 960, 0);
    window->captureThread->processFrame(dark.data());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    liveViewState.set(&LiveView::axisCenter, QPointF(640, 480)); // a target the stars can follow
    BoxAnswerer answerer;
    window->setStep(from);
    auto *pushButton = window->findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QVERIFY2(pushButton->isVisible(), "the button shows in its own step");
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(window->currentStep, to);
    QCOMPARE(window->tabWidget_tipMsg->currentIndex(), to - 1);
}

void TestSteps::savedCentre_data()
{
    QTest::addColumn<QPointF>("saved");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPointF>("centreAfter");
    QTest::addColumn<QString>("label");

    const QPointF c(652.37, 471.05);
    QTest::newRow("Yes") << c << int(QMessageBox::Yes) << true << 9 << c << "(652.4,471.1)";
    QTest::newRow("No") << c << int(QMessageBox::No) << true << 3 << QPointF(0, 0) << "(0,0)";
    QTest::newRow("closed") << c << int(QMessageBox::NoButton) << true << 3 << QPointF(0, 0) << "(0,0)";
    QTest::newRow("x zero") << QPointF(0, 250) << int(QMessageBox::Yes) << false << 3 << QPointF(0, 250)
                            << "(0,0)";
    QTest::newRow("y zero") << QPointF(250, 0) << int(QMessageBox::Yes) << false << 3 << QPointF(250, 0)
                            << "(0,0)";
    QTest::newRow("negative") << QPointF(-5, 300) << int(QMessageBox::Yes) << false << 3 << QPointF(-5, 300)
                              << "(0,0)";
}

void TestSteps::savedCentre()
{
    QFETCH(QPointF, saved);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(int, to);
    QFETCH(QPointF, centreAfter);
    QFETCH(QString, label);

    liveViewState.set(&LiveView::axisCenter, saved);
    window->savedAxisCenter = saved;
    window->setStep(2);
    BoxAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer));
    window->pushbuttonConfirmDoneClicked();

    QCOMPARE(answerer.boxes.size(), asked ? 1 : 0);
    if (asked) {
        const BoxAnswerer::Box &box = answerer.boxes[0];
        QCOMPARE(box.title, QStringLiteral("Question"));
        QVERIFY(box.text.startsWith(QStringLiteral("Would you like to use the 'Axis center position' recorded last "
                                                   "time you used Orvanta ?")));
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QVERIFY(!box.hasParent);
    }
    QCOMPARE(window->currentStep, to);
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), centreAfter);
    QCOMPARE(window->findChild<QLabel *>("label_axisPos")->text(), label);
}

void TestSteps::confirmAxisCentre()
{
    window->setStep(8);
    window->circleCenter = QPointF(601.26, 455.94);
    liveViewState.set(&LiveView::axisCenter, QPointF(1, 1));
    window->pushbuttonValidateCenterDoneClicked();
    QCOMPARE(liveViewState.get(&LiveView::axisCenter), QPointF(601.26, 455.94));
    QCOMPARE(window->findChild<QLabel *>("label_axisPos")->text(), QStringLiteral("(601.3,455.9)"));
    QCOMPARE(window->currentStep, 9);
}

void TestSteps::referenceStarsMeasured()
{
    // A template turned by 30 degrees; the real star A lies a little off the prediction.
    window->curMaskA = QPointF(445.0, 217.0);
    window->curMaskB = QPointF(400.0, 399.0);
    window->templateAngle = 30;
    const QPointF poleStar(700.4, 500.7);
    const double a = 30.0 * M_PI / 180.0;
    const QPointF v = window->curMaskA - window->curMaskB;
    const QPointF predicted = poleStar + QPointF(v.x() * std::cos(a) - v.y() * std::sin(a),
                                                 v.x() * std::sin(a) + v.y() * std::cos(a));
    const QPointF realA = predicted + QPointF(2.3, -1.6);
    const std::vector<unsigned char> frame = starFrame({poleStar, realA});
    window->captureThread->processFrame(frame.data());

    window->setStep(11);
    window->poleStarPos = QPointF(701.0, 500.0); // the rough double-click measure
    window->pushbuttonGetCurPolarisDoneClicked();

    const LiveView view = liveViewState.snapshot();
    qDebug("star A: predicted (%.2f, %.2f), real (%.2f, %.2f), measured (%.2f, %.2f)", predicted.x(), predicted.y(),
           realA.x(), realA.y(), view.starASearch.x(), view.starASearch.y());
    QVERIFY(QLineF(view.starASearch, realA).length() < 0.3);
    QVERIFY(QLineF(view.starBSearch, poleStar).length() < 0.3);
    QCOMPARE(window->starAHome, view.starASearch);
    QCOMPARE(window->starBHome, view.starBSearch);
    QCOMPARE(window->currentStep, 12);
}

void TestSteps::referenceStarsNotFoundStay()
{
    window->curMaskA = QPointF(445.0, 217.0);
    window->curMaskB = QPointF(400.0, 399.0);
    window->templateAngle = 0;
    const std::vector<unsigned char> dark(1280 * 960, 0);
    window->captureThread->processFrame(dark.data());

    window->setStep(11);
    window->poleStarPos = QPointF(300.5, 400.25);
    BoxAnswerer answerer; // a prediction standing in for a star would fix a wrong pole
    window->pushbuttonGetCurPolarisDoneClicked();

    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(liveViewState.get(&LiveView::starASearch), QPointF());
    QCOMPARE(window->currentStep, 11);
}

void TestSteps::regionChangeRestarts()
{
    // The yearly table chosen, so that the live angles are the template's.
    updateRefractionValues([](RefractionValues &r) { r.yearlyTable = true; });
    window->setStep(9);
    setAllFlags(true);
    // Only the button that becomes checked acts.
    window->on_radioButton_south_toggled(false);
    QCOMPARE(window->currentStep, 9);
    auto *south = window->findChild<QRadioButton *>("radioButton_south");
    south->setChecked(true);

    QCOMPARE(window->region, QStringLiteral("South"));
    QCOMPARE(window->currentStep, 1);
    QCOMPARE(window->tabWidget_tipMsg->currentIndex(), 0);
    QCOMPARE(flagString(flagsNow()), QStringLiteral("------"));
    QCOMPARE(window->curMaskA, southTemplate.maskA);
    QCOMPARE(window->curMaskB, southTemplate.maskB);
    QCOMPARE(window->curMaskPole, southTemplate.maskPole);
    QCOMPARE(window->curAngleBAP, southTemplate.angleBAP);
    QCOMPARE(window->curAngleABP, southTemplate.angleABP);
    QCOMPARE(liveViewState.get(&LiveView::liveAngleBAP), southTemplate.angleBAP);
    QCOMPARE(liveViewState.get(&LiveView::liveAngleABP), southTemplate.angleABP);
    QVERIFY(window->label_movePolaris_tipMsg->text().contains(QStringLiteral("σ Oct")));

    window->setStep(9);
    window->findChild<QRadioButton *>("radioButton_north")->setChecked(true);
    QCOMPARE(window->region, QStringLiteral("North"));
    QCOMPARE(window->currentStep, 1);
    QCOMPARE(window->curMaskA, northTemplate.maskA);
    QCOMPARE(liveViewState.get(&LiveView::liveAngleABP), northTemplate.angleABP);
    QVERIFY(window->label_movePolaris_tipMsg->text().contains(QStringLiteral("Polaris")));
}

void TestSteps::monitorAgainAfterDone()
{
    window->setStep(12);
    window->on_pushButton_monitor_clicked();
    QCOMPARE(window->currentStep, 13);
    window->pushbuttonFinetunePoleDoneClicked();
    QVERIFY(window->tabWidget_tipMsg->isHidden());
    QCOMPARE(window->currentStep, 13);
    QCOMPARE(flagString(flagsNow()), QStringLiteral("---pAB"));
    QVERIFY(!window->findChild<QWidget *>("widget_precise")->isHidden());

    window->on_pushButton_monitor_clicked();
    QVERIFY(!window->tabWidget_tipMsg->isHidden());
    QCOMPARE(window->tabWidget_tipMsg->currentWidget(), window->tab_finetunePole);
    QCOMPARE(window->currentStep, 13);

    // Restart leaves monitoring.
    window->pushbuttonFinetunePoleResetClicked();
    QCOMPARE(flagString(flagsNow()), QStringLiteral("------"));
}

void TestSteps::disconnectKeepsFlags()
{
    window->setStep(8);
    window->setStep(9);
    window->setStep(12);
    window->setStep(13);
    const QString flags = flagString(flagsNow());
    QCOMPARE(flags, QStringLiteral("a-epAB"));
    window->setStep(0);
    QCOMPARE(flagString(flagsNow()), flags);
    QCOMPARE(window->currentStep, 13);
    window->setStep(1);
    QCOMPARE(flagString(flagsNow()), QStringLiteral("------"));
}

void TestSteps::uiResetRetexts()
{
    window->setStep(7);
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    window->uiReset();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(window->label_setting_ask->text(), QStringLiteral("T:Has setting up finished?"));
    QCOMPARE(window->pushButton_finetunePole_reset->text(), QStringLiteral("T:Restart"));
    QCOMPARE(window->pushButton_validateCenter_done->text(), QStringLiteral("T:Correct"));
    QCOMPARE(window->label_calcPole_tipMsg->text(), QStringLiteral("T:Please click the 'Start Monitor' button."));
    QVERIFY(window->label_getStar1_tipMsg->text().startsWith(QStringLiteral("T:Choose a star other than Polaris")));
    // The form's own texts follow too.
    QCOMPARE(window->findChild<QPushButton *>("pushButton_monitor")->text(), QStringLiteral("T:Start Monitor"));
    QCOMPARE(window->tabWidget_tipMsg->currentIndex(), 6);
    QCOMPARE(window->currentStep, 7);

    // The southern tips when the region is south; unknown regions keep what is there.
    window->region = QStringLiteral("South");
    QCoreApplication::installTranslator(&translator);
    window->uiReset();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(window->label_getStar1_tipMsg->text().startsWith(QStringLiteral("T:Choose a star other than σ Oct")));
    window->region = QStringLiteral("Nowhere");
    window->uiReset();
    QVERIFY(window->label_getStar1_tipMsg->text().startsWith(QStringLiteral("T:Choose a star other than σ Oct")));
    QCOMPARE(window->label_calcPole_tipMsg->text(), QStringLiteral("Please click the 'Start Monitor' button."));
}

// A language change changes words only: lamps, icons, positions and the
// connected state on the window stay as they were.
void TestSteps::uiResetKeepsState()
{
    window->setStep(8);
    auto *axisPos = window->findChild<QLabel *>("label_axisPos");
    auto *curPos = window->findChild<QLabel *>("label_curPos");
    axisPos->setText(QStringLiteral("(640.0,480.0)"));
    curPos->setText(QStringLiteral("(700.4,500.7)"));
    cameraState.cameraConnected = true;
    window->setWindowTitle(QStringLiteral("Orvanta - ID:ORVANTA-SIM"));
    auto *connectAction = window->findChild<QAction *>("actionConnect");
    connectAction->setText(QStringLiteral("Disconnect"));

    emit window->resetUI();

    QCOMPARE(lightString(window.get(), false), QStringLiteral("111"));
    QVERIFY(!window->findChild<QLabel *>("label_precise_poleIcon")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!window->findChild<QLabel *>("label_precise_axisIcon")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(axisPos->text(), QStringLiteral("(640.0,480.0)"));
    QCOMPARE(curPos->text(), QStringLiteral("(700.4,500.7)"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta - ID:ORVANTA-SIM"));
    QCOMPARE(connectAction->text(), QStringLiteral("Disconnect"));

    cameraState.cameraConnected = false;
    emit window->resetUI();
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta"));
    QCOMPARE(connectAction->text(), QStringLiteral("Connect"));
}

void TestSteps::southStartWaitsInStepOne()
{
    window.reset();
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("REGION/region"), QStringLiteral("South"));
    }
    window.reset(new MainWindow(nullptr));
    QCOMPARE(window->region, QStringLiteral("South"));
    QCOMPARE(window->currentStep, 1);
    QVERIFY(window->tabWidget_tipMsg->isHidden());
    QVERIFY(window->label_setting_tipMsg->text().contains(QStringLiteral("σ Oct")));
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!window->findChild<QPushButton *>(kHeads[i])->isChecked());
        QVERIFY(window->findChild<QWidget *>(kBodies[i])->isHidden());
    }
    QVERIFY(window->findChild<QLabel *>("label_templateImg")->isHidden());
    QVERIFY(window->directionArrow->isHidden());
    QCOMPARE(flagString(flagsNow()), QStringLiteral("------"));
}

void TestSteps::renderForReview()
{
    const QString outDir = qEnvironmentVariable("ORVANTA_RENDER_DIR");
    if (outDir.isEmpty())
        QSKIP("set ORVANTA_RENDER_DIR to render the tip panel");
    QFile qss(QStringLiteral(":/qss/default.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
    window.reset(new MainWindow(nullptr));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The English catalogue, then the source texts that languages without their
    // own wording show.
    for (const QString &texts : {QStringLiteral("en"), QStringLiteral("source")}) {
        if (texts == QLatin1String("source")) {
            QCoreApplication::removeTranslator(window->translator);
            window->uiReset();
        }
        for (const QString &region : {QStringLiteral("North"), QStringLiteral("South")}) {
            window->setTipsForRegion(region);
            for (int step = 1; step <= 13; ++step) {
                window->setStep(step);
                QTest::qWait(20);
                const QString name = QStringLiteral("steps_%1_%2_%3.png")
                                         .arg(texts, region)
                                         .arg(step, 2, 10, QLatin1Char('0'));
                QVERIFY(window->grab().save(QDir(outDir).filePath(name)));
            }
        }
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestSteps)
#include "test_steps.moc"
