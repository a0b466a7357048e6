// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"

#include <QHash>
#include <QObject>
#include <QRect>
#include <functional>
#include <optional>

class AjustesJuego;
class Mesa;
class CardPicture;
struct GameState;
class PictureCache;
class VueloDeCartas;

// Makes the cards move: after each refresh of the board it compares where
// every card is shown with where it was shown before, and each card that
// changed place flies there. The game state is final at once; only the
// pictures lag behind, for a fraction of a second.
class AnimadorTablero : public QObject
{
    Q_OBJECT

public:
    // The time of a move's flight at normal speed.
    static constexpr int kDuracion = 250;
    // A deal is a little slower, so the eye can follow the cards it brings.
    static constexpr int kDuracionReparto = 300;

    // The flights follow the animations and the CPU's speed in ajustes.
    AnimadorTablero(Mesa &mesa, PictureCache &cache, const AjustesJuego &ajustes, QObject *parent);

    // After every refresh of the board, with the state it shows.
    void refrescado(const GameState &estado);
    bool enCurso() const;
    // Every card to its place at once.
    void terminar();
    // Calls luego once every card has landed: at once when none is in the air. A context
    // that goes first takes the call with it.
    void alAterrizar(std::function<void()> luego, const QObject *contexto = nullptr);
    // The board shows estado anew, put there at once: nothing flies from what it showed
    // before. After a state of no cards, the next cards shown come in from the deck.
    void tomar(const GameState &estado);
    // A fixed time for every flight instead of the player's settings (0: no
    // flights); nullopt goes back to the settings.
    void setDuracion(std::optional<int> milisegundos) { m_duracionFija = milisegundos; }
    // The flights as they stand the given time after they started.
    void irA(int milisegundos);
    VueloDeCartas &vuelos() { return *m_vuelos; }

    // The time of a flight of the given length with the settings: animations
    // on or off, the CPU's speed ("lenta", "normal", "rapida", "sinpausas")
    // for the CPU's own moves.
    static int duracion(int base, bool animaciones, const QString &velocidad, bool cpu);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    // A card's place, by the picture that shows it (or the pile it lies in),
    // so the board may be laid out anew between two refreshes.
    struct Sitio
    {
        CardPicture *imagen = nullptr;
        CardPicture *cubierta = nullptr;
        bool visible = false;
        bool cara = true;
        QRect lugar() const;
    };
    using Sitios = QHash<CardId, Sitio>;

    Sitios sitios(const GameState &e) const;
    int duracionDe(const GameState &e, bool reparto) const;
    bool animar(CardId carta, const Sitio &nuevo, const GameState &e, int milisegundos);
    QString mientras(const CardPicture *imagen, const GameState &e) const;
    QString rutaDe(CardId carta, bool cara, const GameState &e) const;

    Mesa *m_mesa;
    const AjustesJuego &m_ajustes;
    VueloDeCartas *m_vuelos;
    std::optional<int> m_duracionFija;
    Sitios m_antes;
    int m_repartidas = 0;
};
