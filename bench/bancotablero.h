// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "autodialogs.h"
#include "mersennerandom.h"
#include "pausa.h"
#include "randomhuman.h"
#include "zelbofrm.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

// The real main window as the board benchmarks play it: the program's files
// copied into a folder of its own (the player's lastprop.dat beside the
// program is never touched), the default settings kept nowhere, every
// question answered yes, no pause unless one is given, fixed seeds, cards
// landing at once, shown at 1920 x 1080, and a random human.
class BancoTablero
{
public:
    // False, with the reason printed under the benchmark's name, when the
    // window cannot start. The CPU's beats wait with pausa when one is given.
    bool abrir(const char *nombre, Pausa *pausa = nullptr);
    ZelboFrm &ventana() { return *m_ventana; }
    RandomHuman &humano() { return *m_humano; }

    // The time below which the given share of the times lies.
    static double percentil(std::vector<double> tiempos, double parte);

private:
    class SinPausa : public Pausa
    {
    public:
        void esperar(int, std::function<void()> luego) override { luego(); }
    };

    static bool copiarPrograma(const QString &origen, const QString &destino);

    QTemporaryDir m_dir;
    AutoDialogs m_dialogos;
    MersenneRandom m_azar { 7 };
    MersenneRandom m_azarHumano { 8 };
    SinPausa m_pausa;
    AjustesJuego m_ajustes;
    std::unique_ptr<ZelboFrm> m_ventana;
    std::unique_ptr<RandomHuman> m_humano;
};
