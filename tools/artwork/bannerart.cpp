// SPDX-License-Identifier: MIT
#include "bannerart.h"

#include "ui/identity.h"
#include "ui/mainwindow/links.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace tintforge {

namespace {

// The artwork's own units: as wide as the banner's place, a little lower (it is stretched).
constexpr QSize BannerSize{layout::banner.rect().width(), 150};

QFont bannerFont(const char *family, int pixelSize, int weight, bool italic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    return font;
}

void drawBackdrop(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, BannerSize.height());
    sky.setColorAt(0.0, QColor(0x24, 0x02, 0x02));
    sky.setColorAt(0.55, QColor(0x0c, 0x00, 0x00));
    sky.setColorAt(1.0, Qt::black);
    p.fillRect(QRect(QPoint(0, 0), BannerSize), sky);

    // A low fire glow on the horizon behind the figures.
    QRadialGradient glow(QPointF(330, 168), 230);
    glow.setColorAt(0.0, QColor(0xc0, 0x38, 0x08, 230));
    glow.setColorAt(0.45, QColor(0x70, 0x10, 0x00, 140));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 60, BannerSize.width(), 90), glow);

    p.setPen(QPen(QColor(0x10, 0x00, 0x00), 1));
    for (int y = 1; y < BannerSize.height(); y += 3)
        p.drawLine(0, y, BannerSize.width(), y);
}

