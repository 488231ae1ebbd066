// The round loupe over the live image: geometry, centre clamping, cut-out
// and what it paints.
#include "widgets/magnifierwidget.h"

#include <QImage>
#include <QPalette>
#include <QPainter>
#include <QtTest>

class TestMagnifier : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void setters();
    void clampsCentre_data();
    void clampsCentre();
    void cutOutFollowsTheCentre();
    void paintsEnlargedImageRingsAndCross();
    void paintsWithoutImage();

private:
    static QPixmap frame(int w, int h, QColor fill);
};

QPixmap TestMagnifier::frame(int w, int h, QColor fill)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return QPixmap::fromImage(image);
}

void TestMagnifier::construction()
{
    MagnifierWidget plain;
    QCOMPARE(plain.geometry(), QRect(2, 2, 122, 122));
    QCOMPARE(plain.center(), QPoint(20, 20));
    MagnifierWidget sized(150, 150);
    QCOMPARE(sized.geometry(), QRect(2, 2, 152, 152));
}

void TestMagnifier::setters()
{
    MagnifierWidget m(150, 150);
    m.setMagnification(5.0f);
    // A zero or negative factor would give an infinite cut-out: ignored.
    m.setMagnification(0.0f);
    m.setMagnification(-2.0f);
    QCOMPARE(m.magnificationFactor(), 5.0f);

    // The magnifier keeps its own copy of the image.
    QPixmap shown = frame(64, 48, Qt::blue);
    m.setPixmap(shown);
    {
        QPainter p(&shown);
        p.fillRect(shown.rect(), Qt::red);
    }
    QCOMPARE(m.source().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

void TestMagnifier::clampsCentre_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QPoint>("requested");
    QTest::addColumn<QPoint>("painted");

    // main window's loupe: 150 / 5 = side 30, half 15
    QTest::newRow("top-left corner") << 150 << 5.0f << QPoint(5, 5) << QPoint(15, 15);
    QTest::newRow("inside") << 150 << 5.0f << QPoint(640, 480) << QPoint(640, 480);
    QTest::newRow("on the limit") << 150 << 5.0f << QPoint(15, 945) << QPoint(15, 945);
    QTest::newRow("bottom-right") << 150 << 5.0f << QPoint(1279, 959) << QPoint(1265, 945);
    QTest::newRow("left edge only") << 150 << 5.0f << QPoint(0, 500) << QPoint(15, 500);
    QTest::newRow("negative") << 150 << 5.0f << QPoint(-40, -3) << QPoint(15, 15);
    // default loupe: 120 / 3 = side 40, half 20
    QTest::newRow("default factor") << 120 << 3.0f << QPoint(1, 2000) << QPoint(20, 940);
    // 120 / 7 = 17.1 -> side 17, half 8
    QTest::newRow("truncated side") << 120 << 7.0f << QPoint(0, 0) << QPoint(8, 8);
}

void TestMagnifier::clampsCentre()
{
    QFETCH(int, view);
    QFETCH(float, factor);
    QFETCH(QPoint, requested);
    QFETCH(QPoint, painted);

    MagnifierWidget m(view, view);
    m.setMagnification(factor);
    m.setPixmap(frame(1280, 960, Qt::darkGray));
    m.setCenter(requested.x(), requested.y());
    m.grab();
    QCOMPARE(m.center(), painted);
    // The clamped centre is kept, so a second paint changes nothing.
    m.grab();
    QCOMPARE(m.center(), painted);
}

void TestMagnifier::cutOutFollowsTheCentre()
{
    QImage image(1280, 960, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 40 + (y / 256)));
    const QPixmap source = QPixmap::fromImage(image);

    MagnifierWidget m(150, 150);
    m.setMagnification(5.0f);
    m.setPixmap(source);
    m.setCenter(300, 200);
    m.grab();
    QCOMPARE(m.zoomed().size(), QSize(30, 30));
    QCOMPARE(m.zoomed().toImage().convertToFormat(QImage::Format_RGB32), image.copy(285, 185, 30, 30));

    m.setCenter(2, 950);
    m.grab();
    QCOMPARE(m.zoomed().toImage().convertToFormat(QImage::Format_RGB32), image.copy(0, 930, 30, 30));
}

