#include "ui/Artwork.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace {
using Drawing = std::function<void(QPainter&)>;

QPixmap draw(QSize size, const Drawing& drawing)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawing(painter);
    }
    return QPixmap::fromImage(image);
}

QFont font(int pixelSize, bool bold = false, bool italic = false)
{
    QFont result(QStringLiteral("DejaVu Sans"));
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

// A lark in flight, wings raised, in a 100 x 60 box facing right.
QPainterPath larkPath()
{
    QPainterPath body;
    body.moveTo(97, 24);
    body.cubicTo(93, 17, 86, 14, 79, 17);
    body.cubicTo(62, 20, 44, 22, 28, 26);
    body.lineTo(4, 18);
    body.lineTo(14, 30);
    body.lineTo(3, 40);
    body.lineTo(30, 35);
    body.cubicTo(48, 40, 68, 40, 84, 31);
    body.cubicTo(89, 28, 93, 26, 97, 24);
    body.closeSubpath();

    QPainterPath wing;
    wing.moveTo(72, 20);
    wing.cubicTo(66, 10, 58, 3, 44, 0);
    wing.cubicTo(47, 8, 48, 14, 44, 18);
    wing.cubicTo(52, 22, 58, 26, 62, 30);
    wing.closeSubpath();
    return body.united(wing);
}

// The far wing, seen behind the body.
QPainterPath farWingPath()
{
    QPainterPath wing;
    wing.moveTo(80, 19);
    wing.cubicTo(76, 11, 70, 5, 60, 1);
    wing.cubicTo(62, 8, 62, 14, 60, 19);
    wing.closeSubpath();
    return wing;
}

void drawLark(QPainter& painter, const QRectF& box, const QColor& colour)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 60.0);
    painter.setPen(Qt::NoPen);
    QColor far = colour;
    far.setAlphaF(0.6);
    painter.setBrush(far);
    painter.drawPath(farWingPath());
    painter.setBrush(colour);
    painter.drawPath(larkPath());
    painter.restore();
}

// Radio waves spreading to both sides of a point.
void drawWaves(QPainter& painter, QPointF centre, int count, qreal step, const QColor& colour)
{
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= count; ++i) {
        QColor faded = colour;
        faded.setAlphaF(1.0 - 0.22 * i);
        painter.setPen(QPen(faded, 2.0, Qt::SolidLine, Qt::RoundCap));
        const qreal r = step * i;
        const QRectF ring(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        painter.drawArc(ring, -40 * 16, 80 * 16);
        painter.drawArc(ring, 140 * 16, 80 * 16);
    }
}

void drawSplashSky(QPainter& painter, QSize size)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x0b, 0x17, 0x38));
    sky.setColorAt(0.55, QColor(0x2c, 0x4a, 0x8a));
    sky.setColorAt(0.85, QColor(0xe9, 0x8d, 0x58));
    sky.setColorAt(1.0, QColor(0xf6, 0xc3, 0x6e));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    QRadialGradient sun(QPointF(270, 176), 46);
    sun.setColorAt(0.0, QColor(255, 240, 190));
    sun.setColorAt(0.5, QColor(255, 200, 110, 200));
    sun.setColorAt(1.0, QColor(255, 170, 90, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(270, 176), 46, 46);

    // A few stars in the dark upper sky.
    painter.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF star : {QPointF(30, 14), QPointF(118, 30), QPointF(176, 10), QPointF(236, 40),
                               QPointF(330, 18), QPointF(300, 62), QPointF(70, 52)})
        painter.drawEllipse(star, 1.1, 1.1);
}

void drawSplashLand(QPainter& painter, QSize size)
{
    QPainterPath hills;
    hills.moveTo(0, 182);
    hills.cubicTo(80, 164, 150, 190, 230, 174);
    hills.cubicTo(290, 162, 330, 172, size.width(), 166);
    hills.lineTo(size.width(), size.height());
    hills.lineTo(0, size.height());
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x1c, 0x2e));
    painter.drawPath(hills);

    // A broadcast mast on the far hill.
    const QPointF top(318, 112);
    painter.setPen(QPen(QColor(0x14, 0x1c, 0x2e), 2.2));
    painter.drawLine(top, QPointF(308, 168));
    painter.drawLine(top, QPointF(328, 168));
    painter.drawLine(QPointF(311, 150), QPointF(325, 150));
    painter.drawLine(QPointF(314, 132), QPointF(322, 132));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 90, 80));
    painter.drawEllipse(top, 2.5, 2.5);
    drawWaves(painter, top, 3, 10, QColor(255, 236, 200));
}

