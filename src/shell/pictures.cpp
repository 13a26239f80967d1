#include "pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <iterator>
#include <map>
#include <numbers>

namespace pictures {
namespace {

// Pixel sizes the login window, the main window and the printed page are laid out for.
constexpr QSize kLoginSize{653, 255};
constexpr QSize kMainSize{1171, 608};
constexpr QSize kHeaderSize{997, 194};
constexpr QSize kIconSize{32, 32};

// One stroke width for every toolbar icon keeps the toolbar even.
constexpr qreal kStroke = 1.5;
// Strokes of the large pictures, scaled to their size.
constexpr qreal kBannerStroke = 2.0;
constexpr qreal kIllustrationStroke = 2.5;

// Share of a sheet's shorter side taken by its folded corner.
constexpr qreal kFoldRatio = 0.3;
// Depth of a box seen three-quarters, as a share of its width.
constexpr qreal kBoxDepthRatio = 0.25;

const QColor kInk = QColor::fromRgb(0x2b3a4a);
const QColor kPaper = QColor::fromRgb(0xffffff);
const QColor kPaperShade = QColor::fromRgb(0xd5dde6);
const QColor kLine = QColor::fromRgb(0x8a9aab);
const QColor kNavy = QColor::fromRgb(0x1b4f8a);
const QColor kBlue = QColor::fromRgb(0x3b7dd8);
const QColor kSky = QColor::fromRgb(0xa9d0f5);
const QColor kTeal = QColor::fromRgb(0x1fa39a);
const QColor kTealDark = QColor::fromRgb(0x15736d);
const QColor kGreen = QColor::fromRgb(0x35a04f);
const QColor kRed = QColor::fromRgb(0xd64541);
const QColor kGold = QColor::fromRgb(0xf2c14e);
const QColor kGoldDark = QColor::fromRgb(0xc9922a);
const QColor kSteel = QColor::fromRgb(0x8a96a3);
const QColor kSteelLight = QColor::fromRgb(0xc9d1da);
const QColor kCharcoal = QColor::fromRgb(0x4a5866);
const QColor kBurgundy = QColor::fromRgb(0x8e3b46);
const QColor kMist = QColor::fromRgb(0xeef5f8);

struct BoxColours {
    QColor front;
    QColor top;
    QColor side;
    QColor tape;
};

const BoxColours kKraft{
    QColor::fromRgb(0xd9a35b), QColor::fromRgb(0xecc58a), QColor::fromRgb(0xb98340), QColor::fromRgb(0xf3dcb0)};
// Pale boxes for the blue-teal backgrounds; opaque so stacked boxes hide each other.
const BoxColours kFrosted{
    QColor::fromRgb(0x4f9fb2), QColor::fromRgb(0x82c6cf), QColor::fromRgb(0x3a8697), QColor::fromRgb(0xb2e2e4)};

QFont uiFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QPen roundPen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen inkPen(qreal width = kStroke)
{
    return roundPen(kInk, width);
}

// ---------------------------------------------------------------- shared shapes

// A sheet of paper with a folded top-right corner.
void drawSheet(QPainter &p, const QRectF &r, const QPen &outline, const QColor &paper = kPaper)
{
    const qreal fold = std::min(r.width(), r.height()) * kFoldRatio;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(outline);
    p.setBrush(paper);
    p.drawPath(sheet);

    const QPolygonF ear{QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
        QPointF(r.right(), r.top() + fold)};
    p.setBrush(kPaperShade);
    p.drawPolygon(ear);
}

// Evenly spaced text lines inside an area; the last one shorter, like the end of a paragraph.
void drawTextLines(QPainter &p, const QRectF &area, int count, const QPen &pen)
{
    p.setPen(pen);
    const qreal step = count > 1 ? area.height() / (count - 1) : 0;
    for (int i = 0; i < count; ++i) {
        const qreal y = area.top() + i * step;
        const qreal right = (i == count - 1 && count > 2) ? area.left() + area.width() * 0.6 : area.right();
        p.drawLine(QPointF(area.left(), y), QPointF(right, y));
    }
}

// A cardboard box seen three-quarters; r bounds the whole box.
void drawBox(QPainter &p, const QRectF &r, const QPen &outline, const BoxColours &colours = kKraft)
{
    const qreal depth = r.width() * kBoxDepthRatio;
    const QRectF front(r.left(), r.top() + depth, r.width() - depth, r.height() - depth);
    const QPointF back(depth, -depth);

    const QPolygonF top{front.topLeft(), front.topRight(), front.topRight() + back, front.topLeft() + back};
    const QPolygonF side{front.topRight(), front.topRight() + back, front.bottomRight() + back, front.bottomRight()};

    p.setPen(outline);
    p.setBrush(colours.front);
    p.drawRect(front);
    p.setBrush(colours.side);
    p.drawPolygon(side);
    p.setBrush(colours.top);
    p.drawPolygon(top);

    // Packing tape across the lid and down the front.
    const qreal tape = front.width() * 0.16;
    const qreal mid = front.center().x();
    const QPolygonF lidTape{QPointF(mid - tape / 2, front.top()), QPointF(mid + tape / 2, front.top()),
        QPointF(mid + tape / 2, front.top()) + back, QPointF(mid - tape / 2, front.top()) + back};
    const QRectF frontTape(mid - tape / 2, front.top(), tape, front.height() * 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.tape);
    p.drawPolygon(lidTape);
    p.drawRect(frontTape);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(top);
    p.drawRect(front);
}

// A floppy disk: the universal "save" sign.
void drawDisk(QPainter &p, const QRectF &r, const QPen &outline)
{
    const qreal chamfer = r.width() * 0.18;
    const qreal radius = r.width() * 0.08;
    QPainterPath body;
    body.moveTo(r.left() + radius, r.top());
    body.lineTo(r.right() - chamfer, r.top());
    body.lineTo(r.right(), r.top() + chamfer);
    body.lineTo(r.right(), r.bottom() - radius);
    body.quadTo(r.bottomRight(), QPointF(r.right() - radius, r.bottom()));
    body.lineTo(r.left() + radius, r.bottom());
    body.quadTo(r.bottomLeft(), QPointF(r.left(), r.bottom() - radius));
    body.lineTo(r.left(), r.top() + radius);
    body.quadTo(r.topLeft(), QPointF(r.left() + radius, r.top()));
    p.setPen(outline);
    p.setBrush(kNavy);
    p.drawPath(body);

    const QRectF shutter(r.left() + r.width() * 0.25, r.top(), r.width() * 0.45, r.height() * 0.32);
    p.setBrush(kSteelLight);
    p.drawRect(shutter);
    p.setBrush(kCharcoal);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(shutter.left() + shutter.width() * 0.6, shutter.top() + shutter.height() * 0.2,
        shutter.width() * 0.22, shutter.height() * 0.6));

