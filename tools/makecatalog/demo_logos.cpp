#include "demo_logos.h"

#include "demo_rng.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace makecatalog::demo {
namespace {

constexpr int FullWidth = 400, FullHeight = 260;
constexpr int ThumbWidth = 96, ThumbHeight = 64;

std::string encode(const QImage& image, bool jpeg) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 88 : -1))
        throw std::runtime_error(jpeg ? "cannot encode a JPEG picture (is the Qt JPEG plugin installed?)"
                                      : "cannot encode a PNG picture");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QColor colourOf(const std::string& hex, const QColor& fallback) {
    const QColor c(QString::fromStdString(hex));
    return c.isValid() ? c : fallback;
}

// The topic colour moved a little around the hue circle, per company.
QColor vary(const QColor& c, Rng& rng) {
    float h, s, l, a;
    c.getHslF(&h, &s, &l, &a);
    if (h < 0)
        h = 0;
    h = std::fmod(h + static_cast<float>(rng.range(-14, 14)) / 360.0f + 1.0f, 1.0f);
    l = std::clamp(l + static_cast<float>(rng.range(-6, 6)) / 100.0f, 0.18f, 0.78f);
    return QColor::fromHslF(h, s, l, a);
}

QFont makeFont(const QString& family, double pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The largest font (from Max down to Min pixels) in which Text fits Width.
QFont fitFont(const QString& family, const QString& text, double width, double maxPx, double minPx, bool bold) {
    for (double px = maxPx; px > minPx; px -= 1) {
        const QFont f = makeFont(family, px, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
    }
    return makeFont(family, minPx, bold);
}

// One or two lines of a title, split at the blank nearest the middle when one
// line would be too small.
QStringList titleLines(const QString& family, const QString& title, double width, double maxPx) {
    const QFont one = fitFont(family, title, width, maxPx, 10, true);
    if (one.pixelSize() >= maxPx * 0.62 || !title.contains(' '))
        return {title};
    int best = -1;
    for (int i = 0; i < title.size(); ++i) {
        if (title[i] == ' ' && (best < 0 || std::abs(i - title.size() / 2) < std::abs(best - title.size() / 2)))
            best = i;
    }
    return {title.left(best), title.mid(best + 1)};
}

void drawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawTitleBlock(QPainter& p, const QRectF& box, const QString& family, const QString& title,
                    const QString& subtitle, const QColor& titleColour, const QColor& subColour,
                    Qt::Alignment align, double maxPx) {
    const QStringList lines = titleLines(family, title, box.width(), maxPx);
    QFont f = makeFont(family, maxPx, true);
    for (const QString& line : lines) {
        const QFont g = fitFont(family, line, box.width(), maxPx, 10, true);
        if (g.pixelSize() < f.pixelSize())
            f = g;
    }
    const QFontMetricsF fm(f);
    // The trade line: spaced capitals, as large as fits, cut with an ellipsis when even 7 px is too wide.
    QFont sf = makeFont(family, 7, false);
    for (double px = std::max(11.0, f.pixelSize() * 0.42); px >= 7; px -= 1) {
        sf = makeFont(family, px, false);
        sf.setLetterSpacing(QFont::PercentageSpacing, 106);
        if (QFontMetricsF(sf).horizontalAdvance(subtitle) <= box.width())
            break;
    }
    const QFontMetricsF sm(sf);
    const QString trade = sm.elidedText(subtitle, Qt::ElideRight, box.width());
    const double lineHeight = fm.height() * 0.98;
    const double total = lineHeight * lines.size() + (subtitle.isEmpty() ? 0 : sm.height() + 8);
    double y = box.top() + (box.height() - total) / 2;
    p.setFont(f);
    p.setPen(titleColour);
    for (const QString& line : lines) {
        p.drawText(QRectF(box.left(), y, box.width(), lineHeight), align | Qt::AlignVCenter, line);
        y += lineHeight;
    }
    if (!subtitle.isEmpty()) {
        y += 8;
        p.setFont(sf);
        p.setPen(subColour);
        p.drawText(QRectF(box.left(), y, box.width(), sm.height()), align | Qt::AlignVCenter, trade);
    }
}

// Marks are drawn in a 100 x 100 box.
void drawMark(QPainter& p, const std::string& mark, const QRectF& box, const QColor& fg, const QColor& accent) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    QPainterPath path;
    auto thickPen = [&](double w, const QColor& c) {
        QPen pen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    };
    if (mark == "cross") {
        p.drawRoundedRect(QRectF(36, 10, 28, 80), 6, 6);
        p.drawRoundedRect(QRectF(10, 36, 80, 28), 6, 6);
        p.setBrush(accent);
        p.drawEllipse(QPointF(50, 50), 8, 8);
    } else if (mark == "tooth") {
        path.moveTo(22, 22);
        path.cubicTo(22, 6, 42, 10, 50, 16);
        path.cubicTo(58, 10, 78, 6, 78, 22);
        path.cubicTo(78, 44, 70, 52, 68, 70);
        path.cubicTo(66, 92, 56, 92, 55, 74);
        path.cubicTo(54, 62, 46, 62, 45, 74);
        path.cubicTo(44, 92, 34, 92, 32, 70);
        path.cubicTo(30, 52, 22, 44, 22, 22);
        p.drawPath(path);
        p.setBrush(accent);
        p.drawEllipse(QPointF(36, 24), 6, 4);
    } else if (mark == "house") {
        QPolygonF roof;
        roof << QPointF(50, 8) << QPointF(92, 46) << QPointF(8, 46);
        p.drawPolygon(roof);
        p.drawRect(QRectF(18, 44, 64, 46));
        p.setBrush(accent);
        p.drawRect(QRectF(42, 60, 16, 30));
        p.drawRect(QRectF(24, 54, 12, 12));
        p.drawRect(QRectF(64, 54, 12, 12));
    } else if (mark == "brick") {
        for (int row = 0; row < 4; ++row) {
            const double y = 14 + row * 19;
            const double shift = (row % 2) ? 0 : 14;
            for (double x = 8 - shift; x < 92; x += 30) {
                const QRectF r(std::max(8.0, x), y, std::min(x + 27, 92.0) - std::max(8.0, x), 16);
                if (r.width() > 4) {
                    p.setBrush((row + static_cast<int>(x)) % 3 == 0 ? accent : fg);
                    p.drawRoundedRect(r, 2, 2);
                }
            }
        }
    } else if (mark == "gear") {
        for (int i = 0; i < 10; ++i) {
            p.save();
            p.translate(50, 50);
            p.rotate(i * 36.0);
            p.drawRoundedRect(QRectF(-7, -46, 14, 20), 3, 3);
            p.restore();
        }
        p.drawEllipse(QPointF(50, 50), 32, 32);
        p.setBrush(accent);
        p.drawEllipse(QPointF(50, 50), 13, 13);
    } else if (mark == "truck") {
        p.drawRoundedRect(QRectF(6, 24, 56, 44), 4, 4);
        path.moveTo(64, 36);
        path.lineTo(80, 36);
        path.lineTo(94, 52);
        path.lineTo(94, 68);
        path.lineTo(64, 68);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(accent);
        p.drawRect(QRectF(70, 41, 12, 10));
        p.setBrush(fg);
        p.drawEllipse(QPointF(24, 74), 10, 10);
        p.drawEllipse(QPointF(78, 74), 10, 10);
        p.setBrush(accent);
        p.drawEllipse(QPointF(24, 74), 4, 4);
        p.drawEllipse(QPointF(78, 74), 4, 4);
    } else if (mark == "car") {
        path.moveTo(8, 64);
        path.lineTo(8, 50);
        path.cubicTo(10, 44, 18, 42, 24, 40);
        path.lineTo(34, 26);
        path.cubicTo(38, 22, 62, 22, 68, 26);
        path.lineTo(80, 40);
        path.cubicTo(90, 42, 94, 46, 94, 54);
        path.lineTo(94, 64);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(accent);
        QPolygonF glass;
        glass << QPointF(32, 40) << QPointF(40, 29) << QPointF(62, 29) << QPointF(72, 40);
        p.drawPolygon(glass);
        p.setBrush(fg);
        p.drawEllipse(QPointF(28, 66), 11, 11);
        p.drawEllipse(QPointF(74, 66), 11, 11);
        p.setBrush(accent);
        p.drawEllipse(QPointF(28, 66), 4, 4);
        p.drawEllipse(QPointF(74, 66), 4, 4);
    } else if (mark == "wheel") {
        thickPen(12, fg);
        p.drawEllipse(QPointF(50, 50), 36, 36);
        thickPen(5, accent);
        for (int i = 0; i < 6; ++i) {
            const double a = i * std::numbers::pi / 3;
            p.drawLine(QPointF(50, 50), QPointF(50 + 28 * std::cos(a), 50 + 28 * std::sin(a)));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawEllipse(QPointF(50, 50), 9, 9);
    } else if (mark == "cart") {
        thickPen(7, fg);
        p.drawLine(QPointF(6, 18), QPointF(20, 18));
        p.drawLine(QPointF(20, 18), QPointF(32, 66));
        p.drawLine(QPointF(32, 66), QPointF(82, 66));
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        QPolygonF basket;
        basket << QPointF(24, 28) << QPointF(92, 28) << QPointF(82, 58) << QPointF(32, 58);
        p.drawPolygon(basket);
        p.setBrush(accent);
        p.drawRect(QRectF(40, 34, 6, 18));
        p.drawRect(QRectF(54, 34, 6, 18));
        p.drawRect(QRectF(68, 34, 6, 18));
        p.setBrush(fg);
        p.drawEllipse(QPointF(38, 80), 8, 8);
        p.drawEllipse(QPointF(76, 80), 8, 8);
    } else if (mark == "book") {
        path.moveTo(50, 26);
        path.cubicTo(38, 16, 20, 16, 6, 22);
        path.lineTo(6, 82);
        path.cubicTo(20, 76, 38, 76, 50, 86);
        path.cubicTo(62, 76, 80, 76, 94, 82);
        path.lineTo(94, 22);
        path.cubicTo(80, 16, 62, 16, 50, 26);
        p.drawPath(path);
        thickPen(3, accent);
        p.drawLine(QPointF(50, 28), QPointF(50, 82));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(14, 36 + i * 12), QPointF(42, 36 + i * 12 - 2));
            p.drawLine(QPointF(58, 36 + i * 12 - 2), QPointF(86, 36 + i * 12));
        }
    } else if (mark == "cap") {
        QPolygonF board;
        board << QPointF(50, 16) << QPointF(96, 38) << QPointF(50, 60) << QPointF(4, 38);
        p.drawPolygon(board);
        path.moveTo(24, 48);
        path.lineTo(24, 72);
        path.cubicTo(36, 86, 64, 86, 76, 72);
        path.lineTo(76, 48);
        path.lineTo(50, 60);
        path.closeSubpath();
        p.drawPath(path);
        thickPen(3, accent);
        p.drawLine(QPointF(90, 41), QPointF(90, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(90, 72), 5, 5);
    } else if (mark == "leaf") {
        path.moveTo(14, 88);
        path.cubicTo(8, 40, 40, 8, 92, 8);
        path.cubicTo(92, 60, 60, 92, 14, 88);
        p.drawPath(path);
        thickPen(4, accent);
        p.drawLine(QPointF(14, 88), QPointF(70, 30));
        p.drawLine(QPointF(40, 60), QPointF(40, 36));
        p.drawLine(QPointF(54, 46), QPointF(74, 46));
    } else if (mark == "wheat") {
        thickPen(5, fg);
        p.drawLine(QPointF(50, 94), QPointF(50, 14));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            const double y = 22 + i * 13;
            p.setBrush(i % 2 ? accent : fg);
            p.save();
            p.translate(50, y);
            p.rotate(-35);
            p.drawEllipse(QRectF(-24, -6, 22, 12));
            p.restore();
            p.save();
            p.translate(50, y);
            p.rotate(35);
            p.drawEllipse(QRectF(2, -6, 22, 12));
            p.restore();
        }
        p.setBrush(fg);
        p.drawEllipse(QRectF(44, 4, 12, 20));
    } else if (mark == "coin") {
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i % 2 ? accent : fg);
            p.drawEllipse(QRectF(14, 62 - i * 14, 48, 18));
        }
        p.setBrush(fg);
        p.drawEllipse(QPointF(66, 40), 28, 28);
        thickPen(4, accent);
        p.drawEllipse(QPointF(66, 40), 19, 19);
        p.drawLine(QPointF(66, 28), QPointF(66, 52));
    } else if (mark == "chip") {
        thickPen(5, fg);
        for (int i = 0; i < 4; ++i) {
            const double t = 30 + i * 13.3;
            p.drawLine(QPointF(t, 6), QPointF(t, 20));
            p.drawLine(QPointF(t, 80), QPointF(t, 94));
            p.drawLine(QPointF(6, t), QPointF(20, t));
            p.drawLine(QPointF(80, t), QPointF(94, t));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawRoundedRect(QRectF(20, 20, 60, 60), 8, 8);
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(36, 36, 28, 28), 4, 4);
    } else if (mark == "cup") {
        p.drawRoundedRect(QRectF(14, 40, 56, 46), 10, 10);
        p.drawRect(QRectF(14, 40, 56, 20));
        thickPen(8, fg);
        p.drawArc(QRectF(58, 48, 28, 26), -90 * 16, 180 * 16);
        thickPen(5, accent);
        for (int i = 0; i < 3; ++i) {
            QPainterPath steam;
            const double x = 28 + i * 14;
            steam.moveTo(x, 32);
            steam.cubicTo(x - 6, 24, x + 6, 18, x, 8);
            p.drawPath(steam);
        }
    } else if (mark == "bolt") {
        QPolygonF bolt;
        bolt << QPointF(58, 4) << QPointF(18, 56) << QPointF(46, 56) << QPointF(36, 96) << QPointF(82, 40)
             << QPointF(54, 40) << QPointF(66, 4);
        p.drawPolygon(bolt);
        p.setBrush(accent);
        p.drawEllipse(QPointF(76, 76), 7, 7);
    } else if (mark == "drop") {
        path.moveTo(50, 6);
        path.cubicTo(62, 30, 84, 46, 84, 64);
        path.cubicTo(84, 84, 68, 96, 50, 96);
        path.cubicTo(32, 96, 16, 84, 16, 64);
        path.cubicTo(16, 46, 38, 30, 50, 6);
        p.drawPath(path);
        thickPen(5, accent);
        p.drawArc(QRectF(28, 52, 30, 30), 180 * 16, 70 * 16);
    } else if (mark == "shield") {
        path.moveTo(50, 6);
        path.lineTo(88, 20);
        path.cubicTo(88, 58, 72, 82, 50, 96);
        path.cubicTo(28, 82, 12, 58, 12, 20);
        path.closeSubpath();
        p.drawPath(path);
        thickPen(9, accent);
        p.drawLine(QPointF(32, 50), QPointF(46, 64));
        p.drawLine(QPointF(46, 64), QPointF(70, 36));
    } else if (mark == "star") {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = i % 2 ? 20 : 46;
            star << QPointF(50 + r * std::cos(a), 52 + r * std::sin(a));
        }
        p.drawPolygon(star);
        p.setBrush(accent);
        p.drawEllipse(QPointF(50, 52), 9, 9);
    } else if (mark == "wave") {
        for (int i = 0; i < 3; ++i) {
            thickPen(9, i == 1 ? accent : fg);
            QPainterPath w;
            const double y = 30 + i * 20;
            w.moveTo(8, y);
            w.cubicTo(22, y - 14, 36, y - 14, 50, y);
            w.cubicTo(64, y + 14, 78, y + 14, 92, y);
            p.drawPath(w);
        }
    } else if (mark == "sun") {
        thickPen(7, accent);
        for (int i = 0; i < 12; ++i) {
            const double a = i * std::numbers::pi / 6;
            p.drawLine(QPointF(50 + 32 * std::cos(a), 50 + 32 * std::sin(a)),
                       QPointF(50 + 45 * std::cos(a), 50 + 45 * std::sin(a)));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawEllipse(QPointF(50, 50), 25, 25);
    } else if (mark == "flask") {
        path.moveTo(40, 8);
        path.lineTo(60, 8);
        path.lineTo(60, 36);
        path.lineTo(88, 86);
        path.cubicTo(90, 92, 86, 94, 82, 94);
        path.lineTo(18, 94);
        path.cubicTo(14, 94, 10, 92, 12, 86);
        path.lineTo(40, 36);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(accent);
        QPolygonF liquid;
        liquid << QPointF(28, 64) << QPointF(72, 64) << QPointF(84, 86) << QPointF(16, 86);
        p.drawPolygon(liquid);
        p.setBrush(fg);
        p.drawEllipse(QPointF(44, 76), 4, 4);
        p.drawEllipse(QPointF(58, 72), 3, 3);
    } else if (mark == "mask") {
        path.moveTo(10, 14);
        path.cubicTo(36, 24, 64, 24, 90, 14);
        path.cubicTo(94, 56, 76, 92, 50, 92);
        path.cubicTo(24, 92, 6, 56, 10, 14);
        p.drawPath(path);
        p.setBrush(accent);
        p.drawEllipse(QRectF(24, 36, 16, 10));
        p.drawEllipse(QRectF(60, 36, 16, 10));
        thickPen(6, accent);
        p.drawArc(QRectF(30, 48, 40, 26), 200 * 16, 140 * 16);
    } else if (mark == "scissors") {
        thickPen(8, fg);
        p.drawEllipse(QPointF(26, 76), 14, 14);
        p.drawEllipse(QPointF(74, 76), 14, 14);
        p.drawLine(QPointF(34, 64), QPointF(76, 8));
        p.drawLine(QPointF(66, 64), QPointF(24, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(50, 42), 5, 5);
    } else {  // tools
        p.save();
        p.translate(50, 50);
        p.rotate(45);
        p.drawRoundedRect(QRectF(-8, -20, 16, 64), 6, 6);
        p.drawEllipse(QPointF(0, -30), 20, 20);
        p.setBrush(accent);
        p.drawRect(QRectF(-6, -54, 12, 24));
        p.restore();
        p.save();
        p.translate(50, 50);
        p.rotate(-45);
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(-5, -6, 10, 50), 4, 4);
        p.setBrush(fg);
        p.drawRoundedRect(QRectF(-14, -44, 28, 16), 4, 4);
        p.restore();
    }
    p.restore();
}

