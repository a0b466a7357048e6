// SPDX-License-Identifier: GPL-3.0-or-later

#include "capturador.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "dialogosautomaticos.h"
#include "estimadorvictoria.h"
#include "mersennerandom.h"
#include "pausainmediata.h"
#include "preferencesfile.h"
#include "preferencevalues.h"
#include "reglascompactas.h"
#include "revisionfrm.h"
#include "seguimientopartida.h"
#include "tecladotablero.h"
#include "vistadificil.h"
#include "zelbofrm.h"
#include "zelbogame.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

// The deal of the pictures: the CPU starts, the hint has cards to lift, and
// the worst move of the last round costs the player a point or more.
constexpr std::uint64_t kSemilla = 8;
constexpr int kAncho = 800;
// Generous: the sanitizer build runs the review many times slower.
constexpr int kEsperaMaxima = 300000;

// Marks the move the chance to win rates worst, as a player who errs: the
// review then has a mistake to show.
void marcarLaPeor(ZelboFrm &ventana)
{
    const VistaDificil vista = VistaDificil::desdeEstado(ventana.juego().estado(), Lado::Humano);
    const std::vector<MovimientoCompacto> movimientos = ReglasCompactas::movimientos(
        vista.posicion, Lado::Humano, ReglasCompactas::Alcance::Representativas);
    const std::vector<double> chances = EstimadorVictoria().compararMovimientos(vista, movimientos);
    const auto peor = std::min_element(chances.begin(), chances.end()) - chances.begin();
    ventana.juego().marcarJugada(movimientos[static_cast<std::size_t>(peor)].comoJugada());
}

