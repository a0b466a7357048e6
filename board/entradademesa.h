// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class Anunciador;
class Mesa;
class PictureCache;
class ZelboFrm;
class ZelboGame;

// Hands a table's clicks, marks and drops to the window's event handlers, and prepares
// the card faces at the sizes the table shows them.
class EntradaDeMesa : public QObject
{
    Q_OBJECT

public:
    // mesaMostrada gives the table shown, whose card back is prepared with the faces.
    EntradaDeMesa(ZelboFrm &ventana, const ZelboGame &juego, Anunciador &anunciador,
                  PictureCache &cache, std::function<const Mesa &()> mesaMostrada);

    void conectar(Mesa &mesa);

private:
    void conectarCaras(Mesa &mesa);
    void conectarPulsaciones(Mesa &mesa);
    void conectarSoltadas(Mesa &mesa);

    ZelboFrm &m_ventana;
    const ZelboGame &m_juego;
    Anunciador &m_anunciador;
    PictureCache &m_cache;
    std::function<const Mesa &()> m_mesaMostrada;
};
