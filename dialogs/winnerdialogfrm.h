// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QFrame;
class QLabel;

// The results window: the winner's name over both scores, on the picture
// winfond.jpg. It has no buttons; the close box (or Esc) ends it.
class WinnerDialogFrm : public QDialog
{
    Q_OBJECT

public:
    // Client area in pixels at scale 1 (6105 x 3750 twips).
    static constexpr int kAncho = 407;
    static constexpr int kAlto = 250;

    explicit WinnerDialogFrm(const QString &programDir, QWidget *parent = nullptr);

    static QString rutaFondo(const QString &programDir);
    // Whether the background picture can be read: the game does not start without it.
    static bool puedeCargar(const QString &programDir);

    // Fills in the winner's name, the winner's and the loser's points.
    void mostrarResultado(const QString &nombre, int num1, int num2);
    // As mostrarResultado, then shows the window modally until the player closes it.
    void Dialogo(const QString &nombre, int num1, int num2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *crearPuntos(int left, const QString &nombreCaja, const QString &nombreEtiqueta);

    QPixmap m_fondo;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
};
