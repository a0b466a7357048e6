// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkeydriver.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "markbox.h"
#include "mersennerandom.h"
#include "nivelcpu.h"
#include "raton.h"
#include "revisionfrm.h"
#include "rutadeprueba.h"
#include "savedgamefile.h"
#include "velocidadcpu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <utility>

using namespace Naipes;

namespace {

constexpr int kHistoria = 12;
// Milliseconds a card flies in the soak.
constexpr int kVuelo = 4;

bool escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

MonkeyDriver::MonkeyDriver(quint64 semilla)
    : m_azar(semilla)
    , m_fixture(semilla)
    , m_dialogos(m_azar, m_partidas.path())
{
    crearArchivos();
    m_fixture.dir().escribirPreferencias(QStringLiteral("Maquina"), QStringLiteral("Ana"));
    connect(&m_modales, &QTimer::timeout, this, [this] { atenderModal(); });
    m_modales.start(0);
    arrancar();
}

MonkeyDriver::~MonkeyDriver() = default;

// Saves good and damaged, pictures good and damaged, a file that is not there.
void MonkeyDriver::crearArchivos()
{
    const QDir carpeta(m_partidas.path());
    carpeta.mkdir(QStringLiteral("corpus"));
    const auto ruta = [&carpeta](const QString &nombre) {
        return carpeta.filePath(QStringLiteral("corpus/") + nombre);
    };
    const QString buena = ruta(QStringLiteral("buena.dat"));
    SavedGameFile::save(buena, Posicion::primeraJugada().partida());
    QFile f(buena);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    QStringList archivos { buena, ruta(QStringLiteral("no-existe.dat")),
                           m_fixture.dir().ruta(QStringLiteral("dibujo.jpg")) };
    for (int i = 0; i < 4; ++i) {
        const QString cortada = ruta(QStringLiteral("cortada%1.dat").arg(i));
        escribir(cortada, bytes.first(alAzar(static_cast<int>(bytes.size()))));
        QByteArray cambiada = bytes;
        cambiada[alAzar(static_cast<int>(bytes.size()))] = static_cast<char>(alAzar(256));
        const QString otra = ruta(QStringLiteral("cambiada%1.dat").arg(i));
        escribir(otra, cambiada);
        archivos << cortada << otra;
    }
    const QString vacia = ruta(QStringLiteral("vacia.dat"));
    const QString rota = ruta(QStringLiteral("rota.jpg"));
    escribir(vacia, {});
    escribir(rota, QByteArray("\xff\xd8\xff\xe0 roto", 10));
    m_dialogos.setArchivos(archivos << vacia << rota);
}

// The CPU's speed and the language, as the player may have changed them
// between two runs of the program.
void MonkeyDriver::elegirAjustes()
{
    static constexpr VelocidadCpu kVelocidades[]
        = { VelocidadCpu::Lenta, VelocidadCpu::Normal, VelocidadCpu::Rapida,
            VelocidadCpu::SinPausas };
    const VelocidadCpu velocidad = kVelocidades[alAzar(static_cast<int>(std::size(kVelocidades)))];
    m_fixture.ajustes().setVelocidad(velocidad);
    // Destroying the translators takes them out of the application: Spanish again.
    m_idioma.reset();
    const bool ingles = alAzar(4) == 0;
    if (ingles) {
        m_idioma = std::make_unique<IdiomaDelJuego>();
        m_idioma->instalar(IdiomaDelJuego::Idioma::Ingles, rutaDePrueba("ZELBO_TRANSLATIONS_DIR"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    anotar(QStringLiteral("start, speed %1%2")
               .arg(VelocidadesCpu::clave(velocidad),
                    ingles ? QStringLiteral(", English") : QString()));
}

// A new program over the same folders: the last one ended.
void MonkeyDriver::arrancar()
{
    if (m_ventana) {
        // The program's end asked the event loop to quit; a loop that starts
        // and ends clears that, or every later dialog would return at once.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        m_ventana.reset();
        m_conservada.reset();
    }
    elegirAjustes();
    m_azarDelJuego = std::make_unique<MersenneRandom>(m_azar.generate64());
    m_ventana = m_fixture.otraVentana(m_dialogos, *m_azarDelJuego, m_pausa);
    // The kept game and the statistics live in a folder of the player's own.
    m_conservada = std::make_unique<KeptGameKeeper>(
        QDir(m_partidas.path()).filePath(QStringLiteral("usuario")), m_dialogos,
        m_azarDelJuego.get());
    ZelboGame &juego = m_ventana->juego();
    m_conservada->setNivel([&juego] { return NivelesCpu::clave(juego.nivelCpu()); });
    juego.setConservada(m_conservada.get());
    juego.setFuenteDeNivel(
        [this] { return alAzar(2) == 0 ? NivelCpu::Normal : NivelCpu::Dificil; });
    ++m_inicios;
    // Cards still fly, so input lands on flights, but the CPU's turn waits on
    // each landing in real time: at the player's speed the soak would take
    // most of its time waiting.
    m_ventana->animador().setDuracion(kVuelo);
    // The CPU thinks on its own thread, as in the program.
    m_ventana->elegirEnHilo();
    if (m_ventana->Form_Load())
        BoardFixture::verTablero(*m_ventana);
}

QString MonkeyDriver::paso()
{
    // Rare ends of the program, so that games reach their third point.
    const int tipo = alAzar(10000);
    // A window the game opened in the middle of a move waits for the player.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        atenderModal();
    else if (tipo < 3000)
        clic();
    else if (tipo < 6000)
        arrastre();
    else if (tipo < 7200)
        tecla();
    else if (tipo < 8800)
        orden();
    else if (tipo < 9995)
        tamano();
    else {
        anotar(QStringLiteral("close box"));
        m_ventana->close();
    }
    QCoreApplication::processEvents();
    m_pausa.limpiar();
    if (m_ventana->terminado()) {
        if (m_ventana->estadoSalida() != 0)
            return QStringLiteral("the program failed: ") + m_dialogos.ultimoMensaje();
        arrancar();
    }
    return comprobar();
}

QString MonkeyDriver::comprobar() const
{
    if (m_ventana->terminado())
        return m_ventana->estadoSalida() == 0
            ? QString()
            : QStringLiteral("failed at start: ") + m_dialogos.ultimoMensaje();
    const GameState &e = m_ventana->juego().estado();
    if (const QString falta = e.faltaDeConsistencia(); !falta.isEmpty())
        return QStringLiteral("cards: ") + falta;
    if (e.player1.count() > 3 || e.player2.count() > 3)
        return QStringLiteral("a hand holds more than three cards");
    // Only the game's own windows of a move may stay open after a step, and the review,
    // which works on while it is open; the next step deals with either.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && m_ventana->juego().esperaAlJugador() && !qobject_cast<RevisionFrm *>(modal))
        return QStringLiteral("a window stayed open: ") + modal->metaObject()->className();
    if (QWidget *menu = QApplication::activePopupWidget())
        return QStringLiteral("a menu stayed open: ") + menu->metaObject()->className();
    return {};
}

QString MonkeyDriver::ventanasVistas() const
{
    QStringList partes;
    for (const char *texto : { "Contando puntajes", "¿Jugar de nuevo?", "Error leyendo archivo" })
        partes << QStringLiteral("\"%1\" %2")
                      .arg(QString::fromUtf8(texto))
                      .arg(m_dialogos.vecesMostrado(QString::fromUtf8(texto)));
    for (auto it = m_vistas.cbegin(); it != m_vistas.cend(); ++it)
        partes << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    return partes.join(QStringLiteral(", "));
}

void MonkeyDriver::anotar(const QString &evento)
{
    m_historia.append(evento);
    if (m_historia.size() > kHistoria)
        m_historia.removeFirst();
}

// Half the points fall on a control that takes input (a card, a mark, the
// lift button): points anywhere would seldom make a move.
QPoint MonkeyDriver::puntoAlAzar()
{
    const Mesa &mesa = *m_ventana->findChild<Mesa *>();
    const auto *clasica = dynamic_cast<const DisposicionClasica *>(&mesa.disposicion());
    const auto *moderna = dynamic_cast<const DisposicionModerna *>(&mesa.disposicion());
    QList<QWidget *> controles;
    if (clasica)
        controles = { clasica->LevantarBtn(), clasica->CheckMonton()[1] };
    else
        controles = { moderna->levantar() };
    const auto agregar = [&controles](const auto &grupo) {
        for (QWidget *control : grupo)
            controles.append(control);
    };
    agregar(mesa.imagenes(GrupoImagen::cartap2img));
    agregar(mesa.imagenes(GrupoImagen::mesaimg));
    agregar(mesa.imagenes(GrupoImagen::montonimg));
    if (clasica)
        agregar(clasica->Checkp2());
    controles.removeIf([](const QWidget *c) { return !c->isVisible(); });
    if (!controles.isEmpty() && alAzar(2) == 0) {
        const QRect r = controles.at(alAzar(static_cast<int>(controles.size())))->geometry();
        return r.topLeft()
            + QPoint(alAzar(std::max(1, r.width())), alAzar(std::max(1, r.height())));
    }
    return { alAzar(std::max(1, mesa.width())), alAzar(std::max(1, mesa.height())) };
}

void MonkeyDriver::clic()
{
    Mesa &mesa = *m_ventana->findChild<Mesa *>();
    const QPoint punto = puntoAlAzar();
    QWidget *control = Raton::controlEn(mesa, punto);
    const int cual = alAzar(10);
    const Qt::MouseButton boton = cual < 6 ? Qt::LeftButton : Qt::RightButton;
    anotar(QStringLiteral("%1 click %2,%3 on %4")
               .arg(cual == 9 ? QStringLiteral("double") : QString::number(boton))
               .arg(punto.x())
               .arg(punto.y())
               .arg(QString::fromLatin1(control->metaObject()->className())));
    Raton::clicEn(mesa, control, punto, cual == 9 ? Qt::LeftButton : boton, cual == 9);
}

void MonkeyDriver::arrastre()
{
    Mesa &mesa = *m_ventana->findChild<Mesa *>();
    // Mostly from a card of the human's hand, the only pictures that drag.
    QList<QWidget *> mano;
    for (QWidget *carta : mesa.imagenes(GrupoImagen::cartap2img)) {
        if (carta->isVisible())
            mano.append(carta);
    }
    const QPoint desde = !mano.isEmpty() && alAzar(10) < 7
        ? Raton::centro(mano.at(alAzar(static_cast<int>(mano.size()))))
        : puntoAlAzar();
    // Often onto a pile, where a card always goes: hands then come to their end.
    const QPoint hasta = alAzar(10) < 4
        ? Raton::centro(mesa.imagen({ GrupoImagen::montonimg, alAzar(2) }))
        : puntoAlAzar();
    anotar(QStringLiteral("drag %1,%2 to %3,%4")
               .arg(desde.x())
               .arg(desde.y())
               .arg(hasta.x())
               .arg(hasta.y()));
    Raton::arrastrar(mesa, desde, hasta);
}

void MonkeyDriver::tecla()
{
    static constexpr std::pair<Qt::Key, Qt::KeyboardModifiers::Int> kTeclas[] = {
        { Qt::Key_Escape, Qt::NoModifier },
        { Qt::Key_Return, Qt::NoModifier },
        { Qt::Key_Space, Qt::NoModifier },
        { Qt::Key_Tab, Qt::NoModifier },
        { Qt::Key_Left, Qt::NoModifier },
        { Qt::Key_Right, Qt::NoModifier },
        { Qt::Key_Up, Qt::NoModifier },
        { Qt::Key_Down, Qt::NoModifier },
        { Qt::Key_H, Qt::NoModifier },
        { Qt::Key_M, Qt::NoModifier },
        { Qt::Key_F1, Qt::NoModifier },
        { Qt::Key_N, Qt::ControlModifier },
        { Qt::Key_O, Qt::ControlModifier },
        { Qt::Key_S, Qt::ControlModifier },
        { Qt::Key_Q, Qt::ControlModifier },
        { Qt::Key_Z, Qt::ControlModifier },
        { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier },
        { Qt::Key_L, Qt::ControlModifier },
        { Qt::Key_E, Qt::ControlModifier },
        { Qt::Key_A, Qt::NoModifier },
    };
    const auto &[tecla, teclas] = kTeclas[alAzar(static_cast<int>(std::size(kTeclas)))];
    const auto modificador = Qt::KeyboardModifiers(teclas);
    if (tecla == Qt::Key_N && alAzar(50) > 0)
        return; // a new game, mostly left out as in orden()
    QWidget *destino = QApplication::focusWidget();
    if (!destino || destino->window() != m_ventana.get())
        destino = m_ventana.get();
    anotar(QStringLiteral("key %1+%2 to %3")
               .arg(modificador.toInt())
               .arg(tecla)
               .arg(QString::fromLatin1(destino->metaObject()->className())));
    QTest::keyClick(destino, tecla, modificador);
}

void MonkeyDriver::orden()
{
    QList<QAction *> acciones;
    for (QAction *a : m_ventana->findChildren<QAction *>()) {
        if (!a->isSeparator() && !a->text().isEmpty() && !a->menu())
            acciones.append(a);
    }
    if (acciones.isEmpty())
        return;
    QAction *a = acciones.at(alAzar(static_cast<int>(acciones.size())));
    // A new game starts the hand again: mostly left out, so that hands end.
    if (QString(a->text()).remove(QLatin1Char('&'))
            == QCoreApplication::translate("MenusVentana", "Nuevo")
        && alAzar(50) > 0)
        return;
    anotar(QStringLiteral("command ") + a->text());
    a->trigger();
}

void MonkeyDriver::tamano()
{
    if (alAzar(4) == 0) {
        anotar(QStringLiteral("maximized"));
        m_ventana->showMaximized();
        return;
    }
    const QSize nuevo(200 + alAzar(1700), 150 + alAzar(950));
    anotar(QStringLiteral("size %1x%2").arg(nuevo.width()).arg(nuevo.height()));
    m_ventana->showNormal();
    m_ventana->resize(nuevo);
}

// The game's own modal windows: a button of theirs, or closed one way or another.
void MonkeyDriver::atenderModal()
{
    // A context menu (the toolbar's, a text field's) runs a loop of its own too.
    if (QWidget *menu = QApplication::activePopupWidget()) {
        anotar(QStringLiteral("popup closed"));
        menu->close();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal != m_ultimoModal) {
        m_ultimoModal = modal;
        ++m_vistas[QString::fromLatin1(modal->metaObject()->className())];
    }
    const int que = alAzar(10);
    if (que < 3) {
        QList<QAbstractButton *> botones;
        for (QAbstractButton *b : modal->findChildren<QAbstractButton *>()) {
            if (b->isVisible() && b->isEnabled())
                botones.append(b);
        }
        if (!botones.isEmpty()) {
            QAbstractButton *b = botones.at(alAzar(static_cast<int>(botones.size())));
            anotar(QStringLiteral("in %1: %2")
                       .arg(QString::fromLatin1(modal->metaObject()->className()), b->text()));
            b->click();
            return;
        }
    }
    anotar(QStringLiteral("%1 %2").arg(que < 6 ? QStringLiteral("accept") : QStringLiteral("close"),
                                       QString::fromLatin1(modal->metaObject()->className())));
    auto *dialogo = qobject_cast<QDialog *>(modal);
    if (dialogo && que < 6)
        dialogo->accept();
    else if (dialogo && que < 8)
        dialogo->reject();
    else
        modal->close();
}
