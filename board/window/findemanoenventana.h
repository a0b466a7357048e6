// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resultadodemano.h"
#include "zelboview.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class Anunciador;
class InterfazMesa;
class Mesa;
class VentanasDelJuego;
class QWidget;

// How the window shows and says a hand's end and the game's results: the
// hand's verdict spoken with the scores that follow it, and the results either
// in the results window or, on the modern table, over the table itself.
class FinDeManoEnVentana
{
    Q_DECLARE_TR_FUNCTIONS(FinDeManoEnVentana)

public:
    FinDeManoEnVentana(const QString &programDir, Anunciador &anunciador,
                       VentanasDelJuego &ventanas, QWidget &ventana);

    // Throws ZelboError when the results window's picture cannot be read.
    void comprobar() const;
    // A hand was scored; it is spoken with the first scores that follow it.
    void manoContada(const ResultadoDeMano &resultado) { m_manoPorDecir = resultado; }
    void puntajes(int cpu, int humano, const QString &nombreHumano);

    // The results window, modal to the game's window; alCerrar runs when it closes.
    void ventanaDeResultados(const QString &nombre, int num1, int num2,
                             ResultadoDeMano::Ganador ganador, std::function<void()> alCerrar);
    // The results panel of that table asks for the review as the window's button does.
    void conectar(Mesa &mesa);
    // On the modern table: the summary, spoken as it shows with the scores it
    // gives and not again when they reach the table, and the results panel.
    void resumenEnMesa(InterfazMesa &mesa, const ResumenDeMano &resumen, const QString &nombreHumano,
                       std::function<void()> alCerrar);
    void resultadosEnMesa(InterfazMesa &mesa, const QString &nombre, int num1, int num2,
                          ResultadoDeMano::Ganador ganador,
                          std::function<void(bool otraPartida)> alResponder);

private:
    QString m_programDir;
    Anunciador &m_anunciador;
    VentanasDelJuego &m_ventanas;
    QWidget &m_ventana;
    std::optional<ResultadoDeMano> m_manoPorDecir;
};
