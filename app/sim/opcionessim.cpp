// SPDX-License-Identifier: GPL-3.0-or-later

#include "opcionessim.h"

#include "mersennerandom.h"

#include <QCommandLineParser>

namespace {

constexpr QLatin1String kGames("games");
constexpr QLatin1String kSeed("seed");
constexpr QLatin1String kCheck("check");
constexpr QLatin1String kMoves("moves");
constexpr QLatin1String kSave("save");
constexpr QLatin1String kLoad("load");
constexpr QLatin1String kCpu("cpu");
constexpr QLatin1String kHuman("human");
constexpr QLatin1String kReview("review");

const char *const kDescripcion
    = "Plays the real game of Zelbo without a window: the CPU against a player that makes\n"
      "random legal moves. The same seed plays the same games.\n"
      "\n"
      "  zelbo-sim [--games N] [--seed S] [--check]\n"
      "    Plays N whole games. Prints one line per hand,\n"
      "      hand <n>: cpu=<pile> human=<pile> table=<left> winner=<cpu|human|tie>\n"
      "    (piles after the table was collected; table = cards nobody took), then\n"
      "      games=<N> hands=<H> cpu_games=<a> human_games=<b> seconds=<t>\n"
      "    --check verifies after every move and deal that each of the 40 cards stands\n"
      "    in exactly one place and that the dealt count matches, and at every hand end\n"
      "    that the piles and the table hold 40 cards; it then adds the line\n"
      "      checked: moves=<m> deals=<d> hands=<H>\n"
      "    On a fault it prints the seed, the game, the hand within that game and the\n"
      "    move within that hand, and exits with status 3.\n"
      "    --cpu normal|dificil|experto sets the CPU's level (default normal); --human\n"
      "    random|normal|dificil|experto|hint the player in the human's seat (default\n"
      "    random: random legal moves; a level plays that seat by the CPU's rules of that\n"
      "    level; hint plays it as the game's hint does against the CPU's level).\n"
      "    With a Difícil or Experto player at the table the summary line ends with\n"
      "      think_ms_p50=<x> think_ms_max=<y>\n"
      "    (that player's processor time per choice, in milliseconds).\n"
      "\n"
      "  zelbo-sim --review [--games N] [--seed S] [--cpu LEVEL] [--human PLAYER]\n"
      "    Plays the games as above and reviews every move of the human's seat instead of\n"
      "    printing the hands: for each,\n"
      "      move <game> <hand> <n>: before=<p> after=<q> loss=<l>\n"
      "    (that seat's chance to win the game before and after the move, in percent, as\n"
      "    the seat could judge it; loss = the points it lost against the best move, by a\n"
      "    second judge on other deals and four times as many). Then, for each tenth of\n"
      "    the scale that holds positions before a move,\n"
      "      calibration <lo>-<hi>: positions=<n> games=<g> mean_estimate=<p> won=<q>\n"
      "    (won = the share of those positions whose game the seat won), then\n"
      "      brier=<b> brier_constant=<c>\n"
      "    (of the chances, and of a constant guess of the seat's share of games won),\n"
      "      mean_loss=<x>\n"
      "    and the summary line last.\n"
      "\n"
      "  zelbo-sim [--seed S] --moves K --save FILE\n"
      "    Plays the human's first K moves of a new game (a card laid, a lift or a pile\n"
      "    take, each followed by the CPU's turn; hands and games end as usual), then\n"
      "    saves the game as the window does, with the human to play. Prints\n"
      "      ok dealt=<dealt> table=<n> cpu=<hand>/<pile> human=<hand>/<pile>\n"
      "\n"
      "  zelbo-sim [--seed S] --load FILE [--save FILE2]\n"
      "    Starts a fresh game, loads FILE into it as the window does and prints the\n"
      "    same ok line; with --save, saves the loaded game to FILE2.\n"
      "\n"
      "The game's own preferences file is neither read nor written. Exit status: 0 done,\n"
      "1 the game failed or refused a file (its message is printed), 2 bad command line,\n"
      "3 --check found a fault.";

bool leerEntero(const QCommandLineParser &parser, QLatin1String opcion, int minimo, int &valor)
{
    if (!parser.isSet(opcion))
        return true;
    bool ok = false;
    valor = parser.value(opcion).toInt(&ok);
    return ok && valor >= minimo;
}

QString leerFichero(const QCommandLineParser &parser, QLatin1String opcion, QString &fichero)
{
    if (!parser.isSet(opcion))
        return {};
    fichero = parser.value(opcion);
    return fichero.isEmpty() ? QStringLiteral("--%1 needs a file name").arg(opcion) : QString();
}

} // namespace

