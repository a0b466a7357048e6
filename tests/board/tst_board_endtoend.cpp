// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "programadepruebas.h"
#include "raton.h"
#include "winnerdialogfrm.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Closes the results window as soon as it is shown, as the player does with
// its close box, and remembers what it said.
class Resultados : public QObject
{
public:
    Resultados()
    {
        m_reloj.setInterval(1);
        connect(&m_reloj, &QTimer::timeout, this, [this] { cerrar(); });
        m_reloj.start();
    }
    const QStringList &vistos() const { return m_vistos; }

private:
    void cerrar()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *ventana = qobject_cast<WinnerDialogFrm *>(w);
            if (!ventana || !ventana->isVisible())
                continue;
            QStringList textos;
            for (QLabel *e : ventana->findChildren<QLabel *>())
                textos << e->text();
            m_vistos << textos.join(QLatin1Char('|'));
            ventana->close();
        }
    }
    QTimer m_reloj;
    QStringList m_vistos;
};

} // namespace

// A whole game through the real main window: every human move is a click, the
// lift button or a drop on the board, answered dialogs included.
class TstBoardEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void wholeGamesUntilThePlayerStops();

private:
    void jugarTurno(BoardFixture &f);
    void guardarYVolver(BoardFixture &f);
};

void TstBoardEndToEnd::jugarTurno(BoardFixture &f)
{
    const GameState &e = f.estado();
    DisposicionClasica &t = f.clasica();
    const QString palo = e.palo(e.player2.at(0));
    if (!e.player1Lev.isEmpty() && e.palo(e.player1Lev.at(0)) == palo) {
        QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
        QTest::mouseClick(t.montonimg()[0], Qt::LeftButton);
        QTest::mouseClick(t.LevantarBtn(), Qt::LeftButton);
        return;
    }
    bool levanta = false;
    for (int i = 0; i < e.lamesa.count(); ++i) {
        if (e.palo(e.lamesa.at(i)) != palo)
            continue;
        if (!levanta)
            QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
        QTest::mouseClick(t.mesaimg().at(static_cast<std::size_t>(i)), Qt::LeftButton);
        levanta = true;
    }
    if (levanta)
        QTest::mouseClick(t.LevantarBtn(), Qt::LeftButton);
    else if (t.montonimg()[1]->isVisible())
        Raton::soltarEn(t.mesa(), 0, t.montonimg()[1]);
    else
        Raton::soltarEnFondo(t.mesa(), 0);
}

void TstBoardEndToEnd::guardarYVolver(BoardFixture &f)
{
    const QString fichero = f.dir().ruta(QStringLiteral("en-juego.dat"));
    f.dialogos().responderArchivo(fichero);
    QTest::keyClick(&f.ventana(), Qt::Key_S, Qt::ControlModifier);
    const GameState guardado = f.estado();
    jugarTurno(f);
    f.dialogos().responder(DialogService::Respuesta::Ok);
    f.dialogos().responderArchivo(fichero);
    QTest::keyClick(&f.ventana(), Qt::Key_O, Qt::ControlModifier);
    for (const auto lista : { &GameState::lamesa, &GameState::player1, &GameState::player2,
                              &GameState::player1Lev, &GameState::player2Lev })
        QCOMPARE(f.estado().*lista, guardado.*lista);
    QCOMPARE(f.estado().cartasRepartidas, guardado.cartasRepartidas);
}

void TstBoardEndToEnd::wholeGamesUntilThePlayerStops()
{
    BoardFixture f(11);
    Resultados resultados;
    QVERIFY(f.iniciar());
    f.ventana().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    // Unscripted choices are answered Yes: the first "¿Jugar de nuevo?" too.
    int movimientos = 0;
    bool puntosAlEmpezarDeNuevo = false;
    while (!f.ventana().terminado() && movimientos < 2000) {
        // The results window stays until the watcher closes it.
        QVERIFY(f.esperarTurno());
        if (f.ventana().terminado())
            break;
        if (!puntosAlEmpezarDeNuevo
            && f.dialogos().textos().contains(QStringLiteral("¿Jugar de nuevo?"))) {
            puntosAlEmpezarDeNuevo = true;
            QCOMPARE(f.estado().jugadorCpu.puntos() + f.estado().jugadorHumano.puntos(), 0);
            QCOMPARE(f.clasica().Puntajep1Lbl()->text(), QStringLiteral("0"));
            f.dialogos().responder(DialogService::Respuesta::No); // for the second game's end
        }
        if (movimientos % 97 == 5 && !puntosAlEmpezarDeNuevo)
            guardarYVolver(f);
        else
            jugarTurno(f);
        ++movimientos;
        QVERIFY2(f.estado().faltaDeConsistencia().isEmpty(),
                 qPrintable(f.estado().faltaDeConsistencia()));
    }
    QVERIFY(f.ventana().terminado());
    QCOMPARE(f.ventana().estadoSalida(), 0);
    QCOMPARE(f.dialogos().textos().count(QStringLiteral("¿Jugar de nuevo?")), 2);
    QCOMPARE(resultados.vistos().size(), 2);
    for (const QString &visto : resultados.vistos())
        QVERIFY2(visto.split(QLatin1Char('|')).contains(QStringLiteral("3")), qPrintable(visto));
    QVERIFY(f.dialogos().textos().contains(QStringLiteral("Contando puntajes")));
    QVERIFY(!f.dialogos().textos().contains(QStringLiteral("Error leyendo archivo")));
    QVERIFY(QFile::exists(f.dir().ruta(QStringLiteral("lastprop.dat"))));
    QVERIFY(!f.ventana().isVisible());
}

ZELBO_TEST_MAIN(TstBoardEndToEnd)
#include "tst_board_endtoend.moc"
