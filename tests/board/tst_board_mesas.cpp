// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "boardwidget.h"
#include "cardpicture.h"
#include "disposicionmoderna.h"
#include "markbox.h"
#include "mesamoderna.h"
#include "panelpuntos.h"
#include "pista.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

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
    const MesaElegida elegida(tipoDe(mesa));
    CierraResultados resultados;
    for (const std::uint64_t semilla : { 3U, 7U }) {
        BoardFixture f(semilla);
        f.dialogos().responder(DialogService::Respuesta::No);
        f.ventana().resize(tamano);
        f.ventana().show();
        QVERIFY(f.iniciar());
        QCOMPARE(f.ventana().mesa().size(), f.ventana().centralWidget()->size());
        for (int turno = 0; turno < 60 && !f.ventana().terminado(); ++turno) {
            QVERIFY(f.esperarTurno());
            if (f.ventana().terminado())
                break;
            const QString falta = faltaDeOrden(f.ventana().mesa(), f.estado().lamesa.count());
            QVERIFY2(falta.isEmpty(),
                     qPrintable(QStringLiteral("turno %1: %2").arg(turno).arg(falta)));
            f.ventana().teclado().darPista();
            // Marked, the cards rise: still inside and apart.
            const QString marcada = faltaDeOrden(f.ventana().mesa(), f.estado().lamesa.count());
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
        const DisposicionModerna d = DisposicionModerna::calcular(tamano, cartas);
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
    BoardWidget &clasica = f.tablero();
    clasica.cartap2img()[1]->setFocus();
    QTest::keyClick(clasica.cartap2img()[1], Qt::Key_Space);
    QVERIFY(f.estado().marcas.Checkp2[1]);
    const GameState antes = f.estado();
    QAction *moderna = nullptr;
    for (QAction *a : f.ventana().findChildren<QAction *>()) {
        if (a->text() == QStringLiteral("Mes&a moderna"))
            moderna = a;
    }
    QVERIFY(moderna && moderna->isCheckable() && !moderna->isChecked());
    moderna->trigger();
    QCOMPARE(AjustesJuego::delUsuario().mesa(), TipoMesa::Moderna);
    auto *nueva = qobject_cast<MesaModerna *>(&f.ventana().mesa());
    QVERIFY(nueva && nueva->isVisible() && !clasica.isVisible());
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

    AjustesJuego::delUsuario().setMesa(TipoMesa::Clasica);
    QCOMPARE(&f.ventana().mesa(), static_cast<Mesa *>(&clasica));
    QVERIFY(!moderna->isChecked());
    QVERIFY(clasica.Checkp2()[1]->isChecked() && !clasica.Checkp2()[0]->isChecked());
    QCOMPARE(QApplication::focusWidget(), clasica.cartap2img()[1]);
    QCOMPARE(Posicion::numeros(f.estado().player2), Posicion::numeros(antes.player2));
}

// A marked card rises with its outline, the own pile is marked on the pile itself, the
// piles' badges count their cards and the side to play is lit.
void TstBoardMesas::modernTableShowsMarksScoresAndPiles()
{
    const MesaElegida elegida(TipoMesa::Moderna);
    BoardFixture f(1);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(f.iniciar());
    Posicion p = Posicion::montonDeLaCpuAlAlcance();
    p.puntosCpu = 2;
    p.puntosHumano = 1;
    QVERIFY(f.cargar(p));
    auto &m = *qobject_cast<MesaModerna *>(&f.ventana().mesa());
    CardPicture *carta = m.imagen({ GrupoImagen::cartap2img, 0 });
    const int y = carta->y();
    carta->clicked(Qt::LeftButton);
    QVERIFY(f.estado().marcas.Checkp2[0]);
    QVERIFY(carta->marcada() && carta->y() < y);
    carta->clicked(Qt::LeftButton);
    QVERIFY(!f.estado().marcas.Checkp2[0]);
    QVERIFY(!carta->marcada() && carta->y() == y);
    CardPicture *propio = m.imagen({ GrupoImagen::montonimg, 1 });
    propio->clicked(Qt::LeftButton);
    QVERIFY(f.estado().marcas.CheckMonton[1] && propio->marcada());
    const int cpu = f.estado().player1Lev.count();
    QVERIFY(cpu > 1);
    QCOMPARE(m.insignia(0)->text(), QString::number(cpu));
    QCOMPARE(m.insignia(1)->text(), QString::number(f.estado().player2Lev.count()));
    QVERIFY(m.insignia(0)->accessibleName().contains(QStringLiteral("%1 cartas").arg(cpu)));
    QVERIFY(m.imagen({ GrupoImagen::montonimg, 0 })->isVisible());
    QCOMPARE(m.panel()->puntos(Lado::Cpu)->text(), QStringLiteral("2"));
    QCOMPARE(m.panel()->puntos(Lado::Humano)->text(), QStringLiteral("1"));
    QCOMPARE(m.panel()->nombre(Lado::Humano)->text(), QStringLiteral("Ana"));
    QVERIFY(m.panel()->resaltado(Lado::Humano) && !m.panel()->resaltado(Lado::Cpu));
    QVERIFY(m.findChildren<MarkBox *>().isEmpty());
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
    const MesaElegida elegida(tipoDe(mesa));
    BoardFixture f(1);
    f.ventana().resize(1024, 768);
    f.ventana().show();
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::montonDeLaCpuAlAlcance()));
    const QString texto = QStringLiteral("Debes seleccionar solo una de tus cartas");
    emit f.ventana().mesa().levantarPulsado();
    QVERIFY(f.ventana().juego().esperaAlJugador());
    auto *moderna = qobject_cast<MesaModerna *>(&f.ventana().mesa());
    if (!moderna) {
        QCOMPARE(f.dialogos().textos(), QStringList { texto });
        return;
    }
    QVERIFY(f.dialogos().textos().isEmpty());
    QVERIFY(moderna->aviso()->isVisible());
    QCOMPARE(moderna->aviso()->text(), texto);
    QCOMPARE(f.ventana().statusBar()->currentMessage(), texto);
    QVERIFY(moderna->rect().contains(moderna->aviso()->geometry()));
    // Gone after a while, by itself.
    QTRY_VERIFY_WITH_TIMEOUT(!moderna->aviso()->isVisible(), 6000);
}

QTEST_MAIN(TstBoardMesas)
#include "tst_board_mesas.moc"
