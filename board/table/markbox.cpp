// SPDX-License-Identifier: GPL-3.0-or-later

#include "markbox.h"

#include "lienzo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

MarkBox::MarkBox(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    // The game owns the mark: a click asks, the refresh shows the answer.
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void MarkBox::paintEvent(QPaintEvent *)
{
    // Drawn once for each look and kept: a refresh repaints every mark that
    // lies over a card it changed.
    const Aspecto aspecto { size(), devicePixelRatioF(), isEnabled(), isChecked() };
    if (m_pintado.isNull() || !(aspecto == m_aspecto)) {
        m_aspecto = aspecto;
        m_pintado = dibujar(aspecto);
    }
    QPainter(this).drawPixmap(0, 0, m_pintado);
}

QPixmap MarkBox::dibujar(const Aspecto &aspecto)
{
    QPixmap pintado = Lienzo::transparente(aspecto.tamano, aspecto.razon);
    QPainter p(&pintado);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal lado = std::min(aspecto.tamano.width(), aspecto.tamano.height());
    const QRectF caja(0.5, 0.5, lado - 1.0, lado - 1.0);
    const qreal borde = std::max(1.0, lado / 12.0);
    p.setPen(QPen(aspecto.activa ? QColor(40, 40, 40) : QColor(110, 110, 110), borde));
    p.setBrush(aspecto.activa ? QColor(250, 250, 250) : QColor(224, 224, 224));
    p.drawRoundedRect(caja.adjusted(borde / 2, borde / 2, -borde / 2, -borde / 2), lado / 6,
                      lado / 6);
    if (!aspecto.marcada)
        return pintado;
    QPainterPath tick;
    tick.moveTo(caja.left() + lado * 0.22, caja.top() + lado * 0.52);
    tick.lineTo(caja.left() + lado * 0.42, caja.top() + lado * 0.72);
    tick.lineTo(caja.left() + lado * 0.78, caja.top() + lado * 0.28);
    p.setPen(QPen(QColor(20, 110, 40), std::max(1.5, lado / 7.0), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pintado;
}

void MarkBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double-click is one click: its second press neither presses the box
    // again nor lets the release that follows click it.
    event->accept();
}
