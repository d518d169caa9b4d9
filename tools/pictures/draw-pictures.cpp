// Draws Ostrevan's splash, banner and window icon as PNG files into the folder given on
// the command line. make-pictures turns them into the GIF and ICO files the program embeds.
#include <cmath>
#include <cstdio>

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

// Parchment, ink and materials shared by every picture.
const QColor ParchmentLight(247, 236, 206);
const QColor Parchment(236, 219, 178);
const QColor ParchmentDark(214, 187, 136);
const QColor Ink(84, 48, 20);
const QColor InkSoft(122, 80, 42);
const QColor WoodLight(186, 128, 66);
const QColor WoodDark(118, 72, 32);
const QColor Gold(226, 184, 78);
const QColor GoldDark(150, 108, 30);
const QColor Silver(206, 208, 214);
const QColor SilverDark(118, 120, 130);
const QColor Clay(184, 104, 60);
const QColor ClayDark(120, 60, 30);
const QColor Leather(92, 54, 24);
const QColor LeatherDark(52, 28, 10);

// A family that is on the machine, or a clear stop: a silent fallback would change the look.
QFont Face(const char *family, double pixels, int weight = QFont::Normal, bool italic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(int(std::lround(pixels)));
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    // fontconfig may add the foundry: "P052 [urw]".
    const QString found = QFontInfo(font).family();
    if (!found.startsWith(QString::fromLatin1(family), Qt::CaseInsensitive)) {
        std::fprintf(stderr, "draw-pictures: font %s is missing (got %s)\n", family,
                     qPrintable(found));
        std::exit(1);
    }
    return font;
}

const char *Serif = "P052";        // a Palatino cut: book-like capitals
const char *SerifPlain = "C059";   // a Century cut: sturdy at small sizes

void Save(const QImage &image, const QString &folder, const char *name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// Text centred on x with its baseline at y.
void Centred(QPainter &p, const QString &text, double x, double y)
{
    const double width = p.fontMetrics().horizontalAdvance(text);
    p.drawText(QPointF(x - width / 2, y), text);
}

// Text pressed into the parchment: a light edge below right, then the ink.
void Engraved(QPainter &p, const QString &text, double x, double y, const QColor &ink)
{
    p.setPen(ParchmentLight);
    Centred(p, text, x + 1, y + 1);
    p.setPen(ink);
    Centred(p, text, x, y);
}

void Diamond(QPainter &p, QPointF centre, double r, const QColor &fill)
{
    QPolygonF shape{{centre.x(), centre.y() - r}, {centre.x() + r, centre.y()},
                    {centre.x(), centre.y() + r}, {centre.x() - r, centre.y()}};
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(shape);
}

// A rule with a diamond in its middle, between two chapters of the page.
void Divider(QPainter &p, double left, double right, double y)
{
    const double mid = (left + right) / 2;
    p.setPen(QPen(InkSoft, 1));
    p.drawLine(QPointF(left, y), QPointF(mid - 7, y));
    p.drawLine(QPointF(mid + 7, y), QPointF(right, y));
    Diamond(p, {mid, y}, 4, InkSoft);
    Diamond(p, {left, y}, 2, InkSoft);
    Diamond(p, {right, y}, 2, InkSoft);
}

void ParchmentBack(QPainter &p, const QRectF &area, quint32 seed)
{
    QRadialGradient glow(area.center(), area.width() * 0.75);
    glow.setColorAt(0.0, ParchmentLight);
    glow.setColorAt(0.55, Parchment);
    glow.setColorAt(1.0, ParchmentDark);
    p.fillRect(area, glow);
    // A few faint fibres and spots, the same every time.
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        QColor spot = ParchmentDark;
        spot.setAlpha(18 + random.bounded(26));
        p.setBrush(spot);
        const double r = 0.6 + random.bounded(1.6);
        p.drawEllipse(at, r * 1.6, r);
    }
}