    const QRectF label(r.left() + r.width() * 0.16, r.top() + r.height() * 0.5, r.width() * 0.68, r.height() * 0.42);
    p.setPen(outline);
    p.setBrush(kPaper);
    p.drawRect(label);
}

// A coin seen face on, optionally stamped with a letter.
void drawCoin(QPainter &p, const QPointF &centre, qreal radius, const QPen &outline, const QString &letter = {})
{
    p.setPen(outline);
    p.setBrush(kGold);
    p.drawEllipse(centre, radius, radius);
    p.setPen(roundPen(kGoldDark, outline.widthF()));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.72, radius * 0.72);
    if (!letter.isEmpty()) {
        p.setFont(uiFont(qRound(radius * 1.1), QFont::Bold));
        p.setPen(kInk);
        p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter, letter);
    }
}

// A round badge in a corner of an icon, carrying a sign.
void drawBadge(QPainter &p, const QPointF &centre, qreal radius, const QColor &fill)
{
    p.setPen(inkPen());
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void drawBadgeLetter(QPainter &p, const QPointF &centre, qreal radius, const QColor &fill, const QString &letter)
{
    drawBadge(p, centre, radius, fill);
    p.setFont(uiFont(qRound(radius * 1.45), QFont::Bold));
    p.setPen(kPaper);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter, letter);
}

// Head and shoulders; unit is the width of the shoulders.
void drawPerson(QPainter &p, const QPointF &head, qreal unit, const QColor &shirt, const QPen &outline)
{
    const qreal headRadius = unit * 0.24;
    const qreal top = head.y() + headRadius + unit * 0.08;
    const qreal bottom = top + unit * 0.62;
    const qreal left = head.x() - unit / 2;
    const qreal right = head.x() + unit / 2;
    const qreal round = unit * 0.38;
    QPainterPath body;
    body.moveTo(left, bottom);
    body.lineTo(left, top + round);
    body.quadTo(left, top, left + round, top);
    body.lineTo(right - round, top);
    body.quadTo(right, top, right, top + round);
    body.lineTo(right, bottom);
    body.closeSubpath();
    p.setPen(outline);
    p.setBrush(shirt);
    p.drawPath(body);
    p.setBrush(QColor::fromRgb(0xf6d7b8));
    p.drawEllipse(head, headRadius, headRadius);
}

// A block arrow from one point to another.
void drawArrow(QPainter &p, const QPointF &from, const QPointF &to, qreal shaft, qreal head, const QColor &fill,
    const QPen &outline)
{
    const QLineF line(from, to);
    const qreal length = line.length();
    const qreal headLength = head * 0.8;
    const QPolygonF local{QPointF(0, -shaft / 2), QPointF(length - headLength, -shaft / 2),
        QPointF(length - headLength, -head / 2), QPointF(length, 0), QPointF(length - headLength, head / 2),
        QPointF(length - headLength, shaft / 2), QPointF(0, shaft / 2)};
    QTransform placement;
    placement.translate(from.x(), from.y());
    placement.rotate(-line.angle());
    p.setPen(outline);
    p.setBrush(fill);
    p.drawPolygon(placement.map(local));
}

