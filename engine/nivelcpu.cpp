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

std::unique_ptr<ElectorJugada> crearElector(NivelCpu nivel)
{
    switch (nivel) {
    case NivelCpu::Normal:
        return std::make_unique<ElectorNormal>();
    case NivelCpu::Dificil:
        // The Difícil player is built in separately; until then there is none.
        break;
    }
    return nullptr;
}

} // namespace NivelesCpu
