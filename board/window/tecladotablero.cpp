// SPDX-License-Identifier: GPL-3.0-or-later

#include "tecladotablero.h"

#include "anunciador.h"
#include "cardpicture.h"
#include "frasejugada.h"
#include "mesa.h"
#include "seleccion.h"
#include "zelbogame.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>
#include <utility>

namespace {
constexpr int kFilas = 4;
// Further than any row is long: a step of it ends at the row's first or last card.
constexpr int kFila = 100;

// The keys that move the focus: by rows, by cards.
struct Paso
{
    Qt::Key tecla;
    int filas;
    int cartas;
};
constexpr Paso kPasos[] = {
    { Qt::Key_Left, 0, -1 }, { Qt::Key_Right, 0, 1 },     { Qt::Key_Up, -1, 0 },
    { Qt::Key_Down, 1, 0 },  { Qt::Key_Home, 0, -kFila }, { Qt::Key_End, 0, kFila },
};

// The mark of a place that Space turns over; nothing for a place without one.
std::optional<bool> marcaDe(const Marcas &m, const Imagen &lugar)
{
    const auto i = static_cast<std::size_t>(lugar.indice);
    switch (lugar.grupo) {
    case GrupoImagen::mesaimg:
        return i < m.CheckMesa.size() ? std::optional(m.CheckMesa.at(i)) : std::nullopt;
    case GrupoImagen::cartap2img:
        return m.Checkp2.at(i);
    case GrupoImagen::montonimg:
        return m.CheckMonton.at(i);
    case GrupoImagen::cartap1img:
        break;
    }
    return std::nullopt;
}
} // namespace

QList<QKeySequence> TecladoTablero::teclasDeFoco()
{
    QList<QKeySequence> teclas;
    for (const Paso &paso : kPasos)
        teclas.append(QKeySequence(paso.tecla));
    return teclas;
}

