// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "disposicionmoderna.h"
#include "helpwindow.h"
#include "lugaresmodernos.h"
#include "markbox.h"
#include "panelpuntos.h"
#include "pista.h"
#include "programadepruebas.h"
#include "resultadosenmesa.h"
#include "resumenenmesa.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Closes the results window as soon as it shows.
class CierraResultados : public QObject
{
public:
    CierraResultados()
    {
        m_reloj.setInterval(1);
        connect(&m_reloj, &QTimer::timeout, this, [] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<WinnerDialogFrm *>(w) && w->isVisible())
                    QTest::keyClick(w, Qt::Key_Escape);
            }
        });
        m_reloj.start();
    }

private:
    QTimer m_reloj;
};

// The cards in sight on the table shown, but a CPU card under its cover.
QList<const CardPicture *> aLaVista(const Mesa &mesa)
{
    QList<const CardPicture *> cartas;
    const QList<CardPicture *> cubiertas = mesa.cubiertas();
    for (const CardPicture *c : mesa.findChildren<CardPicture *>(Qt::FindDirectChildrenOnly)) {
        const bool tapada = c->imagen().grupo == GrupoImagen::cartap1img && !cubiertas.contains(c)
            && cubiertas.at(c->imagen().indice)->isVisible();
        if (c->isVisible() && !tapada)
            cartas.append(c);
    }
    return cartas;
}

bool deLaMesa(const CardPicture *c)
{
    return c->imagen().grupo == GrupoImagen::mesaimg;
}

// Every card inside the window; no two cards over each other, but the table's cards of
// one row past 20 cards, each leaving the corner with its rank and suit in sight.
QString faltaDeOrden(const Mesa &mesa, int enMesa)
{
    const QList<const CardPicture *> cartas = aLaVista(mesa);
    for (const CardPicture *a : cartas) {
        if (!mesa.rect().contains(a->geometry()))
            return QStringLiteral("%1 fuera de la ventana").arg(a->accessibleName());
        for (const CardPicture *b : cartas) {
            if (a == b || !a->geometry().intersects(b->geometry()))
                continue;
            const bool enFila = deLaMesa(a) && deLaMesa(b) && enMesa > 20 && a->y() == b->y()
                && std::abs(a->x() - b->x()) >= a->width() * 3 / 10;
            if (!enFila)
                return QStringLiteral("%1 sobre %2").arg(a->accessibleName(), b->accessibleName());
        }
    }
    return {};
}

// A key where the player's key goes: the focused control, or the window.
void tecla(ZelboFrm &ventana, Qt::Key clave)
{
    QWidget *foco = QApplication::focusWidget();
    QTest::keyClick(foco ? foco : &ventana, clave);
}

// The third point won by the hint on a modern table in sight: the hand's summary shows.
bool ganarLaTercera(BoardFixture &f)
{
    f.ventana().show();
    if (!QTest::qWaitForWindowActive(&f.ventana()) || !f.iniciar()
        || !f.cargar(Posicion::terceraManoDelHumano()))
        return false;
    tecla(f.ventana(), Qt::Key_H);
    tecla(f.ventana(), Qt::Key_Return);
    return QTest::qWaitFor([&f] { return f.moderna()->resumen()->isVisible(); });
}

QString nombres(const QList<QWidget *> &ventanas)
{
    QStringList nombres;
    for (const QWidget *w : ventanas)
        nombres.append(QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ')
                       + w->windowTitle());
    return nombres.join(QStringLiteral(", "));
}

// For a person to look at: the window as it is, when ZELBO_CAPTURAS names a folder.
void capturar(QWidget &ventana, const QString &nombre)
{
    const QString carpeta = qEnvironmentVariable("ZELBO_CAPTURAS");
    if (carpeta.isEmpty())
        return;
    ventana.grab().save(QStringLiteral("%1/%2-%3x%4.png")
                            .arg(carpeta, nombre)
                            .arg(ventana.width())
                            .arg(ventana.height()));
}

