// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "disposicion.h"
#include "fondotablero.h"
#include "lugaresmodernos.h"
#include "marcas.h"

#include <QList>
#include <array>

class PanelPuntos;
class ResultadosEnMesa;
class ResumenEnMesa;
class QLabel;
class QPushButton;
class QTimer;

// The modern layout: the cards fill the window at any size, a marked card rises
// with its outline, the piles are stacks as thick as they are tall with their
// count on a badge, and a panel keeps the scores with the side to play lit.
// The commands are in the menus.
class DisposicionModerna : public Disposicion
{
    Q_OBJECT

public:
    explicit DisposicionModerna(Mesa &mesa);

    int lugaresMesa() const override;
    void montar() override;
    void mostrarEstado(const GameState &estado) override;
    void mostrarMarcas(const Marcas &marcas) override;
    void mostrarCartel(const QString &texto) override;
    void mostrarTurno(Lado lado) override;
    // Over the table for a few seconds.
    bool mostrarAviso(const QString &texto) override;
    void mostrarContadores(int cpu, int humano) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void setOrdenes(const QList<QAction *> &barra, QAction *correr) override;
    void mostrarCorrer(bool hayPrograma) override;
    void setFondo(const QString &ruta) override { m_fondo.setRuta(ruta); }
    void setColorFondo(const QColor &color) override { m_fondo.setColor(color); }
    // Grows a card by a third about its centre, inside the window.
    void resaltar(CardPicture *imagen, bool grande) override;
    // Beside the own hand, over the lift button.
    QRect lugarNotaTutor() const override { return m_lugares.nota; }
    QWidget *rotulo(Mesa::Rotulo rotulo) const override;
    bool enMonton(QPoint punto) const override;
    QList<QSize> redimensionar() override;
    qreal caidaSombra() const override;
    void pintar(QPainter &p, const QRegion &zona) override;
    bool finDeManoEnMesa() const override { return true; }
    void mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                        std::function<void()> alCerrar) override;
    QString mostrarResultados(const QString &nombre, int num1, int num2,
                              ResultadoDeMano::Ganador ganador,
                              std::function<void(bool otraPartida)> alResponder) override;
    // Whichever of the summary and the results waits for the player; null when neither.
    QWidget *veloAbierto() const override;

    // For tests.
    ResumenEnMesa *resumen() const { return m_resumen; }
    ResultadosEnMesa *resultados() const { return m_resultados; }
    PanelPuntos *panel() const { return m_panel; }
    QLabel *insignia(int monton) const { return m_insignias.at(static_cast<std::size_t>(monton)); }
    QPushButton *levantar() const { return m_levantar; }
    QLabel *aviso() const { return m_aviso; }

private:
    void tomarCartas();
    void crearRotulos();
    void crearLevantar();
    void recolocar();
    QRect lugarMonton(int i) const;
    int grosor(int i) const;
    void pintarMonton(QPainter &p, int i) const;

    std::array<QLabel *, 2> m_insignias {};
    std::array<int, 2> m_cuentas {};
    PanelPuntos *m_panel = nullptr;
    QPushButton *m_levantar = nullptr;
    QLabel *m_aviso = nullptr;
    QTimer *m_finAviso = nullptr;
    ResumenEnMesa *m_resumen = nullptr;
    ResultadosEnMesa *m_resultados = nullptr;
    FondoTablero m_fondo { false };
    Marcas m_marcas;
    int m_enMesa = 0;
    LugaresModernos m_lugares;
};
