// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A selection mark: a small box with a tick, drawn at the board's scale.
// It shows the game's mark; a click is only reported, the game decides.
class MarkBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit MarkBox(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Aspecto
    {
        QSize tamano;
        qreal razon = 1.0;
        bool activa = true;
        bool marcada = false;
        bool operator==(const Aspecto &) const = default;
    };

    static QPixmap dibujar(const Aspecto &aspecto);

    Aspecto m_aspecto;
    QPixmap m_pintado;
};
