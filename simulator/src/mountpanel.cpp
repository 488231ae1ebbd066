#include "mountpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace tavrinsim {

namespace {

std::atomic<bool> panelShown{false};

QPointer<MountPanel> &thePanel()
{
    static QPointer<MountPanel> p;
    return p;
}

void runOnGui(const std::function<void()> &f)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread())
        f();
    else
        QMetaObject::invokeMethod(app, f, Qt::QueuedConnection);
}

bool wanted(PanelMode mode)
{
    if (mode == PanelMode::Never || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    if (mode == PanelMode::Always)
        return true;
    if (!qEnvironmentVariableIsEmpty("TAVRINSIM_NO_PANEL"))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

QPushButton *stepButton(const QString &text, QWidget *parent, const std::function<void()> &action)
{
    auto *b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setMinimumWidth(44);
    QObject::connect(b, &QPushButton::clicked, parent, action);
    return b;
}

}  // namespace

MountPanel::MountPanel() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(QStringLiteral("Virtual mount (simulated camera)"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The host program's style sheet gives it a background by this name.
    setObjectName(QStringLiteral("mountPanel"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);

    auto *site = new QHBoxLayout;
    site->addWidget(new QLabel(QStringLiteral("Hemisphere"), this));
    hemisphere_ = new QComboBox(this);
    hemisphere_->addItems({QStringLiteral("North"), QStringLiteral("South")});
    site->addWidget(hemisphere_);
    tracking_ = new QCheckBox(QStringLiteral("Tracking"), this);
    site->addWidget(tracking_);
    refraction_ = new QCheckBox(QStringLiteral("Refraction"), this);
    site->addWidget(refraction_);
    layout->addLayout(site);

    auto *raBox = new QGroupBox(QStringLiteral("RA axis (\u21bb turns the image clockwise on screen)"), this);
    auto *raLayout = new QGridLayout(raBox);
    dial_ = new QDial(raBox);
    dial_->setRange(0, 359);
    dial_->setWrapping(true);
    dial_->setNotchesVisible(true);
    dial_->setFixedSize(110, 110);
    raLayout->addWidget(dial_, 0, 0, 3, 1);
    raLabel_ = new QLabel(raBox);
    raLayout->addWidget(raLabel_, 0, 1, 1, 4);
    int col = 1;
    for (int step : {-30, -15, -1, 1, 15, 30}) {
        const QString text = QStringLiteral("%1 %2\u00b0").arg(step > 0 ? "\u21bb" : "\u21ba").arg(std::abs(step));
        raLayout->addWidget(stepButton(text, raBox, [step] { turnRaAxis(step); }), col <= 3 ? 1 : 2,
                            1 + (col - 1) % 3);
        ++col;
    }
    raLayout->addWidget(stepButton(QStringLiteral("Home"), raBox, [] {
                            MountParams p = mountParams();
                            p.raAngleDeg = 0;
                            setMountParams(p);
                        }),
                        1, 4, 2, 1);
    layout->addWidget(raBox);

    auto *bolts = new QGroupBox(QStringLiteral("Bolts (arcminutes; left and right as seen facing the pole)"), this);
    auto *boltLayout = new QGridLayout(bolts);
    // Altitude raises or lowers the axis; azimuth turns it left or right.
    const struct {
        const char *name;
        bool altitude;
        const char *less;
        const char *more;
    } rows[] = {{"Altitude", true, "Lower", "Raise"}, {"Azimuth", false, "Left", "Right"}};
    for (int r = 0; r < 2; ++r) {
        boltLayout->addWidget(new QLabel(QString::fromLatin1(rows[r].name), bolts), r, 0);
        int c = 1;
        for (double step : {-10.0, -1.0, 1.0, 10.0}) {
            const bool alt = rows[r].altitude;
            const QString text = QStringLiteral("%1 %2\u2032")
                                     .arg(QLatin1String(step > 0 ? rows[r].more : rows[r].less))
                                     .arg(std::fabs(step));
            boltLayout->addWidget(stepButton(text, bolts, [alt, step] {
                                      moveBolts(alt ? step : 0.0, alt ? 0.0 : step);
                                  }),
                                  r, c++);
        }
    }
    boltLayout->addWidget(stepButton(QStringLiteral("New misalignment"), bolts, [] { newMisalignment(); }), 2, 0,
                          1, 5);
    layout->addWidget(bolts);

    auto *sky = new QHBoxLayout;
    sky->addWidget(new QLabel(QStringLiteral("Clock"), this));
    clockRate_ = new QComboBox(this);
    for (double r : {0.0, 1.0, 10.0, 100.0, 1000.0})
        clockRate_->addItem(r == 0 ? QStringLiteral("Stopped") : QStringLiteral("%1x").arg(r), r);
    sky->addWidget(clockRate_);
    sky->addWidget(new QLabel(QStringLiteral("Seeing FWHM (px)"), this));
    seeing_ = new QDoubleSpinBox(this);
    seeing_->setRange(1.0, 8.0);
    seeing_->setSingleStep(0.1);
    seeing_->setDecimals(1);
    sky->addWidget(seeing_);
    layout->addLayout(sky);

    truth_ = new QLabel(this);
    truth_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(truth_);

    // Initial values before the signals are wired.
    const MountParams p = mountParams();
    hemisphere_->setCurrentIndex(p.hemisphere == Hemisphere::South ? 1 : 0);
    tracking_->setChecked(p.tracking);
    refraction_->setChecked(p.refraction);
    seeing_->setValue(p.seeingFwhmPx);
    const int rateIndex = clockRate_->findData(clockRate());
    clockRate_->setCurrentIndex(rateIndex >= 0 ? rateIndex : 1);

    connect(hemisphere_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        change([](MountParams &m, double v) { m.hemisphere = v > 0 ? Hemisphere::South : Hemisphere::North; },
               index);
    });
    connect(tracking_, &QCheckBox::toggled, this,
            [this](bool on) { change([](MountParams &m, double v) { m.tracking = v > 0; }, on ? 1 : 0); });
    connect(refraction_, &QCheckBox::toggled, this,
            [this](bool on) { change([](MountParams &m, double v) { m.refraction = v > 0; }, on ? 1 : 0); });
    connect(seeing_, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this](double v) { change([](MountParams &m, double x) { m.seeingFwhmPx = x; }, v); });
    connect(dial_, &QDial::valueChanged, this,
            [this](int v) { change([](MountParams &m, double x) { m.raAngleDeg = x; }, v); });
    connect(clockRate_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { setClockRate(clockRate_->itemData(index).toDouble()); });

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MountPanel::refresh);
    timer->start(250);
    refresh();
}

