// The main window as it stands after construction: menus and actions, the collapsed
// panel, status bar, timers, audio, the signal wiring, Save As and Exit.
#include "camera/camerastate.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "mainwindow/mainwindow.h"
#include "widgets/magnifierwidget.h"

#include "testsupport.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QGraphicsDropShadowEffect>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// Remembers the order in which translation contexts are asked for, and translates nothing.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *, const char * = nullptr, int = -1) const override
    {
        const QString name = QString::fromLatin1(context);
        if (contexts.isEmpty() || contexts.last() != name)
            contexts.append(name);
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QStringList contexts;
};

} // namespace

class TestMainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void windowBasics();
    void menuOrderAndTitles();
    void menuEntries_data();
    void menuEntries();
    void actionStates_data();
    void actionStates();
    void exclusiveGroups();
    void panelGroupsCollapsed_data();
    void panelGroupsCollapsed();
    void formStartValues();
    void overlaysAndTipPanel();
    void timers();
    void sliderGlows();
    void startState();
    void lineEditsTakeDigitsOnly();
    void leftPanelKeepsItsWidth();
    void resetUiOrder();
    void unfreezeLoopsSilently();
    void saveAsNeedsCamera();
    void saveShownFrame_data();
    void saveShownFrame();
    void saveFailureIsReported();
    void exitClosesWindow();
    void renderForReview();

private:
    std::unique_ptr<MainWindow> window;
};

void TestMainWindowStart::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
}

void TestMainWindowStart::init()
{
    QFile::remove(settingsPath());
    window.reset(new MainWindow(nullptr));
}

void TestMainWindowStart::cleanup()
{
    window.reset();
    QFile::remove(settingsPath());
}

void TestMainWindowStart::cleanupTestCase()
{
    QFile::remove(settingsPath());
}

void TestMainWindowStart::windowBasics()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvanta"));
    QCOMPARE(window->size(), QSize(960, 640));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->fpsLabel->text(), QStringLiteral("FPS : 0.0"));
    QCOMPARE(window->fpsLabel->size(), QSize(85, 18));
    QCOMPARE(window->statusPosLabel->text(), QString());
    QCOMPARE(window->statusPosLabel->size(), QSize(85, 18));
    QCOMPARE(window->fpsLabel->frameShape(), QFrame::NoFrame);
    // Position first, then the frame rate.
    auto *bar = window->statusBar();
    QVERIFY(bar->isAncestorOf(window->statusPosLabel));
    QVERIFY(bar->isAncestorOf(window->fpsLabel));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->statusPosLabel->x() < window->fpsLabel->x());
}

void TestMainWindowStart::menuOrderAndTitles()
{
    const QStringList expectedNames = {"menuFile", "menuDevice", "menuTools", "menuZoom", "menuLanguage", "menuHelp"};
    const QStringList expectedTitles = {"File", "Device", "Tools", "Zoom", "Language", "Help"};
    QStringList names, titles;
    for (QAction *action : window->menuBar()->actions()) {
        QVERIFY(action->menu());
        names << action->menu()->objectName();
        titles << action->text();
    }
    QCOMPARE(names, expectedNames);
    QCOMPARE(titles, expectedTitles);
    QVERIFY(!window->findChild<QMenu *>("menuZoom")->isEnabled());
    for (const char *name : {"menuFile", "menuDevice", "menuTools", "menuLanguage", "menuHelp"})
        QVERIFY2(window->findChild<QMenu *>(name)->isEnabled(), qPrintable(name));
}

void TestMainWindowStart::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries"); // object names, "-" for a separator

    QTest::newRow("File") << "menuFile" << QStringList{"actionSave_As", "-", "actionExit"};
    QTest::newRow("Device") << "menuDevice" << QStringList{"actionConnect"};
    QTest::newRow("Tools") << "menuTools"
                           << QStringList{"actionDisplay_Template", "-", "actionMono_Style", "actionStretch", "-",
                                          "actionAstronomical_Refraction", "actionManual_Trace", "actionPlay_Audio",
                                          "actionFavorite"};
    QTest::newRow("Zoom") << "menuZoom" << QStringList{"action100", "action75", "action50"};
    QTest::newRow("Language") << "menuLanguage"
                              << QStringList{"actionEnglish", "actionChinese", "actionJapanese", "actionRussian",
                                             "actionFrench", "actionGerman", "actionSpanish", "actionPortuguese",
                                             "actionItalian", "actionKorean"};
    QTest::newRow("Help") << "menuHelp" << QStringList{"actionOrvanta_Manual", "-", "actionAbout"};
}

