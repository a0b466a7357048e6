// SPDX-License-Identifier: GPL-3.0-or-later

#include "compasescpu.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "cardpicture.h"
#include "mesa.h"
#include "pausa.h"
#include "velocidadcpu.h"

#include <utility>

CompasesCpu::CompasesCpu(Mesa &mesa, AnimadorTablero &animador, Pausa &pausa,
                         const AjustesJuego &ajustes, MostrarMarcas mostrarMarcas, QObject *parent)
    : QObject(parent)
    , m_mesa(&mesa)
    , m_animador(animador)
    , m_pausa(pausa)
    , m_ajustes(ajustes)
    , m_mostrarMarcas(std::move(mostrarMarcas))
{
}

void CompasesCpu::tocar(const PlanTurnoCpu &plan, const Marcas &marcas, std::function<void()> listo)
{
    m_plan = plan;
    m_paso = 0;
    m_marcas = marcas;
    m_listo = std::move(listo);
    siguiente();
}

// A beat without a picture only sets its mark, shown with the next picture.
void CompasesCpu::siguiente()
{
    while (m_paso < m_plan.numPasos()) {
        const PlanTurnoCpu::Paso paso = m_plan.paso(m_paso);
        if (paso.marca)
            m_marcas.de(*paso.marca, paso.indiceMarca) = true;
        if (paso.imagen) {
            m_animador.alAterrizar(
                [this, paso] {
                    m_mostrarMarcas(m_marcas);
                    ResaltarCarta(*paso.imagen, paso.milisegundos, [this] {
                        ++m_paso;
                        siguiente();
                    });
                },
                this);
            return;
        }
        ++m_paso;
    }
    // Handed on last: the game may start the next turn's beats from it.
    std::exchange(m_listo, {})();
}

void CompasesCpu::ResaltarCarta(const Imagen &imagen, int milisegundos, std::function<void()> luego)
{
    // The table may change while the card is enlarged: the same one restores it.
    Mesa *mesa = m_mesa;
    CardPicture *carta = mesa->imagen(imagen);
    CardPicture *cubierta
        = imagen.grupo == GrupoImagen::cartap1img ? mesa->cubiertas().at(imagen.indice) : nullptr;
    if (cubierta)
        cubierta->hide();
    mesa->resaltar(carta, true);
    m_pausa.esperar(VelocidadesCpu::escalar(milisegundos, m_ajustes.velocidad()),
                    [mesa, carta, cubierta, luego = std::move(luego)] {
                        mesa->resaltar(carta, false);
                        if (cubierta)
                            cubierta->show();
                        luego();
                    });
}
