// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resultadodemano.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// The results window: the winner's name over both scores, on the picture
// winfond.jpg, and in words who won, as both names may be the same ("Player").
// Each score is named by its side. Under the picture, "Revisar" asks for the
// game's review and "Continuar" (Enter), like the close box or Esc, ends it
// and goes on to the question that follows. Tab reaches each line of words on
// the picture, the scores and the buttons, so a screen reader reads them all.
class WinnerDialogFrm : public QDialog
{
    Q_OBJECT

public:
    // The picture's area in pixels at scale 1 (6105 x 3750 twips); the
    // buttons' row is under it, as high as the system's buttons are.
    static constexpr int kAncho = 407;
    static constexpr int kAlto = 250;

    explicit WinnerDialogFrm(const QString &programDir, QWidget *parent = nullptr);

    static QString rutaFondo(const QString &programDir);
    // Whether the background picture can be read: the game does not start without it.
    static bool puedeCargar(const QString &programDir);

    // The words the window shows, for the results shown elsewhere: the line with
    // the winner's name, the verdict, the name of each side's score, and all in one.
    static QString textoGanador(const QString &nombre);
    static QString veredicto(bool ganaHumano);
    static QString nombreDePuntos(bool delHumano);
    static QString resumenDe(const QString &veredicto, const QString &lado1, int num1,
                             const QString &lado2, int num2);

    // Fills in the winner's name, the winner's and the loser's points, and the
    // side that won (Cpu or Humano).
    void mostrarResultado(const QString &nombre, int num1, int num2,
                          ResultadoDeMano::Ganador ganador);
    // Who won and both scores in words: the window's accessible description,
    // which a screen reader says when the window opens.
    QString resumen() const;
    // As mostrarResultado, then shows the window modally until the player closes it.
    void Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador);

signals:
    void revisarPedido();

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *crearPuntos(int left, const QString &nombreCaja, const QString &nombreEtiqueta);
    QLabel *crearRotulo(const QString &nombre, QLabel *puntos);
    void colocarBotones();
    void ordenarTabulador();
    void mostrarLados(bool ganaHumano);

    QPixmap m_fondo;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLabel *m_veredicto;
    QLabel *m_lado2;
    QLabel *m_lado3;
    QPushButton *m_revisar;
    QPushButton *m_continuar;
};
