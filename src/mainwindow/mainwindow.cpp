#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/astrorefractiondialog.h"
#include "dialogs/favoritedialog.h"
#include "dialogs/poletrackingdialog.h"
#include "dialogs/refractionvalues.h"
#include "widgets/magnifierwidget.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMessageBox>
#include <QPixmap>
#include <QRegExp>
#include <QRegExpValidator>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

namespace {

const QColor kColorGlow(224, 134, 26, 255);

QGraphicsDropShadowEffect *makeSliderGlow(QWidget *slider)
{
    auto *glow = new QGraphicsDropShadowEffect(slider);
    glow->setBlurRadius(20);
    glow->setOffset(0, 0);
    glow->setColor(kColorGlow);
    glow->setEnabled(false);
    slider->setGraphicsEffect(glow);
    return glow;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), pickPos(0, 0), pickFramePos(0.0, 0.0)
{
    ui->setupUi(this);

    blankMagnifierImage = QImage(1280, 960, QImage::Format_ARGB32);
    blankMagnifierImage.fill(Qt::black);
    magnifier = new MagnifierWidget(150, 150, ui->scrollArea_showImg);
    magnifier->setMagnification(5);
    magnifier->setPixmap(QPixmap::fromImage(blankMagnifierImage));
    magnifier->update();

    directionArrow = new QLabel(ui->scrollArea_showImg);
    directionArrow->setGeometry(QRect(QPoint(0, 130), QPoint(237, 300)));
    directionArrow->setPixmap(QPixmap(QStringLiteral(":/images/direction.png")));
    directionArrow->setAttribute(Qt::WA_TransparentForMouseEvents);

    northMask.load(QStringLiteral(":/images/north_mask.png"));
    southMask.load(QStringLiteral(":/images/south_mask.png"));

    confirmSliderGlow = makeSliderGlow(ui->horizontalSlider_confirm_match);
    roughSliderGlow = makeSliderGlow(ui->horizontalSlider_rough_match);

    createTipPanel();

    zoomGroup = new QActionGroup(ui->menuZoom);
    zoomGroup->addAction(ui->action100);
    zoomGroup->addAction(ui->action75);
    zoomGroup->addAction(ui->action50);
    zoomGroup->setExclusive(true);
    ui->action100->setChecked(true);

    languageGroup = new QActionGroup(ui->menuLanguage);
    for (QAction *action : {ui->actionEnglish, ui->actionChinese, ui->actionJapanese, ui->actionRussian,
                            ui->actionFrench, ui->actionGerman, ui->actionSpanish, ui->actionPortuguese,
                            ui->actionItalian, ui->actionKorean})
        languageGroup->addAction(action);
    languageGroup->setExclusive(true);
    ui->actionEnglish->setChecked(true);

    statusPosLabel = new QLabel(this);
    statusPosLabel->setFrameStyle(QFrame::NoFrame);
    statusPosLabel->setFixedSize(85, 18);
    fpsLabel = new QLabel(this);
    fpsLabel->setFrameStyle(QFrame::NoFrame);
    fpsLabel->setFixedSize(85, 18);
    fpsLabel->setText(QStringLiteral("FPS : 0.0"));
    ui->statusBar->addWidget(statusPosLabel);
    ui->statusBar->addWidget(fpsLabel);

    imageLayout = new QGridLayout();
    imageLayout->addWidget(ui->label_showImg);
    imageLayout->setSpacing(0);
    imageLayout->setContentsMargins(0, 0, 0, 0);
    imageLayout->setAlignment(ui->label_showImg, Qt::AlignLeft | Qt::AlignTop);
    ui->scrollAreaWidgetContents_showImg->setLayout(imageLayout);

    ui->label_showImg->installEventFilter(this);

    ui->label_showImg->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->label_templateImg->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->label_templateImg->setAttribute(Qt::WA_TransparentForMouseEvents);

    aboutDialog = new AboutDialog(this);
    refractionDialog = new AstroRefractionDialog(this);
    trackingDialog = new PoleTrackingDialog(this);
    favoriteDialog = new FavoriteDialog(this);
    translator = new QTranslator(this);
    captureThread = new CaptureThread();

    // The dialogs re-text before the window, in this order.
    connect(this, &MainWindow::changeLanguage, this, &MainWindow::languageChanged);
    connect(this, &MainWindow::resetUI, aboutDialog, &AboutDialog::uiReset);
    connect(this, &MainWindow::resetUI, refractionDialog, &AstroRefractionDialog::uiReset);
    connect(this, &MainWindow::resetUI, trackingDialog, &PoleTrackingDialog::uiReset);
    connect(this, &MainWindow::resetUI, this, &MainWindow::uiReset);
    connect(this, &MainWindow::initAstroRefraction, refractionDialog, &AstroRefractionDialog::initValues);
    connect(trackingDialog, &PoleTrackingDialog::trackPole, this, &MainWindow::poleTracking);

    displayTimer = new QTimer(this);
    connect(displayTimer, &QTimer::timeout, this, &MainWindow::showImages);
    displayTimer->start(20);
    fpsTimer = new QTimer(this);
    connect(fpsTimer, &QTimer::timeout, this, &MainWindow::updateFPS);
    fpsTimer->start(500);
    angleTimer = new QTimer(this);
    connect(angleTimer, &QTimer::timeout, this, &MainWindow::increaseAngleTimeout);
    angleTimer->start(100);
    glowTimer = new QTimer(this);
    glowTimer->setInterval(500);
    connect(glowTimer, &QTimer::timeout, this, &MainWindow::graphicsEffectTimeout);

    // The capture thread's working images are made once, in its constructor, and
    // only the source region of the enlarged view is ever computed.

    captureThread->resetFrameRate();
    currentStep = 0;
    templateAngle = 0;
    cameraState.usbSpeed = 0.0;
    cameraState.usbTraffic = 30.0;
    cameraState.roiStartX = 0;
    cameraState.roiStartY = 0;
    cameraState.frameWidth = 1280;
    cameraState.frameHeight = 960;
    cameraState.binX = 1;
    cameraState.binY = 1;
    cameraState.bitsMode = 8;
    cameraState.streamMode = 1;
    cameraState.exposureTime = 20000.0;
    cameraState.gain = 1.0;
    cameraState.cameraLibraryReady = false;
    cameraState.cameraConnected = false;

    loadStarsData();
    calcMaskPoles();

    if (!readSettings()) {
        liveViewState.set(&LiveView::style, QStringLiteral("Color"));
        language = QStringLiteral("EN");
        region = QStringLiteral("North");
        zoomFactor = 1.0f;
        setRefractionValues(RefractionValues());
        liveViewState.set(&LiveView::axisCenter, QPointF(0.0, 0.0));
    }

    pickPos = QPoint(static_cast<int>(640 * zoomFactor), static_cast<int>(480 * zoomFactor));
    pickFramePos = QPointF(640.0, 480.0);

    useRegionTemplate();
    if (region == QLatin1String("North")) {
        ui->radioButton_north->setChecked(true);
        // The form already has north checked, so no toggled signal comes; run the slot
        // anyway so both hemispheres start alike: step 1 waiting behind the step-0 display.
        on_radioButton_north_toggled(true);
    } else {
        ui->radioButton_south->setChecked(true);
    }

    showTemplateImage(zoomFactor, region);

    // Only the exact "Mono" is mono; any other stored text keeps its value and the colour look.
    const bool mono = liveViewState.get(&LiveView::style) == QLatin1String("Mono");
    ui->actionMono_Style->setChecked(mono);
    applyStyleLook(mono);
    const QPixmap off(mono ? QStringLiteral(":/images/lightoff_mono.png")
                           : QStringLiteral(":/images/lightoff_color.png"));
    ui->label_starPos1_icon->setPixmap(off);
    ui->label_starPos2_icon->setPixmap(off);
    ui->label_starPos3_icon->setPixmap(off);

    // Exact comparisons: a stored 0.6 keeps 100% checked.
    if (zoomFactor == 0.5f)
        ui->action50->setChecked(true);
    else if (zoomFactor == 0.75f)
        ui->action75->setChecked(true);
    else
        ui->action100->setChecked(true);

    scaleDirectionArrow(zoomFactor);

    emit initAstroRefraction();

    // Codes match case-sensitively; anything else is English.
    if (language == QLatin1String("ZH"))
        ui->actionChinese->setChecked(true);
    else if (language == QLatin1String("JA"))
        ui->actionJapanese->setChecked(true);
    else if (language == QLatin1String("DE"))
        ui->actionGerman->setChecked(true);
    else if (language == QLatin1String("ES"))
        ui->actionSpanish->setChecked(true);
    else if (language == QLatin1String("FR"))
        ui->actionFrench->setChecked(true);
    else if (language == QLatin1String("IT"))
        ui->actionItalian->setChecked(true);
    else if (language == QLatin1String("RU"))
        ui->actionRussian->setChecked(true);
    else if (language == QLatin1String("PT"))
        ui->actionPortuguese->setChecked(true);
    else if (language == QLatin1String("KO"))
        ui->actionKorean->setChecked(true);
    else
        ui->actionEnglish->setChecked(true);

    emit changeLanguage();

    ui->label_templateImg->hide();
    directionArrow->hide();
    if (tabWidget_tipMsg)
        tabWidget_tipMsg->hide();

    ui->actionSave_As->setEnabled(false);
    ui->actionDisplay_Template->setEnabled(false);
    ui->actionAstronomical_Refraction->setEnabled(false);
    ui->actionManual_Trace->setEnabled(false);
    ui->menuZoom->setEnabled(false);
    ui->actionStretch->setVisible(false);
    ui->actionDisplay_Template->setVisible(false);
    ui->actionFavorite->setVisible(false);

    const QList<QPair<QPushButton *, QWidget *>> groups = {
        {ui->pushButton_head_region, ui->widget_region},
        {ui->pushButton_head_setting, ui->widget_setting},
        {ui->pushButton_head_confirm, ui->widget_confirm},
        {ui->pushButton_head_rough, ui->widget_rough},
        {ui->pushButton_head_precise, ui->widget_precise},
    };
    for (const auto &group : groups) {
        group.first->setChecked(false);
        group.first->setEnabled(false);
        group.second->hide();
    }

    auto *digits = new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+$")), this);
    ui->lineEditExpose->setValidator(digits);
    ui->lineEditGain->setValidator(digits);
    ui->lineEditTraffic->setValidator(digits);
    ui->lineEditSpeed->setValidator(digits);

    mediaPlayer = new QMediaPlayer(this);
    playlist = new QMediaPlaylist(this);
    playlist->addMedia(QUrl(QStringLiteral("qrc:/audio/audio.mp3")));
    playlist->setPlaybackMode(QMediaPlaylist::CurrentItemInLoop);
    mediaPlayer->setPlaylist(playlist);
    mediaPlayer->setVolume(0);

    if (InitTAVRINResource() == 0) {
        cameraState.cameraLibraryReady = true;
    } else {
        qCritical("InitTAVRINResource: failed");
        cameraState.cameraLibraryReady = false;
    }
}

MainWindow::~MainWindow()
{
    // The close handling only asks the thread to stop; it must have left its
    // run loop before the object and the camera buffers go away.
    if (captureThread && captureThread->isRunning()) {
        captureThread->stopCapture();
        captureThread->wait();
    }

    for (QObject *later : std::initializer_list<QObject *>{glowTimer, angleTimer, displayTimer, aboutDialog,
                                                           refractionDialog, trackingDialog, favoriteDialog,
                                                           translator}) {
        if (later)
            later->deleteLater();
    }
    glowTimer = angleTimer = displayTimer = nullptr;
    aboutDialog = nullptr;
    refractionDialog = nullptr;
    trackingDialog = nullptr;
    favoriteDialog = nullptr;
    translator = nullptr;

    delete captureThread;
    captureThread = nullptr;
    delete imageLayout;
    imageLayout = nullptr;

    for (QObject *later : std::initializer_list<QObject *>{statusPosLabel, languageGroup, zoomGroup}) {
        if (later)
            later->deleteLater();
    }
    statusPosLabel = nullptr;
    languageGroup = zoomGroup = nullptr;

    delete roughSliderGlow;
    roughSliderGlow = nullptr;
    delete confirmSliderGlow;
    confirmSliderGlow = nullptr;
    southMask = QImage();
    northMask = QImage();

    for (QObject *later : std::initializer_list<QObject *>{directionArrow, magnifier, mediaPlayer, playlist}) {
        if (later)
            later->deleteLater();
    }
    directionArrow = nullptr;
    magnifier = nullptr;
    mediaPlayer = nullptr;
    playlist = nullptr;

    destroyTipPanel();

    delete ui;
    ui = nullptr;
}

void MainWindow::destroyTipPanel()
{
    if (!tabWidget_tipMsg)
        return;
    while (tabWidget_tipMsg->count() > 0) {
        QWidget *page = tabWidget_tipMsg->widget(0);
        tabWidget_tipMsg->removeTab(0);
        delete page;
    }
    tabWidget_tipMsg->deleteLater();
    tabWidget_tipMsg = nullptr;
}

bool MainWindow::saveShownFrame(const QString &fileName)
{
    if (shownFrame.save(fileName))
        return true;
    QMessageBox::warning(this, tr("Warn"), tr("Can not save the image to %1!").arg(fileName));
    return false;
}

void MainWindow::on_actionSave_As_triggered()
{
    if (!cameraState.cameraConnected)
        return;
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Save"), QString(), tr("Images (*.png *.jpg *.bmp)"));
    if (!fileName.isEmpty())
        saveShownFrame(fileName);
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

// Two template actions have no function yet; their entries are hidden.
void MainWindow::on_actionDisplay_Template_toggled(bool)
{
}

void MainWindow::on_actionStretch_toggled(bool)
{
}

void MainWindow::on_actionAstronomical_Refraction_triggered()
{
    refractionDialog->show();
}

void MainWindow::on_actionManual_Trace_triggered()
{
    trackingDialog->show();
}

void MainWindow::on_actionAbout_triggered()
{
    aboutDialog->show();
}

void MainWindow::on_actionFavorite_triggered()
{
    favoriteDialog->show();
}

// Playback follows the triggered signal, which carries the user's choice.
void MainWindow::on_actionPlay_Audio_toggled(bool)
{
}

void MainWindow::on_actionPlay_Audio_triggered(bool checked)
{
    if (checked)
        mediaPlayer->play();
    else
        mediaPlayer->stop();
}
