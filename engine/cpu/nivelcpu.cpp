// SPDX-License-Identifier: GPL-3.0-or-later

#include "nivelcpu.h"

#include "electorexperto.h"
#include "electornormal.h"

namespace NivelesCpu {

QString clave(NivelCpu nivel)
{
    switch (nivel) {
    case NivelCpu::Dificil:
        return QStringLiteral("dificil");
    case NivelCpu::Experto:
        return QStringLiteral("experto");
    case NivelCpu::Normal:
        break;
    }
    return QStringLiteral("normal");
}

std::optional<NivelCpu> deClave(const QString &clave)
{
    if (clave == QLatin1String("normal"))
        return NivelCpu::Normal;
    if (clave == QLatin1String("dificil"))
        return NivelCpu::Dificil;
    if (clave == QLatin1String("experto"))
        return NivelCpu::Experto;
    return std::nullopt;
}

std::unique_ptr<Elector> crearElector(NivelCpu nivel, std::uint64_t semilla)
{
    if (nivel == NivelCpu::Dificil)
        return std::make_unique<ElectorDificil>(semilla);
    if (nivel == NivelCpu::Experto)
        return std::make_unique<ElectorExperto>(semilla);
    return std::make_unique<ElectorNormal>();
}

} // namespace NivelesCpu
