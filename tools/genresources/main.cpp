// Draws every image the program ships: icons, lamps, arrows, logos, the window
// icon and the two star templates. The output is committed, so this runs only
// when an image has to change:
//     QT_QPA_PLATFORM=offscreen genresources <repo>/resources/images

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QBuffer>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QColor kOrange(224, 134, 26);
const QColor kBronze(147, 102, 57);    // #936639, the selection colour of the style sheet
const QColor kMono(248, 248, 255);
const QColor kArrow(176, 176, 176);

QString gOutDir;

bool save(const QImage &img, const QString &name)
{
    const QString path = gOutDir + "/" + name;
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-32s %dx%d\n", qPrintable(name), img.width(), img.height());
    return true;
}

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// ---------------------------------------------------------------- templates
//
// Drawn pixel by pixel with 4x4 supersampling, so the ring geometry is exact:
// a ring's centre is the centre of the named pixel and its outer radius is the
// pixel distance of the dark outer rim.

struct Ring { int x, y, r; };

struct Accum { double r = 0, g = 0, b = 0, a = 0; };   // premultiplied, 0..1

void addSample(Accum &acc, double r, double g, double b, double a, double weight)
{
    // "over" of this sample's colour on what is already there is not needed:
    // the bands and rings never overlap, so a plain average is exact.
    acc.r += r / 255.0 * a * weight;
    acc.g += g / 255.0 * a * weight;
    acc.b += b / 255.0 * a * weight;
    acc.a += a * weight;
}

// Colour of one sample point for a ring: dark rim, near-white band, dark rim.
bool ringSample(double d, int outer, double &r, double &g, double &b, double &a)
{
    // Boundaries sit on pixel edges along the axes, so the rim pixel at the
    // outer radius and the band pixels inside it come out crisp.
    const double rimOut = outer + 0.5, whiteOut = outer - 0.5, whiteIn = outer - 2.5, rimIn = outer - 3.5;
    if (d >= rimOut || d < rimIn)
        return false;
    if (d >= whiteOut || d < whiteIn) {
        r = 34; g = 42; b = 74; a = 127.0 / 255.0;
        return true;
    }
    // Brightest along the middle of the band, softer at its edges.
    const double mid = (whiteOut + whiteIn) / 2.0;
    const double t = std::min(1.0, std::fabs(d - mid) / 1.0);
    r = 249; g = 249; b = 255; a = (214.0 - 87.0 * t) / 255.0;
    return true;
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by, double &along)
{
    const double dx = bx - ax, dy = by - ay;
    const double len = std::sqrt(dx * dx + dy * dy);
    along = ((px - ax) * dx + (py - ay) * dy) / len;
    const double cx = ax + dx * along / len, cy = ay + dy * along / len;
    return std::hypot(px - cx, py - cy);
}

QImage drawTemplate(int w, int h, const std::vector<Ring> &rings, const std::vector<std::pair<int, int>> &bands)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const int ss = 4;
    const double bandHalf = 2.5, bandGap = 4.0;
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Skip pixels far from everything.
            bool near = false;
            for (const Ring &rg : rings)
                if (std::abs(x - rg.x) <= rg.r + 2 && std::abs(y - rg.y) <= rg.r + 2) { near = true; break; }
            if (!near && bands.empty())
                continue;
            Accum acc;
            const double weight = 1.0 / (ss * ss);
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const double px = x + (sx + 0.5) / ss, py = y + (sy + 0.5) / ss;
                    double r, g, b, a;
                    bool hit = false;
                    for (const Ring &rg : rings) {
                        const double d = std::hypot(px - (rg.x + 0.5), py - (rg.y + 0.5));
                        if (ringSample(d, rg.r, r, g, b, a)) { hit = true; break; }
                    }
                    if (!hit) {
                        for (const auto &bd : bands) {
                            const Ring &ra = rings[bd.first], &rb = rings[bd.second];
                            const double ax = ra.x + 0.5, ay = ra.y + 0.5, bx = rb.x + 0.5, by = rb.y + 0.5;
                            double along;
                            const double dist = segmentDistance(px, py, ax, ay, bx, by, along);
                            const double len = std::hypot(bx - ax, by - ay);
                            if (dist <= bandHalf && along >= ra.r + bandGap && along <= len - rb.r - bandGap) {
                                r = 219; g = 227; b = 187; a = 127.0 / 255.0;
                                hit = true;
                                break;
                            }
                        }
                    }
                    if (hit)
                        addSample(acc, r, g, b, a, weight);
                }
            }
            if (acc.a <= 0.0)
                continue;
            const int ai = qBound(0, int(std::lround(acc.a * 255.0)), 255);
            if (ai == 0)
                continue;
            auto un = [&](double c) { return qBound(0, int(std::lround(c / acc.a * 255.0)), 255); };
            line[x] = qRgba(un(acc.r), un(acc.g), un(acc.b), ai);
        }
    }
    return img;
}