struct Palette {
    QColor main, second, dark, light;
};

Palette paletteOf(const LogoSpec& spec, Rng& rng) {
    Palette pal;
    pal.main = vary(colourOf(spec.colour1, QColor(0x1d, 0x4e, 0x89)), rng);
    pal.second = vary(colourOf(spec.colour2, QColor(0x55, 0xa3, 0xe8)), rng);
    pal.dark = pal.main.darker(150);
    pal.light = pal.second.lighter(185);
    return pal;
}

QString fontFamily(Rng& rng) {
    static const char* const families[] = {"DejaVu Sans", "DejaVu Sans", "Liberation Sans", "DejaVu Serif",
                                           "Liberation Serif"};
    return families[rng.below(5)];
}

void setUp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The four designs; Thumb draws the compact form without the name.
void drawDesign(QPainter& p, int design, bool thumb, double w, double h, const LogoSpec& spec,
                const Palette& pal, const QString& family, bool useMark) {
    const QString initials = QString::fromStdString(spec.initials);
    const QString title = QString::fromStdString(spec.title);
    const QString subtitle = QString::fromStdString(spec.subtitle).toUpper();
    switch (design) {
    case 0: {  // badge with the initials or the mark, name at the right
        const double side = thumb ? h * 0.84 : 132;
        const QRectF badge = thumb ? QRectF((w - side) / 2, (h - side) / 2, side, side)
                                   : QRectF(26, (h - side) / 2, side, side);
        QLinearGradient g(badge.topLeft(), badge.bottomRight());
        g.setColorAt(0, pal.main.lighter(118));
        g.setColorAt(1, pal.main.darker(135));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(badge, side * 0.22, side * 0.22);
        p.setBrush(pal.second);
        p.drawEllipse(QPointF(badge.right() - side * 0.16, badge.top() + side * 0.16), side * 0.07, side * 0.07);
        if (useMark)
            drawMark(p, spec.mark, badge.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2), Qt::white,
                     pal.second.lighter(130));
        else
            drawCentredText(p, badge, initials, fitFont(family, initials, side * 0.78, side * 0.5, 8, true),
                            Qt::white);
        if (!thumb) {
            const QRectF text(badge.right() + 22, 30, w - badge.right() - 40, h - 60);
            drawTitleBlock(p, text, family, title, subtitle, pal.dark, QColor(0x6b, 0x72, 0x7a),
                           Qt::AlignLeft, 40);
            p.setPen(Qt::NoPen);
            p.setBrush(pal.second);
            p.drawRoundedRect(QRectF(text.left(), h - 46, 64, 5), 2, 2);
        }
        break;
    }
    case 1: {  // round emblem above the name
        const double r = thumb ? h * 0.42 : 58;
        const QPointF c(w / 2, thumb ? h / 2 : 82);
        QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.5);
        g.setColorAt(0, pal.main.lighter(135));
        g.setColorAt(1, pal.main.darker(130));
        p.setPen(QPen(pal.second, thumb ? 3 : 6));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        const QRectF inner(c.x() - r * 0.58, c.y() - r * 0.58, r * 1.16, r * 1.16);
        if (useMark)
            drawMark(p, spec.mark, inner, Qt::white, pal.second.lighter(125));
        else
            drawCentredText(p, inner, initials, fitFont(family, initials, r * 1.3, r * 0.85, 8, true), Qt::white);
        if (!thumb)
            drawTitleBlock(p, QRectF(20, 150, w - 40, 96), family, title, subtitle, pal.dark,
                           QColor(0x70, 0x70, 0x70), Qt::AlignHCenter, 36);
        break;
    }
    case 2: {  // gradient banner with light stripes
        const QRectF band = thumb ? QRectF(3, 6, w - 6, h - 12) : QRectF(14, 46, w - 28, h - 92);
        const double radius = thumb ? 10 : 26;
        QLinearGradient g(band.topLeft(), band.topRight());
        g.setColorAt(0, pal.main);
        g.setColorAt(1, pal.second.darker(115));
        QPainterPath shape;
        shape.addRoundedRect(band, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        p.setBrush(QColor(255, 255, 255, 34));
        for (double x = band.left() - band.height(); x < band.right(); x += band.height() * 0.5) {
            QPolygonF stripe;
            stripe << QPointF(x, band.bottom()) << QPointF(x + band.height() * 0.2, band.bottom())
                   << QPointF(x + band.height() * 1.2, band.top()) << QPointF(x + band.height(), band.top());
            p.drawPolygon(stripe);
        }
        p.restore();
        if (thumb) {
            drawCentredText(p, band, initials, fitFont(family, initials, band.width() * 0.8, band.height() * 0.62, 8, true),
                            Qt::white);
        } else {
            const double markSize = band.height() * 0.5;
            drawMark(p, spec.mark, QRectF(band.left() + 22, band.center().y() - markSize / 2, markSize, markSize),
                     Qt::white, QColor(255, 255, 255, 150));
            drawTitleBlock(p, band.adjusted(markSize + 40, 10, -18, -10), family, title, subtitle, Qt::white,
                           QColor(255, 255, 255, 210), Qt::AlignLeft, 38);
        }
        break;
    }
    default: {  // free-standing mark with the name beside it
        const double side = thumb ? h * 0.86 : 138;
        const QRectF box = thumb ? QRectF((w - side) / 2, (h - side) / 2, side, side)
                                 : QRectF(24, (h - side) / 2, side, side);
        drawMark(p, spec.mark, box, pal.main, pal.second);
        if (!thumb) {
            const QRectF text(box.right() + 20, 30, w - box.right() - 36, h - 60);
            drawTitleBlock(p, text, family, title, subtitle, pal.dark, pal.second.darker(140), Qt::AlignLeft, 40);
        }
        break;
    }
    }
}

}  // namespace

