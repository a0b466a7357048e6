// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mesa.h"

#include <QCoreApplication>
#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;
struct GameState;

// The board as a screen reader reads it: every card picture, mark, pile,
// counter and the turn sign named in Spanish after what it shows now.
class NombresAccesibles
{
    Q_DECLARE_TR_FUNCTIONS(NombresAccesibles)

public:
    explicit NombresAccesibles(Mesa &mesa);

    // Names every control after the game state; called after each refresh and
    // each change of the marks.
    void actualizar(const GameState &estado);
    void turno(const QString &cartel);

    // Gives the card pictures their roles: a card the player can act on is a
    // button, the CPU's cards and the own pile are graphics.
    static QAccessibleInterface *fabrica(const QString &clase, QObject *objeto);

private:
    void mesa(const GameState &e);
    void manos(const GameState &e);
    void montones(const GameState &e);
    static void poner(QWidget *control, const QString &nombre);
    void poner(Mesa::Rotulo rotulo, const QString &nombre) const;
    void ponerMarca(const Imagen &lugar, const QString &nombre) const;

    Mesa *m_mesa;
};
