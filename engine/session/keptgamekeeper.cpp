// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptgamekeeper.h"

#include "mersennerandom.h"
#include "partidaguardada.h"
#include "posicioncompacta.h"

#include <QDir>
#include <utility>

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

namespace {

// The side file names the last lifter by its old seat names: p1 the CPU, p2 the human.
QString clave(Lado ultimo)
{
    switch (ultimo) {
    case Lado::Cpu:
        return QStringLiteral("p1");
    case Lado::Humano:
        return QStringLiteral("p2");
    case Lado::Nadie:
        break;
    }
    return {};
}

std::optional<Lado> ultimoDe(const QString &clave)
{
    if (clave.isEmpty())
        return Lado::Nadie;
    if (clave == QLatin1String("p1"))
        return Lado::Cpu;
    if (clave == QLatin1String("p2"))
        return Lado::Humano;
    return std::nullopt;
}

} // namespace

KeptGameKeeper::KeptGameKeeper(const QString &carpeta, DialogService &dialogos,
                               MersenneRandom *generador, QString nivelCpu)
    : m_archivo(carpeta)
    , m_almacen(carpeta)
    , m_dialogos(dialogos)
    , m_generador(generador)
    , m_nivelCpu(std::move(nivelCpu))
    , m_numeroPartida([] { return qint64 { 0 }; })
    , m_deshacer([] { return QByteArray(); })
    , m_nombreEnMarcador([] { return QString(); })
{
}

void KeptGameKeeper::aviso(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Ninguno);
}

void KeptGameKeeper::avisarUnaVez(bool &avisado, const QString &texto)
{
    if (avisado || !m_avisoDeArchivo)
        return;
    avisado = true;
    m_avisoDeArchivo(texto);
}

// A save that fails leaves the previous kept game; the game goes on regardless.
void KeptGameKeeper::guardarConservada(const KeptGame &guardada)
{
    if (!m_almacen.save(guardada))
        avisarUnaVez(m_conservadaAvisada,
                     tr("No se ha podido guardar la partida en curso en %1: puede que el disco "
                        "esté lleno o que la carpeta no admita cambios. El juego sigue, pero si "
                        "lo cierras, quizá no la encuentres tal como la dejaste.")
                         .arg(QDir::toNativeSeparators(m_almacen.folder())));
}

void KeptGameKeeper::quitarConservada()
{
    if (!m_almacen.remove())
        avisarUnaVez(m_conservadaAvisada,
                     tr("No se ha podido borrar la partida terminada de %1: la carpeta no "
                        "admite cambios. El juego sigue, pero al abrirlo de nuevo puede que te "
                        "ofrezca continuarla.")
                         .arg(QDir::toNativeSeparators(m_almacen.folder())));
}

std::optional<KeptGame> KeptGameKeeper::alIniciar(bool preguntar)
{
    StatisticsFile::Loaded estadisticas = m_archivo.load();
    m_estadisticas = std::move(estadisticas.statistics);
    if (const QString texto = estadisticas.notice(); !texto.isEmpty())
        aviso(texto);
    const KeptGameStore::Loaded guardada = m_almacen.load();
    if (guardada.status == KeptGameStore::Status::Damaged) {
        aviso(tr("Error leyendo archivo"));
        quitarConservada();
        return std::nullopt;
    }
    if (guardada.status != KeptGameStore::Status::Found)
        return std::nullopt;
    m_guardada = guardada.game;
    m_actual = KeptGameStats::fromBytes(guardada.game->estadisticas);
    // Abandoned or counted already (a kill came before its files were gone), or kept by a
    // release that kept games without a move: nothing to ask about.
    const bool terminada = guardada.game->abandonada
        || (m_actual && (m_estadisticas.hasCounted(m_actual->id()) || !m_actual->moved()));
    const Respuesta r = preguntar && !terminada
        ? m_dialogos.mensaje(tr("¿Continuar la partida anterior?"), DialogService::kTitulo,
                             Botones::YesNo, Icono::Pregunta)
        : Respuesta::No;
    if (r == Respuesta::Yes) {
        m_actual.reset();
        return guardada.game;
    }
    abandonar();
    return std::nullopt;
}

