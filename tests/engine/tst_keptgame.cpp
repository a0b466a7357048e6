// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamestore.h"
#include "mersennerandom.h"
#include "partidaguardada.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "savedgamefile.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The kept game holds every position the human can be asked to play: kept at each human
// turn of seeded whole games, across deals and hands' ends, it comes back as the same
// position, and as the bytes "Guardar" writes for it.
class TestKeptGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyHumanTurnComesBackWhole_data();
    void everyHumanTurnComesBackWhole();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestKeptGame::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Máquina"), QStringLiteral("Begoña")));
}

void TestKeptGame::everyHumanTurnComesBackWhole_data()
{
    QTest::addColumn<quint64>("semilla");
    for (const quint64 semilla : { 1, 2, 3 })
        QTest::addRow("seed %llu", semilla) << semilla;
}

void TestKeptGame::everyHumanTurnComesBackWhole()
{
    QFETCH(quint64, semilla);
    QTemporaryDir carpeta;
    const KeptGameStore store(carpeta.path());
    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azarJuego(semilla);
    MersenneRandom azarHumano(~semilla);
    AjustesJuego ajustes;
    ZelboGame juego(m_dir->path(), vista, dialogos, azarJuego, ajustes);
    RandomHuman humano(juego, azarHumano);
    dialogos.responder(DialogService::Respuesta::No);
    juego.iniciar();
    int turnos = 0;
    for (; humano.puedeJugar(); ++turnos) {
        const GameState &estado = juego.estado();
        KeptGame guardada;
        guardada.partida = PartidaGuardada::desdeEstado(estado);
        guardada.ultimoEnLevantar = estado.ultimoEnLevantar == Lado::Cpu
            ? QStringLiteral("p1")
            : (estado.ultimoEnLevantar == Lado::Humano ? QStringLiteral("p2") : QString());
        guardada.turno = numeroDeLado(estado.turno);
        guardada.numeroPartida = turnos;
        QVERIFY(store.save(guardada));

        const KeptGameStore::Loaded leida = store.load();
        QCOMPARE(leida.status, KeptGameStore::Status::Found);
        QVERIFY(*leida.game == guardada);
        const std::optional<GameState> vuelta
            = PartidaGuardada::aEstado(estado, leida.game->partida);
        QVERIFY2(vuelta, qPrintable(QStringLiteral("turn %1 cannot be resumed").arg(turnos)));
        QVERIFY(PartidaGuardada::desdeEstado(*vuelta) == guardada.partida);
        QBuffer guardar;
        guardar.open(QIODevice::WriteOnly);
        SavedGameFile::write(guardar, PartidaGuardada::desdeEstado(*vuelta));
        QFile dat(store.datPath());
        QVERIFY(dat.open(QIODevice::ReadOnly));
        QCOMPARE(dat.readAll(), guardar.data());
        humano.jugar();
    }
    QVERIFY(juego.terminado());
    // A whole game has at least three hands of 20 human moves.
    QVERIFY(turnos >= 60);
}

ZELBO_TEST_GUILESS_MAIN(TestKeptGame)
#include "tst_keptgame.moc"
