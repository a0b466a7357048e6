// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "notificacion.h"
#include "resultadodemano.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QStatusBar;
class QTimer;

// Short messages at the bottom of the window, and what a screen reader says of
// the game without the player moving the focus: the CPU's moves, the hint, the
// turn, refusals and results.
//
// Every message is also given to a notification in the status bar, which Orca
// speaks whatever has the focus. Orca drops such a change still waiting in its
// queue when a move's many name changes flood it and the focus moves, or when
// a window comes to the front; so the messages of one stretch of play are said
// as one, a moment after the board and the windows have settled, and the CPU's
// move waits for the turn it gives back ("La CPU tira el As de espadas a la
// mesa. Juega Ana"). The status bar's own name change is raised too, for
// readers that follow it.
class Anunciador
{
    Q_DECLARE_TR_FUNCTIONS(Anunciador)

public:
    // How long the board is let settle before a message is spoken: long enough
    // for Orca to take in the names and the focus a move changes.
    static constexpr int kEsperaMs = 300;

    explicit Anunciador(QStatusBar &barra);

    // Shown in the status bar and spoken.
    void decir(const QString &texto);
    // Spoken only: the status bar keeps its text.
    void avisar(const QString &texto);
    // Spoken as avisar does, but after the turn while the CPU's move waits for it:
    // nothing comes between the move and the turn it gives back.
    void avisarTrasElTurno(const QString &texto);
    // What waits (the CPU's last move) is spoken now and nothing more.
    void decirPendiente();
    // What waits, then texto, as one sentence, and nothing is left to speak: a
    // panel that takes the focus reads it as its own words, in that order. What waited for a
    // turn is dropped with it: the panel tells a hand's end.
    QString conPendiente(const QString &texto);
    // What is to be spoken when the event loop runs again.
    QString pendiente() const;
    QString actual() const;
    // The object that speaks, for tests.
    Notificacion *aviso() const { return m_aviso; }

    // The CPU's move in words, shown at once and spoken with the turn that
    // follows it, and with whatever waited to be spoken; kept until the
    // player's next input so that the last round's notice can follow it.
    void jugadaCpu(const QString &frase);
    void olvidarJugadaCpu() { m_jugadaCpu.clear(); }
    // The position was put anew: the CPU's move it follows is shown as jugadaCpu shows
    // one, but not spoken; without one the status bar is cleared.
    void jugadaVigente(const QString &frase);
    // The player's own move in words: said before the CPU's reply, with it.
    void jugadaHumano(const QString &frase) { anotar(frase); }
    // A move of the player's taken back by Deshacer or played again by Rehacer, as the
    // history words it: "Deshecho: tiras el As de espadas a la mesa". Spoken only: the
    // status bar keeps the move the board now follows.
    void deshecha(const QString &frase);
    void rehecha(const QString &frase);
    // "Última ronda: juega <nombre>" in the status bar, and spoken once
    // however often the sign is set, until the name changes; it names who
    // plays, so the turn noted just before it is not said as well.
    void ultimaRonda(const QString &nombre);
    // A deal in words, said after the move before it and before the turn that follows;
    // that turn is said even with no move of the CPU's before it when it is the human's
    // (a hand the human opens).
    void reparto(const QString &frase, bool juegaElHumano);
    // A suggested move; it is taken back when a move is made.
    void pista(const QString &texto);
    void jugadaHecha();
    // The turn sign changed: after a move of the CPU its words are spoken,
    // the turn being the player's again. Before the last round (cards are
    // left to deal) its notice is to be spoken again when it comes.
    void turno(const QString &cartel, bool quedanCartas);

    // A hand was scored: its verdict, both piles' cards, then both scores; what waited for a
    // turn belonged to the hand and is not said.
    void finDeMano(const ResultadoDeMano &resultado, const QString &nombreHumano, int puntosCpu,
                   int puntosHumano);
    // The words finDeMano says.
    static QString palabrasFinDeMano(const ResultadoDeMano &resultado, const QString &nombreHumano,
                                     int puntosCpu, int puntosHumano);

private:
    void mostrar(const QString &texto);
    void anotar(const QString &texto);
    void hablar();

    QStatusBar &m_barra;
    Notificacion *m_aviso;
    QTimer *m_salida;
    QStringList m_pendientes;
    QString m_jugadaCpu;
    QString m_pista;
    QString m_rondaDicha;
    QString m_turnoDicho; // the turn sign last given to be spoken
    QString m_trasElTurno;
    bool m_cpuMovio = false;
    bool m_turnoDebido = false; // the next turn sign is spoken, a deal having come before it
};