bool KeptGameKeeper::reanudar(GameState &estado, const KeptGame &guardada)
{
    std::optional<GameState> vuelta = PartidaGuardada::aEstado(estado, guardada.partida);
    const std::optional<Lado> ultimo = ultimoDe(guardada.ultimoEnLevantar);
    const std::optional<Lado> turno = ladoDeNumero(guardada.turno);
    if (!vuelta || !ultimo || !turno)
        return false;
    if (m_generador && !guardada.generador.isEmpty()
        && !m_generador->restaurar(guardada.generador.toStdString()))
        return false;
    vuelta->ultimoEnLevantar = *ultimo;
    vuelta->turno = *turno;
    m_actual = KeptGameStats::fromBytes(guardada.estadisticas);
    // A side file that does not say which hand is in play: the one after the last that
    // ended, as a game was kept at human turns only and every hand end is followed by a
    // deal and another human turn. Wrong after an undo across a hand's end, which is why
    // the hand is kept now.
    if (guardada.numeroDeMano > 0)
        vuelta->numeroDeMano = guardada.numeroDeMano;
    else
        vuelta->numeroDeMano
            = m_actual && !m_actual->hands().isEmpty() ? m_actual->hands().lastKey() + 1 : 1;
    estado = std::move(*vuelta);
    m_guardada = guardada;
    return true;
}

KeptGameStats &KeptGameKeeper::enCurso(const GameState &estado)
{
    if (!m_actual)
        m_actual.emplace(estado.jugadorHumano.nombre(), m_nivel ? m_nivel() : m_nivelCpu);
    return *m_actual;
}

void KeptGameKeeper::conservar(const GameState &estado)
{
    // Nothing to take up in a game the human has not moved in: the next start asks nothing.
    if (!enCurso(estado).moved())
        return;
    KeptGame guardada;
    guardada.partida = PartidaGuardada::desdeEstado(estado);
    guardada.ultimoEnLevantar = clave(estado.ultimoEnLevantar);
    guardada.turno = numeroDeLado(estado.turno);
    guardada.numeroPartida = m_numeroPartida();
    guardada.nivelCpu = m_actual->level();
    if (m_generador)
        guardada.generador = QString::fromStdString(m_generador->estado());
    guardada.deshacer = m_deshacer();
    guardada.estadisticas = m_actual->toBytes();
    guardada.numeroDeMano = estado.numeroDeMano;
    guardada.nombreEnMarcador = m_nombreEnMarcador();
    guardarConservada(guardada);
    m_guardada = std::move(guardada);
}

void KeptGameKeeper::contar(GameResult resultado)
{
    if (!m_actual)
        return;
    if (m_estadisticas.commit(*m_actual, resultado) && !m_archivo.save(m_estadisticas)
        && !m_archivo.leftAlone())
        avisarUnaVez(m_estadisticasAvisadas,
                     tr("No se han podido guardar las estadísticas en %1: puede que el disco "
                        "esté lleno o que la carpeta no admita cambios. El juego sigue, y las "
                        "partidas de esta sesión se cuentan sin guardarlas.")
                         .arg(QDir::toNativeSeparators(m_archivo.path())));
    m_actual.reset();
}

void KeptGameKeeper::turnoHumano(const GameState &estado)
{
    conservar(estado);
}

void KeptGameKeeper::jugadaHumana(const GameState &estado)
{
    enCurso(estado).moveMade();
}

void KeptGameKeeper::manoTerminada(const GameState &estado)
{
    enCurso(estado).handEnded(estado.numeroDeMano, estado.player2Lev.count(),
                              estado.player1Lev.count());
}

void KeptGameKeeper::manoAbandonada(const GameState &estado)
{
    // Moved in this hand: past its first deal, or fewer cards in hand than that deal gave.
    const int primerReparto = PosicionCompacta::kMesaInicial + 2 * PosicionCompacta::kReparto;
    if (estado.cartasRepartidas > primerReparto
        || estado.player2.count() < PosicionCompacta::kReparto)
        enCurso(estado).handAbandoned();
}

void KeptGameKeeper::partidaTerminada(const GameState &estado)
{
    const bool gano = estado.jugadorHumano.puntos() > estado.jugadorCpu.puntos();
    enCurso(estado);
    contar(gano ? GameResult::Won : GameResult::Lost);
    // Counted and over, whatever the answer to playing again. A kill before the removal
    // leaves it kept, and the next start finds it counted.
    partidaCerrada();
}

void KeptGameKeeper::partidaCerrada()
{
    quitarConservada();
    m_guardada.reset();
}

void KeptGameKeeper::abandonar()
{
    // Marked before it is counted, and counted before its files go: a kill at any instant
    // leaves it kept as it was (nothing happened yet), marked (the next start counts it,
    // once, and asks nothing) or gone.
    if (m_guardada && m_actual && m_actual->moved()) {
        m_guardada->estadisticas = m_actual->toBytes();
        m_guardada->abandonada = true;
        guardarConservada(*m_guardada);
    }
    contar(GameResult::Abandoned);
    partidaCerrada();
}

void KeptGameKeeper::alSalir(const GameState &estado)
{
    conservar(estado);
}
