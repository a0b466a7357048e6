// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// How a message box is shown beyond its text, title, buttons and icon.
struct OpcionesMensaje
{
    // Smaller words under the text ("23 cartas contra 17"); empty for none.
    QString informativo;
    // What Enter answers to a Yes/No question.
    bool noPorDefecto = false;
    // Whether Esc and the close box answer No to a Yes/No question; otherwise it
    // must be answered with one of its buttons ("¿Jugar de nuevo?").
    bool escapeEsNo = false;
    // Words a screen reader says before the box's own, as its name: what the player has not
    // heard yet when the box opens. Nothing is shown of them.
    QString antes;
};

// Every dialog the game opens goes through here, so a test can answer them.
class DialogService
{
public:
    enum class Botones { Ok, OkCancel, YesNo };
    enum class Icono { Ninguno, Critico, Pregunta };
    enum class Respuesta { Ok, Cancel, Yes, No };

    // The title of a message box that names none.
    static inline const QString kTitulo = QStringLiteral("Zelbo");

    virtual ~DialogService() = default;

    // Every implementation repeats the default of opciones, so a call through
    // any type of the service means the same box.
    virtual Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones,
                              Icono icono, const OpcionesMensaje &opciones = {})
        = 0;
    // The same box without waiting for it: the call returns at once and the answer
    // comes to alResponder when the box is closed. The game's turn goes on this way,
    // so no box it opens runs a loop of its own. Services that answer at once (tests,
    // the simulator) answer here through mensaje.
    using AlResponder = std::function<void(Respuesta)>;
    virtual void abrirMensaje(const QString &texto, const QString &titulo, Botones botones,
                              Icono icono, const OpcionesMensaje &opciones, AlResponder alResponder)
    {
        const Respuesta respuesta = mensaje(texto, titulo, botones, icono, opciones);
        if (alResponder)
            alResponder(respuesta);
    }
    // The typed text, or nothing when the box was cancelled.
    virtual std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) = 0;
    // A file name, or an empty one when the dialog was cancelled. Filters are
    // in the toolkit's form, e.g. "Archivos (*.dat)".
    virtual QString archivoParaAbrir(const QString &filtro) = 0;
    virtual QString archivoParaGuardar(const QString &filtro) = 0;
    // A colour value &H00BBGGRR; the starting colour when the dialog was cancelled.
    virtual qint32 elegirColor(qint32 inicial) = 0;
};
