#include "dialogs/cameraserverdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QValidator>
#include <QVBoxLayout>

namespace {

const char kIdPrefix[] = "ORVANTA-";

// What the user knows a camera by: its INDI device name.
QString deviceName(const QString &id)
{
    return id.startsWith(QLatin1String(kIdPrefix)) ? id.mid(int(sizeof kIdPrefix) - 1) : id;
}

// A host name has no blanks; the camera library refuses one with blanks and would
// go on asking the previous server, while the dialog names the typed one.
class HostValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        static const QRegularExpression blank(QStringLiteral("\\s"));
        pos -= int(input.left(pos).count(blank));
        input.remove(blank);
        return Acceptable;
    }
};

} // namespace

CameraServerDialog::CameraServerDialog(QWidget *parent, Tester tester) : QDialog(parent), tester(std::move(tester))
{
    setObjectName(QStringLiteral("CameraServerDialog"));
    hostEdit = new QLineEdit(this);
    hostEdit->setObjectName(QStringLiteral("lineEdit_host"));
    hostEdit->setValidator(new HostValidator(hostEdit));
    portBox = new QSpinBox(this);
    portBox->setObjectName(QStringLiteral("spinBox_port"));
    portBox->setRange(1, 65535);
    focalBox = new QDoubleSpinBox(this);
    focalBox->setObjectName(QStringLiteral("doubleSpinBox_focal"));
    focalBox->setRange(0, 2000);
    focalBox->setDecimals(1);
    cameraBox = new QComboBox(this);
    cameraBox->setObjectName(QStringLiteral("comboBox_camera"));
    // The program's style sheet draws the drop-down over the text without making
    // room for it in the size hint, which cuts off longer translations.
    cameraBox->setStyleSheet(QStringLiteral("QComboBox { padding-left: 3px; padding-right: 18px; }"));
    testButton = new QPushButton(this);
    testButton->setObjectName(QStringLiteral("pushButton_test"));
    resultLabel = new QLabel(this);
    resultLabel->setObjectName(QStringLiteral("label_result"));
    resultLabel->setWordWrap(true);
    resultLabel->setMinimumWidth(360);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    hostLabel = new QLabel(this);
    portLabel = new QLabel(this);
    focalLabel = new QLabel(this);
    cameraLabel = new QLabel(this);
    auto *form = new QFormLayout;
    form->addRow(hostLabel, hostEdit);
    form->addRow(portLabel, portBox);
    form->addRow(focalLabel, focalBox);
    form->addRow(cameraLabel, cameraBox);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(testButton, &QPushButton::clicked, this, &CameraServerDialog::test);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(testButton, 0, Qt::AlignLeft);
    layout->addWidget(resultLabel);
    layout->addWidget(buttons);
    uiReset();
}

void CameraServerDialog::uiReset()
{
    setWindowTitle(tr("Camera Server"));
    hostLabel->setText(tr("INDI server"));
    portLabel->setText(tr("Port"));
    focalLabel->setText(tr("Lens focal length"));
    focalBox->setSuffix(tr(" mm"));
    focalBox->setSpecialValueText(tr("not set"));
    cameraLabel->setText(tr("Camera"));
    if (cameraBox->count() > 0)
        cameraBox->setItemText(0, tr("the first one found"));
    testButton->setText(tr("Test"));
    hostEdit->setToolTip(tr("The computer running indiserver with the camera's driver; "
                            "leave empty to use only the simulated camera."));
}

QString CameraServerDialog::menuText()
{
    return tr("Camera Server...");
}

QString CameraServerDialog::noFocalLengthText()
{
    return tr("The focal length of the camera's lens is not set, so the stars cannot be brought to the "
              "scale of the star template. Set it under Device, Camera Server, then connect again.");
}

QString CameraServerDialog::tooNarrowText(double focalLength, const QString &field, double maxFocalLength)
{
    const QStringList size = field.split(QLatin1Char(' '));
    return tr("With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its "
              "reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.")
        .arg(focalLength)
        .arg(size.value(0).toDouble(), 0, 'f', 1)
        .arg(size.value(1).toDouble(), 0, 'f', 1)
        .arg(kMinFieldDeg)
        .arg(int(maxFocalLength));
}

void CameraServerDialog::addCamera(const QString &id)
{
    if (!id.isEmpty() && cameraBox->findData(id) < 0)
        cameraBox->addItem(deviceName(id), id);
}

void CameraServerDialog::setSettings(const CameraServerSettings &settings)
{
    hostEdit->setText(settings.host);
    portBox->setValue(settings.port);
    focalBox->setValue(settings.focalLength);
    cameraBox->clear();
    cameraBox->addItem(tr("the first one found"), QString());
    addCamera(settings.camera);
    cameraBox->setCurrentIndex(std::max(0, cameraBox->findData(settings.camera)));
    resultLabel->clear();
}

CameraServerSettings CameraServerDialog::settings() const
{
    CameraServerSettings s;
    s.host = hostEdit->text().trimmed();
    s.port = portBox->value();
    s.focalLength = focalBox->value();
    s.camera = cameraBox->currentData().toString();
    return s;
}

void CameraServerDialog::test()
{
    const CameraServerSettings asked = settings();
    const QString server = asked.host + QLatin1Char(':') + QString::number(asked.port);
    resultLabel->setText(tr("Asking %1...").arg(server));
    resultLabel->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TestResult result = tester ? tester(asked) : TestResult();
    QApplication::restoreOverrideCursor();

    for (const QString &id : result.ids)
        addCamera(id);
    QStringList names;
    for (const QString &id : result.ids)
        names << deviceName(id);
    QString text;
    if (result.status == QLatin1String("connected") && names.isEmpty())
        text = tr("The INDI server at %1 answers, but has no camera. Start indiserver with the camera's driver.")
                   .arg(server);
    else if (result.status == QLatin1String("connected"))
        text = tr("The INDI server at %1 answers. Cameras: %2.").arg(server, names.join(QStringLiteral(", ")));
    else if (result.status == QLatin1String("unreachable"))
        text = tr("No INDI server answers at %1. Start indiserver there, or check the server and port.")
                   .arg(server);
    else if (result.status == QLatin1String("off"))
        text = tr("No server set: only the simulated camera is used.");
    else
        text = tr("This camera library cannot use INDI cameras: only the simulated camera is used.");
    if (result.status == QLatin1String("connected") && !names.isEmpty() && !(asked.focalLength > 0))
        text += QLatin1Char(' ') + tr("Set the lens's focal length before you connect.");
    resultLabel->setText(text);
}
