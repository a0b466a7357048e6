// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "imagen.h"
#include "lado.h"

#include <QList>
#include <QWidget>

class CardList;
class CardPicture;
class QToolBar;
struct GameState;
struct Marcas;

// A table the game is shown on. The window and its helpers reach the cards,
// marks, piles, scores and the turn only through this, so each layout of the
// table draws them its own way and the player's clicks and drops come back as
// the same signals.
class Mesa : public QWidget
{
    Q_OBJECT

public:
    // The texts a screen reader is given a name for, where the table shows them.
    enum class Rotulo { Cartel, ContadorCpu, ContadorHumano, PuntajeCpu, PuntajeHumano };

    explicit Mesa(QWidget *parent);

    // The pictures of one group of places, in the order of their card list, and
    // the covers laid over the CPU's hand.
    virtual QList<CardPicture *> imagenes(GrupoImagen grupo) const = 0;
    virtual QList<CardPicture *> cubiertas() const = 0;
    CardPicture *imagen(const Imagen &imagen) const;

    // Every card of the state in its place (a list longer than its places shows
    // its first cards), the piles' tops and the side to play.
    virtual void mostrarEstado(const GameState &estado) = 0;
    virtual void mostrarMarcas(const Marcas &marcas) = 0;
    virtual void mostrarCartel(const QString &texto) = 0;
    // The side whose move the game waits for or plays; the turn sign says it on a
    // table that has one.
    virtual void mostrarTurno(Lado lado) { Q_UNUSED(lado) }
    // A short message on the table itself; false where the table shows none.
    virtual bool mostrarAviso(const QString &texto)
    {
        Q_UNUSED(texto)
        return false;
    }
    // The cards in each pile.
    virtual void mostrarContadores(int cpu, int humano) = 0;
    virtual void mostrarPuntajes(int cpu, int humano) = 0;
    virtual void mostrarNombreJugador(const QString &nombre) = 0;
    virtual void setReverso(const QString &ruta) = 0;
    // The felt's picture file, decoded when it is first shown, and the colour
    // shown without it.
    virtual void setFondo(const QString &ruta) = 0;
    virtual void setColorFondo(const QColor &color) = 0;
    // Grows a card picture for a pause of the CPU's turn, or restores it.
    virtual void resaltar(CardPicture *imagen, bool grande) = 0;
    // Where the tutor's note lies, in the table's own coordinates, clear of its cards.
    virtual QRect lugarNotaTutor() const = 0;
    // Where the window lays the toolbar's commands.
    virtual QToolBar *barra() const = 0;
    // The control that shows a text, or the mark of a place, for the screen
    // reader's names; null where this table has none of its own.
    virtual QWidget *rotulo(Rotulo rotulo) const = 0;
    virtual QWidget *marca(const Imagen &lugar) const = 0;
    // A hand card of the given slot dropped at the point, told by one of the
    // signals below.
    virtual void soltar(QPoint punto, int slot) = 0;

signals:
    // A card that takes clicks was clicked: a table card, a hand card, the CPU's pile.
    void cartaPulsada(const Imagen &imagen);
    // The player asked to mark or unmark a hand card or the own pile.
    void marcaPulsada(const Imagen &lugar);
    void levantarPulsado();
    // A hand card dropped on the background (no control under it), or on a pile's place.
    void soltadaEnFondo(int slot);
    void soltadaEnMonton(int slot);
    void soltadaEnMesa(int slot, int lugar);
    // Dropped on a control that takes no card: the player is told why.
    void soltadaSinEfecto(int slot);
    // The card faces are shown at new sizes or a new pixel ratio: their pictures
    // may be prepared ahead.
    void cartasRedimensionadas(const QList<QSize> &tamanos, qreal razon);
    // The tutor's note has another place: the table's cards moved or the table was resized.
    void lugarNotaTutorCambiado();

protected:
    // A hand card dragged over the table is taken wherever it is dropped.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Shows the first cards of lista in the pictures, and hides the pictures left over.
    static void mostrarLista(const GameState &estado, const CardList &lista,
                             const QList<CardPicture *> &imagenes);
};
