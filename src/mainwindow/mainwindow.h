// The program's only top-level window.
//
// The constructor builds the form, creates the long-lived objects (dialogs,
// capture thread, timers; the media player waits for the music), gives the shared live-view and camera
// records their start values, reads the settings file and leaves the window
// disconnected with every panel group collapsed. The work is split by concern:
//   mainwindow.cpp           construction, destruction, menus and simple slots
//   mainwindow_steps.cpp     the alignment step machine and the tip panel
//   mainwindow_events.cpp    the image event filter and the magnifier
//   mainwindow_picks.cpp     the three star picks of the axis centre and their checks
//   mainwindow_template.cpp  the template overlay and its rotation
//   mainwindow_style.cpp     panel appearance: styles, group heads, glow, mark angle
//   mainwindow_camera.cpp    connection, camera controls, window close
//   mainwindow_cameraserver.cpp  the INDI camera server dialog and the field check
//   mainwindow_display.cpp   frame display, frame rate and zoom
//   mainwindow_language.cpp  language switching and the manual link
//   mainwindow_settings.cpp  the settings file
//   mainwindow_stars.cpp     star template data and template poles
//   mainwindow_tracking.cpp  pole tracking after a slew
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "starmath/starmeasure.h"

#include <QDate>
#include <QElapsedTimer>
#include <QDateTime>
#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <functional>

#include "camera/cameraserver.h"
#include "starmath/skyposition.h"

class AboutDialog;
class CameraServerDialog;
class AstroRefractionDialog;
class CaptureThread;
class DocumentViewer;
class FavoriteDialog;
class MagnifierWidget;
class PoleTrackingDialog;
class QActionGroup;
class QCloseEvent;
class QGraphicsDropShadowEffect;
class QGridLayout;
class QLabel;
class QMediaPlayer;
class QMediaPlaylist;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QTranslator;
class QUrl;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Alignment step machine.
    void setStep(int step);
    void setTipsForRegion(QString region);

    // Template overlay.
    void rotateTemplate(int angle);
    void showTemplateImage(float zoom, QString region);
    void scaleDirectionArrow(float zoom);

    // Star template data and the poles marked on the template images.
    void loadStarsData();
    void calcMaskPoles();
    // A region's template image, decoded and marked on first use.
    const QImage &regionMask(bool south);
    // The day whose star data row loadStarsData takes; null means today. Tests fix it
    // to the simulated sky's date so that their outcome does not follow the calendar.
    static QDate starDataDay;

    // The sky of now: the reference stars' apparent places for the site and the
    // clock, handed to the capture thread (the yearly table's angles instead when
    // the user chose it or the computation cannot run). Refreshed by skyTimer while connected.
    void refreshSky();
    // The clock the sky is computed for; empty means the computer's UTC clock.
    static std::function<QDateTime()> skyClock;
    // The polar error as the panel shows it: total, altitude and azimuth with the
    // way to turn each bolt, and which pole is the target.
    static QString polarErrorText(const PolarError &error, bool south, bool trueTarget);
    // While the bolts bring the pole star into its target (step 10): the same figures,
    // from the pole star against the target, the template placing star A.
    void showRoughPolarError();

    // Settings file beside the executable; readSettings is false when there is none.
    bool readSettings();
    void writeSettings();
    // Beside the executable (or in settingsDirOverride, for tests), and the
    // user's configuration folder used when that one cannot be written.
    static QString settingsFilePath();
    static QString fallbackSettingsFilePath();
    static QString settingsDirOverride;

    // The catalogue for a language code (exact match; anything unknown is English).
    static QString cataloguePath(const QString &code);
    // The manual shipped with the program, as a local file; empty when it is missing.
    static QUrl manualUrl();
    // Opens the manual instead of the program's viewer when set (tests).
    static std::function<bool(const QUrl &)> manualOpener;

    // What "Save As..." writes: the picture as shown, or the whole camera frame
    // with or without the marks.
    enum class SavedPicture { Shown, FrameWithMarks, FrameWithoutMarks };
    // Writes the picture to fileName through a temporary file, so a failed write
    // leaves an existing file as it was; a name without an image suffix gets the
    // suffix of nameFilter ("... (*.png)"). A failure is reported to the user.
    // True when written.
    bool savePicture(SavedPicture picture, const QString &fileName, const QString &nameFilter = QString());
    bool saveShownFrame(const QString &fileName) { return savePicture(SavedPicture::Shown, fileName); }

    // How long Disconnect and Exit wait for a camera call to return.
    static int cameraWaitMs;
    // True once the window gave up on a capture thread stuck in the camera library;
    // the program must then end without waiting for it.
    static bool captureAbandoned();

