// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>
#include <memory>

class AjustesJuego;
class Anunciador;
class BarraProbabilidad;
class Mesa;
class NotaTutor;
class QStatusBar;
class TutorEnHilo;
class ZelboGame;

// What the board offers a player who wants to learn, each while its setting is
// on: the bar with the human's chance to win, kept in the status bar, and the
// tutor, whose note over the board tells a costly move before the CPU replies,
// spoken as the other messages are.
class AyudasTablero : public QObject
{
    Q_OBJECT

public:
    // Each aid follows its setting in ajustes; deshacer takes the last move back as the
    // Deshacer command does.
    AyudasTablero(ZelboGame &juego, const AjustesJuego &ajustes, Mesa &mesa,
                  QStatusBar &barraDeEstado, Anunciador &anunciador, std::function<void()> deshacer,
                  QObject *parent = nullptr);
    // Stops a move being judged; nothing is said of it.
    ~AyudasTablero() override;

    BarraProbabilidad &barra() { return *m_barra; }
    NotaTutor &nota() { return *m_nota; }

    // The human is to move: the bar follows the position.
    void turnoDelJugador();
    // The board changed. A change while the game waits for the player is the
    // player's own move or one taken back: the note about the move before goes.
    void tableroCambiado();
    // A hand dealt anew: no note is left from the hand before.
    void manoNueva();

private:
    void aplicarAjustes();

    ZelboGame &m_juego;
    const AjustesJuego &m_ajustes;
    BarraProbabilidad *m_barra;
    NotaTutor *m_nota;
    std::unique_ptr<TutorEnHilo> m_tutor;
    int m_dicho = -1; // the bar's figure last spoken, -1 for none since it showed
};