void drawOutlinedText(QPainter &p, const QString &text, const QFont &font, const QPointF &centre,
                      const QBrush &fill, const QColor &outline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(centre.x() - bounds.center().x(), centre.y() - bounds.center().y());
    p.strokePath(path, QPen(outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

void drawTitle(QPainter &p)
{
    QLinearGradient gold(0, 6, 0, 36);
    gold.setColorAt(0.0, QColor(0xff, 0xf4, 0xb0));
    gold.setColorAt(0.5, QColor(0xe8, 0xa8, 0x28));
    gold.setColorAt(1.0, QColor(0x8a, 0x50, 0x08));
    drawOutlinedText(p, ProgramTitle, bannerFont("DejaVu Serif", 27, 800), QPointF(274, 21), gold,
                     QColor(0x30, 0x08, 0x00));

    QLinearGradient rule(40, 0, 508, 0);
    rule.setColorAt(0.0, QColor(0, 0, 0, 0));
    rule.setColorAt(0.5, QColor(0xe8, 0xa8, 0x28));
    rule.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(40, 39, 468, 1), rule);

    p.setFont(bannerFont("DejaVu Sans", 10, 400, true));
    p.setPen(QColor(0xd8, 0xd0, 0xc0));
    p.drawText(QRect(0, 41, BannerSize.width(), 13), Qt::AlignCenter,
               QStringLiteral("dedicated to the [Ruk] clan and every Soldier of Fortune player"));
    p.setFont(bannerFont("DejaVu Sans", 9, 400));
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.drawText(QRect(0, 54, BannerSize.width(), 12), Qt::AlignCenter,
               QString(MakerWebAddress).remove(QStringLiteral("https://")));
}

// The round emblem at the left end: a gun-sight over a red disc, ringed in steel.
void drawLogo(QPainter &p)
{
    const QPointF centre(48, 103);
    const qreal radius = 33;
    QRadialGradient disc(centre - QPointF(8, 10), radius * 1.3);
    disc.setColorAt(0.0, QColor(0xb0, 0x10, 0x10));
    disc.setColorAt(1.0, QColor(0x30, 0x00, 0x00));
    p.setBrush(disc);
    QLinearGradient steel(0, centre.y() - radius, 0, centre.y() + radius);
    steel.setColorAt(0.0, QColor(0xf0, 0xf0, 0xf0));
    steel.setColorAt(1.0, QColor(0x60, 0x60, 0x60));
    p.setPen(QPen(QBrush(steel), 4));
    p.drawEllipse(centre, radius, radius);

    p.setPen(QPen(QColor(0xe0, 0xe0, 0xe0, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    p.drawLine(QPointF(centre.x(), centre.y() - radius + 4),
               QPointF(centre.x(), centre.y() + radius - 4));
    p.drawLine(QPointF(centre.x() - radius + 4, centre.y()),
               QPointF(centre.x() + radius - 4, centre.y()));

    drawOutlinedText(p, QStringLiteral("SOF"), bannerFont("DejaVu Sans", 17, 900), centre,
                     QBrush(Qt::white), Qt::black);
}

// Limbs are polylines given a thickness, so joints come out rounded.
QPainterPath limb(std::initializer_list<QPointF> points, qreal width)
{
    QPainterPath line;
    auto it = points.begin();
    line.moveTo(*it);
    for (++it; it != points.end(); ++it)
        line.lineTo(*it);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A soldier in profile aiming a rifle, facing right, feet on y = 0, about 80 pixels tall.
QPainterPath soldierPath()
{
    QPainterPath soldier;
    soldier.setFillRule(Qt::WindingFill);
    soldier.addPath(polygon({{-9, -67},
                             {-8, -74},
                             {-3, -79},
                             {4, -79},
                             {9, -75},
                             {11, -68},
                             {13, -66},
                             {-11, -66}}));         // helmet
    soldier.addEllipse(QRectF(-5, -69, 12, 13));    // head
    soldier.addPath(limb({{0, -57}, {1, -53}}, 6)); // neck
    soldier.addPath(polygon({{-9, -54}, {7, -54}, {9, -44}, {6, -33}, {-7, -33}, {-10, -45}}));
    soldier.addPath(polygon({{-17, -53}, {-9, -55}, {-8, -38}, {-16, -39}})); // pack
    soldier.addPath(limb({{-4, -34}, {-9, -18}, {-15, -2}}, 7));              // rear leg
    soldier.addPath(limb({{3, -34}, {11, -19}, {12, -2}}, 7));                // front leg
    soldier.addPath(polygon({{-20, 0}, {-19, -4}, {-11, -4}, {-9, 0}}));      // boots
    soldier.addPath(polygon({{8, 0}, {9, -4}, {16, -4}, {19, 0}}));
    soldier.addPath(limb({{3, -52}, {11, -44}, {22, -49}}, 5)); // arms
    soldier.addPath(limb({{-2, -50}, {6, -45}, {14, -49}}, 5));
    soldier.addPath(polygon({{-6, -53},
                             {-5, -57},
                             {10, -55},
                             {44, -55},
                             {44, -52},
                             {20, -51},
                             {18, -45},
                             {15, -45},
                             {14, -50},
                             {2, -50}})); // rifle
    return soldier;
}

void drawSoldier(QPainter &p, const QPointF &feet, qreal scale, bool facingLeft)
{
    p.save();
    p.translate(feet);
    p.scale(facingLeft ? -scale : scale, scale);
    const QPainterPath soldier = soldierPath().simplified();
    p.setPen(QPen(QColor(0xc0, 0x50, 0x10, 170), 1.0 / scale));
    QLinearGradient shade(0, -80, 0, 0);
    shade.setColorAt(0.0, QColor(0x20, 0x14, 0x0c));
    shade.setColorAt(1.0, QColor(0x04, 0x02, 0x02));
    p.setBrush(shade);
    p.drawPath(soldier);
    p.restore();
}

void drawGameName(QPainter &p)
{
    QLinearGradient silver(0, 80, 0, 104);
    silver.setColorAt(0.0, Qt::white);
    silver.setColorAt(0.5, QColor(0xb0, 0xb8, 0xc0));
    silver.setColorAt(1.0, QColor(0x58, 0x60, 0x68));
    drawOutlinedText(p, QStringLiteral("Soldier of Fortune"), bannerFont("DejaVu Serif", 22, 700),
                     QPointF(352, 95), silver, QColor(0x40, 0x00, 0x00));
}

QFont mailFont()
{
    // The largest size whose ink fits the area with a pixel to spare on each side.
    for (int pixels = 10;; --pixels) {
        const QFont font = bannerFont("DejaVu Sans", pixels, 600);
        if (QFontMetrics(font).tightBoundingRect(MakerMailAddress).width() <=
                MailArea.width() - 2 ||
            pixels <= 6)
            return font;
    }
}

void drawMailAddress(QPainter &p)
{
    p.setFont(mailFont());
    p.setPen(QColor(0xff, 0xd0, 0x60));
    p.drawText(mailTextBox(), Qt::AlignCenter, MakerMailAddress);
}

} // namespace

QRect mailTextBox()
{
    return QRect(MailArea.left(), 113, MailArea.width(), 17);
}

QRect mailAddressInk()
{
    const QFont font = mailFont();
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(MakerMailAddress);
    const QRect box = mailTextBox();
    const int left = box.left() + (box.width() - metrics.horizontalAdvance(MakerMailAddress)) / 2;
    return ink.translated(left, 0);
}

QImage drawBanner(QSize size, qreal devicePixelRatio)
{
    QImage banner(size * devicePixelRatio, QImage::Format_RGB32);
    banner.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&banner);
    // The artwork is drawn in its own units and stretched to the size asked for.
    p.scale(qreal(size.width()) / BannerSize.width(), qreal(size.height()) / BannerSize.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBackdrop(p);
    drawSoldier(p, QPointF(160, 149), 1.0, false);
    drawSoldier(p, QPointF(515, 149), 1.05, true);
    drawLogo(p);
    drawTitle(p);
    drawGameName(p);
    drawMailAddress(p);
    return banner;
}

} // namespace tintforge
