// zelbo-sim: plays whole games of Zelbo without a window, the CPU against a
// random legal human, and prints one line per hand and a summary.

#include "mersennerandom.h"
#include "simulacionerror.h"
#include "simulador.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <optional>

namespace {

constexpr int kErrorDeUso = 2;

struct Opciones
{
    int partidas = 1;
    std::uint64_t semilla = 0;
};

QString nombre(ResultadoMano::Ganador ganador)
{
    switch (ganador) {
    case ResultadoMano::Ganador::Cpu:
        return QStringLiteral("cpu");
    case ResultadoMano::Ganador::Humano:
        return QStringLiteral("human");
    case ResultadoMano::Ganador::Empate:
        break;
    }
    return QStringLiteral("tie");
}

void preparar(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Plays whole games of Zelbo without a window: the CPU against a player that makes\n"
        "random legal moves. Prints one line per hand,\n"
        "  hand <n>: cpu=<pile> human=<pile> table=<left> winner=<cpu|human|tie>\n"
        "(piles after the table was collected; table = cards nobody took), then\n"
        "  games=<N> hands=<H> cpu_games=<a> human_games=<b> seconds=<t>\n"
        "The same seed gives the same games."));
    parser.addOption(
        { { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help.") });
    parser.addOption({ QStringLiteral("games"),
                       QStringLiteral("Number of games to play (default 1)."),
                       QStringLiteral("N") });
    parser.addOption({ QStringLiteral("seed"),
                       QStringLiteral("Seed of the games, 0 to 18446744073709551615 (default: "
                                      "from the clock)."),
                       QStringLiteral("S") });
}

// The options, or the one-line reason they are wrong.
std::optional<Opciones> leer(const QCommandLineParser &parser, QString &error)
{
    Opciones o;
    o.semilla = MersenneRandom::semillaDelReloj();
    if (!parser.positionalArguments().isEmpty()) {
        error
            = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    bool ok = true;
    if (parser.isSet(QStringLiteral("games"))) {
        o.partidas = parser.value(QStringLiteral("games")).toInt(&ok);
        if (!ok || o.partidas < 1) {
            error = QStringLiteral("--games needs a whole number of at least 1");
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        o.semilla = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) {
            error = QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615");
            return std::nullopt;
        }
    }
    return o;
}

int simular(const Opciones &o, QTextStream &out)
{
    Simulador simulador(QCoreApplication::applicationDirPath() + QStringLiteral("/naipe40.db"),
                        o.semilla);
    QElapsedTimer reloj;
    reloj.start();
    const ResumenSimulacion r = simulador.jugar(o.partidas, [&out](const ResultadoMano &m) {
        out << QStringLiteral("hand %1: cpu=%2 human=%3 table=%4 winner=%5\n")
                   .arg(m.numero)
                   .arg(m.cpu)
                   .arg(m.humano)
                   .arg(m.mesa)
                   .arg(nombre(m.ganador));
    });
    out << QStringLiteral("games=%1 hands=%2 cpu_games=%3 human_games=%4 seconds=%5\n")
               .arg(r.partidas)
               .arg(r.manos)
               .arg(r.partidasCpu)
               .arg(r.partidasHumano)
               .arg(static_cast<double>(reloj.nsecsElapsed()) / 1e9, 0, 'f', 3);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelbo-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    preparar(parser);
    QString error;
    std::optional<Opciones> opciones;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    } else
        opciones = leer(parser, error);
    if (!opciones) {
        err << "zelbo-sim: " << error << " (see --help)\n";
        return kErrorDeUso;
    }
    try {
        return simular(*opciones, out);
    } catch (const SimulacionError &e) {
        err << "zelbo-sim: " << e.what() << '\n';
        return 1;
    }
}