TipoMesa tipoDe(const QString &nombre)
{
    return nombre == QLatin1String("moderna") ? TipoMesa::Moderna : TipoMesa::Clasica;
}

} // namespace

class TstBoardMesas : public QObject
{
    Q_OBJECT

private slots:
    void seededGamesStayInsideTheWindow_data();
    void seededGamesStayInsideTheWindow();
    void aFullTableOverlapsOnlyInRows_data();
    void aFullTableOverlapsOnlyInRows();
    void switchingKeepsPositionMarksAndFocus();
    void modernTableShowsMarksScoresAndPiles();
    void mistakesAreToldOnTheModernTableWithoutABox_data();
    void mistakesAreToldOnTheModernTableWithoutABox();
    void anotherHandCardTakesTheMarkOnTheModernTable_data();
    void anotherHandCardTakesTheMarkOnTheModernTable();
    void aWholeGameByHintAndEnterOpensNoWindow();
    void theMenusWorkOverTheResultsPanel();
    void theResultsPanelAnswersAsTheQuestion_data();
    void theResultsPanelAnswersAsTheQuestion();
    void runShowsOnlyWithAProgramAndTabReachesIt();
};

namespace {
void filasDeTamanos()
{
    QTest::addColumn<QString>("mesa");
    QTest::addColumn<QSize>("tamano");
    for (const char *mesa : { "clasica", "moderna" }) {
        for (const QSize tamano :
             { QSize(640, 480), QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160) }) {
            QTest::addRow("%s %dx%d", mesa, tamano.width(), tamano.height())
                << QString::fromLatin1(mesa) << tamano;
        }
    }
}
} // namespace

void TstBoardMesas::seededGamesStayInsideTheWindow_data()
{
    filasDeTamanos();
}

// The positions of two seeded games, move after move, on a window of each size.
void TstBoardMesas::seededGamesStayInsideTheWindow()
{
    QFETCH(QString, mesa);
    QFETCH(QSize, tamano);
    MesaElegida elegida(tipoDe(mesa));
    CierraResultados resultados;
    for (const std::uint64_t semilla : { 3U, 7U }) {
        BoardFixture f(elegida, semilla);
        const RespondeEnMesa enMesa(f.ventana(), false);
        f.dialogos().responder(DialogService::Respuesta::No);
        f.ventana().resize(tamano);
        f.ventana().show();
        QVERIFY(f.iniciar());
        QCOMPARE(f.mesa().size(), f.ventana().centralWidget()->size());
        // A pile's count is read at every size: its digits grow with the badge.
        for (int i = 0; f.moderna() && i < 2; ++i) {
            const QLabel *insignia = f.moderna()->insignia(i);
            QVERIFY2(insignia->fontMetrics().height() * 2 >= insignia->height(),
                     qPrintable(QStringLiteral("%1 px en %2 px")
                                    .arg(insignia->fontMetrics().height())
                                    .arg(insignia->height())));
        }
        for (int turno = 0; turno < 60 && !f.ventana().terminado(); ++turno) {
            QVERIFY(f.esperarTurno());
            if (f.ventana().terminado())
                break;
            const QString falta = faltaDeOrden(f.mesa(), f.estado().lamesa.count());
            QVERIFY2(falta.isEmpty(),
                     qPrintable(QStringLiteral("turno %1: %2").arg(turno).arg(falta)));
            f.ventana().teclado().darPista();
            // Marked, the cards rise: still inside and apart.
            const QString marcada = faltaDeOrden(f.mesa(), f.estado().lamesa.count());
            QVERIFY2(marcada.isEmpty(), qPrintable(marcada));
            f.ventana().teclado().intro();
        }
    }
}

void TstBoardMesas::aFullTableOverlapsOnlyInRows_data()
{
    QTest::addColumn<QSize>("tamano");
    for (const QSize tamano :
         { QSize(640, 430), QSize(1024, 720), QSize(1920, 1030), QSize(3840, 2110) })
        QTest::addRow("%dx%d", tamano.width(), tamano.height()) << tamano;
}

