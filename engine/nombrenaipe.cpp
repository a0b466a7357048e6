#include "nombrenaipe.h"

#include <QStringList>

namespace NombreNaipe {

namespace {

QString delPalo(const classNaipe &carta)
{
    return QStringLiteral(" de ") + carta.palo();
}

// The sota is the one card whose name is feminine.
QString articulo(const classNaipe &carta)
{
    return carta.numero() == 10 ? QStringLiteral("la ") : QStringLiteral("el ");
}

QString unir(const QStringList &partes)
{
    if (partes.size() < 2)
        return partes.value(0);
    return partes.mid(0, partes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ")
        + partes.last();
}

} // namespace

QString figura(const classNaipe &carta)
{
    switch (carta.numero()) {
    case 1:
        return QStringLiteral("As");
    case 10:
        return QStringLiteral("Sota");
    case 11:
        return QStringLiteral("Caballo");
    case 12:
        return QStringLiteral("Rey");
    default:
        return QString::number(carta.numero());
    }
}

QString nombre(const classNaipe &carta)
{
    return figura(carta) + delPalo(carta);
}

QString conArticulo(const classNaipe &carta)
{
    return articulo(carta) + nombre(carta);
}

QString conDe(const classNaipe &carta)
{
    return carta.numero() == 10 ? QStringLiteral("de la ") + nombre(carta)
                                : QStringLiteral("del ") + nombre(carta);
}

QString lista(const QList<const classNaipe *> &cartas)
{
    bool mismoPalo = true;
    for (const classNaipe *carta : cartas)
        mismoPalo = mismoPalo && carta->palo() == cartas.first()->palo();
    QStringList partes;
    for (const classNaipe *carta : cartas)
        partes << (mismoPalo ? articulo(*carta) + figura(*carta) : conArticulo(*carta));
    if (mismoPalo && !cartas.isEmpty())
        return unir(partes) + delPalo(*cartas.first());
    return unir(partes);
}

} // namespace NombreNaipe