void drawSplashTitle(QPainter& painter)
{
    painter.setPen(QColor(0, 0, 0, 110));
    painter.setFont(font(40, true, true));
    painter.drawText(QPointF(26, 124), QStringLiteral("Skylark!"));
    painter.setPen(QColor(255, 250, 235));
    painter.drawText(QPointF(24, 122), QStringLiteral("Skylark!"));
    painter.setFont(font(22, false, true));
    painter.setPen(QColor(255, 214, 150));
    painter.drawText(QPointF(60, 150), QStringLiteral("Broadcast"));
    painter.setFont(font(10));
    painter.setPen(QColor(210, 220, 240));
    painter.drawText(QPointF(16, 194),
                     QStringLiteral("Internet radio and streaming media finder  \u2022  3.0"));
}

void drawSplash(QPainter& painter, QSize size)
{
    drawSplashSky(painter, size);
    drawSplashLand(painter, size);
    drawLark(painter, QRectF(170, 22, 110, 66), QColor(255, 250, 235));
    drawSplashTitle(painter);
}

// A rounded card with a colour gradient, the common ground of the player logos.
void drawCard(QPainter& painter, QSize size, const QColor& colour)
{
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, colour.lighter(135));
    fill.setColorAt(1.0, colour.darker(130));
    painter.setPen(QPen(colour.darker(170), 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 10, 10);
}

void drawLogoName(QPainter& painter, QSize size, const QString& name)
{
    const QRectF box(62, 8, size.width() - 70, size.height() - 16);
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap;
    // Measuring needs a pen: with none, the painter reports an empty text.
    painter.setPen(Qt::white);
    // The largest size at which every word fits the space beside the icon.
    for (int pixels = 17; pixels > 8; --pixels) {
        painter.setFont(font(pixels, true));
        const QRectF needed = painter.boundingRect(box, flags, name);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    painter.drawText(box, flags, name);
}

void drawRings(QPainter& painter)
{
    const QPointF centre(32, 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 120));
    painter.drawEllipse(centre, 6, 6);
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, 255 - 50 * i), 3));
        painter.drawEllipse(centre, 6.0 + 7 * i, 6.0 + 7 * i);
    }
}

void drawBars(QPainter& painter)
{
    const int heights[] = {14, 30, 22, 38, 26, 18};
    for (int i = 0; i < 6; ++i) {
        const QRectF bar(10 + i * 8, 52 - heights[i], 6, heights[i]);
        QLinearGradient fill(0, 52, 0, 12);
        fill.setColorAt(0.0, QColor(70, 220, 90));
        fill.setColorAt(0.7, QColor(230, 230, 70));
        fill.setColorAt(1.0, QColor(240, 110, 60));
        painter.fillRect(bar, fill);
    }
}

void drawFilmAndNote(QPainter& painter)
{
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawRoundedRect(QRectF(10, 12, 42, 40), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        painter.drawRect(QRectF(13 + i * 8, 14, 4, 4));
        painter.drawRect(QRectF(13 + i * 8, 46, 4, 4));
    }
    painter.drawEllipse(QPointF(27, 39), 5, 4);
    painter.drawRect(QRectF(30.5, 22, 2.5, 17));
    painter.drawRect(QRectF(30.5, 22, 9, 3));
}

