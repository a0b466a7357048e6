// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "imagen.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

class PictureCache;
class QPainter;

// A picture control: paints its file scaled smoothly to its own size, clipped
// to a card's rounded shape. A human hand card starts a drag once the mouse has
// moved the platform's drag distance with the left button down; every picture
// reports clicks, a double-click as one.
class CardPicture : public QWidget
{
    Q_OBJECT

public:
    static const QString kTipoArrastre;
    // The outline of a marked card, and the outer band of the focus frame.
    static constexpr QColor kColorMarca { 220, 0, 150 };
    static constexpr QColor kColorFoco { 255, 196, 0 };

    CardPicture(Imagen imagen, PictureCache &cache, QWidget *parent);

    const Imagen &imagen() const { return m_imagen; }
    void setRuta(const QString &ruta);
    const QString &ruta() const { return m_ruta; }
    void setArrastrable(bool arrastrable) { m_arrastrable = arrastrable; }
    // A cover over a CPU card: with no picture it paints the built-in back.
    void setCubierta(bool cubierta) { m_cubierta = cubierta; }
    // The CPU card under this cover paints nothing while the cover shows, so not
    // even the rim of its corners shows through a see-through back.
    void setTapadaPor(const CardPicture *cubierta) { m_tapa = cubierta; }
    // A marked card is outlined so it stands out beside its check box.
    void setMarcada(bool marcada);
    bool marcada() const { return m_marcada; }
    // While a card flies here the picture shows another file, or nothing when
    // empty; nullopt shows its own again.
    void mostrarMientrasVuela(std::optional<QString> ruta);
    bool vaciaEnVuelo() const { return m_mientrasVuela && m_mientrasVuela->isEmpty(); }
    // A card the CPU just played or took: a dashed blue outline, apart from
    // the magenta of a mark and the yellow and black of the keyboard focus.
    void setSenalada(bool senalada);
    bool senalada() const { return m_senalada; }
    // Whether the focus frame is drawn on the focused card: only for a player
    // who uses the keyboard.
    void setFocoVisible(bool visible);
    // The card has the focus and shows its frame.
    bool muestraFoco() const { return m_focoVisible && hasFocus(); }
    // The radius of the card's rounded corners at the given width.
    static qreal radio(qreal ancho) { return ancho * 0.065; }
    // Where the number in the top-left corner of a face of this size is drawn; no outline
    // covers it.
    static QRectF numeroDeEsquina(const QSizeF &tamano);

signals:
    void clicked(Qt::MouseButton boton);
    // The card's shadow shows or goes: it lies on the board, which paints it.
    void sombraCambiada();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void arrastrar();
    // A frame that reads at every board size, drawn over the card.
    void pintarCarta(QPainter &pintor, const QPixmap &imagen);
    // The built-in back, when a cover has no picture to show.
    void pintarReverso(QPainter &pintor) const;
    // What a cover's picture is laid on.
    void pintarBase(QPainter &pintor) const;
    void pintarFoco(QPainter &pintor) const;
    // A frame of the given width inside the rectangle.
    static void pintarMarco(QPainter &pintor, const QRect &exterior, int grosor,
                            const QColor &color);

    // The look of the mark's and the CPU's outlines, drawn over the card.
    struct Contornos
    {
        QSize tamano;
        qreal razon = 1.0;
        bool marcada = false;
        bool senalada = false;
        bool operator==(const Contornos &) const = default;
    };
    static QPixmap dibujarContornos(const Contornos &contornos);

    Imagen m_imagen;
    PictureCache &m_cache;
    QString m_ruta;
    bool m_arrastrable = false;
    bool m_cubierta = false;
    QPointer<const CardPicture> m_tapa;
    bool m_marcada = false;
    std::optional<QString> m_mientrasVuela;
    bool m_senalada = false;
    bool m_focoVisible = false;
    std::optional<QPoint> m_pulsadoEn; // a left press that may still become a drag
    bool m_dobleClic = false; // the release that ends a double-click is no new click
    Contornos m_aspectoContornos;
    QPixmap m_contornos;
};
