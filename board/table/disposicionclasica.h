// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "barraclasica.h"
#include "disposicion.h"
#include "escala.h"
#include "fondotablero.h"
#include "planotwips.h"
#include "rotulosclasicos.h"

#include <QList>
#include <array>
#include <memory>

class BarraClasica;
class MarkBox;
class QLabel;
class QPushButton;

// The classic layout: every card place, mark, label, the lift button and the
// toolbar, laid out in twips and scaled as one to fit the table.
class DisposicionClasica : public Disposicion
{
    Q_OBJECT

public:
    explicit DisposicionClasica(Mesa &mesa);
    ~DisposicionClasica() override;

    int lugaresMesa() const override;
    void montar() override;
    void mostrarMarcas(const Marcas &marcas) override;
    void mostrarCartel(const QString &texto) override;
    void mostrarContadores(int cpu, int humano) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void setOrdenes(const QList<QAction *> &barra, QAction *correr) override;
    void setFondo(const QString &ruta) override { m_fondo.setRuta(ruta); }
    void setColorFondo(const QColor &color) override { m_fondo.setColor(color); }
    // Grows or restores a card picture by the enlargement of a pause, in place
    // or toward the free side.
    void resaltar(CardPicture *imagen, bool grande) override;
    // Over the credits at the foot of the board.
    QRect lugarNotaTutor() const override;
    QWidget *rotulo(Mesa::Rotulo rotulo) const override;
    QWidget *marca(const Imagen &lugar) const override;
    // On either pile's picture, or where it would be when the pile is empty.
    bool enMonton(QPoint punto) const override;
    QList<QSize> redimensionar() override;
    qreal caidaSombra() const override;
    void pintar(QPainter &p, const QRegion &zona) override;
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
    BarraClasica *Toolbar1() const { return m_toolbar; }

private:
    void tomarCartas();
    void crearMarcas();
    void crearBotones();
    void enlazarMarcas();
    void marcar(CardPicture *carta, bool marcada);
    // Lays out one label that grows to fit its text, after its text changed.
    void ajustar(QLabel *etiqueta);
    QList<QRect> rotulos() const;

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
};
