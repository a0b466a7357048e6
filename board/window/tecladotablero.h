// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "imagen.h"
#include "lecturadeljuego.h"
#include "pista.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class Anunciador;
class Mesa;
class CardPicture;
class ZelboGame;

// Play with the keyboard. The arrows move the focus among the cards of a row
// and between the rows (the CPU's pile, the table, the hand, the own pile),
// Home and End to a row's first and last card; the commands act through the
// same game procedures as the mouse, so every rule, message and refusal is the
// same. The focus stays where the player put it while the game goes on.
class TecladoTablero : public QObject
{
    Q_OBJECT

public:
    // Runs a game procedure as the window runs every input: not while the
    // game is playing, and the board shown afterwards.
    using Jugar = std::function<void(const std::function<void(ZelboGame &)> &)>;

    TecladoTablero(Mesa &mesa, ZelboGame &juego, Anunciador &anunciador, Jugar jugar,
                   QObject *parent);

    // The arrows, Home and End, the keys of this class of their own; the others are the
    // menu's.
    static QList<QKeySequence> teclasDeFoco();

    // Its chooser follows the CPU's level in force until another is given.
    Pista &pista() { return m_pista; }
    // The state keys' words.
    LecturaDelJuego &lectura() { return m_lectura; }

    // Space: what a click on the focused card does (a right click on a hand
    // card); on the own pile it toggles the pile's mark. The mark turned over
    // is told.
    void espacio();
    // Enter: plays exactly what is marked. One hand card alone is laid, with
    // the own pile marked it goes there; else "Levantar".
    void intro();
    // M: the marked hand card onto the own pile.
    void alMonton();
    // H: marks the suggested move and says it.
    void darPista();

    // The place of the card with the focus on this table, if one has it.
    std::optional<Imagen> foco() const;
    // The focus on the card of that place when it shows, else where ajustarFoco puts it.
    void devolverFoco(const std::optional<Imagen> &lugar);

    // After a refresh: the focus that had to leave the hand comes back to it when it
    // is dealt again; a focus on no card goes to the hand.
    void ajustarFoco();
    // The keys that act on a card are told at the first focus on a card of each game:
    // said at every focus, they drowned the card's name.
    void partidaNueva() { m_instruir = true; }

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    enum class Fila { MontonCpu, Mesa, Mano, MontonPropio };

    QList<CardPicture *> visibles(Fila fila) const;
    CardPicture *enfocada(Fila *fila = nullptr, int *indice = nullptr) const;
    static Fila filaDe(const Imagen &lugar);
    void mover(int filas, int cartas);
    bool enfocar(Fila fila, int indice);
    void vigilarCartas();
    void ceder(const CardPicture &oculta);
    void marcar(const Imagen &lugar);

    Mesa *m_mesa;
    ZelboGame &m_juego;
    Anunciador &m_anunciador;
    Jugar m_jugar;
    Pista m_pista;
    LecturaDelJuego m_lectura;
    // The hand emptied under the focus, which went to another row.
    bool m_volverAMano = false;
    // The place that had the focus before a change of layout.
    std::optional<Imagen> m_focoAntes;
    bool m_instruir = true;
};
