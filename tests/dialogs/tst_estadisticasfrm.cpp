// SPDX-License-Identifier: GPL-3.0-or-later

#include "estadisticasfrm.h"
#include "fakedialogs.h"
#include "graficopartidas.h"
#include "keptgamestats.h"
#include "programadepruebas.h"
#include "statistics.h"
#include "statisticsfile.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAna = QStringLiteral("Ana");
const QString kLuis = QStringLiteral("Luis");

void jugar(Statistics &s, const QString &jugador, const QString &nivel, GameResult resultado,
           const QList<std::pair<int, int>> &manos)
{
    KeptGameStats partida(jugador, nivel);
    partida.moveMade();
    int numero = 0;
    for (const auto &[humano, cpu] : manos)
        partida.handEnded(++numero, humano, cpu);
    s.commit(partida, resultado);
}

} // namespace

class TestEstadisticasFrm : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void figuresFollowTheSelection_data();
    void figuresFollowTheSelection();
    void noGamesShowsNoShare();
    void everyControlHasAKeyAndAName();
    void resetAsksFirst_data();
    void resetAsksFirst();
    void chartShowsEachGameInItsPlace();

private:
    static void elegir(QComboBox *combo, const QString &dato);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StatisticsFile> m_archivo;
    Statistics m_estadisticas;
    FakeDialogs m_dialogos;
};

void TestEstadisticasFrm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_archivo = std::make_unique<StatisticsFile>(m_dir->path());
    m_dialogos = FakeDialogs();
    m_estadisticas = Statistics();
    jugar(m_estadisticas, kAna, Statistics::kNormal, GameResult::Won,
          { { 24, 16 }, { 20, 20 }, { 22, 18 }, { 27, 13 } });
    jugar(m_estadisticas, kAna, Statistics::kDificil, GameResult::Lost,
          { { 10, 30 }, { 12, 28 }, { 21, 19 }, { 15, 25 } });
    jugar(m_estadisticas, kLuis, Statistics::kNormal, GameResult::Abandoned, { { 19, 21 } });
    jugar(m_estadisticas, kAna, Statistics::kNormal, GameResult::Won,
          { { 30, 10 }, { 25, 15 }, { 23, 17 } });
}

void TestEstadisticasFrm::elegir(QComboBox *combo, const QString &dato)
{
    const int indice = combo->findData(dato);
    QVERIFY2(indice >= 0, qPrintable(dato));
    combo->setCurrentIndex(indice);
}

void TestEstadisticasFrm::figuresFollowTheSelection_data()
{
    QTest::addColumn<QString>("jugador");
    QTest::addColumn<QString>("nivel");
    // partidas, ganadas, perdidas, abandonadas, porcentaje, manos ganadas/perdidas/empatadas,
    // mayor montón, racha actual, racha más larga
    QTest::addColumn<QStringList>("cifras");
    QTest::newRow("everybody") << QString() << QString()
                               << QStringList { "4", "2", "1",  "1", "50 %", "7",
                                                "4", "1", "30", "1", "1" };
    QTest::newRow("Ana, every level")
        << kAna << QString()
        << QStringList { "3", "2", "1", "0", "67 %", "7", "3", "1", "30", "1", "1" };
    QTest::newRow("Ana, normal") << kAna << Statistics::kNormal
                                 << QStringList { "2", "2", "0",  "0", "100 %", "6",
                                                  "0", "1", "30", "2", "2" };
    QTest::newRow("Ana, hard") << kAna << Statistics::kDificil
                               << QStringList { "1", "0", "1",  "0", "0 %", "1",
                                                "3", "0", "21", "0", "0" };
    QTest::newRow("Luis, hard") << kLuis << Statistics::kDificil
                                << QStringList { "0", "0", "0", "0", "—", "0",
                                                 "0", "0", "—", "0", "0" };
}

void TestEstadisticasFrm::figuresFollowTheSelection()
{
    QFETCH(QString, jugador);
    QFETCH(QString, nivel);
    QFETCH(QStringList, cifras);
    EstadisticasFrm ventana(m_estadisticas, *m_archivo, m_dialogos);
    elegir(ventana.findChild<QComboBox *>("cboJugador"), jugador);
    elegir(ventana.findChild<QComboBox *>("cboNivel"), nivel);
    const QStringList claves { "partidas",     "ganadas",       "perdidas",       "abandonadas",
                               "porcentaje",   "manos_ganadas", "manos_perdidas", "manos_empatadas",
                               "mayor_monton", "racha_actual",  "racha_mas_larga" };
    QStringList vistas;
    QStringList oidas;
    for (const QString &clave : claves) {
        vistas << ventana.cifra(clave);
        oidas << ventana.findChild<QLabel *>(clave)->accessibleName();
    }
    QCOMPARE(vistas, cifras);
    // A screen reader hears each figure, with what it counts.
    for (qsizetype i = 0; i < claves.size(); ++i)
        QVERIFY2(oidas.at(i).endsWith(QStringLiteral(": ") + cifras.at(i)),
                 qPrintable(oidas.at(i)));
    QCOMPARE(oidas.at(5), QStringLiteral("Manos, ganadas: ") + cifras.at(5));
}