bool makeTemplates()
{
    const std::vector<Ring> north = {
        {445, 217, 11}, {400, 399, 14}, {58, 448, 14}, {648, 494, 11}, {281, 699, 11}, {608, 697, 14},
    };
    const std::vector<Ring> south = {
        {625, 54, 19}, {444, 134, 19}, {400, 336, 19}, {564, 433, 19}, {295, 411, 13}, {227, 404, 15}, {228, 562, 15},
    };
    // The southern quadrilateral that makes the faint field around the pole star easy to find.
    const std::vector<std::pair<int, int>> southBands = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
    return save(drawTemplate(800, 800, north, {}), "north_mask.png")
        && save(drawTemplate(800, 674, south, southBands), "south_mask.png");
}

// ---------------------------------------------------------------- lamps

QImage drawLamp(bool on, bool mono)
{
    const int s = 512;
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s / 2.0, s / 2.0);
    const double bulb = 196;

    const QColor hue = mono ? kMono : kOrange;
    if (on) {
        // Halo: the lamp is lit.
        QRadialGradient halo(c, s / 2.0);
        QColor h0 = hue; h0.setAlpha(170);
        QColor h1 = hue; h1.setAlpha(60);
        QColor h2 = hue; h2.setAlpha(0);
        halo.setColorAt(bulb / (s / 2.0) - 0.02, h0);
        halo.setColorAt(0.86, h1);
        halo.setColorAt(1.0, h2);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, s / 2.0, s / 2.0);

        QRadialGradient core(c + QPointF(-40, -40), bulb * 1.25);
        if (mono) {
            core.setColorAt(0.0, QColor(255, 255, 255));
            core.setColorAt(0.55, QColor(240, 240, 250));
            core.setColorAt(1.0, QColor(170, 172, 190));
        } else {
            core.setColorAt(0.0, QColor(255, 240, 205));
            core.setColorAt(0.45, QColor(246, 170, 60));
            core.setColorAt(1.0, QColor(176, 96, 14));
        }
        p.setBrush(core);
        p.setPen(QPen(mono ? QColor(200, 200, 215) : QColor(255, 190, 110), 10));
        p.drawEllipse(c, bulb, bulb);
    } else {
        QRadialGradient core(c + QPointF(-40, -40), bulb * 1.3);
        if (mono) {
            core.setColorAt(0.0, QColor(104, 104, 110));
            core.setColorAt(1.0, QColor(38, 38, 42));
        } else {
            core.setColorAt(0.0, QColor(104, 88, 72));
            core.setColorAt(1.0, QColor(40, 33, 27));
        }
        p.setBrush(core);
        p.setPen(QPen(mono ? QColor(150, 150, 160) : kBronze, 16));
        p.drawEllipse(c, bulb, bulb);
    }

    // Glass highlight, upper left.
    QRadialGradient shine(c + QPointF(-62, -78), 110);
    shine.setColorAt(0.0, QColor(255, 255, 255, on ? 170 : 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c + QPointF(-62, -78), 110, 80);
    return img;
}

bool makeLamps()
{
    return save(drawLamp(true, false), "lighton_color.png")
        && save(drawLamp(false, false), "lightoff_color.png")
        && save(drawLamp(true, true), "lighton_mono.png")
        && save(drawLamp(false, true), "lightoff_mono.png");
}

// ---------------------------------------------------------------- pole and axis marks

