// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QToolBar>

// The classic board's toolbar: captioned buttons on the felt, sharing its
// narrow strip evenly at every scale so none is pushed out of it.
class BarraClasica : public QToolBar
{
    Q_OBJECT

public:
    explicit BarraClasica(QWidget *parent);

    // Icons and buttons for a strip of this size.
    void ajustar(QSize caja);
};