// An arc ending in an arrow head; angles in degrees, counter-clockwise as Qt measures them.
void drawCircularArrow(QPainter &p, const QPointF &centre, qreal radius, qreal startAngle, qreal spanAngle, qreal width,
    const QColor &colour)
{
    const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(bounds, startAngle);
    arc.arcTo(bounds, startAngle, spanAngle);

    // Outline first, then the colour inside it, so the arc reads like the block arrows.
    QPen rim = inkPen(width + 2 * kStroke);
    rim.setCapStyle(Qt::FlatCap);
    p.setBrush(Qt::NoBrush);
    p.setPen(rim);
    p.drawPath(arc);
    QPen fill = roundPen(colour, width);
    fill.setCapStyle(Qt::FlatCap);
    p.setPen(fill);
    p.drawPath(arc);

    const qreal endAngle = qDegreesToRadians(startAngle + spanAngle);
    const QPointF tip(centre.x() + radius * qCos(endAngle), centre.y() - radius * qSin(endAngle));
    // Direction of travel along the arc at its end.
    const qreal sign = spanAngle >= 0 ? 1 : -1;
    const QPointF tangent(-qSin(endAngle) * sign, -qCos(endAngle) * sign);
    const QPointF normal(qCos(endAngle), -qSin(endAngle));
    const qreal head = width * 1.7;
    const QPolygonF arrowHead{tip + normal * head, tip + tangent * head * 1.3, tip - normal * head};
    p.setPen(inkPen());
    p.setBrush(colour);
    p.drawPolygon(arrowHead);
}

QPixmap paintIcon(void (*paint)(QPainter &))
{
    QPixmap pixmap(kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    return pixmap;
}

// ---------------------------------------------------------------- toolbar icons

void iconProducts(QPainter &p)
{
    const QRectF box(3, 4, 26, 25);
    drawBox(p, box, inkPen());
    // Bar-code label: the box is an article of the catalogue.
    const QRectF label(5.5, 19.5, 9, 6.5);
    p.setPen(inkPen(1.0));
    p.setBrush(kPaper);
    p.drawRect(label);
    p.setPen(QPen(kInk, 1.0));
    for (qreal x : {7.0, 8.5, 10.5, 11.5, 13.0})
        p.drawLine(QPointF(x, label.top() + 1.5), QPointF(x, label.bottom() - 1.5));
}

void iconPartners(QPainter &p)
{
    drawPerson(p, QPointF(21, 8.5), 14, kTeal, inkPen());
    drawPerson(p, QPointF(12, 12), 16, kBlue, inkPen());
}

void iconReceptions(QPainter &p)
{
    drawBox(p, QRectF(3, 11, 26, 19), inkPen());
    drawArrow(p, QPointF(13.5, 1.5), QPointF(13.5, 17.5), 5, 11, kGreen, inkPen());
}

void iconDeliveries(QPainter &p)
{
    const QRectF cargo(1.5, 7.5, 19, 15);
    p.setPen(inkPen());
    p.setBrush(kKraft.front);
    p.drawRoundedRect(cargo, 1.5, 1.5);
    p.setPen(roundPen(kKraft.side, kStroke));
    p.drawLine(QPointF(cargo.left() + 3, cargo.center().y()), QPointF(cargo.right() - 3, cargo.center().y()));

    QPainterPath cab;
    cab.moveTo(20.5, 11.5);
    cab.lineTo(26, 11.5);
    cab.lineTo(30.5, 17);
    cab.lineTo(30.5, 22.5);
    cab.lineTo(20.5, 22.5);
    cab.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(kBlue);
    p.drawPath(cab);
    const QPolygonF window{QPointF(22.5, 13.5), QPointF(25.2, 13.5), QPointF(28, 17), QPointF(22.5, 17)};
    p.setBrush(kSky);
    p.drawPolygon(window);

    for (const QPointF wheel : {QPointF(7.5, 24.5), QPointF(25, 24.5)}) {
        p.setPen(inkPen());
        p.setBrush(kCharcoal);
        p.drawEllipse(wheel, 3.8, 3.8);
        p.setBrush(kSteelLight);
        p.setPen(Qt::NoPen);
        p.drawEllipse(wheel, 1.4, 1.4);
    }
}

void iconSalesInvoice(QPainter &p)
{
    const QRectF sheet(4.5, 1.5, 20, 27);
    drawSheet(p, sheet, inkPen());
    p.setPen(roundPen(kBlue, 2.5));
    p.drawLine(QPointF(8, 6.5), QPointF(16, 6.5));
    drawTextLines(p, QRectF(8, 11.5, 13, 9), 4, roundPen(kLine, kStroke));
    drawCoin(p, QPointF(23.5, 23.5), 7.5, inkPen(), QStringLiteral("D"));
}

void iconProforma(QPainter &p)
{
    const QRectF sheet(4.5, 1.5, 20, 27);
    drawSheet(p, sheet, inkPen());
    QPen dashed = roundPen(kLine, kStroke);
    dashed.setCapStyle(Qt::FlatCap);
    dashed.setDashPattern({2, 1.5});
    drawTextLines(p, QRectF(8, 7.5, 13, 13), 5, dashed);
    drawBadgeLetter(p, QPointF(23.5, 23.5), 7.5, kBlue, QStringLiteral("P"));
}

void iconStockAdjustment(QPainter &p)
{
    drawBox(p, QRectF(1.5, 9, 22, 21), inkPen());
    drawBadge(p, QPointF(25, 7), 6, kGreen);
    drawBadge(p, QPointF(25, 23), 6, kRed);
    p.setPen(roundPen(kPaper, 2.0));
    p.drawLine(QPointF(22, 7), QPointF(28, 7));
    p.drawLine(QPointF(25, 4), QPointF(25, 10));
    p.drawLine(QPointF(22, 23), QPointF(28, 23));
}

void iconStockJournal(QPainter &p)
{
    const QRectF ledger(2.5, 1.5, 22, 27);
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(ledger, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawRect(QRectF(ledger.left() + 0.75, ledger.top() + 0.75, ledger.width() - 1.5, 4.5));
    const QPen rule(kLine, 1.0);
    p.setPen(rule);
    for (qreal y = 10.5; y < ledger.bottom() - 1; y += 4)
        p.drawLine(QPointF(ledger.left() + 1, y), QPointF(ledger.right() - 1, y));
    p.drawLine(QPointF(9.5, ledger.top() + 5), QPointF(9.5, ledger.bottom() - 1));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(ledger, 1.5, 1.5);
    drawBox(p, QRectF(15, 15, 16, 15), inkPen());
}

void iconCashRegister(QPainter &p)
{
    // Display on its post, behind the body.
    p.setPen(inkPen());
    p.setBrush(kCharcoal);
    p.drawRect(QRectF(19, 6.5, 3, 5));
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(15.5, 2, 13, 6), 1, 1);

    const QPolygonF keyboard{QPointF(6, 11.5), QPointF(26, 11.5), QPointF(28.5, 19), QPointF(3.5, 19)};
    p.setBrush(kSteelLight);
    p.drawPolygon(keyboard);
    p.setPen(Qt::NoPen);
    p.setBrush(kCharcoal);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawRect(QRectF(7.5 + col * 3.6 - row * 0.8, 13 + row * 3, 2.2, 1.6));

    const QRectF drawer(2.5, 19, 27, 10);
    p.setPen(inkPen());
    p.setBrush(kBlue);
    p.drawRoundedRect(drawer, 1.5, 1.5);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(12, 23, 8, 2.5), 1, 1);
}

