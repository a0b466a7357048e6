// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the input as a saved game onto a game in progress, as the "Abrir" command does. A game
// the engine accepts must be one that play can go on from, and must save and load again to the
// same game; a game it refuses leaves the game in progress as it was.

#include "fuzzcheck.h"
#include "partidaguardada.h"
#include "savedgamefile.h"

#include <QBuffer>
#include <algorithm>
#include <array>
#include <initializer_list>

namespace {
constexpr int kMaxMano = 3;
constexpr int kMaxMesa = 7;
constexpr int kMaxPuntos = 2;
constexpr std::array kRepartidas { 10, 16, 22, 28, 34, 40 };

// The deck as the card set lists it, ten cards of each palo; the palo is all the rules read.
Mazo mazo()
{
    static const std::array<const char *, 4> palos { "oros", "copas", "espadas", "bastos" };
    Mazo m;
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        m.carta(n).a_numero(static_cast<std::int16_t>((n - 1) % 10 + 1));
        m.carta(n).a_palo(QString::fromLatin1(palos[static_cast<std::size_t>((n - 1) / 10)]));
    }
    return m;
}

CardList lista(std::initializer_list<int> numeros)
{
    CardList l;
    for (int n : numeros) {
        l.append(static_cast<CardId>(n));
    }
    return l;
}

std::array<const CardList *, 5> listas(const GameState &e)
{
    return { &e.lamesa, &e.player1, &e.player1Lev, &e.player2, &e.player2Lev };
}

// Half a hand with the human to play, a last lifter and a selection on the board: the game the
// file is opened on. Cards beyond a short deck section keep these flags.
GameState enJuego()
{
    GameState e;
    e.mazo = mazo();
    e.lamesa = lista({ 2, 13, 24 });
    e.player1 = lista({ 31, 15 });
    e.player2 = lista({ 6, 27 });
    e.player1Lev = lista({ 18, 1, 3, 4, 5, 7, 8 });
    e.player2Lev = lista({ 39, 9, 10, 11, 12, 14, 16, 17 });
    for (const CardList *l : listas(e)) {
        for (const CardId carta : *l) {
            e.mazo.a_repartida(carta, true);
        }
    }
    e.cartasRepartidas = 22;
    e.primerReparto = false;
    e.jugadorCpu.a_nombre(QStringLiteral("Rosa"));
    e.jugadorCpu.a_puntos(1);
    e.jugadorHumano.a_nombre(QStringLiteral("Tomas"));
    e.jugadorHumano.a_puntos(2);
    e.turno = Lado::Cpu;
    e.ultimoEnLevantar = Lado::Humano;
    e.marcas.Checkp2[1] = true;
    e.marcas.CheckMonton[1] = true;
    FuzzCheck::require(e.faltaDeConsistencia().isEmpty());
    return e;
}

bool mismasMarcas(const Marcas &a, const Marcas &b)
{
    return a.CheckMesa == b.CheckMesa && a.Checkp1 == b.Checkp1 && a.Checkp2 == b.Checkp2
        && a.CheckMonton == b.CheckMonton;
}

bool mismoJuego(const GameState &a, const GameState &b)
{
    for (std::size_t i = 0; i < 5; ++i) {
        if (!(*listas(a)[i] == *listas(b)[i])) {
            return false;
        }
    }
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        const classNaipe &x = a.mazo.carta(n);
        const classNaipe &y = b.mazo.carta(n);
        if (x.repartida() != y.repartida() || x.palo() != y.palo() || x.numero() != y.numero()) {
            return false;
        }
    }
    return a.cartasRepartidas == b.cartasRepartidas && a.primerReparto == b.primerReparto
        && a.jugadorCpu.nombre() == b.jugadorCpu.nombre()
        && a.jugadorCpu.puntos() == b.jugadorCpu.puntos()
        && a.jugadorHumano.nombre() == b.jugadorHumano.nombre()
        && a.jugadorHumano.puntos() == b.jugadorHumano.puntos() && a.turno == b.turno
        && a.ultimoEnLevantar == b.ultimoEnLevantar && mismasMarcas(a.marcas, b.marcas);
}

std::optional<SavedGame> leer(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return SavedGameFile::read(buffer);
}

// A game the human can go on playing: the hands, the table, the deal and the points as play
// leaves them on the human's turn, with the turn, the last lifter and the cards of the game it
// replaced, and nothing marked.
void verificarAceptada(const GameState &e, const GameState &base)
{
    FuzzCheck::require(e.faltaDeConsistencia().isEmpty());
    const int cpu = e.player1.count();
    const int humano = e.player2.count();
    FuzzCheck::require(humano >= 1 && humano <= kMaxMano && (humano == cpu || humano == cpu + 1));
    FuzzCheck::require(e.lamesa.count() <= kMaxMesa);
    FuzzCheck::require(std::ranges::find(kRepartidas, e.cartasRepartidas) != kRepartidas.end());
    FuzzCheck::require(!e.primerReparto);
    for (const int puntos : { e.jugadorCpu.puntos(), e.jugadorHumano.puntos() }) {
        FuzzCheck::require(puntos >= 0 && puntos <= kMaxPuntos);
    }
    FuzzCheck::require(e.turno == base.turno && e.ultimoEnLevantar == base.ultimoEnLevantar);
    FuzzCheck::require(mismasMarcas(e.marcas, Marcas {}));
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        FuzzCheck::require(e.mazo.carta(n).palo() == base.mazo.carta(n).palo());
    }
}

// Saving the accepted game and opening that file on the same game gives the accepted game
// again, names as the writer stores them.
void verificarQueSeGuardaIgual(const GameState &e, const GameState &base)
{
    QBuffer escrito;
    escrito.open(QIODevice::WriteOnly);
    SavedGameFile::write(escrito, PartidaGuardada::desdeEstado(e));
    const std::optional<SavedGame> leida = leer(escrito.data());
    FuzzCheck::require(leida.has_value());
    const std::optional<GameState> otra = PartidaGuardada::aEstado(base, *leida);
    FuzzCheck::require(otra.has_value());
    GameState esperado = e;
    esperado.jugadorCpu.a_nombre(FuzzCheck::asWritten(e.jugadorCpu.nombre()));
    esperado.jugadorHumano.a_nombre(FuzzCheck::asWritten(e.jugadorHumano.nombre()));
    FuzzCheck::require(mismoJuego(*otra, esperado));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const GameState base = enJuego();
    static const GameState copia = enJuego();

    const std::optional<SavedGame> partida = leer(FuzzCheck::bytes(data, size));
    if (!partida) {
        return 0;
    }
    const std::optional<GameState> cargada = PartidaGuardada::aEstado(base, *partida);
    if (cargada) {
        verificarAceptada(*cargada, base);
        verificarQueSeGuardaIgual(*cargada, base);
    }
    FuzzCheck::require(mismoJuego(base, copia));
    return 0;
}