void drawStreams(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line < 3; ++line) {
        QPainterPath wave;
        const qreal y = 20 + line * 12;
        wave.moveTo(8, y);
        for (int x = 8; x <= 56; x += 2)
            wave.lineTo(x, y + 5 * qSin((x + line * 6) / 6.0));
        painter.setPen(QPen(QColor(255, 255, 255, 255 - 60 * line), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(wave);
    }
}

struct LogoStyle
{
    QColor colour;
    QString name;
    void (*icon)(QPainter&);
};

LogoStyle logoStyle(Player player)
{
    switch (player) {
    case Player::RealPlayer:
        return {QColor(0x1f, 0x4e, 0x8c), QStringLiteral("RealPlayer"), drawRings};
    case Player::Winamp:
        return {QColor(0x2e, 0x34, 0x3a), QStringLiteral("Winamp"), drawBars};
    case Player::MediaPlayer:
        return {QColor(0x13, 0x6f, 0x63), QStringLiteral("Windows Media Player"), drawFilmAndNote};
    case Player::StreamWorks:
        return {QColor(0x5b, 0x2a, 0x86), QStringLiteral("Xing StreamWorks"), drawStreams};
    }
    return {Qt::gray, QString(), nullptr};
}

// --- toolbar images, all in a 32 x 32 box ---

void drawGear(QPainter& painter)
{
    QPainterPath teeth;
    const QPointF c(16, 16);
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(i * 45.0);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-3, -15, 6, 8), 1.5, 1.5);
        teeth.addPath(painter.transform().map(tooth));
        painter.restore();
    }
    QPainterPath ring;
    ring.addEllipse(c, 10, 10);
    QPainterPath hole;
    hole.addEllipse(c, 4, 4);
    const QPainterPath gear = ring.united(teeth).subtracted(hole);
    QLinearGradient fill(0, 0, 32, 32);
    fill.setColorAt(0, QColor(190, 196, 206));
    fill.setColorAt(1, QColor(96, 104, 118));
    painter.setPen(QPen(QColor(60, 64, 74), 1));
    painter.setBrush(fill);
    painter.drawPath(gear);
}

void drawPlay(QPainter& painter)
{
    QRadialGradient fill(QPointF(12, 10), 22);
    fill.setColorAt(0, QColor(120, 220, 120));
    fill.setColorAt(1, QColor(20, 120, 40));
    painter.setPen(QPen(QColor(15, 80, 30), 1));
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(16, 16), 14, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(12, 9), QPointF(24, 16), QPointF(12, 23)}));
}

void drawGlobe(QPainter& painter)
{
    QRadialGradient fill(QPointF(11, 10), 22);
    fill.setColorAt(0, QColor(140, 200, 255));
    fill.setColorAt(1, QColor(20, 80, 170));
    painter.setPen(QPen(QColor(15, 50, 110), 1));
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(16, 16), 14, 14);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 16), 6, 14);
    painter.drawLine(QPointF(16, 2), QPointF(16, 30));
    painter.drawLine(QPointF(2, 16), QPointF(30, 16));
    painter.drawLine(QPointF(5, 9), QPointF(27, 9));
    painter.drawLine(QPointF(5, 23), QPointF(27, 23));
}

void drawScan(QPainter& painter)
{
    // A radio with a tuning dial and a sweeping needle.
    QLinearGradient fill(0, 8, 0, 30);
    fill.setColorAt(0, QColor(214, 160, 96));
    fill.setColorAt(1, QColor(140, 90, 40));
    painter.setPen(QPen(QColor(90, 56, 24), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(2, 10, 28, 19), 3, 3);
    painter.setBrush(QColor(255, 248, 220));
    painter.drawRect(QRectF(5, 13, 16, 7));
    painter.setPen(QPen(QColor(200, 30, 30), 1.5));
    painter.drawLine(QPointF(14, 12.5), QPointF(14, 20.5));
    painter.setPen(QPen(QColor(90, 56, 24), 1));
    painter.setBrush(QColor(60, 40, 20));
    painter.drawEllipse(QPointF(25.5, 17), 2.5, 2.5);
    painter.drawEllipse(QPointF(25.5, 24.5), 2.5, 2.5);
    for (int x = 6; x <= 20; x += 3)
        painter.drawLine(QPointF(x, 23), QPointF(x, 27));
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(QPointF(8, 10), QPointF(3, 2));
    painter.setPen(QPen(QColor(40, 110, 200), 1.2));
    painter.drawArc(QRectF(-1, -2, 8, 8), -30 * 16, 60 * 16);
}

void drawMagnifier(QPainter& painter)
{
    painter.setPen(QPen(QColor(110, 70, 30), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 20), QPointF(28, 28));
    QRadialGradient glass(QPointF(10, 10), 12);
    glass.setColorAt(0, QColor(235, 248, 255, 230));
    glass.setColorAt(1, QColor(150, 200, 240, 200));
    painter.setPen(QPen(QColor(70, 80, 95), 2.5));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(13, 13), 9, 9);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
    painter.drawArc(QRectF(8, 8, 10, 10), 100 * 16, 70 * 16);
}