void iconBank(QPainter &p)
{
    const QPolygonF pediment{QPointF(16, 1.5), QPointF(30, 9.5), QPointF(2, 9.5)};
    p.setPen(inkPen());
    p.setBrush(kTeal);
    p.drawPolygon(pediment);
    p.setBrush(kSteelLight);
    p.drawRect(QRectF(3, 9.5, 26, 3));
    for (qreal x : {5.0, 11.0, 17.5, 23.5})
        p.drawRect(QRectF(x, 12.5, 3.5, 11.5));
    p.drawRect(QRectF(3, 24, 26, 2.5));
    p.setBrush(kSteel);
    p.drawRect(QRectF(1.5, 26.5, 29, 3));
    drawCoin(p, QPointF(16, 6.5), 2.2, inkPen(1.0));
}

void iconPartnerCard(QPainter &p)
{
    const QRectF card(1.5, 5.5, 29, 22);
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(card.left() + 0.75, card.top() + 2, card.width() - 1.5, 3));
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(4.5, 11, 10, 13.5), 1.5, 1.5);
    drawPerson(p, QPointF(9.5, 15), 8, kTeal, inkPen(1.0));
    drawTextLines(p, QRectF(17.5, 13, 10, 10), 4, roundPen(kLine, kStroke));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card, 2.5, 2.5);
}

void iconMargin(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    const qreal heights[] = {6, 10, 9, 15};
    qreal x = 6.5;
    for (qreal h : heights) {
        p.drawRect(QRectF(x, 28 - h, 4.5, h));
        x += 6;
    }
    p.setPen(inkPen());
    p.drawLine(QPointF(3.5, 2.5), QPointF(3.5, 28.5));
    p.drawLine(QPointF(3.5, 28.5), QPointF(30, 28.5));

    const QPolygonF trend{QPointF(6, 20), QPointF(12, 14), QPointF(17, 17), QPointF(24, 8)};
    p.setPen(roundPen(kInk, 4.5));
    p.drawPolyline(trend);
    p.setPen(roundPen(kGreen, 2.5));
    p.drawPolyline(trend);
    drawArrow(p, QPointF(22, 10.5), QPointF(29, 2.5), 0.1, 9, kGreen, inkPen());
}

