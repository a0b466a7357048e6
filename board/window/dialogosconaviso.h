// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

#include <functional>

// The game's dialogs, each message box carrying the words a screen reader has still to say
// (the CPU's last move, when a hand ends on it): the box is named by them, so they are heard
// before its own text rather than cut off by it.
class DialogosConAviso : public DialogService
{
public:
    explicit DialogosConAviso(DialogService &dialogos)
        : m_dialogos(dialogos)
    {
    }
    // What is still to be said when a box opens; it is taken, not said again after the box.
    void setPorDecir(std::function<QString()> porDecir) { m_porDecir = std::move(porDecir); }

    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    void abrirMensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones, AlResponder alResponder) override;
    std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) override
    {
        return m_dialogos.pedirTexto(pregunta, titulo);
    }
    QString archivoParaAbrir(const QString &filtro) override
    {
        return m_dialogos.archivoParaAbrir(filtro);
    }
    QString archivoParaGuardar(const QString &filtro) override
    {
        return m_dialogos.archivoParaGuardar(filtro);
    }
    qint32 elegirColor(qint32 inicial) override { return m_dialogos.elegirColor(inicial); }

private:
    OpcionesMensaje conAviso(const OpcionesMensaje &opciones) const;

    DialogService &m_dialogos;
    std::function<QString()> m_porDecir;
};
