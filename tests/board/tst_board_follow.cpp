// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "programadepruebas.h"
#include "raton.h"
#include "seguimientopartida.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <algorithm>

using namespace Naipes;

namespace {

// The human lays oros(1) on the table; the CPU answers with espadas(1), which
// lays, lifts espadas(5) from the table, or takes the human's pile topped by
// espadas(5), as the position offers.
enum class Respuesta { Tira, Levanta, TomaMonton };

Posicion posicion(Respuesta respuesta)
{
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1) };
    p.mesa = { bastos(1) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { respuesta == Respuesta::TomaMonton ? espadas(5) : copas(9) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 3;
    if (respuesta == Respuesta::Levanta) {
        p.mesa = { bastos(1), espadas(5), copas(7) };
        p.tamPilaHumano = 7;
    }
    return p;
}

QList<CardPicture *> imagenes(DisposicionClasica &t)
{
    QList<CardPicture *> todas(t.mesaimg().begin(), t.mesaimg().end());
    for (const auto &grupo : { t.cartap1img(), t.Image1(), t.cartap2img() })
        todas += QList<CardPicture *>(grupo.begin(), grupo.end());
    return todas << t.montonimg()[0] << t.montonimg()[1];
}

QList<CardPicture *> senaladas(DisposicionClasica &t)
{
    QList<CardPicture *> s = imagenes(t);
    s.removeIf([](const CardPicture *c) { return !c->senalada(); });
    return s;
}

// The pixels of the CPU's outline colour, a blue that no stand-in card, felt,
// mark or focus frame has, within a rectangle of the board's picture.
int pixelesDeContorno(const QImage &vista, const QRect &lugar)
{
    const QColor contorno(0, 170, 255);
    const QRect dentro = lugar.intersected(vista.rect());
    int n = 0;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y) {
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QColor p = vista.pixelColor(x, y);
            n += std::abs(p.red() - contorno.red()) < 16
                && std::abs(p.green() - contorno.green()) < 16
                && std::abs(p.blue() - contorno.blue()) < 16;
        }
    }
    return n;
}

// Every outlined picture shows the outline all round (some dashes on each
// side), and no pixel of the board outside them has its colour.
QString contornoVisto(DisposicionClasica &t, const QList<CardPicture *> &esperadas)
{
    const QImage vista = t.mesa().grab().toImage();
    int fuera = pixelesDeContorno(vista, vista.rect());
    for (const CardPicture *c : esperadas) {
        const QRect g = c->geometry();
        const int borde = std::max(4, g.width() / 6);
        const QRect lados[]
            = { g.adjusted(0, 0, 0, borde - g.height()), g.adjusted(0, g.height() - borde, 0, 0),
                g.adjusted(0, 0, borde - g.width(), 0), g.adjusted(g.width() - borde, 0, 0, 0) };
        for (const QRect &lado : lados) {
            if (pixelesDeContorno(vista, lado) < 4)
                return QStringLiteral("a side of %1 shows no outline").arg(c->ruta());
        }
        const QRect numero
            = CardPicture::numeroDeEsquina(g.size()).toAlignedRect().translated(g.topLeft());
        if (pixelesDeContorno(vista, numero) > 0)
            return QStringLiteral("the outline of %1 covers its number").arg(c->ruta());
        fuera -= pixelesDeContorno(vista, g);
    }
    return fuera == 0 ? QString() : QStringLiteral("%1 outline pixels elsewhere").arg(fuera);
}

QAction *accion(BoardFixture &f, const QString &texto)
{
    for (QAction *menu : f.ventana().menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *a : menu->menu()->actions()) {
            if (QString(a->text()).remove(QLatin1Char('&')) == texto)
                return a;
        }
    }
    return nullptr;
}

// For a person to look at: the window as it is, when ZELBO_CAPTURAS names a folder.
void capturar(BoardFixture &f, const QString &nombre)
{
    if (!qEnvironmentVariableIsEmpty("ZELBO_CAPTURAS"))
        f.ventana().grab().save(qEnvironmentVariable("ZELBO_CAPTURAS") + QLatin1Char('/') + nombre);
}

