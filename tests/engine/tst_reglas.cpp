// SPDX-License-Identifier: GPL-3.0-or-later

#include "bancodejuego.h"
#include "electordificil.h"
#include "legalidad.h"
#include "mersennerandom.h"
#include "partidasdeprueba.h"
#include "pista.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "testprogramdir.h"

#include <QHash>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

using Tipo = Jugada::Tipo;

namespace {

const QString kTienes = QStringLiteral("Tienes cartas para levantar");
const QString kUnaSola = QStringLiteral("Debes seleccionar solo una de tus cartas");
const QString kALaVez = QStringLiteral("No puedes levantar cartas y el monton a la vez");
const QString kSelecciona = QStringLiteral("Selecciona una carta de la mesa");
const QString kMismoTipo = QStringLiteral("Solo puedes levantar cartas de un mismo tipo");
const QString kMontonYLevantar
    = QStringLiteral("No puedes poner la carta en tu montón y levantar a la vez");
const QString kNada = QStringLiteral("No has marcado ninguna carta");

// The verdict an input must get: the move it plays, or the message it refuses
// with (none for a drop on a table card).
struct Veredicto
{
    std::optional<Jugada> jugada;
    QStringList avisos;
};

Veredicto siEsLegal(const GameState &e, const Jugada &j, const QString &rechazo)
{
    if (Legalidad::esLegal(e, j, Lado::Humano))
        return { j, {} };
    return { std::nullopt, rechazo.isEmpty() ? QStringList {} : QStringList { rechazo } };
}

// The marked hand slots and table places that hold a card.
QList<int> marcadas(const GameState &e, bool mesa)
{
    QList<int> lugares;
    const int n = mesa ? std::min(e.lamesa.count(), Marcas::kMesa) : e.player2.count();
    for (int i = 0; i < n; ++i)
        if (e.marcas.de(mesa ? GrupoMarca::CheckMesa : GrupoMarca::Checkp2, i))
            lugares << i;
    return lugares;
}

// The Levantar button: its checks in their order, then the rules.
Veredicto deLevantar(const GameState &e)
{
    const QList<int> mano = marcadas(e, false);
    const QList<int> mesa = marcadas(e, true);
    const bool monton = e.marcas.CheckMonton[0];
    if (mano.size() != 1)
        return { std::nullopt, { kUnaSola } };
    if (monton && !mesa.isEmpty())
        return { std::nullopt, { kALaVez } };
    if (!monton && mesa.isEmpty())
        return { std::nullopt, { kSelecciona } };
    const Jugada j = monton
        ? Jugada { Tipo::LevantarMonton, mano.first(), {} }
        : Jugada { Tipo::LevantarMesa, mano.first(), { mesa.begin(), mesa.end() } };
    return siEsLegal(e, j, kMismoTipo);
}

// Enter: exactly the marked move, the own pile's mark included.
Veredicto deIntro(const GameState &e)
{
    const QList<int> mano = marcadas(e, false);
    const bool levanta = !marcadas(e, true).isEmpty() || e.marcas.CheckMonton[0];
    const bool alMonton = e.marcas.CheckMonton[1];
    if (mano.isEmpty() && !levanta && !alMonton)
        return { std::nullopt, { kNada } };
    if (mano.size() != 1 || (levanta && !alMonton))
        return deLevantar(e);
    if (levanta)
        return { std::nullopt, { kMontonYLevantar } };
    if (alMonton)
        return { Jugada { Tipo::AlMonton, mano.first(), {} }, {} };
    return siEsLegal(e, { Tipo::Tirar, mano.first(), {} }, kTienes);
}

// A drop on table place lugar: that card with the marked ones the card may lift.
Veredicto deSoltarEnMesa(const GameState &e, int slot, int lugar)
{
    const Jugada una { Tipo::LevantarMesa, slot, { lugar } };
    if (!Legalidad::esLegal(e, una, Lado::Humano))
        return {};
    QList<int> lugares { lugar };
    for (int i : marcadas(e, true))
        if (i != lugar
            && Legalidad::esLegal(e, Jugada { Tipo::LevantarMesa, slot, { i } }, Lado::Humano))
            lugares << i;
    std::sort(lugares.begin(), lugares.end());
    return { Jugada { Tipo::LevantarMesa, slot, { lugares.begin(), lugares.end() } }, {} };
}

// Tries every input of each human turn of a seeded game: each drop of each
// hand card, and random marks followed by Levantar, Enter or a drop on a table
// card. A move played is taken back; then a random legal move, marked and
// played with Enter, leads to the next turn.
class Sondeo
{
public:
    Sondeo(const QString &dir, quint64 semilla)
        : m_banco(dir, semilla)
        , m_azar(~semilla)
    {
    }

