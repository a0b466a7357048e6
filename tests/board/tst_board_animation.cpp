// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "markbox.h"
#include "programadepruebas.h"
#include "raton.h"
#include "vuelodecartas.h"

#include <QSettings>
#include <QTest>

using namespace Naipes;

namespace {

QList<CardPicture *> imagenes(DisposicionClasica &t)
{
    QList<CardPicture *> todas;
    for (const auto &grupo : { QList<CardPicture *>(t.mesaimg().begin(), t.mesaimg().end()),
                               QList<CardPicture *>(t.cartap1img().begin(), t.cartap1img().end()),
                               QList<CardPicture *>(t.Image1().begin(), t.Image1().end()),
                               QList<CardPicture *>(t.cartap2img().begin(), t.cartap2img().end()),
                               QList<CardPicture *>(t.montonimg().begin(), t.montonimg().end()) })
        todas += grupo;
    return todas;
}

// What every picture of the board shows: shown or not, its file, its place,
// and whether a flight still empties it.
QStringList vista(DisposicionClasica &t)
{
    QStringList v;
    for (const CardPicture *c : imagenes(t)) {
        const QRect g = c->geometry();
        v << QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                 .arg(c->isVisible())
                 .arg(c->ruta().section(QLatin1Char('/'), -1))
                 .arg(g.x())
                 .arg(g.y())
                 .arg(g.width())
                 .arg(g.height())
                 .arg(c->vaciaEnVuelo() ? QStringLiteral("vacia") : QString());
    }
    return v;
}

bool algunaVacia(DisposicionClasica &t)
{
    const QList<CardPicture *> todas = imagenes(t);
    return std::any_of(todas.begin(), todas.end(),
                       [](const CardPicture *c) { return c->vaciaEnVuelo(); });
}

// Plays oros(1) onto the table; the CPU answers by laying espadas(1).
void jugarOros(BoardFixture &f)
{
    Raton::soltarEnFondo(f.mesa(), 0);
}

} // namespace

class TstBoardAnimation : public QObject
{
    Q_OBJECT

private slots:
    void aMoveEndsWithEveryPictureAsWithoutAnimation();
    void inputDuringAFlightLandsItAndIsHandled();
    void dealtCardsComeFromAboveAndTheCpusFaceDown();
    void settingsTurnFlightsOffOrScaleTheCpus_data();
    void settingsTurnFlightsOffOrScaleTheCpus();
    void savedSettingsDecideWhetherTheCpuMoveFlies();
};

void TstBoardAnimation::aMoveEndsWithEveryPictureAsWithoutAnimation()
{
    BoardFixture animado;
    BoardFixture quieto;
    for (BoardFixture *f : { &animado, &quieto }) {
        QVERIFY(f->iniciar());
        QVERIFY(f->cargar(Posicion::primeraJugada()));
        // Shown at its size before the move: a board laid out anew would move the places.
        QVERIFY(QTest::qWaitForWindowExposed(&f->ventana()));
        QCoreApplication::processEvents();
    }
    AnimadorTablero &a = animado.ventana().animador();
    a.setDuracion(60);
    jugarOros(animado);
    jugarOros(quieto);
    // The CPU's beats wait for the human's card to land; then its card is on its way
    // from its hand, face up: it lands face up.
    QVERIFY(animado.esperarTurno());
    const auto laEspada = static_cast<CardId>(espadas(1));
    QVERIFY(a.enCurso());
    const VueloDeCartas::Vuelo *v = a.vuelos().vuelo(laEspada);
    QVERIFY(v);
    QCOMPARE(v->desde, animado.clasica().Image1()[0]->geometry());
    QCOMPARE(v->hasta, animado.clasica().mesaimg()[2]->geometry());
    QCOMPARE(v->ruta, animado.rutaCarta(espadas(1)));
    QVERIFY(animado.clasica().mesaimg()[2]->vaciaEnVuelo());
    QTRY_VERIFY(!a.enCurso());
    QCOMPARE(vista(animado.clasica()), vista(quieto.clasica()));
    QVERIFY(!algunaVacia(animado.clasica()));
    QVERIFY(!a.vuelos().isVisible());
    // The CPU's beats are the same, in the same order.
    QCOMPARE(animado.pausa().esperas(), quieto.pausa().esperas());
}

void TstBoardAnimation::inputDuringAFlightLandsItAndIsHandled()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    AnimadorTablero &a = f.ventana().animador();
    // The human's card lands at once; the CPU's reply flies for long.
    f.pausa().setDurante([&a] { a.setDuracion(60000); });
    jugarOros(f);
    QVERIFY(a.enCurso());
    a.irA(30000);
    const auto laEspada = static_cast<CardId>(espadas(1));
    const QRectF enMedio = a.vuelos().posicion(laEspada);
    const VueloDeCartas::Vuelo *v = a.vuelos().vuelo(laEspada);
    QVERIFY(v);
    QVERIFY(enMedio.top() > v->hasta.top() || enMedio.top() < v->hasta.top());
    QVERIFY(QRectF(v->desde).united(QRectF(v->hasta)).contains(enMedio));
    QVERIFY(enMedio.toRect() != v->desde && enMedio.toRect() != v->hasta);
    if (!qEnvironmentVariableIsEmpty("ZELBO_CAPTURAS"))
        f.ventana().grab().save(qEnvironmentVariable("ZELBO_CAPTURAS")
                                + QStringLiteral("/carta-en-vuelo.png"));
    // A right click on the hand card lands the flight and marks the card.
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
    QVERIFY(!a.enCurso());
    QVERIFY(!algunaVacia(t));
    QVERIFY(f.estado().marcas.Checkp2[0]);
    QVERIFY(t.Checkp2()[0]->isChecked());
}

