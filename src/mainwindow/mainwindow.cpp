#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "camera/tavrinlibrary.h"
#include "capture/capturethread.h"
#include "capture/liveviewstate.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/astrorefractiondialog.h"
#include "dialogs/cameraserverdialog.h"
#include "dialogs/favoritedialog.h"
#include "dialogs/poletrackingdialog.h"
#include "dialogs/refractionvalues.h"
#include "widgets/magnifierwidget.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QMessageBox>
#include <QPixmap>
#include <QRegExp>
#include <QRegularExpression>
#include <QRegExpValidator>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>

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

    magnifier = new MagnifierWidget(150, 150, ui->scrollArea_showImg);
    magnifier->setMagnification(5);
    magnifier->setBackdrop(ui->label_showImg, ui->scrollArea_showImg->viewport());
    blankMagnifier();

    directionArrow = new QLabel(ui->scrollArea_showImg);
    directionArrow->setGeometry(QRect(QPoint(0, 130), QPoint(237, 300)));
    directionArrow->setPixmap(QPixmap(QStringLiteral(":/images/direction.png")));
    directionArrow->setAttribute(Qt::WA_TransparentForMouseEvents);

    confirmSliderGlow = makeSliderGlow(ui->horizontalSlider_confirm_match);
    roughSliderGlow = makeSliderGlow(ui->horizontalSlider_rough_match);
    setupAngleControls();

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

    refractionDialog = new AstroRefractionDialog(this);
    trackingDialog = new PoleTrackingDialog(this);
    favoriteDialog = new FavoriteDialog(this);
    translator = new QTranslator(this);
    captureThread = new CaptureThread();
    createCameraServerMenu();
    // Each frame is shown when it is queued; nothing runs while no frame comes.
    connect(captureThread, &CaptureThread::frameQueued, this, &MainWindow::showImages, Qt::QueuedConnection);

    // The dialogs re-text before the window, in this order.
    connect(this, &MainWindow::changeLanguage, this, &MainWindow::languageChanged);
    connect(this, &MainWindow::resetUI, refractionDialog, &AstroRefractionDialog::uiReset);
    connect(this, &MainWindow::resetUI, trackingDialog, &PoleTrackingDialog::uiReset);
    connect(this, &MainWindow::resetUI, this, &MainWindow::uiReset);
    connect(this, &MainWindow::initAstroRefraction, refractionDialog, &AstroRefractionDialog::initValues);
    connect(trackingDialog, &PoleTrackingDialog::trackPole, this, &MainWindow::poleTracking);

    fpsTimer = new QTimer(this);
    fpsTimer->setInterval(500);
    connect(fpsTimer, &QTimer::timeout, this, &MainWindow::updateFPS);
    angleTimer = new QTimer(this);
    angleTimer->setInterval(100);
    connect(angleTimer, &QTimer::timeout, this, &MainWindow::increaseAngleTimeout);
    skyTimer = new QTimer(this);
    connect(skyTimer, &QTimer::timeout, this, &MainWindow::refreshSky);
    skyTimer->setInterval(10000);
    glowTimer = new QTimer(this);
    glowTimer->setInterval(500);
    connect(glowTimer, &QTimer::timeout, this, &MainWindow::graphicsEffectTimeout);

    // The capture thread makes its working images with the first frame, and only
    // the source region of the enlarged view is ever computed.

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

    // The template stays hidden until a double click places it, which draws it anew.

    // Only the exact "Mono" and "Night" are themselves; any other stored text keeps
    // its value and the colour look.
    auto *styleGroup = new QActionGroup(ui->menuTools);
    styleGroup->addAction(ui->actionMono_Style);
    styleGroup->addAction(ui->actionNight_Style);
    styleGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const QString style = liveViewState.get(&LiveView::style);
    const bool mono = style == QLatin1String("Mono");
    ui->actionMono_Style->setChecked(mono);
    ui->actionNight_Style->setChecked(style == QLatin1String("Night"));
    applyStyleLook(mono);
    const QString off(mono ? QStringLiteral(":/images/lightoff_mono.png")
                           : QStringLiteral(":/images/lightoff_color.png"));
    for (QLabel *light : {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon})
        setStyledPixmap(light, off);

    // Exact comparisons: a stored 0.6 keeps 100% checked.
    if (zoomFactor == 0.5f)
        ui->action50->setChecked(true);
    else if (zoomFactor == 0.75f)
        ui->action75->setChecked(true);
    else
        ui->action100->setChecked(true);

    scaleDirectionArrow(zoomFactor);
    captureThread->setDisplayScale(zoomFactor);

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

    if (!tavrinLib.ensureLoaded()) {
        // Everything but Connect works without it; say so once the window is up.
        qCritical("Camera: %s", qUtf8Printable(tavrinLib.errorText()));
        cameraState.cameraLibraryReady = false;
        QTimer::singleShot(0, this, &MainWindow::reportCameraLibrary);
    } else if (tavrinLib.InitTAVRINResource() == 0) {
        cameraState.cameraLibraryReady = true;
    } else {
        qCritical("InitTAVRINResource: failed");
        cameraState.cameraLibraryReady = false;
    }
}

