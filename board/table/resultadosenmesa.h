// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resultadodemano.h"
#include "velodemesa.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;

// The game's results on the modern table: the winner, both scores and who won
// in words, as the results window shows them, with "¿Jugar de nuevo?" asked by
// its buttons Sí and No, and "Revisar" for the game's review. Tab goes round
// its buttons; Enter presses the one with the focus; Esc, as for the question,
// answers nothing.
class ResultadosEnMesa : public VeloDeMesa
{
    Q_OBJECT

public:
    explicit ResultadosEnMesa(QWidget *mesa);

    // Shown with the focus on Sí; alResponder runs once, with true for Sí.
    void mostrar(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                 std::function<void(bool otraPartida)> alResponder);
    // Who won and both scores in words, then the question: what a screen reader says.
    QString descripcion() const { return accessibleDescription(); }

    QPushButton *si() const { return m_si; }
    QPushButton *no() const { return m_no; }
    QPushButton *revisar() const { return m_revisar; }
    // For tests: the words on the card.
    QStringList textos() const;

signals:
    void revisarPedido();

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QPushButton *boton(const QString &texto, const QString &nombreAccesible);
    void responder(bool otraPartida);

    QLabel *m_ganador;
    QLabel *m_veredicto;
    std::array<QLabel *, 2> m_puntos {};
    std::array<QLabel *, 2> m_lados {};
    QLabel *m_pregunta;
    QPushButton *m_si;
    QPushButton *m_no;
    QPushButton *m_revisar;
    std::function<void(bool)> m_alResponder;
};
