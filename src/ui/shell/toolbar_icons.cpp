// Simple toolbar pictures painted with QPainter on a 24 x 24 grid.
#include "ui/shell/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "shell/command_ids.h"

namespace ambon::ui {

namespace {

const QColor kInk(40, 52, 70);
const QColor kBlue(52, 101, 164);
const QColor kGreen(78, 154, 6);
const QColor kRed(204, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kYellow(237, 212, 0);

QPen pen(const QColor& c, qreal w = 1.6) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, QRectF r) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void lines(QPainter& p, QRectF r, int n) {
    p.setPen(pen(kInk.lighter(160), 1.0));
    for (int i = 0; i < n; ++i) {
        qreal y = r.top() + 3 + i * 3;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void person(QPainter& p, QPointF at, const QColor& c, qreal scale = 1.0) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at + QPointF(-2.6 * scale, -8 * scale), 5.2 * scale, 5.2 * scale);
    QPainterPath body;
    body.moveTo(at + QPointF(-5.5 * scale, 3 * scale));
    body.quadTo(at + QPointF(-5.5 * scale, -2.2 * scale), at + QPointF(0, -2.2 * scale));
    body.quadTo(at + QPointF(5.5 * scale, -2.2 * scale), at + QPointF(5.5 * scale, 3 * scale));
    body.closeSubpath();
    p.drawPath(body);
}

void calendar(QPainter& p, QRectF r, const QColor& band) {
    page(p, r);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 4));
    p.setPen(pen(kInk.lighter(150), 1.0));
    for (qreal x = r.left() + 3; x < r.right() - 1; x += 4)
        for (qreal y = r.top() + 7; y < r.bottom() - 1; y += 4) p.drawPoint(QPointF(x, y));
}