// Runs the event loop until listo() or the time is up.
bool esperar(const std::function<bool()> &listo, int milisegundos = kEsperaMaxima)
{
    QDeadlineTimer plazo(milisegundos);
    while (!listo()) {
        if (plazo.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

// The board settles: queued refreshes and the flights of the last move.
void asentar()
{
    QDeadlineTimer plazo(300);
    while (!plazo.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

QAction *accionDeTecla(ZelboFrm &ventana, const QKeySequence &tecla)
{
    for (QAction *a : ventana.findChildren<QAction *>()) {
        if (a->shortcuts().contains(tecla))
            return a;
    }
    return nullptr;
}

bool copiarCarpeta(const QString &origen, const QString &destino)
{
    if (!QDir().mkpath(destino))
        return false;
    const QDir dir(origen);
    for (const QString &nombre : dir.entryList(QDir::Files)) {
        if (!QFile::copy(dir.filePath(nombre), destino + QLatin1Char('/') + nombre))
            return false;
    }
    for (const QString &nombre : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!copiarCarpeta(dir.filePath(nombre), destino + QLatin1Char('/') + nombre))
            return false;
    }
    return true;
}

} // namespace

Capturador::Capturador(const QString &datos, const QString &destino)
    : m_destino(destino)
{
    if (!m_programa.isValid())
        m_error = QStringLiteral("no temporary folder");
    else if (!copiarDatos(datos))
        m_error = QStringLiteral("cannot copy the game's data from ") + datos;
}

bool Capturador::copiarDatos(const QString &datos)
{
    const QDir origen(datos);
    for (const char *nombre : { "naipe40.db", "dibujo.jpg", "zelbofond.jpg", "winfond.jpg" }) {
        if (!QFile::copy(origen.filePath(QLatin1String(nombre)),
                         m_programa.filePath(QLatin1String(nombre))))
            return false;
    }
    // The factory preferences, with names a reader can tell apart.
    PreferenceValues preferencias;
    if (!PreferencesFile::load(origen.filePath(QStringLiteral("pordefect.dat")), preferencias))
        return false;
    preferencias.nombreCpu = QStringLiteral("Zelbo");
    preferencias.nombreHumano = QStringLiteral("Ana");
    return PreferencesFile::save(m_programa.filePath(QStringLiteral("lastprop.dat")), preferencias)
        && copiarCarpeta(origen.filePath(QStringLiteral("naipes")),
                         m_programa.filePath(QStringLiteral("naipes")))
        && copiarCarpeta(origen.filePath(QStringLiteral("icons")),
                         m_programa.filePath(QStringLiteral("icons")));
}

bool Capturador::capturar()
{
    if (!m_error.isEmpty())
        return false;
    if (!QDir().mkpath(m_destino))
        return fallar(QStringLiteral("cannot make ") + m_destino);
    // The settings of these games are their own, and kept nowhere.
    AjustesJuego ajustes;
    ajustes.setMesa(TipoMesa::Clasica);
    ajustes.setAnimaciones(false);
    ajustes.setVelocidad(VelocidadCpu::SinPausas);
    ajustes.setProbabilidad(false);
    DialogosAutomaticos dialogos;
    MersenneRandom azar(kSemilla);
    PausaInmediata pausa;
    ZelboFrm ventana(m_programa.path(), dialogos, azar, pausa, ajustes);
    ventana.animador().setDuracion(0);
    if (!ventana.Form_Load())
        return fallar(QStringLiteral("the game did not start"));
    ventana.show();
    if (!jugarHasta(ventana, 4))
        return false;
    ventana.seguimiento().accionHistorial()->trigger();
    ventana.teclado().darPista();
    asentar();
    if (!guardar(ventana, QStringLiteral("mesa-clasica.png")))
        return false;
    ventana.seguimiento().accionHistorial()->trigger();
    ajustes.setProbabilidad(true);
    ajustes.setMesa(TipoMesa::Moderna);
    asentar();
    esperar([] { return false; }, 3000);
    if (!guardar(ventana, QStringLiteral("mesa-moderna.png")))
        return false;
    ajustes.setMesa(TipoMesa::Clasica);
    ajustes.setProbabilidad(false);
    if (!errarEnLaUltimaRonda(ventana))
        return false;
    return capturarRevision(ventana);
}

// Plays the hint's move for the player, and waits for the CPU's reply each time.
bool Capturador::jugarHasta(ZelboFrm &ventana, int jugadas)
{
    for (int i = 0; i < jugadas; ++i) {
        if (!esperar([&ventana] { return ventana.juego().esperaAlJugador(); }))
            return fallar(QStringLiteral("the game never waited for the player"));
        ventana.teclado().darPista();
        ventana.teclado().intro();
    }
    if (!esperar([&ventana] { return ventana.juego().esperaAlJugador(); }))
        return fallar(QStringLiteral("the game never waited for the player"));
    asentar();
    return true;
}

// Plays the hint's moves to the hand's last round, where a mistake costs the
// most, and there the worst move there is: the review has one to show.
bool Capturador::errarEnLaUltimaRonda(ZelboFrm &ventana)
{
    const auto ultimaRonda = [&ventana] {
        return VistaDificil::desdeEstado(ventana.juego().estado(), Lado::Humano).posicion.repartidas
            >= PosicionCompacta::kCartas;
    };
    while (!ultimaRonda()) {
        if (!jugarHasta(ventana, 1))
            return false;
    }
    marcarLaPeor(ventana);
    ventana.teclado().intro();
    asentar();
    return true;
}

bool Capturador::capturarRevision(ZelboFrm &ventana)
{
    QAction *revisar = accionDeTecla(ventana, QKeySequence(Qt::CTRL | Qt::Key_R));
    if (!revisar)
        return fallar(QStringLiteral("no review command"));
    revisar->trigger();
    RevisionFrm *revision = nullptr;
    const bool terminada = esperar([&revision] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *r = qobject_cast<RevisionFrm *>(w); r && r->isVisible())
                revision = r;
        }
        return revision && revision->terminada();
    });
    if (!terminada)
        return fallar(QStringLiteral("the review did not end"));
    asentar();
    const bool hecho = guardar(*revision, QStringLiteral("revision.png"));
    revision->close();
    return hecho;
}

bool Capturador::fallar(const QString &motivo)
{
    m_error = motivo;
    return false;
}

bool Capturador::guardar(QWidget &widget, const QString &nombre)
{
    QImage imagen = widget.grab().toImage();
    if (imagen.width() > kAncho)
        imagen = imagen.scaledToWidth(kAncho, Qt::SmoothTransformation);
    const QString ruta = m_destino + QLatin1Char('/') + nombre;
    if (!imagen.save(ruta, "PNG"))
        return fallar(QStringLiteral("cannot write ") + ruta);
    return true;
}
