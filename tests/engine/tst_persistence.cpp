// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "archivos.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "savedgamefile.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Archivos;
using namespace Naipes;
using Respuesta = DialogService::Respuesta;

namespace {

const QString kErrorLeyendo = QStringLiteral("Error leyendo archivo");
const QString kErrorEscribiendo = QStringLiteral("Error escribiendo archivo");

// Besides one line per dealt card a saved game has five list terminators, 40
// deck flags and their terminator, and two lines for each of the six values.
constexpr int kLineasFijas = 58;

// Half a hand: 22 cards dealt, three on the table and two in each hand. The
// piles hold the other dealt cards, each with its top card first.
Posicion mitadDeMano()
{
    Posicion p;
    p.mesa = { oros(2), copas(3), espadas(4) };
    p.cpu = { bastos(1), copas(5) };
    p.humano = { oros(6), espadas(7) };
    p.pilaCpu = { copas(8) };
    p.pilaHumano = { bastos(9) };
    p.tamPilaCpu = 7;
    p.tamPilaHumano = 8;
    p.puntosCpu = 1;
    p.puntosHumano = 2;
    p.nombreCpu = QStringLiteral("Rosa");
    p.nombreHumano = QStringLiteral("Tomas");
    return p.completa();
}

// The game in progress when a file is opened: another hand, 28 cards dealt,
// none of the lists alike.
Posicion otraMano()
{
    Posicion p;
    p.mesa = { bastos(5), oros(10) };
    p.cpu = { copas(1), bastos(2) };
    p.humano = { espadas(3), oros(4), copas(6) };
    p.pilaCpu = { espadas(10) };
    p.pilaHumano = { copas(10) };
    p.tamPilaCpu = 10;
    p.tamPilaHumano = 11;
    p.puntosHumano = 1;
    return p.completa();
}

// The first line of each of the twelve sections of a game's file.
QList<int> iniciosDeSeccion(const SavedGame &p)
{
    QList<int> inicios;
    int linea = 0;
    for (const QStringList *l :
         { &p.lamesa, &p.player1, &p.player1Lev, &p.player2, &p.player2Lev }) {
        inicios << linea;
        linea += static_cast<int>(l->size()) + 1;
    }
    inicios << linea;
    linea += static_cast<int>(p.repartidas.size()) + 1;
    for (int valor = 0; valor < 6; ++valor) {
        inicios << linea;
        linea += 2;
    }
    return inicios;
}

QByteArray conLinea(const QByteArray &archivo, int indice, const QByteArray &linea)
{
    QList<QByteArray> l = lineas(archivo);
    l[indice] = linea;
    return deLineas(l);
}

QByteArray basura(qsizetype tam, quint32 semilla)
{
    QByteArray bytes(tam, Qt::Uninitialized);
    QRandomGenerator azar(semilla);
    for (char &b : bytes)
        b = static_cast<char>(azar.bounded(256));
    return bytes;
}

// The position on the game's deck, no other card dealt.
GameState estadoDe(const Posicion &p, Mazo mazo)
{
    for (int n = 1; n <= Mazo::kCartas; ++n)
        mazo.carta(n).a_repartida(false);
    return p.estado(mazo);
}

// The state a good load gives: the file's game, with the turn and the last
// lifter of the game it replaced and nothing marked.
GameState tras(const GameState &partida, const GameState &reemplazada)
{
    GameState e = partida;
    e.turno = reemplazada.turno;
    e.ultimoEnLevantar = reemplazada.ultimoEnLevantar;
    e.marcas = {};
    return e;
}

enum class Destino { Carpeta, DentroDeUnArchivo, NombreDemasiadoLargo };

} // namespace

Q_DECLARE_METATYPE(Posicion)
Q_DECLARE_METATYPE(Destino)