// The cubit rule: 24 fingers, every fourth a handbreadth, the twelfth a span.
void CubitRod(QPainter &p, double left, double top, double fingerWidth, double height)
{
    const double width = fingerWidth * 24;
    const QRectF rod(left, top, width, height);
    // Shadow, then the wood.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 50, 70));
    p.drawRoundedRect(rod.translated(2, 2), 2.5, 2.5);
    QLinearGradient wood(rod.topLeft(), rod.bottomLeft());
    wood.setColorAt(0.0, WoodLight.lighter(118));
    wood.setColorAt(0.45, WoodLight);
    wood.setColorAt(1.0, WoodDark);
    p.setBrush(wood);
    p.setPen(QPen(LeatherDark, 1));
    p.drawRoundedRect(rod, 2.5, 2.5);
    // Grain.
    p.setPen(QPen(QColor(110, 66, 28, 60), 1));
    for (double y : {top + height * 0.62, top + height * 0.8})
        p.drawLine(QPointF(left + 4, y), QPointF(left + width - 4, y));

    for (int finger = 1; finger < 24; ++finger) {
        const double x = std::floor(left + finger * fingerWidth) + 0.5;
        double length = height * 0.28;
        if (finger % 4 == 0)
            length = height * 0.55;
        if (finger == 12)
            length = height;
        p.setPen(QPen(LeatherDark, finger % 4 == 0 ? 1.4 : 1.0));
        p.drawLine(QPointF(x, top + 0.5), QPointF(x, top + length));
    }
    // The six handbreadths numbered on the lower half of the rule.
    p.setFont(Face(SerifPlain, height * 0.42, QFont::Bold));
    for (int hand = 0; hand < 6; ++hand) {
        const double x = left + (hand * 4 + 2) * fingerWidth;
        p.setPen(QColor(250, 226, 170, 170));
        Centred(p, QString::number(hand + 1), x + 0.6, top + height - 2.2);
        p.setPen(LeatherDark);
        Centred(p, QString::number(hand + 1), x, top + height - 2.8);
    }
}

// A dimension line with arrow heads and a label breaking it in the middle.
void Dimension(QPainter &p, double left, double right, double y, const QString &label)
{
    p.setFont(Face(Serif, 11.5, QFont::Normal, true));
    const double labelWidth = p.fontMetrics().horizontalAdvance(label) + 10;
    const double mid = (left + right) / 2;
    p.setPen(QPen(InkSoft, 1));
    p.drawLine(QPointF(left + 1, y), QPointF(mid - labelWidth / 2, y));
    p.drawLine(QPointF(mid + labelWidth / 2, y), QPointF(right - 1, y));
    p.drawLine(QPointF(left + 0.5, y - 4), QPointF(left + 0.5, y + 4));
    p.drawLine(QPointF(right - 0.5, y - 4), QPointF(right - 0.5, y + 4));
    p.setBrush(InkSoft);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{{left + 1, y}, {left + 6, y - 2.5}, {left + 6, y + 2.5}});
    p.drawPolygon(QPolygonF{{right - 1, y}, {right - 6, y - 2.5}, {right - 6, y + 2.5}});
    p.setPen(Ink);
    Centred(p, label, mid, y + 4);
}

