// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "barraclasica.h"
#include "escala.h"
#include "fondotablero.h"
#include "imagen.h"
#include "mesa.h"
#include "planotwips.h"
#include "rotulosclasicos.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <array>
#include <memory>

class CardPicture;
class MarkBox;
class PictureCache;
class QFrame;
class QLabel;
class QPushButton;
class QToolBar;
class SombrasDeMesa;

// The classic table: every card place, mark, label, the lift button and the toolbar,
// laid out in twips and scaled as one to fit the window. It holds no game
// state; the main window fills it.
class BoardWidget : public Mesa
{
    Q_OBJECT

public:
    BoardWidget(PictureCache &cache, QWidget *parent);

    QList<CardPicture *> imagenes(GrupoImagen grupo) const override;
    QList<CardPicture *> cubiertas() const override;
    void mostrarEstado(const GameState &estado) override;
    void mostrarMarcas(const Marcas &marcas) override;
    void mostrarCartel(const QString &texto) override;
    void mostrarContadores(int cpu, int humano) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void setReverso(const QString &ruta) override;
    void setFondo(const QString &ruta) override;
    void setColorFondo(const QColor &color) override;
    // Grows or restores a card picture by the enlargement of a pause, in place
    // or toward the free side.
    void resaltar(CardPicture *imagen, bool grande) override;
    // Over the credits at the foot of the board.
    QRect lugarNotaTutor() const override;
    QToolBar *barra() const override { return m_toolbar; }
    QWidget *rotulo(Rotulo rotulo) const override;
    QWidget *marca(const Imagen &lugar) const override;
    // A hand card of the given slot dropped at the point: on the background it
    // is laid on the table, on either pile's place (its picture, or where it
    // would be when the pile is empty) it goes on the human's pile, on a table
    // card it may lift that card.
    void soltar(QPoint punto, int slot) override;
    const Escala &escala() const { return m_plano.escala(); }

    // For tests: the controls themselves, by their places.
    const std::array<CardPicture *, 3> &cartap1img() const { return m_cartap1img; }
    const std::array<CardPicture *, 3> &Image1() const { return m_image1; }
    const std::array<CardPicture *, 3> &cartap2img() const { return m_cartap2img; }
    const std::array<CardPicture *, 7> &mesaimg() const { return m_mesaimg; }
    const std::array<CardPicture *, 2> &montonimg() const { return m_montonimg; }
    const std::array<MarkBox *, 3> &Checkp2() const { return m_checkp2; }
    const std::array<MarkBox *, 7> &CheckMesa() const { return m_checkMesa; }
    const std::array<MarkBox *, 2> &CheckMonton() const { return m_checkMonton; }
    QLabel *Cartellbl() const { return m_rotulos->cartel(); }
    QLabel *Contp1Lbl() const { return m_rotulos->contp1(); }
    QLabel *Contp2lbl() const { return m_rotulos->contp2(); }
    QLabel *Label2() const { return m_rotulos->nombreHumano(); }
    QLabel *Puntajep1Lbl() const { return m_rotulos->puntajep1(); }
    QLabel *Puntajep2Lbl() const { return m_rotulos->puntajep2(); }
    QPushButton *LevantarBtn() const { return m_levantar; }
    QToolBar *Toolbar1() const { return m_toolbar; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void crearCartas(PictureCache &cache);
    void crearMarcas();
    void crearBotones();
    void enlazarMarcas();
    void enlazarPulsaciones();
    void marcar(CardPicture *carta, bool marcada);
    // Lays out one label that grows to fit its text, after its text changed.
    void ajustar(QLabel *etiqueta);
    QList<QRect> rotulos() const;
    void recolocar();
    void ordenarCapas();

    std::array<CardPicture *, 3> m_cartap1img {};
    std::array<CardPicture *, 3> m_image1 {};
    std::array<CardPicture *, 3> m_cartap2img {};
    std::array<CardPicture *, 7> m_mesaimg {};
    std::array<CardPicture *, 2> m_montonimg {};
    std::array<MarkBox *, 3> m_checkp2 {};
    std::array<MarkBox *, 7> m_checkMesa {};
    std::array<MarkBox *, 2> m_checkMonton {};
    QPushButton *m_levantar = nullptr;
    BarraClasica *m_toolbar = nullptr;
    PlanoTwips m_plano;
    std::unique_ptr<RotulosClasicos> m_rotulos;
    FondoTablero m_fondo;
    SombrasDeMesa *m_sombras;
};
