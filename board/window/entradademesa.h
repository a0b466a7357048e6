// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class Anunciador;
class Mesa;
class PictureCache;
class ZelboFrm;
class ZelboGame;

// Hands a table's clicks, marks and drops to the game, through the window's
// way of running the player's input, and prepares the card faces at the sizes
// the table shows them.
class EntradaDeMesa : public QObject
{
    Q_OBJECT

public:
    EntradaDeMesa(ZelboFrm &ventana, const ZelboGame &juego, Anunciador &anunciador,
                  PictureCache &cache);
    // The table's clicks and drops played, and its card back prepared with the faces.

    void conectar(Mesa &mesa);

private:
    void conectarCaras(Mesa &mesa);
    void conectarPulsaciones(Mesa &mesa);
    void conectarSoltadas(Mesa &mesa);

    ZelboFrm &m_ventana;
    const ZelboGame &m_juego;
    Anunciador &m_anunciador;
    PictureCache &m_cache;
};
