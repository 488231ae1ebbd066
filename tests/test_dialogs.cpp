// The four small dialogs: refraction values, tracking dial, About, Favorite.
#include "dialogs/aboutdialog.h"
#include "dialogs/astrorefractiondialog.h"
#include "dialogs/favoritedialog.h"
#include "dialogs/poletrackingdialog.h"
#include "dialogs/refractionvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDial>
#include <QFile>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

#include <memory>

// Stands in for a compiled catalogue: answers a few messages per context.
class FakeCatalogue : public QTranslator
{
public:
    QMap<QPair<QString, QString>, QString> messages;

    bool isEmpty() const override { return messages.isEmpty(); }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return messages.value(qMakePair(QString::fromUtf8(context), QString::fromUtf8(sourceText)));
    }
};

// Receives what the About dialog's labels open by themselves.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // refraction
    void unitSwitch_data();
    void unitSwitch();
    void unitSwitchNeverStoresPressureInTheWrongUnit();
    void valueSlotsWriteThrough();
    void initValuesShowsStoredValues_data();
    void initValuesShowsStoredValues();
    void initValuesKeepsHectopascalPressure();
    void refractionUiResetKeepsUnitAndValues();

    // tracking
    void trackingButtons_data();
    void trackingButtons();
    void trackingEmitsOncePerChange();

    // about
    void aboutVersionLineSurvivesTranslation();
    void aboutLinksOpenTheMakersSite();
    void longTextsShrinkToFitTheirLabels();

    void renderForReview();

private:
    std::unique_ptr<FakeCatalogue> catalogue;
};

void TestDialogs::init()
{
    setRefractionValues(RefractionValues());
}

void TestDialogs::cleanup()
{
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue.get());
        catalogue.reset();
    }
}

static QDoubleSpinBox *spin(QWidget *dialog, const char *name)
{
    auto *box = dialog->findChild<QDoubleSpinBox *>(name);
    Q_ASSERT(box);
    return box;
}

void TestDialogs::unitSwitch_data()
{
    QTest::addColumn<double>("kPa");
    QTest::addColumn<double>("hPa");
    QTest::addColumn<double>("backToKPa");

    QTest::newRow("101 kPa") << 101.0 << 1010.0 << 101.0;
    QTest::newRow("lower bound") << 90.0 << 900.0 << 90.0;
    QTest::newRow("upper bound") << 110.0 << 1100.0 << 110.0;
    QTest::newRow("two decimals") << 101.35 << 1013.5 << 101.35;
}

void TestDialogs::unitSwitch()
{
    QFETCH(double, kPa);
    QFETCH(double, hPa);
    QFETCH(double, backToKPa);

    AstroRefractionDialog dialog;
    auto *combo = dialog.findChild<QComboBox *>("comboBox_presure");
    auto *pressure = spin(&dialog, "doubleSpinBox_presure");
    pressure->setValue(kPa);

    combo->setCurrentIndex(1);
    QCOMPARE(pressure->minimum(), 900.0);
    QCOMPARE(pressure->maximum(), 1100.0);
    QCOMPARE(pressure->value(), hPa);
    QCOMPARE(refractionValues().P, float(hPa));
    QCOMPARE(refractionValues().P_unit, QStringLiteral("hPa"));

    combo->setCurrentIndex(0);
    QCOMPARE(pressure->minimum(), 90.0);
    QCOMPARE(pressure->maximum(), 110.0);
    QCOMPARE(pressure->value(), backToKPa);
    QCOMPARE(refractionValues().P, float(backToKPa));
    QCOMPARE(refractionValues().P_unit, QStringLiteral("kPa"));
}

void TestDialogs::unitSwitchNeverStoresPressureInTheWrongUnit()
{
    // The range change clamps through 900 (or 110) on the way; the capture
    // thread must never see such a value paired with the old unit.
    AstroRefractionDialog dialog;
    auto *combo = dialog.findChild<QComboBox *>("comboBox_presure");
    auto *pressure = spin(&dialog, "doubleSpinBox_presure");
    pressure->setValue(100);
    QList<double> seenKPa;
    connect(pressure, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [&](double) { seenKPa << refractionValues().pressureKPa(); });
    pressure->setValue(101);
    combo->setCurrentIndex(1);
    combo->setCurrentIndex(0);
    QVERIFY(!seenKPa.isEmpty());
    for (double p : seenKPa)
        QVERIFY2(p >= 90 && p <= 110, qPrintable(QStringLiteral("pressure seen: %1 kPa").arg(p)));
    QCOMPARE(refractionValues().pressureKPa(), 101.0);
}

