// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutfrm.h"
#include "boardfixture.h"
#include "estadisticasfrm.h"
#include "helpwindow.h"
#include "preferenciasfrm.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"
#include "seguimientopartida.h"
#include "statistics.h"
#include "statisticsfile.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTranslator>

namespace {

// Hands every request to the English translation and notes the texts of the game
// it had no translation for. Qt's own contexts (QMessageBox ...) are Qt's business.
class TraduccionVigilada : public QTranslator
{
public:
    explicit TraduccionVigilada(const QTranslator &ingles)
        : m_ingles(ingles)
    {
    }

    QString translate(const char *contexto, const char *texto, const char *aclaracion,
                      int n) const override
    {
        const QString traducido = m_ingles.translate(contexto, texto, aclaracion, n);
        const QByteArray deQt(contexto);
        const bool propioDeQt = deQt.size() > 1 && deQt[0] == 'Q' && QChar(deQt[1]).isUpper();
        if (traducido.isEmpty() && texto && *texto && !propioDeQt)
            m_faltan.insert(QStringLiteral("%1: %2").arg(deQt, QString::fromUtf8(texto)));
        return traducido;
    }
    bool isEmpty() const override { return false; }

    QStringList faltan() const { return m_faltan.values(); }

private:
    const QTranslator &m_ingles;
    mutable QSet<QString> m_faltan;
};

// A text that went round the translation: Spanish letters or everyday Spanish words.
bool pareceEspanol(const QString &texto)
{
    static const QRegularExpression espanol(
        QStringLiteral("[áéíóúñÁÉÍÓÚÑ¿¡]|\\b(de|del|la|el|las|los|tu|tus|con|una|un|y|mesa|"
                       "mont[oó]n|carta|cartas|partida|partidas|juego|jugar|salir|opciones|"
                       "ayuda|archivo|nuevo|abrir|guardar|mano|manos|pista|historial|turno|"
                       "lugar|marca|jugador|nivel|aceptar|cancelar|cerrar|levantar)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return espanol.match(texto).hasMatch();
}

// Every text a player can see or hear from a window and its children.
QStringList textos(QWidget &ventana)
{
    QStringList todos;
    const auto anadir = [&todos](const QString &texto) {
        if (!texto.trimmed().isEmpty())
            todos << texto;
    };
    QList<QWidget *> controles = ventana.findChildren<QWidget *>();
    controles.prepend(&ventana);
    for (QWidget *w : controles) {
        for (const QString &t : { w->windowTitle(), w->toolTip(), w->accessibleName(),
                                  w->accessibleDescription(), w->statusTip(), w->whatsThis() })
            anadir(t);
        if (auto *etiqueta = qobject_cast<QLabel *>(w))
            anadir(etiqueta->text());
        if (auto *boton = qobject_cast<QAbstractButton *>(w))
            anadir(boton->text());
        if (auto *grupo = qobject_cast<QGroupBox *>(w))
            anadir(grupo->title());
        if (auto *menu = qobject_cast<QMenu *>(w))
            anadir(menu->title());
        if (auto *pestanas = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < pestanas->count(); ++i) {
                anadir(pestanas->tabText(i));
                anadir(pestanas->tabToolTip(i));
            }
        }
        if (auto *lista = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < lista->count(); ++i)
                anadir(lista->itemText(i));
        }
        if (auto *lista = qobject_cast<QListWidget *>(w)) {
            for (int i = 0; i < lista->count(); ++i)
                anadir(lista->item(i)->text());
        }
        for (const QAction *accion : w->actions()) {
            anadir(accion->text());
            anadir(accion->toolTip());
        }
    }
    return todos;
}

QStringList sinTraducir(const QStringList &vistos)
{
    QStringList malos;
    for (const QString &texto : vistos) {
        if (pareceEspanol(texto) && !malos.contains(texto))
            malos << texto;
    }
    return malos;
}

// The letters after '&' of each text; a letter twice means one key for two controls.
QStringList atajosRepetidos(const QStringList &vistos)
{
    QSet<QChar> usadas;
    QStringList repetidos;
    for (const QString &texto : vistos) {
        const qsizetype i = texto.indexOf(QLatin1Char('&'));
        if (i < 0 || i + 1 >= texto.size() || texto.at(i + 1) == QLatin1Char('&'))
            continue;
        const QChar letra = texto.at(i + 1).toLower();
        if (usadas.contains(letra))
            repetidos << texto;
        usadas.insert(letra);
    }
    return repetidos;
}

} // namespace

// The whole game in English: the board, every menu, the windows and the questions.
class TstVentanas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boardAndMenusAreAllEnglish();
    void windowsAreAllEnglish();
    void questionsAreAllEnglish();
    void mnemonicsStayUniqueInEnglish();
    void captionStaysZelbomar();

private:
    QTranslator m_ingles;
    std::unique_ptr<TraduccionVigilada> m_vigilada;
    std::unique_ptr<BoardFixture> m_tablero;
};

void TstVentanas::init()
{
    QVERIFY(m_ingles.load(QStringLiteral("zelbo_en"), rutaDePrueba("ZELBO_TRANSLATIONS_DIR")));
    m_vigilada = std::make_unique<TraduccionVigilada>(m_ingles);
    QCoreApplication::installTranslator(m_vigilada.get());
    m_tablero = std::make_unique<BoardFixture>();
    QVERIFY(m_tablero->iniciar());
}

void TstVentanas::cleanup()
{
    m_tablero.reset();
    QCoreApplication::removeTranslator(m_vigilada.get());
    QVERIFY2(m_vigilada->faltan().isEmpty(), qPrintable(m_vigilada->faltan().join(u'\n')));
    m_vigilada.reset();
}

