#include "simulador.h"

#include "juegosinventana.h"
#include "randomhuman.h"
#include "simulacionerror.h"
#include "verificador.h"

#include <optional>
#include <utility>

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
    JuegoSinVentana &sesion;
    const int partidas;
    const AlTerminarMano &alTerminarMano;
    Verificador *verificador;
    ResumenSimulacion resumen;
    std::optional<ResultadoMano> pendiente; // counted, verdict not yet shown
};

Simulador::Simulador(QString programDir, std::uint64_t semilla)
    : m_programDir(std::move(programDir))
    , m_azarJuego(semilla)
    , m_azarHumano(semilla ^ kMezclaHumano)
{
}

ResumenSimulacion Simulador::jugar(int partidas, const AlTerminarMano &alTerminarMano,
                                   Verificador *verificador)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    Escucha escucha { sesion, partidas, alTerminarMano, verificador, {}, {} };
    escuchar(escucha);
    RandomHuman humano(sesion.juego(), m_azarHumano);
    sesion.iniciar();
    jugarHastaElFinal(escucha, humano);
    if (escucha.resumen.partidas != partidas)
        throw SimulacionError(QStringLiteral("the game ended after %1 of %2 games")
                                  .arg(escucha.resumen.partidas)
                                  .arg(partidas));
    return escucha.resumen;
}

void Simulador::escuchar(Escucha &e)
{
    const GameState &estado = e.sesion.juego().estado();
    e.sesion.vista().setAlContar([&e, &estado](int cpu, int humano) {
        if (e.verificador)
            e.verificador->alContar(estado, cpu, humano);
        // After the table was collected; what is left there nobody lifted.
        e.pendiente = ResultadoMano { e.resumen.manos + 1, cpu, humano, estado.lamesa.count(), {} };
    });
    e.sesion.dialogos().setAlAvisar([&e](const QString &texto) {
        const std::optional<ResultadoMano::Ganador> ganador = veredicto(texto);
        if (!e.pendiente || !ganador)
            return;
        e.pendiente->ganador = *ganador;
        ++e.resumen.manos;
        if (e.alTerminarMano)
            e.alTerminarMano(*e.pendiente);
        e.pendiente.reset();
    });
    e.sesion.vista().setAlGanar([&e, &estado] {
        ++e.resumen.partidas;
        if (estado.jugadorCpu.puntos() > estado.jugadorHumano.puntos())
            ++e.resumen.partidasCpu;
        else
            ++e.resumen.partidasHumano;
        if (e.verificador)
            e.verificador->alTerminarPartida();
    });
    e.sesion.dialogos().setAlPreguntar(
        [&e](const QString &) { return e.resumen.partidas < e.partidas; });
    if (e.verificador)
        e.sesion.vista().setAlActualizar([&e, &estado] { e.verificador->trasActualizar(estado); });
}

void Simulador::jugarHastaElFinal(Escucha &e, RandomHuman &humano)
{
    if (e.verificador)
        e.verificador->comprobar();
    while (humano.puedeJugar()) {
        if (e.verificador)
            e.verificador->antesDelHumano();
        e.sesion.jugar(humano);
        if (e.verificador)
            e.verificador->comprobar();
    }
    if (!e.sesion.juego().terminado())
        throw SimulacionError(QStringLiteral("the game waits with an empty hand"));
}

QString Simulador::guardarTras(int movimientos, const QString &fichero)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    RandomHuman humano(sesion.juego(), m_azarHumano);
    // Games go on for as long as the moves last.
    sesion.dialogos().setAlPreguntar([](const QString &) { return true; });
    sesion.iniciar();
    for (int i = 0; i < movimientos; ++i) {
        if (!humano.puedeJugar())
            throw SimulacionError(QStringLiteral("the game waits with an empty hand"));
        sesion.jugar(humano);
    }
    sesion.guardar(fichero);
    return sesion.posicion();
}

QString Simulador::cargar(const QString &fichero, const QString &guardarEn)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    sesion.iniciar();
    sesion.cargar(fichero);
    if (!guardarEn.isEmpty())
        sesion.guardar(guardarEn);
    return sesion.posicion();
}
