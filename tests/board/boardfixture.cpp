// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"

#include "animadortablero.h"
#include "disposicionclasica.h"
#include "disposicionmoderna.h"
#include "primeravista.h"
#include "resultadosenmesa.h"
#include "resumenenmesa.h"
#include "savedgamefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTest>

namespace {
const char *const kPalos[] = { "oros", "copas", "espadas", "bastos" };
constexpr int kNumeros[] = { 1, 2, 3, 4, 5, 6, 7, 10, 11, 12 };

bool guardarImagen(const QString &ruta, QSize tamano, QColor color)
{
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(color);
    return imagen.save(ruta, "JPG");
}
} // namespace

BoardFixture::BoardFixture(std::uint64_t semilla, const QStringList &sinArchivos)
    : BoardFixture(nullptr, semilla, sinArchivos)
{
}

BoardFixture::BoardFixture(AjustesJuego &ajustes, std::uint64_t semilla)
    : BoardFixture(&ajustes, semilla, {})
{
}

BoardFixture::BoardFixture(AjustesJuego *ajustes, std::uint64_t semilla,
                           const QStringList &sinArchivos)
    : m_ajustes(ajustes ? *ajustes : m_propios)
    , m_azar(semilla)
{
    crearImagenes(sinArchivos);
    m_ventana = std::make_unique<ZelboFrm>(m_dir.path(), m_dialogos, m_azar, m_pausa, m_ajustes);
    // Tests are quick and deterministic: no card flies unless a test asks.
    m_ventana->animador().setDuracion(0);
}

void BoardFixture::crearImagenes(const QStringList &sinArchivos)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("naipes"));
    // Screenshots for a person to look at take the game's own pictures instead.
    const QString arte = qEnvironmentVariable("ZELBO_ARTE");
    if (!arte.isEmpty()) {
        for (const QString &nombre : QDir(arte + QStringLiteral("/naipes")).entryList(QDir::Files))
            QFile::copy(arte + QStringLiteral("/naipes/") + nombre,
                        m_dir.ruta(QStringLiteral("naipes/") + nombre));
        for (const char *nombre : { "dibujo.jpg", "zelbofond.jpg", "winfond.jpg" })
            QFile::copy(arte + QLatin1Char('/') + QLatin1String(nombre),
                        m_dir.ruta(QLatin1String(nombre)));
        return;
    }
    for (int p = 0; p < 4; ++p) {
        for (int i = 0; i < 10; ++i)
            guardarImagen(rutaCarta(p * 10 + i + 1), QSize(80, 121),
                          QColor::fromHsv(p * 90, 200, 200));
    }
    const auto crear = [&](const QString &nombre, QSize tamano) {
        if (!sinArchivos.contains(nombre))
            guardarImagen(m_dir.ruta(nombre), tamano, Qt::darkGreen);
    };
    crear(QStringLiteral("dibujo.jpg"), QSize(80, 121));
    crear(QStringLiteral("zelbofond.jpg"), QSize(784, 560));
    crear(QStringLiteral("winfond.jpg"), QSize(407, 250));
}

QString BoardFixture::rutaCarta(int n) const
{
    const int p = (n - 1) / 10;
    const int numero = kNumeros[(n - 1) % 10];
    return m_dir.ruta(QStringLiteral("naipes/%1%2.jpg")
                          .arg(QLatin1String(kPalos[p]))
                          .arg(numero, 2, 10, QLatin1Char('0')));
}

std::unique_ptr<ZelboFrm> BoardFixture::otraVentana(DialogService &dialogos, RandomSource &azar,
                                                    Pausa &pausa) const
{
    return std::make_unique<ZelboFrm>(m_dir.path(), dialogos, azar, pausa, m_ajustes);
}

DisposicionClasica &BoardFixture::clasica() const
{
    return dynamic_cast<DisposicionClasica &>(mesa().disposicion());
}

DisposicionModerna *BoardFixture::moderna() const
{
    return dynamic_cast<DisposicionModerna *>(&mesa().disposicion());
}

bool BoardFixture::iniciar()
{
    m_dir.escribirPreferencias(QStringLiteral("Maquina"), QStringLiteral("Ana"));
    return m_ventana->Form_Load() && verTablero(*m_ventana);
}

bool BoardFixture::verTablero(ZelboFrm &ventana)
{
    constexpr int kMilisegundos = 5000;
    const auto *vista = ventana.findChild<PrimeraVista *>();
    return QTest::qWaitFor([vista] { return vista->visto(); }, kMilisegundos);
}

bool BoardFixture::esperarTurno()
{
    constexpr int kMilisegundos = 5000;
    return QTest::qWaitFor(
        [this] { return m_ventana->juego().esperaAlJugador() || m_ventana->terminado(); },
        kMilisegundos);
}

bool BoardFixture::cargar(const Posicion &posicion)
{
    const QString fichero = m_dir.ruta(QStringLiteral("posicion.dat"));
    if (!SavedGameFile::save(fichero, posicion.partida()))
        return false;
    // As the player does it: "Abrir", confirm, pick the file.
    m_dialogos.responder(DialogService::Respuesta::Ok);
    m_dialogos.responderArchivo(fichero);
    const int antes = static_cast<int>(m_dialogos.mensajes().size());
    m_ventana->juego().ordenar(OrdenDelJuego::Abrir);
    const bool cargada = m_dialogos.mensajes().size() == antes + 1; // only the confirmation
    m_dialogos.limpiar();
    m_pausa.limpiar();
    return cargada;
}

QList<QWidget *> BoardFixture::otrasVentanas() const
{
    QList<QWidget *> otras;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != m_ventana.get() && w->isVisible())
            otras.append(w);
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && !otras.contains(modal))
        otras.append(modal);
    return otras;
}

RespondeEnMesa::RespondeEnMesa(ZelboFrm &ventana, bool otraPartida)
    : m_ventana(ventana)
    , m_otraPartida(otraPartida)
{
    m_reloj.setInterval(1);
    connect(&m_reloj, &QTimer::timeout, this, &RespondeEnMesa::responder);
    m_reloj.start();
}

void RespondeEnMesa::responder()
{
    auto *mesa = dynamic_cast<DisposicionModerna *>(&m_ventana.findChild<Mesa *>()->disposicion());
    if (!mesa)
        return;
    if (mesa->resumen()->isVisible()) {
        ++m_resumenes;
        QTest::keyClick(mesa->resumen(), Qt::Key_Return);
    } else if (mesa->resultados()->isVisible()) {
        ++m_resultados;
        ResultadosEnMesa *r = mesa->resultados();
        QTest::keyClick(m_otraPartida ? r->si() : r->no(), Qt::Key_Return);
    }
}
