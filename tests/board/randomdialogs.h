// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

#include <QHash>
#include <QRandomGenerator>
#include <QStringList>

// A player at the dialogs who answers at random: any button of a question, a
// name or nothing, one of a few files (good, damaged or missing saves and
// pictures) or a cancelled file dialog, any colour. Saves land in the folder
// of the files to open, so later openings may find them.
class RandomDialogs : public DialogService
{
public:
    RandomDialogs(QRandomGenerator &azar, QString carpeta);

    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) override;
    QString archivoParaAbrir(const QString &filtro) override;
    QString archivoParaGuardar(const QString &filtro) override;
    qint32 elegirColor(qint32 inicial) override;

    void setArchivos(const QStringList &archivos) { m_archivos = archivos; }
    // The last message's text, for a failure report.
    const QString &ultimoMensaje() const { return m_ultimo; }
    // How often a message was shown, to tell how far the games got.
    int vecesMostrado(const QString &texto) const { return m_veces.value(texto); }

private:
    bool moneda(int porCiento) { return static_cast<int>(m_azar.bounded(100)) < porCiento; }

    QRandomGenerator &m_azar;
    QString m_carpeta;
    QStringList m_archivos;
    QString m_ultimo;
    QHash<QString, int> m_veces;
};