void iconJournals(QPainter &p)
{
    // Page block peeking out under the cover.
    const QRectF pages(7.5, 4.5, 20, 25);
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(pages, 1.5, 1.5);
    p.setPen(QPen(kPaperShade, 1.0));
    p.drawLine(QPointF(pages.left() + 2, pages.bottom() - 1.5), QPointF(pages.right() - 1, pages.bottom() - 1.5));
    p.drawLine(QPointF(pages.right() - 1.5, pages.top() + 2), QPointF(pages.right() - 1.5, pages.bottom() - 1));

    const QRectF cover(4.5, 2, 20, 25);
    p.setPen(inkPen());
    p.setBrush(kBurgundy);
    p.drawRoundedRect(cover, 1.5, 1.5);
    p.setPen(roundPen(kBurgundy.darker(140), 2));
    p.drawLine(QPointF(8, cover.top() + 1.5), QPointF(8, cover.bottom() - 1.5));
    p.setPen(inkPen(1.0));
    p.setBrush(kGold);
    p.drawRect(QRectF(11, 7, 10, 6));
    p.setPen(QPen(kGoldDark, 1.0));
    p.drawLine(QPointF(13, 9.5), QPointF(19, 9.5));
    p.drawLine(QPointF(13, 11), QPointF(17, 11));
}

void iconBackup(QPainter &p)
{
    drawDisk(p, QRectF(1.5, 7.5, 22, 22), inkPen());
    drawArrow(p, QPointF(24.5, 1), QPointF(24.5, 20), 5, 11, kGreen, inkPen());
}

void iconRestore(QPainter &p)
{
    drawDisk(p, QRectF(1.5, 9.5, 21, 21), inkPen());
    // Turning back towards the disk: what it holds is put back.
    drawCircularArrow(p, QPointF(23, 10), 6.3, 235, 250, 3, kTeal);
}

void iconYearEnd(QPainter &p)
{
    const QRectF page(2, 4.5, 24, 23);
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(page, 2, 2);
    QPainterPath band;
    band.addRoundedRect(page, 2, 2);
    p.save();
    p.setClipPath(band);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(page.left(), page.top(), page.width(), 6));
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page, 2, 2);
    p.setPen(roundPen(kInk, 2));
    p.drawLine(QPointF(8, 2), QPointF(8, 7));
    p.drawLine(QPointF(20, 2), QPointF(20, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(5 + col * 5, 13.5 + row * 4.5, 2.5, 2.5));

    // Padlock: the year is closed.
    const QRectF lockBody(18.5, 19.5, 12, 10);
    p.setPen(roundPen(kInk, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20.5, 13, 8, 10), 0, 180 * 16);
    p.drawLine(QPointF(20.5, 18), QPointF(20.5, 19.5));
    p.drawLine(QPointF(28.5, 18), QPointF(28.5, 19.5));
    p.setPen(roundPen(kSteel, 1.8));
    p.drawArc(QRectF(20.5, 13, 8, 10), 0, 180 * 16);
    p.drawLine(QPointF(20.5, 18), QPointF(20.5, 19.5));
    p.drawLine(QPointF(28.5, 18), QPointF(28.5, 19.5));
    p.setPen(inkPen());
    p.setBrush(kGold);
    p.drawRoundedRect(lockBody, 1.5, 1.5);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(lockBody.center().x(), lockBody.center().y() - 0.5), 1.5, 1.5);
    p.drawRect(QRectF(lockBody.center().x() - 0.6, lockBody.center().y(), 1.2, 3));
}

void iconReset(QPainter &p)
{
    // Traces left on the page by the eraser.
    p.setPen(roundPen(kLine, kStroke));
    p.drawLine(QPointF(2.5, 29), QPointF(18, 29));
    p.drawLine(QPointF(4.5, 25.5), QPointF(10, 25.5));

    p.save();
    p.translate(18.5, 14.5);
    p.rotate(-40);
    const QRectF eraser(-12, -6.5, 24, 13);
    const qreal sleeve = eraser.width() * 0.45;
    p.setPen(inkPen());
    p.setBrush(QColor::fromRgb(0xf28b9b));
    p.drawRoundedRect(eraser, 2, 2);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(eraser.right() - sleeve, eraser.top(), sleeve, eraser.height()), 2, 2);
    p.setPen(roundPen(kPaper, 1.0));
    p.drawLine(
        QPointF(eraser.left() + 2, eraser.top() + 2.5), QPointF(eraser.right() - sleeve - 1.5, eraser.top() + 2.5));
    p.restore();
}

void iconSettings(QPainter &p)
{
    constexpr int teeth = 8;
    constexpr qreal outer = 14.5;
    constexpr qreal inner = 10.5;
    constexpr qreal hole = 4.5;
    const QPointF centre(16, 16);
    const qreal step = 2 * std::numbers::pi / teeth;
    QPolygonF rim;
    auto at = [&](qreal radius, qreal angle) { return centre + QPointF(radius * qCos(angle), radius * qSin(angle)); };
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        rim << at(inner, a - step * 0.28) << at(outer, a - step * 0.16) << at(outer, a + step * 0.16)
            << at(inner, a + step * 0.28) << at(inner, a + step * 0.5);
    }
    QPainterPath gear;
    gear.addPolygon(rim);
    gear.closeSubpath();
    gear.addEllipse(centre, hole, hole);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(inkPen());
    p.setBrush(kSteel);
    p.drawPath(gear);
    p.setPen(roundPen(kSteelLight, kStroke));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 7.5, 7.5);
}