void TestMainWindowStart::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    auto *m = window->findChild<QMenu *>(menu);
    QVERIFY(m);
    QStringList actual;
    for (QAction *action : m->actions())
        actual << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(actual, entries);
    for (QAction *action : m->actions())
        QVERIFY(action->isSeparator() || action->parent() == window.get());
}

void TestMainWindowStart::actionStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("checked");

    auto row = [](const char *name, const QString &text, bool checkable, bool enabled, bool visible, bool checked) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << checkable << enabled << visible << checked;
    };
    row("actionSave_As", "Save As...", false, false, true, false);
    row("actionExit", "Exit", false, true, true, false);
    row("actionConnect", "Connect", false, true, true, false);
    row("actionDisplay_Template", "Display Template", true, false, false, false);
    row("actionMono_Style", "Mono Style", true, true, true, false);
    row("actionStretch", "Stretch", true, false, false, false); // hidden actions report disabled
    row("actionAstronomical_Refraction", "Astronomical Refraction", false, false, true, false);
    row("actionManual_Trace", "Manual Trace", false, false, true, false);
    row("actionPlay_Audio", "Unfreeze", true, true, true, false);
    row("actionFavorite", "Favorite", true, false, false, false);
    row("action100", "100%", true, true, true, true);
    row("action75", "75%", true, true, true, false);
    row("action50", "50%", true, true, true, false);
    row("actionEnglish", "English", true, true, true, true);
    row("actionChinese", QString::fromUtf8("简体中文"), true, true, true, false);
    row("actionJapanese", QString::fromUtf8("日本語"), true, true, true, false);
    row("actionRussian", QString::fromUtf8("русский"), true, true, true, false);
    row("actionFrench", QString::fromUtf8("français"), true, true, true, false);
    row("actionGerman", "Deutsch", true, true, true, false);
    row("actionSpanish", QString::fromUtf8("Español"), true, true, true, false);
    row("actionPortuguese", QString::fromUtf8("português"), true, true, true, false);
    row("actionItalian", "italiano", true, true, true, false);
    row("actionKorean", QString::fromUtf8("한국어"), true, true, true, false);
    row("actionOrvanta_Manual", "Orvanta Manual", false, true, true, false);
    row("actionAbout", "About", false, true, true, false);
}

void TestMainWindowStart::actionStates()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, checkable);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(bool, checked);
    auto *action = window->findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isVisible(), visible);
    QCOMPARE(action->isChecked(), checked);
}

void TestMainWindowStart::exclusiveGroups()
{
    QVERIFY(window->zoomGroup->isExclusive());
    QCOMPARE(window->zoomGroup->parent(), window->findChild<QMenu *>("menuZoom"));
    QCOMPARE(window->zoomGroup->actions().size(), 3);
    QCOMPARE(window->zoomGroup->checkedAction()->objectName(), QStringLiteral("action100"));

    QVERIFY(window->languageGroup->isExclusive());
    QCOMPARE(window->languageGroup->parent(), window->findChild<QMenu *>("menuLanguage"));
    QStringList order;
    for (QAction *action : window->languageGroup->actions())
        order << action->objectName();
    QCOMPARE(order, (QStringList{"actionEnglish", "actionChinese", "actionJapanese", "actionRussian", "actionFrench",
                                 "actionGerman", "actionSpanish", "actionPortuguese", "actionItalian",
                                 "actionKorean"}));
    QCOMPARE(window->languageGroup->checkedAction()->objectName(), QStringLiteral("actionEnglish"));

    // Checking another entry unchecks the previous one.
    window->findChild<QAction *>("action50")->setChecked(true);
    QVERIFY(!window->findChild<QAction *>("action100")->isChecked());
    QCOMPARE(window->zoomGroup->checkedAction()->objectName(), QStringLiteral("action50"));
    window->findChild<QAction *>("actionGerman")->setChecked(true);
    QVERIFY(!window->findChild<QAction *>("actionEnglish")->isChecked());
}