// A merchant's balance with a weight stone in one pan.
void Balance(QPainter &p, QPointF foot)
{
    const double x = foot.x(), y = foot.y();
    // Base and pillar.
    p.setPen(QPen(LeatherDark, 1));
    QLinearGradient base(QPointF(x - 20, 0), QPointF(x + 20, 0));
    base.setColorAt(0, WoodDark);
    base.setColorAt(0.5, WoodLight);
    base.setColorAt(1, WoodDark);
    p.setBrush(base);
    p.drawRoundedRect(QRectF(x - 20, y - 5, 40, 6), 2, 2);
    p.setPen(QPen(WoodDark, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, y - 5), QPointF(x, y - 52));
    // Beam, tilted a little towards the heavy pan.
    const double tilt = 3;
    const QPointF leftEnd(x - 34, y - 50 + tilt), rightEnd(x + 34, y - 50 - tilt);
    p.setPen(QPen(WoodDark, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(leftEnd, rightEnd);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(x, y - 52), 3.2, 3.2);
    Diamond(p, {x, y - 58}, 3, GoldDark);
    // Cords and pans.
    auto pan = [&](QPointF hook, double drop) {
        const QPointF bowl(hook.x(), hook.y() + drop);
        p.setPen(QPen(InkSoft, 0.8));
        p.drawLine(hook, QPointF(bowl.x() - 11, bowl.y()));
        p.drawLine(hook, QPointF(bowl.x() + 11, bowl.y()));
        QPainterPath dish;
        dish.moveTo(bowl.x() - 13, bowl.y());
        dish.quadTo(bowl.x(), bowl.y() + 10, bowl.x() + 13, bowl.y());
        dish.closeSubpath();
        QLinearGradient shine(QPointF(bowl.x() - 13, 0), QPointF(bowl.x() + 13, 0));
        shine.setColorAt(0, GoldDark);
        shine.setColorAt(0.4, Gold.lighter(115));
        shine.setColorAt(1, GoldDark);
        p.setPen(QPen(GoldDark.darker(130), 0.8));
        p.setBrush(shine);
        p.drawPath(dish);
        return bowl;
    };
    const QPointF heavy = pan(leftEnd, 24);
    pan(rightEnd, 24);
    // The weight stone.
    p.setPen(QPen(QColor(60, 56, 52), 0.8));
    QRadialGradient stone(QPointF(heavy.x() - 2, heavy.y() - 6), 7);
    stone.setColorAt(0, QColor(170, 164, 152));
    stone.setColorAt(1, QColor(96, 90, 82));
    p.setBrush(stone);
    p.drawRoundedRect(QRectF(heavy.x() - 6, heavy.y() - 8, 12, 8.5), 4, 3.5);
}

// A two-handled clay jar for the measures of capacity.
void Jar(QPainter &p, QPointF foot)
{
    const double x = foot.x(), y = foot.y();
    QPainterPath body;
    body.moveTo(x - 5, y - 60);                       // lip
    body.lineTo(x + 5, y - 60);
    body.cubicTo(x + 5, y - 52, x + 7, y - 50, x + 8, y - 48);   // neck
    body.cubicTo(x + 24, y - 42, x + 24, y - 16, x + 8, y - 5);  // belly
    body.lineTo(x + 7, y);                            // foot
    body.lineTo(x - 7, y);
    body.lineTo(x - 8, y - 5);
    body.cubicTo(x - 24, y - 16, x - 24, y - 42, x - 8, y - 48);
    body.cubicTo(x - 7, y - 50, x - 5, y - 52, x - 5, y - 60);
    body.closeSubpath();
    // Handles behind the body.
    p.setPen(QPen(ClayDark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath handles;
    handles.moveTo(x - 6, y - 53);
    handles.cubicTo(x - 20, y - 56, x - 22, y - 44, x - 14, y - 40);
    handles.moveTo(x + 6, y - 53);
    handles.cubicTo(x + 20, y - 56, x + 22, y - 44, x + 14, y - 40);
    p.drawPath(handles);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 50, 60));
    p.drawEllipse(QPointF(x + 3, y + 1), 15, 2.5);
    QRadialGradient glaze(QPointF(x - 6, y - 36), 28);
    glaze.setColorAt(0, Clay.lighter(135));
    glaze.setColorAt(0.6, Clay);
    glaze.setColorAt(1, ClayDark);
    p.setBrush(glaze);
    p.setPen(QPen(ClayDark.darker(130), 1));
    p.drawPath(body);
    // Painted bands.
    p.setPen(QPen(LeatherDark, 1.2));
    p.setClipPath(body);
    p.drawLine(QPointF(x - 22, y - 38), QPointF(x + 22, y - 38));
    p.drawLine(QPointF(x - 22, y - 35), QPointF(x + 22, y - 35));
    p.setPen(QPen(LeatherDark, 1));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(x + i * 5 - 2, y - 31), QPointF(x + i * 5 + 2, y - 27));
    p.setClipping(false);
    p.setPen(QPen(ClayDark.darker(140), 1));
    p.setBrush(Clay.darker(115));
    p.drawEllipse(QPointF(x, y - 60), 5.5, 1.6);
}

