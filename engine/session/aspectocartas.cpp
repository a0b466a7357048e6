// SPDX-License-Identifier: GPL-3.0-or-later

#include "aspectocartas.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<EstiloCaras, const char *>, 2> kEstilos { {
    { EstiloCaras::Moderno, "moderno" },
    { EstiloCaras::Tradicional, "tradicional" },
} };
constexpr std::array<std::pair<ReversoIncluido, const char *>, 3> kReversos { {
    { ReversoIncluido::Granate, "granate" },
    { ReversoIncluido::Azul, "azul" },
    { ReversoIncluido::Verde, "verde" },
} };

template<typename T, std::size_t N>
QString claveEn(const std::array<std::pair<T, const char *>, N> &tabla, T valor)
{
    for (const auto &[v, clave] : tabla) {
        if (v == valor)
            return QLatin1String(clave);
    }
    return QLatin1String(tabla.front().second);
}

template<typename T, std::size_t N>
std::optional<T> valorEn(const std::array<std::pair<T, const char *>, N> &tabla,
                         const QString &clave)
{
    for (const auto &[v, c] : tabla) {
        if (clave == QLatin1String(c))
            return v;
    }
    return std::nullopt;
}
} // namespace

QString AspectoCartas::clave(EstiloCaras estilo)
{
    return claveEn(kEstilos, estilo);
}

std::optional<EstiloCaras> AspectoCartas::estiloDeClave(const QString &clave)
{
    return valorEn(kEstilos, clave);
}

QString AspectoCartas::clave(ReversoIncluido reverso)
{
    return claveEn(kReversos, reverso);
}

std::optional<ReversoIncluido> AspectoCartas::reversoDeClave(const QString &clave)
{
    return valorEn(kReversos, clave);
}
