// Pictures of the demo catalog folders, drawn with QPainter: the lobby
// buttons, the partners' banners and posters, the missing-image picture.
#include "demo_files.h"

#include "demo_logos.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <stdexcept>

namespace makecatalog::demo {
namespace {

// The lobby window's background colour: the buttons' corners take it, since
// the lobby draws the pictures onto an opaque bitmap.
const QColor LobbyColour(0xEF, 0x9A, 0x48);
const QColor Navy(0x1D, 0x4E, 0x89);
const QColor Orange(0xEF, 0x9A, 0x48);

const QString Sans = QStringLiteral("Liberation Sans");

std::string png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode a PNG picture");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

QFont font(double pixels, bool bold) {
    QFont f(Sans);
    f.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The largest font from Max down to Min pixels in which Text fits Width.
QFont fitted(const QString& text, double width, double maxPx, double minPx, bool bold) {
    for (double px = maxPx; px > minPx; px -= 1) {
        const QFont f = font(px, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
    }
    return font(minPx, bold);
}

void setUp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

struct PartnerDef {
    const char* nameRu;
    const char* nameEn;
    const char* kindRu;  // the banner's small line over the brand
    const char* kindEn;
    const char* brand[2];  // Russian, English
    const char* sloganRu;
    const char* sloganEn;
    const char* pointsRu[3];
    const char* pointsEn[3];
    QColor from, to;
    enum Mark { Sheets, Arrow, Pavilion, Chart } mark;
};

// Invented advertisers of the demonstration catalogs.
const PartnerDef& partnerDef(int index) {
    static const PartnerDef defs[] = {
        {"Типография «Литера»", "Litera Print House", "Типография", "Print house", {"Литера", "Litera"},
         "Визитки, каталоги, упаковка",
         "Business cards, catalogues, packaging",
         {"Офсетная и цифровая печать", "Дизайн и вёрстка", "Тиражи от 50 экземпляров"},
         {"Offset and digital printing", "Design and layout", "Runs from 50 copies"},
         QColor(0x6A, 0x2C, 0x91), QColor(0xB0, 0x45, 0x9B), PartnerDef::Sheets},
        {"Курьерская служба «Стрела»", "Strela Courier", "Курьерская служба", "Courier service",
         {"Стрела", "Strela"}, "Доставка по всей Беларуси за сутки",
         "Next-day delivery across Belarus",
         {"Документы и посылки", "Забор груза от двери", "Отслеживание отправлений"},
         {"Documents and parcels", "Door-to-door pickup", "Parcel tracking"},
         QColor(0xB8, 0x2E, 0x22), QColor(0xE6, 0x7E, 0x22), PartnerDef::Arrow},
        {"Выставочный центр «Нёман-Экспо»", "Neman Expo Centre", "Выставочный центр", "Exhibition centre",
         {"Нёман-Экспо", "Neman Expo"}, "Выставки и ярмарки круглый год",
         "Exhibitions and fairs all year round",
         {"Залы от 100 до 5000 м²", "Конференции и форумы", "Застройка стендов"},
         {"Halls from 100 to 5,000 m²", "Conferences and forums", "Stand construction"},
         QColor(0x0B, 0x6E, 0x6D), QColor(0x1A, 0xA5, 0x89), PartnerDef::Pavilion},
        {"Бизнес-школа «Вектор»", "Vector Business School", "Бизнес-школа", "Business school",
         {"Вектор", "Vector"}, "Обучение для руководителей и команд",
         "Training for managers and teams",
         {"Менеджмент и финансы", "Продажи и маркетинг", "Корпоративные программы"},
         {"Management and finance", "Sales and marketing", "Corporate programmes"},
         QColor(0x16, 0x3F, 0x73), QColor(0x2E, 0x86, 0xC1), PartnerDef::Chart},
    };
    if (index < 0 || index >= static_cast<int>(std::size(defs)))
        throw std::out_of_range("no such partner");
    return defs[index];
}

constexpr int PartnerCount = 4;

// A partner's mark in Colour inside the square R.
void drawMark(QPainter& p, PartnerDef::Mark mark, const QRectF& r, const QColor& colour) {
    p.save();
    const double s = r.width();
    QPen pen(colour, s * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (mark) {
    case PartnerDef::Sheets: {
        // Three sheets fanned out, the front one with lines of type.
        for (int k = 2; k >= 0; --k) {
            const QRectF sheet(r.left() + s * (0.14 + 0.1 * k), r.top() + s * (0.22 - 0.08 * k), s * 0.5, s * 0.62);
            QColor fill = colour;
            fill.setAlphaF(k == 0 ? 1.0f : 0.35f + 0.1f * static_cast<float>(2 - k));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRoundedRect(sheet, s * 0.05, s * 0.05);
            if (k == 0) {
                p.setPen(Qt::NoPen);
                QColor ink = colour.lightness() > 128 ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 150);
                p.setBrush(ink);
                for (int line = 0; line < 4; ++line) {
                    const double w = line == 3 ? 0.22 : 0.34;
                    p.drawRoundedRect(QRectF(sheet.left() + s * 0.08, sheet.top() + s * (0.12 + 0.11 * line),
                                             s * w, s * 0.045),
                                      s * 0.02, s * 0.02);
                }
            }
        }
        break;
    }
    case PartnerDef::Arrow: {
        QPainterPath arrow;
        arrow.moveTo(r.left() + s * 0.34, r.top() + s * 0.38);
        arrow.lineTo(r.left() + s * 0.62, r.top() + s * 0.38);
        arrow.lineTo(r.left() + s * 0.62, r.top() + s * 0.22);
        arrow.lineTo(r.left() + s * 0.92, r.top() + s * 0.5);
        arrow.lineTo(r.left() + s * 0.62, r.top() + s * 0.78);
        arrow.lineTo(r.left() + s * 0.62, r.top() + s * 0.62);
        arrow.lineTo(r.left() + s * 0.34, r.top() + s * 0.62);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(arrow);
        // Speed lines behind it.
        p.setPen(pen);
        for (int k = 0; k < 3; ++k) {
            const double y = r.top() + s * (0.36 + 0.14 * k);
            const double x0 = r.left() + s * (0.08 + 0.05 * (k % 2));
            p.drawLine(QPointF(x0, y), QPointF(r.left() + s * 0.24, y));
        }
        break;
    }
    case PartnerDef::Pavilion: {
        // A hall with a vaulted roof over the river waves.
        QPainterPath roof;
        roof.moveTo(r.left() + s * 0.1, r.top() + s * 0.58);
        roof.cubicTo(r.left() + s * 0.2, r.top() + s * 0.1, r.left() + s * 0.8, r.top() + s * 0.1,
                     r.left() + s * 0.9, r.top() + s * 0.58);
        roof.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(roof);
        QColor cut = colour.lightness() > 128 ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 120);
        p.setBrush(cut);
        for (int k = 0; k < 3; ++k)
            p.drawRect(QRectF(r.left() + s * (0.3 + 0.15 * k), r.top() + s * 0.38, s * 0.07, s * 0.2));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
        for (int k = 0; k < 2; ++k) {
            QPainterPath wave;
            const double y = r.top() + s * (0.72 + 0.13 * k);
            wave.moveTo(r.left() + s * 0.1, y);
            for (int i = 0; i < 4; ++i) {
                const double x = r.left() + s * (0.1 + 0.2 * i);
                wave.cubicTo(x + s * 0.05, y - s * 0.06, x + s * 0.15, y + s * 0.06, x + s * 0.2, y);
            }
            p.drawPath(wave);
        }
        break;
    }
    case PartnerDef::Chart: {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (int k = 0; k < 3; ++k) {
            const double h = s * (0.22 + 0.18 * k);
            p.drawRoundedRect(QRectF(r.left() + s * (0.14 + 0.22 * k), r.bottom() - s * 0.1 - h, s * 0.15, h),
                              s * 0.03, s * 0.03);
        }
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QPointF a(r.left() + s * 0.1, r.top() + s * 0.5), b(r.left() + s * 0.42, r.top() + s * 0.3),
            c(r.left() + s * 0.56, r.top() + s * 0.38), d(r.left() + s * 0.86, r.top() + s * 0.12);
        p.drawPolyline(QList<QPointF>{a, b, c, d});
        QPainterPath head;
        head.moveTo(d + QPointF(s * 0.02, -s * 0.02));
        head.lineTo(d + QPointF(-s * 0.14, s * 0.0));
        head.lineTo(d + QPointF(s * 0.0, s * 0.14));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
        break;
    }
    }
    p.restore();
}

// Soft light circles over a gradient, as in printed advertisements.
void drawGlow(QPainter& p, const QRectF& area, const QPointF& centre, double radius) {
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(area);
}

}  // namespace

std::vector<Partner> partners(bool english) {
    std::vector<Partner> out;
    for (int i = 0; i < PartnerCount; ++i) {
        const PartnerDef& d = partnerDef(i);
        out.push_back({"banner" + std::to_string(i + 1) + ".png", "poster" + std::to_string(i + 1) + ".png",
                       english ? d.nameEn : d.nameRu});
    }
    return out;
}

std::string lobbyButton(const CatalogTexts& texts, bool english, bool hot) {
    requireGuiApplication();
    constexpr int W = 280, H = 40;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(LobbyColour);
    {
        QPainter p(&image);
        setUp(p);
        const QRectF body(1.5, 1.5, W - 3, H - 4);
        // A soft shadow under the button.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9C, 0x55, 0x1A, 110));
        p.drawRoundedRect(body.translated(0, 1.5), 9, 9);

        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        if (hot) {
            fill.setColorAt(0, QColor(0x2F, 0x6E, 0xB8));
            fill.setColorAt(1, Navy);
        } else {
            fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
            fill.setColorAt(1, QColor(0xF4, 0xEE, 0xE6));
        }
        p.setBrush(fill);
        p.setPen(QPen(hot ? QColor(0x12, 0x35, 0x60) : QColor(0xC0, 0x68, 0x22), 1.2));
        p.drawRoundedRect(body, 9, 9);

        // The emblem: a little directory page.
        const QRectF emblem(10, 8, 24, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(hot ? Orange : Navy);
        p.drawRoundedRect(emblem, 5, 5);
        p.setBrush(QColor(255, 255, 255));
        for (int k = 0; k < 3; ++k)
            p.drawRoundedRect(QRectF(emblem.left() + 6, emblem.top() + 6.5 + 4.5 * k, k == 2 ? 8 : 12, 2.2), 1, 1);

        // The language badge at the right end.
        const QString language = english ? QStringLiteral("EN") : QStringLiteral("RU");
        const QFont badgeFont = font(10, true);
        const double badgeWidth = QFontMetricsF(badgeFont).horizontalAdvance(language) + 12;
        const QRectF badge(W - 12 - badgeWidth, 11, badgeWidth, 17);
        const QColor badgeColour = hot ? QColor(255, 255, 255, 210) : QColor(0xC0, 0x68, 0x22);
        p.setPen(QPen(badgeColour, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(badge, 8.5, 8.5);
        p.setFont(badgeFont);
        p.drawText(badge, Qt::AlignCenter, language);

        // The catalog's name.
        const QString name = q(texts.name);
        const double left = emblem.right() + 10, right = badge.left() - 8;
        const QRectF text(left, 0, right - left, H - 1);
        p.setFont(fitted(name, text.width(), 16, 10, true));
        p.setPen(hot ? QColor(255, 255, 255) : Navy);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    return png(image);
}

std::string partnerBanner(int index, bool english) {
    requireGuiApplication();
    const PartnerDef& d = partnerDef(index);
    constexpr int W = 288, H = 72;
    QImage image(W, H, QImage::Format_RGB32);
    {
        QPainter p(&image);
        setUp(p);
        const QRectF all(0, 0, W, H);
        QLinearGradient fill(all.topLeft(), all.topRight());
        fill.setColorAt(0, d.from);
        fill.setColorAt(1, d.to);
        p.fillRect(all, fill);
        drawGlow(p, all, QPointF(W * 0.8, -H * 0.4), H * 1.6);
        // Diagonal light stripes at the right end.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 22));
        for (int k = 0; k < 3; ++k) {
            const double x = W - 70 + 22 * k;
            p.drawPolygon(QPolygonF({QPointF(x, H), QPointF(x + 12, H), QPointF(x + 40, 0), QPointF(x + 28, 0)}));
        }

        drawMark(p, d.mark, QRectF(10, 10, 52, 52), QColor(255, 255, 255));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(QPointF(72.5, 14), QPointF(72.5, H - 14));

        // The kind of business small, the brand large, the slogan under it.
        const QString kind = q(english ? d.kindEn : d.kindRu).toUpper();
        const QString brand = q(d.brand[english ? 1 : 0]);
        const QString slogan = q(english ? d.sloganEn : d.sloganRu);
        const double left = 84, width = W - left - 10;
        QFont kindFont = fitted(kind, width, 10, 7, true);
        kindFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
        p.setFont(kindFont);
        p.setPen(QColor(255, 255, 255, 190));
        p.drawText(QRectF(left, 9, width, 14), Qt::AlignLeft | Qt::AlignVCenter, kind);
        p.setPen(QColor(255, 255, 255));
        p.setFont(fitted(brand, width, 22, 12, true));
        p.drawText(QRectF(left, 22, width, 28), Qt::AlignLeft | Qt::AlignVCenter, brand);
        p.setPen(QColor(255, 255, 255, 225));
        p.setFont(fitted(slogan, width, 11, 8, false));
        p.drawText(QRectF(left, 49, width, 15), Qt::AlignLeft | Qt::AlignVCenter, slogan);

        p.setPen(QPen(d.from.darker(140), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    }
    return png(image);
}

std::string partnerPoster(int index, bool english) {
    requireGuiApplication();
    const PartnerDef& d = partnerDef(index);
    constexpr int W = 640, H = 400;
    QImage image(W, H, QImage::Format_RGB32);
    {
        QPainter p(&image);
        setUp(p);
        const QRectF all(0, 0, W, H);
        QLinearGradient fill(all.topLeft(), all.bottomRight());
        fill.setColorAt(0, d.from);
        fill.setColorAt(1, d.to);
        p.fillRect(all, fill);
        drawGlow(p, all, QPointF(W * 0.85, H * 0.05), 300);
        drawGlow(p, all, QPointF(W * 0.1, H * 1.1), 220);

        // Heading: the mark, the name and the slogan.
        drawMark(p, d.mark, QRectF(36, 34, 104, 104), QColor(255, 255, 255));
        const QString name = q(english ? d.nameEn : d.nameRu);
        const QString slogan = q(english ? d.sloganEn : d.sloganRu);
        const double left = 164, width = W - left - 32;
        p.setPen(QColor(255, 255, 255));
        p.setFont(fitted(name, width, 36, 18, true));
        p.drawText(QRectF(left, 40, width, 52), Qt::AlignLeft | Qt::AlignVCenter, name);
        p.setPen(QColor(255, 255, 255, 230));
        p.setFont(fitted(slogan, width, 20, 12, false));
        p.drawText(QRectF(left, 92, width, 34), Qt::AlignLeft | Qt::AlignVCenter, slogan);

        // A white card with the services.
        const QRectF card(36, 166, W - 72, 172);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(card.translated(0, 4), 14, 14);
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(card, 14, 14);
        const QFont pointFont = font(19, false);
        for (int k = 0; k < 3; ++k) {
            const double y = card.top() + 26 + 46 * k;
            const QRectF tick(card.left() + 28, y, 26, 26);
            p.setPen(Qt::NoPen);
            p.setBrush(d.from);
            p.drawEllipse(tick);
            p.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QList<QPointF>{tick.topLeft() + QPointF(7, 13.5), tick.topLeft() + QPointF(11.5, 18),
                                          tick.topLeft() + QPointF(19.5, 9)});
            p.setPen(QColor(0x23, 0x27, 0x2E));
            p.setFont(pointFont);
            const QString point = q(english ? d.pointsEn[k] : d.pointsRu[k]);
            p.drawText(QRectF(tick.right() + 16, y - 4, card.width() - 100, 34), Qt::AlignLeft | Qt::AlignVCenter,
                       point);
        }

        // Footer: this is an invented advertisement.
        p.setPen(QColor(255, 255, 255, 210));
        p.setFont(font(13, false));
        p.drawText(QRectF(36, H - 50, W - 72, 36), Qt::AlignLeft | Qt::AlignVCenter,
                   english ? QStringLiteral("Catalogue partner \u00B7 a demonstration advertisement")
                           : QStringLiteral("Партнёр каталога \u00B7 демонстрационная реклама"));
    }
    return png(image);
}

std::string missingPicture() {
    constexpr int W = 96, H = 64;
    QImage image(W, H, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF frame(1.5, 1.5, W - 3, H - 3);
        p.setPen(QPen(QColor(0xD3, 0xD9, 0xE2), 1));
        p.setBrush(QColor(0xF3, 0xF5, 0xF8));
        p.drawRoundedRect(frame, 6, 6);
        // A landscape pictogram: sun and two hills.
        const QColor ink(0xC3, 0xCC, 0xD8);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(62, 22), 6, 6);
        QPainterPath hills;
        hills.moveTo(24, 48);
        hills.lineTo(40, 28);
        hills.lineTo(50, 39);
        hills.lineTo(57, 32);
        hills.lineTo(72, 48);
        hills.closeSubpath();
        p.drawPath(hills);
    }
    return png(image);
}

}  // namespace makecatalog::demo
