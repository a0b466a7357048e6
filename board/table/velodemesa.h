// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>
#include <utility>

class QFrame;
class QLabel;
class QVBoxLayout;

// A dimmed veil over the whole table with a card of words in its middle: what
// the table tells between hands and at the game's end, inside the window and
// with no window of its own. Its letters grow with the table.
class VeloDeMesa : public QWidget
{
    Q_OBJECT

public:
    explicit VeloDeMesa(QWidget *mesa);

    // Covers the table, in front of everything on it.
    void abrir();
    QFrame *tarjeta() const { return m_tarjeta; }

protected:
    // A line of words on the card, its letters tamano times the card's base size.
    QLabel *linea(qreal tamano, bool negrita = false);
    // A control whose letters follow the card's base size the same way.
    void escalar(QWidget *control, qreal tamano, bool negrita = false);
    QVBoxLayout *contenido() const { return m_contenido; }

    bool eventFilter(QObject *objeto, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Letra
    {
        QWidget *control = nullptr;
        qreal tamano = 1;
        bool negrita = false;
    };
    void ajustarLetras();

    QFrame *m_tarjeta;
    QVBoxLayout *m_contenido;
    QList<Letra> m_letras;
};
