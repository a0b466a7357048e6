// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that acts like a button: a left click on it, or Space or Enter while
// it has the focus, emits clicked().
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pulsado = false;
};
