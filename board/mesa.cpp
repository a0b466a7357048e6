// SPDX-License-Identifier: GPL-3.0-or-later

#include "mesa.h"

#include "cardpicture.h"
#include "gamestate.h"

#include <QDragEnterEvent>
#include <QMimeData>

Mesa::Mesa(QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
}

CardPicture *Mesa::imagen(const Imagen &imagen) const
{
    return imagenes(imagen.grupo).at(imagen.indice);
}

void Mesa::mostrarLista(const GameState &estado, const CardList &lista,
                        const QList<CardPicture *> &imagenes)
{
    for (int i = 0; i < static_cast<int>(imagenes.size()); ++i) {
        CardPicture *imagen = imagenes.at(i);
        if (i < lista.count())
            imagen->setRuta(estado.carta(lista.at(i)).imagen());
        imagen->setVisible(i < lista.count());
    }
}

namespace {
bool esCarta(const QDropEvent *event)
{
    return event->mimeData()->hasFormat(CardPicture::kTipoArrastre)
        && qobject_cast<CardPicture *>(event->source());
}
} // namespace

void Mesa::dragEnterEvent(QDragEnterEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void Mesa::dragMoveEvent(QDragMoveEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void Mesa::dropEvent(QDropEvent *event)
{
    if (!esCarta(event))
        return;
    event->acceptProposedAction();
    soltar(event->position().toPoint(),
           event->mimeData()->data(CardPicture::kTipoArrastre).toInt());
}