void TestMainWindowStart::panelGroupsCollapsed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("title");
    QTest::newRow("region") << "grpBox_region" << "pushButton_head_region" << "widget_region" << "Region Selection";
    QTest::newRow("setting") << "groupBox_setting" << "pushButton_head_setting" << "widget_setting"
                             << "Orvanta Setting";
    QTest::newRow("confirm") << "groupBox_confirm" << "pushButton_head_confirm" << "widget_confirm"
                             << QString::fromUtf8("Confirm Polaris/σ Oct");
    QTest::newRow("rough") << "groupBox_rough" << "pushButton_head_rough" << "widget_rough" << "Rough Pole";
    QTest::newRow("precise") << "groupBox_precise" << "pushButton_head_precise" << "widget_precise"
                             << "Precise Pole";
}

void TestMainWindowStart::panelGroupsCollapsed()
{
    QFETCH(QString, box);
    QFETCH(QString, head);
    QFETCH(QString, body);
    QFETCH(QString, title);
    window->show();
    auto *group = window->findChild<QGroupBox *>(box);
    auto *button = window->findChild<QPushButton *>(head);
    auto *content = window->findChild<QWidget *>(body);
    QVERIFY(group && button && content);
    QCOMPARE(button->parentWidget(), group);
    QCOMPARE(content->parentWidget(), group);
    QCOMPARE(button->text(), title);
    QVERIFY(button->isCheckable());
    QVERIFY(!button->isChecked());
    QVERIFY(!button->isEnabled());
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
    QVERIFY(content->isHidden());
    QVERIFY(group->isVisible());
    QCOMPARE(button->iconSize(), QSize(16, 16));
    QCOMPARE(button->font().family(), QStringLiteral("Tahoma"));
    QVERIFY(button->font().bold());
    QCOMPARE(content->font().pointSize(), 10);
}

void TestMainWindowStart::formStartValues()
{
    struct Control
    {
        const char *slider;
        const char *edit;
        int min, max, page, value;
        const char *text;
    };
    const Control controls[] = {
        {"sliderExpose", "lineEditExpose", 1, 500, 10, 50, "50"},
        {"sliderGain", "lineEditGain", 1, 100, 10, 50, "50"},
        {"sliderTraffic", "lineEditTraffic", 0, 255, 10, 30, "30"},
        {"sliderSpeed", "lineEditSpeed", 0, 2, 1, 0, "0"},
    };
    for (const Control &c : controls) {
        auto *slider = window->findChild<QSlider *>(c.slider);
        auto *edit = window->findChild<QLineEdit *>(c.edit);
        QVERIFY2(slider && edit, c.slider);
        QCOMPARE(slider->minimum(), c.min);
        QCOMPARE(slider->maximum(), c.max);
        QCOMPARE(slider->pageStep(), c.page);
        QCOMPARE(slider->value(), c.value);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(edit->text(), QString::fromLatin1(c.text));
        QCOMPARE(edit->minimumWidth(), 36);
        QCOMPARE(edit->maximumWidth(), 36);
    }
    for (const char *name : {"horizontalSlider_confirm_match", "horizontalSlider_rough_match"}) {
        auto *slider = window->findChild<QSlider *>(name);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 360);
        QCOMPARE(slider->value(), 0);
    }
    QVERIFY(window->findChild<QRadioButton *>("radioButton_north")->isChecked());
    QVERIFY(!window->findChild<QRadioButton *>("radioButton_south")->isChecked());

    const QList<QPair<const char *, QString>> texts = {
        {"label_exp", "Exp(ms)"}, {"label_gain", "Gain"}, {"label", "Traffic"}, {"labelSpeed", "Speed"},
        {"label_rough_tip", "Chose the same star every times"}, {"label_starPos1", "Star Pos 1"},
        {"label_starPos3", "Star Pos 3"}, {"label_rough_axis", "Axis:"}, {"label_precise_axis", "Axis:"},
        {"label_axisPos", "(0,0)"}, {"label_curPos", "(0,0)"}, {"label_eptPos", "(0,0)"},
        {"label_refStarA_pos", "(0,0)"}, {"label_refStarB_pos", "(0,0)"}, {"label_pole", "(0,0)"},
        {"label_current", QString::fromUtf8("Current Polaris/σ Oct")},
        {"label_expected", QString::fromUtf8("Expected Polaris/σ Oct")}, {"label_precise_pole", "Pole:"},
        {"label_biggerImg", "roiBigger_image"}, {"label_refStarA_position", "Position:"},
        {"label_templateImg", "template_image"}, {"label_starPos2_icon", QString()},
        {"label_precise_poleIcon", QString()},
    };
    for (const auto &t : texts) {
        auto *label = window->findChild<QLabel *>(t.first);
        QVERIFY2(label, t.first);
        QCOMPARE(label->text(), t.second);
    }
    QCOMPARE(window->findChild<QGroupBox *>("groupBox_monitor")->title(), QStringLiteral("Monitor Pole"));
    QCOMPARE(window->findChild<QGroupBox *>("groupBox_refStarB")->title(), QStringLiteral("Reference Star B"));
    QCOMPARE(window->findChild<QGroupBox *>("groupBox_rough_match")->title(), QStringLiteral("Matching Template"));
    QCOMPARE(window->findChild<QPushButton *>("pushButton_monitor")->text(), QStringLiteral("Start Monitor"));

    // Colour style at a first start: colour icons and dark lamps.
    for (const char *name : {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon",
                             "label_precise_poleIcon", "label_precise_axisIcon"}) {
        auto *label = window->findChild<QLabel *>(name);
        QVERIFY2(!label->pixmap(Qt::ReturnByValue).isNull(), name);
    }
    const QImage lamp = window->findChild<QLabel *>("label_starPos1_icon")->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(lamp, QImage(":/images/lightoff_color.png").convertToFormat(lamp.format()));
    const QImage pole = window->findChild<QLabel *>("label_precise_poleIcon")->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(pole, QImage(":/images/pole_color.png").convertToFormat(pole.format()));
}

