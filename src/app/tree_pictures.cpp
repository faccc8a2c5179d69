// Drawn in code on a 16-unit grid: lines sit on half units, so that they
// cover whole pixels at 16 px and at its multiples.
#include "app/tree_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace app {
namespace {

using Painting = std::function<void(QPainter&)>;

const int Sizes[] = {16, 24, 32, 48};

QPixmap render(int size, const Painting& paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    paint(painter);
    return pixmap;
}

QIcon icon(const Painting& closed, const Painting& open = {}) {
    QIcon result;
    for (int size : Sizes) {
        // The same colours in a selected row: the style would grey them.
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected}) {
            result.addPixmap(render(size, closed), mode, QIcon::Off);
            if (open)
                result.addPixmap(render(size, open), mode, QIcon::On);
        }
    }
    return result;
}

QLinearGradient vertical(double top, double bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

const QColor FolderLine(0x9a, 0x6a, 0x12);

void closedFolder(QPainter& p) {
    p.setPen(QPen(FolderLine, 1));
    // The tab, then the body over it.
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 3);
    tab.quadTo(1.5, 2.5, 2, 2.5);
    tab.lineTo(5.5, 2.5);
    tab.lineTo(7, 4);
    tab.lineTo(7, 4.5);
    p.setBrush(QColor(0xe9, 0xb4, 0x3c));
    p.drawPath(tab);
    p.setBrush(vertical(4, 14, QColor(0xfd, 0xe3, 0x8a), QColor(0xee, 0xb5, 0x35)));
    p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1, 1);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(2.5, 5.5), QPointF(13.5, 5.5));
}

void openFolder(QPainter& p) {
    p.setPen(QPen(FolderLine, 1));
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3);
    back.quadTo(1.5, 2.5, 2, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7, 4);
    back.lineTo(12.5, 4);
    back.lineTo(12.5, 6.5);
    p.setBrush(vertical(2, 14, QColor(0xe4, 0xa9, 0x2e), QColor(0xc9, 0x8e, 0x1e)));
    p.drawPath(back);
    // A sheet inside.
    p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 4.5, 8, 4));
    // The front flap, tilted open.
    QPainterPath front;
    front.moveTo(3.5, 6.5);
    front.lineTo(15.5, 6.5);
    front.lineTo(13, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    p.setPen(QPen(FolderLine, 1));
    p.setBrush(vertical(6, 14, QColor(0xff, 0xea, 0x9e), QColor(0xf3, 0xc0, 0x48)));
    p.drawPath(front);
}

// A small office block; Narrow leaves the lower right corner to a mark.
void building(QPainter& p) {
    p.setPen(QPen(QColor(0x2c, 0x4f, 0x7c), 1));
    p.setBrush(vertical(1, 15, QColor(0xa9, 0xc8, 0xec), QColor(0x4f, 0x7f, 0xb8)));
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf8, 0xff));
    for (double y : {3.0, 6.0, 9.0})
        for (double x : {5.0, 9.0})
            p.drawRect(QRectF(x, y, 2, 2));
    p.setBrush(QColor(0x2c, 0x4f, 0x7c));
    p.drawRect(QRectF(7, 12, 2, 3));
}

// A round mark at the lower right on whole pixels (8 to 16), set off the
// block by a white rim.
const QPointF MarkCentre(12, 12);

void mark(QPainter& p, const QColor& fill, const Painting& glyph) {
    building(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(MarkCentre, 5, 5);
    p.setBrush(fill);
    p.drawEllipse(MarkCentre, 4, 4);
    glyph(p);
}

void star(QPainter& p) {
    QPainterPath path;
    const QPointF centre = MarkCentre + QPointF(0, 0.2);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 3.0 : 1.3;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
}

// An emblem: a white disc with a dot, as on a letterhead.
void emblem(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(MarkCentre, 2.5, 2.5);
    p.setBrush(QColor(0xd2, 0x45, 0x2c));
    p.drawEllipse(MarkCentre, 1, 1);
}

void camera(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(9, 10, 6, 4), 0.6, 0.6);
    p.drawRect(QRectF(11, 9, 2, 1));
    p.setBrush(QColor(0x6a, 0x4c, 0x9c));
    p.drawEllipse(QPointF(12, 12), 1.2, 1.2);
}

void tick(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(10, 12);
    path.lineTo(11.5, 13.5);
    path.lineTo(14, 10.5);
    p.drawPath(path);
}

}  // namespace

QHash<int, QIcon> TreePictures() {
    QHash<int, QIcon> pictures;
    pictures.insert(13, icon(closedFolder, openFolder));
    pictures.insert(14, icon(building));
    pictures.insert(104, icon([](QPainter& p) { mark(p, QColor(0xe8, 0x9a, 0x0c), star); }));
    pictures.insert(105, icon([](QPainter& p) { mark(p, QColor(0xd2, 0x45, 0x2c), emblem); }));
    pictures.insert(106, icon([](QPainter& p) { mark(p, QColor(0x6a, 0x4c, 0x9c), camera); }));
    pictures.insert(107, icon([](QPainter& p) { mark(p, QColor(0x2e, 0x9a, 0x4a), tick); }));
    return pictures;
}

}  // namespace app
