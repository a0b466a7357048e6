// SPDX-License-Identifier: GPL-3.0-or-later

#include "archivos.h"
#include "posicion.h"
#include "preferencesfile.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

using Archivos::contenido;
using namespace Naipes;
using Respuesta = DialogService::Respuesta;

namespace {

const QString kSalir = QStringLiteral("¿Salir del juego?");

// Half a hand with the human to play and two cards in each hand: whatever the
// human puts on the own pile, the CPU lays copas(1) on the table and the human
// plays again.
Posicion enJuego()
{
    Posicion p;
    p.humano = { oros(1), oros(2) };
    p.cpu = { copas(1), copas(2) };
    p.mesa = { espadas(1) };
    p.pilaCpu = { bastos(1) };
    p.pilaHumano = { bastos(2) };
    p.tamPilaCpu = 8;
    p.tamPilaHumano = 9;
    p.puntosCpu = 2;
    p.puntosHumano = 1;
    p.nombreCpu = QStringLiteral("Rosa");
    p.nombreHumano = QStringLiteral("Tomas");
    return p;
}

// A card named twice by the lists, or 0.
int cartaRepetida(const GameState &e)
{
    QSet<int> vistas;
    for (const CardList *l : { &e.lamesa, &e.player1, &e.player2, &e.player1Lev, &e.player2Lev }) {
        for (const CardId carta : *l) {
            if (vistas.contains(carta))
                return carta;
            vistas.insert(carta);
        }
    }
    return 0;
}

// Puts some marks on the board: a hand card and the own pile.
void marcar(TestGame &t)
{
    t.juego().pulsar({ GrupoImagen::cartap2img, 1 });
    t.juego().alternarMarca({ GrupoImagen::montonimg, 1 });
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void nameCommand_data();
    void nameCommand();
    void newNameLeavesTheLastRoundSign();
    void typedNameStaysWhenPreferencesCannotBeSaved();
    void runStartsTheConfiguredProgramQuietly_data();
    void runStartsTheConfiguredProgramQuietly();
    void cancelledQuitLeavesGameAsItWas();
    void newGameInMidHandKeepsPointsAndDealsAfresh();
};

void TestCommands::nameCommand_data()
{
    QTest::addColumn<bool>("confirmado");
    QTest::addColumn<QString>("tecleado");
    QTest::newRow("typed and confirmed") << true << QStringLiteral("Lucía");
    QTest::newRow("with a comma and Spanish letters")
        << true << QStringLiteral("Íñigo, el de Peñíscola");
    QTest::newRow("confirmed empty") << true << QString();
    QTest::newRow("cancelled") << false << QStringLiteral("Lucía");
}

// A confirmed name shows at once, is saved at once and so outlives a new game;
// a cancelled box changes nothing at all.
void TestCommands::nameCommand()
{
    QFETCH(bool, confirmado);
    QFETCH(QString, tecleado);

    TestGame t(4);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(enJuego()));
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    const QByteArray preferencias = contenido(lastprop);
    t.dialogos().responderTexto(confirmado ? std::optional(tecleado) : std::nullopt);

    t.juego().ordenar(OrdenDelJuego::Nombre);
    QCOMPARE(t.dialogos().preguntas(), QStringList { "Nuevo Nick" });
    QCOMPARE(t.dialogos().titulosPreguntas(), QStringList { "player" });
    QVERIFY(t.dialogos().mensajes().isEmpty());
    const QString nombre = confirmado ? tecleado : QStringLiteral("Tomas");
    QCOMPARE(t.estado().jugadorHumano.nombre(), nombre);
    QCOMPARE(t.vista().nombresMostrados(), confirmado ? QStringList { tecleado } : QStringList());
    // The turn sign of the human's turn now names the new player too.
    QCOMPARE(t.vista().carteles(),
             confirmado ? QStringList { QStringLiteral("Juega ") + tecleado } : QStringList());
    if (confirmado) {
        PreferenceValues guardadas;
        QVERIFY(PreferencesFile::load(lastprop, guardadas));
        QCOMPARE(guardadas.nombreHumano, tecleado);
    } else {
        QCOMPARE(contenido(lastprop), preferencias);
    }

    // The caption of the human's next turn.
    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega ") + nombre);

    // A new game reads lastprop.dat again.
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    const QString guardado = confirmado ? tecleado : TestGame::kHumano;
    QCOMPARE(t.estado().jugadorHumano.nombre(), guardado);
    QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega ") + guardado);
}

void TestCommands::newNameLeavesTheLastRoundSign()
{
    TestGame t(4);
    QVERIFY(t.valido());
    Posicion p;
    p.humano = { oros(1) };
    p.cpu = { copas(1) };
    p.mesa = { espadas(1) };
    p.tamPilaCpu = 18;
    p.tamPilaHumano = 19;
    QVERIFY(t.cargar(p));
    QCOMPARE(t.estado().cartasRepartidas, 40);
    t.dialogos().responderTexto(QStringLiteral("Lucía"));

    t.juego().ordenar(OrdenDelJuego::Nombre);
    QCOMPARE(t.vista().nombresMostrados(), QStringList { QStringLiteral("Lucía") });
    // The sign stays "Ultima ronda", told again so the window names the new player.
    QCOMPARE(t.vista().carteles(), QStringList { QStringLiteral("Ultima ronda") });
}

