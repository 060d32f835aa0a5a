#include "app/FrontPanel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace app {

QPixmap FrontPanelPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(QColor(0xE8, 0xEA, 0xED));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // The housing: a rounded silver slab with a dark face.
    QLinearGradient body(0, 4, 0, height - 4);
    body.setColorAt(0, QColor(0xF4, 0xF5, 0xF7));
    body.setColorAt(0.5, QColor(0xC9, 0xCD, 0xD3));
    body.setColorAt(1, QColor(0x9A, 0xA0, 0xA8));
    p.setPen(QPen(QColor(0x6B, 0x71, 0x7A), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 6, width - 12, height - 12), 14, 14);
    p.setBrush(QColor(0x2B, 0x2F, 0x36));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(96, 24, 230, 34), 8, 8);

    // Two antennas for the two bands.
    p.setBrush(QColor(0x3A, 0x3F, 0x47));
    p.drawRoundedRect(QRectF(20, 10, 10, 64), 4, 4);
    p.drawRoundedRect(QRectF(width - 30, 10, 10, 64), 4, 4);

    // Lamp captions under the lamps' places.
    QFont font("DejaVu Sans", 6);
    p.setFont(font);
    p.setPen(QColor(0xD8, 0xDC, 0xE2));
    p.drawText(QRectF(112, 47, 40, 10), Qt::AlignCenter, "POWER");
    p.drawText(QRectF(240, 47, 40, 10), Qt::AlignCenter, "2.4G");
    p.drawText(QRectF(272, 47, 40, 10), Qt::AlignCenter, "AP");
    p.setBrush(QColor(0x11, 0x13, 0x16));
    p.setPen(Qt::NoPen);
    for (int x : {124, 252, 281})
        p.drawEllipse(QRectF(x - 1, 35, 15, 11));

    // The name plate.
    QFont title("DejaVu Sans", 11, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0x24, 0x28, 0x2E));
    p.drawText(QRectF(340, 20, 120, 22), Qt::AlignLeft | Qt::AlignVCenter, "TRV-4410");
    p.setFont(QFont("DejaVu Sans", 7));
    p.drawText(QRectF(340, 42, 130, 16), Qt::AlignLeft | Qt::AlignVCenter, "Dual-Band 802.11n AP");
    return picture;
}

} // namespace app
