// SPDX-License-Identifier: GPL-3.0-or-later

#include "nombresaccesibles.h"

#include "boardwidget.h"
#include "cardpicture.h"
#include "gamestate.h"
#include "markbox.h"
#include "nombrenaipe.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

QString marcada(bool marca, const QString &sufijo)
{
    return marca ? sufijo : QString();
}

QString cartas(int n)
{
    return n == 1 ? QCoreApplication::translate("NombresAccesibles", "1 carta")
                  : QCoreApplication::translate("NombresAccesibles", "%1 cartas").arg(n);
}

// A card as the screen reader reads it. Its description is not the tool tip,
// which tells the mouse what to do: a card the keys reach says which keys act
// on it, the others say nothing more than their name.
class CartaAccesible : public QAccessibleWidget
{
public:
    CartaAccesible(CardPicture *carta, QAccessible::Role rol)
        : QAccessibleWidget(carta, rol)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        return widget()->focusPolicy() & Qt::TabFocus
            ? QCoreApplication::translate("NombresAccesibles", "Espacio marca, Intro juega")
            : QString();
    }
};

} // namespace

NombresAccesibles::NombresAccesibles(BoardWidget &tablero)
    : m_tablero(tablero)
{
}

// A name set again unchanged would raise a name-change event for nothing.
void NombresAccesibles::poner(QWidget *control, const QString &nombre)
{
    if (control->accessibleName() != nombre)
        control->setAccessibleName(nombre);
}

void NombresAccesibles::actualizar(const GameState &e)
{
    mesa(e);
    manos(e);
    montones(e);
    poner(m_tablero.Contp1Lbl, tr("Montón de la CPU: %1").arg(cartas(e.player1Lev.count())));
    poner(m_tablero.Contp2lbl, tr("Tu montón: %1").arg(cartas(e.player2Lev.count())));
    poner(m_tablero.Puntajep1Lbl, tr("Puntos de la CPU: %1").arg(e.jugadorCpu.puntos()));
    poner(m_tablero.Puntajep2Lbl, tr("Tus puntos: %1").arg(e.jugadorHumano.puntos()));
}

void NombresAccesibles::turno(const QString &cartel)
{
    poner(m_tablero.Cartellbl, tr("Turno: %1").arg(cartel));
}

void NombresAccesibles::mesa(const GameState &e)
{
    for (int i = 0; i < static_cast<int>(m_tablero.mesaimg.size()); ++i) {
        const auto n = static_cast<std::size_t>(i);
        const bool marca = e.marcas.CheckMesa.at(n);
        if (i < e.lamesa.count()) {
            const classNaipe &carta = e.carta(e.lamesa.at(i));
            poner(m_tablero.mesaimg.at(n),
                  tr("%1, en la mesa").arg(NombreNaipe::nombre(carta))
                      + marcada(marca, tr(", marcada")));
            poner(m_tablero.CheckMesa.at(n),
                  tr("Marca %1, en la mesa").arg(NombreNaipe::conDe(carta)));
        } else {
            poner(m_tablero.mesaimg.at(n), tr("Lugar %1 de la mesa, vacío").arg(i + 1));
            poner(m_tablero.CheckMesa.at(n), tr("Marca del lugar %1 de la mesa, vacío").arg(i + 1));
        }
    }
}

void NombresAccesibles::manos(const GameState &e)
{
    for (int i = 0; i < static_cast<int>(m_tablero.cartap2img.size()); ++i) {
        const auto n = static_cast<std::size_t>(i);
        const QString cpu = i < e.player1.count()
            ? tr("Carta de la CPU, boca abajo")
            : tr("Lugar %1 de la mano de la CPU, vacío").arg(i + 1);
        poner(m_tablero.cartap1img.at(n), cpu);
        poner(m_tablero.Image1.at(n), cpu);
        if (i < e.player2.count()) {
            const classNaipe &carta = e.carta(e.player2.at(i));
            poner(m_tablero.cartap2img.at(n),
                  tr("%1, en tu mano").arg(NombreNaipe::nombre(carta))
                      + marcada(e.marcas.Checkp2.at(n), tr(", marcada")));
            poner(m_tablero.Checkp2.at(n),
                  tr("Marca %1, en tu mano").arg(NombreNaipe::conDe(carta)));
        } else {
            poner(m_tablero.cartap2img.at(n), tr("Lugar %1 de tu mano, vacío").arg(i + 1));
            poner(m_tablero.Checkp2.at(n), tr("Marca del lugar %1 de tu mano, vacío").arg(i + 1));
        }
    }
}

void NombresAccesibles::montones(const GameState &e)
{
    const QString titulos[] = { tr("Montón de la CPU"), tr("Tu montón") };
    const QString marcas[] = { tr("Marca del montón de la CPU"), tr("Marca de tu montón") };
    const CardList *pilas[] = { &e.player1Lev, &e.player2Lev };
    for (std::size_t i = 0; i < 2; ++i) {
        const CardList &pila = *pilas[i];
        const QString marca = marcada(e.marcas.CheckMonton.at(i), tr(", marcado"));
        poner(m_tablero.montonimg.at(i),
              pila.isEmpty() ? tr("%1, vacío").arg(titulos[i])
                             : tr("%1, %2, arriba %3%4")
                                   .arg(titulos[i], cartas(pila.count()),
                                        NombreNaipe::conArticulo(e.carta(pila.at(0))), marca));
        poner(m_tablero.CheckMonton.at(i), marcas[i]);
    }
}

QAccessibleInterface *NombresAccesibles::fabrica(const QString &clase, QObject *objeto)
{
    auto *carta = qobject_cast<CardPicture *>(objeto);
    if (clase != QLatin1String("CardPicture") || !carta)
        return nullptr;
    const Imagen &i = carta->imagen();
    const bool activa = i.grupo == GrupoImagen::cartap2img || i.grupo == GrupoImagen::mesaimg
        || (i.grupo == GrupoImagen::montonimg && i.indice == 0);
    return new CartaAccesible(carta, activa ? QAccessible::Button : QAccessible::Graphic);
}