// However many cards the table holds, they keep to the zone between the top and
// bottom rows; up to 20 lie apart, past that the cards of a row overlap, each
// leaving its corner in sight.
void TstBoardMesas::aFullTableOverlapsOnlyInRows()
{
    QFETCH(QSize, tamano);
    for (const int cartas : { 1, 7, 20, 21, 40 }) {
        const LugaresModernos d = LugaresModernos::calcular(tamano, cartas);
        QCOMPARE(d.mesa.size(), cartas);
        QList<QRect> fijos { d.panel, d.levantar };
        for (std::size_t i = 0; i < 3; ++i)
            fijos << d.cpu.at(i) << d.mano.at(i).adjusted(0, -d.alzada, 0, 0);
        for (const QRect &m : d.montones)
            fijos << m.adjusted(0, -d.alzada - d.carta.height() / 8, 0, 0);
        for (const QRect &r : fijos)
            QVERIFY(QRect(QPoint(), tamano).contains(r));
        for (int i = 0; i < cartas; ++i) {
            const QRect a = d.mesa.at(i).adjusted(0, -d.alzada, 0, 0);
            QVERIFY(QRect(QPoint(), tamano).contains(a));
            for (const QRect &r : std::as_const(fijos))
                QVERIFY2(!a.intersects(r),
                         qPrintable(QStringLiteral("%1 de %2").arg(i).arg(cartas)));
            for (int j = i + 1; j < cartas; ++j) {
                const QRect &b = d.mesa.at(j);
                if (!d.mesa.at(i).intersects(b))
                    continue;
                QVERIFY2(cartas > 20,
                         qPrintable(QStringLiteral("%1 y %2 de %3").arg(i).arg(j).arg(cartas)));
                QCOMPARE(b.y(), a.y() + d.alzada);
                QVERIFY(b.x() - a.x() >= a.width() * 3 / 10);
            }
        }
        // Whole cards are no smaller than half a hand's card.
        QVERIFY(d.cartaMesa.height() * 2 >= d.carta.height());
    }
}

// The player marks a card and has the focus on it; switching either way, the other table shows
// the same cards, the same marks and the focus on the same card.
void TstBoardMesas::switchingKeepsPositionMarksAndFocus()
{
    BoardFixture f(7);
    f.ventana().show();
    QVERIFY(f.iniciar());
    f.ventana().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    f.clasica().cartap2img()[1]->setFocus();
    QTest::keyClick(f.clasica().cartap2img()[1], Qt::Key_Space);
    QVERIFY(f.estado().marcas.Checkp2[1]);
    const GameState antes = f.estado();
    QAction *moderna = nullptr;
    for (QAction *a : f.ventana().findChildren<QAction *>()) {
        if (a->text() == QStringLiteral("Mes&a moderna"))
            moderna = a;
    }
    QVERIFY(moderna && moderna->isCheckable() && !moderna->isChecked());
    moderna->trigger();
    QCOMPARE(f.ajustes().mesa(), TipoMesa::Moderna);
    QVERIFY(f.moderna() && f.mesa().isVisible());
    // Only the shown layout's controls exist: none of the classic marks or words.
    QVERIFY(f.ventana().findChildren<MarkBox *>().isEmpty());
    QVERIFY(f.ventana().findChildren<BarraClasica *>().isEmpty());
    Mesa *nueva = &f.mesa();
    QCOMPARE(Posicion::numeros(f.estado().lamesa), Posicion::numeros(antes.lamesa));
    QCOMPARE(Posicion::numeros(f.estado().player2), Posicion::numeros(antes.player2));
    QCOMPARE(f.estado().marcas.Checkp2, antes.marcas.Checkp2);
    const QList<CardPicture *> mano = nueva->imagenes(GrupoImagen::cartap2img);
    QCOMPARE(QApplication::focusWidget(), mano.at(1));
    QVERIFY(mano.at(1)->marcada() && !mano.at(0)->marcada());
    for (int i = 0; i < f.estado().lamesa.count(); ++i) {
        const CardPicture *c = nueva->imagen({ GrupoImagen::mesaimg, i });
        QVERIFY(c->isVisible());
        QCOMPARE(c->ruta(), f.estado().carta(f.estado().lamesa.at(i)).imagen());
    }
    QVERIFY(mano.at(1)->accessibleName().endsWith(QStringLiteral(", marcada")));
    // The keys go on on the new table: Space unmarks the focused card.
    QTest::keyClick(mano.at(1), Qt::Key_Space);
    QVERIFY(!f.estado().marcas.Checkp2[1] && !mano.at(1)->marcada());
    QTest::keyClick(mano.at(1), Qt::Key_Space);

    f.ajustes().setMesa(TipoMesa::Clasica);
    QCOMPARE(&f.mesa(), nueva);
    QVERIFY(!f.moderna() && !moderna->isChecked());
    const DisposicionClasica &clasica = f.clasica();
    QVERIFY(clasica.Checkp2()[1]->isChecked() && !clasica.Checkp2()[0]->isChecked());
    QCOMPARE(QApplication::focusWidget(), clasica.cartap2img()[1]);
    QCOMPARE(Posicion::numeros(f.estado().player2), Posicion::numeros(antes.player2));
}