void TestDialogs::valueSlotsWriteThrough()
{
    // Building the dialog leaves the shared values alone.
    RefractionValues loaded;
    loaded.P = 55.0f;
    setRefractionValues(loaded);
    AstroRefractionDialog dialog;
    QCOMPARE(refractionValues().P, 55.0f);

    spin(&dialog, "doubleSpinBox_latitude")->setValue(-3); // clamped to 0
    QCOMPARE(refractionValues().latitude, 0.0f);
    spin(&dialog, "doubleSpinBox_latitude")->setValue(51.48);
    spin(&dialog, "doubleSpinBox_longitude")->setValue(0.5);
    spin(&dialog, "doubleSpinBox_presure")->setValue(98.76);
    spin(&dialog, "doubleSpinBox_temperature")->setValue(-12.5);
    dialog.findChild<QCheckBox *>("checkBox_enableAstroRef")->setChecked(true);

    RefractionValues v = refractionValues();
    QCOMPARE(v.latitude, 51.48f);
    QCOMPARE(v.longitude, 0.5f);
    QCOMPARE(v.P, 98.76f);
    QCOMPARE(v.T, -12.5f);
    QCOMPARE(v.enabledCorrect, true);
    QCOMPARE(v.P_unit, QStringLiteral("kPa"));

    dialog.findChild<QCheckBox *>("checkBox_enableAstroRef")->setChecked(false);
    QCOMPARE(refractionValues().enabledCorrect, false);
}

void TestDialogs::initValuesShowsStoredValues_data()
{
    QTest::addColumn<float>("latitude");
    QTest::addColumn<float>("longitude");
    QTest::addColumn<float>("P");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("T");
    QTest::addColumn<bool>("enabled");
    // what the widgets show and the shared values hold afterwards
    QTest::addColumn<double>("shownLatitude");
    QTest::addColumn<double>("shownP");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("storedUnit");

    QTest::newRow("defaults") << 39.9f << 116.3f << 101.0f << "kPa" << 10.0f << false
                              << 39.9 << 101.0 << 0 << "kPa";
    QTest::newRow("edited") << 48.5f << 2.25f << 97.5f << "kPa" << -5.0f << true
                            << 48.5 << 97.5 << 0 << "kPa";
    QTest::newRow("hPa") << 35.0f << 139.7f << 1013.0f << "hPa" << 25.0f << true
                         << 35.0 << 1013.0 << 1 << "hPa";
    // Out of range values from a hand-edited settings file: shown clamped,
    // and the clamped value is what is stored, even where the widget already
    // showed it and so fired no signal.
    QTest::newRow("clamped") << -20.0f << 116.3f << 50.0f << "kPa" << 10.0f << false
                             << 0.0 << 90.0 << 0 << "kPa";
    QTest::newRow("west longitude") << 42.5f << -71.25f << 101.0f << "kPa" << 10.0f << false
                                    << 42.5 << 101.0 << 0 << "kPa";
    QTest::newRow("unknown unit reads as kPa") << 39.9f << 116.3f << 101.0f << "hpa" << 10.0f << false
                                               << 39.9 << 101.0 << 0 << "hpa";
}

void TestDialogs::initValuesShowsStoredValues()
{
    QFETCH(float, latitude);
    QFETCH(float, longitude);
    QFETCH(float, P);
    QFETCH(QString, unit);
    QFETCH(float, T);
    QFETCH(bool, enabled);
    QFETCH(double, shownLatitude);
    QFETCH(double, shownP);
    QFETCH(int, unitIndex);
    QFETCH(QString, storedUnit);

    AstroRefractionDialog dialog;
    // Start the pressure box at its minimum so a clamp to 90 fires nothing.
    spin(&dialog, "doubleSpinBox_presure")->setValue(90);

    RefractionValues stored;
    stored.latitude = latitude;
    stored.longitude = longitude;
    stored.P = P;
    stored.P_unit = unit;
    stored.T = T;
    stored.enabledCorrect = enabled;
    setRefractionValues(stored);

    dialog.initValues();

    QCOMPARE(spin(&dialog, "doubleSpinBox_latitude")->value(), shownLatitude);
    QCOMPARE(spin(&dialog, "doubleSpinBox_longitude")->value(), double(qRound(longitude * 100)) / 100);
    QCOMPARE(spin(&dialog, "doubleSpinBox_presure")->value(), shownP);
    QCOMPARE(spin(&dialog, "doubleSpinBox_temperature")->value(), double(T));
    QCOMPARE(dialog.findChild<QComboBox *>("comboBox_presure")->currentIndex(), unitIndex);
    QCOMPARE(dialog.findChild<QCheckBox *>("checkBox_enableAstroRef")->isChecked(), enabled);

    RefractionValues after = refractionValues();
    QCOMPARE(after.latitude, float(shownLatitude));
    QCOMPARE(after.P, float(shownP));
    QCOMPARE(after.T, T);
    QCOMPARE(after.enabledCorrect, enabled);
    QCOMPARE(after.P_unit, storedUnit);
}

