// SPDX-License-Identifier: GPL-3.0-or-later

#include "animadortablero.h"

#include "ajustesjuego.h"
#include "cardpicture.h"
#include "gamestate.h"
#include "mesa.h"
#include "vuelodecartas.h"

#include <QEvent>
#include <algorithm>

AnimadorTablero::AnimadorTablero(Mesa &mesa, PictureCache &cache, const AjustesJuego &ajustes,
                                 QObject *parent)
    : QObject(parent)
    , m_mesa(&mesa)
    , m_ajustes(ajustes)
    , m_vuelos(new VueloDeCartas(cache, &mesa))
{
    // A board laid out anew leaves every flight's places behind.
    m_mesa->installEventFilter(this);
    // A new layout shows the state already: nothing flies from the old one's places.
    connect(m_mesa, &Mesa::disposicionPorCambiar, this, &AnimadorTablero::terminar);
    connect(m_mesa, &Mesa::disposicionCambiada, this, [this] {
        m_antes = sitios(m_mesa->estado());
        m_repartidas = m_mesa->estado().cartasRepartidas;
    });
}

int AnimadorTablero::duracion(int base, bool animaciones, const QString &velocidad, bool cpu)
{
    if (!animaciones)
        return 0;
    if (!cpu || velocidad == QLatin1String("normal"))
        return base;
    if (velocidad == QLatin1String("lenta"))
        return base * 3 / 2;
    if (velocidad == QLatin1String("rapida"))
        return base * 3 / 10;
    if (velocidad == QLatin1String("sinpausas"))
        return 0;
    return base; // an unknown value is the default speed
}

int AnimadorTablero::duracionDe(const GameState &e, bool reparto) const
{
    if (m_duracionFija)
        return *m_duracionFija;
    // A move in which a card leaves the CPU's hand is the CPU's.
    bool cpu = false;
    for (auto it = m_antes.cbegin(); it != m_antes.cend() && !reparto; ++it) {
        if (it->imagen && it->imagen->imagen().grupo == GrupoImagen::cartap1img
            && std::find(e.player1.begin(), e.player1.end(), it.key()) == e.player1.end())
            cpu = true;
    }
    return duracion(reparto ? kDuracionReparto : kDuracion, m_ajustes.animaciones(),
                    VelocidadesCpu::clave(m_ajustes.velocidad()), cpu);
}

QRect AnimadorTablero::Sitio::lugar() const
{
    return (cubierta ? cubierta : imagen)->geometry();
}

AnimadorTablero::Sitios AnimadorTablero::sitios(const GameState &e) const
{
    Sitios s;
    const auto poner = [&s](const CardList &lista, const QList<CardPicture *> &imagenes, bool cara,
                            auto cubierta) {
        const int ultima = static_cast<int>(imagenes.size()) - 1;
        for (int i = 0; i < lista.count(); ++i) {
            CardPicture *imagen = imagenes.at(std::min(i, ultima));
            CardPicture *tapa = cubierta(std::min(i, ultima));
            s.insert(lista.at(i), { imagen, tapa, i <= ultima, cara });
        }
    };
    const auto sinTapa = [](int) -> CardPicture * { return nullptr; };
    poner(e.lamesa, m_mesa->imagenes(GrupoImagen::mesaimg), true, sinTapa);
    poner(e.player2, m_mesa->imagenes(GrupoImagen::cartap2img), true, sinTapa);
    const QList<CardPicture *> cubiertas = m_mesa->cubiertas();
    poner(e.player1, m_mesa->imagenes(GrupoImagen::cartap1img), false,
          [&cubiertas](int i) { return cubiertas.at(i); });
    // A pile shows its top card only; the rest lie under it.
    const QList<CardPicture *> montones = m_mesa->imagenes(GrupoImagen::montonimg);
    poner(e.player1Lev, { montones.at(0) }, true, sinTapa);
    poner(e.player2Lev, { montones.at(1) }, true, sinTapa);
    return s;
}

