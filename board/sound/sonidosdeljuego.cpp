// SPDX-License-Identifier: GPL-3.0-or-later

#include "sonidosdeljuego.h"

#include "ajustesjuego.h"
#include "reproductordemodulo.h"

#include <QWidget>

SonidosDelJuego::SonidosDelJuego(const AjustesJuego &ajustes, QWidget &ventana,
                                 const QString &carpeta, const QString &carpetaModulo)
    : m_ajustes(ajustes)
    , m_ventana(ventana)
    , m_carpeta(carpeta)
    , m_carpetaModulo(carpetaModulo)
{
}

SonidosDelJuego::~SonidosDelJuego() = default;

void SonidosDelJuego::jugada(Jugada::Tipo tipo)
{
    switch (tipo) {
    case Jugada::Tipo::Tirar:
    case Jugada::Tipo::AlMonton:
        tocar(Sonido::Carta);
        break;
    case Jugada::Tipo::LevantarMesa:
        tocar(Sonido::Levantar);
        break;
    case Jugada::Tipo::LevantarMonton:
        tocar(Sonido::Monton);
        break;
    }
}

void SonidosDelJuego::reparto()
{
    tocar(Sonido::Reparto);
}

void SonidosDelJuego::rechazo()
{
    tocar(Sonido::Rechazo);
}

void SonidosDelJuego::finDeMano(const ResultadoDeMano &resultado)
{
    if (resultado.ganador == ResultadoDeMano::Ganador::Humano)
        tocar(Sonido::ManoGanada);
    else if (resultado.ganador == ResultadoDeMano::Ganador::Cpu)
        tocar(Sonido::ManoPerdida);
}

void SonidosDelJuego::finDePartida(ResultadoDeMano::Ganador ganador)
{
    tocar(ganador == ResultadoDeMano::Ganador::Humano ? Sonido::PartidaGanada
                                                      : Sonido::PartidaPerdida);
}

// A window minimized or hidden (the program ending) is not in sight: its sounds would come
// from nowhere.
void SonidosDelJuego::tocar(Sonido sonido)
{
    if (!m_ajustes.sonido() || !m_ventana.isVisible() || m_ventana.isMinimized())
        return;
    if (!m_reproductor) {
        m_propio = std::make_unique<ReproductorDeModulo>(m_carpetaModulo, m_carpeta, m_ventana);
        m_reproductor = m_propio.get();
    }
    m_reproductor->tocar(sonido);
}