void TestDialogs::initValuesKeepsHectopascalPressure()
{
    // Showing the hPa unit must not run the conversion (101 shown would make
    // the stored 1013 hPa into 1010), and a later kPa record switches back.
    AstroRefractionDialog dialog;
    RefractionValues stored;
    stored.P = 1013.0f;
    stored.P_unit = QStringLiteral("hPa");
    setRefractionValues(stored);
    dialog.initValues();
    QCOMPARE(refractionValues().P, 1013.0f);

    stored.P = 99.0f;
    stored.P_unit = QStringLiteral("kPa");
    setRefractionValues(stored);
    dialog.initValues();
    QCOMPARE(spin(&dialog, "doubleSpinBox_presure")->value(), 99.0);
    QCOMPARE(spin(&dialog, "doubleSpinBox_presure")->maximum(), 110.0);
    QCOMPARE(refractionValues().P, 99.0f);
}

void TestDialogs::refractionUiResetKeepsUnitAndValues()
{
    AstroRefractionDialog dialog;
    dialog.findChild<QComboBox *>("comboBox_presure")->setCurrentIndex(1);
    spin(&dialog, "doubleSpinBox_presure")->setValue(1005);

    catalogue.reset(new FakeCatalogue);
    catalogue->messages.insert(qMakePair(QStringLiteral("AstroRefractionDialog"), QStringLiteral("Latitude")),
                               QStringLiteral("Breite"));
    catalogue->messages.insert(qMakePair(QStringLiteral("AstroRefractionDialog"), QStringLiteral("P(hPa)")),
                               QStringLiteral("D(hPa)"));
    QCoreApplication::installTranslator(catalogue.get());
    dialog.uiReset();

    QCOMPARE(dialog.findChild<QLabel *>("label_latitude")->text(), QStringLiteral("Breite"));
    auto *combo = dialog.findChild<QComboBox *>("comboBox_presure");
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("D(hPa)"));
    QCOMPARE(refractionValues().P, 1005.0f);
    QCOMPARE(refractionValues().P_unit, QStringLiteral("hPa"));
}

void TestDialogs::trackingButtons_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("emissions");

    QTest::newRow("plus") << 10 << "pushButton_tracking_add" << 11 << 1;
    QTest::newRow("plus at 359") << 359 << "pushButton_tracking_add" << 360 << 1;
    QTest::newRow("plus at 360") << 360 << "pushButton_tracking_add" << 360 << 0;
    QTest::newRow("minus") << 10 << "pushButton_tracking_minus" << 9 << 1;
    QTest::newRow("minus at 1") << 1 << "pushButton_tracking_minus" << 0 << 1;
    QTest::newRow("minus at 0") << 0 << "pushButton_tracking_minus" << 0 << 0;
    QTest::newRow("reset") << 200 << "pushButton_reset" << 0 << 1;
    QTest::newRow("reset at 0") << 0 << "pushButton_reset" << 0 << 0;
}

void TestDialogs::trackingButtons()
{
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, expected);
    QFETCH(int, emissions);

    PoleTrackingDialog dialog;
    auto *dial = dialog.findChild<QDial *>("dial_tracking");
    dial->setValue(start);
    QCOMPARE(dial->value(), start);

    QSignalSpy spy(&dialog, &PoleTrackingDialog::trackPole);
    QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(dial->value(), expected);
    QCOMPARE(spy.count(), emissions);
    if (emissions)
        QCOMPARE(spy.at(0).at(0).toDouble(), double(expected));
}

void TestDialogs::trackingEmitsOncePerChange()
{
    PoleTrackingDialog dialog;
    auto *dial = dialog.findChild<QDial *>("dial_tracking");

    QSignalSpy spy(&dialog, &PoleTrackingDialog::trackPole);
    dial->setValue(30);
    dial->setValue(40);
    dial->setValue(40); // unchanged: nothing
    QTest::keyClick(dial, Qt::Key_Right);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toDouble(), 30.0);
    QCOMPARE(spy.at(1).at(0).toDouble(), 40.0);
    QCOMPARE(spy.at(2).at(0).toDouble(), double(dial->value()));

    // A language change neither moves the dial nor emits.
    dialog.uiReset();
    QCOMPARE(spy.count(), 3);
}