// A coin lying flat, seen a little from above.
void Coin(QPainter &p, QPointF centre, double r, const QColor &face, const QColor &edge)
{
    p.setPen(QPen(edge.darker(120), 0.8));
    p.setBrush(edge);
    p.drawEllipse(QPointF(centre.x(), centre.y() + 2), r, r * 0.42);
    QRadialGradient shine(QPointF(centre.x() - r * 0.4, centre.y() - r * 0.15), r * 1.2);
    shine.setColorAt(0, face.lighter(125));
    shine.setColorAt(1, face);
    p.setBrush(shine);
    p.drawEllipse(centre, r, r * 0.42);
    p.setPen(QPen(edge, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.66, r * 0.27);
}

// A coin standing up, its face turned to the viewer.
void StandingCoin(QPainter &p, QPointF centre, double r, const QColor &face, const QColor &edge)
{
    p.setPen(QPen(edge.darker(120), 0.9));
    QRadialGradient shine(QPointF(centre.x() - r * 0.35, centre.y() - r * 0.35), r * 1.3);
    shine.setColorAt(0, face.lighter(128));
    shine.setColorAt(1, face);
    p.setBrush(shine);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(edge, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.72, r * 0.72);
    // A sheaf of barley on its face, as on old shekels.
    p.setPen(QPen(edge.darker(110), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x(), centre.y() + r * 0.5), QPointF(centre.x(), centre.y() - r * 0.45));
    for (int i = 0; i < 3; ++i) {
        const double yy = centre.y() - r * 0.35 + i * r * 0.25;
        p.drawLine(QPointF(centre.x(), yy + r * 0.12), QPointF(centre.x() - r * 0.22, yy));
        p.drawLine(QPointF(centre.x(), yy + r * 0.12), QPointF(centre.x() + r * 0.22, yy));
    }
}

QImage Splash()
{
    QImage image(287, 274, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, 287, 274);
    ParchmentBack(p, all, 1447);

    // A double border with corner diamonds.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 2));
    p.drawRect(all.adjusted(4, 4, -4, -4));
    p.setPen(QPen(InkSoft, 0.8));
    p.drawRect(all.adjusted(8.5, 8.5, -8.5, -8.5));
    for (QPointF corner : {QPointF(8.5, 8.5), QPointF(278.5, 8.5), QPointF(8.5, 265.5),
                           QPointF(278.5, 265.5)})
        Diamond(p, corner, 4.5, Ink);

    const double mid = 143.5;
    p.setFont(Face(Serif, 44, QFont::Bold));
    Engraved(p, QStringLiteral("Ostrevan"), mid, 58, Ink);
    p.setFont(Face(Serif, 15.5, QFont::Normal, true));
    Engraved(p, QStringLiteral("Biblical Weights & Measures"), mid, 81, InkSoft);
    Divider(p, 40, 247, 94);

    // One cubit, in its fingers, handbreadths and spans.
    const double fingerWidth = 10, rodLeft = mid - 12 * fingerWidth;
    Dimension(p, rodLeft, rodLeft + 24 * fingerWidth, 112, QStringLiteral("one cubit"));
    CubitRod(p, rodLeft, 121, fingerWidth, 17);
    p.setFont(Face(Serif, 10.5, QFont::Normal, true));
    p.setPen(InkSoft);
    Centred(p, QStringLiteral("2 spans  \u00b7  6 handbreadths  \u00b7  24 fingers"), mid, 153);

    // Weights, money and capacity.
    Balance(p, {70, 230});
    Coin(p, {134, 227}, 11, Silver, SilverDark);
    Coin(p, {136, 221}, 11, Gold, GoldDark);
    Coin(p, {134, 215}, 11, Silver, SilverDark);
    Coin(p, {137, 209}, 11, Gold, GoldDark);
    StandingCoin(p, {161, 213}, 13, Gold, GoldDark);
    Jar(p, {221, 231});

    Divider(p, 40, 247, 240);
    p.setFont(Face(Serif, 12, QFont::DemiBold));
    p.setPen(Ink);
    QFont spaced = p.font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(spaced);
    Centred(p, QStringLiteral("OLD & NEW TESTAMENT"), mid, 257);
    return image;
}

QImage Banner()
{
    QImage image(300, 31, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, 300, 31);
    QLinearGradient leather(all.topLeft(), all.bottomLeft());
    leather.setColorAt(0, Leather.lighter(125));
    leather.setColorAt(0.5, Leather);
    leather.setColorAt(1, LeatherDark);
    p.fillRect(all, leather);
    p.setPen(QPen(Gold, 1));
    p.drawLine(QPointF(0, 2.5), QPointF(300, 2.5));
    p.drawLine(QPointF(0, 28.5), QPointF(300, 28.5));
    p.setPen(QPen(LeatherDark, 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));

    // The maker's mark: a small rule on a parchment seal.
    const QPointF seal(16, 15.5);
    QRadialGradient wax(seal - QPointF(2, 2), 11);
    wax.setColorAt(0, ParchmentLight);
    wax.setColorAt(1, ParchmentDark);
    p.setPen(QPen(Gold, 1.2));
    p.setBrush(wax);
    p.drawEllipse(seal, 9.5, 9.5);
    p.setPen(QPen(WoodDark, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(seal + QPointF(-5.5, 4.5), seal + QPointF(5.5, -4.5));
    p.setPen(QPen(LeatherDark, 0.8));
    for (int i = -2; i <= 2; ++i) {
        const QPointF at = seal + QPointF(i * 2.2, -i * 1.8);
        p.drawLine(at, at + QPointF(1.6, 2.0));
    }

    p.setFont(Face(Serif, 19, QFont::Bold));
    p.setPen(LeatherDark);
    p.drawText(QPointF(33 + 1, 22 + 1), QStringLiteral("Veltrane"));
    p.setPen(Gold);
    p.drawText(QPointF(33, 22), QStringLiteral("Veltrane"));
    const double after = 33 + p.fontMetrics().horizontalAdvance(QStringLiteral("Veltrane"));

    Diamond(p, {after + 9, 15.5}, 3, Gold);
    p.setFont(Face(Serif, 15, QFont::Normal, true));
    p.setPen(ParchmentLight);
    p.drawText(QPointF(after + 18, 21), QStringLiteral("Freeware"));

    p.setFont(Face(SerifPlain, 10.5));
    p.setPen(Parchment);
    const QString more = QStringLiteral("click here for more \u00bb");
    p.drawText(QPointF(292 - p.fontMetrics().horizontalAdvance(more), 20), more);
    return image;
}

// The window icon: a parchment leaf with the title's letter over a cubit rule.
QImage Icon32()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(Parchment);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 3, 3);
    p.setFont(Face(Serif, 22, QFont::Bold));
    p.setPen(Ink);
    Centred(p, QStringLiteral("O"), 16, 19);
    const QRectF rod(4, 22, 24, 6);
    p.setPen(QPen(LeatherDark, 1));
    p.setBrush(WoodLight);
    p.drawRect(rod.adjusted(0.5, 0.5, -0.5, -0.5));
    for (int i = 1; i < 6; ++i) {
        const double x = rod.left() + i * 4 + 0.5;
        p.drawLine(QPointF(x, rod.top()), QPointF(x, rod.top() + (i == 3 ? 6.0 : 3.5)));
    }
    p.end();
    // An icon's mask has one bit a pixel: a smoothed edge is either in or out.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y, c.alpha() < 128 ? QColor(Qt::transparent)
                                                      : QColor(c.red(), c.green(), c.blue()));
        }
    return image;
}

