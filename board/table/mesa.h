// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "interfazmesa.h"
#include "marcas.h"

#include <QColor>
#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class CardPicture;
class Disposicion;
class PictureCache;
class SombrasDeMesa;

// The table the game is shown on. It owns the cards, their clicks and drops,
// their shadows and the focus frame, once; a layout (Disposicion) says where
// each place is for the table's size and adds its own decorations. The
// helpers that move, name or outline the cards hold this one table, which
// lasts as long as the window.
class Mesa : public QWidget, public InterfazMesa
{
    Q_OBJECT

public:
    // The texts a screen reader is given a name for, where the layout shows them.
    enum class Rotulo { Cartel, ContadorCpu, ContadorHumano, PuntajeCpu, PuntajeHumano };

    Mesa(PictureCache &cache, QWidget *parent);
    ~Mesa() override;

    void setTipo(TipoMesa tipo) override;
    TipoMesa tipo() const override { return m_tipo; }
    Disposicion &disposicion() const { return *m_disposicion; }

    // The pictures of one group of places, in the order of their card list, and
    // the covers laid over the CPU's hand.
    QList<CardPicture *> imagenes(GrupoImagen grupo) const;
    QList<CardPicture *> cubiertas() const;
    CardPicture *imagen(const Imagen &imagen) const;
    // The state shown last.
    const GameState &estado() const { return m_estado; }

    void mostrarEstado(const GameState &estado) override;
    void mostrarMarcas(const Marcas &marcas) override;
    void mostrarCartel(const QString &texto) override;
    void mostrarTurno(Lado lado) override;
    bool mostrarAviso(const QString &texto) override;
    void mostrarContadores(int cpu, int humano) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void setReverso(const QString &ruta) override;
    void setFondo(const QString &ruta) override;
    void setColorFondo(const QColor &color) override;
    void setOrdenes(const QList<QAction *> &barra, QAction *correr) override;
    void mostrarCorrer(bool hayPrograma) override;
    bool finDeManoEnMesa() const override;
    void mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                        std::function<void()> alCerrar) override;
    QString mostrarResultados(const QString &nombre, int num1, int num2,
                              ResultadoDeMano::Ganador ganador,
                              std::function<void(bool otraPartida)> alResponder) override;
    bool enVeloAbierto(const QWidget *control) const override;

    // Grows a card picture for a pause of the CPU's turn, or restores it.
    void resaltar(CardPicture *imagen, bool grande);
    // Where the tutor's note lies, in the table's own coordinates, clear of its cards.
    QRect lugarNotaTutor() const;
    // The control that shows a text, or the mark of a place, for the screen
    // reader's names; null where the layout has none of its own.
    QWidget *rotulo(Rotulo rotulo) const;
    QWidget *marca(const Imagen &lugar) const;
    // A hand card of the given slot dropped at the point: on either pile or its
    // place it goes on the own pile, on a table card it may lift that card, on
    // the felt it is laid on the table; told by one of the signals below.
    void soltar(QPoint punto, int slot);

signals:
    // A card that takes clicks was clicked: a table card, a hand card, the CPU's pile.
    void cartaPulsada(const Imagen &imagen);
    // The player asked to mark or unmark a hand card or the own pile.
    void marcaPulsada(const Imagen &lugar);
    void levantarPulsado();
    // A hand card dropped on the background (no control under it), or on a pile's place.
    void soltadaEnFondo(int slot);
    void soltadaEnMonton(int slot);
    void soltadaEnMesa(int slot, int lugar);
    // Dropped on a control that takes no card: the player is told why.
    void soltadaSinEfecto(int slot);
    // The card faces are shown at new sizes or a new pixel ratio: their pictures
    // may be prepared ahead.
    void cartasRedimensionadas(const QList<QSize> &tamanos, qreal razon);
    // The tutor's note has another place: the table's cards moved or the table was resized.
    void lugarNotaTutorCambiado();
    // The results panel asks for the review of the game.
    void revisarPedido();
    // Around a change of layout: the cards are about to move, and now lie in
    // their new places with the game shown as it was.
    void disposicionPorCambiar();
    void disposicionCambiada();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A hand card dragged over the table is taken wherever it is dropped.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    CardPicture *crearCarta(GrupoImagen grupo, int indice);
    void crearCartas();
    void ajustarCartasMesa(int lugares);
    void aplicarTamano();
    static void mostrarLista(const GameState &estado, const CardList &lista,
                             const QList<CardPicture *> &imagenes);

    PictureCache &m_cache;
    SombrasDeMesa *m_sombras;
    std::array<CardPicture *, 3> m_cpu {};
    std::array<CardPicture *, 3> m_cubiertas {};
    std::array<CardPicture *, 3> m_mano {};
    QList<CardPicture *> m_mesa;
    std::array<CardPicture *, 2> m_montones {};
    std::unique_ptr<Disposicion> m_disposicion;
    TipoMesa m_tipo = TipoMesa::Clasica;
    // What a new layout is handed; the window shows the game on it again.
    GameState m_estado;
    Marcas m_marcas;
    QString m_fondo;
    QColor m_colorFondo;
    QList<QAction *> m_barra;
    QAction *m_correr = nullptr;
    bool m_hayPrograma = false;
};
