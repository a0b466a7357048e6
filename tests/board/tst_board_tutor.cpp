// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "ayudastablero.h"
#include "barraprobabilidad.h"
#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionmoderna.h"
#include "notatutor.h"
#include "partidasdeprueba.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "reglascompactas.h"
#include "vistadificil.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace {

using namespace Naipes;

// Counts the showings of a widget and the CPU's cards at each.
class Mostradas : public QObject
{
public:
    explicit Mostradas(BoardFixture &f)
        : m_f(f)
    {
    }
    QList<int> cartasCpu;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            cartasCpu << static_cast<int>(m_f.estado().player1.count());
        return false;
    }

private:
    BoardFixture &m_f;
};

QWidget *avisoDelJuego(BoardFixture &f)
{
    return f.ventana().statusBar()->findChild<QWidget *>(QStringLiteral("avisoDelJuego"));
}

// What the screen reader is given to speak, each time it is shown anew, and the CPU's
// cards in hand then.
class Dichos : public QObject
{
public:
    explicit Dichos(BoardFixture &f)
        : m_f(f)
    {
        avisoDelJuego(f)->installEventFilter(this);
    }
    QStringList textos;
    QList<int> cartasCpu;

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            textos << static_cast<QWidget *>(objeto)->accessibleName();
            cartasCpu << static_cast<int>(m_f.estado().player1.count());
        }
        return false;
    }

private:
    BoardFixture &m_f;
};

// The last round of the hand that decides the game, 2-2: the human holds
// copas(1) and oros(10), and takes the CPU's pile of twenty, copas(5) on top, or
// loses the hand by six cards or more.
Posicion montonAlAlcance()
{
    Posicion p = Posicion::montonDeLaCpuAlAlcance();
    p.tamPilaCpu = 20;
    p.tamPilaHumano = 14;
    p.puntosCpu = 2;
    p.puntosHumano = 2;
    return p;
}

// Starts the game on montonAlAlcance() and plays copas(1) onto the own pile,
// which leaves the CPU's pile where it is: the tutor's note is up once the CPU
// has replied.
bool avisoTrasDejarElMonton(BoardFixture &f)
{
    if (!f.iniciar() || !f.cargar(montonAlAlcance()))
        return false;
    f.ventana().juego().intentar(Intento::alMonton(1));
    return f.esperarTurno() && f.ventana().ayudas().nota().isVisible();
}

} // namespace

// The tutor's note and the chance bar on the real window. The settings live in
// Qt's test folder, never the player's.
class TstBoardTutor : public QObject
{
    Q_OBJECT

private slots:

    void throwingAwayTheCpusPileIsPointedOutBeforeTheReplyAndTakenBack();
    void aNewDealTakesTheNoteAway();
    void theNoteLiesClearOfTheCardsOnEitherTable_data();
    void theNoteLiesClearOfTheCardsOnEitherTable();
    void theBestMoveOrTheTutorOffSaysNothing_data();
    void theBestMoveOrTheTutorOffSaysNothing();
    void barShowsOnlyWhileTheSettingIsOn();
    void barReadsOnlyWhatTheHumanSees();
    void barFollowsTheHumansMoveBeforeTheReply();
    void followingTheHintDrawsNoWarning_data();
    void followingTheHintDrawsNoWarning();
};

