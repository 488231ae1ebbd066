// The tip panel over the live image: one page per alignment step, each with a tip,
// and where the step ends on the user's word, a question and one or two answers.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "camera/camerastate.h"
#include "dialogs/cameraserverdialog.h"
#include "widgets/fittext.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

QWidget *addPage(QTabWidget *panel, const char *name, QObject *filter)
{
    auto *page = new QWidget();
    if (name)
        page->setObjectName(QLatin1String(name));
    page->setMouseTracking(true);
    page->installEventFilter(filter);
    panel->addTab(page, QString());
    return page;
}

QLabel *addLabel(QWidget *page, const char *name, const QRect &geometry, bool wrap)
{
    auto *label = new QLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLabel *addTip(QWidget *page, const char *name)
{
    return addLabel(page, name, QRect(5, 0, 460, 70), true);
}

QLabel *addAsk(QWidget *page, const char *name)
{
    return addLabel(page, name, QRect(5, 70, 290, 23), false);
}

template <typename Slot>
QPushButton *addButton(QWidget *page, const char *name, int x, MainWindow *window, Slot slot)
{
    auto *button = new QPushButton(page);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 70, 75, 23);
    button->setProperty("designX", x);
    QObject::connect(button, &QPushButton::clicked, window, slot);
    return button;
}

const int kLeft = 300;
const int kRight = 380;
// The panel's designed place and width over the live image.
const int kPanelX = 163;
const int kPanelWidth = 470;
const int kPanelMinWidth = 200;

// Calls back on every resize of the watched widget.
class ResizeWatcher : public QObject
{
public:
    ResizeWatcher(QObject *parent, std::function<void()> onResize) : QObject(parent), onResize(std::move(onResize)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            onResize();
        return false;
    }

private:
    std::function<void()> onResize;
};

// Question labels, button texts and the tips that name no pole star.
void setFixedTexts(MainWindow *w)
{
    w->label_setting_ask->setText(MainWindow::tr("Is the setup finished?"));
    w->pushButton_setting_done->setText(MainWindow::tr("Setting Finished"));

    w->label_confirm_ask->setText(MainWindow::tr("Does the template match?"));
    w->pushButton_confirm_done->setText(MainWindow::tr("Success"));

    w->label_rotateStar1_tipMsg->setText(
        MainWindow::tr("Rotate your mount's RA axis in the direction of the arrow at the top of the image, by at "
                       "least 30 degrees."));
    w->label_rotateStar1_ask->setText(MainWindow::tr("Is the rotation finished?"));
    w->pushButton_rotateStar1_reset->setText(MainWindow::tr("Reset"));
    w->pushButton_rotateStar1_done->setText(MainWindow::tr("rotation Finished"));

    w->label_getStar2_tipMsg->setText(
        MainWindow::tr("Double-click the star you chose in the previous step again (step 2 of 3)."));
    w->pushButton_getStar2_reset->setText(MainWindow::tr("Reset"));

    w->label_rotateStar2_tipMsg->setText(
        MainWindow::tr("Again, rotate your mount's RA axis in the same direction by at least 30 degrees."));
    w->label_rotateStar2_ask->setText(MainWindow::tr("Is the rotation finished?"));
    w->pushButton_rotateStar2_reset->setText(MainWindow::tr("Reset"));
    w->pushButton_rotateStar2_done->setText(MainWindow::tr("rotation Finished"));

    w->label_getStar3_tipMsg->setText(MainWindow::tr(
        "Double-click the star you chose in the previous two steps one last time (step 3 of 3)."));
    w->pushButton_getStar3_reset->setText(MainWindow::tr("Reset"));

    w->label_validateCenter_tipMsg->setText(
        MainWindow::tr("Turn the RA axis back to its home position and make sure the chosen star stays on the "
                       "circle while the mount turns."));
    w->label_validateCenter_ask->setText(MainWindow::tr("Is the axis center correct?"));
    w->pushButton_validateCenter_reset->setText(MainWindow::tr("Reset"));
    w->pushButton_validateCenter_done->setText(MainWindow::tr("Correct"));

    w->label_getEptPolaris_ask->setText(MainWindow::tr("Does the template match?"));
    w->pushButton_getEptPolaris_done->setText(MainWindow::tr("Success"));

    w->label_movePolaris_ask->setText(MainWindow::tr("Is the adjustment finished?"));
    w->pushButton_movePolaris_done->setText(MainWindow::tr("adjustment Finished"));

    w->label_getCurPolaris_ask->setText(MainWindow::tr("Does the template match?"));
    w->pushButton_getCurPolaris_done->setText(MainWindow::tr("Success"));

    w->label_calcPole_tipMsg->setText(MainWindow::tr("Please click the 'Start Monitor' button."));

    w->label_finetunePole_tipMsg->setText(MainWindow::tr(
        "Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle."));
    w->pushButton_finetunePole_reset->setText(MainWindow::tr("Restart"));
    w->pushButton_finetunePole_done->setText(MainWindow::tr("Done"));
}

