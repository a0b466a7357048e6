#pragma once

#include "imagen.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class PictureCache;

// A picture control: paints its file scaled smoothly to its own size. A human
// hand card starts a drag with the left button at once; the other pictures
// report clicks.
class CardPicture : public QWidget
{
    Q_OBJECT

public:
    static const QString kTipoArrastre;

    CardPicture(Imagen imagen, PictureCache &cache, QWidget *parent);

    const Imagen &imagen() const { return m_imagen; }
    void setRuta(const QString &ruta);
    const QString &ruta() const { return m_ruta; }
    void setArrastrable(bool arrastrable) { m_arrastrable = arrastrable; }

signals:
    void clicked(Qt::MouseButton boton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void arrastrar();

    Imagen m_imagen;
    PictureCache &m_cache;
    QString m_ruta;
    bool m_arrastrable = false;
};