signals:
    void initAstroRefraction();
    void changeLanguage();
    void resetUI();

public slots:
    // Panel group heads.
    void on_pushButton_head_region_toggled(bool checked);
    void on_pushButton_head_setting_toggled(bool checked);
    void on_pushButton_head_confirm_toggled(bool checked);
    void on_pushButton_head_rough_toggled(bool checked);
    void on_pushButton_head_precise_toggled(bool checked);

    // Step machine.
    void pushbuttonSettingDoneClicked();
    void pushbuttonConfirmDoneClicked();
    void pushbuttonRotateStar1ResetClicked();
    void pushbuttonRotateStar1DoneClicked();
    void pushbuttonGetStar2ResetClicked();
    void pushbuttonRotateStar2ResetClicked();
    void pushbuttonRotateStar2DoneClicked();
    void pushbuttonGetStar3ResetClicked();
    void pushbuttonValidateCenterResetClicked();
    void pushbuttonValidateCenterDoneClicked();
    void pushbuttonGetEptPolarisDoneClicked();
    void pushbuttonMovePolarisDoneClicked();
    void pushbuttonGetCurPolarisDoneClicked();
    void pushbuttonFinetunePoleResetClicked();
    void pushbuttonFinetunePoleDoneClicked();
    void on_radioButton_north_toggled(bool checked);
    void on_radioButton_south_toggled(bool checked);
    void on_pushButton_monitor_clicked();
    void uiReset();

    // Display, frame rate and zoom. showImages runs for every queued frame.
    void showImages();
    void updateFPS();
    void on_action100_toggled(bool checked);
    void on_action75_toggled(bool checked);
    void on_action50_toggled(bool checked);

    // Template matching sliders.
    void on_horizontalSlider_confirm_match_valueChanged(int value);
    void on_pushButton_confirm_minus_clicked();
    void on_pushButton_confirm_add_clicked();
    void on_horizontalSlider_rough_match_valueChanged(int value);
    void on_pushButton_rough_minus_clicked();
    void on_pushButton_rough_add_clicked();

    // Pole tracking after a slew.
    void poleTracking(double degree);

    // Languages and the manual.
    void languageChanged();
    void on_actionEnglish_toggled(bool checked);
    void on_actionChinese_toggled(bool checked);
    void on_actionJapanese_toggled(bool checked);
    void on_actionRussian_toggled(bool checked);
    void on_actionFrench_toggled(bool checked);
    void on_actionGerman_toggled(bool checked);
    void on_actionSpanish_toggled(bool checked);
    void on_actionPortuguese_toggled(bool checked);
    void on_actionItalian_toggled(bool checked);
    void on_actionKorean_toggled(bool checked);
    void on_actionOrvanta_Manual_triggered();

    // Camera connection and controls.
    void on_actionConnect_triggered();
    void on_sliderExpose_valueChanged(int value);
    void on_lineEditExpose_returnPressed();
    void on_sliderGain_valueChanged(int value);
    void on_lineEditGain_returnPressed();
    void on_sliderTraffic_valueChanged(int value);
    void on_lineEditTraffic_returnPressed();
    void on_sliderSpeed_valueChanged(int value);
    void on_lineEditSpeed_returnPressed();

    // Panel appearance.
    void on_actionMono_Style_toggled(bool checked);
    void on_actionNight_Style_toggled(bool checked);
    void graphicsEffectTimeout();
    void increaseAngleTimeout();

    // Menus.
    void on_actionSave_As_triggered();
    void on_actionExit_triggered();
    void on_actionDisplay_Template_toggled(bool checked);
    void on_actionStretch_toggled(bool checked);
    void on_actionAstronomical_Refraction_triggered();
    void on_actionManual_Trace_triggered();
    void on_actionAbout_triggered();
    void on_actionFavorite_triggered();
    void on_actionPlay_Audio_toggled(bool checked);
    void on_actionPlay_Audio_triggered(bool checked);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Says why the camera library cannot be used.
    void reportCameraLibrary();
    // Stops the capture thread and waits for it, the window kept alive meanwhile;
    // false when it is still in a camera call after cameraWaitMs.
    bool stopCaptureWithin();
    // Builds tabWidget_tipMsg and its pages over the live image.
    void createTipPanel();
    // Fits the tip panel into the image area's width.
    void layoutTipPanel();
    // Deletes the tip panel's pages now and the panel itself later.
    void destroyTipPanel();

    // Image interaction: position read-out and magnifier, template placing,
    // and the star picks of the double click (label pixels).
    void trackPointer(const QPoint &labelPos);
    void placeTemplate(const QPoint &labelPos);
    void pickStar(const QPoint &labelPos);
    // The rough slider's expected pole-star position.
    void updateExpectedPole();
    // Axis-centre picks (steps 3, 5, 7): a star found by a double click is measured
    // over about a second of frames, then taken.
    void beginPick(const QPointF &star);
    void pickTimeout();
    void finishPick();
    // The centre's quality under the step 8 tip.
    void showAxisQuality();
    // False, after telling the user, when a reference star at a or b could not be
    // followed because it stands too near the frame's edge.
    bool referenceStarsFit(const QPointF &a, const QPointF &b);
    // Makes the region's template the current one and hands its angles to the live view.
    void useRegionTemplate();
    // Angle number boxes beside the match sliders, and arrow-key steps for both.
    void setupAngleControls();
    void focusAngleBox();
    // Star lights for the current step in the current style.
    void restyleStarLights();
    // Slider glows, the precise group's pole and axis icons, and in the night style
    // the night sheet and palette for the whole program and red pictures.
    void applyStyleLook(bool mono);
    void setPanelStyle(const QString &style);
    bool nightStyle() const;
    // A picture as the current style shows it (deep red at night), the same for a
    // picture of the resources, and a label's picture from a resource, shown so
    // again when the style changes.
    QImage styledImage(const QImage &image) const;
    QPixmap styledPixmap(const QString &path) const;
    void setStyledPixmap(QLabel *label, const QString &path);
    // Exposure and gain: shown without echoing to the camera; the hemisphere's saved
    // pair sent to a connected camera; the current pair kept for the hemisphere.
    void showExposureAndGain(int exposureMs, int gain);
    void applySavedExposure();
    void rememberExposure();
    int regionIndex() const { return region == QLatin1String("South") ? 1 : 0; }
    // A language action's toggled slot: stores the code and asks for the change.
    void selectLanguage(bool checked, const char *code);
    // The Device menu's camera server entry, when the camera library takes settings.
    void createCameraServerMenu();
    void openCameraServerDialog();
    // After a connect: tells the user when an INDI camera's field cannot show the templates.
    void checkCameraField();
    // The frame-rate timer runs while connected, the angle timer while the turning
    // target shows on live frames: no wake-ups when nothing changes.
    void updateTimers();
    // The magnifier's black look before the first frame.
    void blankMagnifier();

