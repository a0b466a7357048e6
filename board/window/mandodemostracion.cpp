// SPDX-License-Identifier: GPL-3.0-or-later

#include "mandodemostracion.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "anunciador.h"
#include "cardpicture.h"
#include "focovisible.h"
#include "mersennerandom.h"
#include "mesa.h"
#include "zelbogame.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

MandoDemostracion::MandoDemostracion(const DemostracionEnMesa::Tablero &tablero, ZelboGame &juego,
                                     DialogService &dialogos, QStatusBar &barra,
                                     std::function<void()> volver, QObject *parent)
    : QObject(parent)
    , m_tablero(tablero)
    , m_juego(juego)
    , m_dialogos(dialogos)
    , m_rotulo(new QLabel(tr("Demostración: pulsa una tecla o haz clic para volver a tu partida"),
                          &barra))
    , m_volver(std::move(volver))
{
    m_rotulo->setAccessibleName(m_rotulo->text());
    barra.addPermanentWidget(m_rotulo);
    m_rotulo->hide();
}

// The demonstration goes before the table and the announcer it shows itself on.
MandoDemostracion::~MandoDemostracion()
{
    m_sesion.reset();
}

void MandoDemostracion::alternar()
{
    if (enCurso())
        detener();
    else
        empezar();
}

// Only while the player is to move: the player's game rests meanwhile, with nothing under way.
void MandoDemostracion::empezar()
{
    if (!m_juego.esperaAlJugador()) {
        m_tablero.anunciador.decir(tr("La demostración empieza cuando te toca jugar"));
        return;
    }
    m_sesion = std::make_unique<DemostracionEnMesa>(
        m_tablero, m_juego.ubicaciones(), m_dialogos, MersenneRandom::semillaDelReloj(),
        m_tablero.ajustes.nivel(), [this] { detener(); }, nullptr);
    if (m_enHilo)
        m_sesion->elegirEnHilo();
    qApp->installEventFilter(this);
    // The focus leaves the player's cards, which the demonstration hides and shows: each move
    // would otherwise move it, and a screen reader would read the player's cards over the moves.
    m_foco = QApplication::focusWidget();
    if (m_foco)
        m_foco->clearFocus();
    m_rotulo->show();
    m_tablero.anunciador.decir(m_rotulo->text());
    // The demonstration's cards come in from the deck, not from the player's places.
    m_tablero.animador.terminar();
    m_tablero.animador.tomar(GameState {});
    m_sesion->iniciar();
}

void MandoDemostracion::detener()
{
    if (!enCurso())
        return;
    m_sesion.reset();
    qApp->removeEventFilter(this);
    m_rotulo->hide();
    devolverCartas();
    if (m_foco)
        m_foco->setFocus();
    m_volver();
    m_tablero.animador.tomar(m_juego.estado());
    m_tablero.anunciador.decir(tr("Has vuelto a tu partida"));
}

void MandoDemostracion::devolverCartas()
{
    m_tablero.animador.terminar();
    for (const GrupoImagen grupo : { GrupoImagen::mesaimg, GrupoImagen::cartap1img,
                                     GrupoImagen::cartap2img, GrupoImagen::montonimg }) {
        for (CardPicture *carta : m_tablero.mesa.imagenes(grupo))
            m_tablero.mesa.resaltar(carta, false);
    }
}

// Any key or click stops the demonstration and does nothing else. A key is first offered to
// the shortcuts: it is claimed here, so that it reaches this filter as a key press and no command
// runs.
bool MandoDemostracion::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::ShortcutOverride:
        evento->accept();
        return true;
    case QEvent::KeyPress:
        // A modifier alone is no key pressed to stop: the screen reader hands the program the
        // Ctrl of the Ctrl+D that started the demonstration back only once it has looked at
        // it, which may be after the demonstration began.
        if (!FocoVisible::soloModificador(*static_cast<const QKeyEvent *>(evento)))
            detener();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        detener();
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
        return true;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}
