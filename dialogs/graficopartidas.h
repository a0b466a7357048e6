// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statsrecord.h"

#include <QList>
#include <QWidget>

// The last games as a row of bars, oldest on the left: a won game rises above the middle
// line, a lost one hangs below it, an abandoned one is a short grey mark on the line.
class GraficoPartidas : public QWidget
{
    Q_OBJECT

public:
    explicit GraficoPartidas(QWidget *parent = nullptr);

    void setResultados(const QList<GameResult> &resultados);

    // Where the bar of the game at this place (0: the oldest shown) is drawn.
    QRect barra(int indice) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static QColor color(GameResult resultado);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text a screen reader gives for the chart.
    void describir();

    QList<GameResult> m_resultados;
};
