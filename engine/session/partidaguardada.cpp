// SPDX-License-Identifier: GPL-3.0-or-later

#include "partidaguardada.h"

#include "enginelog.h"
#include "savedgamefile.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kMaxMano = 3;
constexpr int kMaxMesa = 7;
constexpr int kMaxPuntos = 2; // a game ends at 3
constexpr std::array kRepartidasValidas { 10, 16, 22, 28, 34, 40 };

bool cargarLista(CardList &lista, const QStringList &entradas)
{
    lista.clear();
    for (const QString &entrada : entradas) {
        const int n = entrada.toInt();
        if (n < 1 || n > Mazo::kCartas)
            return false;
        lista.append(static_cast<CardId>(n));
    }
    return true;
}

bool cargarListas(GameState &e, const SavedGame &p)
{
    return cargarLista(e.lamesa, p.lamesa) && cargarLista(e.player1, p.player1)
        && cargarLista(e.player1Lev, p.player1Lev) && cargarLista(e.player2, p.player2)
        && cargarLista(e.player2Lev, p.player2Lev);
}

// A game saved on the human's turn: the human holds as many cards as the CPU
// or one more, the deal is past its first step, nobody has won yet.
bool sePuedeSeguir(const GameState &e, const SavedGame &p)
{
    const int cpu = e.player1.count();
    const int humano = e.player2.count();
    const bool manos = (humano == cpu || humano == cpu + 1) && humano > 0 && humano <= kMaxMano;
    const bool reparto
        = std::ranges::find(kRepartidasValidas, p.cartasRepartidas) != kRepartidasValidas.end();
    const bool puntos = p.puntosCpu >= 0 && p.puntosCpu <= kMaxPuntos && p.puntosHumano >= 0
        && p.puntosHumano <= kMaxPuntos;
    return manos && reparto && puntos && !p.primerReparto && e.lamesa.count() <= kMaxMesa;
}

QStringList textos(const CardList &lista)
{
    QStringList entradas;
    entradas.reserve(lista.count());
    for (const CardId carta : lista)
        entradas.append(QString::number(carta));
    return entradas;
}

} // namespace

PartidaGuardada::PartidaGuardada(DialogService &dialogos)
    : m_dialogos(dialogos)
{
}

SavedGame PartidaGuardada::desdeEstado(const GameState &e)
{
    SavedGame p;
    p.lamesa = textos(e.lamesa);
    p.player1 = textos(e.player1);
    p.player1Lev = textos(e.player1Lev);
    p.player2 = textos(e.player2);
    p.player2Lev = textos(e.player2Lev);
    for (int n = 1; n <= Mazo::kCartas; ++n)
        p.repartidas.append(e.mazo.repartida(n));
    p.primerReparto = e.primerReparto;
    p.cartasRepartidas = e.cartasRepartidas;
    p.nombreCpu = e.jugadorCpu.nombre();
    p.puntosCpu = e.jugadorCpu.puntos();
    p.nombreHumano = e.jugadorHumano.nombre();
    p.puntosHumano = e.jugadorHumano.puntos();
    return p;
}

std::optional<GameState> PartidaGuardada::aEstado(const GameState &actual, const SavedGame &p,
                                                  QString *motivo)
{
    const auto rechazo = [motivo](const QString &texto) {
        if (motivo)
            *motivo = texto;
        return std::nullopt;
    };
    GameState e = actual;
    // A selection belongs to the position it was made on.
    e.marcas = {};
    if (!cargarListas(e, p))
        return rechazo(QStringLiteral("a card list names no card of the deck"));
    if (p.repartidas.size() > Mazo::kCartas || !sePuedeSeguir(e, p))
        return rechazo(QStringLiteral("the hands, the dealt count or the points are not those "
                                      "of a game on the human's turn"));
    // A short deck section leaves the later cards' flags as they were.
    for (int n = 1; n <= static_cast<int>(p.repartidas.size()); ++n)
        e.mazo.a_repartida(n, p.repartidas.at(n - 1));
    e.primerReparto = p.primerReparto;
    e.cartasRepartidas = static_cast<std::uint8_t>(p.cartasRepartidas);
    e.jugadorCpu.a_nombre(p.nombreCpu);
    e.jugadorCpu.a_puntos(static_cast<std::int16_t>(p.puntosCpu));
    e.jugadorHumano.a_nombre(p.nombreHumano);
    e.jugadorHumano.a_puntos(static_cast<std::int16_t>(p.puntosHumano));
    if (const QString falta = e.faltaDeConsistencia(); !falta.isEmpty())
        return rechazo(QStringLiteral("the cards do not add up: ") + falta);
    return e;
}

bool PartidaGuardada::GuardarJuego(const GameState &estado, const QString &fichero)
{
    if (SavedGameFile::save(fichero, desdeEstado(estado)))
        return true;
    m_dialogos.mensaje(tr("Error escribiendo archivo"), DialogService::kTitulo,
                       DialogService::Botones::Ok, DialogService::Icono::Ninguno);
    return false;
}

bool PartidaGuardada::CargarJuego(GameState &estado, const QString &fichero)
{
    m_motivo.clear();
    const std::optional<SavedGame> leida = SavedGameFile::load(fichero, &m_motivo);
    std::optional<GameState> nuevo = leida ? aEstado(estado, *leida, &m_motivo) : std::nullopt;
    if (leida && !nuevo)
        qCWarning(lcEngine).noquote() << QStringLiteral("%1: %2").arg(fichero, m_motivo);
    if (!nuevo) {
        m_dialogos.mensaje(tr("Error leyendo archivo"), DialogService::kTitulo,
                           DialogService::Botones::Ok, DialogService::Icono::Ninguno);
        return false;
    }
    estado = std::move(*nuevo);
    return true;
}
