// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zelboview.h"

#include <QList>

// A board that only remembers the background colours it was given.
class FakeZelboView : public ZelboView
{
public:
    void UpdateForm() override { }
    bool cargarReverso(const QString &) override { return true; }
    void aplicarColorFondo(qint32 color) override { colores.append(color); }
    void mostrarVentana() override { }
    void setCartel(const Cartel &) override { }
    void mostrarResultadoMano(const ResultadoDeMano &) override { }
    void mostrarPuntajes(int, int) override { }
    void mostrarNombreJugador(const QString &) override { }
    void mostrarTurnoCpu(const Jugada &, const GameState &, std::function<void()> listo) override
    {
        listo();
    }
    void prepararResultados() override { }
    void Dialogo(const QString &, int, int, ResultadoDeMano::Ganador,
                 std::function<void()> alCerrar) override
    {
        alCerrar();
    }
    bool iniciarPrograma(const QString &) override { return true; }
    void Salir(int) override { }

    QList<qint32> colores;
};
