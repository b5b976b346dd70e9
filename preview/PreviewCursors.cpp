// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace preview {
namespace {

QPixmap blankCursorPixmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// An open hand seen from the palm: four fingers, a thumb on the left.
QCursor handCursor() {
    QPixmap pixmap = blankCursorPixmap();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 12, 15, 14), 5, 5);
    const double fingerTops[] = {4, 2, 3, 6};
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(8.5 + i * 3.6, fingerTops[i], 3.4, 16), 1.7, 1.7);
    QPainterPath thumb;
    thumb.moveTo(9, 22);
    thumb.lineTo(3.5, 15.5);
    thumb.quadTo(3, 12.5, 6, 13.5);
    thumb.lineTo(10, 17);
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.end();
    return QCursor(pixmap, 14, 14);
}

// A lens with a plus and a handle to the lower right; the hot spot is the lens's centre.
QCursor zoomCursor() {
    QPixmap pixmap = blankCursorPixmap();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(25, 25));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11, 11), 8, 8);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(7, 11), QPointF(15, 11));
    p.drawLine(QPointF(11, 7), QPointF(11, 15));
    p.end();
    return QCursor(pixmap, 11, 11);
}

Qt::CursorShape standardShape(int id) {
    switch (id) {
    case -1:
        return Qt::BlankCursor;
    case -3:
        return Qt::CrossCursor;
    case -4:
        return Qt::IBeamCursor;
    case -5:
    case -22:
        return Qt::SizeAllCursor;
    case -6:
        return Qt::SizeBDiagCursor;
    case -7:
        return Qt::SizeVerCursor;
    case -8:
        return Qt::SizeFDiagCursor;
    case -9:
        return Qt::SizeHorCursor;
    case -10:
        return Qt::UpArrowCursor;
    case -11:
    case -17:
        return Qt::WaitCursor;
    case -12:
        return Qt::DragMoveCursor;
    case -13:
    case -18:
        return Qt::ForbiddenCursor;
    case -14:
        return Qt::SplitHCursor;
    case -15:
        return Qt::SplitVCursor;
    case -16:
        return Qt::DragCopyCursor;
    case -19:
        return Qt::BusyCursor;
    case -20:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QCursor previewCursor(int id) {
    if (id == crHand) {
        static const QCursor hand = handCursor();
        return hand;
    }
    if (id == crZoom) {
        static const QCursor zoom = zoomCursor();
        return zoom;
    }
    return QCursor(standardShape(id));
}

} // namespace preview
