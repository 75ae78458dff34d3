#include "qt/app_icon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kestrel::qt {

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit grid and scaled, so both sizes share one design.
    p.scale(size / 32.0, size / 32.0);

    QPainterPath shield;
    shield.moveTo(4, 3);
    shield.lineTo(28, 3);
    shield.lineTo(28, 15);
    shield.cubicTo(28, 23, 22, 27, 16, 30);
    shield.cubicTo(10, 27, 4, 23, 4, 15);
    shield.closeSubpath();
    p.setPen(QPen(QColor(16, 32, 64), 1.5));
    p.setBrush(QColor(42, 77, 143));
    p.drawPath(shield);

    const QPolygonF bird{{16, 6},  {18, 9},  {27, 8},  {21, 14}, {19, 15},
                         {20, 23}, {16, 21}, {12, 23}, {13, 15}, {11, 14},
                         {5, 8},   {14, 9}};
    p.setPen(QPen(QColor(60, 30, 10), 1.0));
    p.setBrush(QColor(217, 130, 43));
    p.drawPolygon(bird);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QPointF(16, 9), 1.2, 1.2);
    p.end();
    return image;
}

QPixmap appIconPixmap(int size) { return QPixmap::fromImage(appIconImage(size)); }

QIcon appIcon() {
    QIcon icon;
    icon.addPixmap(appIconPixmap(32));
    icon.addPixmap(appIconPixmap(16));
    return icon;
}

}  // namespace kestrel::qt
