// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"
#include "reproductorsonidos.h"
#include "resultadodemano.h"

#include <QString>
#include <memory>

class AjustesJuego;
class QWidget;

// Which sound the board's events make, while the player has sound on and the window is in
// sight: a move's as it is carried out (the CPU's once its beats are shown), the deal, a
// refusal, the hand's and the game's result from the human's side. The sounds are played by
// the game's own player, made on the first sound, unless a test handed in its own.
class SonidosDelJuego
{
public:
    // The sound files lie in carpeta, the module that plays them in carpetaModulo; ventana is
    // the window whose sight is asked.
    SonidosDelJuego(const AjustesJuego &ajustes, QWidget &ventana, const QString &carpeta,
                    const QString &carpetaModulo);
    ~SonidosDelJuego();

    // From now on the sounds go to reproductor, which must outlive this object.
    void setReproductor(ReproductorSonidos &reproductor) { m_reproductor = &reproductor; }

    void jugada(Jugada::Tipo tipo);
    void reparto();
    void rechazo();
    // A tie makes no sound: nobody won.
    void finDeMano(const ResultadoDeMano &resultado);
    void finDePartida(ResultadoDeMano::Ganador ganador);

private:
    void tocar(Sonido sonido);

    const AjustesJuego &m_ajustes;
    QWidget &m_ventana;
    QString m_carpeta;
    QString m_carpetaModulo;
    std::unique_ptr<ReproductorSonidos> m_propio;
    ReproductorSonidos *m_reproductor = nullptr;
};