QStringList lineasDelDock(BoardFixture &f)
{
    const QListWidget *lista = f.ventana().seguimiento().lista();
    QStringList lineas;
    for (int i = 0; i < lista->count(); ++i)
        lineas << lista->item(i)->text();
    return lineas;
}

} // namespace

class TstBoardFollow : public QObject
{
    Q_OBJECT

private slots:
    void cpuCardsStayOutlinedUntilThePlayerActs_data();
    void cpuCardsStayOutlinedUntilThePlayerActs();
    void noOutlineOutlivesTheHandItWasIn();
    void historyDockShowsAndHidesByMenuAndKey();
    void historyDockTellsTheHandAndUndoTakesItsLinesBack();
    void gameNumberGoesWithAbrir();
};

void TstBoardFollow::cpuCardsStayOutlinedUntilThePlayerActs_data()
{
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QList<int>>("mesa");
    QTest::addColumn<bool>("pilaSenalada");
    // The table after the CPU's turn, with its own cards marked by a minus sign.
    QTest::newRow("lays") << int(Respuesta::Tira) << QList<int> { bastos(1), oros(1), -espadas(1) }
                          << false;
    QTest::newRow("lifts") << int(Respuesta::Levanta) << QList<int> { bastos(1), copas(7), oros(1) }
                           << true;
    QTest::newRow("takes the pile")
        << int(Respuesta::TomaMonton) << QList<int> { bastos(1), oros(1) } << true;
}

void TstBoardFollow::cpuCardsStayOutlinedUntilThePlayerActs()
{
    QFETCH(int, respuesta);
    QFETCH(QList<int>, mesa);
    QFETCH(bool, pilaSenalada);
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion(static_cast<Respuesta>(respuesta))));
    DisposicionClasica &t = f.clasica();
    Raton::soltarEnFondo(t.mesa(), 0);
    QVERIFY(f.estado().player1.isEmpty()); // the CPU has played
    QList<int> enMesa;
    QList<CardPicture *> esperadas;
    for (int i = 0; i < mesa.size(); ++i) {
        enMesa << std::abs(mesa.at(i));
        if (mesa.at(i) < 0)
            esperadas << t.mesaimg().at(i);
    }
    QCOMPARE(Posicion::numeros(f.estado().lamesa), enMesa);
    if (pilaSenalada) {
        const int arriba = f.estado().player1Lev.at(0);
        QVERIFY(arriba == espadas(1) || arriba == espadas(5));
        esperadas << t.montonimg()[0];
    }
    QCOMPARE(senaladas(t), esperadas);
    capturar(f, QStringLiteral("contorno-%1.png").arg(respuesta));
    const QString visto = contornoVisto(t, esperadas);
    QVERIFY2(visto.isEmpty(), qPrintable(visto));

    // The player's next action, a mark, takes every outline away.
    QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
    QVERIFY(f.estado().marcas.Checkp2[0]);
    QVERIFY(senaladas(t).isEmpty());
    const QString despues = contornoVisto(t, {});
    QVERIFY2(despues.isEmpty(), qPrintable(despues));
}

