// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lado.h"

#include <QFrame>

class QAction;
class QLabel;
class QToolButton;

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
    // A compact button for the toolbar's "Run" beside the turn's words, shown
    // only while a program is set.
    void setCorrer(QAction *correr);
    void mostrarCorrer(bool hayPrograma);
    // Fonts for a panel of this height.
    void ajustar(int alto);

    QLabel *puntos(Lado lado) const;
    QLabel *cartel() const { return m_cartel; }
    QToolButton *correr() const { return m_correr; }
    QLabel *nombre(Lado lado) const;
    // Whether the row of that side shows it is to play.
    bool resaltado(Lado lado) const;

protected:
    // Space and Enter on "Run" press it, rather than the menus' commands of those keys.
    bool eventFilter(QObject *objeto, QEvent *event) override;

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
    QToolButton *m_correr = nullptr;
    Lado m_turno = Lado::Humano;
};