TecladoTablero::TecladoTablero(Mesa &mesa, ZelboGame &juego, Anunciador &anunciador, Jugar jugar,
                               QObject *parent)
    : QObject(parent)
    , m_mesa(&mesa)
    , m_juego(juego)
    , m_anunciador(anunciador)
    , m_jugar(std::move(jugar))
    , m_lectura(juego, anunciador)
{
    vigilarCartas();
    // The focus stays on its place across a change of layout, or goes to the hand.
    connect(&mesa, &Mesa::disposicionPorCambiar, this, [this] { m_focoAntes = foco(); });
    connect(&mesa, &Mesa::disposicionCambiada, this, [this] {
        vigilarCartas();
        devolverFoco(m_focoAntes);
    });
    // The move the chance to win rates best against the CPU's level, as the tutor rates it.
    m_pista.setElector([this](const GameState &e) { return Pista::mejor(e, m_juego.nivelCpu()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ahora) {
        auto *carta = qobject_cast<CardPicture *>(ahora);
        if (!carta || carta->parentWidget() != m_mesa)
            return;
        if (std::exchange(m_instruir, false))
            m_anunciador.avisarTrasElTurno(tr("Espacio marca, Intro juega"));
    });
}

// A card that is hidden tells this first, and Qt hands its focus on afterwards.
void TecladoTablero::vigilarCartas()
{
    for (CardPicture *carta : m_mesa->findChildren<CardPicture *>(Qt::FindDirectChildrenOnly))
        carta->installEventFilter(this);
}

TecladoTablero::Fila TecladoTablero::filaDe(const Imagen &lugar)
{
    switch (lugar.grupo) {
    case GrupoImagen::montonimg:
        return lugar.indice == 0 ? Fila::MontonCpu : Fila::MontonPropio;
    case GrupoImagen::mesaimg:
        return Fila::Mesa;
    case GrupoImagen::cartap1img:
    case GrupoImagen::cartap2img:
        break;
    }
    return Fila::Mano;
}

// The place with the focus emptied. Qt would hand the focus to the next control in
// the window, and a screen reader would read it, and then the card the focus is put
// back on, before the CPU's move: it stays in its row instead, on the card before the
// place, or after it. The hand emptied, it waits on no card for the deal; another row
// emptied, it goes to the hand, the table or a pile.
void TecladoTablero::ceder(const CardPicture &oculta)
{
    const Fila fila = filaDe(oculta.imagen());
    const QList<CardPicture *> cartas = visibles(fila);
    if (fila == Fila::Mano && cartas.isEmpty()) {
        m_volverAMano = true;
        // The focus waits on no card for the deal, or the hand's end: every card
        // it passed over meanwhile would be read before the new hand.
        m_mesa->imagen(oculta.imagen())->clearFocus();
        return;
    }
    CardPicture *destino = cartas.value(0);
    for (CardPicture *carta : cartas) {
        if (carta->imagen().indice < oculta.imagen().indice)
            destino = carta;
    }
    for (const Fila otra : { Fila::Mano, Fila::Mesa, Fila::MontonPropio, Fila::MontonCpu }) {
        if (!destino && otra != fila)
            destino = visibles(otra).value(0);
    }
    if (destino)
        destino->setFocus(Qt::OtherFocusReason);
}

QList<CardPicture *> TecladoTablero::visibles(Fila fila) const
{
    QList<CardPicture *> cartas;
    switch (fila) {
    case Fila::MontonCpu:
        cartas << m_mesa->imagen({ GrupoImagen::montonimg, 0 });
        break;
    case Fila::Mesa:
        cartas = m_mesa->imagenes(GrupoImagen::mesaimg);
        break;
    case Fila::Mano:
        cartas = m_mesa->imagenes(GrupoImagen::cartap2img);
        break;
    case Fila::MontonPropio:
        cartas << m_mesa->imagen({ GrupoImagen::montonimg, 1 });
        break;
    }
    cartas.removeIf([](CardPicture *c) { return c->isHidden(); });
    return cartas;
}

CardPicture *TecladoTablero::enfocada(Fila *fila, int *indice) const
{
    auto *carta = qobject_cast<CardPicture *>(m_mesa->focusWidget());
    for (int f = 0; carta && f < kFilas; ++f) {
        const int i = static_cast<int>(visibles(static_cast<Fila>(f)).indexOf(carta));
        if (i < 0)
            continue;
        if (fila)
            *fila = static_cast<Fila>(f);
        if (indice)
            *indice = i;
        return carta;
    }
    return nullptr;
}

bool TecladoTablero::enfocar(Fila fila, int indice)
{
    const QList<CardPicture *> cartas = visibles(fila);
    if (cartas.isEmpty())
        return false;
    cartas.at(std::clamp(indice, 0, static_cast<int>(cartas.size()) - 1))
        ->setFocus(Qt::OtherFocusReason);
    return true;
}

void TecladoTablero::mover(int filas, int cartas)
{
    m_volverAMano = false;
    Fila fila = Fila::Mano;
    int indice = 0;
    if (!enfocada(&fila, &indice)) {
        if (!enfocar(Fila::Mano, 0))
            enfocar(Fila::Mesa, 0);
        return;
    }
    if (cartas != 0) {
        enfocar(fila, indice + cartas);
        return;
    }
    // An empty row is passed over.
    for (int f = static_cast<int>(fila) + filas; f >= 0 && f < kFilas; f += filas) {
        if (enfocar(static_cast<Fila>(f), indice))
            return;
    }
}

std::optional<Imagen> TecladoTablero::foco() const
{
    const auto *carta = qobject_cast<const CardPicture *>(QApplication::focusWidget());
    if (carta && carta->parentWidget() == m_mesa)
        return carta->imagen();
    return std::nullopt;
}

void TecladoTablero::devolverFoco(const std::optional<Imagen> &lugar)
{
    CardPicture *carta = lugar ? m_mesa->imagen(*lugar) : nullptr;
    if (carta && carta->isVisibleTo(m_mesa))
        carta->setFocus(Qt::OtherFocusReason);
    else
        ajustarFoco();
}

void TecladoTablero::ajustarFoco()
{
    Fila fila = Fila::Mano;
    CardPicture *carta = enfocada(&fila);
    if (carta && fila == Fila::Mano)
        m_volverAMano = false;
    if (m_volverAMano && enfocar(Fila::Mano, 0)) {
        m_volverAMano = false;
        return;
    }
    // Still waiting for the deal.
    if (m_volverAMano && !carta)
        return;
    if (!carta && !enfocar(Fila::Mano, 0))
        enfocar(Fila::Mesa, 0);
}

bool TecladoTablero::eventFilter(QObject *objeto, QEvent *event)
{
    if (const auto *carta = qobject_cast<const CardPicture *>(objeto)) {
        if (event->type() == QEvent::Hide && carta->window()->focusWidget() == carta)
            ceder(*carta);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(objeto, event);
    auto *tecla = static_cast<QKeyEvent *>(event);
    if (tecla->modifiers() & ~Qt::KeypadModifier)
        return false;
    for (const Paso &paso : kPasos) {
        if (tecla->key() == paso.tecla) {
            mover(paso.filas, paso.cartas);
            return true;
        }
    }
    return false;
}

void TecladoTablero::espacio()
{
    Fila fila = Fila::Mano;
    int i = 0;
    if (!enfocada(&fila, &i)) {
        ajustarFoco();
        return;
    }
    Imagen lugar { GrupoImagen::cartap2img, i };
    switch (fila) {
    case Fila::MontonCpu:
        lugar = { GrupoImagen::montonimg, 0 };
        break;
    case Fila::Mesa:
        lugar = { GrupoImagen::mesaimg, i };
        break;
    case Fila::Mano:
        break;
    case Fila::MontonPropio:
        lugar = { GrupoImagen::montonimg, 1 };
        break;
    }
    marcar(lugar);
}

// A refusal is told by the game; a mark that changed is told here.
void TecladoTablero::marcar(const Imagen &lugar)
{
    const std::optional<bool> antes = marcaDe(m_juego.estado().marcas, lugar);
    // The hand's cards take marks as the table shown has them.
    const Seleccion::MarcasDeMano mano = lugar.grupo == GrupoImagen::cartap2img
        ? m_mesa->marcasDeMano()
        : Seleccion::MarcasDeMano::Varias;
    m_jugar([lugar, mano](ZelboGame &j) {
        if (lugar == Imagen { GrupoImagen::montonimg, 1 })
            j.alternarMarca(lugar);
        else
            j.pulsar(lugar, mano);
    });
    const std::optional<bool> ahora = marcaDe(m_juego.estado().marcas, lugar);
    if (!ahora || ahora == antes)
        return;
    const bool monton = lugar.grupo == GrupoImagen::montonimg;
    m_anunciador.avisar(!*ahora ? tr("sin marcar") : monton ? tr("marcado") : tr("marcada"));
}

void TecladoTablero::intro()
{
    m_jugar([](ZelboGame &j) { j.intentar(Intento::jugarMarcas()); });
}

void TecladoTablero::alMonton()
{
    const std::optional<int> slot = Seleccion::unicaMarcada(m_juego.estado());
    if (!slot) {
        m_anunciador.decir(tr("Marca una sola de tus cartas para ponerla en tu montón"));
        return;
    }
    m_jugar([slot](ZelboGame &j) { j.intentar(Intento::alMonton(*slot)); });
}

void TecladoTablero::darPista()
{
    // Asked only of the player to move: the hint's players read the position as theirs.
    const GameState &e = m_juego.estado();
    if (!m_juego.esperaAlJugador() || e.player2.isEmpty())
        return;
    const Jugada jugada = m_pista.elegir(e);
    const QString texto = FraseJugada::pista(e, jugada);
    m_jugar([&jugada](ZelboGame &j) { j.marcarJugada(jugada); });
    m_anunciador.pista(texto);
    enfocar(Fila::Mano, jugada.carta);
}
