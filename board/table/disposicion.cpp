// SPDX-License-Identifier: GPL-3.0-or-later

#include "disposicion.h"

Disposicion::Disposicion(Mesa &mesa)
    : m_mesa(mesa)
{
}

Disposicion::~Disposicion()
{
    // The newest first, as Qt deletes children.
    while (!m_propios.empty())
        m_propios.pop_back();
}

void Disposicion::mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                                 std::function<void()> alCerrar)
{
    Q_UNUSED(resumen)
    Q_UNUSED(palabras)
    Q_UNUSED(alCerrar)
}

QString Disposicion::mostrarResultados(const QString &nombre, int num1, int num2,
                                       ResultadoDeMano::Ganador ganador,
                                       std::function<void(bool otraPartida)> alResponder)
{
    Q_UNUSED(nombre)
    Q_UNUSED(num1)
    Q_UNUSED(num2)
    Q_UNUSED(ganador)
    Q_UNUSED(alResponder)
    return {};
}