public:
    Ui::MainWindow *ui = nullptr;

    QActionGroup *zoomGroup = nullptr;
    QActionGroup *languageGroup = nullptr;
    QGridLayout *imageLayout = nullptr;
    QLabel *statusPosLabel = nullptr;
    QLabel *fpsLabel = nullptr;
    QLabel *directionArrow = nullptr;
    QSpinBox *confirmAngleBox = nullptr;
    QSpinBox *roughAngleBox = nullptr;
    MagnifierWidget *magnifier = nullptr;

    // Tip panel: one page per step, only the current one shows.
    QTabWidget *tabWidget_tipMsg = nullptr;
    QWidget *tab_setting = nullptr;
    QLabel *label_setting_tipMsg = nullptr;
    QLabel *label_setting_ask = nullptr;
    QPushButton *pushButton_setting_done = nullptr;
    QWidget *tab_confirm = nullptr;
    QLabel *label_confirm_tipMsg = nullptr;
    QLabel *label_confirm_ask = nullptr;
    QPushButton *pushButton_confirm_done = nullptr;
    QWidget *tab_getStar1 = nullptr;
    QLabel *label_getStar1_tipMsg = nullptr;
    QWidget *tab_rotateStar1 = nullptr;
    QLabel *label_rotateStar1_tipMsg = nullptr;
    QLabel *label_rotateStar1_ask = nullptr;
    QPushButton *pushButton_rotateStar1_reset = nullptr;
    QPushButton *pushButton_rotateStar1_done = nullptr;
    QWidget *tab_getStar2 = nullptr;
    QLabel *label_getStar2_tipMsg = nullptr;
    QPushButton *pushButton_getStar2_reset = nullptr;
    QWidget *tab_rotateStar2 = nullptr;
    QLabel *label_rotateStar2_tipMsg = nullptr;
    QLabel *label_rotateStar2_ask = nullptr;
    QPushButton *pushButton_rotateStar2_reset = nullptr;
    QPushButton *pushButton_rotateStar2_done = nullptr;
    QWidget *tab_getStar3 = nullptr;
    QLabel *label_getStar3_tipMsg = nullptr;
    QPushButton *pushButton_getStar3_reset = nullptr;
    QWidget *tab_validateCenter = nullptr;
    QLabel *label_validateCenter_tipMsg = nullptr;
    QLabel *label_validateCenter_ask = nullptr;
    QPushButton *pushButton_validateCenter_reset = nullptr;
    QPushButton *pushButton_validateCenter_done = nullptr;
    QWidget *tab_getEptPolaris = nullptr;
    QLabel *label_getEptPolaris_tipMsg = nullptr;
    QLabel *label_getEptPolaris_ask = nullptr;
    QPushButton *pushButton_getEptPolaris_done = nullptr;
    QWidget *tab_movePolaris = nullptr;
    QLabel *label_movePolaris_tipMsg = nullptr;
    QLabel *label_movePolaris_ask = nullptr;
    QPushButton *pushButton_movePolaris_done = nullptr;
    QWidget *tab_getCurPolaris = nullptr;
    QLabel *label_getCurPolaris_tipMsg = nullptr;
    QLabel *label_getCurPolaris_ask = nullptr;
    QPushButton *pushButton_getCurPolaris_done = nullptr;
    QWidget *tab_calcPole = nullptr;
    QLabel *label_calcPole_tipMsg = nullptr;
    QWidget *tab_finetunePole = nullptr;
    QLabel *label_finetunePole_tipMsg = nullptr;
    QPushButton *pushButton_finetunePole_reset = nullptr;
    QPushButton *pushButton_finetunePole_done = nullptr;

    AboutDialog *aboutDialog = nullptr;
    AstroRefractionDialog *refractionDialog = nullptr;
    PoleTrackingDialog *trackingDialog = nullptr;
    FavoriteDialog *favoriteDialog = nullptr;
    CameraServerDialog *cameraServerDialog = nullptr;  // made when first opened
    QAction *actionCamera_Server = nullptr;
    DocumentViewer *manualViewer = nullptr;   // made on first use
    CaptureThread *captureThread = nullptr;

    QTimer *angleTimer = nullptr;
    QTimer *glowTimer = nullptr;
    QTimer *fpsTimer = nullptr;
    QTimer *skyTimer = nullptr;

    QMediaPlayer *mediaPlayer = nullptr; // made when the music is first turned on
    QMediaPlaylist *playlist = nullptr;
    QGraphicsDropShadowEffect *confirmSliderGlow = nullptr;
    QGraphicsDropShadowEffect *roughSliderGlow = nullptr;
    QTranslator *translator = nullptr;

    // Alignment state; positions are frame pixels unless said otherwise.
    QPoint pickPos;               // label pixels
    QPointF pickFramePos;
    QPointF starPos1;
    QPointF starPos2;
    QPointF starPos3;
    QPointF circleCenter;
    int circleRadius = 0;
    QPointF poleStarPos;
    QPointF roughPoleStar;        // the pole star as last found in step 10
    qint64 roughErrorTime = 0;    // when the step-10 figures were last computed, ms
    qint64 figuresTime = 0;       // when the monitoring figures were last shown, ms
    QPointF starAHome;
    QPointF starBHome;
    // The axis centre the user last accepted, and when; only this one is stored.
    QPointF savedAxisCenter;
    QDate savedAxisDate;
    // Measuring one pick over frames; 0 ms takes the first frame alone.
    static int pickAverageMs;
    QTimer *pickTimer = nullptr;
    QElapsedTimer pickClock;
    QElapsedTimer sinceLastFrame;
    PointAverage pickAverage;
    QPointF pickFirst;
    QPointF pickLast;
    int pickStep = 0;
    double pickSigma[3] = {0, 0, 0};  // each pick's standard error, pixels
    AxisQuality axisQuality;

    QImage northMask;             // decoded on first use, the other region's let go
    QImage southMask;
    QImage shownFrame;            // last frame shown, saved by "Save As..."
    bool waitingForCamera = false; // inside stopCaptureWithin
    static bool captureAbandonedFlag;
    QImage shownZoom;             // last zoom crop shown

    // Exposure (ms) and gain last used in the north [0] and south [1]; 0 means none yet.
    struct CameraPreset
    {
        int exposureMs = 0;
        int gain = 0;
    };
    CameraPreset cameraPresets[2];

    QString language;             // two-letter code, matched case-sensitively
    QString region;               // "North" or "South"
    float zoomFactor = 1.0f;      // 1.0, 0.75 or 0.5
    CameraServerSettings cameraServer;
    int currentStep = 0;
    int templateAngle = 0;        // degrees, shared by both match sliders

    // The current region's template, in template-image pixels.
    QPointF curMaskA;
    QPointF curMaskB;             // the pole star
    QPointF curMaskPole;
    double curAngleBAP = 0.0;
    double curAngleABP = 0.0;
};

#endif
