#include "app/shell/icons.hpp"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {

constexpr int kSize = 32;
const QColor kInk(0x33, 0x3b, 0x4a);
const QColor kBlue(0x2b, 0x6c, 0xb0);
const QColor kGreen(0x2f, 0x85, 0x4a);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kPaper(0xfd, 0xfd, 0xf8);
const QColor kYellow(0xe8, 0xb9, 0x3a);

void page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void textLines(QPainter& p, QRectF r, int n, Qt::Alignment align = Qt::AlignLeft) {
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::FlatCap));
    const double step = r.height() / (n - 1);
    for (int i = 0; i < n; ++i) {
        double w = (i % 2 == 0) ? r.width() : r.width() * 0.62;
        double x = r.left();
        if (align == Qt::AlignHCenter) x = r.center().x() - w / 2;
        if (align == Qt::AlignRight) x = r.right() - w;
        const double y = r.top() + i * step;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
}

void letter(QPainter& p, const QString& text, QColor color, bool bold, bool italic, bool underline,
            int pixelSize = 22) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(color);
    p.drawText(QRectF(0, 0, kSize, kSize - 2), Qt::AlignCenter, text);
}

void folder(QPainter& p) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kYellow);
    QPainterPath path;
    path.moveTo(3, 9);
    path.lineTo(12, 9);
    path.lineTo(15, 12);
    path.lineTo(29, 12);
    path.lineTo(29, 27);
    path.lineTo(3, 27);
    path.closeSubpath();
    p.drawPath(path);
}

