// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the game reads its data and where it writes the player's files. Run from
// its build folder the game keeps both beside the program; installed, it reads
// from <prefix>/share/zelbo and writes in the player's data folder, so that it
// never writes into its installation, whoever runs it.
class Ubicaciones
{
public:
    // Everything in one folder: the program run from where it was built.
    static Ubicaciones junto(const QString &carpeta);
    // Decides from the program's folder: the card set beside the program means
    // the build folder; otherwise the data lies in ../share/zelbo and the
    // player's files go to <datosDelUsuario>/zelbo. documentos is where the
    // installed game's file dialogs start.
    static Ubicaciones paraPrograma(const QString &programDir, const QString &datosDelUsuario,
                                    const QString &documentos);
    // paraPrograma with the platform's per-user data and documents folders.
    static Ubicaciones delSistema(const QString &programDir);

    // Card set, pictures, help, pordefect.dat: only ever read.
    const QString &datos() const { return m_datos; }
    // lastprop.dat and the other files the game writes.
    const QString &usuario() const { return m_usuario; }
    bool instalado() const { return m_instalado; }
    // Where the file dialogs start; empty for the toolkit's own choice.
    const QString &carpetaDeArchivos() const { return m_documentos; }
    // The program's own modules, loaded when first needed (the sound player): beside the
    // program in its build folder, in <prefix>/lib/games/zelbo once installed, where Debian keeps
    // a game's private libraries.
    const QString &modulos() const { return m_modulos; }

    QString dato(const QString &nombre) const;
    QString delUsuario(const QString &nombre) const;

    // Installed: creates the player's folder and, at the first start, its
    // lastprop.dat from the shipped pordefect.dat. Beside the program the build
    // has already done that, and a missing file is the player's to notice.
    // False when the folder or the copy cannot be made.
    bool prepararCarpetaDelUsuario() const;

private:
    Ubicaciones(QString datos, QString usuario, bool instalado, QString documentos,
                QString modulos);

    QString m_datos;
    QString m_usuario;
    bool m_instalado;
    QString m_documentos;
    QString m_modulos;
};
