// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;

// The tutor's note over the top of the board: what the move cost and the
// better one, with a button to take the move back and one to close the note.
// It never takes the focus or a click meant for the board around it; the
// window hides it at the player's next move or one taken back.
class NotaTutor : public QFrame
{
    Q_OBJECT

public:
    NotaTutor(std::function<void()> deshacer, QWidget *parent);

    void mostrar(const QString &texto);
    QString texto() const;

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void colocar();

    QLabel *m_texto;
    QPushButton *m_deshacer;
    QPushButton *m_cerrar;
};