void TstBoardTutor::throwingAwayTheCpusPileIsPointedOutBeforeTheReplyAndTakenBack()
{
    AjustesDePrueba ajustes;
    ajustes.setTutor(true);
    BoardFixture f(ajustes);
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(montonAlAlcance()));
    NotaTutor &nota = f.ventana().ayudas().nota();
    Mostradas mostradas(f);
    nota.installEventFilter(&mostradas);
    Dichos dichos(f);
    const QString antes = Posicion::texto(f.estado());

    // copas(1) onto the own pile: the CPU's ten cards stay where they are.
    f.ventana().juego().intentar(Intento::alMonton(1));
    QVERIFY(!f.ventana().juego().esperaAlJugador());
    QVERIFY(f.esperarTurno());
    QCOMPARE(mostradas.cartasCpu, QList<int> { 2 }); // shown before the CPU played
    QCOMPARE(f.estado().player1.count(), 1);
    QVERIFY(nota.isVisible()); // the CPU's reply leaves it on the board
    QVERIFY2(nota.texto().startsWith(QStringLiteral("Esta jugada ")), qPrintable(nota.texto()));
    // The better move is the hint's: here a lift of the oros before the pile, which wins by more.
    QVERIFY2(nota.texto().contains(QStringLiteral(" Mejor: ")), qPrintable(nota.texto()));
    // Heard before the CPU's reply, not with it.
    const auto oido = [&] {
        for (qsizetype i = 0; i < dichos.textos.size(); ++i) {
            if (QString(dichos.textos.at(i)).replace(QChar(0x00A0), u' ').contains(nota.texto()))
                return i;
        }
        return qsizetype { -1 };
    };
    QTRY_VERIFY2(oido() >= 0, qPrintable(dichos.textos.join(u'|')));
    QCOMPARE(dichos.cartasCpu.at(oido()), 2);
    QVERIFY(!f.ventana().focusWidget() || !nota.isAncestorOf(f.ventana().focusWidget()));

    QTest::keyClick(&f.ventana(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Posicion::texto(f.estado()), antes);
    QVERIFY(!nota.isVisible());
}

void TstBoardTutor::aNewDealTakesTheNoteAway()
{
    AjustesDePrueba ajustes;
    ajustes.setTutor(true);
    BoardFixture f(ajustes);
    QVERIFY(avisoTrasDejarElMonton(f));
    NotaTutor &nota = f.ventana().ayudas().nota();
    f.ventana().juego().ordenar(OrdenDelJuego::Nuevo);
    QVERIFY(f.esperarTurno());
    QVERIFY(!nota.isVisible());
}

void TstBoardTutor::theNoteLiesClearOfTheCardsOnEitherTable_data()
{
    QTest::addColumn<TipoMesa>("mesa");
    QTest::addColumn<QSize>("tamano");
    QTest::newRow("clásica 1024x768") << TipoMesa::Clasica << QSize(1024, 768);
    for (const QSize tamano : { QSize(640, 480), QSize(1024, 768), QSize(1920, 1080) })
        QTest::addRow("moderna %dx%d", tamano.width(), tamano.height())
            << TipoMesa::Moderna << tamano;
}

// The note lies inside the table shown, over no card in sight and not over the
// modern table's lift button; it follows a switch to the other table.
void TstBoardTutor::theNoteLiesClearOfTheCardsOnEitherTable()
{
    QFETCH(TipoMesa, mesa);
    QFETCH(QSize, tamano);
    MesaElegida elegida(mesa);
    elegida.setTutor(true);
    BoardFixture f(elegida);
    f.ventana().resize(tamano);
    f.ventana().show();
    QVERIFY(avisoTrasDejarElMonton(f));
    NotaTutor &nota = f.ventana().ayudas().nota();
    const auto libre = [&] {
        const Mesa &m = f.mesa();
        const QRect lugar(m.mapFrom(&f.ventana(), nota.pos()), nota.size());
        if (lugar.isEmpty() || !m.rect().contains(lugar))
            return QStringLiteral("fuera de la mesa");
        for (const CardPicture *c : m.findChildren<CardPicture *>()) {
            if (c->isVisible() && c->geometry().intersects(lugar))
                return c->accessibleName();
        }
        const auto *moderna = f.moderna();
        if (moderna && moderna->levantar()->geometry().intersects(lugar))
            return QStringLiteral("Levantar");
        return QString();
    };
    QVERIFY2(libre().isEmpty(), qPrintable(libre()));
    elegida.setMesa(mesa == TipoMesa::Moderna ? TipoMesa::Clasica : TipoMesa::Moderna);
    QVERIFY(nota.isVisible());
    QVERIFY2(libre().isEmpty(), qPrintable(libre()));
}

