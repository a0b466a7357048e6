// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "boardfixture.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "markbox.h"
#include "programadepruebas.h"
#include "raton.h"

#include <QSettings>
#include <QTest>

using namespace Naipes;

namespace {

// What the board shows during one pause of the CPU's turn: the enlarged card
// and the marks on the table and the human's pile.
QString compas(DisposicionClasica &t)
{
    const CardPicture *grande = nullptr;
    for (const auto &grupo : { QList<CardPicture *>(t.mesaimg().begin(), t.mesaimg().end()),
                               QList<CardPicture *>(t.cartap1img().begin(), t.cartap1img().end()),
                               QList<CardPicture *>(t.montonimg().begin(), t.montonimg().end()) }) {
        for (const CardPicture *c : grupo) {
            if (c->isVisible() && (!grande || c->width() > grande->width()))
                grande = c;
        }
    }
    QString marcas;
    for (const MarkBox *m : t.CheckMesa())
        marcas += m->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    marcas += t.CheckMonton()[1]->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    return grande->ruta().section(QLatin1Char('/'), -1) + QLatin1Char(' ') + marcas;
}

struct TurnoVisto
{
    QList<int> esperas;
    QStringList compases;
    bool cargado = false;
};

// The human lays oros(1); the CPU's espadas(1) answers as the position offers.
TurnoVisto turnoDeLaCpu(AjustesJuego &ajustes, const Posicion &p)
{
    BoardFixture f(ajustes);
    TurnoVisto turno;
    turno.cargado = f.iniciar() && f.cargar(p);
    if (!turno.cargado)
        return turno;
    f.pausa().setDurante([&] { turno.compases << compas(f.clasica()); });
    Raton::soltarEnFondo(f.mesa(), 0);
    turno.esperas = f.pausa().esperas();
    return turno;
}

Posicion levantaDosDeLaMesa()
{
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1) };
    p.mesa = { espadas(5), bastos(1), espadas(7) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { copas(9) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 7;
    return p;
}

Posicion seLlevaElMonton()
{
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1) };
    p.mesa = { bastos(1) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { espadas(5) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 3;
    return p;
}

} // namespace

class TstBoardSpeed : public QObject
{
    Q_OBJECT

private slots:
    void cpuPausesScaleAndKeepTheirOrder_data();
    void cpuPausesScaleAndKeepTheirOrder();
};

void TstBoardSpeed::cpuPausesScaleAndKeepTheirOrder_data()
{
    QTest::addColumn<QString>("velocidad");
    QTest::addColumn<QList<int>>("levantar");
    QTest::addColumn<QList<int>>("monton");
    // At Normal: each lifted table card 800 ms, the human's pile 1000, the hand card 1000.
    QTest::newRow("lenta") << "lenta" << QList<int> { 1200, 1200, 1500 }
                           << QList<int> { 1500, 1500 };
    QTest::newRow("normal") << "normal" << QList<int> { 800, 800, 1000 }
                            << QList<int> { 1000, 1000 };
    QTest::newRow("rapida") << "rapida" << QList<int> { 240, 240, 300 } << QList<int> { 300, 300 };
    QTest::newRow("sinpausas") << "sinpausas" << QList<int> { 0, 0, 0 } << QList<int> { 0, 0 };
    QTest::newRow("unknown word: normal")
        << "turbo" << QList<int> { 800, 800, 1000 } << QList<int> { 1000, 1000 };
}

void TstBoardSpeed::cpuPausesScaleAndKeepTheirOrder()
{
    QFETCH(QString, velocidad);
    QFETCH(QList<int>, levantar);
    QFETCH(QList<int>, monton);
    AjustesDePrueba ajustes;
    const TurnoVisto normalLevanta = turnoDeLaCpu(ajustes, levantaDosDeLaMesa());
    const TurnoVisto normalMonton = turnoDeLaCpu(ajustes, seLlevaElMonton());
    QVERIFY(normalLevanta.cargado && normalMonton.cargado);
    // The beats at Normal: each table card marked and shown in turn, then the
    // CPU's card; the human's pile marked and shown, then the CPU's card.
    QCOMPARE(normalLevanta.compases,
             QStringList(
                 { "espadas05.jpg x-------", "espadas07.jpg x-x-----", "espadas01.jpg x-x-----" }));
    QCOMPARE(normalMonton.compases,
             QStringList({ "espadas05.jpg -------x", "espadas01.jpg -------x" }));
    QSettings archivo = ajustes.archivo();
    archivo.setValue(QStringLiteral("cpu/velocidad"), velocidad);
    archivo.sync();
    // The program reads its settings when it starts.
    ajustes.releer();
    const TurnoVisto levanta = turnoDeLaCpu(ajustes, levantaDosDeLaMesa());
    QCOMPARE(levanta.esperas, levantar);
    QCOMPARE(levanta.compases, normalLevanta.compases);
    const TurnoVisto toma = turnoDeLaCpu(ajustes, seLlevaElMonton());
    QCOMPARE(toma.esperas, monton);
    QCOMPARE(toma.compases, normalMonton.compases);
}

ZELBO_TEST_MAIN(TstBoardSpeed)
#include "tst_board_speed.moc"
