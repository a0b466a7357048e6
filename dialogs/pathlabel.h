// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clicklabel.h"

#include <QString>

// A clickable label that shows a file path: shortened in the middle when it
// does not fit, whole in the tool tip, and a grey placeholder when empty.
class PathLabel : public ClickLabel
{
    Q_OBJECT

public:
    explicit PathLabel(QString textoVacio, QWidget *parent = nullptr);

    const QString &ruta() const { return m_ruta; }
    void setRuta(const QString &ruta);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void mostrar();

    QString m_ruta;
    QString m_textoVacio;
};