// At 16 pixels smoothing only blurs: the same picture set pixel by pixel.
QImage Icon16()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(1, 1, 14, 14, Parchment);
    p.fillRect(1, 0, 14, 1, Ink);
    p.fillRect(1, 15, 14, 1, Ink);
    p.fillRect(0, 1, 1, 14, Ink);
    p.fillRect(15, 1, 1, 14, Ink);
    // The letter O: thick sides, thin top and bottom.
    p.fillRect(6, 2, 4, 1, Ink);
    p.fillRect(5, 3, 2, 1, Ink);
    p.fillRect(9, 3, 2, 1, Ink);
    p.fillRect(4, 4, 2, 3, Ink);
    p.fillRect(10, 4, 2, 3, Ink);
    p.fillRect(5, 7, 2, 1, Ink);
    p.fillRect(9, 7, 2, 1, Ink);
    p.fillRect(6, 8, 4, 1, Ink);
    // The rule.
    p.fillRect(2, 10, 12, 4, LeatherDark);
    p.fillRect(3, 11, 10, 2, WoodLight);
    p.fillRect(5, 11, 1, 1, LeatherDark);
    p.fillRect(8, 11, 1, 2, LeatherDark);
    p.fillRect(10, 11, 1, 1, LeatherDark);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    Save(Splash(), folder, "splash.png");
    Save(Banner(), folder, "banner.png");
    Save(Icon32(), folder, "icon32.png");
    Save(Icon16(), folder, "icon16.png");
    return 0;
}
