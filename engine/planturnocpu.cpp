#include "planturnocpu.h"

namespace {

constexpr int kPausaMonton = 1500;
constexpr int kPausaMontonRival = 1000;
constexpr int kPausaMesa = 800;
constexpr int kPausaCarta = 1000;

} // namespace

PlanTurnoCpu PlanTurnoCpu::de(const Jugada &jugada)
{
    PlanTurnoCpu plan;
    const Imagen carta { GrupoImagen::cartap1img, jugada.carta };
    if (jugada.tipo == Jugada::Tipo::AlMonton) {
        plan.agregar({}, 0, carta, kPausaMonton);
        return plan;
    }
    plan.agregar(GrupoMarca::Checkp1, jugada.carta, {}, 0);
    if (jugada.tipo == Jugada::Tipo::LevantarMonton) {
        plan.agregar(GrupoMarca::CheckMonton, 1, Imagen { GrupoImagen::montonimg, 1 },
                     kPausaMontonRival);
    } else if (jugada.tipo == Jugada::Tipo::LevantarMesa) {
        for (const int i : jugada.mesa)
            plan.agregar(GrupoMarca::CheckMesa, i, Imagen { GrupoImagen::mesaimg, i }, kPausaMesa);
    }
    plan.agregar({}, 0, carta, kPausaCarta);
    return plan;
}