void TstBoardTutor::theBestMoveOrTheTutorOffSaysNothing_data()
{
    QTest::addColumn<bool>("tutor");
    QTest::addColumn<bool>("tomarMonton");
    QTest::newRow("the CPU's pile taken") << true << true;
    QTest::newRow("tutor off, the pile thrown away") << false << false;
}

void TstBoardTutor::theBestMoveOrTheTutorOffSaysNothing()
{
    QFETCH(bool, tutor);
    QFETCH(bool, tomarMonton);
    AjustesDePrueba ajustes;
    ajustes.setTutor(tutor);
    BoardFixture f(ajustes);
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(montonAlAlcance()));
    Mostradas mostradas(f);
    f.ventana().ayudas().nota().installEventFilter(&mostradas);
    ZelboGame &juego = f.ventana().juego();
    if (tomarMonton) {
        juego.pulsar({ GrupoImagen::montonimg, 0 });
        juego.pulsar({ GrupoImagen::cartap2img, 1 });
        juego.intentar(Intento::levantar());
    } else {
        juego.intentar(Intento::alMonton(1));
    }
    QVERIFY(f.esperarTurno());
    QCOMPARE(f.estado().player1.count(), 1);
    QCOMPARE(f.estado().player2Lev.count(), tomarMonton ? 35 : 15);
    QVERIFY(mostradas.cartasCpu.isEmpty());
}

void TstBoardTutor::barShowsOnlyWhileTheSettingIsOn()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(montonAlAlcance()));
    BarraProbabilidad &barra = f.ventana().ayudas().barra();
    QSignalSpy mostrado(&barra, &BarraProbabilidad::mostrado);
    f.ventana().ayudas().turnoDelJugador();
    QVERIFY(!barra.isVisible());

    f.ajustes().setProbabilidad(true);
    QVERIFY(barra.isVisible());
    QVERIFY(f.ventana().statusBar()->isAncestorOf(&barra));
    QTRY_COMPARE_WITH_TIMEOUT(mostrado.size(), 1, 10000);
    const int porcentaje = mostrado.at(0).at(0).toInt();
    QVERIFY2(porcentaje > 50 && porcentaje <= 100, qPrintable(QString::number(porcentaje)));
    QCOMPARE(barra.value(), porcentaje);
    QCOMPARE(barra.accessibleName(), QStringLiteral("Probabilidad de ganar: %1 %").arg(porcentaje));

    f.ajustes().setProbabilidad(false);
    QVERIFY(!barra.isVisible());
}

// Sixteen cards dealt; the CPU's hand swapped for two of the cards to come,
// which the human cannot tell apart: the same chance.
void TstBoardTutor::barReadsOnlyWhatTheHumanSees()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    const Posicion una = Posicion::montonDeLaCpuAlAlcance();
    Posicion otra = una;
    otra.cpu = { bastos(7), copas(9) };
    QCOMPARE(otra.completa().pilaCpu, una.completa().pilaCpu);
    const QList<GameState> estados { una.estado(f.estado().mazo), otra.estado(f.estado().mazo) };
    QList<int> porcentajes;
    for (const GameState &estado : estados) {
        BarraProbabilidad barra(40);
        QSignalSpy mostrado(&barra, &BarraProbabilidad::mostrado);
        barra.actualizar(estado);
        QTest::qWait(50);
        QVERIFY(mostrado.isEmpty()); // not while hidden
        barra.setActiva(true);
        barra.actualizar(estado);
        QTRY_COMPARE_WITH_TIMEOUT(mostrado.size(), 1, 10000);
        porcentajes << mostrado.at(0).at(0).toInt();
    }
    QCOMPARE(porcentajes.at(1), porcentajes.at(0));
}