// The panel's geometry is fixed; a text that does not fit its label or button
// (a long translation, a wider font) gets a smaller font instead of being cut.
// The style sheet sizes the tips in pixels, so the whole panel shrinks in pixels.
void fitTipPanelTexts(QTabWidget *panel)
{
    const FontSizing sizing = FontSizing::StyleSheetPixels;
    // Room for the frame and a little air on both sides.
    for (QPushButton *button : panel->findChildren<QPushButton *>())
        fitLineText(button, 6, sizing);
    for (QLabel *label : panel->findChildren<QLabel *>()) {
        if (label->wordWrap())
            fitWrappedText(label, sizing);
        else
            fitLineText(label, 0, sizing);
    }
}

} // namespace

void MainWindow::createTipPanel()
{
    tabWidget_tipMsg = new QTabWidget(ui->scrollArea_showImg);
    tabWidget_tipMsg->setObjectName(QStringLiteral("tabWidget_tipMsg"));
    tabWidget_tipMsg->setGeometry(163, 5, 470, 100);
    tabWidget_tipMsg->tabBar()->hide();

    QTabWidget *panel = tabWidget_tipMsg;

    tab_setting = addPage(panel, "tab_setting", this);
    label_setting_tipMsg = addTip(tab_setting, "label_setting_tipMsg");
    label_setting_ask = addAsk(tab_setting, "label_setting_ask");
    pushButton_setting_done = addButton(tab_setting, "pushButton_setting_done", kRight, this,
                                        &MainWindow::pushbuttonSettingDoneClicked);

    tab_confirm = addPage(panel, "tab_confirm", this);
    label_confirm_tipMsg = addTip(tab_confirm, "label_confirm_tipMsg");
    label_confirm_ask = addAsk(tab_confirm, "label_confirm_ask");
    pushButton_confirm_done = addButton(tab_confirm, "pushButton_confirm_done", kRight, this,
                                        &MainWindow::pushbuttonConfirmDoneClicked);

    tab_getStar1 = addPage(panel, "tab_getStar1", this);
    label_getStar1_tipMsg = addTip(tab_getStar1, "label_getStar1_tipMsg");

    tab_rotateStar1 = addPage(panel, "tab_rotateStar1", this);
    label_rotateStar1_tipMsg = addTip(tab_rotateStar1, "label_rotateStar1_tipMsg");
    label_rotateStar1_ask = addAsk(tab_rotateStar1, "label_rotateStar1_ask");
    pushButton_rotateStar1_reset = addButton(tab_rotateStar1, "pushButton_rotateStar1_reset", kLeft, this,
                                             &MainWindow::pushbuttonRotateStar1ResetClicked);
    pushButton_rotateStar1_done = addButton(tab_rotateStar1, "pushButton_rotateStar1_done", kRight, this,
                                            &MainWindow::pushbuttonRotateStar1DoneClicked);

    tab_getStar2 = addPage(panel, "tab_getStar2", this);
    label_getStar2_tipMsg = addTip(tab_getStar2, "label_getStar2_tipMsg");
    pushButton_getStar2_reset = addButton(tab_getStar2, "pushButton_getStar2_reset", kLeft, this,
                                          &MainWindow::pushbuttonGetStar2ResetClicked);

    tab_rotateStar2 = addPage(panel, "tab_rotateStar2", this);
    label_rotateStar2_tipMsg = addTip(tab_rotateStar2, "label_rotateStar2_tipMsg");
    label_rotateStar2_ask = addAsk(tab_rotateStar2, "label_rotateStar2_ask");
    pushButton_rotateStar2_reset = addButton(tab_rotateStar2, "pushButton_rotateStar2_reset", kLeft, this,
                                             &MainWindow::pushbuttonRotateStar2ResetClicked);
    pushButton_rotateStar2_done = addButton(tab_rotateStar2, "pushButton_rotateStar2_done", kRight, this,
                                            &MainWindow::pushbuttonRotateStar2DoneClicked);

    // This page has always gone without an object name; the style sheet selects its label.
    tab_getStar3 = addPage(panel, nullptr, this);
    label_getStar3_tipMsg = addTip(tab_getStar3, "label_getStar3_tipMsg");
    pushButton_getStar3_reset = addButton(tab_getStar3, "pushButton_getStar3_reset", kLeft, this,
                                          &MainWindow::pushbuttonGetStar3ResetClicked);

    tab_validateCenter = addPage(panel, "tab_validateCenter", this);
    label_validateCenter_tipMsg = addTip(tab_validateCenter, "label_validateCenter_tipMsg");
    label_validateCenter_ask = addAsk(tab_validateCenter, "label_validateCenter_ask");
    pushButton_validateCenter_reset = addButton(tab_validateCenter, "pushButton_validateCenter_reset", kLeft,
                                                this, &MainWindow::pushbuttonValidateCenterResetClicked);
    pushButton_validateCenter_done = addButton(tab_validateCenter, "pushButton_validateCenter_done", kRight,
                                               this, &MainWindow::pushbuttonValidateCenterDoneClicked);

    tab_getEptPolaris = addPage(panel, "tab_getEptPolaris", this);
    label_getEptPolaris_tipMsg = addTip(tab_getEptPolaris, "label_getEptPolaris_tipMsg");
    label_getEptPolaris_ask = addAsk(tab_getEptPolaris, "label_getEptPolaris_ask");
    pushButton_getEptPolaris_done = addButton(tab_getEptPolaris, "pushButton_getEptPolaris_done", kRight,
                                              this, &MainWindow::pushbuttonGetEptPolarisDoneClicked);

    tab_movePolaris = addPage(panel, "tab_movePolaris", this);
    label_movePolaris_tipMsg = addTip(tab_movePolaris, "label_movePolaris_tipMsg");
    label_movePolaris_ask = addAsk(tab_movePolaris, "label_movePolaris_ask");
    pushButton_movePolaris_done = addButton(tab_movePolaris, "pushButton_movePolaris_done", kRight, this,
                                            &MainWindow::pushbuttonMovePolarisDoneClicked);

    tab_getCurPolaris = addPage(panel, "tab_getCurPolaris", this);
    label_getCurPolaris_tipMsg = addTip(tab_getCurPolaris, "label_getCurPolaris_tipMsg");
    label_getCurPolaris_ask = addAsk(tab_getCurPolaris, "label_getCurPolaris_ask");
    pushButton_getCurPolaris_done = addButton(tab_getCurPolaris, "pushButton_getCurPolaris_done", kRight,
                                              this, &MainWindow::pushbuttonGetCurPolarisDoneClicked);

    tab_calcPole = addPage(panel, "tab_calcPole", this);
    label_calcPole_tipMsg = addTip(tab_calcPole, "label_calcPole_tipMsg");

    tab_finetunePole = addPage(panel, "tab_finetunePole", this);
    label_finetunePole_tipMsg = addTip(tab_finetunePole, "label_finetunePole_tipMsg");
    pushButton_finetunePole_reset = addButton(tab_finetunePole, "pushButton_finetunePole_reset", kLeft, this,
                                              &MainWindow::pushbuttonFinetunePoleResetClicked);
    pushButton_finetunePole_done = addButton(tab_finetunePole, "pushButton_finetunePole_done", kRight, this,
                                             &MainWindow::pushbuttonFinetunePoleDoneClicked);

    setFixedTexts(this);
    setTipsForRegion(QStringLiteral("North"));
    tabWidget_tipMsg->hide();

    ui->scrollArea_showImg->viewport()->installEventFilter(
        new ResizeWatcher(tabWidget_tipMsg, [this] { layoutTipPanel(); }));
}

