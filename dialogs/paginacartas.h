// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "aspectocartas.h"

#include <QString>
#include <QWidget>
#include <functional>

class AjustesJuego;
class QComboBox;
class QLabel;

// The "Cartas" page of Opciones: the faces' style and the game's own back, with a sample of
// each as it will show. The choices reach the settings only with "Aceptar".
class PaginaCartas : public QWidget
{
    Q_OBJECT

public:
    // The pictures of the samples: a figure of each style, each back of the game's own.
    struct Muestras
    {
        std::function<QString(EstiloCaras)> cara;
        std::function<QString(ReversoIncluido)> reverso;
    };
    // The size a sample shows at: a card at the board's scale 1.
    static constexpr QSize kTamanoMuestra { 80, 121 };

    PaginaCartas(AjustesJuego &ajustes, Muestras muestras, QWidget *parent = nullptr);

    // Stores the choices that differ from the settings in force.
    void aceptar();
    // Shows the game's first look again; nothing is stored until "Aceptar".
    void porDefecto();

private:
    QComboBox *crearEstilo();
    QComboBox *crearReverso();
    QLabel *crearMuestra(const QString &nombre);
    void mostrarMuestras();
    void mostrar(QLabel &muestra, const QString &ruta) const;
    EstiloCaras estilo() const;
    ReversoIncluido reverso() const;

    AjustesJuego &m_ajustes;
    Muestras m_muestras;
    QComboBox *m_estilo = nullptr;
    QComboBox *m_reverso = nullptr;
    QLabel *m_muestraCara = nullptr;
    QLabel *m_muestraReverso = nullptr;
};