    // The first fault found, or an empty text.
    QString turno();
    // Per input, how many moves it played and how many it refused; the refusals seen.
    const QHash<QString, QPair<int, int>> &cuentas() const { return m_cuentas; }
    const QSet<QString> &rechazos() const { return m_rechazos; }

private:
    bool probar(const QString &que, const std::function<void(ZelboGame &)> &entrada,
                const Veredicto &v, const QString &base);
    bool probarMarcas(int vez, const QString &base);
    bool falta(const QString &texto);
    bool azar(double p) { return m_azar.next() < p; }
    int entre(int n) { return std::min(n - 1, static_cast<int>(n * m_azar.next())); }
    void marcarAlAzar();
    void desmarcar();

    BancoDeJuego m_banco;
    MersenneRandom m_azar;
    QString m_falta;
    QHash<QString, QPair<int, int>> m_cuentas;
    QSet<QString> m_rechazos;
};

bool Sondeo::falta(const QString &texto)
{
    if (m_falta.isEmpty())
        m_falta = texto;
    return false;
}

// Carries the input out and checks its verdict; a move played is taken back
// to base unless base is empty. False when the turn cannot be tried further.
bool Sondeo::probar(const QString &que, const std::function<void(ZelboGame &)> &entrada,
                    const Veredicto &v, const QString &base)
{
    const GameState antes = m_banco.estado();
    const BancoDeJuego::Efecto efecto = m_banco.probar(entrada);
    if (efecto.avisos != v.avisos)
        return falta(QStringLiteral("%1 told \"%2\" rather than \"%3\"")
                         .arg(que, efecto.avisos.join(QStringLiteral(" / ")),
                              v.avisos.join(QStringLiteral(" / "))));
    if (!v.jugada) {
        if (efecto.jugada)
            return falta(que + QStringLiteral(" played a move it must refuse"));
        ++m_cuentas[que].second;
        m_rechazos += QSet<QString>(v.avisos.begin(), v.avisos.end());
        return true;
    }
    if (!efecto.jugada)
        return falta(que + QStringLiteral(" refused a move it must play"));
    if (!Legalidad::esLegal(antes, *v.jugada, Lado::Humano))
        return falta(que + QStringLiteral(" played an illegal move"));
    if (!BancoDeJuego::iguales(*efecto.jugada, BancoDeJuego::tras(antes, *v.jugada)))
        return falta(que + QStringLiteral(" played another move"));
    ++m_cuentas[que].first;
    return base.isEmpty() || m_banco.volver(base);
}

void Sondeo::marcarAlAzar()
{
    ZelboGame &j = m_banco.juego();
    const GameState &e = m_banco.estado();
    const auto mano = [&] {
        for (int i = 0; i < e.player2.count(); ++i)
            if (azar(0.4))
                j.pulsar({ GrupoImagen::cartap2img, i });
    };
    // Table marks set before the hand card are not tested when they are set.
    const bool manoPrimero = azar(0.7);
    if (manoPrimero)
        mano();
    for (int l = 0; l < std::min(e.lamesa.count(), Marcas::kMesa); ++l)
        if (azar(0.3))
            j.pulsar({ GrupoImagen::mesaimg, l });
    if (azar(0.3))
        j.pulsar({ GrupoImagen::montonimg, 0 });
    if (azar(0.3))
        j.alternarMarca({ GrupoImagen::montonimg, 1 });
    if (!manoPrimero)
        mano();
}

// A mark is cleared by the click that set it, untested.
void Sondeo::desmarcar()
{
    ZelboGame &j = m_banco.juego();
    const Marcas m = m_banco.estado().marcas;
    for (int i = 0; i < Marcas::kMano; ++i)
        if (m.Checkp2.at(std::size_t(i)))
            j.alternarMarca({ GrupoImagen::cartap2img, i });
    for (int l = 0; l < Marcas::kMesa; ++l)
        if (m.CheckMesa.at(std::size_t(l)))
            j.pulsar({ GrupoImagen::mesaimg, l });
    if (m.CheckMonton[0])
        j.pulsar({ GrupoImagen::montonimg, 0 });
    if (m.CheckMonton[1])
        j.alternarMarca({ GrupoImagen::montonimg, 1 });
}

bool Sondeo::probarMarcas(int vez, const QString &base)
{
    marcarAlAzar();
    const GameState e = m_banco.estado();
    const int lugares = std::min(e.lamesa.count(), Marcas::kMesa);
    bool sigue = true;
    if (vez % 3 == 0) {
        sigue = probar(
            QStringLiteral("Levantar"), [](ZelboGame &j) { j.intentar(Intento::levantar()); },
            deLevantar(e), base);
    } else if (vez % 3 == 1) {
        sigue = probar(
            QStringLiteral("Enter"), [](ZelboGame &j) { j.intentar(Intento::jugarMarcas()); },
            deIntro(e), base);
    } else if (lugares > 0) {
        const int slot = entre(e.player2.count());
        const int lugar = entre(lugares);
        sigue = probar(
            QStringLiteral("a drop on a marked table"),
            [slot, lugar](ZelboGame &j) { j.intentar(Intento::soltarEnMesa(slot, lugar)); },
            deSoltarEnMesa(e, slot, lugar), base);
    }
    if (sigue && Posicion::texto(m_banco.estado()) != base)
        desmarcar();
    return sigue
        && (Posicion::texto(m_banco.estado()) == base
            || falta(QStringLiteral("the marks of a refused input could not be cleared")));
}

QString Sondeo::turno()
{
    const GameState e = m_banco.estado();
    const QString base = Posicion::texto(e);
    bool sigue = true;
    for (int s = 0; sigue && s < e.player2.count(); ++s) {
        sigue = probar(
                    QStringLiteral("a drop on the felt"),
                    [s](ZelboGame &j) { j.intentar(Intento::tirar(s)); },
                    siEsLegal(e, { Tipo::Tirar, s, {} }, kTienes), base)
            && probar(
                    QStringLiteral("a drop on a pile"),
                    [s](ZelboGame &j) { j.intentar(Intento::alMonton(s)); },
                    { Jugada { Tipo::AlMonton, s, {} }, {} }, base);
        for (int l = 0; sigue && l < std::min(e.lamesa.count(), Marcas::kMesa); ++l)
            sigue = probar(
                QStringLiteral("a drop on a table card"),
                [s, l](ZelboGame &j) { j.intentar(Intento::soltarEnMesa(s, l)); },
                deSoltarEnMesa(e, s, l), base);
    }
    for (int vez = 0; sigue && vez < 9; ++vez)
        sigue = probarMarcas(vez, base);
    if (sigue) {
        const std::vector<Jugada> legales = Legalidad::legales(e, Lado::Humano);
        const Jugada j = legales.at(std::size_t(entre(int(legales.size()))));
        probar(
            QStringLiteral("a legal move marked, then Enter"),
            [&j](ZelboGame &juego) {
                juego.marcarJugada(j);
                juego.intentar(Intento::jugarMarcas());
            },
            { j, {} }, QString());
    }
    return m_falta;
}

} // namespace