void letter(QPainter& p, const QString& text, QRectF r, const QColor& c) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.height()));
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void paint(QPainter& p, int command) {
    switch (command) {
        case cmd::ReturnToPanel: {
            p.setPen(pen(kBlue, 2.4));
            QPainterPath arrow;
            arrow.moveTo(19, 17);
            arrow.cubicTo(19, 9, 14, 7, 6, 7);
            p.drawPath(arrow);
            p.drawLine(QPointF(6, 7), QPointF(10, 3));
            p.drawLine(QPointF(6, 7), QPointF(10, 11));
            break;
        }
        case cmd::Backup: {
            p.setPen(pen(kInk, 1.2));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 3.5, 10, 7));
            p.setBrush(kInk.lighter(130));
            p.drawRect(QRectF(7, 14, 10, 6.5));
            break;
        }
        case cmd::Print: {
            page(p, QRectF(7, 2.5, 10, 8));
            p.setPen(pen(kInk, 1.2));
            p.setBrush(QColor(186, 189, 182));
            p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
            page(p, QRectF(7, 14.5, 10, 7));
            lines(p, QRectF(7, 14.5, 10, 7), 2);
            break;
        }
        case cmd::PrintPreview: {
            page(p, QRectF(3.5, 2.5, 13, 18));
            lines(p, QRectF(3.5, 2.5, 13, 18), 5);
            p.setPen(pen(kInk, 2.0));
            p.setBrush(QColor(220, 235, 250, 200));
            p.drawEllipse(QRectF(10, 10, 8, 8));
            p.drawLine(QPointF(17, 17), QPointF(21.5, 21.5));
            break;
        }
        case cmd::Overview: {
            page(p, QRectF(2.5, 3.5, 19, 17));
            const QColor rows[] = {QColor(128, 255, 128), QColor(135, 220, 255),
                                   QColor(255, 255, 87), QColor(255, 150, 150)};
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 4; ++i) {
                p.setBrush(rows[i]);
                p.drawRect(QRectF(3.5, 4.5 + i * 4, 5, 3.2));
            }
            p.setPen(pen(kInk.lighter(150), 1.0));
            for (int i = 0; i < 4; ++i)
                p.drawLine(QPointF(10, 6 + i * 4), QPointF(19.5, 6 + i * 4));
            break;
        }
        case cmd::LocalTalks:
            calendar(p, QRectF(2.5, 4.5, 13, 14), kBlue);
            person(p, QPointF(17.5, 20), kGreen, 0.85);
            break;
        case cmd::Chairman:
            person(p, QPointF(12, 16), kBlue);
            p.setPen(pen(kInk, 1.4));
            p.drawLine(QPointF(4, 21), QPointF(20, 21));
            break;
        case cmd::Hospitality: {
            p.setPen(pen(kInk, 1.2));
            p.setBrush(QColor(193, 125, 17));
            QPainterPath house;
            house.moveTo(12, 3);
            house.lineTo(21.5, 11);
            house.lineTo(2.5, 11);
            house.closeSubpath();
            p.drawPath(house);
            p.setBrush(kPaper);
            p.drawRect(QRectF(5, 11, 14, 10));
            p.setBrush(kRed);
            p.drawRect(QRectF(10, 14, 4, 7));
            break;
        }
        case cmd::Readers: {
            p.setPen(pen(kInk, 1.2));
            p.setBrush(kPaper);
            QPainterPath book;
            book.moveTo(12, 6);
            book.quadTo(7, 3.5, 2.5, 5);
            book.lineTo(2.5, 19);
            book.quadTo(7, 17.5, 12, 20);
            book.quadTo(17, 17.5, 21.5, 19);
            book.lineTo(21.5, 5);
            book.quadTo(17, 3.5, 12, 6);
            p.drawPath(book);
            p.drawLine(QPointF(12, 6), QPointF(12, 20));
            p.setPen(pen(kBlue, 1.0));
            for (int i = 0; i < 3; ++i) {
                p.drawLine(QPointF(4.5, 8.5 + 3 * i), QPointF(10, 9 + 3 * i));
                p.drawLine(QPointF(14, 9 + 3 * i), QPointF(19.5, 8.5 + 3 * i));
            }
            break;
        }
        case cmd::Outgoing: {
            person(p, QPointF(8, 18), kBlue, 0.85);
            p.setPen(pen(kGreen, 2.2));
            p.drawLine(QPointF(13, 9), QPointF(21, 9));
            p.drawLine(QPointF(21, 9), QPointF(17.5, 5.5));
            p.drawLine(QPointF(21, 9), QPointF(17.5, 12.5));
            break;
        }
        case cmd::Congregations: {
            p.setPen(pen(kInk, 1.2));
            p.setBrush(kYellow.lighter(130));
            p.drawRect(QRectF(3.5, 10.5, 17, 10));
            p.setBrush(kBlue);
            QPainterPath roof;
            roof.moveTo(2, 11);
            roof.lineTo(12, 4);
            roof.lineTo(22, 11);
            roof.closeSubpath();
            p.drawPath(roof);
            p.setBrush(kInk.lighter(130));
            p.drawRect(QRectF(10, 14.5, 4, 6));
            break;
        }
        case cmd::Brothers:
            person(p, QPointF(8, 19), kBlue.lighter(130), 0.8);
            person(p, QPointF(15.5, 20), kBlue, 0.95);
            break;
        case cmd::Talks: {
            page(p, QRectF(4.5, 2.5, 15, 19));
            letter(p, QStringLiteral("#"), QRectF(4.5, 3, 15, 9), kBlue);
            lines(p, QRectF(4.5, 11, 15, 10), 3);
            break;
        }
        case cmd::OwnCongregation: {
            p.setPen(pen(kInk, 1.2));
            p.setBrush(kGreen.lighter(150));
            p.drawRect(QRectF(3.5, 10.5, 17, 10));
            p.setBrush(kGreen);
            QPainterPath roof;
            roof.moveTo(2, 11);
            roof.lineTo(12, 4);
            roof.lineTo(22, 11);
            roof.closeSubpath();
            p.drawPath(roof);
            p.setPen(Qt::NoPen);
            p.setBrush(kYellow);
            QPainterPath star;
            star.addEllipse(QPointF(12, 15.5), 3, 3);
            p.drawPath(star);
            break;
        }
        case cmd::WishList: {
            page(p, QRectF(4.5, 2.5, 15, 19));
            p.setPen(Qt::NoPen);
            p.setBrush(kYellow);
            QPainterPath star;
            const qreal cx = 12, cy = 11, outer = 6, inner = 2.6;
            for (int i = 0; i < 10; ++i) {
                qreal a = -M_PI / 2 + i * M_PI / 5;
                qreal r = i % 2 == 0 ? outer : inner;
                QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            p.drawPath(star);
            lines(p, QRectF(4.5, 15, 15, 6), 2);
            break;
        }
        case cmd::About:
            p.setPen(pen(kInk, 1.2));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
            letter(p, QStringLiteral("i"), QRectF(2.5, 4, 19, 16), kPaper);
            break;
        case cmd::ContextHelp: {
            p.setPen(pen(kInk, 1.0));
            p.setBrush(kPaper);
            QPainterPath cursor;
            cursor.moveTo(3, 3);
            cursor.lineTo(3, 17);
            cursor.lineTo(6.5, 13.5);
            cursor.lineTo(9, 19);
            cursor.lineTo(11, 18);
            cursor.lineTo(8.5, 12.5);
            cursor.lineTo(13, 12.5);
            cursor.closeSubpath();
            p.drawPath(cursor);
            letter(p, QStringLiteral("?"), QRectF(12, 3, 11, 14), kBlue);
            break;
        }
        default: {
            page(p, QRectF(4.5, 2.5, 15, 19));
            lines(p, QRectF(4.5, 2.5, 15, 19), 5);
            break;
        }
    }
}

}  // namespace

QIcon toolbarIcon(int command) {
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        paint(p, command);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        calendar(p, QRectF(2.5, 3.5, 19, 17), kBlue);
        person(p, QPointF(12, 20), kGreen, 0.8);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ambon::ui
