// SPDX-License-Identifier: GPL-3.0-or-later

#include "entradademesa.h"

#include "anunciador.h"
#include "cardpicture.h"
#include "mesa.h"
#include "picturecache.h"
#include "soltarenmesa.h"
#include "zelbofrm.h"

EntradaDeMesa::EntradaDeMesa(ZelboFrm &ventana, const ZelboGame &juego, Anunciador &anunciador,
                             PictureCache &cache)
    : QObject(&ventana)
    , m_ventana(ventana)
    , m_juego(juego)
    , m_anunciador(anunciador)
    , m_cache(cache)
{
}

void EntradaDeMesa::conectar(Mesa &mesa)
{
    conectarCaras(mesa);
    conectarPulsaciones(mesa);
    conectarSoltadas(mesa);
}

void EntradaDeMesa::conectarCaras(Mesa &mesa)
{
    // Every face at the new sizes before the next refresh, so no refresh waits on a decode.
    connect(&mesa, &Mesa::cartasRedimensionadas, this,
            [this, &mesa](const QList<QSize> &tamanos, qreal razon) {
                QStringList caras;
                for (int carta = 1; carta <= Mazo::kCartas; ++carta)
                    caras.append(m_juego.estado().carta(static_cast<CardId>(carta)).imagen());
                m_cache.precargar(caras, tamanos, razon);
                const CardPicture *cubierta = mesa.cubiertas().at(0);
                m_cache.precargar({ cubierta->ruta() }, tamanos + QList<QSize> { cubierta->size() },
                                  razon);
            });
}

void EntradaDeMesa::conectarPulsaciones(Mesa &mesa)
{
    // Any button: a left click on a hand card that did not become a drag marks it too.
    connect(&mesa, &Mesa::cartaPulsada, this, [this](const Imagen &imagen) {
        const int i = imagen.indice;
        switch (imagen.grupo) {
        case GrupoImagen::mesaimg:
            m_ventana.mesaimg_Click(i);
            break;
        case GrupoImagen::cartap2img:
            m_ventana.cartap2img_Click(i);
            break;
        case GrupoImagen::montonimg:
            m_ventana.montonimg_Click(i);
            break;
        case GrupoImagen::cartap1img:
            break;
        }
    });
    connect(&mesa, &Mesa::marcaPulsada, this, [this](const Imagen &lugar) {
        const int i = lugar.indice;
        if (lugar.grupo == GrupoImagen::cartap2img)
            m_ventana.Checkp2_Click(i);
        else if (lugar.grupo == GrupoImagen::montonimg)
            m_ventana.CheckMonton_Click(i);
    });
    connect(&mesa, &Mesa::levantarPulsado, &m_ventana, &ZelboFrm::LevantarBtn_Click);
}

void EntradaDeMesa::conectarSoltadas(Mesa &mesa)
{
    connect(&mesa, &Mesa::soltadaEnFondo, &m_ventana, &ZelboFrm::Form_DragDrop);
    connect(&mesa, &Mesa::soltadaEnMonton, &m_ventana, &ZelboFrm::montonimg_DragDrop);
    connect(&mesa, &Mesa::soltadaEnMesa, this, [this](int slot, int lugar) {
        const GameState &e = m_juego.estado();
        if (!m_juego.esperaAlJugador() || slot >= e.player2.count() || lugar >= e.lamesa.count())
            return;
        if (!SoltarEnMesa::jugada(e, slot, lugar))
            m_anunciador.decir(SoltarEnMesa::porQueNo(e, slot, lugar));
        m_ventana.mesaimg_DragDrop(slot, lugar);
    });
    connect(&mesa, &Mesa::soltadaSinEfecto, this, [this] {
        if (m_juego.esperaAlJugador())
            m_anunciador.decir(
                tr("Ahí no se deja una carta: suéltala en la mesa, sobre una carta de su palo o en "
                   "un montón"));
    });
}
