// SPDX-License-Identifier: GPL-3.0-or-later

#include "frasejugada.h"
#include "mersennerandom.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "revisionfrm.h"
#include "testgame.h"
#include "textosrevision.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTest>

namespace {

// Few deals: the review's words and order, not its judgement, are under test.
constexpr int kMuestras = 4;
constexpr int kEspera = 20000;

// The first moves of a seeded game, both sides, over two hands.
std::vector<JugadaAnotada> jugadasDePartida(std::uint64_t semilla)
{
    TestGame t(semilla);
    MersenneRandom azar(semilla + 1);
    RandomHuman humano(t.juego(), azar);
    t.iniciar();
    while (t.estado().numeroDeMano < 2 && humano.puedeJugar())
        humano.jugar();
    for (int i = 0; i < 3 && humano.puedeJugar(); ++i)
        humano.jugar();
    const auto jugadas = t.juego().jugadasDeLaPartida().jugadas();
    return { jugadas.begin(), jugadas.end() };
}

QString frase(const JugadaAnotada &j)
{
    return j.lado == Lado::Cpu ? FraseJugada::cpu(j.antes, j.jugada)
                               : FraseJugada::humano(j.antes, j.jugada);
}

RevisionJugada revision(Lado lado, double perdida)
{
    RevisionJugada r;
    r.lado = lado;
    r.perdida = perdida;
    r.clase = RevisionJugada::clasificar(perdida);
    return r;
}

} // namespace

class TestRevisionFrm : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryMoveInOrderWithTheClassItsLossGives();
    void copyHoldsEveryMoveAndTheSummary();
    void summaryCountsOnlyTheHumansMovesInSingularAndPlural();
    void cancelStopsTheReviewAndClosingMidwayWaitsNoLonger();
    void keyboardReachesEverythingAndEscapeCloses();
};

// Every move of both sides, in the order played, under its hand's heading; each of the
// human's moves tells the class its loss gives, the CPU's none.
void TestRevisionFrm::listsEveryMoveInOrderWithTheClassItsLossGives()
{
    const std::vector<JugadaAnotada> jugadas = jugadasDePartida(31);
    QVERIFY(jugadas.size() > 10);
    RevisionFrm ventana(jugadas, kMuestras);
    QTRY_VERIFY_WITH_TIMEOUT(ventana.terminada(), kEspera);
    QCOMPARE(ventana.revisiones().size(), jugadas.size());
    QListWidget *lista = ventana.lista();
    std::size_t siguiente = 0;
    QStringList titulos;
    for (int fila = 0; fila < lista->count(); ++fila) {
        const QListWidgetItem *item = lista->item(fila);
        const int indice = item->data(Qt::UserRole).toInt();
        if (indice < 0) {
            titulos << item->text();
            continue;
        }
        QCOMPARE(indice, static_cast<int>(siguiente));
        const JugadaAnotada &j = jugadas.at(siguiente);
        const RevisionJugada &r = ventana.revisiones().at(siguiente);
        QCOMPARE(r.lado, j.lado);
        QVERIFY2(item->text().startsWith(frase(j) + QStringLiteral(". Tu probabilidad")),
                 qPrintable(item->text()));
        QCOMPARE(r.clase, RevisionJugada::clasificar(r.perdida));
        const bool clasificada = j.lado == Lado::Humano && r.clase != ClaseJugada::Buena;
        QCOMPARE(item->text().contains(QStringLiteral(": pierdes ")), clasificada);
        if (clasificada) {
            QString nombre = TextosRevision::clase(r.clase);
            nombre[0] = nombre[0].toUpper();
            QVERIFY(item->text().contains(nombre + QStringLiteral(": pierdes ")));
        }
        QCOMPARE(item->text().contains(QStringLiteral(" Mejor: ")), r.mejor.has_value());
        ++siguiente;
    }
    QCOMPARE(siguiente, jugadas.size());
    QCOMPARE(titulos, (QStringList { QStringLiteral("Mano 1"), QStringLiteral("Mano 2") }));
}

void TestRevisionFrm::copyHoldsEveryMoveAndTheSummary()
{
    const std::vector<JugadaAnotada> jugadas = jugadasDePartida(8);
    RevisionFrm ventana(jugadas, kMuestras);
    QTRY_VERIFY_WITH_TIMEOUT(ventana.terminada(), kEspera);
    QApplication::clipboard()->clear();
    auto *copiar = ventana.findChild<QAbstractButton *>(QStringLiteral("copiar"));
    QVERIFY(copiar);
    copiar->click();
    const QStringList lineas = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    qsizetype desde = 0;
    for (const JugadaAnotada &j : jugadas) {
        const auto donde = std::find_if(lineas.cbegin() + desde, lineas.cend(),
                                        [&j](const QString &l) { return l.startsWith(frase(j)); });
        QVERIFY2(donde != lineas.cend(), qPrintable(frase(j)));
        desde = donde - lineas.cbegin() + 1;
    }
    QVERIFY(lineas.contains(ventana.resumen()));
    QVERIFY(ventana.resumen().contains(QStringLiteral("pérdida media")));
}

