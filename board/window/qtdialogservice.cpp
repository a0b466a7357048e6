// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtdialogservice.h"

#include "colorvalue.h"
#include "sinescape.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <memory>

namespace {

QMessageBox::StandardButtons botonesDe(DialogService::Botones botones)
{
    switch (botones) {
    case DialogService::Botones::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogService::Botones::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case DialogService::Botones::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconoDe(DialogService::Icono icono)
{
    switch (icono) {
    case DialogService::Icono::Critico:
        return QMessageBox::Critical;
    case DialogService::Icono::Pregunta:
        return QMessageBox::Question;
    case DialogService::Icono::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}

DialogService::Respuesta respuestaDe(int boton)
{
    switch (boton) {
    case QMessageBox::Ok:
        return DialogService::Respuesta::Ok;
    case QMessageBox::Yes:
        return DialogService::Respuesta::Yes;
    case QMessageBox::No:
        return DialogService::Respuesta::No;
    default:
        return DialogService::Respuesta::Cancel;
    }
}

// "Archivos (*.dat)" -> "dat": the extension of the filter's first pattern.
QString sufijoDe(const QString &filtro)
{
    const QRegularExpression patron(QStringLiteral("\\*\\.(\\w+)"));
    return patron.match(filtro).captured(1);
}

} // namespace

// Over the game's window once it is shown; before that (a message at start)
// centred on the screen rather than where the hidden window would be.
QWidget *QtDialogService::padre() const
{
    return m_ventana && m_ventana->isVisible() ? m_ventana.data() : nullptr;
}

QMessageBox *QtDialogService::crearCaja(const QString &texto, const QString &titulo,
                                        Botones botones, Icono icono,
                                        const OpcionesMensaje &opciones) const
{
    auto *caja = new QMessageBox(iconoDe(icono), titulo.isEmpty() ? kTitulo : titulo, texto,
                                 botonesDe(botones), padre());
    caja->setInformativeText(opciones.informativo);
    if (!opciones.antes.isEmpty())
        caja->setAccessibleName(opciones.antes);
    if (botones == Botones::YesNo) {
        caja->setDefaultButton(opciones.noPorDefecto ? QMessageBox::No : QMessageBox::Yes);
        // A question that ends the program must be answered with a button; one
        // that may be dismissed takes Esc and the close box as No.
        if (opciones.escapeEsNo)
            caja->setEscapeButton(QMessageBox::No);
        else
            caja->installEventFilter(new SinEscape(caja));
    }
    return caja;
}

DialogService::Respuesta QtDialogService::mensaje(const QString &texto, const QString &titulo,
                                                  Botones botones, Icono icono,
                                                  const OpcionesMensaje &opciones)
{
    const std::unique_ptr<QMessageBox> caja(crearCaja(texto, titulo, botones, icono, opciones));
    return respuestaDe(caja->exec());
}

// Modal to the game's window while it waits; the answer is handed on once it closes.
void QtDialogService::abrirMensaje(const QString &texto, const QString &titulo, Botones botones,
                                   Icono icono, const OpcionesMensaje &opciones,
                                   AlResponder alResponder)
{
    QMessageBox *caja = crearCaja(texto, titulo, botones, icono, opciones);
    caja->setWindowModality(caja->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    QObject::connect(caja, &QMessageBox::finished, caja,
                     [caja, alResponder = std::move(alResponder)](int resultado) {
                         caja->deleteLater();
                         if (alResponder)
                             alResponder(respuestaDe(resultado));
                     });
    caja->open();
}

std::optional<QString> QtDialogService::pedirTexto(const QString &pregunta, const QString &titulo)
{
    bool aceptado = false;
    const QString texto
        = QInputDialog::getText(padre(), titulo, pregunta, QLineEdit::Normal, {}, &aceptado);
    if (!aceptado)
        return std::nullopt;
    return texto;
}

QString QtDialogService::archivoParaAbrir(const QString &filtro)
{
    return QFileDialog::getOpenFileName(padre(), tr("Abrir"), m_carpetaInicial, filtro);
}

QString QtDialogService::archivoParaGuardar(const QString &filtro)
{
    QFileDialog dialogo(padre(), tr("Guardar"), m_carpetaInicial, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the filter's, before the dialog
    // asks whether to replace an existing file of that name; otherwise the
    // saved game would be hidden by the filter when the player looks for it.
    dialogo.setDefaultSuffix(sufijoDe(filtro));
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    return dialogo.selectedFiles().value(0);
}

qint32 QtDialogService::elegirColor(qint32 inicial)
{
    const QPalette paleta = m_ventana ? m_ventana->palette() : QPalette();
    const QColor color
        = QColorDialog::getColor(ColorValue::toQColor(inicial, paleta), padre(), tr("Color"));
    return color.isValid() ? ColorValue::fromQColor(color) : inicial;
}