class TestPersistence : public QObject
{
    Q_OBJECT

private slots:
    void everyHumanMoveSurvivesSaveAndLoad();
    void saveRightAfterTheFirstDealHas68Lines();
    void handEditedFileLoads_data();
    void handEditedFileLoads();
    void damagedFileLeavesGameUnchanged_data();
    void damagedFileLeavesGameUnchanged();
    void failedSaveLeavesTheDiskAsItWas_data();
    void failedSaveLeavesTheDiskAsItWas();
    void openCommandCancelledChangesNothing_data();
    void openCommandCancelledChangesNothing();
    void openCommandLoadsWithoutStartingATurn();
    void openCommandWithDamagedFileShowsTheGameAsItWas();
    void saveCommandWritesOnlyAChosenFile_data();
    void saveCommandWritesOnlyAChosenFile();
};

// Saves at every move the random human is about to make, plays on with other
// names, then loads: the game must be the saved one again, down to the order
// of every list (so each pile keeps its top), with the turn and the last lifter
// of the game it replaced.
void TestPersistence::everyHumanMoveSurvivesSaveAndLoad()
{
    constexpr int kSemillas = 8;
    constexpr int kPartidas = 3;
    TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    QVERIFY(dir.escribirPreferencias(TestGame::kCpu, TestGame::kHumano));
    const QString fichero = dir.ruta(QStringLiteral("partida.dat"));
    int vueltas = 0;
    int ultimoCambiado = 0;
    for (quint64 semilla = 1; semilla <= kSemillas; ++semilla) {
        FakeView vista;
        FakeDialogs dialogos;
        MersenneRandom azarJuego(semilla);
        MersenneRandom azarHumano(~semilla);
        AjustesJuego ajustes;
        ZelboGame juego(dir.path(), vista, dialogos, azarJuego, ajustes);
        RandomHuman humano(juego, azarHumano);
        juego.iniciar();
        while (humano.puedeJugar() && vista.resultados().size() < kPartidas) {
            const QString donde
                = QStringLiteral("seed %1, round trip %2").arg(semilla).arg(vueltas);
            const GameState guardado = juego.estado();
            QVERIFY2(juego.GuardarJuego(fichero), qPrintable(donde));
            QVERIFY2(lineas(contenido(fichero)).size() == guardado.cartasRepartidas + kLineasFijas,
                     qPrintable(donde));

            juego.restaurarPreferencias(QStringLiteral("Otra CPU"), QStringLiteral("Otro humano"),
                                        juego.preferencias());
            humano.jugar();
            QVERIFY2(humano.puedeJugar(), qPrintable(donde));
            const GameState antes = juego.estado();
            if (antes.ultimoEnLevantar != guardado.ultimoEnLevantar)
                ++ultimoCambiado;
            const qsizetype mensajes = dialogos.mensajes().size();
            const qsizetype carteles = vista.carteles().size();
            const qsizetype resaltes = vista.resaltes().size();

            QVERIFY2(juego.CargarJuego(fichero), qPrintable(donde));
            const QString obtenido = Posicion::texto(juego.estado());
            const QString esperado = Posicion::texto(tras(guardado, antes));
            QVERIFY2(
                obtenido == esperado,
                qPrintable(QStringLiteral("%1\n got %2\nwant %3").arg(donde, obtenido, esperado)));
            // Loading says nothing and starts no turn.
            QVERIFY2(dialogos.mensajes().size() == mensajes, qPrintable(donde));
            QVERIFY2(vista.carteles().size() == carteles, qPrintable(donde));
            QVERIFY2(vista.resaltes().size() == resaltes, qPrintable(donde));

            humano.jugar();
            ++vueltas;
        }
        // A game that ended while playing on and was loaded back still counts.
        QVERIFY(vista.resultados().size() >= kPartidas);
    }
    // Many positions, among them some where the load had to keep a last lifter
    // that differs from the one of the saved moment.
    QVERIFY(vueltas > kSemillas * kPartidas * 20);
    QVERIFY(ultimoCambiado > 0);
}

