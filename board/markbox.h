#pragma once

#include <QAbstractButton>

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
};
