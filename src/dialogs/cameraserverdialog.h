// The INDI server, the lens's focal length and the camera to use, with a test
// that asks the server what it has.
#ifndef CAMERASERVERDIALOG_H
#define CAMERASERVERDIALOG_H

#include "camera/cameraserver.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CameraServerDialog : public QDialog
{
    Q_OBJECT

public:
    struct TestResult {
        QString status;     // the library's "server_status"
        QStringList ids;    // cameras of the scan, in its order
    };
    using Tester = std::function<TestResult(const CameraServerSettings &)>;

    CameraServerDialog(QWidget *parent, Tester tester);

    void setSettings(const CameraServerSettings &settings);
    CameraServerSettings settings() const;

    // The Device menu entry, and what a connect tells about the camera's field.
    static QString menuText();
    static QString noFocalLengthText();
    static QString tooNarrowText(double focalLength, const QString &field, double maxFocalLength);

public slots:
    void test();
    void uiReset();

private:
    void addCamera(const QString &id);

    Tester tester;
    QLabel *hostLabel = nullptr;
    QLineEdit *hostEdit = nullptr;
    QLabel *portLabel = nullptr;
    QSpinBox *portBox = nullptr;
    QLabel *focalLabel = nullptr;
    QDoubleSpinBox *focalBox = nullptr;
    QLabel *cameraLabel = nullptr;
    QComboBox *cameraBox = nullptr;
    QPushButton *testButton = nullptr;
    QLabel *resultLabel = nullptr;
};

#endif
