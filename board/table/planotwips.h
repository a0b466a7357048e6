// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "escala.h"

#include <QList>
#include <QPair>
#include <QPoint>
#include <QRect>

class QLabel;
class QWidget;

// The classic board's places, in twips: each control at its place and, for
// those given one, its font size, all scaled as one to the board's size. A
// marked card lies raised above its place.
class PlanoTwips
{
public:
    // puntos is the font size at scale 1; 0 keeps the control's font.
    void colocar(QWidget *control, QRect twips, qreal puntos = 0);
    // A label placed with colocar that grows to fit its text from esquina.
    void ajustable(QLabel *etiqueta, QPoint esquina);
    // A control at a place inside its frame, in 18 points at scale 1.
    void enMarco(QWidget *control, QRect twips);

    const Escala &escala() const { return m_escala; }
    void setEscala(const Escala &escala) { m_escala = escala; }

    // Every control at its place and font size at the scale.
    void recolocar();
    // One control back at its place: a card marked, unmarked or no longer enlarged.
    void devolver(QWidget *control) const;
    // A growing label laid out again, after its text changed.
    void ajustar(QLabel *etiqueta) const;
    // Later controls lie above earlier ones.
    void ordenarCapas() const;

    // A control's place in twips and in pixels; empty for one not placed here.
    QRect twips(const QWidget *control) const;
    QRect lugar(const QWidget *control) const;
    // Cards of one size in twips show at one size in pixels wherever they lie,
    // so each picture is prepared once for all the places of its size.
    QSize tamanoCarta(const QRect &twips) const;

private:
    struct Colocado
    {
        QWidget *control;
        QRect twips;
        qreal puntos; // font size at scale 1, 0 to keep the font
    };
    QRect lugar(const Colocado &c) const;

    Escala m_escala;
    QList<Colocado> m_colocados;
    QList<QPair<QLabel *, QPoint>> m_ajustables;
    QList<QPair<QWidget *, QRect>> m_enMarco; // score labels inside their frames
};