// A narrow image area moves the panel left and then narrows it, keeping the
// buttons at its right edge, so the tip and the answers stay in sight.
void MainWindow::layoutTipPanel()
{
    if (!ui || !tabWidget_tipMsg)
        return;
    const int room = ui->scrollArea_showImg->viewport()->width();
    const int width = std::clamp(room - 10, kPanelMinWidth, kPanelWidth);
    const int x = std::clamp(room - width - 5, 5, kPanelX);
    if (tabWidget_tipMsg->geometry() == QRect(x, 5, width, 100))
        return;
    tabWidget_tipMsg->setGeometry(x, 5, width, 100);
    const int shift = width - kPanelWidth;
    for (QPushButton *button : tabWidget_tipMsg->findChildren<QPushButton *>())
        button->move(button->property("designX").toInt() + shift, button->y());
    for (QLabel *label : tabWidget_tipMsg->findChildren<QLabel *>())
        label->resize((label->wordWrap() ? 460 : 290) + shift, label->height());
    fitTipPanelTexts(tabWidget_tipMsg);
}

void MainWindow::setTipsForRegion(QString region)
{
    if (region == QLatin1String("North")) {
        label_setting_tipMsg->setText(
            tr("Adjust the settings on the left until the stars around Polaris are visible."));
        label_confirm_tipMsg->setText(
            tr("Double-click Polaris and turn the template with the 'Rotate' slider on the left (or the "
               "arrow keys) until it matches the stars around Polaris."));
        label_getStar1_tipMsg->setText(
            tr("Choose a star other than Polaris and double-click it in the image. Remember this star: "
               "you will select it again in the next steps (step 1 of 3)."));
        label_getEptPolaris_tipMsg->setText(
            tr("Expected position: Double-click Polaris and turn the template with the 'Rotate' slider "
               "on the left (or the arrow keys) until it matches the stars around Polaris."));
        label_movePolaris_tipMsg->setText(
            tr("With the altitude and azimuth bolts, move Polaris into the center of the small turning "
               "circle on the image."));
        label_getCurPolaris_tipMsg->setText(
            tr("Current position: Double-click Polaris and turn the template with the 'Rotate' slider on "
               "the left (or the arrow keys) until it matches the stars around Polaris."));
    } else if (region == QLatin1String("South")) {
        label_setting_tipMsg->setText(
            tr("Adjust the settings on the left until the stars around σ Oct are visible."));
        label_confirm_tipMsg->setText(
            tr("Double-click σ Oct and turn the template with the 'Rotate' slider on the left (or the "
               "arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the "
               "Southern Cross, extended four and a half times, ends near the pole (chart in the "
               "manual)."));
        label_getStar1_tipMsg->setText(
            tr("Choose a star other than σ Oct and double-click it in the image. Remember this star: you "
               "will select it again in the next steps (step 1 of 3)."));
        label_getEptPolaris_tipMsg->setText(
            tr("Expected position: Double-click σ Oct and turn the template with the 'Rotate' slider on "
               "the left (or the arrow keys) until it matches the stars around σ Oct."));
        label_movePolaris_tipMsg->setText(
            tr("With the altitude and azimuth bolts, move σ Oct into the center of the small turning "
               "circle on the image."));
        label_getCurPolaris_tipMsg->setText(
            tr("Current position: Double-click σ Oct and turn the template with the 'Rotate' slider on "
               "the left (or the arrow keys) until it matches the stars around σ Oct."));
    } else {
        return;
    }
    fitTipPanelTexts(tabWidget_tipMsg);
}