// A marked card rises with its outline, the own pile is marked on the pile itself, the
// piles' badges count their cards and the side to play is lit.
void TstBoardMesas::modernTableShowsMarksScoresAndPiles()
{
    MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(elegida, 1);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(f.iniciar());
    Posicion p = Posicion::montonDeLaCpuAlAlcance();
    p.puntosCpu = 2;
    p.puntosHumano = 1;
    QVERIFY(f.cargar(p));
    auto &m = *f.moderna();
    CardPicture *carta = m.mesa().imagen({ GrupoImagen::cartap2img, 0 });
    const int y = carta->y();
    carta->clicked(Qt::LeftButton);
    QVERIFY(f.estado().marcas.Checkp2[0]);
    QVERIFY(carta->marcada() && carta->y() < y);
    carta->clicked(Qt::LeftButton);
    QVERIFY(!f.estado().marcas.Checkp2[0]);
    QVERIFY(!carta->marcada() && carta->y() == y);
    CardPicture *propio = m.mesa().imagen({ GrupoImagen::montonimg, 1 });
    propio->clicked(Qt::LeftButton);
    QVERIFY(f.estado().marcas.CheckMonton[1] && propio->marcada());
    const int cpu = f.estado().player1Lev.count();
    QVERIFY(cpu > 1);
    QCOMPARE(m.insignia(0)->text(), QString::number(cpu));
    QCOMPARE(m.insignia(1)->text(), QString::number(f.estado().player2Lev.count()));
    QVERIFY(m.insignia(0)->accessibleName().contains(QStringLiteral("%1 cartas").arg(cpu)));
    QVERIFY(m.mesa().imagen({ GrupoImagen::montonimg, 0 })->isVisible());
    QCOMPARE(m.panel()->puntos(Lado::Cpu)->text(), QStringLiteral("2"));
    QCOMPARE(m.panel()->puntos(Lado::Humano)->text(), QStringLiteral("1"));
    QCOMPARE(m.panel()->nombre(Lado::Humano)->text(), QStringLiteral("Ana"));
    QVERIFY(m.panel()->resaltado(Lado::Humano) && !m.panel()->resaltado(Lado::Cpu));
    QVERIFY(m.mesa().findChildren<MarkBox *>().isEmpty());
}

void TstBoardMesas::mistakesAreToldOnTheModernTableWithoutABox_data()
{
    QTest::addColumn<QString>("mesa");
    QTest::newRow("clásica") << QStringLiteral("clasica");
    QTest::newRow("moderna") << QStringLiteral("moderna");
}