void TestPersistence::saveRightAfterTheFirstDealHas68Lines()
{
    // A seed on which the human opens, so nothing is played after the deal.
    std::unique_ptr<TestGame> t;
    for (quint64 semilla = 1; semilla < 50 && !t; ++semilla) {
        auto candidato = std::make_unique<TestGame>(semilla);
        QVERIFY(candidato->valido());
        candidato->iniciar();
        if (candidato->vista().resaltes().isEmpty())
            t = std::move(candidato);
    }
    QVERIFY(t);
    const GameState reparto = t->estado();
    QCOMPARE(reparto.cartasRepartidas, 10);
    const QString fichero = t->dir().ruta(QStringLiteral("reparto.dat"));
    QVERIFY(t->juego().GuardarJuego(fichero));
    const QByteArray archivo = contenido(fichero);
    QCOMPARE(lineas(archivo).size(), 68);
    QCOMPARE(archivo.count("\r\n"), 68);

    t->juego().intentar(Intento::alMonton(0));
    QVERIFY(t->juego().CargarJuego(fichero));
    QCOMPARE(Posicion::texto(t->estado()), Posicion::texto(tras(reparto, t->estado())));
}

void TestPersistence::handEditedFileLoads_data()
{
    QTest::addColumn<Posicion>("enJuego");
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<Posicion>("cargada");

    const Posicion base = mitadDeMano();
    const QByteArray escrito = dePartida(base.partida());
    const QList<int> inicio = iniciosDeSeccion(base.partida());
    QTest::newRow("as the game writes it") << otraMano() << escrito << base;
    // Every list entry is read by its leading number.
    QTest::newRow("table entry \" 2\"") << otraMano() << conLinea(escrito, 0, "\" 2\"") << base;
    QTest::newRow("table entry 2abc") << otraMano() << conLinea(escrito, 0, "\"2abc\"") << base;
    QTest::newRow("CPU hand entry \"31 de bastos\"")
        << otraMano() << conLinea(escrito, inicio[1], "\"31 de bastos\"") << base;
    QTest::newRow("human hand entry unquoted after blanks")
        << otraMano() << conLinea(escrito, inicio[3], "   6") << base;
    QTest::newRow("human pile top 39.0")
        << otraMano() << conLinea(escrito, inicio[4], "\"39.0\"") << base;

    // A short deck section keeps the game's own flags for the later cards.
    Posicion mismaMano = base;
    mismaMano.nombreCpu = QStringLiteral("Maquina");
    mismaMano.nombreHumano = QStringLiteral("Ana");
    mismaMano.puntosCpu = 0;
    SavedGame corta = base.partida();
    corta.repartidas.resize(20);
    QTest::newRow("20 deck flags, the rest as the game has them")
        << mismaMano << dePartida(corta) << base;

    // The limits themselves are allowed.
    Posicion siete = base;
    while (siete.mesa.size() < 7)
        siete.mesa << siete.pilaHumano.takeLast();
    QTest::newRow("seven table cards") << otraMano() << dePartida(siete.partida()) << siete;
    Posicion tresADos = base;
    tresADos.humano << tresADos.pilaHumano.takeLast();
    QTest::newRow("three cards to two") << otraMano() << dePartida(tresADos.partida()) << tresADos;
}

void TestPersistence::handEditedFileLoads()
{
    QFETCH(Posicion, enJuego);
    QFETCH(QByteArray, archivo);
    QFETCH(Posicion, cargada);

    TestGame t(2);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(enJuego));
    const QString fichero = t.dir().ruta(QStringLiteral("editada.dat"));
    QVERIFY(escribir(fichero, archivo));
    const GameState antes = t.estado();

    QVERIFY(t.juego().CargarJuego(fichero));
    QCOMPARE(Posicion::texto(t.estado()),
             Posicion::texto(tras(estadoDe(cargada, antes.mazo), antes)));
    QVERIFY(t.dialogos().mensajes().isEmpty());
}