void TestEstadisticasFrm::noGamesShowsNoShare()
{
    Statistics vacias;
    EstadisticasFrm ventana(vacias, *m_archivo, m_dialogos);
    QCOMPARE(ventana.cifra("partidas"), QStringLiteral("0"));
    QCOMPARE(ventana.cifra("porcentaje"), QStringLiteral("—"));
    QCOMPARE(ventana.findChild<QComboBox *>("cboJugador")->count(), 1);
    QCOMPARE(ventana.findChild<GraficoPartidas *>()->accessibleDescription(),
             QStringLiteral("Todavía no hay partidas."));
}

// A combo is reached by the mnemonic of its label, a button by its own; each has a name a
// screen reader can say, and every figure too.
void TestEstadisticasFrm::everyControlHasAKeyAndAName()
{
    EstadisticasFrm ventana(m_estadisticas, *m_archivo, m_dialogos);
    QSet<QWidget *> conTecla;
    QSet<QChar> teclas;
    for (QLabel *etiqueta : ventana.findChildren<QLabel *>()) {
        if (etiqueta->buddy() && etiqueta->text().contains(u'&')) {
            conTecla.insert(etiqueta->buddy());
            teclas.insert(etiqueta->text().at(etiqueta->text().indexOf(u'&') + 1).toLower());
        } else if (etiqueta->accessibleName().isEmpty() && !etiqueta->objectName().isEmpty()) {
            QFAIL(qPrintable(etiqueta->objectName() + " has no accessible name"));
        }
    }
    for (QPushButton *boton : ventana.findChildren<QPushButton *>()) {
        QVERIFY2(boton->text().contains(u'&'), qPrintable(boton->text()));
        conTecla.insert(boton);
        teclas.insert(boton->text().at(boton->text().indexOf(u'&') + 1).toLower());
    }
    const QList<QWidget *> controles { ventana.findChild<QComboBox *>("cboJugador"),
                                       ventana.findChild<QComboBox *>("cboNivel"),
                                       ventana.findChild<QPushButton *>("cmdReiniciar"),
                                       ventana.findChild<QPushButton *>("cmdCerrar") };
    for (QWidget *control : controles) {
        QVERIFY(control);
        QVERIFY2(conTecla.contains(control), qPrintable(control->objectName()));
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
        if (auto *lista = qobject_cast<QComboBox *>(control))
            QCOMPARE(lista->accessibleDescription(), lista->currentText());
    }
    QCOMPARE(teclas.size(), controles.size());
    QVERIFY(!ventana.findChild<GraficoPartidas *>()->accessibleName().isEmpty());
}

void TestEstadisticasFrm::resetAsksFirst_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("Sí clears") << true;
    QTest::newRow("No keeps") << false;
}

void TestEstadisticasFrm::resetAsksFirst()
{
    QFETCH(bool, si);
    QVERIFY(m_archivo->save(m_estadisticas));
    EstadisticasFrm ventana(m_estadisticas, *m_archivo, m_dialogos);
    elegir(ventana.findChild<QComboBox *>("cboJugador"), kAna);
    m_dialogos.responder(si ? DialogService::Respuesta::Yes : DialogService::Respuesta::No);
    ventana.findChild<QPushButton *>("cmdReiniciar")->click();

    QCOMPARE(m_dialogos.mensajes().size(), 1);
    const FakeDialogs::Mensaje pregunta = m_dialogos.mensajes().first();
    QCOMPARE(pregunta.titulo, QStringLiteral("Reiniciar estadísticas"));
    QCOMPARE(pregunta.botones, DialogService::Botones::YesNo);
    // Nothing brings the figures back: Enter, Esc and the close box keep them.
    QVERIFY(pregunta.opciones.noPorDefecto);
    QVERIFY(pregunta.opciones.escapeEsNo);
    QCOMPARE(ventana.cifra("partidas"), si ? QStringLiteral("0") : QStringLiteral("3"));
    QCOMPARE(m_estadisticas.isEmpty(), si);
    QCOMPARE(m_archivo->load().statistics.isEmpty(), si);
    QCOMPARE(ventana.findChild<QComboBox *>("cboJugador")->count(), si ? 1 : 3);
}

void TestEstadisticasFrm::chartShowsEachGameInItsPlace()
{
    GraficoPartidas grafico;
    grafico.resize(grafico.sizeHint());
    const QList<GameResult> resultados { GameResult::Won, GameResult::Lost, GameResult::Abandoned,
                                         GameResult::Won };
    grafico.setResultados(resultados);
    const QImage imagen = grafico.grab().toImage();
    const int medio = grafico.height() / 2;
    for (int i = 0; i < resultados.size(); ++i) {
        const QRect barra = grafico.barra(i);
        const QPoint centro = barra.center();
        QCOMPARE(QColor(imagen.pixel(centro)), GraficoPartidas::color(resultados.at(i)));
        QVERIFY(barra.right() < grafico.barra(i + 1).left());
        // Won above the middle line, lost below it.
        if (resultados.at(i) == GameResult::Won)
            QVERIFY(barra.bottom() < medio + 1);
        if (resultados.at(i) == GameResult::Lost)
            QVERIFY(barra.top() >= medio);
    }
    // The place after the last game stays empty.
    QCOMPARE(QColor(imagen.pixel(grafico.barra(4).center().x(), medio / 2)),
             grafico.palette().base().color());
    QCOMPARE(grafico.accessibleDescription(),
             QStringLiteral("De la más antigua a la más reciente: ganada, perdida, abandonada, "
                            "ganada."));
}

ZELBO_TEST_MAIN(TestEstadisticasFrm)
#include "tst_estadisticasfrm.moc"