void TestMainWindowStart::overlaysAndTipPanel()
{
    window->show();
    auto *imageArea = window->findChild<QScrollArea *>("scrollArea_showImg");
    auto *imageLabel = window->findChild<QLabel *>("label_showImg");
    QVERIFY(imageArea && imageLabel);

    QCOMPARE(window->magnifier->parentWidget(), imageArea);
    QCOMPARE(window->magnifier->viewSize(), QSize(150, 150));
    QCOMPARE(window->magnifier->magnificationFactor(), 5.0f);
    QVERIFY(window->magnifier->isVisible());

    QCOMPARE(window->directionArrow->parentWidget(), imageArea);
    QCOMPARE(window->directionArrow->geometry(), QRect(0, 130, 238, 171));
    QVERIFY(window->directionArrow->isHidden());
    QVERIFY(window->directionArrow->testAttribute(Qt::WA_TransparentForMouseEvents));

    QVERIFY(window->tabWidget_tipMsg);
    QCOMPARE(window->tabWidget_tipMsg->parentWidget(), imageArea);
    QCOMPARE(window->tabWidget_tipMsg->objectName(), QStringLiteral("tabWidget_tipMsg"));
    QVERIFY(window->tabWidget_tipMsg->isHidden());

    auto *templ = window->findChild<QLabel *>("label_templateImg");
    QVERIFY(templ->isHidden());
    QVERIFY(templ->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(templ->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    // The live image sits at the top left of its own layout, filtered by the window.
    QCOMPARE(window->imageLayout->parentWidget(), window->findChild<QWidget *>("scrollAreaWidgetContents_showImg"));
    QCOMPARE(window->imageLayout->indexOf(imageLabel), 0);
    QCOMPARE(window->imageLayout->spacing(), 0);
    QCOMPARE(window->imageLayout->contentsMargins(), QMargins());
    QCOMPARE(imageLabel->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(imageLabel->hasMouseTracking());
    QCOMPARE(window->blankMagnifierImage.size(), QSize(1280, 960));
    QCOMPARE(window->blankMagnifierImage.format(), QImage::Format_ARGB32);
    QCOMPARE(window->northMask.size(), QSize(800, 800));
    QCOMPARE(window->southMask.size(), QSize(800, 674));
}

void TestMainWindowStart::timers()
{
    QVERIFY(window->displayTimer->isActive());
    QCOMPARE(window->displayTimer->interval(), 20);
    QVERIFY(window->fpsTimer->isActive());
    QCOMPARE(window->fpsTimer->interval(), 500);
    QVERIFY(window->angleTimer->isActive());
    QCOMPARE(window->angleTimer->interval(), 100);
    QVERIFY(!window->glowTimer->isActive());
    QCOMPARE(window->glowTimer->interval(), 500);
    QVERIFY(!window->captureThread->isRunning());
    QVERIFY(!window->captureThread->parent());
}

void TestMainWindowStart::sliderGlows()
{
    const QList<QPair<QGraphicsDropShadowEffect *, const char *>> glows = {
        {window->confirmSliderGlow, "horizontalSlider_confirm_match"},
        {window->roughSliderGlow, "horizontalSlider_rough_match"},
    };
    for (const auto &glow : glows) {
        QVERIFY(glow.first);
        QCOMPARE(window->findChild<QSlider *>(glow.second)->graphicsEffect(), glow.first);
        QCOMPARE(glow.first->blurRadius(), 20.0);
        QCOMPARE(glow.first->offset(), QPointF(0, 0));
        QCOMPARE(glow.first->color(), QColor(224, 134, 26, 255));
        QVERIFY(!glow.first->isEnabled());
    }
}

void TestMainWindowStart::startState()
{
    QCOMPARE(window->language, QStringLiteral("EN"));
    QCOMPARE(window->region, QStringLiteral("North"));
    QCOMPARE(window->zoomFactor, 1.0f);
    QCOMPARE(window->pickPos, QPoint(640, 480));
    QCOMPARE(window->pickFramePos, QPointF(640.0, 480.0));
    QCOMPARE(window->templateAngle, 0);
    // Both hemispheres wait in step 1 behind the step-0 display, with no live flag set.
    QCOMPARE(window->currentStep, 1);
    QVERIFY(window->tabWidget_tipMsg->isHidden());
    const LiveView live = liveViewState.snapshot();
    QVERIFY(!live.showAxisCenter && !live.showStarCircle && !live.showExpectedPole);
    QVERIFY(!live.showStarAMark && !live.showStarBMark && !live.monitorPole);
    QVERIFY(window->shownFrame.isNull());
    QVERIFY(window->shownZoom.isNull());

    QCOMPARE(cameraState.exposureTime, 20000.0);
    QCOMPARE(cameraState.gain, 1.0);
    QCOMPARE(cameraState.usbTraffic, 30.0);
    QCOMPARE(cameraState.usbSpeed, 0.0);
    QCOMPARE(cameraState.frameWidth.load(), 1280);
    QCOMPARE(cameraState.frameHeight.load(), 960);
    QCOMPARE(cameraState.bitsMode, 8);
    QCOMPARE(int(cameraState.streamMode), 1);
    QVERIFY(!cameraState.cameraConnected);
    // The simulated library starts fine, so the camera may be used.
    QVERIFY(cameraState.cameraLibraryReady);
}

void TestMainWindowStart::lineEditsTakeDigitsOnly()
{
    const QValidator *shared = window->findChild<QLineEdit *>("lineEditExpose")->validator();
    QVERIFY(shared);
    for (const char *name : {"lineEditGain", "lineEditTraffic", "lineEditSpeed"})
        QCOMPARE(window->findChild<QLineEdit *>(name)->validator(), shared);
    auto *edit = window->findChild<QLineEdit *>("lineEditGain");
    edit->clear();
    QTest::keyClicks(edit, "4a-2.5");
    QCOMPARE(edit->text(), QStringLiteral("425"));
}

void TestMainWindowStart::leftPanelKeepsItsWidth()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *panel = window->findChild<QScrollArea *>("scrollArea_manager");
    auto *image = window->findChild<QScrollArea *>("scrollArea_showImg");
    const int panelWidth = panel->width();
    const int imageWidth = image->width();
    QVERIFY2(panelWidth >= 220, qPrintable(QString::number(panelWidth)));
    QVERIFY(panel->x() < image->x());

    window->resize(1280, 800);
    QTRY_COMPARE(window->width(), 1280);
    QCoreApplication::processEvents();
    QCOMPARE(panel->width(), panelWidth);
    QCOMPARE(image->width(), imageWidth + 320);
}

void TestMainWindowStart::resetUiOrder()
{
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    QCoreApplication::processEvents();
    recorder.contexts.clear();
    emit window->resetUI();
    QCoreApplication::removeTranslator(&recorder);

    QStringList firstSeen;
    for (const QString &context : recorder.contexts)
        if (!firstSeen.contains(context))
            firstSeen << context;
    QCOMPARE(firstSeen, (QStringList{"AboutDialog", "AstroRefractionDialog", "PoleTrackingDialog", "MainWindow"}));
    // The window re-texts last: nothing of a dialog after it.
    QCOMPARE(recorder.contexts.last(), QStringLiteral("MainWindow"));
}

void TestMainWindowStart::unfreezeLoopsSilently()
{
    QCOMPARE(window->mediaPlayer->volume(), 0);
    QCOMPARE(window->mediaPlayer->playlist(), window->playlist);
    QCOMPARE(window->playlist->mediaCount(), 1);
    QCOMPARE(window->playlist->media(0).request().url(), QUrl("qrc:/audio/audio.mp3"));
    QCOMPARE(window->playlist->playbackMode(), QMediaPlaylist::CurrentItemInLoop);

    auto *unfreeze = window->findChild<QAction *>("actionPlay_Audio");
    unfreeze->trigger();
    QVERIFY(unfreeze->isChecked());
    QTRY_COMPARE(window->mediaPlayer->state(), QMediaPlayer::PlayingState);
    QCOMPARE(window->mediaPlayer->volume(), 0);
    unfreeze->trigger();
    QVERIFY(!unfreeze->isChecked());
    QTRY_COMPARE(window->mediaPlayer->state(), QMediaPlayer::StoppedState);
}

void TestMainWindowStart::saveAsNeedsCamera()
{
    window->shownFrame = QImage(8, 6, QImage::Format_RGB32);
    BoxAnswerer answerer;
    window->findChild<QAction *>("actionSave_As")->setEnabled(true);
    window->findChild<QAction *>("actionSave_As")->trigger();
    QTest::qWait(120);
    QVERIFY2(answerer.boxes.isEmpty(), "no dialog while no camera is connected");
}

void TestMainWindowStart::saveShownFrame_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << "shot.png" << QByteArray("png");
    QTest::newRow("jpeg") << "shot.jpg" << QByteArray("jpeg");
    QTest::newRow("bmp") << "shot.bmp" << QByteArray("bmp");
}

void TestMainWindowStart::saveShownFrame()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    window->shownFrame = QImage(64, 48, QImage::Format_RGB32);
    window->shownFrame.fill(QColor(10, 200, 30));
    const QString path = dir.filePath(fileName);
    QVERIFY(window->saveShownFrame(path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), QSize(64, 48));
}