void TestPersistence::damagedFileLeavesGameUnchanged_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<bool>("existe");

    const Posicion base = mitadDeMano();
    const SavedGame partida = base.partida();
    const QByteArray escrito = dePartida(partida);
    const QList<int> inicio = iniciosDeSeccion(partida);
    const auto fila = [](const char *nombre, const QByteArray &bytes) {
        QTest::newRow(nombre) << bytes << true;
    };

    // A cut inside each section. The terminator of the last one is never read,
    // so there the cut takes the value itself.
    const char *secciones[] = { "table",      "CPU hand",   "CPU pile",      "human hand",
                                "human pile", "deck",       "primerReparto", "dealt count",
                                "CPU name",   "CPU points", "human name",    "human points" };
    for (int s = 0; s < 12; ++s) {
        const int dentro = s == 5 ? 20 : s == 11 ? 0 : 1;
        QTest::addRow("cut inside the %s section", secciones[s])
            << deLineas(lineas(escrito).first(inicio[s] + dentro)) << true;
    }

    SavedGame p = partida;
    p.repartidas.append(false);
    fila("41 deck flags", dePartida(p));
    SavedGame corta = partida;
    corta.repartidas.resize(20);
    fila("20 deck flags, and the game's own do not fit the lists", dePartida(corta));
    fila("card 0 on the table", conLinea(escrito, 0, "\"0\""));
    fila("table entry without a number", conLinea(escrito, 0, "\"dos\""));
    fila("card 41 on the CPU's pile", conLinea(escrito, inicio[2], "\"41\""));
    p = partida;
    p.player1Lev.prepend(QString::number(oros(2)));
    fila("a table card also on the CPU's pile", dePartida(p));
    p = partida;
    p.repartidas[39] = true;
    fila("card 40 dealt but in no list", dePartida(p));
    p = partida;
    p.repartidas[oros(2) - 1] = false;
    fila("a table card not dealt", dePartida(p));
    p = partida;
    p.cartasRepartidas = 28;
    fila("dealt count 28 for 22 cards", dePartida(p));

    Posicion mano = base;
    mano.humano << mano.pilaHumano.takeLast() << mano.pilaHumano.takeLast();
    mano.cpu << mano.pilaCpu.takeLast();
    fila("a hand of 4", dePartida(mano.partida()));
    mano = base;
    mano.cpu << mano.pilaCpu.takeLast();
    fila("the CPU holds more cards", dePartida(mano.partida()));
    mano = base;
    mano.humano << mano.pilaHumano.takeLast();
    mano.pilaCpu << mano.cpu.takeLast();
    fila("the human holds two cards more", dePartida(mano.partida()));
    mano = base;
    mano.pilaCpu << mano.cpu;
    mano.pilaHumano << mano.humano;
    mano.cpu.clear();
    mano.humano.clear();
    fila("both hands empty", dePartida(mano.partida()));
    mano = base;
    while (mano.mesa.size() < 8)
        mano.mesa << mano.pilaHumano.takeLast();
    fila("8 table cards", dePartida(mano.partida()));

    Posicion doce = base;
    doce.pilaCpu = doce.pilaCpu.first(2);
    doce.pilaHumano = doce.pilaHumano.first(3);
    fila("dealt count 12", dePartida(doce.partida()));
    p = partida;
    p.primerReparto = true;
    fila("primerReparto true", dePartida(p));
    p = partida;
    p.puntosCpu = 3;
    fila("CPU score 3", dePartida(p));
    p = partida;
    p.puntosHumano = 3;
    fila("human score 3", dePartida(p));
    p = partida;
    p.puntosHumano = -1;
    fila("human score -1", dePartida(p));

    fila("garbage text", QByteArray("esto no es una partida\r\nni lo fue\r\n").repeated(10));
    fila("empty file", QByteArray());
    fila("binary bytes", basura(4096, 20240601));
    // A name that never ends: the reader must give up long before the end.
    fila("10 MB file",
         escrito.first(escrito.indexOf("\"Rosa")) + '"' + QByteArray(10 * 1024 * 1024, 'a'));
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestPersistence::damagedFileLeavesGameUnchanged()
{
    QFETCH(QByteArray, archivo);
    QFETCH(bool, existe);

    TestGame t(2);
    QVERIFY(t.valido());
    QVERIFY(t.hacerUltimoEnLevantar(Lado::Cpu));
    QVERIFY(t.cargar(otraMano()));
    // The selection in progress is part of the game as it was.
    t.juego().pulsar({ GrupoImagen::cartap2img, 1 });
    t.juego().alternarMarca({ GrupoImagen::montonimg, 1 });
    const QString fichero = t.dir().ruta(QStringLiteral("danada.dat"));
    if (existe)
        QVERIFY(escribir(fichero, archivo));
    const QString antes = Posicion::texto(t.estado());
    // Why, for a maintainer: the file's place or the rule it breaks.
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("^%1: \\S.+$").arg(QRegularExpression::escape(fichero))));

    QVERIFY(!t.juego().CargarJuego(fichero));
    QVERIFY(!t.juego().motivoDeCarga().isEmpty());
    QCOMPARE(Posicion::texto(t.estado()), antes);
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    QVERIFY(t.dialogos().mensajes().first().esAviso(kErrorLeyendo, DialogService::Icono::Ninguno));
    QCOMPARE(t.vista().carteles(), QStringList());
}

