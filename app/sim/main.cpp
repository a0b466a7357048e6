// SPDX-License-Identifier: GPL-3.0-or-later

// zelbo-sim: plays the real game of Zelbo without a window, the CPU against a
// random legal human: whole games with one line per hand and a summary, or a
// game saved and loaded with the window's own procedures. See --help.

#include "opcionessim.h"
#include "revisionsimulada.h"
#include "simulacionerror.h"
#include "simulador.h"
#include "verificacionerror.h"
#include "verificador.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr int kFallo = 1;
constexpr int kErrorDeUso = 2;
constexpr int kFaltaEncontrada = 3;

const char *nombre(ResultadoMano::Ganador ganador)
{
    switch (ganador) {
    case ResultadoMano::Ganador::Cpu:
        return "cpu";
    case ResultadoMano::Ganador::Humano:
        return "human";
    case ResultadoMano::Ganador::Empate:
        break;
    }
    return "tie";
}

void agregar(std::string &linea, const char *texto, int n)
{
    std::array<char, 16> cifras {};
    const auto fin = std::to_chars(cifras.begin(), cifras.end(), n).ptr;
    linea.append(texto).append(cifras.begin(), fin);
}

// "hand <n>: cpu=<pile> human=<pile> table=<left> winner=<who>". A long run
// prints one per hand, so they are put together without QString's formatting,
// which costs more than playing the hand.
void escribirMano(std::string &linea, const ResultadoMano &m)
{
    linea.clear();
    agregar(linea, "hand ", m.numero);
    agregar(linea, ": cpu=", m.cpu);
    agregar(linea, " human=", m.humano);
    agregar(linea, " table=", m.mesa);
    linea.append(" winner=").append(nombre(m.ganador)).push_back('\n');
    std::fwrite(linea.data(), 1, linea.size(), stdout);
}

// " think_ms_p50=<x> think_ms_max=<y>" when a Difícil or Experto player was at the table.
QString tiempos(const ResumenSimulacion &r)
{
    if (!r.conDificil)
        return {};
    std::vector<double> t = r.pensarMs;
    double mediana = 0;
    double maximo = 0;
    if (!t.empty()) {
        const auto medio = t.begin() + static_cast<std::ptrdiff_t>(t.size() / 2);
        std::nth_element(t.begin(), medio, t.end());
        mediana = *medio;
        maximo = *std::max_element(t.begin(), t.end());
    }
    return QStringLiteral(" think_ms_p50=%1 think_ms_max=%2")
        .arg(mediana, 0, 'f', 3)
        .arg(maximo, 0, 'f', 3);
}

void simular(const OpcionesSim &o, Simulador &simulador, QTextStream &out)
{
    std::optional<Verificador> verificador;
    if (o.verificar)
        verificador.emplace(o.semilla);
    QElapsedTimer reloj;
    reloj.start();
    std::optional<RevisionSimulada> revision;
    if (o.revisar) {
        revision.emplace(o.jugadores.cpu);
        simulador.setOyente(&*revision);
    }
    std::string linea;
    Simulador::AlTerminarMano alTerminarMano;
    if (!revision)
        alTerminarMano = [&linea](const ResultadoMano &m) { escribirMano(linea, m); };
    out.flush();
    const ResumenSimulacion r
        = simulador.jugar(o.partidas, alTerminarMano, verificador ? &*verificador : nullptr);
    std::fflush(stdout);
    if (revision)
        out << revision->resumen();
    out << QStringLiteral("games=%1 hands=%2 cpu_games=%3 human_games=%4 seconds=%5%6\n")
               .arg(r.partidas)
               .arg(r.manos)
               .arg(r.partidasCpu)
               .arg(r.partidasHumano)
               .arg(static_cast<double>(reloj.nsecsElapsed()) / 1e9, 0, 'f', 3)
               .arg(tiempos(r));
    if (verificador)
        out << QStringLiteral("checked: moves=%1 deals=%2 hands=%3\n")
                   .arg(verificador->movimientos())
                   .arg(verificador->repartos())
                   .arg(verificador->manos());
}

void ejecutar(const OpcionesSim &o, QTextStream &out)
{
    Simulador simulador(QCoreApplication::applicationDirPath(), o.semilla, o.jugadores);
    QString posicion;
    switch (o.modo) {
    case OpcionesSim::Modo::Partidas:
        simular(o, simulador, out);
        break;
    case OpcionesSim::Modo::GuardarTras:
        posicion = simulador.guardarTras(o.movimientos, o.guardar);
        break;
    case OpcionesSim::Modo::Cargar:
        posicion = simulador.cargar(o.cargar, o.guardar);
        break;
    }
    if (!posicion.isEmpty())
        out << "ok " << posicion << '\n';
}

// The options, or nothing after the help or a usage error was printed.
std::optional<OpcionesSim> opciones(QTextStream &out, QTextStream &err, bool &ayuda)
{
    QCommandLineParser parser;
    OpcionesSim::preparar(parser);
    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
    } else if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        ayuda = true;
        return std::nullopt;
    }
    std::optional<OpcionesSim> o
        = error.isEmpty() ? OpcionesSim::leer(parser, error) : std::nullopt;
    if (!o)
        err << "zelbo-sim: " << error << " (see --help)\n";
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelbo-sim"));
    // A refused file's reason is on the error line; the log would repeat it.
    QLoggingCategory::setFilterRules(
        QStringLiteral("zelbo.storage.warning=false\nzelbo.engine.warning=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool ayuda = false;
    const std::optional<OpcionesSim> o = opciones(out, err, ayuda);
    if (!o)
        return ayuda ? 0 : kErrorDeUso;
    try {
        ejecutar(*o, out);
        return 0;
    } catch (const VerificacionError &e) {
        out.flush();
        err << "zelbo-sim: " << e.what() << '\n';
        return kFaltaEncontrada;
    } catch (const SimulacionError &e) {
        out.flush();
        err << "zelbo-sim: " << e.what() << '\n';
        return kFallo;
    }
}