void iconQuit(QPainter &p)
{
    const QPointF centre(16, 16);
    constexpr qreal radius = 14;
    QRadialGradient glow(centre - QPointF(4, 5), radius * 1.6);
    glow.setColorAt(0, kRed.lighter(130));
    glow.setColorAt(1, kRed.darker(120));
    p.setPen(inkPen());
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);

    // Power sign: a ring broken at the top, with a bar through the gap.
    p.setPen(roundPen(kPaper, 2.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 7, centre.y() - 6, 14, 14), 125 * 16, 290 * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - 9), QPointF(centre.x(), centre.y() - 1));
}

// A raised button face: light from the top-left, shadow on the bottom-right.
QPixmap paintTile()
{
    const QColor face = QColor::fromRgb(0xc0c0c0);
    const QColor highlight = QColor::fromRgb(0xffffff);
    const QColor light = QColor::fromRgb(0xdfdfdf);
    const QColor shadow = QColor::fromRgb(0x808080);
    const QColor dark = QColor::fromRgb(0x404040);
    QPixmap pixmap(kIconSize);
    pixmap.fill(face);
    QPainter p(&pixmap);
    const int w = kIconSize.width() - 1;
    const int h = kIconSize.height() - 1;
    p.setPen(highlight);
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(light);
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(dark);
    p.drawLine(0, h, w, h);
    p.drawLine(w, 0, w, h);
    p.setPen(shadow);
    p.drawLine(1, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 1, w - 1, h - 1);
    return pixmap;
}

// ---------------------------------------------------------------- large pictures

void drawChartLine(QPainter &p, const QPolygonF &points, const QColor &colour, qreal width)
{
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    for (const QPointF &point : points)
        p.drawEllipse(point, width * 1.6, width * 1.6);
}

QPixmap paintLogin()
{
    QPixmap pixmap(kLoginSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), kLoginSize);

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor::fromRgb(0x123f73));
    sky.setColorAt(1, QColor::fromRgb(0x12898a));
    p.fillRect(area, sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawEllipse(QPointF(560, 30), 200, 200);
    p.drawEllipse(QPointF(640, 260), 120, 120);

    // A rising trend behind a small stack of goods.
    drawChartLine(p,
        {QPointF(395, 205), QPointF(440, 170), QPointF(485, 182), QPointF(535, 120), QPointF(580, 135),
            QPointF(628, 62)},
        QColor(140, 235, 215, 200), 3);

    const QPen frostEdge = roundPen(QColor(255, 255, 255, 210), kBannerStroke);
    drawBox(p, QRectF(462, 112, 62, 62), frostEdge, kFrosted);
    drawBox(p, QRectF(440, 150, 78, 78), frostEdge, kFrosted);
    drawBox(p, QRectF(512, 160, 68, 68), frostEdge, kFrosted);
    p.setPen(roundPen(QColor(255, 255, 255, 120), kBannerStroke));
    p.drawLine(QPointF(430, 228), QPointF(620, 228));

    p.setFont(uiFont(72, QFont::Bold));
    p.setPen(kPaper);
    p.drawText(QPointF(38, 112), QStringLiteral("Selvano"));

    p.setPen(roundPen(QColor::fromRgb(0x8cebd7), 3));
    p.drawLine(QPointF(42, 134), QPointF(122, 134));

    p.setFont(uiFont(21));
    p.setPen(QColor(255, 255, 255, 235));
    p.drawText(QPointF(40, 168), QStringLiteral("Logiciel de gestion commerciale"));

    const QRectF versionPill(40, 192, 118, 30);
    p.setPen(roundPen(QColor(255, 255, 255, 170), 1.5));
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(versionPill, 15, 15);
    p.setFont(uiFont(15, QFont::DemiBold));
    p.setPen(kPaper);
    p.drawText(versionPill, Qt::AlignCenter, QStringLiteral("Version 18"));
    return pixmap;
}

// Shelving unit stocked with boxes; r bounds the uprights.
void drawShelves(QPainter &p, const QRectF &r, const QPen &outline)
{
    constexpr int levels = 3;
    constexpr qreal post = 14;
    constexpr qreal board = 12;
    const qreal spacing = r.height() / levels;

    p.setPen(outline);
    p.setBrush(kSteelLight);
    p.drawRect(QRectF(r.left(), r.top(), post, r.height()));
    p.drawRect(QRectF(r.right() - post, r.top(), post, r.height()));

    // Boxes per shelf: left offset and size, as shares of the shelf width / spacing.
    struct Stock {
        qreal at;
        qreal size;
    };
    const QList<QList<Stock>> shelves{{{0.06, 0.62}, {0.34, 0.8}, {0.66, 0.7}},
        {{0.08, 0.85}, {0.45, 0.6}, {0.68, 0.72}}, {{0.06, 0.7}, {0.34, 0.78}, {0.65, 0.8}}};
    const qreal inner = r.width() - 2 * post;
    for (int level = 0; level < levels; ++level) {
        const qreal floor = r.top() + (level + 1) * spacing - board;
        for (const Stock &item : shelves[level]) {
            const qreal size = std::min(item.size * (spacing - board - 10), inner * 0.3);
            drawBox(p, QRectF(r.left() + post + item.at * inner, floor - size, size, size), outline);
        }
        p.setPen(outline);
        p.setBrush(kSteel);
        p.drawRect(QRectF(r.left(), floor, r.width(), board));
    }
}