void drawBook(QPainter& painter)
{
    painter.setPen(QPen(QColor(40, 50, 90), 1));
    painter.setBrush(QColor(250, 246, 232));
    painter.drawRect(QRectF(7, 5, 20, 23));
    QLinearGradient cover(4, 0, 26, 0);
    cover.setColorAt(0, QColor(50, 80, 160));
    cover.setColorAt(1, QColor(80, 120, 210));
    painter.setBrush(cover);
    painter.drawRoundedRect(QRectF(4, 3, 21, 24), 2, 2);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(8, 3.5), QPointF(8, 26.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 40, 50));
    painter.drawPolygon(
        QPolygonF({QPointF(17, 1), QPointF(22, 1), QPointF(22, 12), QPointF(19.5, 9.5), QPointF(17, 12)}));
    painter.setBrush(QColor(255, 210, 80));
    painter.drawEllipse(QPointF(14.5, 17), 3, 3);
}

void drawEnvelope(QPainter& painter)
{
    painter.setPen(QPen(QColor(100, 90, 60), 1));
    painter.setBrush(QColor(252, 244, 214));
    painter.drawRect(QRectF(3, 8, 26, 17));
    painter.setBrush(QColor(240, 228, 186));
    painter.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(16, 19), QPointF(29, 8)}));
    painter.setBrush(QColor(200, 50, 50));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(16, 18), 2.5, 2.5);
}

void drawStop(QPainter& painter)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * i);
        octagon << QPointF(16 + 14 * qCos(angle), 16 + 14 * qSin(angle));
    }
    QRadialGradient fill(QPointF(11, 10), 24);
    fill.setColorAt(0, QColor(255, 110, 100));
    fill.setColorAt(1, QColor(170, 20, 20));
    painter.setPen(QPen(QColor(110, 10, 10), 1));
    painter.setBrush(fill);
    painter.drawPolygon(octagon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(8, 13.5, 16, 5), 1.5, 1.5);
}

// --- preset faces and pointers ---

void drawPresetFace(QPainter& painter, bool lit)
{
    const QSize size = Artwork::kPresetFaceSize;
    const QRectF face(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient fill(0, 0, 0, face.height());
    fill.setColorAt(0, lit ? QColor(255, 214, 96) : QColor(122, 134, 150));
    fill.setColorAt(1, lit ? QColor(222, 128, 20) : QColor(62, 70, 84));
    painter.setPen(QPen(lit ? QColor(150, 80, 10) : QColor(40, 44, 54), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 5, 5);
    // The indicator lamp.
    QRadialGradient lamp(QPointF(18, 12), 6);
    lamp.setColorAt(0, lit ? QColor(255, 255, 220) : QColor(120, 40, 40));
    lamp.setColorAt(1, lit ? QColor(255, 70, 40) : QColor(60, 20, 20));
    painter.setBrush(lamp);
    painter.setPen(QPen(QColor(30, 20, 20, 160), 1));
    painter.drawEllipse(QPointF(18, 12), 5, 5);
}

QPainterPath handPath(qreal fingerTop)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, fingerTop, 6, 20 - fingerTop + 8), 3, 3);
    hand.addRoundedRect(QRectF(9, 15, 18, 14), 5, 5);
    hand.addRoundedRect(QRectF(15.5, 12, 5, 9), 2.5, 2.5);
    hand.addRoundedRect(QRectF(20, 13, 5, 8), 2.5, 2.5);
    hand.addRoundedRect(QRectF(24, 14.5, 4, 8), 2, 2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3, 17, 11, 5), 2.5, 2.5);
    QTransform tilt;
    tilt.translate(9, 20);
    tilt.rotate(35);
    tilt.translate(-9, -20);
    return hand.united(tilt.map(thumb)).simplified();
}

void drawHand(QPainter& painter, bool pressed)
{
    const QPainterPath hand = handPath(pressed ? 6 : 1);
    painter.setPen(QPen(Qt::black, 1.3));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawLine(QPointF(15.5, 17), QPointF(15.5, 21));
    painter.drawLine(QPointF(20.5, 17), QPointF(20.5, 21));
    if (!pressed)
        return;
    painter.setPen(QPen(QColor(230, 120, 0), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 3.5), QPointF(13, 0.5));
    painter.drawLine(QPointF(9, 5), QPointF(6.5, 2.5));
    painter.drawLine(QPointF(17, 5), QPointF(19.5, 2.5));
}

