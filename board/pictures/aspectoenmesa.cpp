// SPDX-License-Identifier: GPL-3.0-or-later

#include "aspectoenmesa.h"

#include "cardstyles.h"

#include <QCoreApplication>

namespace {
BackStyle colorDe(ReversoIncluido incluido)
{
    switch (incluido) {
    case ReversoIncluido::Granate:
        break;
    case ReversoIncluido::Azul:
        return BackStyle::Blue;
    case ReversoIncluido::Verde:
        return BackStyle::Green;
    }
    return BackStyle::Claret;
}

QString enDatos(const QString &datos, const QString &nombre)
{
    return datos + QLatin1Char('/') + nombre;
}
} // namespace

QString AspectoEnMesa::carpetaDeCaras(EstiloCaras estilo)
{
    if (estilo == EstiloCaras::Tradicional)
        return CardStyles::folder(FaceStyle::Traditional);
    return enIngles() ? CardStyles::folder(FaceStyle::ModernEnglish) : QString();
}

QString AspectoEnMesa::reverso(const QString &pedido, const QString &datos,
                               ReversoIncluido incluido)
{
    if (pedido != enDatos(datos, CardStyles::backFile(BackStyle::Claret)))
        return pedido;
    return muestraDeReverso(datos, incluido);
}

QString AspectoEnMesa::muestraDeCara(const QString &datos, EstiloCaras estilo)
{
    QString carpeta = carpetaDeCaras(estilo);
    if (carpeta.isEmpty())
        carpeta = CardStyles::folder(FaceStyle::Modern);
    return enDatos(datos, carpeta + QStringLiteral("/copas12.jpg"));
}

QString AspectoEnMesa::muestraDeReverso(const QString &datos, ReversoIncluido incluido)
{
    return enDatos(datos, CardStyles::backFile(colorDe(incluido)));
}

bool AspectoEnMesa::enIngles()
{
    return QCoreApplication::translate("AspectoEnMesa", "es",
                                       "the language the modern figures are named in: es or en")
        == QLatin1String("en");
}
