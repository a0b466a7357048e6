#include "planturnocpu.h"

namespace {

constexpr int kPausaMonton = 1500;
constexpr int kPausaMontonRival = 1000;
constexpr int kPausaMesa = 800;
constexpr int kPausaCarta = 1000;

const Imagen kPrimeraCarta { GrupoImagen::cartap1img, 0 };

bool coincide(const GameState &e, const CardList &lista, int i, const QString &palo)
{
    return i < lista.count() && e.palo(lista.at(i)) == palo;
}

} // namespace

PlanTurnoCpu PlanTurnoCpu::elegir(const GameState &estado)
{
    using Paso = PlanTurnoCpu::Paso;
    PlanTurnoCpu plan;
    const QString &palo = estado.palo(estado.player1.at(0));
    if (coincide(estado, estado.player1Lev, 0, palo)) {
        plan.jugada = Jugada::AlMonton;
        plan.pasos.push_back(Paso { {}, 0, kPrimeraCarta, kPausaMonton });
        return plan;
    }
    plan.pasos.push_back(Paso { GrupoMarca::Checkp1, 0, {}, 0 });
    if (coincide(estado, estado.player2Lev, 0, palo)) {
        plan.jugada = Jugada::Levantar;
        plan.pasos.push_back(Paso { GrupoMarca::CheckMonton, 1,
                                    Imagen { GrupoImagen::montonimg, 1 }, kPausaMontonRival });
    } else {
        // Only the seven table places of the board can be marked.
        for (int i = 0; i < estado.lamesa.count() && i < Marcas::kMesa; ++i) {
            if (coincide(estado, estado.lamesa, i, palo)) {
                plan.jugada = Jugada::Levantar;
                plan.pasos.push_back(Paso { GrupoMarca::CheckMesa, i,
                                            Imagen { GrupoImagen::mesaimg, i }, kPausaMesa });
            }
        }
    }
    plan.pasos.push_back(Paso { {}, 0, kPrimeraCarta, kPausaCarta });
    return plan;
}

::Jugada PlanTurnoCpu::comoJugada() const
{
    using Tipo = ::Jugada::Tipo;
    ::Jugada j { jugada == Jugada::AlMonton ? Tipo::AlMonton : Tipo::Tirar, 0, {} };
    for (const Paso &paso : pasos) {
        if (paso.marca == GrupoMarca::CheckMonton)
            j.tipo = Tipo::LevantarMonton;
        if (paso.marca == GrupoMarca::CheckMesa) {
            j.tipo = Tipo::LevantarMesa;
            j.mesa.push_back(paso.indiceMarca);
        }
    }
    return j;
}
