// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

#include <functional>

// Answers every dialog at once without a person: message boxes with OK, the
// question whether to play again as the listener decides, and every input or
// file dialog as cancelled. Each box with only OK is handed to a listener.
class AutoDialogs : public DialogService
{
public:
    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    std::optional<QString> pedirTexto(const QString &, const QString &) override { return {}; }
    QString archivoParaAbrir(const QString &) override { return {}; }
    QString archivoParaGuardar(const QString &) override { return {}; }
    qint32 elegirColor(qint32 inicial) override { return inicial; }

    void setAlAvisar(std::function<void(const QString &)> f) { m_alAvisar = std::move(f); }
    // Decides the answer to a Yes/No question: true for Yes.
    void setAlPreguntar(std::function<bool(const QString &)> f) { m_alPreguntar = std::move(f); }
    // The text of the last box that reported an error.
    const QString &ultimoError() const { return m_ultimoError; }
    // The text of the last box with only OK: a refused move, a file that
    // could not be read or written, a hand's verdict.
    const QString &ultimoAviso() const { return m_ultimoAviso; }

private:
    std::function<void(const QString &)> m_alAvisar;
    std::function<bool(const QString &)> m_alPreguntar;
    QString m_ultimoError;
    QString m_ultimoAviso;
};