class TestReglas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyHintIsPlayedByItsMarksAndEnter_data();
    void everyHintIsPlayedByItsMarksAndEnter();
    void everyInputPathPlaysOnlyLegalMovesWithOneVerdict();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestReglas::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Maquina"), QStringLiteral("Ana")));
}

void TestReglas::everyHintIsPlayedByItsMarksAndEnter_data()
{
    QTest::addColumn<bool>("dificil");
    QTest::newRow("Normal") << false;
    QTest::newRow("Difícil") << true;
}

// At every human turn the level's hint marks its move, as H does, and Enter
// plays it: never a refusal, and the lists afterwards are the move's.
void TestReglas::everyHintIsPlayedByItsMarksAndEnter()
{
    QFETCH(bool, dificil);
    constexpr int kPartidas = partidasDePrueba(120);
    // Few deals a move: the moves compared, and so the kinds of hint, are the same.
    ElectorDificil elector(ElectorDificil::kSemilla, 2);
    int posiciones = 0;
    QSet<Tipo> tipos;
    for (quint64 semilla = 1; semilla <= kPartidas; ++semilla) {
        BancoDeJuego banco(m_dir->path(), semilla);
        banco.dialogos().responder(DialogService::Respuesta::No);
        while (!banco.juego().terminado() && !banco.estado().player2.isEmpty()) {
            const GameState antes = banco.estado();
            const Jugada j = dificil ? elector.elegir(antes, Lado::Humano) : Pista::normal(antes);
            const BancoDeJuego::Efecto efecto = banco.probar([&j](ZelboGame &juego) {
                juego.marcarJugada(j);
                juego.intentar(Intento::jugarMarcas());
            });
            const QString donde = QStringLiteral("seed %1, move %2: ").arg(semilla).arg(posiciones);
            QVERIFY2(efecto.jugada && efecto.avisos.isEmpty(),
                     qPrintable(donde + efecto.avisos.join(QStringLiteral(" / "))));
            QVERIFY2(BancoDeJuego::iguales(*efecto.jugada, BancoDeJuego::tras(antes, j)),
                     qPrintable(donde + "another move"));
            tipos.insert(j.tipo);
            ++posiciones;
        }
        QVERIFY(banco.juego().terminado());
    }
    QVERIFY(posiciones > 40 * kPartidas);
    QVERIFY(tipos.contains(Tipo::LevantarMesa) && tipos.contains(Tipo::LevantarMonton)
            && tipos.contains(Tipo::Tirar));
    // Difícil also puts cards on its own pile, the move Enter once ignored.
    QCOMPARE(tipos.contains(Tipo::AlMonton), dificil);
}