// The CPU's last card of the hand takes the human's pile, nearly the whole
// deck: the next deal's table is made of those very cards, and the human opens.
void TstBoardFollow::noOutlineOutlivesTheHandItWasIn()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.humano = { oros(1) };
    p.cpu = { espadas(1) };
    p.mesa = { bastos(1) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { espadas(5) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 34;
    QVERIFY(f.cargar(p));
    Raton::soltarEnFondo(f.mesa(), 0);
    QCOMPARE(f.estado().cartasRepartidas, 10);
    QCOMPARE(f.estado().player1.count(), 3); // the human opens: the CPU has not played
    // Only these five cards were not the CPU's at the last hand's end.
    const QList<int> ajenas { oros(1), oros(2), oros(3), copas(5), bastos(1) };
    const QList<int> mesa = Posicion::numeros(f.estado().lamesa);
    QVERIFY(std::any_of(mesa.begin(), mesa.end(), [&](int c) { return !ajenas.contains(c); }));
    QVERIFY(senaladas(f.clasica()).isEmpty());
    const QString visto = contornoVisto(f.clasica(), {});
    QVERIFY2(visto.isEmpty(), qPrintable(visto));
}

void TstBoardFollow::historyDockShowsAndHidesByMenuAndKey()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    f.ventana().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    QDockWidget *dock = f.ventana().seguimiento().dock();
    QAction *historial = accion(f, QStringLiteral("Historial"));
    QVERIFY(historial);
    QVERIFY(!dock->isVisible());
    historial->trigger();
    QVERIFY(dock->isVisible());
    QVERIFY(historial->isChecked());
    historial->trigger();
    QVERIFY(!dock->isVisible());
    QTest::keyClick(&f.ventana(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(dock->isVisible());
    QVERIFY(f.ventana().seguimiento().lista()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(!dock->isVisible());
    QVERIFY(!historial->isChecked());
}

// Three moves end the hand: the human lays oros(1), the CPU espadas(1), and
// the human puts copas(1) on the own pile, the deck dealt out.
void TstBoardFollow::historyDockTellsTheHandAndUndoTakesItsLinesBack()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p = posicion(Respuesta::Tira);
    p.tamPilaCpu = 22;
    p.tamPilaHumano = 14;
    QVERIFY(f.cargar(p));
    QCOMPARE(f.estado().cartasRepartidas, 40);
    f.ventana().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    QTest::keyClick(&f.ventana(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(f.ventana().seguimiento().dock()->isVisible());
    const QStringList alAbrir = lineasDelDock(f);
    QCOMPARE(alAbrir.last(), QStringLiteral("Partida abierta de un archivo"));
    DisposicionClasica &t = f.clasica();
    Raton::soltarEnFondo(t.mesa(), 0);
    const QStringList tiradas = alAbrir
        + QStringList { "Tiras el As de oros a la mesa", "La CPU tira el As de espadas a la mesa" };
    QCOMPARE(lineasDelDock(f), tiradas);
    Raton::soltarEn(t.mesa(), 0, t.montonimg()[1]);
    // The table's three cards go to nobody: no one lifted in this hand.
    const QStringList alFinal = tiradas
        + QStringList { "Pones el As de copas en tu montón", "Mano para la CPU: 22 a 15",
                        "Mano 2" };
    const QStringList lineas = lineasDelDock(f);
    QCOMPARE(lineas.mid(0, alFinal.size()), alFinal);
    // The CPU opens the new hand, and its move is the newest line.
    QCOMPARE(lineas.size(), alFinal.size() + 1);
    QVERIFY2(lineas.last().startsWith(QStringLiteral("La CPU tira ")), qPrintable(lineas.last()));
    QCOMPARE(lineas, f.ventana().juego().historial());
    capturar(f, QStringLiteral("historial.png"));

    QTest::keyClick(&f.ventana(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(lineasDelDock(f), tiradas);
    QTest::keyClick(&f.ventana(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(lineasDelDock(f), alAbrir);
    QTest::keyClick(&f.ventana(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lineasDelDock(f), tiradas);

    // Taken back, and another move in its place: its lines replace the old ones.
    QTest::keyClick(&f.ventana(), Qt::Key_Z, Qt::ControlModifier);
    Raton::soltarEn(t.mesa(), 1, t.montonimg()[1]);
    const QStringList otra = lineasDelDock(f);
    QCOMPARE(otra, f.ventana().juego().historial());
    QCOMPARE(otra.mid(0, alAbrir.size()), alAbrir);
    QCOMPARE(otra.mid(alAbrir.size()),
             QStringList({ "Pones el As de copas en tu montón",
                           "La CPU tira el As de espadas a la mesa" }));
}

// A saved game holds no number: after Abrir the status bar names no game, not the one left.
void TstBoardFollow::gameNumberGoesWithAbrir()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    auto *numero = f.ventana().statusBar()->findChild<QLabel *>("numeroDePartida");
    QVERIFY(numero);
    f.ventana().juego().elegirPartida(77);
    QCOMPARE(numero->text(), QStringLiteral("Partida 77"));
    QVERIFY(f.cargar(posicion(Respuesta::Tira)));
    QCOMPARE(numero->text(), QString());
    QCOMPARE(f.ventana().juego().numeroPartida(), 0);
}

ZELBO_TEST_MAIN(TstBoardFollow)
#include "tst_board_follow.moc"