void requireGuiApplication() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::logic_error("the demo catalogs draw their pictures with fonts: create a QGuiApplication "
                               "(QT_QPA_PLATFORM=offscreen is enough) before makeDemoCatalogs()");
}

PictureFiles drawLogo(const LogoSpec& spec, bool jpeg) {
    requireGuiApplication();
    Rng rng(spec.seed);
    const Palette pal = paletteOf(spec, rng);
    const QString family = fontFamily(rng);
    const int design = rng.below(4);
    const bool useMark = rng.chance(45);
    const QColor background = rng.chance(70) ? QColor(Qt::white) : pal.light.lighter(112);

    PictureFiles files;
    for (int pass = 0; pass < 2; ++pass) {
        const bool thumb = pass == 0;
        QImage image(thumb ? ThumbWidth : FullWidth, thumb ? ThumbHeight : FullHeight, QImage::Format_RGB32);
        image.fill(background);
        {
            QPainter p(&image);
            setUp(p);
            drawDesign(p, design, thumb, image.width(), image.height(), spec, pal, family, useMark);
        }
        (thumb ? files.thumb : files.data) = encode(image, jpeg);
    }
    return files;
}

PictureFiles drawPhoto(const LogoSpec& spec, bool jpeg) {
    requireGuiApplication();
    Rng rng(spec.seed ^ 0x5bd1e995u);
    const Palette pal = paletteOf(spec, rng);
    const QString family = fontFamily(rng);
    const double w = FullWidth, h = FullHeight;
    QImage image(FullWidth, FullHeight, QImage::Format_RGB32);
    {
        QPainter p(&image);
        setUp(p);
        // Sky: day, evening or overcast.
        static const char* const skies[][2] = {
            {"#7fb8f0", "#e4f1ff"}, {"#f5a46e", "#ffe6cf"}, {"#a9b8c4", "#eef2f5"}, {"#5e9fe0", "#d6ecff"}};
        const int sky = rng.below(4);
        QLinearGradient skyGradient(0, 0, 0, h * 0.8);
        skyGradient.setColorAt(0, QColor(skies[sky][0]));
        skyGradient.setColorAt(1, QColor(skies[sky][1]));
        p.fillRect(QRectF(0, 0, w, h), skyGradient);
        p.setPen(Qt::NoPen);
        if (sky != 2) {
            p.setBrush(QColor(255, 244, 200, 220));
            p.drawEllipse(QPointF(rng.range(40, 360), rng.range(24, 50)), 18, 18);
        }
        p.setBrush(QColor(255, 255, 255, 190));
        for (int i = 0; i < 3; ++i) {
            const double cx = rng.range(20, 380), cy = rng.range(20, 60);
            p.drawEllipse(QPointF(cx, cy), 26, 10);
            p.drawEllipse(QPointF(cx + 16, cy - 6), 16, 10);
        }
        // Distant town.
        p.setBrush(QColor(150, 165, 180, 120));
        for (double x = 0; x < w; x += rng.range(24, 40))
            p.drawRect(QRectF(x, h * 0.42 - rng.range(10, 60), rng.range(20, 34), 140));
        // Street.
        p.setBrush(QColor(0xb8, 0xbc, 0xc0));
        p.drawRect(QRectF(0, h - 38, w, 38));
        p.setBrush(QColor(0x8a, 0x8f, 0x94));
        p.drawRect(QRectF(0, h - 14, w, 14));
        // The building: one to three upper floors, a flat or pitched roof.
        static const char* const walls[] = {"#efe4d2", "#dfe4ea", "#e8d5c4", "#f3efe6", "#d9c2a8", "#e6ece0"};
        const QColor wall(walls[rng.below(6)]);
        const int floors = rng.range(1, 3);
        const double ground = h - 38;
        const double shopHeight = 54, signHeight = 26, floorHeight = 34;
        const double width = rng.range(230, 290);
        const QRectF house((w - width) / 2, ground - shopHeight - signHeight - 16 - floors * floorHeight, width,
                           shopHeight + signHeight + 16 + floors * floorHeight);
        p.setBrush(wall);
        p.drawRect(house);
        if (rng.chance(35)) {
            QPolygonF roof;
            roof << QPointF(house.left() - 12, house.top()) << QPointF(house.center().x(), house.top() - 46)
                 << QPointF(house.right() + 12, house.top());
            p.setBrush(QColor(rng.chance(50) ? "#9c4a3a" : "#5d6b78"));
            p.drawPolygon(roof);
        } else {
            p.setBrush(wall.darker(118));
            p.drawRect(QRectF(house.left() - 6, house.top() - 8, house.width() + 12, 10));
        }
        // Upper windows.
        const int columns = static_cast<int>(width / 52);
        const double cell = house.width() / columns;
        for (int row = 0; row < floors; ++row) {
            for (int col = 0; col < columns; ++col) {
                const QRectF win(house.left() + col * cell + cell * 0.22, house.top() + 8 + row * floorHeight,
                                 cell * 0.56, floorHeight - 12);
                QLinearGradient glass(win.topLeft(), win.bottomRight());
                glass.setColorAt(0, QColor(0xcf, 0xe8, 0xfa));
                glass.setColorAt(1, QColor(0x6f, 0x9c, 0xc4));
                p.setBrush(glass);
                p.setPen(QPen(wall.darker(140), 1.5));
                p.drawRect(win);
                p.setPen(QPen(QColor(255, 255, 255, 140), 2));
                p.drawLine(win.topLeft() + QPointF(4, win.height() - 6), win.topLeft() + QPointF(12, 4));
                p.setPen(Qt::NoPen);
            }
        }
        // Sign band with the name.
        const QRectF sign(house.left() + 10, house.top() + floors * floorHeight + 6, house.width() - 20, signHeight);
        p.setBrush(pal.main);
        p.drawRoundedRect(sign, 4, 4);
        const QString title = QString::fromStdString(spec.title);
        drawCentredText(p, sign.adjusted(8, 0, -8, 0), title, fitFont(family, title, sign.width() - 16, 18, 8, true),
                        Qt::white);
        // Awning, shop windows and the door.
        const double shopTop = ground - shopHeight;
        if (rng.chance(70)) {
            const QRectF awning(house.left() + 6, shopTop - 8, house.width() - 12, 13);
            const int stripes = 12;
            for (int i = 0; i < stripes; ++i) {
                p.setBrush(i % 2 ? QColor(Qt::white) : pal.second);
                p.drawRect(QRectF(awning.left() + i * awning.width() / stripes, awning.top(),
                                  awning.width() / stripes + 0.5, awning.height()));
            }
        }
        const double shopWidth = (house.width() - 40 - 44) / 2;
        for (double x : {house.left() + 14, house.right() - 14 - shopWidth}) {
            const QRectF window(x, shopTop + 8, shopWidth, shopHeight - 14);
            QLinearGradient glass(window.topLeft(), window.bottomRight());
            glass.setColorAt(0, QColor(0x7d, 0xa3, 0xc4));
            glass.setColorAt(1, QColor(0x3d, 0x5f, 0x80));
            p.setBrush(glass);
            p.drawRect(window);
            p.setBrush(QColor(255, 255, 255, 55));
            p.drawRect(QRectF(window.left() + 6, window.top() + 4, 14, window.height() - 8));
        }
        p.setBrush(pal.dark);
        p.drawRect(QRectF(house.center().x() - 20, shopTop + 4, 40, shopHeight - 4));
        p.setBrush(QColor(0xf0, 0xd0, 0x60));
        p.drawEllipse(QPointF(house.center().x() + 12, shopTop + shopHeight / 2 + 4), 2.5, 2.5);
        // Trees.
        const int trees = rng.range(0, 2);
        for (int t = 0; t < 2; ++t) {
            if (trees == 0 || (trees == 1 && t == 1))
                continue;
            const double tx = t == 0 ? house.left() / 2 : (house.right() + w) / 2;
            p.setBrush(QColor(0x6d, 0x4c, 0x33));
            p.drawRect(QRectF(tx - 4, ground - 46, 8, 46));
            const QColor leaves = QColor::fromHsl(rng.range(85, 130), 120, rng.range(70, 100));
            p.setBrush(leaves);
            p.drawEllipse(QPointF(tx, ground - 62), std::min(26.0, house.left() / 2 - 2), 30);
            p.setBrush(leaves.lighter(115));
            p.drawEllipse(QPointF(tx - 8, ground - 70), 12, 12);
        }
    }
    PictureFiles files;
    files.data = encode(image, jpeg);
    files.thumb = encode(image.scaled(ThumbWidth, ThumbHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), jpeg);
    return files;
}

PictureFiles tinyPicture(uint64_t seed) {
    Rng rng(seed);
    const QColor a = QColor::fromHsl(rng.below(360), 150, 110);
    const QColor b = QColor::fromHsl((a.hslHue() + 40) % 360, 170, 170);
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double t = (x + y) / 38.0;
            image.setPixel(x, y, qRgb(static_cast<int>(a.red() * (1 - t) + b.red() * t),
                                      static_cast<int>(a.green() * (1 - t) + b.green() * t),
                                      static_cast<int>(a.blue() * (1 - t) + b.blue() * t)));
        }
    }
    PictureFiles files;
    files.data = encode(image, false);
    files.thumb = files.data;
    return files;
}

std::string emptyPicture() {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return encode(image, false);
}

}  // namespace makecatalog::demo
