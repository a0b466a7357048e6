// SPDX-License-Identifier: GPL-3.0-or-later

#include "nivelcpu.h"

#include "electornormal.h"

namespace NivelesCpu {

QString clave(NivelCpu nivel)
{
    return nivel == NivelCpu::Dificil ? QStringLiteral("dificil") : QStringLiteral("normal");
}

std::optional<NivelCpu> deClave(const QString &clave)
{
    if (clave == QLatin1String("normal"))
        return NivelCpu::Normal;
    if (clave == QLatin1String("dificil"))
        return NivelCpu::Dificil;
    return std::nullopt;
}

std::unique_ptr<ElectorJugada> crearElector(NivelCpu nivel, std::uint64_t semilla)
{
    if (nivel == NivelCpu::Dificil)
        return std::make_unique<ElectorDificil>(semilla);
    return std::make_unique<ElectorNormal>();
}

} // namespace NivelesCpu