void floppy(QPainter& p, QColor body) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(0xdd, 0xdd, 0xdd));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void draw(QPainter& p, const QString& n) {
    if (n == QLatin1String("print")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xc9, 0xcf, 0xd8));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        page(p, QRectF(9, 3, 14, 10));
        page(p, QRectF(9, 19, 14, 10));
        textLines(p, QRectF(12, 23, 8, 3), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QRectF(24, 15, 3, 3));
    } else if (n == QLatin1String("calc")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0x4a, 0x55, 0x68));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setBrush(QColor(0xc8, 0xe6, 0xc9));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                p.setBrush(c == 2 && r == 2 ? kYellow : kPaper);
                p.drawRect(QRectF(9 + c * 5, 14 + r * 5, 3.5, 3.5));
            }
    } else if (n == QLatin1String("update")) {
        p.setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPolygonF head;
        head << QPointF(22, 2) << QPointF(30, 10) << QPointF(20, 13);
        p.drawPolygon(head);
    } else if (n == QLatin1String("yield")) {
        p.setPen(QPen(kInk, 1.6));
        p.drawLine(4, 28, 29, 28);
        p.drawLine(4, 28, 4, 4);
        p.setPen(Qt::NoPen);
        const int heights[] = {6, 11, 15, 21};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i == 3 ? kGreen : kBlue);
            p.drawRect(QRectF(7 + i * 6, 27 - heights[i], 4, heights[i]));
        }
    } else if (n == QLatin1String("fgts")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0x5d, 0x9c, 0xd6));
        p.drawRoundedRect(QRectF(2, 7, 28, 19), 3, 3);
        letter(p, QStringLiteral("FG"), Qt::white, true, false, false, 12);
    } else if (n == QLatin1String("close")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xf6, 0xd5, 0xd1));
        p.drawRect(QRectF(5, 3, 16, 26));
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(17, 16, 29, 16);
        p.drawLine(25, 12, 29, 16);
        p.drawLine(25, 20, 29, 16);
    } else if (n == QLatin1String("open") || n == QLatin1String("openform")) {
        folder(p);
        if (n == QLatin1String("openform")) page(p, QRectF(12, 4, 12, 14));
    } else if (n == QLatin1String("save")) {
        floppy(p, kBlue);
    } else if (n == QLatin1String("saveform")) {
        floppy(p, kGreen);
    } else if (n == QLatin1String("edit")) {
        page(p, QRectF(4, 3, 18, 26));
        textLines(p, QRectF(7, 10, 11, 12), 4);
        p.save();
        p.translate(22, 16);
        p.rotate(40);
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kYellow);
        p.drawRect(QRectF(-3, -12, 6, 18));
        p.setBrush(kInk);
        QPolygonF tip;
        tip << QPointF(-3, 6) << QPointF(3, 6) << QPointF(0, 11);
        p.drawPolygon(tip);
        p.restore();
    } else if (n == QLatin1String("bold")) {
        letter(p, QStringLiteral("B"), kInk, true, false, false);
    } else if (n == QLatin1String("italic")) {
        letter(p, QStringLiteral("I"), kInk, false, true, false);
    } else if (n == QLatin1String("underline")) {
        letter(p, QStringLiteral("U"), kInk, false, false, true);
    } else if (n == QLatin1String("color")) {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kInk);
        p.drawText(QRectF(0, 0, kSize, 25), Qt::AlignCenter, QStringLiteral("A"));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRect(QRectF(6, 25, 20, 5));
    } else if (n == QLatin1String("numlist") || n == QLatin1String("bullet")) {
        for (int i = 0; i < 3; ++i) {
            const double y = 8 + i * 8;
            if (n == QLatin1String("numlist")) {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(8);
                f.setBold(true);
                p.setFont(f);
                p.setPen(kBlue);
                p.drawText(QRectF(2, y - 5, 8, 10), Qt::AlignCenter, QString::number(i + 1));
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(kBlue);
                p.drawEllipse(QPointF(6, y), 2.5, 2.5);
            }
            p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(12, y), QPointF(29, y));
        }
    } else if (n == QLatin1String("indent") || n == QLatin1String("outdent")) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(3, 5, 29, 5);
        p.drawLine(14, 12, 29, 12);
        p.drawLine(14, 19, 29, 19);
        p.drawLine(3, 26, 29, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPolygonF arrow;
        if (n == QLatin1String("indent"))
            arrow << QPointF(3, 10) << QPointF(10, 15.5) << QPointF(3, 21);
        else
            arrow << QPointF(10, 10) << QPointF(3, 15.5) << QPointF(10, 21);
        p.drawPolygon(arrow);
    } else if (n == QLatin1String("left")) {
        textLines(p, QRectF(4, 6, 24, 20), 5, Qt::AlignLeft);
    } else if (n == QLatin1String("center")) {
        textLines(p, QRectF(4, 6, 24, 20), 5, Qt::AlignHCenter);
    } else if (n == QLatin1String("right")) {
        textLines(p, QRectF(4, 6, 24, 20), 5, Qt::AlignRight);
    } else if (n == QLatin1String("picture")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xd6, 0xea, 0xf8));
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(10, 11), 3, 3);
        p.setBrush(kGreen);
        QPolygonF hill;
        hill << QPointF(4, 26) << QPointF(13, 15) << QPointF(19, 21) << QPointF(23, 17) << QPointF(28, 26);
        p.drawPolygon(hill);
    } else if (n == QLatin1String("pdf")) {
        page(p, QRectF(5, 2, 20, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(2, 14, 22, 10), 2, 2);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 14, 22, 10), Qt::AlignCenter, QStringLiteral("PDF"));
    } else if (n == QLatin1String("cut")) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
        p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
        p.setPen(QPen(QColor(0x7a, 0x84, 0x93), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 20), QPointF(22, 3));
        p.drawLine(QPointF(20, 20), QPointF(10, 3));
    } else if (n == QLatin1String("copy")) {
        page(p, QRectF(3, 3, 16, 20));
        page(p, QRectF(12, 9, 16, 20));
        textLines(p, QRectF(15, 15, 9, 9), 3);
    } else if (n == QLatin1String("paste")) {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xb9, 0x8b, 0x58));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(QColor(0xc9, 0xcf, 0xd8));
        p.drawRect(QRectF(9, 2, 10, 6));
        page(p, QRectF(13, 11, 16, 19));
        textLines(p, QRectF(16, 17, 9, 8), 3);
    } else if (n == QLatin1String("program")) {
        p.setPen(QPen(QColor(0x8a, 0x6d, 0x1c), 2));
        p.setBrush(kYellow);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x5a, 0x45, 0x0c));
        p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("R$"));
    }
}

QPixmap render(const QString& name, int size, bool disabled) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    if (disabled) p.setOpacity(0.35);
    draw(p, name);
    return pm;
}

}  // namespace

QIcon shellIcon(const QString& name) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(render(name, size, false), QIcon::Normal);
        icon.addPixmap(render(name, size, true), QIcon::Disabled);
    }
    return icon;
}

}  // namespace app