void MainWindow::uiReset()
{
    // The form's re-texting also empties the icon labels (an empty text replaces
    // a pixmap), puts the designer's "(0,0)" into the position labels and the
    // disconnected wording on the window; none of that follows a language change,
    // so those are carried over.
    QLabel *const icons[] = {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon,
                             ui->label_precise_poleIcon, ui->label_precise_axisIcon};
    QPixmap iconPixmaps[5];
    for (int i = 0; i < 5; ++i)
        iconPixmaps[i] = icons[i]->pixmap(Qt::ReturnByValue);
    QLabel *const positions[] = {ui->label_axisPos, ui->label_curPos, ui->label_eptPos,
                                 ui->label_refStarA_pos, ui->label_refStarB_pos, ui->label_pole};
    QString positionTexts[6];
    for (int i = 0; i < 6; ++i)
        positionTexts[i] = positions[i]->text();
    const QString title = windowTitle();

    ui->retranslateUi(this);

    for (int i = 0; i < 5; ++i) {
        if (!iconPixmaps[i].isNull())
            icons[i]->setPixmap(iconPixmaps[i]);
    }
    for (int i = 0; i < 6; ++i)
        positions[i]->setText(positionTexts[i]);
    if (cameraState.cameraConnected) {
        ui->actionConnect->setText(tr("Disconnect"));
        setWindowTitle(title);
    }

    // Added to the Device menu in code, so the form's re-texting misses it.
    if (actionCamera_Server)
        actionCamera_Server->setText(CameraServerDialog::menuText());
    setFixedTexts(this);
    if (currentStep == 8)
        showAxisQuality();
    setTipsForRegion(region);
    fitTipPanelTexts(tabWidget_tipMsg);
}