void TestDialogs::aboutVersionLineSurvivesTranslation()
{
    AboutDialog dialog;
    auto *version = dialog.findChild<QLabel *>("label_version");
    QCOMPARE(version->text(), QStringLiteral("Orvanta 21.9.17, release on 2021-09-17"));
    QCOMPARE(AboutDialog::versionLine(), version->text());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));

    catalogue.reset(new FakeCatalogue);
    const QString ctx = QStringLiteral("AboutDialog");
    catalogue->messages.insert(qMakePair(ctx, QStringLiteral("About")), QStringLiteral("Über"));
    catalogue->messages.insert(qMakePair(ctx, QStringLiteral("OK")), QStringLiteral("Gut"));
    catalogue->messages.insert(qMakePair(ctx, QStringLiteral("Orvanta %1, release on %2")),
                               QStringLiteral("Orvanta %1, veröffentlicht am %2"));
    QCoreApplication::installTranslator(catalogue.get());
    dialog.uiReset();

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Über"));
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton_ok")->text(), QStringLiteral("Gut"));
    QCOMPARE(version->text(), QStringLiteral("Orvanta 21.9.17, release on 2021-09-17"));
}

void TestDialogs::aboutLinksOpenTheMakersSite()
{
    AboutDialog dialog;
    QList<QUrl> viaHook;
    const auto saved = AboutDialog::urlOpener;
    AboutDialog::urlOpener = [&](const QUrl &url) {
        viaHook << url;
        return true;
    };
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");

    auto *logo = dialog.findChild<QLabel *>("label_logo");
    QVERIFY(logo->text().contains(QStringLiteral(":/images/tavrin.png")));
    QVERIFY(!logo->openExternalLinks());
    emit logo->linkActivated(QStringLiteral("https://www.tavrin.example/"));
    QCOMPARE(viaHook.size(), 1);
    QCOMPARE(viaHook.at(0), QUrl(QStringLiteral("https://www.tavrin.example/")));

    // The address label follows its link by itself.
    auto *website = dialog.findChild<QLabel *>("label_website");
    QVERIFY(website->openExternalLinks());
    QVERIFY(website->text().contains(QStringLiteral("#a9a9a9")));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(website, Qt::LeftButton, Qt::NoModifier, QPoint(20, website->height() / 2));
    QTRY_COMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.at(0).host(), QStringLiteral("www.tavrin.example"));
    QCOMPARE(viaHook.size(), 1);

    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    AboutDialog::urlOpener = saved;
}

void TestDialogs::longTextsShrinkToFitTheirLabels()
{
    AboutDialog dialog;
    auto *version = dialog.findChild<QLabel *>("label_version");
    auto *notice = dialog.findChild<QLabel *>("label_copyright");
    // Whatever serif font stands in for the designed one, the version line
    // is not cut off.
    QVERIFY(version->sizeHint().width() <= version->width() || version->font().pointSize() == 6);
    const int designedSize = notice->font().pointSize();

    catalogue.reset(new FakeCatalogue);
    const QString ctx = QStringLiteral("AboutDialog");
    const QString notice0 = QStringLiteral("Copyright © 2021 Tavrin Optics. All rights reserved.");
    catalogue->messages.insert(qMakePair(ctx, notice0),
                               QStringLiteral("Urheberrecht © 2021 Tavrin Optics. Alle Rechte vorbehalten, weltweit."));
    QCoreApplication::installTranslator(catalogue.get());
    dialog.uiReset();
    QVERIFY(notice->font().pointSize() < designedSize);
    QVERIFY(notice->sizeHint().width() <= notice->width() || notice->font().pointSize() == 6);

    // Back to a short text: the designed size returns.
    catalogue->messages.insert(qMakePair(ctx, notice0), QStringLiteral("© 2021 Tavrin"));
    dialog.uiReset();
    QCOMPARE(notice->font().pointSize(), QApplication::font().pointSize());
    QCOMPARE(notice->font().family(), QStringLiteral("Times New Roman"));
}

// With ORVANTA_RENDER_DIR set, writes each dialog with the application style sheet for a
// person to look at.
void TestDialogs::renderForReview()
{
    const QString outDir = qEnvironmentVariable("ORVANTA_RENDER_DIR");
    if (outDir.isEmpty())
        QSKIP("set ORVANTA_RENDER_DIR to render the dialogs");
    QFile sheet(":/qss/default.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    AboutDialog about;
    AstroRefractionDialog refraction;
    PoleTrackingDialog tracking;
    FavoriteDialog favorite;
    const QList<QPair<QWidget *, QString>> dialogs = {
        {&about, "about"}, {&refraction, "refraction"}, {&tracking, "tracking"}, {&favorite, "favorite"}};
    for (const auto &d : dialogs) {
        d.first->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.first));
        QVERIFY(d.first->grab().save(outDir + "/dialog_" + d.second + ".png"));
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
