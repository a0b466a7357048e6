// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

// The human's chance to win the game across it, move by move, as a line over
// a scale from 0 % at the bottom to 100 % at the top, the even chance marked.
class GraficoChance : public QWidget
{
    Q_OBJECT

public:
    explicit GraficoChance(QWidget *parent = nullptr);

    // In percent: before the first move, then after each.
    void setChances(const QList<double> &chances);
    const QList<double> &chances() const { return m_chances; }

    // Where the chance at this place is drawn.
    QPointF punto(int indice) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text a screen reader gives for the chart.
    void describir();

    QList<double> m_chances;
};
