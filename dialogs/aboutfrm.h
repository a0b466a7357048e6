// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

// "Acerca de": the program's name, its version and who made it. Built anew for
// every opening; "Aceptar", Enter and Esc close it.
class Aboutfrm : public QDialog
{
    Q_OBJECT

public:
    explicit Aboutfrm(const QString &programDir, QWidget *parent = nullptr);

    // "Versión 1.0.0" for the version text "1.0.0"; missing numbers count as 0.
    static QString textoVersion(const QString &version);
    // Opens a fresh window modally and returns when it is closed.
    static void mostrar(const QString &programDir, QWidget *parent = nullptr);

private:
    QWidget *crearCabecera(const QString &programDir);
    QWidget *crearSeparador();
};