MainWindow::~MainWindow()
{
    // The thread must have left its run loop before the object goes away. One
    // stuck in a camera call is left to end on its own (and delete itself then).
    if (captureThread && captureThread->isRunning()) {
        captureThread->stopCapture();
        if (!captureThread->wait(captureAbandonedFlag ? 0 : cameraWaitMs)) {
            captureAbandonedFlag = true;
            qCritical("Camera: the capture thread is still in a camera call; left behind");
            connect(captureThread, &QThread::finished, captureThread, &QObject::deleteLater);
            captureThread = nullptr;
        }
    }

    for (QObject *later : std::initializer_list<QObject *>{glowTimer, angleTimer, fpsTimer, aboutDialog,
                                                           refractionDialog, trackingDialog, favoriteDialog,
                                                           translator}) {
        if (later)
            later->deleteLater();
    }
    glowTimer = angleTimer = fpsTimer = nullptr;
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

namespace {

// The suffix a saved picture's name lacks: none when it ends in a type Qt can
// write, else the chosen filter's ("... (*.jpg)" gives jpg), else png.
QString missingSuffix(const QString &fileName, const QString &nameFilter)
{
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return QString();
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("png");
}

} // namespace

void MainWindow::reportCameraLibrary()
{
    QMessageBox::critical(this, tr("Error"),
                          tr("The camera cannot be used: %1.\nOrvanta runs on without a camera.")
                              .arg(tavrinLib.errorText()),
                          QMessageBox::Ok);
}

bool MainWindow::savePicture(SavedPicture picture, const QString &fileName, const QString &nameFilter)
{
    QImage image = shownFrame;
    if (picture == SavedPicture::FrameWithMarks) {
        image = CaptureThread::markedFrame(captureThread->copyGrayFrame(), liveViewState.snapshot());
    } else if (picture == SavedPicture::FrameWithoutMarks) {
        const cv::Mat gray = captureThread->copyGrayFrame();
        image = QImage(gray.data, gray.cols, gray.rows, int(gray.step), QImage::Format_Grayscale8).copy();
    }

    QString path = fileName;
    const QString suffix = missingSuffix(fileName, nameFilter);
    if (!suffix.isEmpty())
        path += QLatin1Char('.') + suffix;

    // Written beside the target and renamed over it only when complete.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        QImageWriter writer(&file, QFileInfo(path).suffix().toLower().toLatin1());
        // After a write error (a full disk) the commit fails and says why.
        if (!writer.write(image) && file.error() == QFileDevice::NoError) {
            reason = writer.errorString();
            file.cancelWriting();
        }
        if (!file.commit() && reason.isEmpty())
            reason = file.errorString();
    }
    if (reason.isEmpty())
        return true;
    qCritical("Save As: cannot write %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
    QMessageBox::warning(this, tr("Warn"), tr("Can not save the image to %1!").arg(path) + QLatin1Char('\n') + reason);
    return false;
}

void MainWindow::on_actionSave_As_triggered()
{
    if (!cameraState.cameraConnected)
        return;
    const QStringList kinds{tr("The picture as shown"), tr("The camera frame with marks"),
                            tr("The camera frame without marks")};
    QStringList filters;
    for (const QString &kind : kinds) {
        for (const char *type : {"png", "jpg", "bmp"})
            filters << QStringLiteral("%1 (*.%2)").arg(kind, QLatin1String(type));
    }
    QString filter = filters.first();
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Save"), QString(), filters.join(QStringLiteral(";;")), &filter);
    if (fileName.isEmpty())
        return;
    const int kind = std::max(0, int(filters.indexOf(filter))) / 3;
    savePicture(SavedPicture(kind), fileName, filter);
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
    // Made when first asked for: a quicker start.
    if (!aboutDialog) {
        aboutDialog = new AboutDialog(this);
        aboutDialog->setNight(nightStyle());
        connect(this, &MainWindow::resetUI, aboutDialog, &AboutDialog::uiReset);
    }
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
    if (!mediaPlayer) {
        if (!checked)
            return;
        // The multimedia back end costs memory and start-up time: made on first use.
        mediaPlayer = new QMediaPlayer(this);
        playlist = new QMediaPlaylist(this);
        playlist->addMedia(QUrl(QStringLiteral("qrc:/audio/audio.mp3")));
        playlist->setPlaybackMode(QMediaPlaylist::CurrentItemInLoop);
        mediaPlayer->setPlaylist(playlist);
        mediaPlayer->setVolume(0);
    }
    if (checked)
        mediaPlayer->play();
    else
        mediaPlayer->stop();
}

void MainWindow::blankMagnifier()
{
    // Black as far as the loupe's cut-out reaches: it looks like a black frame.
    QPixmap black(150 / 5, 150 / 5);
    black.fill(Qt::black);
    magnifier->setPixmap(black);
    magnifier->refreshBackdrop();
    magnifier->update();
}