void TestMagnifier::paintsEnlargedImageRingsAndCross()
{
    // A dark blue image with one red pixel under the pointer and one yellow
    // pixel three source pixels to the right and below.
    QImage image(1280, 960, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 90));
    image.setPixel(400, 300, qRgb(255, 0, 0));
    image.setPixel(403, 303, qRgb(255, 255, 0));

    MagnifierWidget m(150, 150);
    m.setMagnification(5.0f);
    m.setPixmap(QPixmap::fromImage(image));
    m.setCenter(400, 300);
    // A black backdrop so the light rings cannot be mistaken for it.
    QPalette palette = m.palette();
    palette.setColor(QPalette::Window, Qt::black);
    m.setPalette(palette);
    const QImage shot = m.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(152, 152));

    auto at = [&](int x, int y) { return QColor(shot.pixel(x, y)); };

    // The red pixel fills the 5x5 block at (75..79, 75..79); the cross
    // covers its top and left edges, the rest stays red.
    QCOMPARE(at(78, 78), QColor(255, 0, 0));
    QCOMPARE(at(77, 79), QColor(255, 0, 0));
    // The yellow pixel lands 15 widget pixels further on.
    QCOMPARE(at(92, 92), QColor(255, 255, 0));
    // Plain image elsewhere inside the circle.
    QCOMPARE(at(40, 100), QColor(0, 0, 90));
    QCOMPARE(at(110, 40), QColor(0, 0, 90));

    // Green cross, 8 pixels either side of (75, 75), antialiased over two
    // rows (columns); beyond its ends the image shows again.
    for (QPoint p : { QPoint(68, 75), QPoint(82, 75), QPoint(75, 68), QPoint(75, 82) }) {
        const QColor c = at(p.x(), p.y());
        QVERIFY2(c.green() > 100 && c.red() < 40,
                 qPrintable(QStringLiteral("cross at %1,%2: %3").arg(p.x()).arg(p.y()).arg(c.name())));
    }
    QCOMPARE(at(62, 75), QColor(0, 0, 90));
    QCOMPARE(at(75, 88), QColor(0, 0, 90));

    // Rings: each ellipse is filled again with the image, so of the four
    // rings the outer rim stays bright and the next row is a blend.
    auto brightness = [&](int x, int y) { return qGray(shot.pixel(x, y)); };
    const int imageGray = qGray(qRgb(0, 0, 90));
    QVERIFY2(brightness(75, 0) > 200, qPrintable(at(75, 0).name()));
    QVERIFY2(brightness(75, 1) > imageGray + 40, qPrintable(at(75, 1).name()));
    QVERIFY(brightness(0, 75) > 150 && brightness(150, 75) > 150 && brightness(75, 150) > 150);
    QVERIFY(at(75, 5).blue() == 90 && at(75, 5).red() == 0);
    // The corner lies outside every ring: backdrop only.
    QCOMPARE(at(3, 3), QColor(Qt::black));
}

void TestMagnifier::paintsWithoutImage()
{
    // Before the first frame there is nothing to enlarge; painting must
    // still work and show the rings.
    MagnifierWidget m(150, 150);
    m.setMagnification(5.0f);
    QPalette palette = m.palette();
    palette.setColor(QPalette::Window, Qt::black);
    m.setPalette(palette);
    const QImage shot = m.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(qGray(shot.pixel(75, 0)) > 200);
    QVERIFY(qGray(shot.pixel(0, 75)) > 200);
    QCOMPARE(QColor(shot.pixel(40, 40)), QColor(Qt::black)); // nothing filled
    QVERIFY(qGray(shot.pixel(70, 75)) > 50); // the cross still shows
    QVERIFY(m.zoomed().isNull());
}

QTEST_MAIN(TestMagnifier)
#include "test_magnifier.moc"
