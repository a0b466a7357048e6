// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "historialdeshacer.h"
#include "randomsource.h"
#include "registrodejugadas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a game remembers of its own course: the position of each human turn for
// Deshacer and Rehacer, and every move in words. Taking a move back restores the
// position, the dealing generator and the words together, so the game plays on
// from there exactly as it did.
class HistoriaDeLaPartida
{
public:
    HistoriaDeLaPartida(GameState &estado, RandomSource &azar);

    // A game nobody follows or takes back (the simulator's) skips the cost of both.
    void setActiva(bool activa);
    RegistroDeJugadas &registro() { return m_registro; }
    const QStringList &lineas() const { return m_registro.lineas(); }
    const JugadasDeLaPartida &jugadas() const { return m_registro.jugadas(); }
    QString ultimaJugadaCpu() const { return m_registro.ultimaJugadaCpu(); }
    bool puedeDeshacer() const { return m_deshacer.puedeDeshacer(); }
    bool puedeRehacer() const { return m_deshacer.puedeRehacer(); }

    // A new game, numbered or not (0): nothing to take back.
    void nuevaPartida(int numero);
    // A game loaded from a file: its position is the first one to come back to.
    void partidaAbierta();
    // The human's turn begins here: the position undo comes back to.
    void anotarTurnoHumano();
    // Back or forward one human turn; false when there is none. A name changed
    // since stays: it is the player's, not the position's.
    bool deshacer() { return volverA(m_deshacer.deshacer()); }
    bool rehacer() { return volverA(m_deshacer.rehacer()); }
    // The human's move the last deshacer took back or rehacer played again, in the
    // history's words.
    const QString &jugadaVuelta() const { return m_jugadaVuelta; }

    // Undo and the words of the game as the kept game carries them between runs.
    QByteArray aBytes() const { return m_deshacer.aBytes(); }
    // The history aBytes wrote, for the position just resumed; one kept without it
    // (by an earlier release) starts its undo at that position.
    void reanudar(const QByteArray &bytes);

private:
    bool volverA(const HistorialDeshacer::Foto *foto);

    GameState &m_estado;
    RandomSource &m_azar;
    bool m_activa = true;
    HistorialDeshacer m_deshacer;
    RegistroDeJugadas m_registro;
    QString m_jugadaVuelta;
};
