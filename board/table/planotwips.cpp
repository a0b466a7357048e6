// SPDX-License-Identifier: GPL-3.0-or-later

#include "planotwips.h"

#include "cardpicture.h"

#include <QLabel>

namespace {
// A marked card is lifted this much above its place.
constexpr int kAlzada = 90;
} // namespace

void PlanoTwips::colocar(QWidget *control, QRect twips, qreal puntos)
{
    m_colocados.append({ control, twips, puntos });
}

void PlanoTwips::ajustable(QLabel *etiqueta, QPoint esquina)
{
    m_ajustables.append({ etiqueta, esquina });
}

void PlanoTwips::enMarco(QWidget *control, QRect twips)
{
    m_enMarco.append({ control, twips });
}

void PlanoTwips::recolocar()
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        c.control->setGeometry(lugar(c));
        if (c.puntos > 0) {
            QFont fuente = c.control->font();
            fuente.setPointSizeF(m_escala.puntos(c.puntos));
            c.control->setFont(fuente);
        }
    }
    for (const auto &[control, twips] : std::as_const(m_enMarco)) {
        control->setGeometry(m_escala.px(twips.x()), m_escala.px(twips.y()),
                             m_escala.px(twips.width()), m_escala.px(twips.height()));
        QFont fuente = control->font();
        fuente.setPointSizeF(m_escala.puntos(18));
        control->setFont(fuente);
    }
    for (const auto &par : std::as_const(m_ajustables))
        ajustar(par.first);
}

void PlanoTwips::devolver(QWidget *control) const
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control == control)
            control->setGeometry(lugar(c));
    }
}

void PlanoTwips::ajustar(QLabel *etiqueta) const
{
    for (const auto &[e, esquina] : std::as_const(m_ajustables)) {
        if (e == etiqueta) {
            e->adjustSize();
            e->move(m_escala.punto(esquina));
        }
    }
}

void PlanoTwips::ordenarCapas() const
{
    for (const Colocado &c : std::as_const(m_colocados))
        c.control->raise();
}

QRect PlanoTwips::twips(const QWidget *control) const
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control == control)
            return c.twips;
    }
    return {};
}

QRect PlanoTwips::lugar(const QWidget *control) const
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control == control)
            return lugar(c);
    }
    return {};
}

QRect PlanoTwips::lugar(const Colocado &c) const
{
    const auto *carta = qobject_cast<const CardPicture *>(c.control);
    if (!carta)
        return m_escala.rect(c.twips);
    const int alzada = carta->marcada() ? kAlzada : 0;
    return QRect(m_escala.punto(c.twips.topLeft() - QPoint(0, alzada)), tamanoCarta(c.twips));
}

QSize PlanoTwips::tamanoCarta(const QRect &twips) const
{
    return { m_escala.px(twips.width()), m_escala.px(twips.height()) };
}
