#include "camera/camerastate.h"
#include "camera/tavrinapi.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/documentviewer.h"
#include "mainwindow/mainwindow.h"
#include "tavrinsim.h"
#include "testsupport.h"

#include <QtTest>
#include <QtWidgets>

class TestWindowUse : public QObject // the window in use at night: camera values, small size, night style, keys
{
    Q_OBJECT

private slots:
    void init();
    void exposureAndGainKeptPerHemisphere();
    void smallWindowAtNight(); // tip button in sight at 800 x 560; every window red alone
    void angleFromKeys();
    void aboutLinks();

private:
    template <typename T = QWidget> T *child(const char *name) const { return window->findChild<T *>(name); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void set(int ms, int gain) { child<QSlider>("sliderExpose")->setValue(ms), child<QSlider>("sliderGain")->setValue(gain); }
    void camera(int exposureMs, int gain) // what the camera runs at and the fields show
    {
        QCOMPARE(GetTAVRINParam(cameraState.cameraHandle, TAVRIN_CONTROL_EXPOSURE), exposureMs * 1000.0);
        QCOMPARE(child<QLineEdit>("lineEditExpose")->text() + "/" + child<QLineEdit>("lineEditGain")->text(),
                 QStringLiteral("%1/%2").arg(exposureMs).arg(gain));
    }
    std::unique_ptr<MainWindow> window;
    BoxAnswerer answerer;
};

void TestWindowUse::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(settingsPath());
    tavrinsim::reset();
    DocumentViewer::dataDirOverride = QCoreApplication::applicationDirPath() + QStringLiteral("/../../share/orvanta");
    window.reset(new MainWindow(nullptr));
}

void TestWindowUse::exposureAndGainKeptPerHemisphere()
{
    trigger("actionConnect");
    set(150, 60);
    camera(150, 60);
    const auto serverDialogTitle = [this] {
        QString title;
        QTimer::singleShot(0, [&] { auto *d = child<QDialog>("CameraServerDialog"); title = d->windowTitle(), d->reject(); });
        trigger("actionCamera_Server");
        return title;
    };
    QCOMPARE(serverDialogTitle(), QStringLiteral("Camera Server"));
    trigger("actionGerman"); // re-texting the form must not bring back its designed values
    camera(150, 60);
    // The camera server's entry and dialog, added in code, follow the language too.
    QCOMPARE(child<QAction>("actionCamera_Server")->text(), QStringLiteral("Kameraserver..."));
    QCOMPARE(serverDialogTitle(), QStringLiteral("Kameraserver"));
    child<QRadioButton>("radioButton_south")->setChecked(true);
    set(250, 80);
    camera(250, 80);
    child<QRadioButton>("radioButton_north")->setChecked(true);
    camera(150, 60);

    window->close();
    window.reset(new MainWindow(nullptr));
    trigger("actionConnect");
    camera(150, 60);
    child<QRadioButton>("radioButton_south")->setChecked(true);
    camera(250, 80);
}

void TestWindowUse::smallWindowAtNight()
{
    tavrinsim::setPanelMode(tavrinsim::PanelMode::Always);
    window->resize(800, 560);
    window->show();
    trigger("actionConnect");
    QTRY_VERIFY(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull());
    QWidget *area = child("scrollArea_showImg"), *done = child("pushButton_setting_done");
    QVERIFY(area->rect().contains(QRect(done->mapTo(area, QPoint()), done->size())));

    for (const char *action : {"actionNight_Style", "actionAbout", "actionManual_Trace",
                               "actionAstronomical_Refraction", "actionOrvanta_Manual"})
        trigger(action);
    QTRY_COMPARE(child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).toImage().pixelColor(9, 9).green(), 0);
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        const QImage image = shown->isVisible() ? shown->grab().toImage() : QImage();
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                coloured += qGreen(image.pixel(x, y)) > 48 || qBlue(image.pixel(x, y)) > 48;
        QVERIFY2(coloured == 0, qPrintable(shown->objectName() + QStringLiteral(": %1").arg(coloured)));
    }
    QVERIFY(window->findChild<DocumentViewer *>()->isVisible()); // the manual, found and read
    QTextBrowser *manual = window->findChild<DocumentViewer *>()->browser();
    int pictures = 0; // each found beside it, and tinted
    for (QTextBlock block = manual->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString name = it.fragment().charFormat().toImageFormat().name();
            QVERIFY2(name.isEmpty() || !manual->loadResource(QTextDocument::ImageResource, name).value<QImage>().isNull(),
                     qPrintable(name));
            pictures += !name.isEmpty();
        }
    QVERIFY(pictures > 5);
}

void TestWindowUse::angleFromKeys()
{
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; int angle; } presses[] = {
        {Qt::Key_Right, Qt::NoModifier, 1}, {Qt::Key_Up, Qt::ShiftModifier, 11},
        {Qt::Key_Left, Qt::ShiftModifier, 1}, {Qt::Key_Down, Qt::ShiftModifier, 0}};
    for (const auto &press : presses) {
        QTest::keyClick(child("spinBox_rough_angle"), press.key, press.modifiers);
        QCOMPARE(child<QSlider>("horizontalSlider_rough_match")->value(), press.angle);
    }
}

// The licence link shows the shipped licence, or the published one when it is not
// shipped; the logo opens the website.
void TestWindowUse::aboutLinks()
{
    static QStringList opened;
    AboutDialog::urlOpener = [](const QUrl &url) { return opened << url.toString(), true; };
    trigger("actionAbout");
    auto *about = window->findChild<AboutDialog *>();
    emit about->findChild<QLabel *>("label_copyright")->linkActivated("licence");
    auto *viewer = about->findChild<DocumentViewer *>();
    QVERIFY(viewer && viewer->isVisible() && viewer->windowTitle() == "Licence");
    QVERIFY(viewer->browser()->toPlainText().contains("GNU GENERAL PUBLIC LICENSE\n"));
    DocumentViewer::dataDirOverride = QDir::tempPath() + "/orvanta-no-such-folder";
    emit about->findChild<QLabel *>("label_copyright")->linkActivated("licence");
    emit about->findChild<QLabel *>("label_logo")->linkActivated("https://www.tavrin.example/");
    QCOMPARE(opened, QStringList({"https://www.gnu.org/licenses/gpl-3.0.html", "https://www.tavrin.example/"}));
}

QTEST_MAIN(TestWindowUse)
#include "test_window_use.moc"

