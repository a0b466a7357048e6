// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTextEdit>
#include <QUrl>
#include <QVariant>

#include <utility>
#include <vector>

// The help's page, read with a caret as a document is: the arrows move it by
// character, word and line, which a screen reader follows and speaks. Tab and
// Shift+Tab select the next and the previous link, Enter or a click follows it,
// and the caret lands on the line it leads to, selected; Alt+Left (or
// Backspace) goes back to the link last followed.
//
// A read-only text edit rather than a text browser: a screen reader takes
// Qt's browser for a label and neither reads the line under the caret when it
// takes the focus nor moves by word in it.
class PaginaDeAyuda : public QTextEdit
{
    Q_OBJECT

public:
    // Pictures of the page are looked up in carpeta.
    explicit PaginaDeAyuda(const QString &carpeta, QWidget *parent = nullptr);

    // The page in the file at ruta, with the caret at its start; nothing when
    // it cannot be read.
    void abrir(const QString &ruta);
    // Follows a link of the page ("#reglas"): the caret on its line.
    void seguir(const QString &enlace);
    // Back to where the last link followed was, that link selected.
    void volver();
    QVariant loadResource(int type, const QUrl &name) override;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int posicionDeAncla(const QString &nombre) const;
    void seleccionar(int desde, int hasta);

    QString m_carpeta;
    QString m_enlacePulsado;
    // Where each link was followed from: the selection's two ends.
    std::vector<std::pair<int, int>> m_atras;
};
