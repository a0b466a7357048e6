// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "zelboerror.h"
#include "zelboview.h"

#include <QString>
#include <exception>

// What every entry point of the game and every step that comes back later runs through:
// a failure is shown and ends the program with status 1; once the program has ended,
// nothing runs.
class GuardiaDelJuego
{
public:
    GuardiaDelJuego(ZelboView &vista, DialogService &dialogos)
        : m_vista(vista)
        , m_dialogos(dialogos)
    {
    }

    // A template rather than a std::function: every click and drop runs through it.
    template<class Procedimiento> void ejecutar(const Procedimiento &procedimiento)
    {
        if (m_terminado)
            return;
        try {
            procedimiento();
        } catch (const ZelboError &e) {
            fallo(e.text());
        } catch (const std::exception &e) {
            fallo(QString::fromLocal8Bit(e.what()));
        }
    }

    // A step handed to the view, the dialogs or the thinker, run as an entry point when
    // they call it back.
    template<class Paso> auto despues(Paso paso)
    {
        return [this, paso](auto &&...valores) { this->ejecutar([&] { paso(valores...); }); };
    }

    // The program ends with this status; nothing runs after it.
    void terminar(int estado);
    bool terminado() const { return m_terminado; }
    int estadoSalida() const { return m_estadoSalida; }

private:
    void fallo(const QString &texto);

    ZelboView &m_vista;
    DialogService &m_dialogos;
    bool m_terminado = false;
    int m_estadoSalida = 0;
};