// "Levantar" with nothing marked: the classic table's box, or the modern table's message
// on the table and in the status bar.
void TstBoardMesas::mistakesAreToldOnTheModernTableWithoutABox()
{
    QFETCH(QString, mesa);
    MesaElegida elegida(tipoDe(mesa));
    BoardFixture f(elegida, 1);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::montonDeLaCpuAlAlcance()));
    const QString texto = QStringLiteral("Debes seleccionar solo una de tus cartas");
    emit f.mesa().levantarPulsado();
    QVERIFY(f.ventana().juego().esperaAlJugador());
    auto *moderna = f.moderna();
    if (!moderna) {
        QCOMPARE(f.dialogos().textos(), QStringList { texto });
        return;
    }
    QVERIFY(f.dialogos().textos().isEmpty());
    QVERIFY(moderna->aviso()->isVisible());
    QCOMPARE(moderna->aviso()->text(), texto);
    QCOMPARE(f.ventana().statusBar()->currentMessage(), texto);
    QVERIFY(moderna->mesa().rect().contains(moderna->aviso()->geometry()));
    // Gone after a while, by itself.
    QTRY_VERIFY_WITH_TIMEOUT(!moderna->aviso()->isVisible(), 6000);
}

void TstBoardMesas::anotherHandCardTakesTheMarkOnTheModernTable_data()
{
    QTest::addColumn<QString>("mesa");
    QTest::addColumn<QList<bool>>("marcas");
    QTest::newRow("clásica") << QStringLiteral("clasica") << QList<bool> { true, true, false };
    QTest::newRow("moderna") << QStringLiteral("moderna") << QList<bool> { false, true, false };
}

// Two hand cards clicked one after the other: the classic table's boxes keep both marks,
// the modern table, which has none, moves its one mark to the second card.
void TstBoardMesas::anotherHandCardTakesTheMarkOnTheModernTable()
{
    QFETCH(QString, mesa);
    QFETCH(QList<bool>, marcas);
    MesaElegida elegida(tipoDe(mesa));
    BoardFixture f(elegida, 1);
    QVERIFY(f.iniciar());
    QCOMPARE(f.estado().player2.count(), 3);
    f.mesa().imagen({ GrupoImagen::cartap2img, 0 })->clicked(Qt::LeftButton);
    f.mesa().imagen({ GrupoImagen::cartap2img, 1 })->clicked(Qt::LeftButton);
    const auto &marcadas = f.estado().marcas.Checkp2;
    QCOMPARE(QList<bool>(marcadas.cbegin(), marcadas.cend()), marcas);
}

// Only H and Enter, from the first deal to the results: every hand's end is a summary on
// the table that the next H dismisses, the results a panel, and no other window opens on
// the way. The panel's Sí starts another game from no points.
void TstBoardMesas::aWholeGameByHintAndEnterOpensNoWindow()
{
    MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(elegida, 7);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    QVERIFY(f.iniciar());
    auto &m = *f.moderna();
    const auto esperar = [&] {
        return QTest::qWaitFor([&] {
            return f.ventana().juego().esperaAlJugador() || m.veloAbierto()
                || f.ventana().terminado();
        });
    };
    int resumenes = 0;
    for (int paso = 0; paso < 600 && !m.resultados()->isVisible(); ++paso) {
        QVERIFY(esperar());
        QVERIFY(!f.ventana().terminado());
        QVERIFY2(f.otrasVentanas().isEmpty(), qPrintable(nombres(f.otrasVentanas())));
        if (m.resultados()->isVisible())
            break;
        const bool resumen = m.resumen()->isVisible();
        if (resumen) {
            ++resumenes;
            QVERIFY(!f.ventana().juego().esperaAlJugador());
            QCOMPARE(QApplication::focusWidget(), m.resumen());
            QVERIFY(m.resumen()->textos().contains(QStringLiteral("Contando puntajes")));
        }
        tecla(f.ventana(), Qt::Key_H);
        QVERIFY2(f.otrasVentanas().isEmpty(), qPrintable(nombres(f.otrasVentanas())));
        if (resumen) {
            QVERIFY(!m.resumen()->isVisible());
            continue;
        }
        tecla(f.ventana(), Qt::Key_Return);
        QVERIFY2(f.otrasVentanas().isEmpty(), qPrintable(nombres(f.otrasVentanas())));
    }
    QVERIFY(m.resultados()->isVisible());
    QVERIFY(resumenes >= 3);
    QVERIFY2(f.dialogos().textos().isEmpty(), qPrintable(f.dialogos().textos().join(u'|')));
    QVERIFY(m.resultados()->textos().contains(QStringLiteral("¿Jugar de nuevo?")));
    QVERIFY(m.resultados()->textos().contains(QStringLiteral("3")));
    QVERIFY(std::max(f.estado().jugadorCpu.puntos(), f.estado().jugadorHumano.puntos()) == 3);
    QCOMPARE(QApplication::focusWidget(), m.resultados()->si());
    tecla(f.ventana(), Qt::Key_Enter);
    QVERIFY(!m.resultados()->isVisible());
    QVERIFY(f.esperarTurno());
    QVERIFY(!f.ventana().terminado());
    QCOMPARE(f.estado().jugadorCpu.puntos(), 0);
    QCOMPARE(f.estado().jugadorHumano.puntos(), 0);
    QCOMPARE(m.panel()->puntos(Lado::Humano)->text(), QStringLiteral("0"));
    QCOMPARE(f.estado().numeroDeMano, 1);
    QVERIFY(f.otrasVentanas().isEmpty());
}