void TstVentanas::boardAndMenusAreAllEnglish()
{
    ZelboFrm &ventana = m_tablero->ventana();
    // A few moves, so the history, the status bar and the turn sign have their say.
    m_tablero->ventana().teclado().darPista();
    ventana.seguimiento().dock()->show();
    QStringList vistos = textos(ventana);
    vistos << ventana.statusBar()->currentMessage();
    for (QMenu *menu : ventana.menuBar()->findChildren<QMenu *>()) {
        menu->popup(QPoint());
        vistos << textos(*menu);
        menu->hide();
    }
    QVERIFY(vistos.contains(QStringLiteral("&File")));
    QVERIFY(vistos.contains(QStringLiteral("Take")));
    QVERIFY2(sinTraducir(vistos).isEmpty(), qPrintable(sinTraducir(vistos).join(u'\n')));
}

void TstVentanas::windowsAreAllEnglish()
{
    ZelboFrm &ventana = m_tablero->ventana();
    const QString carpeta = m_tablero->dir().path();
    QStringList vistos;
    preferenciasfrm opciones(ventana.juego(), m_tablero->ajustes(), m_tablero->dialogos(),
                             &ventana);
    vistos << textos(opciones);
    Statistics estadisticas;
    const StatisticsFile archivo(carpeta);
    EstadisticasFrm ventanaEstadisticas(estadisticas, archivo, m_tablero->dialogos(), &ventana);
    vistos << textos(ventanaEstadisticas);
    WinnerDialogFrm resultados(carpeta, &ventana);
    resultados.mostrarResultado(QStringLiteral("Ana"), 3, 1, ResultadoDeMano::Ganador::Humano);
    vistos << textos(resultados);
    Aboutfrm acercaDe(carpeta, &ventana);
    vistos << textos(acercaDe);
    HelpWindow ayuda(carpeta, &ventana);
    vistos << ayuda.windowTitle();
    QVERIFY(HelpWindow::rutaAyuda(carpeta).endsWith(QStringLiteral("/ayuda_en.html")));
    QVERIFY(vistos.contains(QStringLiteral("Options")));
    QVERIFY(vistos.contains(QStringLiteral("Winner Ana")));
    QVERIFY(vistos.contains(QStringLiteral("You won the game")));
    QVERIFY2(sinTraducir(vistos).isEmpty(), qPrintable(sinTraducir(vistos).join(u'\n')));
}

void TstVentanas::questionsAreAllEnglish()
{
    ZelboGame &juego = m_tablero->ventana().juego();
    FakeDialogs &dialogos = m_tablero->dialogos();
    dialogos.limpiar();
    dialogos.responder(DialogService::Respuesta::Cancel);
    juego.ordenar(OrdenDelJuego::Salir);
    QCOMPARE(dialogos.mensajes().size(), 1);
    QCOMPARE(dialogos.mensajes().first().titulo, QStringLiteral("Quit"));
    QCOMPARE(dialogos.mensajes().first().texto, QStringLiteral("Quit the game?"));
    dialogos.responder(DialogService::Respuesta::Cancel);
    juego.ordenar(OrdenDelJuego::Abrir);
    juego.ordenar(OrdenDelJuego::Nombre);
    juego.ordenar(OrdenDelJuego::ElegirPartida);
    QStringList vistos;
    for (const FakeDialogs::Mensaje &m : dialogos.mensajes())
        vistos << m.texto << m.titulo;
    vistos << dialogos.preguntas() << dialogos.titulosPreguntas();
    QCOMPARE(dialogos.preguntas().size(), 2);
    QVERIFY2(sinTraducir(vistos).isEmpty(), qPrintable(sinTraducir(vistos).join(u'\n')));
}

void TstVentanas::mnemonicsStayUniqueInEnglish()
{
    ZelboFrm &ventana = m_tablero->ventana();
    QList<QStringList> grupos;
    QStringList titulos;
    const QRegularExpression conLetra(QStringLiteral("&\\w"));
    for (QMenu *menu : ventana.menuBar()->findChildren<QMenu *>()) {
        QStringList entradas;
        for (const QAction *accion : menu->actions()) {
            // Every item of the menus keeps a letter of its own in English too.
            QVERIFY2(accion->isSeparator() || accion->text().contains(conLetra),
                     qPrintable(accion->text()));
            entradas << accion->text();
        }
        grupos << entradas;
    }
    for (const QAction *menu : ventana.menuBar()->actions())
        titulos << menu->text();
    QCOMPARE(titulos.filter(conLetra).size(), 4);
    grupos << titulos;
    preferenciasfrm opciones(ventana.juego(), m_tablero->ajustes(), m_tablero->dialogos(),
                             &ventana);
    grupos << textos(opciones);
    Statistics estadisticas;
    const StatisticsFile archivo(m_tablero->dir().path());
    EstadisticasFrm ventanaEstadisticas(estadisticas, archivo, m_tablero->dialogos(), &ventana);
    grupos << textos(ventanaEstadisticas);
    int conAtajo = 0;
    for (const QStringList &grupo : grupos) {
        conAtajo
            += static_cast<int>(grupo.filter(QRegularExpression(QStringLiteral("&\\w"))).size());
        QVERIFY2(atajosRepetidos(grupo).isEmpty(), qPrintable(atajosRepetidos(grupo).join(u'\n')));
    }
    QVERIFY(conAtajo > 0);
}

void TstVentanas::captionStaysZelbomar()
{
    QCOMPARE(m_tablero->ventana().windowTitle(), QStringLiteral("Zelbomar"));
}

ZELBO_TEST_MAIN(TstVentanas)
#include "tst_ventanas.moc"