// The CPU's moves count for nothing; one of a class is singular, more are plural; the mean
// loss is of the human's moves, with a decimal comma.
void TestRevisionFrm::summaryCountsOnlyTheHumansMovesInSingularAndPlural()
{
    const std::vector<RevisionJugada> partida {
        revision(Lado::Humano, 6.0), revision(Lado::Cpu, 40.0),    revision(Lado::Humano, 7.0),
        revision(Lado::Humano, 5.0), revision(Lado::Humano, 20.0), revision(Lado::Humano, 0.0),
    };
    QCOMPARE(TextosRevision::resumen(partida),
             QStringLiteral("3 errores, 1 grave; pérdida media 7,6 puntos por jugada"));
    const std::vector<RevisionJugada> pocas { revision(Lado::Humano, 3.0),
                                              revision(Lado::Humano, 5.5),
                                              revision(Lado::Humano, 1.0) };
    QCOMPARE(TextosRevision::resumen(pocas),
             QStringLiteral("1 dudosa, 1 error; pérdida media 3,2 puntos por jugada"));
    const std::vector<RevisionJugada> limpias { revision(Lado::Humano, 1.0),
                                                revision(Lado::Cpu, 30.0) };
    QCOMPARE(TextosRevision::resumen(limpias),
             QStringLiteral("Ninguna jugada dudosa; pérdida media 1,0 puntos por jugada"));
    QCOMPARE(TextosRevision::resumen(std::vector<RevisionJugada> { revision(Lado::Cpu, 2.0) }),
             QStringLiteral("No hay jugadas tuyas que revisar."));
}

// "Cancelar" leaves the moves reviewed so far and says so; a window closed during the review
// is gone at once, its work stopped within the deal it was on.
void TestRevisionFrm::cancelStopsTheReviewAndClosingMidwayWaitsNoLonger()
{
    const std::vector<JugadaAnotada> jugadas = jugadasDePartida(12);
    {
        RevisionFrm ventana(jugadas, 400);
        ventana.show();
        ventana.cancelar();
        QVERIFY(ventana.terminada());
        QVERIFY(ventana.revisiones().size() < jugadas.size());
        QVERIFY(ventana.resumen().startsWith(QStringLiteral("Revisión cancelada: ")));
        QTest::qWait(50);
        const std::size_t revisadas = ventana.revisiones().size();
        QTest::qWait(200);
        QCOMPARE(ventana.revisiones().size(), revisadas);
    }
    auto *ventana = new RevisionFrm(jugadas, 400);
    QTest::qWait(20);
    QElapsedTimer reloj;
    reloj.start();
    delete ventana;
    QVERIFY(reloj.elapsed() < 5000);
}

// The list first, arrows walk it; Tab reaches the chart, the summary and the buttons, each
// named for a screen reader; Escape closes.
void TestRevisionFrm::keyboardReachesEverythingAndEscapeCloses()
{
    RevisionFrm ventana(jugadasDePartida(5), kMuestras);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    QTRY_VERIFY_WITH_TIMEOUT(ventana.terminada(), kEspera);
    ventana.lista()->setFocus();
    QCOMPARE(ventana.lista()->currentRow(), 0);
    QTest::keyClick(ventana.lista(), Qt::Key_Down);
    QTest::keyClick(ventana.lista(), Qt::Key_Down);
    QCOMPARE(ventana.lista()->currentRow(), 2);
    QList<QWidget *> vistos;
    for (int i = 0; i < 8; ++i) {
        QWidget *foco = QApplication::focusWidget();
        QVERIFY(foco);
        QVERIFY2(!foco->accessibleName().isEmpty(), foco->metaObject()->className());
        if (!vistos.contains(foco))
            vistos << foco;
        QTest::keyClick(foco, Qt::Key_Tab);
    }
    QCOMPARE(vistos.size(), 5); // list, chart, summary, Copiar, Cerrar
    QTest::keyClick(&ventana, Qt::Key_Escape);
    QVERIFY(!ventana.isVisible());
}

ZELBO_TEST_MAIN(TestRevisionFrm)
#include "tst_revisionfrm.moc"