void TestMainWindowStart::saveFailureIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    window->shownFrame = QImage(64, 48, QImage::Format_RGB32);
    BoxAnswerer answerer;
    const QString path = dir.filePath("missing/folder/shot.png");
    QVERIFY(!window->saveShownFrame(path));
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Warn")});
    QVERIFY2(answerer.boxes[0].text.contains(path), qPrintable(answerer.boxes[0].text));
    QVERIFY(!QFile::exists(path));
}

void TestMainWindowStart::exitClosesWindow()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->findChild<QAction *>("actionExit")->trigger();
    QVERIFY(!window->isVisible());
}

// With ORVANTA_RENDER_DIR set, writes the window (collapsed and with every group
// open) under the application style sheet, for a look by eye.
void TestMainWindowStart::renderForReview()
{
    const QString outDir = qEnvironmentVariable("ORVANTA_RENDER_DIR");
    if (outDir.isEmpty())
        QSKIP("set ORVANTA_RENDER_DIR to render the window");
    QFile qss(":/qss/default.qss");
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
    window.reset(new MainWindow(nullptr));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(100);
    QVERIFY(window->grab().save(QDir(outDir).filePath("mainwindow_start.png")));
    for (const char *name : {"widget_region", "widget_setting", "widget_confirm", "widget_rough", "widget_precise"})
        window->findChild<QWidget *>(name)->show();
    window->resize(960, 1400);
    QTest::qWait(100);
    QVERIFY(window->grab().save(QDir(outDir).filePath("mainwindow_open.png")));
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestMainWindowStart)
#include "test_mainwindow_start.moc"