// Before the CPU replies, the bar has the human's chance once its move is made,
// judged from what the human saw: taking the CPU's pile of twenty wins the game,
// putting copas(1) on the own pile throws it away.
void TstBoardTutor::barFollowsTheHumansMoveBeforeTheReply()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    const GameState antes = montonAlAlcance().estado(f.estado().mazo);
    QCOMPARE(antes.carta(antes.player2.at(1)).numero(), 1);
    Jugada tomar;
    tomar.tipo = Jugada::Tipo::LevantarMonton;
    tomar.carta = 1;
    Jugada tirar;
    tirar.tipo = Jugada::Tipo::AlMonton;
    tirar.carta = 1;
    const EstimadorVictoria estimador(40);
    const VistaDificil vista = VistaDificil::desdeEstado(antes, Lado::Humano);
    for (const Jugada &jugada : { tomar, tirar }) {
        BarraProbabilidad barra(40);
        barra.setActiva(true);
        QSignalSpy mostrado(&barra, &BarraProbabilidad::mostrado);
        barra.actualizarTras(antes, jugada);
        QTRY_COMPARE_WITH_TIMEOUT(mostrado.size(), 1, 10000);
        const ChancesDeGanar esperado
            = estimador.estimarTras(vista, *ReglasCompactas::compacto(jugada));
        QCOMPARE(mostrado.at(0).at(0).toInt(), qRound(100.0 * esperado.partida[Lado::Humano]));
        if (jugada.tipo == Jugada::Tipo::LevantarMonton)
            QVERIFY2(barra.value() > 90, qPrintable(QString::number(barra.value())));
        else
            QVERIFY2(barra.value() < 10, qPrintable(QString::number(barra.value())));
    }
}

void TstBoardTutor::followingTheHintDrawsNoWarning_data()
{
    QTest::addColumn<NivelCpu>("nivel");
    QTest::newRow("normal") << NivelCpu::Normal;
    QTest::newRow("difícil") << NivelCpu::Dificil;
    QTest::newRow("experto") << NivelCpu::Experto;
}

// Whole seeded games played by H and Enter, the tutor on: the hint is the move the
// tutor rates best, so it never calls it a mistake. Two games at each level, the first
// alone under the sanitizers.
void TstBoardTutor::followingTheHintDrawsNoWarning()
{
    QFETCH(NivelCpu, nivel);
#ifdef ZELBO_BAJO_SANITIZADOR
    constexpr std::uint64_t kPartidas = 1;
#else
    constexpr std::uint64_t kPartidas = 2;
#endif
    for (std::uint64_t semilla = 1; semilla <= kPartidas; ++semilla) {
        MesaElegida ajustes(TipoMesa::Moderna);
        ajustes.setTutor(true);
        BoardFixture f(ajustes, semilla);
        // As the program does, the game takes its level from the settings.
        f.ventana().juego().setFuenteDeNivel([nivel] { return nivel; });
        const RespondeEnMesa enMesa(f.ventana(), false);
        QVERIFY(f.iniciar());
        QCOMPARE(f.ventana().juego().nivelCpu(), nivel);
        f.ventana().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
        Mostradas avisos(f);
        f.ventana().ayudas().nota().installEventFilter(&avisos);
        int jugadas = 0;
        while (!f.ventana().terminado() && jugadas < 200) {
            QVERIFY(f.esperarTurno());
            if (f.ventana().terminado())
                break;
            for (const Qt::Key clave : { Qt::Key_H, Qt::Key_Return }) {
                QWidget *foco = QApplication::focusWidget();
                QTest::keyClick(foco ? foco : &f.ventana(), clave);
            }
            ++jugadas;
        }
        QVERIFY(f.ventana().terminado());
        QCOMPARE(enMesa.resultados(), 1);
        QVERIFY(jugadas >= 30);
        QVERIFY2(avisos.cartasCpu.isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2 warnings, the first: %3")
                                .arg(semilla)
                                .arg(avisos.cartasCpu.size())
                                .arg(f.ventana().ayudas().nota().texto())));
    }
}

ZELBO_TEST_MAIN(TstBoardTutor)
#include "tst_board_tutor.moc"