void TestPersistence::failedSaveLeavesTheDiskAsItWas_data()
{
    QTest::addColumn<Destino>("destino");
    QTest::newRow("the name is an existing folder") << Destino::Carpeta;
    QTest::newRow("the folder is a regular file") << Destino::DentroDeUnArchivo;
    // Read-only permissions do not stop root; a name with no room for the
    // temporary file beside it does.
    QTest::newRow("an earlier game under a name too long") << Destino::NombreDemasiadoLargo;
}

void TestPersistence::failedSaveLeavesTheDiskAsItWas()
{
    QFETCH(Destino, destino);

    TestGame t(3);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(mitadDeMano()));
    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    QString fichero;
    switch (destino) {
    case Destino::Carpeta:
        fichero = carpeta.filePath(QStringLiteral("partida.dat"));
        QVERIFY(QDir(carpeta.path()).mkdir(QStringLiteral("partida.dat")));
        QVERIFY(escribir(fichero + QStringLiteral("/dentro.dat"), "algo"));
        break;
    case Destino::DentroDeUnArchivo:
        QVERIFY(escribir(carpeta.filePath(QStringLiteral("partidas")), "no es una carpeta"));
        fichero = carpeta.filePath(QStringLiteral("partidas/partida.dat"));
        break;
    case Destino::NombreDemasiadoLargo:
        fichero = carpeta.filePath(QString(250, QLatin1Char('g')));
        QVERIFY(escribir(fichero, dePartida(otraMano().partida())));
        break;
    }
    const QStringList antes = listado(carpeta.path());
    const QString juego = Posicion::texto(t.estado());

    QVERIFY(!t.juego().GuardarJuego(fichero));
    QCOMPARE(listado(carpeta.path()), antes);
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    QVERIFY(
        t.dialogos().mensajes().first().esAviso(kErrorEscribiendo, DialogService::Icono::Ninguno));
    QCOMPARE(Posicion::texto(t.estado()), juego);
}

void TestPersistence::openCommandCancelledChangesNothing_data()
{
    QTest::addColumn<Respuesta>("respuesta");
    QTest::addColumn<QStringList>("filtros");
    QTest::newRow("question cancelled") << Respuesta::Cancel << QStringList();
    QTest::newRow("no file chosen") << Respuesta::Ok << QStringList { "Archivos (*.dat)" };
}

void TestPersistence::openCommandCancelledChangesNothing()
{
    QFETCH(Respuesta, respuesta);
    QFETCH(QStringList, filtros);

    TestGame t(4);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(otraMano()));
    t.juego().pulsar({ GrupoImagen::cartap2img, 0 });
    const QString antes = Posicion::texto(t.estado());
    t.dialogos().responder(respuesta);
    if (respuesta == Respuesta::Cancel) // a file the command must not get to
        t.dialogos().responderArchivo(t.dir().ruta(QStringLiteral("posicion.dat")));

    t.juego().ordenar(OrdenDelJuego::Abrir);
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    const FakeDialogs::Mensaje &pregunta = t.dialogos().mensajes().first();
    QCOMPARE(pregunta.texto, QStringLiteral("¿Terminar con el juego actual?"));
    QCOMPARE(pregunta.titulo, QStringLiteral("Abrir juego"));
    QCOMPARE(pregunta.botones, DialogService::Botones::OkCancel);
    QCOMPARE(pregunta.icono, DialogService::Icono::Ninguno);
    QCOMPARE(t.dialogos().filtros(), filtros);
    QCOMPARE(Posicion::texto(t.estado()), antes);
    QCOMPARE(t.vista().actualizaciones(), 0);
}