void AnimadorTablero::refrescado(const GameState &e)
{
    // Fewer cards dealt than before: a new hand or game, whose cards all come from the deck.
    const bool manoNueva = e.cartasRepartidas < m_repartidas;
    const bool reparto = e.cartasRepartidas != m_repartidas;
    m_repartidas = e.cartasRepartidas;
    Sitios nuevos = sitios(e);
    if (manoNueva)
        m_antes.clear();
    const int milisegundos = duracionDe(e, reparto);
    if (milisegundos <= 0 || !m_mesa->isVisible()) {
        terminar();
        m_antes = std::move(nuevos);
        return;
    }
    for (auto it = nuevos.cbegin(); it != nuevos.cend(); ++it)
        animar(it.key(), it.value(), e, milisegundos);
    // Cards gone back to the deck leave nothing in flight.
    for (auto it = m_antes.cbegin(); it != m_antes.cend(); ++it) {
        if (!nuevos.contains(it.key()))
            m_vuelos->quitar(it.key());
    }
    m_antes = std::move(nuevos);
}

// Starts or retargets the flight of one card; false when it stays where it is.
bool AnimadorTablero::animar(CardId carta, const Sitio &nuevo, const GameState &e, int milisegundos)
{
    VueloDeCartas::Vuelo v { carta, {}, {}, nuevo.lugar(), nuevo.visible, {} };
    bool cara = nuevo.cara;
    if (const VueloDeCartas::Vuelo *enCurso = m_vuelos->vuelo(carta)) {
        if (enCurso->hasta == v.hasta && enCurso->aterriza == nuevo.visible)
            return false;
        v.desde = m_vuelos->posicion(carta).toRect();
    } else if (m_antes.contains(carta)) {
        const Sitio &antes = m_antes.value(carta);
        // Still in its place, or buried in its pile under a new top.
        if (antes.imagen == nuevo.imagen || (!antes.visible && !nuevo.visible))
            return false;
        v.desde = antes.lugar();
        // A CPU card shows its face on the way only when it lands face up.
        cara = nuevo.visible ? nuevo.cara : antes.cara;
    } else {
        if (!nuevo.visible)
            return false;
        // Dealt: in from beyond the top edge of the board.
        v.desde = v.hasta.translated(0, -v.hasta.bottom() - v.hasta.height() / 4);
    }
    v.ruta = rutaDe(carta, cara, e);
    if (nuevo.visible) {
        v.ocultas.append(VueloDeCartas::Oculta { nuevo.imagen, mientras(nuevo.imagen, e) });
        if (nuevo.cubierta)
            v.ocultas.append(VueloDeCartas::Oculta { nuevo.cubierta, {} });
    }
    m_vuelos->volar(std::move(v), milisegundos);
    return true;
}

// What a pile shows while its new top is on the way: the top it had before.
QString AnimadorTablero::mientras(const CardPicture *imagen, const GameState &e) const
{
    if (imagen->imagen().grupo != GrupoImagen::montonimg)
        return {};
    for (auto it = m_antes.cbegin(); it != m_antes.cend(); ++it) {
        if (it->imagen == imagen && it->visible && !m_vuelos->vuelo(it.key()))
            return e.carta(it.key()).imagen();
    }
    return {};
}

QString AnimadorTablero::rutaDe(CardId carta, bool cara, const GameState &e) const
{
    return cara ? e.carta(carta).imagen() : m_mesa->cubiertas().at(0)->ruta();
}

bool AnimadorTablero::enCurso() const
{
    return m_vuelos->enCurso();
}

void AnimadorTablero::terminar()
{
    m_vuelos->terminar();
}

void AnimadorTablero::alAterrizar(std::function<void()> luego, const QObject *contexto)
{
    if (!m_vuelos->enCurso()) {
        luego();
        return;
    }
    connect(m_vuelos, &VueloDeCartas::aterrizado, contexto ? contexto : this, std::move(luego),
            Qt::SingleShotConnection);
}

void AnimadorTablero::tomar(const GameState &estado)
{
    terminar();
    m_antes = sitios(estado);
    m_repartidas = estado.cartasRepartidas;
}

void AnimadorTablero::irA(int milisegundos)
{
    m_vuelos->irA(milisegundos);
}

bool AnimadorTablero::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == m_mesa && event->type() == QEvent::Resize)
        terminar();
    return QObject::eventFilter(objeto, event);
}
