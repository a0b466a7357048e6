// SPDX-License-Identifier: GPL-3.0-or-later

#include "nombrenaipe.h"

#include <QCoreApplication>
#include <QStringList>

namespace NombreNaipe {

namespace {

// The suits as the card set names them, for the translation tools to find.
[[maybe_unused]] const char *const kPalos[] = {
    QT_TRANSLATE_NOOP("NombreNaipe", "oros"),
    QT_TRANSLATE_NOOP("NombreNaipe", "copas"),
    QT_TRANSLATE_NOOP("NombreNaipe", "espadas"),
    QT_TRANSLATE_NOOP("NombreNaipe", "bastos"),
};

QString palo(const classNaipe &carta)
{
    return QCoreApplication::translate("NombreNaipe", carta.palo().toUtf8().constData());
}

QString conPalo(const QString &figuras, const classNaipe &carta)
{
    return QCoreApplication::translate("NombreNaipe", "%1 de %2").arg(figuras, palo(carta));
}

// The sota is the one card whose name is feminine.
QString articulo(const classNaipe &carta, const QString &nombre)
{
    return carta.numero() == 10 ? QCoreApplication::translate("NombreNaipe", "la %1").arg(nombre)
                                : QCoreApplication::translate("NombreNaipe", "el %1").arg(nombre);
}

QString unir(const QStringList &partes)
{
    if (partes.size() < 2)
        return partes.value(0);
    return QCoreApplication::translate("NombreNaipe", "%1 y %2")
        .arg(partes.mid(0, partes.size() - 1).join(QStringLiteral(", ")), partes.last());
}

} // namespace

QString figura(const classNaipe &carta)
{
    switch (carta.numero()) {
    case 1:
        return QCoreApplication::translate("NombreNaipe", "As");
    case 10:
        return QCoreApplication::translate("NombreNaipe", "Sota");
    case 11:
        return QCoreApplication::translate("NombreNaipe", "Caballo");
    case 12:
        return QCoreApplication::translate("NombreNaipe", "Rey");
    default:
        return QString::number(carta.numero());
    }
}

QString nombre(const classNaipe &carta)
{
    return conPalo(figura(carta), carta);
}

QString conArticulo(const classNaipe &carta)
{
    return articulo(carta, nombre(carta));
}

QString conDe(const classNaipe &carta)
{
    return carta.numero() == 10
        ? QCoreApplication::translate("NombreNaipe", "de la %1").arg(nombre(carta))
        : QCoreApplication::translate("NombreNaipe", "del %1").arg(nombre(carta));
}

QString lista(const QList<const classNaipe *> &cartas)
{
    bool mismoPalo = true;
    for (const classNaipe *carta : cartas)
        mismoPalo = mismoPalo && carta->palo() == cartas.first()->palo();
    QStringList partes;
    for (const classNaipe *carta : cartas)
        partes << (mismoPalo ? articulo(*carta, figura(*carta)) : conArticulo(*carta));
    if (mismoPalo && !cartas.isEmpty())
        return conPalo(unir(partes), *cartas.first());
    return unir(partes);
}

} // namespace NombreNaipe
