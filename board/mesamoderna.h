// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "disposicionmoderna.h"
#include "fondotablero.h"
#include "marcas.h"
#include "mesa.h"

#include <QList>
#include <array>

class PanelPuntos;
class ResultadosEnMesa;
class ResumenEnMesa;
class PictureCache;
class QLabel;
class QPushButton;
class QTimer;
class SombrasDeMesa;

// The modern table: the cards fill the window at any size, a marked card rises
// with its outline, the piles are stacks as thick as they are tall with their
// count on a badge, and a panel keeps the scores with the side to play lit.
// The commands are in the menus.
class MesaModerna : public Mesa
{
    Q_OBJECT

public:
    MesaModerna(PictureCache &cache, QWidget *parent);

    QList<CardPicture *> imagenes(GrupoImagen grupo) const override;
    QList<CardPicture *> cubiertas() const override;
    void mostrarEstado(const GameState &estado) override;
    void mostrarMarcas(const Marcas &marcas) override;
    void mostrarCartel(const QString &texto) override;
    void mostrarTurno(Lado lado) override;
    // Over the table for a few seconds.
    bool mostrarAviso(const QString &texto) override;
    void mostrarContadores(int cpu, int humano) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void setReverso(const QString &ruta) override;
    void setFondo(const QString &ruta) override;
    void setColorFondo(const QColor &color) override;
    // Grows a card by a third about its centre, inside the window.
    void resaltar(CardPicture *imagen, bool grande) override;
    // Beside the own hand, over the lift button.
    QRect lugarNotaTutor() const override { return m_lugares.nota; }
    QToolBar *barra() const override { return nullptr; }
    QWidget *rotulo(Rotulo rotulo) const override;
    QWidget *marca(const Imagen &) const override { return nullptr; }
    // On a table card it may lift that card, on either pile or its place it goes on
    // the own pile, anywhere else on the table it is laid there.
    void soltar(QPoint punto, int slot) override;

    // The hand's end and the game's results, over the table.
    ResumenEnMesa *resumen() const { return m_resumen; }
    ResultadosEnMesa *resultados() const { return m_resultados; }
    // Whichever of them waits for the player; null when neither.
    QWidget *veloAbierto() const;

    // For tests.
    PanelPuntos *panel() const { return m_panel; }
    QLabel *insignia(int monton) const { return m_insignias.at(static_cast<std::size_t>(monton)); }
    QPushButton *levantar() const { return m_levantar; }
    QLabel *aviso() const { return m_aviso; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void crearCartas(PictureCache &cache);
    void crearRotulos();
    void enlazar();
    void recolocar();
    QRect lugarMonton(int i) const;
    int grosor(int i) const;
    void pintarMonton(QPainter &p, int i) const;

    std::array<CardPicture *, 3> m_cpu {};
    std::array<CardPicture *, 3> m_cubiertas {};
    std::array<CardPicture *, 3> m_mano {};
    QList<CardPicture *> m_mesa;
    std::array<CardPicture *, 2> m_montones {};
    std::array<QLabel *, 2> m_insignias {};
    std::array<int, 2> m_cuentas {};
    PanelPuntos *m_panel = nullptr;
    QPushButton *m_levantar = nullptr;
    QLabel *m_aviso = nullptr;
    QTimer *m_finAviso = nullptr;
    ResumenEnMesa *m_resumen = nullptr;
    ResultadosEnMesa *m_resultados = nullptr;
    SombrasDeMesa *m_sombras;
    FondoTablero m_fondo { false };
    Marcas m_marcas;
    int m_enMesa = 0;
    DisposicionModerna m_lugares;
};
