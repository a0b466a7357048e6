#include "qtdialogservice.h"

#include "colorvalue.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

} // namespace

// Over the game's window once it is shown; before that (a message at start)
// centred on the screen rather than where the hidden window would be.
QWidget *QtDialogService::padre() const
{
    return m_ventana && m_ventana->isVisible() ? m_ventana.data() : nullptr;
}

DialogService::Respuesta QtDialogService::mensaje(const QString &texto, const QString &titulo,
                                                  Botones botones, Icono icono)
{
    QMessageBox caja(iconoDe(icono), titulo.isEmpty() ? kTitulo : titulo, texto, botonesDe(botones),
                     padre());
    // Enter answers Sí to every question the game asks ("¿Continuar la partida anterior?").
    if (botones == Botones::YesNo)
        caja.setDefaultButton(QMessageBox::Yes);
    switch (caja.exec()) {
    case QMessageBox::Ok:
        return Respuesta::Ok;
    case QMessageBox::Yes:
        return Respuesta::Yes;
    case QMessageBox::No:
        return Respuesta::No;
    default:
        return Respuesta::Cancel;
    }
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
    return QFileDialog::getOpenFileName(padre(), QStringLiteral("Abrir"), m_carpetaInicial, filtro);
}

QString QtDialogService::archivoParaGuardar(const QString &filtro)
{
    // The dialog asks before it replaces an existing file.
    return QFileDialog::getSaveFileName(padre(), QStringLiteral("Guardar"), m_carpetaInicial,
                                        filtro);
}

qint32 QtDialogService::elegirColor(qint32 inicial)
{
    const QPalette paleta = m_ventana ? m_ventana->palette() : QPalette();
    const QColor color = QColorDialog::getColor(ColorValue::toQColor(inicial, paleta), padre(),
                                                QStringLiteral("Color"));
    return color.isValid() ? ColorValue::fromQColor(color) : inicial;
}
