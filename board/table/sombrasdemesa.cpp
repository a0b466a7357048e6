// SPDX-License-Identifier: GPL-3.0-or-later

#include "sombrasdemesa.h"

#include "cardpicture.h"

#include <QEvent>
#include <QWidget>

SombrasDeMesa::SombrasDeMesa(QWidget &mesa)
    : QObject(&mesa)
    , m_mesa(mesa)
{
}

void SombrasDeMesa::seguir(CardPicture *carta)
{
    m_lugares.insert(carta, carta->geometry());
    carta->installEventFilter(this);
    connect(carta, &QObject::destroyed, this, [this, carta] { m_lugares.remove(carta); });
    connect(carta, &CardPicture::sombraCambiada, this,
            [this, carta] { m_mesa.update(conSombra(carta->geometry())); });
}

bool SombrasDeMesa::eventFilter(QObject *objeto, QEvent *event)
{
    const auto *carta = qobject_cast<const CardPicture *>(objeto);
    if (!carta)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        m_mesa.update(conSombra(carta->geometry()));
        break;
    case QEvent::Move:
    case QEvent::Resize:
        movida(carta);
        break;
    default:
        break;
    }
    return false;
}

void SombrasDeMesa::movida(const CardPicture *carta)
{
    QRect &antes = m_lugares[carta];
    m_mesa.update(conSombra(antes));
    m_mesa.update(conSombra(carta->geometry()));
    antes = carta->geometry();
}

// Where a card's shadow may fall.
QRect SombrasDeMesa::conSombra(const QRect &carta) const
{
    const int m = SombraDeCarta::margen(m_caida);
    return carta.adjusted(-m, -m, m, m);
}

// Only the shadows in the region: its bounding box would take in nearly every
// card after a move that changed cards at both ends of the table.
void SombrasDeMesa::pintar(QPainter &p, const QRegion &zona)
{
    for (const auto *carta : m_mesa.findChildren<CardPicture *>(Qt::FindDirectChildrenOnly)) {
        if (carta->isVisible() && !carta->vaciaEnVuelo()
            && zona.intersects(conSombra(carta->geometry())))
            m_sombra.pintar(p, carta->geometry(), m_caida, zona);
    }
}
