// SPDX-License-Identifier: GPL-3.0-or-later

#include "soltarenmesa.h"

#include <QCoreApplication>

#include "legalidad.h"
#include "nombrenaipe.h"

#include <algorithm>

namespace SoltarEnMesa {

std::optional<Jugada> jugada(const GameState &e, int slot, int lugar)
{
    Jugada j { Jugada::Tipo::LevantarMesa, slot, { lugar } };
    if (!Legalidad::esLegal(e, j, Lado::Humano))
        return std::nullopt;
    // A marked place joins when the card could lift it as well.
    for (int i = 0; i < e.lamesa.count() && i < Marcas::kMesa; ++i) {
        if (i != lugar && e.marcas.de(GrupoMarca::CheckMesa, i)
            && Legalidad::esLegal(e,
                                  MovimientoCompacto { Jugada::Tipo::LevantarMesa,
                                                       static_cast<std::uint8_t>(slot),
                                                       static_cast<std::uint8_t>(1U << i) },
                                  Lado::Humano))
            j.mesa.push_back(i);
    }
    std::sort(j.mesa.begin(), j.mesa.end());
    return j;
}

QString porQueNo(const GameState &e, int slot, int lugar)
{
    QString tuya = NombreNaipe::conArticulo(e.carta(e.player2.at(slot)));
    tuya[0] = tuya[0].toUpper();
    return QCoreApplication::translate("SoltarEnMesa", "%1 no es del palo %2: no levanta nada")
        .arg(tuya, NombreNaipe::conDe(e.carta(e.lamesa.at(lugar))));
}

} // namespace SoltarEnMesa