// A pile of coins seen from the side, with its top face showing.
void drawCoinStack(QPainter &p, const QPointF &base, qreal width, int count, const QPen &outline)
{
    constexpr qreal thickness = 12;
    const qreal rise = width * 0.22;
    for (int i = 0; i < count; ++i) {
        const qreal bottom = base.y() - i * thickness;
        const QRectF lower(base.x() - width / 2, bottom - rise, width, 2 * rise);
        const QRectF upper = lower.translated(0, -thickness);
        QPainterPath edge;
        edge.moveTo(lower.left(), lower.center().y());
        edge.arcTo(lower, 180, 180);
        edge.lineTo(upper.right(), upper.center().y());
        edge.arcTo(upper, 0, -180);
        edge.closeSubpath();
        p.setPen(outline);
        p.setBrush(kGoldDark);
        p.drawPath(edge);
        p.setBrush(kGold);
        p.drawEllipse(upper);
    }
    const QRectF top(base.x() - width / 2, base.y() - count * thickness - rise, width, 2 * rise);
    p.setPen(roundPen(kGoldDark, outline.widthF()));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(top.adjusted(width * 0.15, rise * 0.3, -width * 0.15, -rise * 0.3));
}

void drawBigInvoice(QPainter &p, const QRectF &r, const QPen &outline)
{
    drawSheet(p, r, outline);
    const qreal margin = r.width() * 0.12;
    const qreal left = r.left() + margin;
    const qreal right = r.right() - margin;

    p.setFont(uiFont(22, QFont::Bold));
    p.setPen(kNavy);
    p.drawText(QPointF(left, r.top() + 52), QStringLiteral("FACTURE"));
    drawTextLines(p, QRectF(left, r.top() + 72, r.width() * 0.4, 12), 2, roundPen(kLine, 3));

    // Item rows with an amount column.
    const qreal tableTop = r.top() + 112;
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawRect(QRectF(left, tableTop, right - left, 14));
    for (int row = 0; row < 4; ++row) {
        const qreal y = tableTop + 32 + row * 20;
        p.setPen(roundPen(kLine, 3));
        p.drawLine(QPointF(left, y), QPointF(left + (right - left) * (row % 2 ? 0.45 : 0.55), y));
        p.drawLine(QPointF(right - (right - left) * 0.22, y), QPointF(right, y));
    }
    const QRectF total(right - (right - left) * 0.5, r.bottom() - 52, (right - left) * 0.5, 26);
    p.setPen(outline);
    p.setBrush(kTeal);
    p.drawRoundedRect(total, 4, 4);
    p.setPen(roundPen(kPaper, 3));
    p.drawLine(QPointF(total.left() + 12, total.center().y()), QPointF(total.right() - 12, total.center().y()));
}

QPixmap paintMain()
{
    QPixmap pixmap(kMainSize);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal width = kMainSize.width();
    const QPen outline = inkPen(kIllustrationStroke);

    p.setFont(uiFont(92, QFont::Bold));
    p.setPen(kNavy);
    p.drawText(QRectF(0, 20, width, 110), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Selvano"));
    p.setFont(uiFont(25));
    p.setPen(kTealDark);
    p.drawText(QRectF(0, 138, width, 40), Qt::AlignCenter,
        QStringLiteral("Gestion commerciale - Facturation - Stock - Trésorerie"));

    // Soft backdrop and floor so the scene floats on the white page.
    constexpr qreal floor = 566;
    p.setPen(Qt::NoPen);
    p.setBrush(kMist);
    p.drawEllipse(QPointF(width / 2, 420), 430, 175);
    p.setBrush(QColor::fromRgb(0xdfeef2));
    p.drawEllipse(QPointF(width / 2, floor + 4), 400, 16);

    drawShelves(p, QRectF(225, 238, 290, floor - 238), outline);

    p.save();
    p.translate(650, 400);
    p.rotate(-4);
    drawBigInvoice(p, QRectF(-95, -150, 190, 262), outline);
    p.restore();

    // Small sales chart card, as pinned above the till.
    const QRectF card(775, 238, 190, 120);
    p.setPen(outline);
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    const qreal bars[] = {26, 40, 34, 58};
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(card.left() + 26 + i * 38, card.bottom() - 16 - bars[i], 22, bars[i]));
    drawChartLine(p,
        {QPointF(card.left() + 37, card.bottom() - 50), QPointF(card.left() + 75, card.bottom() - 66),
            QPointF(card.left() + 113, card.bottom() - 58), QPointF(card.left() + 151, card.bottom() - 92)},
        kTeal, 4);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card, 10, 10);

    drawCoinStack(p, QPointF(808, floor - 14), 78, 6, outline);
    drawCoinStack(p, QPointF(890, floor - 14), 78, 3, outline);
    drawCoin(p, QPointF(962, floor - 44), 42, outline, QStringLiteral("D"));
    return pixmap;
}

