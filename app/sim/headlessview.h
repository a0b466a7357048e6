// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zelboview.h"

#include <functional>

// A view for playing without a window: it shows nothing and makes no pause.
// It counts the board refreshes (every completed move and every deal makes
// one) and hands them, the hand-end counters and the results window to
// whoever listens.
class HeadlessView : public ZelboView
{
public:
    void UpdateForm() override;
    bool cargarReverso(const QString &) override { return true; }
    void aplicarColorFondo(qint32) override { }
    void mostrarVentana() override { }
    void setCartel(const Cartel &) override { }
    void mostrarResultadoMano(const ResultadoDeMano &resultado) override;
    void mostrarPuntajes(int, int) override { }
    void mostrarNombreJugador(const QString &) override { }
    void mostrarTurnoCpu(const Jugada &, const GameState &, std::function<void()> listo) override
    {
        listo();
    }
    void prepararResultados() override { }
    void Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                 std::function<void()> alCerrar) override;
    bool iniciarPrograma(const QString &) override { return false; }
    void Salir(int) override { }

    int actualizaciones() const { return m_actualizaciones; }
    void setAlActualizar(std::function<void()> f) { m_alActualizar = std::move(f); }
    void setAlContar(std::function<void(const ResultadoDeMano &)> f) { m_alContar = std::move(f); }
    void setAlGanar(std::function<void()> f) { m_alGanar = std::move(f); }

private:
    int m_actualizaciones = 0;
    std::function<void()> m_alActualizar;
    std::function<void(const ResultadoDeMano &)> m_alContar;
    std::function<void()> m_alGanar;
};
