// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulador.h"

#include <QString>
#include <cstdint>
#include <optional>

class QCommandLineParser;

// What zelbo-sim is asked to do, read from its command line.
class OpcionesSim
{
public:
    enum class Modo {
        Partidas, // whole games, one line per hand (--games, --check)
        GuardarTras, // a new game, some of the human's moves, then a save (--moves, --save)
        Cargar, // a saved game into a fresh one, and maybe saved again (--load, --save)
    };

    Modo modo = Modo::Partidas;
    int partidas = 1;
    std::uint64_t semilla = 0;
    bool verificar = false;
    bool revisar = false;
    int movimientos = 0;
    QString cargar;
    QString guardar;
    JugadoresSim jugadores;

    // Declares the options and the help text.
    static void preparar(QCommandLineParser &parser);
    // The options of a parsed command line, or nothing with the one-line
    // reason in error.
    static std::optional<OpcionesSim> leer(const QCommandLineParser &parser, QString &error);

private:
    // Each returns the reason the options are wrong, or an empty text.
    static QString leerNumeros(const QCommandLineParser &parser, OpcionesSim &o);
    static QString leerModo(const QCommandLineParser &parser, OpcionesSim &o);
    static QString leerJugadores(const QCommandLineParser &parser, OpcionesSim &o);
};