QPixmap paintDocumentHeader()
{
    QPixmap pixmap(kHeaderSize);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    constexpr qreal inset = 4;
    constexpr qreal corner = 12;
    const QRectF frame = QRectF(QPointF(0, 0), kHeaderSize).adjusted(inset, inset, -inset, -inset);

    p.setPen(roundPen(kNavy, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, corner, corner);

    // Logo block: the same stacked goods as the login banner.
    const QRectF logo(frame.left() + 18, frame.top() + 18, frame.height() - 36, frame.height() - 36);
    QLinearGradient tint(logo.topLeft(), logo.bottomRight());
    tint.setColorAt(0, QColor::fromRgb(0x1b4f8a));
    tint.setColorAt(1, kTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawRoundedRect(logo, corner, corner);
    const QPen frostEdge = roundPen(QColor(255, 255, 255, 230), kBannerStroke);
    const qreal unit = logo.width() / 5;
    drawBox(p, QRectF(logo.left() + unit * 1.3, logo.top() + unit * 0.6, unit * 1.8, unit * 1.8), frostEdge, kFrosted);
    drawBox(p, QRectF(logo.left() + unit * 0.5, logo.top() + unit * 2.1, unit * 2.1, unit * 2.1), frostEdge, kFrosted);
    drawBox(p, QRectF(logo.left() + unit * 2.3, logo.top() + unit * 2.3, unit * 1.9, unit * 1.9), frostEdge, kFrosted);

    const qreal textLeft = logo.right() + 28;
    const qreal textRight = frame.right() - 24;
    QFont title = uiFont(50, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(title);
    p.setPen(kNavy);
    p.drawText(QPointF(textLeft, frame.top() + 66), QStringLiteral("SELVANO"));

    p.setPen(roundPen(kTeal, 3));
    p.drawLine(QPointF(textLeft, frame.top() + 84), QPointF(textRight, frame.top() + 84));

    // Labelled lines the company details are written on.
    QPen dotted(kLine, 1.2);
    dotted.setStyle(Qt::DotLine);
    const QFont labelFont = uiFont(15);
    const QFontMetricsF metrics(labelFont);
    const qreal half = (textLeft + textRight) / 2;
    struct Field {
        const char16_t *label;
        qreal left;
        qreal right;
        qreal baseline;
    };
    const Field fields[] = {
        {u"Adresse :", textLeft, textRight, frame.top() + 116},
        {u"Téléphone :", textLeft, half - 20, frame.top() + 144},
        {u"Fax :", half, textRight, frame.top() + 144},
        {u"E-mail :", textLeft, half - 20, frame.top() + 172},
        {u"Site web :", half, textRight, frame.top() + 172},
    };
    p.setFont(labelFont);
    for (const Field &field : fields) {
        const QString label = QString::fromUtf16(field.label);
        p.setPen(kInk);
        p.drawText(QPointF(field.left, field.baseline), label);
        p.setPen(dotted);
        p.drawLine(QPointF(field.left + metrics.horizontalAdvance(label) + 8, field.baseline),
            QPointF(field.right, field.baseline));
    }
    return pixmap;
}

using IconPainter = void (*)(QPainter &);
const IconPainter kToolButtons[] = {
    iconProducts,
    iconPartners,
    iconReceptions,
    iconDeliveries,
    iconSalesInvoice,
    iconProforma,
    iconStockAdjustment,
    iconStockJournal,
    iconCashRegister,
    iconBank,
    iconPartnerCard,
    iconMargin,
    iconJournals,
    iconBackup,
    iconRestore,
    iconYearEnd,
    iconReset,
    iconSettings,
    iconQuit,
};
static_assert(std::size(kToolButtons) == LastToolButton - FirstToolButton + 1, "one painter per tool button");

std::map<int, QPixmap> &store()
{
    static std::map<int, QPixmap> pictures;
    return pictures;
}

} // namespace

void preparePictures()
{
    auto &pictures = store();
    if (!pictures.empty())
        return;
    pictures[Login] = paintLogin();
    pictures[Main] = paintMain();
    pictures[DocumentHeader] = paintDocumentHeader();
    for (int number = FirstToolButton; number <= LastToolButton; ++number)
        pictures[number] = paintIcon(kToolButtons[number - FirstToolButton]);
    pictures[Tile] = paintTile();
}

const QPixmap &picture(int number)
{
    // A pixmap may only exist once the application does, hence the function-local statics.
    static const QPixmap none;
    if (QGuiApplication::instance())
        preparePictures();
    const auto &pictures = store();
    const auto found = pictures.find(number);
    return found == pictures.end() ? none : found->second;
}

} // namespace pictures