void TstBoardAnimation::dealtCardsComeFromAboveAndTheCpusFaceDown()
{
    // Seed 3 lets the human open: nothing follows the first deal.
    BoardFixture f(3);
    AnimadorTablero &a = f.ventana().animador();
    a.setDuracion(60000);
    // Looked at as dealt, before the window system's first resize lands every flight.
    QVERIFY(f.ventana().Form_Load());
    const GameState &e = f.estado();
    DisposicionClasica &t = f.clasica();
    QVERIFY(a.enCurso());
    for (int i = 0; i < 3; ++i) {
        const VueloDeCartas::Vuelo *humano = a.vuelos().vuelo(e.player2.at(i));
        QVERIFY(humano);
        QVERIFY(humano->desde.bottom() < 0);
        QCOMPARE(humano->hasta, t.cartap2img().at(i)->geometry());
        QCOMPARE(humano->ruta, t.cartap2img().at(i)->ruta());
        const VueloDeCartas::Vuelo *cpu = a.vuelos().vuelo(e.player1.at(i));
        QVERIFY(cpu);
        QCOMPARE(cpu->ruta, t.Image1().at(i)->ruta()); // its back, never its face
        QVERIFY(t.cartap1img().at(i)->vaciaEnVuelo());
        QVERIFY(t.Image1().at(i)->vaciaEnVuelo());
    }
    QVERIFY(a.vuelos().vuelo(e.lamesa.at(3)));
    // The game is not held up: a key moves the focus at once, every card in place.
    t.cartap2img()[0]->setFocus();
    QTest::keyClick(t.cartap2img()[0], Qt::Key_Right);
    QVERIFY(!a.enCurso());
    QVERIFY(!algunaVacia(t));
    QVERIFY(!t.cartap2img()[0]->hasFocus());
}

void TstBoardAnimation::settingsTurnFlightsOffOrScaleTheCpus_data()
{
    QTest::addColumn<bool>("animaciones");
    QTest::addColumn<QString>("velocidad");
    QTest::addColumn<bool>("cpu");
    QTest::addColumn<int>("ms");
    QTest::newRow("humano normal") << true << "normal" << false << 200;
    QTest::newRow("humano sin pausas de la cpu") << true << "sinpausas" << false << 200;
    QTest::newRow("cpu lenta") << true << "lenta" << true << 300;
    QTest::newRow("cpu normal") << true << "normal" << true << 200;
    QTest::newRow("cpu rapida") << true << "rapida" << true << 60;
    QTest::newRow("cpu sin pausas") << true << "sinpausas" << true << 0;
    QTest::newRow("cpu desconocida") << true << "turbo" << true << 200;
    QTest::newRow("apagadas humano") << false << "normal" << false << 0;
    QTest::newRow("apagadas cpu lenta") << false << "lenta" << true << 0;
}

void TstBoardAnimation::settingsTurnFlightsOffOrScaleTheCpus()
{
    QFETCH(bool, animaciones);
    QFETCH(QString, velocidad);
    QFETCH(bool, cpu);
    QFETCH(int, ms);
    QCOMPARE(AnimadorTablero::duracion(200, animaciones, velocidad, cpu), ms);
}

void TstBoardAnimation::savedSettingsDecideWhetherTheCpuMoveFlies()
{
    struct Caso
    {
        QVariant animaciones;
        QString velocidad;
        bool vuela;
    };
    for (const Caso &c : { Caso { false, QStringLiteral("normal"), false },
                           Caso { true, QStringLiteral("sinpausas"), false },
                           Caso { {}, QStringLiteral("lenta"), true } }) {
        AjustesDePrueba ajustes;
        QSettings archivo = ajustes.archivo();
        if (c.animaciones.isValid())
            archivo.setValue(QStringLiteral("tablero/animaciones"), c.animaciones);
        archivo.setValue(QStringLiteral("cpu/velocidad"), c.velocidad);
        archivo.sync();
        // The program reads its settings when it starts.
        ajustes.releer();
        BoardFixture f(ajustes);
        QVERIFY(f.iniciar());
        QVERIFY(f.cargar(Posicion::primeraJugada()));
        f.ventana().animador().setDuracion(std::nullopt);
        jugarOros(f);
        QVERIFY(f.esperarTurno());
        QCOMPARE(f.ventana().animador().enCurso(), c.vuela);
        QCOMPARE(algunaVacia(f.clasica()), c.vuela);
        f.ventana().animador().terminar();
    }
}

ZELBO_TEST_MAIN(TstBoardAnimation)
#include "tst_board_animation.moc"
