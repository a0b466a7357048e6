// SPDX-License-Identifier: GPL-3.0-or-later

#include "partidaconservada.h"

#include "mersennerandom.h"
#include "partidaguardada.h"

#include <utility>

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

namespace {

QString clave(UltimoEnLevantar ultimo)
{
    switch (ultimo) {
    case UltimoEnLevantar::p1:
        return QStringLiteral("p1");
    case UltimoEnLevantar::p2:
        return QStringLiteral("p2");
    case UltimoEnLevantar::nadie:
        break;
    }
    return {};
}

std::optional<UltimoEnLevantar> ultimoDe(const QString &clave)
{
    if (clave.isEmpty())
        return UltimoEnLevantar::nadie;
    if (clave == QLatin1String("p1"))
        return UltimoEnLevantar::p1;
    if (clave == QLatin1String("p2"))
        return UltimoEnLevantar::p2;
    return std::nullopt;
}

} // namespace

PartidaConservada::PartidaConservada(const QString &carpeta, DialogService &dialogos,
                                     MersenneRandom *generador, QString nivelCpu)
    : m_archivo(carpeta)
    , m_almacen(carpeta)
    , m_dialogos(dialogos)
    , m_generador(generador)
    , m_nivelCpu(std::move(nivelCpu))
    , m_numeroPartida([] { return qint64 { 0 }; })
    , m_deshacer([] { return QByteArray(); })
{
}

void PartidaConservada::aviso(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Ninguno);
}

std::optional<KeptGame> PartidaConservada::alIniciar(bool preguntar)
{
    StatisticsFile::Loaded estadisticas = m_archivo.load();
    m_estadisticas = std::move(estadisticas.statistics);
    if (const QString texto = estadisticas.notice(); !texto.isEmpty())
        aviso(texto);
    const KeptGameStore::Loaded guardada = m_almacen.load();
    if (guardada.status == KeptGameStore::Status::Damaged) {
        aviso(tr("Error leyendo archivo"));
        m_almacen.remove();
        return std::nullopt;
    }
    if (guardada.status != KeptGameStore::Status::Found)
        return std::nullopt;
    const Respuesta r = preguntar
        ? m_dialogos.mensaje(tr("¿Continuar la partida anterior?"), DialogService::kTitulo,
                             Botones::YesNo, Icono::Pregunta)
        : Respuesta::No;
    if (r == Respuesta::Yes)
        return guardada.game;
    m_actual = GameInProgress::fromBytes(guardada.game->estadisticas);
    contar(GameResult::Abandoned);
    m_almacen.remove();
    return std::nullopt;
}

bool PartidaConservada::reanudar(GameState &estado, const KeptGame &guardada)
{
    std::optional<GameState> vuelta = PartidaGuardada::aEstado(estado, guardada.partida);
    const std::optional<UltimoEnLevantar> ultimo = ultimoDe(guardada.ultimoEnLevantar);
    if (!vuelta || !ultimo || guardada.turno < 0 || guardada.turno > 2)
        return false;
    if (m_generador && !guardada.generador.isEmpty()
        && !m_generador->restaurar(guardada.generador.toStdString()))
        return false;
    vuelta->ultimoEnLevantar = *ultimo;
    vuelta->turno = static_cast<Turno>(guardada.turno);
    m_actual = GameInProgress::fromBytes(guardada.estadisticas);
    // The hand in play follows the last one that ended: a game is kept at human turns only,
    // and every hand end is followed by a deal and another human turn.
    vuelta->numeroDeMano
        = m_actual && !m_actual->hands().isEmpty() ? m_actual->hands().lastKey() + 1 : 1;
    estado = std::move(*vuelta);
    m_reanudada = guardada;
    return true;
}

GameInProgress &PartidaConservada::enCurso(const GameState &estado)
{
    if (!m_actual)
        m_actual.emplace(estado.jugadorHumano.nombre(), m_nivel ? m_nivel() : m_nivelCpu);
    return *m_actual;
}

void PartidaConservada::conservar(const GameState &estado)
{
    KeptGame guardada;
    guardada.partida = PartidaGuardada::desdeEstado(estado);
    guardada.ultimoEnLevantar = clave(estado.ultimoEnLevantar);
    guardada.turno = static_cast<int>(estado.turno);
    guardada.numeroPartida = m_numeroPartida();
    guardada.nivelCpu = m_actual ? m_actual->level() : m_nivelCpu;
    if (m_generador)
        guardada.generador = QString::fromStdString(m_generador->estado());
    guardada.deshacer = m_deshacer();
    guardada.estadisticas = enCurso(estado).toBytes();
    // A save that fails leaves the previous kept game; the game goes on regardless.
    m_almacen.save(guardada);
}

void PartidaConservada::contar(GameResult resultado)
{
    if (!m_actual)
        return;
    if (m_estadisticas.commit(*m_actual, resultado))
        m_archivo.save(m_estadisticas);
    m_actual.reset();
}

void PartidaConservada::turnoHumano(const GameState &estado)
{
    conservar(estado);
}

void PartidaConservada::jugadaHumana(const GameState &estado)
{
    enCurso(estado).moveMade();
}

void PartidaConservada::manoTerminada(const GameState &estado)
{
    enCurso(estado).handEnded(estado.numeroDeMano, estado.player2Lev.count(),
                              estado.player1Lev.count());
}

void PartidaConservada::partidaTerminada(const GameState &estado)
{
    const bool gano = estado.jugadorHumano.puntos() > estado.jugadorCpu.puntos();
    enCurso(estado);
    contar(gano ? GameResult::Won : GameResult::Lost);
    // Counted and over, whatever the answer to playing again: a kill from here on must not
    // offer it again.
    m_almacen.remove();
}

void PartidaConservada::partidaCerrada()
{
    m_almacen.remove();
}

void PartidaConservada::abandonar()
{
    contar(GameResult::Abandoned);
}

void PartidaConservada::alSalir(const GameState &estado)
{
    conservar(estado);
}
