// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include <QCoreApplication>

#include <QPointer>
#include <QWidget>

class QMessageBox;

// The dialogs the player sees: the toolkit's message, input, file and colour
// dialogs, each over the given window.
class QtDialogService : public DialogService
{
    Q_DECLARE_TR_FUNCTIONS(QtDialogService)

public:
    QtDialogService() = default;
    void setVentana(QWidget *ventana) { m_ventana = ventana; }
    // Where the file dialogs start; empty leaves it to the toolkit (the current folder).
    void setCarpetaInicial(const QString &carpeta) { m_carpetaInicial = carpeta; }

    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    void abrirMensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones, AlResponder alResponder) override;
    std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) override;
    QString archivoParaAbrir(const QString &filtro) override;
    QString archivoParaGuardar(const QString &filtro) override;
    qint32 elegirColor(qint32 inicial) override;

private:
    QWidget *padre() const;
    QMessageBox *crearCaja(const QString &texto, const QString &titulo, Botones botones,
                           Icono icono, const OpcionesMensaje &opciones) const;

    QPointer<QWidget> m_ventana;
    QString m_carpetaInicial;
};