void TstBoardMesas::theMenusWorkOverTheResultsPanel()
{
    MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(elegida, 1);
    QVERIFY(ganarLaTercera(f));
    auto &m = *f.moderna();
    QTest::mouseClick(m.resumen(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(m.resultados()->isVisible());
    // A click opens a menu, and a menu's shortcut reaches its item.
    QMenuBar *barra = f.ventana().menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(barra->actions().constFirst()).center());
    QTRY_VERIFY(QApplication::activePopupWidget());
    QApplication::activePopupWidget()->close();
    tecla(f.ventana(), Qt::Key_F1);
    const auto ayudaAbierta = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<HelpWindow *>(w) && w->isVisible())
                return true;
        return false;
    };
    QTRY_VERIFY(ayudaAbierta());
    QVERIFY(m.resultados()->isVisible());
}

void TstBoardMesas::theResultsPanelAnswersAsTheQuestion_data()
{
    QTest::addColumn<bool>("otra");
    QTest::addColumn<QSize>("tamano");
    QTest::newRow("Sí 640x480") << true << QSize(640, 480);
    QTest::newRow("No 1024x768") << false << QSize(1024, 768);
    QTest::newRow("Sí 1920x1080") << true << QSize(1920, 1080);
}

// The third point: a summary that a click dismisses, then the results with the
// results window's words; Tab goes round Sí, No and Revisar, Esc answers nothing, and
// Sí deals a new game from no points while No ends the program, as the question does.
void TstBoardMesas::theResultsPanelAnswersAsTheQuestion()
{
    QFETCH(bool, otra);
    QFETCH(QSize, tamano);
    MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(elegida, 1);
    f.ventana().resize(tamano);
    QVERIFY(ganarLaTercera(f));
    auto &m = *f.moderna();
    QVERIFY(m.mesa().rect().contains(m.resumen()->tarjeta()->geometry()));
    const QStringList resumen = m.resumen()->textos();
    QVERIFY2(resumen.contains(QStringLiteral("Ana gana la mano")), qPrintable(resumen.join(u'|')));
    QVERIFY(resumen.contains(QStringLiteral("Contando puntajes")));
    QVERIFY(m.resumen()->accessibleDescription().endsWith(
        QStringLiteral("Puntos: la CPU 1, tú 3. Pulsa una tecla o haz clic para seguir")));
    QCOMPARE(m.panel()->puntos(Lado::Humano)->text(), QStringLiteral("2")); // not yet scored
    capturar(f.ventana(), QStringLiteral("resumen"));
    QTest::mouseClick(m.resumen(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(m.resultados()->isVisible());
    QCOMPARE(m.panel()->puntos(Lado::Humano)->text(), QStringLiteral("3"));
    QCOMPARE(m.resultados()->textos(),
             QStringList({ "Ganador Ana", "Has ganado la partida", "3", "Tus puntos", "1",
                           "Puntos de la CPU", "¿Jugar de nuevo?" }));
    QCOMPARE(m.resultados()->descripcion(),
             QStringLiteral("Has ganado la partida. Tus puntos: 3, Puntos de la CPU: 1 "
                            "¿Jugar de nuevo?"));
    QCOMPARE(m.resultados()->revisar()->accessibleName(), QStringLiteral("Revisar la partida"));
    QVERIFY(m.mesa().rect().contains(m.resultados()->tarjeta()->geometry()));
    QVERIFY(f.otrasVentanas().isEmpty());
    capturar(f.ventana(), QStringLiteral("resultados"));
    QCOMPARE(QApplication::focusWidget(), m.resultados()->si());
    tecla(f.ventana(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m.resultados()->no());
    tecla(f.ventana(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m.resultados()->revisar());
    tecla(f.ventana(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m.resultados()->si());
    tecla(f.ventana(), Qt::Key_Escape);
    QVERIFY(m.resultados()->isVisible() && !f.ventana().terminado());
    if (!otra)
        tecla(f.ventana(), Qt::Key_Tab);
    tecla(f.ventana(), Qt::Key_Return);
    QVERIFY(!m.resultados()->isVisible());
    QVERIFY(f.dialogos().textos().isEmpty());
    if (!otra) {
        QVERIFY(f.ventana().terminado());
        QCOMPARE(f.ventana().estadoSalida(), 0);
        return;
    }
    QVERIFY(f.esperarTurno());
    QVERIFY(!f.ventana().terminado());
    QCOMPARE(f.estado().jugadorHumano.puntos(), 0);
    QCOMPARE(f.estado().jugadorCpu.puntos(), 0);
    QCOMPARE(f.estado().cartasRepartidas, 10); // a new deal
}

// The toolbar's "Run" on the modern table: hidden until a program is set in the
// preferences, then beside the turn's words, reached by Tab and pressed by Space.
void TstBoardMesas::runShowsOnlyWithAProgramAndTabReachesIt()
{
    MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(elegida, 1);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    QVERIFY(f.iniciar());
    auto &m = *f.moderna();
    QToolButton *correr = m.panel()->correr();
    QVERIFY(f.ventana().juego().preferencias().aplicacion.isEmpty());
    QVERIFY(!correr->isVisible());
    const QString marca = f.dir().ruta(QStringLiteral("corrio"));
    Preferencias p = f.ventana().juego().preferencias();
    p.aplicacion = QStringLiteral("touch %1").arg(marca);
    f.ventana().juego().aceptarPreferencias(p);
    QVERIFY(correr->isVisible());
    QCOMPARE(correr->accessibleName(), QStringLiteral("Correr el programa elegido en Opciones"));
    QCOMPARE(correr->defaultAction()->objectName(), QStringLiteral("run"));
    capturar(f.ventana(), QStringLiteral("correr"));
    QVERIFY(m.mesa().rect().contains(correr->mapTo(&m.mesa(), correr->rect().bottomRight())));
    int tabs = 0;
    while (QApplication::focusWidget() != correr && tabs < 60) {
        tecla(f.ventana(), Qt::Key_Tab);
        ++tabs;
    }
    QCOMPARE(QApplication::focusWidget(), correr);
    tecla(f.ventana(), Qt::Key_Space);
    QTRY_VERIFY(QFileInfo::exists(marca));
    p.aplicacion.clear();
    f.ventana().juego().aceptarPreferencias(p);
    QVERIFY(!correr->isVisible());
}

ZELBO_TEST_MAIN(TstBoardMesas)
#include "tst_board_mesas.moc"
