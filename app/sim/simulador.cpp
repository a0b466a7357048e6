#include "simulador.h"

#include "autodialogs.h"
#include "headlessview.h"
#include "randomhuman.h"
#include "simulacionerror.h"
#include "zelbogame.h"

#include <QFile>

namespace {

// The human's stream is kept apart from the game's, so that a change in how
// the human chooses does not change the deals, and the other way round.
constexpr std::uint64_t kMezclaHumano = 0x9E3779B97F4A7C15ULL;

std::optional<ResultadoMano::Ganador> veredicto(const QString &texto)
{
    if (texto == QLatin1String("Cpu gana la mano"))
        return ResultadoMano::Ganador::Cpu;
    if (texto == QLatin1String("Mano empatada"))
        return ResultadoMano::Ganador::Empate;
    if (texto.endsWith(QLatin1String(" gana la mano")))
        return ResultadoMano::Ganador::Humano;
    return std::nullopt;
}

} // namespace

// What the simulator hears from one run of the game.
struct Simulador::Escucha
{
    ZelboGame &juego;
    HeadlessView &vista;
    AutoDialogs &dialogos;
    const int partidas;
    const AlTerminarMano &alTerminarMano;
    ResumenSimulacion resumen;
    std::optional<ResultadoMano> pendiente; // counted, verdict not yet shown
    QString ultimoAviso;
};

Simulador::Simulador(const QString &naipe, std::uint64_t semilla)
    : m_azarJuego(semilla)
    , m_azarHumano(semilla ^ kMezclaHumano)
{
    if (!m_dir.isValid() || !QFile::copy(naipe, m_dir.filePath(QStringLiteral("naipe40.db"))))
        throw SimulacionError(QStringLiteral("cannot copy the card set ") + naipe);
}

ResumenSimulacion Simulador::jugar(int partidas, const AlTerminarMano &alTerminarMano)
{
    HeadlessView vista;
    AutoDialogs dialogos;
    ZelboGame juego(m_dir.path(), vista, dialogos, m_azarJuego);
    Escucha escucha { juego, vista, dialogos, partidas, alTerminarMano, {}, {}, {} };
    escuchar(escucha);
    RandomHuman humano(juego, m_azarHumano);
    juego.iniciar();
    jugarHastaElFinal(escucha, humano);
    if (juego.estadoSalida() != 0)
        throw SimulacionError(QStringLiteral("the game ended with an error: ")
                              + dialogos.ultimoError());
    if (escucha.resumen.partidas != partidas)
        throw SimulacionError(QStringLiteral("the game ended after %1 of %2 games")
                                  .arg(escucha.resumen.partidas)
                                  .arg(partidas));
    return escucha.resumen;
}

void Simulador::escuchar(Escucha &e)
{
    e.vista.setAlContar([&e](int cpu, int humano) {
        // After the table was collected; what is left there nobody lifted.
        e.pendiente = ResultadoMano {
            e.resumen.manos + 1, cpu, humano, e.juego.estado().lamesa.count(), {}
        };
    });
    e.dialogos.setAlAvisar([&e](const QString &texto) {
        e.ultimoAviso = texto;
        const std::optional<ResultadoMano::Ganador> ganador = veredicto(texto);
        if (!e.pendiente || !ganador)
            return;
        e.pendiente->ganador = *ganador;
        ++e.resumen.manos;
        if (e.alTerminarMano)
            e.alTerminarMano(*e.pendiente);
        e.pendiente.reset();
    });
    e.vista.setAlGanar([&e] {
        const GameState &estado = e.juego.estado();
        ++e.resumen.partidas;
        if (estado.jugadorCpu.puntos() > estado.jugadorHumano.puntos())
            ++e.resumen.partidasCpu;
        else
            ++e.resumen.partidasHumano;
    });
    e.dialogos.setAlPreguntar([&e](const QString &) { return e.resumen.partidas < e.partidas; });
}

void Simulador::jugarHastaElFinal(Escucha &e, RandomHuman &humano)
{
    while (humano.puedeJugar()) {
        const int antes = e.vista.actualizaciones();
        humano.jugar();
        // Every move the game takes refreshes the board.
        if (!e.juego.terminado() && e.vista.actualizaciones() == antes)
            throw SimulacionError(QStringLiteral("the game refused a legal move: ")
                                  + e.ultimoAviso);
    }
    if (!e.juego.terminado())
        throw SimulacionError(QStringLiteral("the game waits with an empty hand"));
}
