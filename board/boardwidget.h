// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "escala.h"
#include "fondotablero.h"
#include "imagen.h"
#include "sombradecarta.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <array>

class CardPicture;
class MarkBox;
class PictureCache;
class QFrame;
class QLabel;
class QPushButton;
class QToolBar;

// The board: every card place, mark, label, the lift button and the toolbar,
// laid out in twips and scaled as one to fit the window. It holds no game
// state; the main window fills it.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    BoardWidget(PictureCache &cache, QWidget *parent);

    // The felt's picture file, decoded when it is first shown.
    void setFondo(const QString &ruta);
    void setColorFondo(const QColor &color);
    // Grows or restores a card picture by the enlargement of a pause, in place
    // or toward the free side.
    void resaltar(CardPicture *imagen, bool grande);
    // A hand card of the given slot dropped at the point: on the background it
    // is laid on the table, on either pile's place (its picture, or where it
    // would be when the pile is empty) it goes on the human's pile, on a table
    // card it may lift that card.
    void soltar(QPoint punto, int slot);
    // Lays out one label that grows to fit its text, after its text changed.
    void ajustar(QLabel *etiqueta);

    CardPicture *imagen(const Imagen &imagen) const;
    const Escala &escala() const { return m_escala; }
    std::array<CardPicture *, 3> cartap1img {};
    std::array<CardPicture *, 3> Image1 {};
    std::array<CardPicture *, 3> cartap2img {};
    std::array<CardPicture *, 7> mesaimg {};
    std::array<CardPicture *, 2> montonimg {};
    std::array<MarkBox *, 3> Checkp2 {};
    std::array<MarkBox *, 7> CheckMesa {};
    std::array<MarkBox *, 2> CheckMonton {};
    QLabel *Cartellbl = nullptr;
    QLabel *Contp1Lbl = nullptr;
    QLabel *Contp2lbl = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Puntajep1Lbl = nullptr;
    QLabel *Puntajep2Lbl = nullptr;
    QPushButton *LevantarBtn = nullptr;
    QToolBar *Toolbar1 = nullptr;

signals:
    // A hand card dropped on the background (no control under it), or on a pile's place.
    void soltadaEnFondo(int slot);
    void soltadaEnMonton(int slot);
    void soltadaEnMesa(int slot, int lugar);
    // Dropped on a control that takes no card: the player is told why.
    void soltadaSinEfecto(int slot);
    // The card faces are shown at new sizes or a new pixel ratio: their pictures
    // may be prepared ahead.
    void cartasRedimensionadas(const QList<QSize> &tamanos, qreal razon);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Colocado
    {
        QWidget *control;
        QRect twips;
        qreal puntos; // font size at scale 1, 0 to keep the font
    };

    void crearCartas(PictureCache &cache);
    void crearMarcas();
    void crearEtiquetas();
    void crearMarcadores();
    QLabel *etiqueta(const QString &texto, const QString &estilo, qreal puntos, QRect twips);
    QLabel *etiquetaAjustable(const QString &texto, const QString &estilo, qreal puntos,
                              QPoint esquina);
    void colocar(QWidget *control, QRect twips, qreal puntos = 0);
    void enlazarMarcas();
    void marcar(CardPicture *carta, bool marcada);
    QRect lugar(const Colocado &c) const;
    QSize tamanoCarta(const QRect &twips) const;
    QList<QRect> rotulos() const;
    void recolocar();
    void ajustarBotones();
    void ordenarCapas();
    qreal caidaSombra() const;
    QRect conSombra(const QRect &carta) const;
    void pintarSombras(QPainter &p, const QRegion &zona);

    Escala m_escala;
    FondoTablero m_fondo;
    SombraDeCarta m_sombra;
    QList<Colocado> m_colocados;
    QList<QPair<QLabel *, QPoint>> m_ajustables;
    QList<QPair<QWidget *, QRect>> m_enMarco; // score labels inside their frames
};
