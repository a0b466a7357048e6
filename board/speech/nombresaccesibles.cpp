// SPDX-License-Identifier: GPL-3.0-or-later

#include "nombresaccesibles.h"

#include "cardpicture.h"
#include "gamestate.h"
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

// A card as the screen reader reads it: its name and nothing more. The tool tip,
// which tells the mouse what to do, is not its description; the keys are told
// once a game (TecladoTablero), not at every focus.
class CartaAccesible : public QAccessibleWidget
{
public:
    CartaAccesible(CardPicture *carta, QAccessible::Role rol)
        : QAccessibleWidget(carta, rol)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }
};

} // namespace

NombresAccesibles::NombresAccesibles(Mesa &mesa)
    : m_mesa(&mesa)
{
}

// A name set again unchanged would raise a name-change event for nothing.
void NombresAccesibles::poner(QWidget *control, const QString &nombre)
{
    if (control->accessibleName() != nombre)
        control->setAccessibleName(nombre);
}

void NombresAccesibles::poner(Mesa::Rotulo rotulo, const QString &nombre) const
{
    if (QWidget *control = m_mesa->rotulo(rotulo))
        poner(control, nombre);
}

void NombresAccesibles::ponerMarca(const Imagen &lugar, const QString &nombre) const
{
    if (QWidget *control = m_mesa->marca(lugar))
        poner(control, nombre);
}

void NombresAccesibles::actualizar(const GameState &e)
{
    mesa(e);
    manos(e);
    montones(e);
    poner(Mesa::Rotulo::ContadorCpu, tr("Montón de la CPU: %1").arg(cartas(e.player1Lev.count())));
    poner(Mesa::Rotulo::ContadorHumano, tr("Tu montón: %1").arg(cartas(e.player2Lev.count())));
    poner(Mesa::Rotulo::PuntajeCpu, tr("Puntos de la CPU: %1").arg(e.jugadorCpu.puntos()));
    poner(Mesa::Rotulo::PuntajeHumano, tr("Tus puntos: %1").arg(e.jugadorHumano.puntos()));
}

void NombresAccesibles::turno(const QString &cartel)
{
    poner(Mesa::Rotulo::Cartel, tr("Turno: %1").arg(cartel));
}

void NombresAccesibles::mesa(const GameState &e)
{
    const QList<CardPicture *> imagenes = m_mesa->imagenes(GrupoImagen::mesaimg);
    for (int i = 0; i < static_cast<int>(imagenes.size()); ++i) {
        const auto n = static_cast<std::size_t>(i);
        // Only the first places of the table take marks.
        const bool marca = n < e.marcas.CheckMesa.size() && e.marcas.CheckMesa.at(n);
        const Imagen lugar { GrupoImagen::mesaimg, i };
        if (i < e.lamesa.count()) {
            const classNaipe &carta = e.carta(e.lamesa.at(i));
            poner(imagenes.at(i),
                  tr("%1, en la mesa").arg(NombreNaipe::nombre(carta))
                      + marcada(marca, tr(", marcada")));
            ponerMarca(lugar, tr("Marca %1, en la mesa").arg(NombreNaipe::conDe(carta)));
        } else {
            poner(imagenes.at(i), tr("Lugar %1 de la mesa, vacío").arg(i + 1));
            ponerMarca(lugar, tr("Marca del lugar %1 de la mesa, vacío").arg(i + 1));
        }
    }
}

void NombresAccesibles::manos(const GameState &e)
{
    const QList<CardPicture *> cpu = m_mesa->imagenes(GrupoImagen::cartap1img);
    const QList<CardPicture *> cubiertas = m_mesa->cubiertas();
    for (int i = 0; i < static_cast<int>(cpu.size()); ++i) {
        const QString nombre = i < e.player1.count()
            ? tr("Carta de la CPU, boca abajo")
            : tr("Lugar %1 de la mano de la CPU, vacío").arg(i + 1);
        poner(cpu.at(i), nombre);
        if (i < cubiertas.size())
            poner(cubiertas.at(i), nombre);
    }
    const QList<CardPicture *> mano = m_mesa->imagenes(GrupoImagen::cartap2img);
    for (int i = 0; i < static_cast<int>(mano.size()); ++i) {
        const Imagen lugar { GrupoImagen::cartap2img, i };
        if (i < e.player2.count()) {
            const classNaipe &carta = e.carta(e.player2.at(i));
            poner(mano.at(i),
                  tr("%1, en tu mano").arg(NombreNaipe::nombre(carta))
                      + marcada(e.marcas.Checkp2.at(static_cast<std::size_t>(i)), tr(", marcada")));
            ponerMarca(lugar, tr("Marca %1, en tu mano").arg(NombreNaipe::conDe(carta)));
        } else {
            poner(mano.at(i), tr("Lugar %1 de tu mano, vacío").arg(i + 1));
            ponerMarca(lugar, tr("Marca del lugar %1 de tu mano, vacío").arg(i + 1));
        }
    }
}

void NombresAccesibles::montones(const GameState &e)
{
    const QString titulos[] = { tr("Montón de la CPU"), tr("Tu montón") };
    const QString marcas[] = { tr("Marca del montón de la CPU"), tr("Marca de tu montón") };
    const CardList *pilas[] = { &e.player1Lev, &e.player2Lev };
    const QList<CardPicture *> imagenes = m_mesa->imagenes(GrupoImagen::montonimg);
    for (std::size_t i = 0; i < 2; ++i) {
        const CardList &pila = *pilas[i];
        const QString marca = marcada(e.marcas.CheckMonton.at(i), tr(", marcado"));
        poner(imagenes.at(static_cast<qsizetype>(i)),
              pila.isEmpty() ? tr("%1, vacío").arg(titulos[i])
                             : tr("%1, %2, arriba %3%4")
                                   .arg(titulos[i], cartas(pila.count()),
                                        NombreNaipe::conArticulo(e.carta(pila.at(0))), marca));
        ponerMarca({ GrupoImagen::montonimg, static_cast<int>(i) }, marcas[i]);
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