void OpcionesSim::preparar(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QString::fromUtf8(kDescripcion));
    parser.addOption(
        { { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help.") });
    parser.addOption(
        { kGames, QStringLiteral("Number of games to play (default 1)."), QStringLiteral("N") });
    parser.addOption({ kSeed,
                       QStringLiteral("Seed of the games, 0 to 18446744073709551615 (default: "
                                      "from the clock). With --load, the seed of the fresh game."),
                       QStringLiteral("S") });
    parser.addOption({ kCheck, QStringLiteral("Verifies every move of the games played.") });
    parser.addOption({ kReview,
                       QStringLiteral("Reviews every move of the human's seat instead of "
                                      "printing the hands.") });
    parser.addOption({ kMoves,
                       QStringLiteral("Number of the human's moves to play before --save "
                                      "(0 saves right after the first deal)."),
                       QStringLiteral("K") });
    parser.addOption({ kSave, QStringLiteral("Saves the game to FILE (with --moves or --load)."),
                       QStringLiteral("FILE") });
    parser.addOption(
        { kLoad, QStringLiteral("Loads the saved game in FILE."), QStringLiteral("FILE") });
    parser.addOption({ kCpu,
                       QStringLiteral("The CPU's level: normal (default), dificil or experto."),
                       QStringLiteral("LEVEL") });
    parser.addOption(
        { kHuman,
          QStringLiteral(
              "The player in the human's seat: random (default), normal, dificil, experto or "
              "hint."),
          QStringLiteral("PLAYER") });
}

std::optional<OpcionesSim> OpcionesSim::leer(const QCommandLineParser &parser, QString &error)
{
    OpcionesSim o;
    o.semilla = MersenneRandom::semillaDelReloj();
    if (!parser.positionalArguments().isEmpty())
        error
            = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    if (error.isEmpty())
        error = leerNumeros(parser, o);
    if (error.isEmpty())
        error = leerModo(parser, o);
    if (error.isEmpty())
        error = leerJugadores(parser, o);
    if (!error.isEmpty())
        return std::nullopt;
    return o;
}

QString OpcionesSim::leerNumeros(const QCommandLineParser &parser, OpcionesSim &o)
{
    if (!leerEntero(parser, kGames, 1, o.partidas))
        return QStringLiteral("--games needs a whole number of at least 1");
    if (!leerEntero(parser, kMoves, 0, o.movimientos))
        return QStringLiteral("--moves needs a whole number of at least 0");
    if (parser.isSet(kSeed)) {
        bool ok = false;
        o.semilla = parser.value(kSeed).toULongLong(&ok);
        if (!ok)
            return QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615");
    }
    return {};
}

QString OpcionesSim::leerModo(const QCommandLineParser &parser, OpcionesSim &o)
{
    o.verificar = parser.isSet(kCheck);
    o.revisar = parser.isSet(kReview);
    const bool movimientos = parser.isSet(kMoves);
    const bool conFichero = parser.isSet(kLoad) || parser.isSet(kSave) || movimientos;
    if (conFichero && (parser.isSet(kGames) || o.verificar || o.revisar))
        return QStringLiteral("--games, --check and --review play whole games; they do not go "
                              "with --moves, --save or --load");
    if (movimientos && parser.isSet(kLoad))
        return QStringLiteral("--moves plays a new game; it does not go with --load");
    if (movimientos && !parser.isSet(kSave))
        return QStringLiteral("--moves needs --save FILE");
    if (parser.isSet(kSave) && !movimientos && !parser.isSet(kLoad))
        return QStringLiteral("--save needs --moves K or --load FILE");
    if (QString e = leerFichero(parser, kLoad, o.cargar); !e.isEmpty())
        return e;
    if (QString e = leerFichero(parser, kSave, o.guardar); !e.isEmpty())
        return e;
    if (parser.isSet(kLoad))
        o.modo = Modo::Cargar;
    else if (movimientos)
        o.modo = Modo::GuardarTras;
    return {};
}

QString OpcionesSim::leerJugadores(const QCommandLineParser &parser, OpcionesSim &o)
{
    if (parser.isSet(kCpu)) {
        const std::optional<NivelCpu> nivel = NivelesCpu::deClave(parser.value(kCpu));
        if (!nivel)
            return QStringLiteral("--cpu needs normal, dificil or experto");
        o.jugadores.cpu = *nivel;
    }
    const QString humano = parser.value(kHuman);
    if (humano == QLatin1String("hint")) {
        o.jugadores.pista = true;
    } else if (parser.isSet(kHuman) && humano != QLatin1String("random")) {
        o.jugadores.humano = NivelesCpu::deClave(humano);
        if (!o.jugadores.humano)
            return QStringLiteral("--human needs random, normal, dificil, experto or hint");
    }
    return {};
}
