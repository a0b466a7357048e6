// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mesa.h"

#include <QObject>
#include <memory>
#include <vector>

class QPainter;
class QRegion;

// One layout of the table: where each card's place is for the table's size,
// the felt under them, and the decorations of its own (words, marks, buttons),
// which are gone with it. The table calls it for everything it shows that is
// not a card.
class Disposicion : public QObject
{
    Q_OBJECT

public:
    explicit Disposicion(Mesa &mesa);
    ~Disposicion() override;

    Mesa &mesa() const { return m_mesa; }

    // How many table cards have a place of their own.
    virtual int lugaresMesa() const = 0;
    // Takes the table's cards (their tooltips, pointers and places) and makes
    // the decorations, which lie above them.
    virtual void montar() = 0;
    // After the cards of a new state are shown.
    virtual void mostrarEstado(const GameState &estado) { Q_UNUSED(estado) }
    virtual void mostrarMarcas(const Marcas &marcas) = 0;
    virtual void mostrarCartel(const QString &texto) = 0;
    virtual void mostrarTurno(Lado lado) { Q_UNUSED(lado) }
    virtual bool mostrarAviso(const QString &texto)
    {
        Q_UNUSED(texto)
        return false;
    }
    virtual void mostrarContadores(int cpu, int humano) = 0;
    virtual void mostrarPuntajes(int cpu, int humano) = 0;
    virtual void mostrarNombreJugador(const QString &nombre) = 0;
    virtual void setOrdenes(const QList<QAction *> &barra, QAction *correr) = 0;
    virtual void mostrarCorrer(bool hayPrograma) { Q_UNUSED(hayPrograma) }
    virtual void setFondo(const QString &ruta) = 0;
    virtual void setColorFondo(const QColor &color) = 0;
    virtual void resaltar(CardPicture *imagen, bool grande) = 0;
    virtual QRect lugarNotaTutor() const = 0;
    virtual QWidget *rotulo(Mesa::Rotulo rotulo) const = 0;
    virtual QWidget *marca(const Imagen &lugar) const
    {
        Q_UNUSED(lugar)
        return nullptr;
    }
    // Whether the point lies on a pile's place, an empty pile's too.
    virtual bool enMonton(QPoint punto) const = 0;
    // Everything laid out for the table's size; the sizes the card faces show at.
    virtual QList<QSize> redimensionar() = 0;
    // How far the cards' shadows fall at the table's size, in pixels.
    virtual qreal caidaSombra() const = 0;
    // The felt and what lies on it under the cards, where it meets zona.
    virtual void pintar(QPainter &p, const QRegion &zona) = 0;

    // The hand's end and the results on the table, where the layout has them.
    virtual bool finDeManoEnMesa() const { return false; }
    virtual void mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                                std::function<void()> alCerrar);
    virtual QString mostrarResultados(const QString &nombre, int num1, int num2,
                                      ResultadoDeMano::Ganador ganador,
                                      std::function<void(bool otraPartida)> alResponder);
    // The panel that waits for the player; null when none.
    virtual QWidget *veloAbierto() const { return nullptr; }

protected:
    // A decoration of this layout's own, on the table until the layout goes.
    template <class T>
    T *propio(T *control)
    {
        m_propios.emplace_back(control);
        return control;
    }

private:
    Mesa &m_mesa;
    std::vector<std::unique_ptr<QWidget>> m_propios;
};