void TestCommands::typedNameStaysWhenPreferencesCannotBeSaved()
{
    TestGame t(4);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(enJuego()));
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    QVERIFY(QFile::remove(lastprop));
    QVERIFY(QDir(t.dir().path()).mkdir(QStringLiteral("lastprop.dat")));
    t.dialogos().responderTexto(QStringLiteral("Lucía"));

    t.juego().ordenar(OrdenDelJuego::Nombre);
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    const FakeDialogs::Mensaje &m = t.dialogos().mensajes().first();
    QCOMPARE(m.texto, QStringLiteral("No se pudieron guardar las preferencias"));
    QCOMPARE(m.titulo, QStringLiteral("Zelbo"));
    QCOMPARE(m.botones, DialogService::Botones::Ok);
    QCOMPARE(m.icono, DialogService::Icono::Critico);
    QCOMPARE(t.estado().jugadorHumano.nombre(), QStringLiteral("Lucía"));
    QCOMPARE(t.vista().nombresMostrados(), QStringList { "Lucía" });
    QVERIFY(!t.juego().terminado());
}

void TestCommands::runStartsTheConfiguredProgramQuietly_data()
{
    QTest::addColumn<QString>("programa");
    QTest::newRow("none configured") << QString();
    QTest::newRow("missing program") << QStringLiteral("/no/existe/programa --opcion");
    QTest::newRow("blanks in its path") << QStringLiteral("/no existe/mi programa");
}

// The fake view cannot start anything, as for a program that does not exist:
// the game goes on as if nothing had been clicked.
void TestCommands::runStartsTheConfiguredProgramQuietly()
{
    QFETCH(QString, programa);

    TestGame t(5);
    QVERIFY(t.valido());
    PreferenceValues valores;
    valores.nombreCpu = TestGame::kCpu;
    valores.nombreHumano = TestGame::kHumano;
    valores.aplicacion = programa;
    QVERIFY(PreferencesFile::save(t.dir().ruta(QStringLiteral("lastprop.dat")), valores));
    t.iniciar();
    marcar(t);
    t.limpiar();
    const QString antes = Posicion::texto(t.estado());

    t.juego().ordenar(OrdenDelJuego::Correr);
    if (!programa.isEmpty())
        QCOMPARE(t.vista().programasIniciados(), QStringList { programa });
    QVERIFY(t.vista().programasIniciados().size() <= 1);
    QVERIFY(t.registro().isEmpty());
    QVERIFY(t.dialogos().mensajes().isEmpty());
    QCOMPARE(Posicion::texto(t.estado()), antes);
    QVERIFY(!t.juego().terminado());
}

void TestCommands::cancelledQuitLeavesGameAsItWas()
{
    TestGame t(6);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(enJuego()));
    marcar(t);
    // Names that only the game knows: a save would show in lastprop.dat.
    t.juego().restaurarPreferencias(QStringLiteral("Otra"), QStringLiteral("Otro"),
                                    t.juego().preferencias());
    const QString antes = Posicion::texto(t.estado());
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    const QByteArray preferencias = contenido(lastprop);
    t.dialogos().responder(Respuesta::Cancel);

    t.juego().ordenar(OrdenDelJuego::Salir);
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    const FakeDialogs::Mensaje &pregunta = t.dialogos().mensajes().first();
    QCOMPARE(pregunta.texto, kSalir);
    QCOMPARE(pregunta.titulo, QStringLiteral("Salir"));
    QCOMPARE(pregunta.botones, DialogService::Botones::OkCancel);
    QCOMPARE(Posicion::texto(t.estado()), antes);
    QCOMPARE(contenido(lastprop), preferencias);
    QVERIFY(!t.juego().terminado());
    QCOMPARE(t.vista().salida(), std::nullopt);
    QCOMPARE(t.vista().actualizaciones(), 0);

    // And play goes on.
    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega Otro"));
}

void TestCommands::newGameInMidHandKeepsPointsAndDealsAfresh()
{
    for (quint64 semilla = 1; semilla <= 10; ++semilla) {
        TestGame t(semilla);
        QVERIFY(t.valido());
        QVERIFY(t.cargar(enJuego()));
        marcar(t);

        t.juego().ordenar(OrdenDelJuego::Nuevo);
        // Asked nothing; the board first shows the new deal alone.
        QVERIFY(t.dialogos().mensajes().isEmpty());
        QVERIFY(!t.fotos().isEmpty());
        const GameState &reparto = t.fotos().first();
        QCOMPARE(reparto.lamesa.count(), 4);
        QCOMPARE(reparto.player1.count(), 3);
        QCOMPARE(reparto.player2.count(), 3);
        QVERIFY(reparto.player1Lev.isEmpty() && reparto.player2Lev.isEmpty());
        QCOMPARE(reparto.cartasRepartidas, 10);
        for (const GameState &foto : t.fotos()) {
            QCOMPARE(cartaRepetida(foto), 0);
            QCOMPARE(foto.faltaDeConsistencia(), QString());
        }
        QCOMPARE(t.estado().jugadorCpu.puntos(), 2);
        QCOMPARE(t.estado().jugadorHumano.puntos(), 1);
        QCOMPARE(t.estado().turno, Lado::Cpu);
        QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega ") + TestGame::kHumano);
    }
}

ZELBO_TEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
