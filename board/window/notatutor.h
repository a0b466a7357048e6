// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <functional>

class Mesa;
class QBoxLayout;
class QLabel;
class QPushButton;

// The tutor's note where the table shown keeps it, clear of the cards (on the
// classic board over the credits at its foot), as tall as its words need from the
// foot of that place: what the move cost and the better one, with a button to take
// the move back and one to close the note; in a narrow place the buttons go under the words. It
// never takes the focus or a click meant for the board around it; the window hides it at the
// player's next move or one taken back.
class NotaTutor : public QFrame
{
    Q_OBJECT

public:
    // Shown over mesa, in its window.
    NotaTutor(std::function<void()> deshacer, Mesa &mesa);


    void mostrar(const QString &texto);
    QString texto() const;

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void colocar();
    // Follows the place the table keeps for the note.
    void seguir(Mesa &mesa);

    Mesa *m_mesa;
    QBoxLayout *m_fila;
    QLabel *m_texto;
    QPushButton *m_deshacer;
    QPushButton *m_cerrar;
};