MountPanel::~MountPanel()
{
    panelShown = false;
}

void MountPanel::change(void (*apply)(MountParams &, double), double value)
{
    MountParams p = mountParams();
    apply(p, value);
    setMountParams(p);
    refresh();
}

void MountPanel::refresh()
{
    const Truth t = truth();
    const QSignalBlocker block(dial_);
    // The dial shows whole degrees; a tracking axis creeps between them.
    dial_->setValue(int(std::lround(t.raAngleDeg)) % 360);
    raLabel_->setText(QStringLiteral("Angle %1\u00b0").arg(t.raAngleDeg, 0, 'f', 2));
    truth_->setText(QStringLiteral("Polar error: alt %1\u2032  az %2\u2032  total %3\u2032\n"
                                   "Pole (%4, %5)   axis (%6, %7)\nUTC %8")
                        .arg(t.altErrorArcmin, 0, 'f', 1)
                        .arg(t.azErrorArcmin, 0, 'f', 1)
                        .arg(t.totalErrorArcmin, 0, 'f', 1)
                        .arg(t.poleX, 0, 'f', 1)
                        .arg(t.poleY, 0, 'f', 1)
                        .arg(t.axisX, 0, 'f', 1)
                        .arg(t.axisY, 0, 'f', 1)
                        .arg(t.dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
}

namespace panel {

void cameraOpened(PanelMode mode)
{
    if (!wanted(mode))
        return;
    runOnGui([] {
        QPointer<MountPanel> &p = thePanel();
        if (!p)
            p = new MountPanel;
        p->show();
        p->raise();
        panelShown = true;
    });
}

void cameraClosed()
{
    runOnGui([] {
        QPointer<MountPanel> &p = thePanel();
        if (p) {
            p->hide();
            p->deleteLater();
            p.clear();
        }
        panelShown = false;
    });
}

bool visible()
{
    return panelShown;
}

}  // namespace panel

}  // namespace tavrinsim
