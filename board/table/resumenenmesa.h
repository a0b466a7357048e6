// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "velodemesa.h"
#include "zelboview.h"

#include <functional>

class QLabel;

// The hand's end on the modern table: who won the hand, both piles' cards and
// both scores, over the table until the player's next key or click, which only
// dismisses it; then the game goes on.
class ResumenEnMesa : public VeloDeMesa
{
    Q_OBJECT

public:
    explicit ResumenEnMesa(QWidget *mesa);

    // Shown with the focus; descripcion is what a screen reader says of it.
    void mostrar(const ResumenDeMano &resumen, const QString &descripcion,
                 std::function<void()> alCerrar);
    // Hides it and lets the game go on, once.
    void cerrar();

    // For tests: the words on the card.
    QStringList textos() const;

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_veredicto;
    QLabel *m_cartas;
    QLabel *m_cartasCpu = nullptr;
    QLabel *m_cartasHumano = nullptr;
    QLabel *m_puntosCpu = nullptr;
    QLabel *m_puntosHumano = nullptr;
    QLabel *m_seguir = nullptr;
    std::function<void()> m_alCerrar;
};