void TestReglas::everyInputPathPlaysOnlyLegalMovesWithOneVerdict()
{
    constexpr int kSemillas = partidasDePrueba(50);
    constexpr int kTurnos = 60;
    QHash<QString, QPair<int, int>> cuentas;
    QSet<QString> rechazos;
    for (quint64 semilla = 1; semilla <= kSemillas; ++semilla) {
        Sondeo sondeo(m_dir->path(), semilla);
        for (int turno = 0; turno < kTurnos; ++turno) {
            const QString falta = sondeo.turno();
            QVERIFY2(
                falta.isEmpty(),
                qPrintable(
                    QStringLiteral("seed %1, turn %2: %3").arg(semilla).arg(turno).arg(falta)));
        }
        for (auto it = sondeo.cuentas().begin(); it != sondeo.cuentas().end(); ++it) {
            cuentas[it.key()].first += it.value().first;
            cuentas[it.key()].second += it.value().second;
        }
        rechazos += sondeo.rechazos();
    }
    // Every input played moves, and each that can refuse did, with every message.
    for (auto it = cuentas.begin(); it != cuentas.end(); ++it) {
        QVERIFY2(it.value().first > 100, qPrintable(it.key()));
        const bool rechaza = it.key() != QStringLiteral("a drop on a pile")
            && it.key() != QStringLiteral("a legal move marked, then Enter");
        QVERIFY2((it.value().second > 100) == rechaza, qPrintable(it.key()));
    }
    QCOMPARE(cuentas.size(), 7);
    QCOMPARE(rechazos,
             QSet<QString>(
                 { kTienes, kUnaSola, kALaVez, kSelecciona, kMismoTipo, kMontonYLevantar, kNada }));
}

ZELBO_TEST_GUILESS_MAIN(TestReglas)
#include "tst_reglas.moc"