void drawRefused(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 16), 11, 11);
    painter.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
    painter.setPen(QPen(QColor(220, 30, 30), 3));
    painter.drawEllipse(QPointF(16, 16), 11, 11);
    painter.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
}

// --- small status icons, 16 x 16 ---

void drawLoudspeaker(QPainter& painter)
{
    painter.setPen(QPen(QColor(30, 30, 40), 1));
    painter.setBrush(QColor(90, 100, 120));
    painter.drawPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(4.5, 5.5), QPointF(8.5, 2), QPointF(8.5, 14),
                                   QPointF(4.5, 10.5), QPointF(1.5, 10.5)}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 90, 180), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(6, 4.5, 6, 7), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(5, 2, 10, 12), -50 * 16, 100 * 16);
}

void drawScreen(QPainter& painter)
{
    painter.setPen(QPen(QColor(30, 30, 40), 1));
    painter.setBrush(QColor(70, 76, 90));
    painter.drawRoundedRect(QRectF(0.5, 1.5, 15, 10.5), 1.5, 1.5);
    QLinearGradient glass(0, 3, 0, 10);
    glass.setColorAt(0, QColor(120, 190, 255));
    glass.setColorAt(1, QColor(30, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(QRectF(2, 3, 12, 7.5));
    painter.setBrush(QColor(70, 76, 90));
    painter.drawRect(QRectF(7, 12, 2, 2));
    painter.drawRect(QRectF(4, 14, 8, 1.5));
}

void drawProductLogo(QPainter& painter, QSize size)
{
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(0x1b, 0x2d, 0x5c));
    fill.setColorAt(1, QColor(0xd9, 0x7b, 0x4a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 8, 8);
    drawLark(painter, QRectF(6, 10, 50, 30), QColor(255, 250, 235));
    painter.setPen(QColor(255, 250, 235));
    painter.setFont(font(19, true, true));
    painter.drawText(QPointF(58, 30), QStringLiteral("Skylark!"));
    painter.setFont(font(11, false, true));
    painter.setPen(QColor(255, 220, 160));
    painter.drawText(QPointF(72, 46), QStringLiteral("Broadcast"));
}
} // namespace

QPixmap Artwork::splashPicture()
{
    return draw(kSplashSize, [](QPainter& painter) { drawSplash(painter, kSplashSize); });
}

QPixmap Artwork::productLogo()
{
    return draw(kProductLogoSize, [](QPainter& painter) { drawProductLogo(painter, kProductLogoSize); });
}

QPixmap Artwork::playerLogo(Player player)
{
    const LogoStyle style = logoStyle(player);
    return draw(kLogoSize, [&style](QPainter& painter) {
        drawCard(painter, kLogoSize, style.colour);
        if (style.icon)
            style.icon(painter);
        drawLogoName(painter, kLogoSize, style.name);
    });
}

QPixmap Artwork::toolbarImage(int index)
{
    static constexpr void (*kDrawings[])(QPainter&) = {drawGear,      drawPlay, drawGlobe,    drawScan,
                                                       drawMagnifier, drawBook, drawEnvelope, drawStop};
    if (index < 1 || index > kToolbarImageCount)
        return {};
    return draw(kToolbarSize, kDrawings[index - 1]);
}

QPixmap Artwork::presetListPicture(int index)
{
    switch (index) {
    case PresetFace:
    case PresetFaceLit:
        return draw(kPresetFaceSize,
                    [index](QPainter& painter) { drawPresetFace(painter, index == PresetFaceLit); });
    case PointerPressed:
    case PointerHand:
        return draw(kPointerSize, [index](QPainter& painter) { drawHand(painter, index == PointerPressed); });
    case PointerRefused:
        return draw(kPointerSize, drawRefused);
    default:
        return {};
    }
}

QCursor Artwork::pointerCursor(int index)
{
    switch (index) {
    case PointerPressed:
        return QCursor(presetListPicture(index), 13, 6);
    case PointerHand:
        return QCursor(presetListPicture(index), 13, 1);
    case PointerRefused:
        return QCursor(presetListPicture(index), 16, 16);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

QPixmap Artwork::smallImage(int index)
{
    switch (index) {
    case AudioImage:
        return draw(kSmallSize, drawLoudspeaker);
    case VideoImage:
        return draw(kSmallSize, drawScreen);
    default:
        return {};
    }
}
