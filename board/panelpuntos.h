// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lado.h"

#include <QFrame>

class QLabel;

// The modern table's scores: a row for each side ("CPU", "Tú") with its
// player's name and points, the side to play highlighted, and the turn's
// words below.
class PanelPuntos : public QFrame
{
    Q_OBJECT

public:
    explicit PanelPuntos(QWidget *parent);

    void setNombres(const QString &cpu, const QString &humano);
    void setPuntos(int cpu, int humano);
    void setTurno(Lado lado);
    void setCartel(const QString &texto);
    // Fonts for a panel of this height.
    void ajustar(int alto);

    QLabel *puntos(Lado lado) const;
    QLabel *cartel() const { return m_cartel; }
    QLabel *nombre(Lado lado) const;
    // Whether the row of that side shows it is to play.
    bool resaltado(Lado lado) const;

private:
    struct Fila
    {
        QWidget *fondo = nullptr;
        QLabel *lado = nullptr;
        QLabel *nombre = nullptr;
        QLabel *puntos = nullptr;
    };
    Fila crearFila(const QString &lado);
    const Fila &fila(Lado lado) const { return lado == Lado::Cpu ? m_cpu : m_humano; }

    Fila m_cpu;
    Fila m_humano;
    QLabel *m_cartel = nullptr;
    Lado m_turno = Lado::Humano;
};