// The pole is shown in the live view as a rectangle, the axis as a circle; the
// panel icons repeat those shapes so the legend reads at a glance.
QImage drawPoleIcon(const QColor &c)
{
    const int s = 25, k = 8;    // drawn 8x larger, then reduced for clean 25 px edges
    QImage big = blank(s * k, s * k);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 5.5, 14, 14));
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 1), QPointF(12.5, 5.5));
    p.drawLine(QPointF(12.5, 19.5), QPointF(12.5, 24));
    p.drawLine(QPointF(1, 12.5), QPointF(5.5, 12.5));
    p.drawLine(QPointF(19.5, 12.5), QPointF(24, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12.5, 12.5), 2.0, 2.0);
    p.end();
    return big.scaled(s, s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage drawCenterIcon(const QColor &c)
{
    const int s = 25, k = 8;
    QImage big = blank(s * k, s * k);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    p.setPen(QPen(c, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12.5, 12.5), 9.5, 9.5);
    p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 6), QPointF(12.5, 19));
    p.drawLine(QPointF(6, 12.5), QPointF(19, 12.5));
    p.end();
    return big.scaled(s, s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool makePanelIcons()
{
    return save(drawPoleIcon(kMono), "pole.png")
        && save(drawPoleIcon(kOrange), "pole_color.png")
        && save(drawCenterIcon(kMono), "center.png")
        && save(drawCenterIcon(kOrange), "center_color.png");
}

// ---------------------------------------------------------------- group head chevrons

QImage drawChevron(bool down)
{
    const int s = 44;
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Shown at 16 px: a 6 px stroke here is a bit over 2 px there.
    p.setPen(QPen(kMono, 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (down) {
        path.moveTo(10, 16); path.lineTo(22, 29); path.lineTo(34, 16);
    } else {
        path.moveTo(16, 10); path.lineTo(29, 22); path.lineTo(16, 34);
    }
    p.drawPath(path);
    return img;
}

bool makeChevrons()
{
    return save(drawChevron(true), "collapse.png") && save(drawChevron(false), "expand.png");
}

// ---------------------------------------------------------------- small arrows

enum class Dir { Up, Down, Left, Right };

QImage drawTriangle(int size, Dir dir, const QColor &c)
{
    const int k = 8;
    const double s = size * k;
    QImage big = blank(size * k, size * k);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double lo = s * 0.12, hi = s * 0.88, a = s * 0.25, b = s * 0.75;
    QPolygonF tri;
    switch (dir) {
    case Dir::Up:    tri << QPointF(lo, b) << QPointF(hi, b) << QPointF(s / 2, a); break;
    case Dir::Down:  tri << QPointF(lo, a) << QPointF(hi, a) << QPointF(s / 2, b); break;
    case Dir::Left:  tri << QPointF(b, lo) << QPointF(b, hi) << QPointF(a, s / 2); break;
    case Dir::Right: tri << QPointF(a, lo) << QPointF(a, hi) << QPointF(b, s / 2); break;
    }
    p.drawPolygon(tri);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool makeArrows()
{
    const QColor hover = kMono;
    return save(drawTriangle(8, Dir::Up, kArrow), "up-arrow.png")
        && save(drawTriangle(8, Dir::Down, kArrow), "down-arrow.png")
        && save(drawTriangle(8, Dir::Left, kArrow), "left-arrow.png")
        && save(drawTriangle(8, Dir::Right, kArrow), "right-arrow.png")
        && save(drawTriangle(8, Dir::Up, hover), "up-arrow_hover.png")
        && save(drawTriangle(8, Dir::Down, hover), "down-arrow_hover.png")
        && save(drawTriangle(8, Dir::Left, hover), "left-arrow_hover.png")
        && save(drawTriangle(8, Dir::Right, hover), "right-arrow_hover.png")
        && save(drawTriangle(10, Dir::Down, QColor(210, 210, 214)), "down-arrow-combox.png")
        && save(drawTriangle(10, Dir::Down, kOrange), "down-arrow-hover-combox.png")
        && save(drawTriangle(10, Dir::Left, QColor(210, 210, 214)), "left-arrow-spinbox.png")
        && save(drawTriangle(10, Dir::Right, QColor(210, 210, 214)), "right-arrow-spinbox.png")
        && save(drawTriangle(10, Dir::Left, kOrange), "left-arrow-hover-spinbox.png")
        && save(drawTriangle(10, Dir::Right, kOrange), "right-arrow-hover-spinbox.png");
}

// ---------------------------------------------------------------- RA direction arrow

QImage drawDirectionArrow()
{
    const int w = 238, h = 171;
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A clockwise arc over the top, the way the RA axis is to be turned.
    const QPointF c(119, 112);
    const double rad = 80;
    const QRectF box(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad);
    const double startDeg = 200, spanDeg = -150;   // Qt angles: counter-clockwise positive
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg);

    // Arrow head at the arc's end, pointing along the clockwise tangent.
    const double endRad = qDegreesToRadians(startDeg + spanDeg);
    const QPointF tip(c.x() + rad * std::cos(endRad), c.y() - rad * std::sin(endRad));
    const QPointF tangent(-std::sin(endRad), -std::cos(endRad));   // clockwise direction on screen
    const QPointF normal(tangent.y(), -tangent.x());
    const double len = 34, half = 22;
    const QPointF headTip = tip + tangent * (len * 0.55);
    QPolygonF head;
    head << headTip << tip - tangent * (len * 0.45) + normal * half << tip - tangent * (len * 0.45) - normal * half;

    // Dark outline first so the arrow reads on bright and dark skies alike.
    const QColor outline(20, 16, 12, 200);
    p.setPen(QPen(outline, 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    p.setPen(QPen(outline, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(outline);
    p.drawPolygon(head);

    QLinearGradient grad(box.topLeft(), box.topRight());
    grad.setColorAt(0.0, QColor(147, 102, 57));
    grad.setColorAt(1.0, QColor(246, 160, 50));
    p.setPen(QPen(QBrush(grad), 13, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 160, 50));
    p.drawPolygon(head);

    QFont f("DejaVu Sans");
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(outline);
    const QRectF label(c.x() - 60, c.y() - 36, 120, 40);
    p.drawText(label.translated(1.5, 1.5), Qt::AlignCenter, "RA");
    p.setPen(kMono);
    p.drawText(label, Qt::AlignCenter, "RA");
    return img;
}

// ---------------------------------------------------------------- application icon

// Circumpolar star trails around a bright pole star: what the program is about.
QImage drawAppIcon(int s)
{
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = s / 256.0;
    const QPointF c(s / 2.0, s / 2.0);

    // Small sizes get a frame on the pixel grid, or its 1 px edge smears.
    const QRectF frame = s <= 32 ? QRectF(0.5, 0.5, s - 1.0, s - 1.0) : QRectF(6 * u, 6 * u, 244 * u, 244 * u);
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0.0, QColor(30, 36, 58));
    sky.setColorAt(1.0, QColor(10, 12, 22));
    p.setPen(QPen(QColor(147, 102, 57), std::max(1.0, 6 * u)));
    p.setBrush(sky);
    p.drawRoundedRect(frame, 48 * u, 48 * u);

    struct Trail { double r, start, span; QColor col; double width; };
    const bool small = s <= 32;
    std::vector<Trail> trails = {
        {96, 30, 150, QColor(224, 134, 26), 9},
        {76, 200, 130, QColor(248, 248, 255, 210), 7},
        {56, 80, 160, QColor(246, 170, 60), 7},
        {36, 250, 140, QColor(248, 248, 255, 180), 6},
    };
    if (small)
        trails.resize(2);
    for (const Trail &t : trails) {
        const double r = t.r * u;
        QPen pen(t.col, std::max(small ? 1.5 : 1.0, t.width * u * (small ? 1.6 : 1.0)), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(t.start * 16), int(t.span * 16));
    }

    // The pole star, slightly off the true pole.
    const QPointF star = c + QPointF(10 * u, -8 * u);
    QRadialGradient glow(star, 30 * u);
    glow.setColorAt(0.0, QColor(255, 255, 255, 255));
    glow.setColorAt(0.25, QColor(255, 236, 200, 220));
    glow.setColorAt(1.0, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(star, 30 * u, 30 * u);

    // Pole cross.
    if (!small) {
        p.setPen(QPen(QColor(224, 134, 26), std::max(1.0, 4 * u), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-14 * u, 0), c + QPointF(14 * u, 0));
        p.drawLine(c + QPointF(0, -14 * u), c + QPointF(0, 14 * u));
    }
    return img;
}

// Writes a multi-size ICO: a 32-bit BGRA bitmap with its AND mask for each
// small size, PNG for the 256 px one.
bool writeIco(const QString &name, const std::vector<int> &sizes)
{
    std::vector<QByteArray> entries;
    for (int s : sizes) {
        const QImage img = drawAppIcon(s).convertToFormat(QImage::Format_ARGB32);
        QByteArray data;
        if (s >= 256) {
            // The large entry as PNG keeps the file small; readers since the
            // 256 px icon era accept it.
            QBuffer buf(&data);
            buf.open(QIODevice::WriteOnly);
            img.save(&buf, "PNG");
            entries.push_back(data);
            continue;
        }
        QDataStream ds(&data, QIODevice::WriteOnly);
        ds.setByteOrder(QDataStream::LittleEndian);
        const int maskStride = ((s + 31) / 32) * 4;
        ds << quint32(40) << qint32(s) << qint32(2 * s) << quint16(1) << quint16(32) << quint32(0)
           << quint32(s * s * 4 + maskStride * s) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
        for (int y = s - 1; y >= 0; --y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < s; ++x)
                ds << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x])) << quint8(qAlpha(line[x]));
        }
        for (int y = s - 1; y >= 0; --y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            QByteArray row(maskStride, '\0');
            for (int x = 0; x < s; ++x)
                if (qAlpha(line[x]) == 0)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            ds.writeRawData(row.constData(), row.size());
        }
        entries.push_back(data);
    }

    QByteArray out;
    QDataStream ds(&out, QIODevice::WriteOnly);
    ds.setByteOrder(QDataStream::LittleEndian);
    ds << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int s = sizes[i];
        ds << quint8(s >= 256 ? 0 : s) << quint8(s >= 256 ? 0 : s) << quint8(0) << quint8(0)
           << quint16(1) << quint16(32) << quint32(entries[i].size()) << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &e : entries)
        ds.writeRawData(e.constData(), e.size());

    QFile f(gOutDir + "/" + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        return false;
    }
    std::printf("%-32s %d sizes, %d bytes\n", qPrintable(name), int(sizes.size()), int(out.size()));
    return true;
}

bool makeAppIcons()
{
    return writeIco("Orvanta.ico", {16, 24, 32, 48, 64, 128, 256})
        && save(drawAppIcon(256), "orvanta.png");
}

// ---------------------------------------------------------------- logos

QImage drawLogo()
{
    // Sits as the background of a 237x50 label at the foot of the #404040 panel.
    const int w = 237, h = 50;
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QImage emblem = drawAppIcon(40);
    p.drawImage(QPointF(14, 5), emblem);

    QFont title("DejaVu Sans");
    title.setPixelSize(22);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(title);
    p.setPen(kMono);
    p.drawText(QRectF(64, 3, 170, 28), Qt::AlignLeft | Qt::AlignVCenter, "ORVANTA");

    QFont sub("DejaVu Sans");
    sub.setPixelSize(10);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(sub);
    p.setPen(kOrange);
    p.drawText(QRectF(65, 30, 170, 14), Qt::AlignLeft | Qt::AlignVCenter, "POLAR ALIGNMENT");
    return img;
}

QImage drawMakerLogo()
{
    // The camera maker's mark for the About dialog (#5D5D5D background).
    const int w = 131, h = 40;
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A lens: two rings and a highlight.
    const QPointF c(20, 20);
    p.setPen(QPen(kOrange, 3.5));
    p.setBrush(QColor(24, 26, 34));
    p.drawEllipse(c, 15, 15);
    p.setPen(QPen(QColor(248, 248, 255, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8.5, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c + QPointF(-3, -3), 2.5, 2.5);

    QFont f("DejaVu Sans");
    f.setPixelSize(21);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(f);
    p.setPen(kMono);
    p.drawText(QRectF(41, 0, 90, 40), Qt::AlignLeft | Qt::AlignVCenter, "TAVRIN");
    return img;
}

bool makeLogos()
{
    return save(drawLogo(), "logo.png") && save(drawMakerLogo(), "tavrin.png")
        && save(drawDirectionArrow(), "direction.png");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    gOutDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(gOutDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = makeTemplates() && makeLamps() && makePanelIcons() && makeChevrons()
        && makeArrows() && makeAppIcons() && makeLogos();
    return ok ? 0 : 1;
}
