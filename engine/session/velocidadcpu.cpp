// SPDX-License-Identifier: GPL-3.0-or-later

#include "velocidadcpu.h"

#include <array>
#include <cmath>

namespace VelocidadesCpu {

namespace {
struct Fila
{
    VelocidadCpu velocidad;
    const char *clave;
    double factor;
};
constexpr std::array<Fila, 4> kFilas { {
    { VelocidadCpu::Lenta, "lenta", 1.5 },
    { VelocidadCpu::Normal, "normal", 1.0 },
    { VelocidadCpu::Rapida, "rapida", 0.3 },
    { VelocidadCpu::SinPausas, "sinpausas", 0.0 },
} };

const Fila &fila(VelocidadCpu velocidad)
{
    for (const Fila &f : kFilas) {
        if (f.velocidad == velocidad)
            return f;
    }
    return kFilas.at(1);
}
} // namespace

QString clave(VelocidadCpu velocidad)
{
    return QString::fromLatin1(fila(velocidad).clave);
}

std::optional<VelocidadCpu> deClave(const QString &texto)
{
    for (const Fila &f : kFilas) {
        if (texto == QLatin1String(f.clave))
            return f.velocidad;
    }
    return std::nullopt;
}

int escalar(int milisegundos, VelocidadCpu velocidad)
{
    return static_cast<int>(std::lround(milisegundos * fila(velocidad).factor));
}

} // namespace VelocidadesCpu
