#include "app/widgets/yes_no_marks.hpp"

#include <QPainter>
#include <QPainterPath>

namespace app {

namespace {

QPixmap draw(bool yes) {
    QPixmap pm(kMarkSize, kMarkSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (yes) {
        p.setBrush(QColor(0x1e, 0x8c, 0x3a));
        p.drawEllipse(QRectF(0.5, 0.5, kMarkSize - 1, kMarkSize - 1));
        QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        QPainterPath tick;
        tick.moveTo(4.0, 8.5);
        tick.lineTo(7.0, 11.5);
        tick.lineTo(12.0, 5.0);
        p.drawPath(tick);
    } else {
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.drawRoundedRect(QRectF(0.5, 0.5, kMarkSize - 1, kMarkSize - 1), 3, 3);
        QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
    }
    return pm;
}

}  // namespace

const QPixmap& noMark() {
    static const QPixmap pm = draw(false);
    return pm;
}

const QPixmap& yesMark() {
    static const QPixmap pm = draw(true);
    return pm;
}

const QPixmap* markFor(const QString& text) {
    if (text == QStringLiteral("Não")) return &noMark();
    if (text == QStringLiteral("Sim")) return &yesMark();
    return nullptr;
}

}  // namespace app
