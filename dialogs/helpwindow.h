// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

class PaginaDeAyuda;

// The help: ayuda.html from the program's folder in a window of its own, which
// stays open beside the game. A missing page leaves the window empty.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &programDir, QWidget *parent = nullptr);

    static QString rutaAyuda(const QString &programDir);
    // Shows the window with the focus in the page, or brings it to the front
    // when it is already open, the caret where the player left it.
    void mostrar();
    PaginaDeAyuda *pagina() const { return m_pagina; }

private:
    PaginaDeAyuda *m_pagina;
};