void TestPersistence::openCommandLoadsWithoutStartingATurn()
{
    TestGame t(4);
    QVERIFY(t.valido());
    QVERIFY(t.hacerUltimoEnLevantar(Lado::Humano));
    QVERIFY(t.cargar(otraMano()));
    t.juego().pulsar({ GrupoImagen::cartap2img, 0 });
    t.juego().alternarMarca({ GrupoImagen::montonimg, 1 });
    const QString fichero = t.dir().ruta(QStringLiteral("guardada.dat"));
    QVERIFY(SavedGameFile::save(fichero, mitadDeMano().partida()));
    const GameState antes = t.estado();
    t.dialogos().responder(Respuesta::Ok);
    t.dialogos().responderArchivo(fichero);

    t.juego().ordenar(OrdenDelJuego::Abrir);
    QCOMPARE(t.dialogos().textos(), QStringList { "¿Terminar con el juego actual?" });
    QCOMPARE(Posicion::texto(t.estado()),
             Posicion::texto(tras(estadoDe(mitadDeMano(), antes.mazo), antes)));
    // The board is drawn once, and the game waits for the human.
    QCOMPARE(t.vista().actualizaciones(), 1);
    QCOMPARE(Posicion::numeros(t.fotos().first().player2), Posicion::numeros(t.estado().player2));
    QVERIFY(t.vista().carteles().isEmpty());
    QVERIFY(t.vista().resaltes().isEmpty());
}

void TestPersistence::openCommandWithDamagedFileShowsTheGameAsItWas()
{
    TestGame t(4);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(otraMano()));
    const QString fichero = t.dir().ruta(QStringLiteral("danada.dat"));
    SavedGame danada = mitadDeMano().partida();
    danada.puntosHumano = 3;
    QVERIFY(SavedGameFile::save(fichero, danada));
    const QString antes = Posicion::texto(t.estado());
    t.dialogos().responder(Respuesta::Ok);
    t.dialogos().responderArchivo(fichero);

    t.juego().ordenar(OrdenDelJuego::Abrir);
    QCOMPARE(t.dialogos().textos(),
             (QStringList { "¿Terminar con el juego actual?", kErrorLeyendo }));
    QCOMPARE(Posicion::texto(t.estado()), antes);
    QCOMPARE(t.vista().actualizaciones(), 1);
    QVERIFY(t.vista().carteles().isEmpty());
}

void TestPersistence::saveCommandWritesOnlyAChosenFile_data()
{
    QTest::addColumn<bool>("elegido");
    QTest::newRow("file chosen") << true;
    QTest::newRow("dialog cancelled") << false;
}

void TestPersistence::saveCommandWritesOnlyAChosenFile()
{
    QFETCH(bool, elegido);

    TestGame t(5);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(mitadDeMano()));
    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    const QString fichero = carpeta.filePath(QStringLiteral("mi partida.dat"));
    if (elegido)
        t.dialogos().responderArchivo(fichero);
    const QString antes = Posicion::texto(t.estado());

    t.juego().ordenar(OrdenDelJuego::Guardar);
    QCOMPARE(t.dialogos().filtros(), QStringList { "Archivos (*.dat)" });
    QVERIFY(t.dialogos().mensajes().isEmpty());
    QCOMPARE(t.vista().actualizaciones(), 0);
    QCOMPARE(Posicion::texto(t.estado()), antes);
    if (elegido) {
        QCOMPARE(listado(carpeta.path()).size(), 1);
        const std::optional<SavedGame> guardada = SavedGameFile::load(fichero);
        QVERIFY(guardada);
        QCOMPARE(*guardada, mitadDeMano().partida());
    } else {
        QVERIFY(listado(carpeta.path()).isEmpty());
    }
}

ZELBO_TEST_GUILESS_MAIN(TestPersistence)
#include "tst_persistence.moc"
