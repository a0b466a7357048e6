#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// Pictures decoded once per file, shown size and device pixel ratio. A JPEG is
// decoded straight at the size it covers on the device, which is both faster
// and sharper than scaling later, and never scaled up by the painter.
class PictureCache
{
public:
    // A null pixmap when the file cannot be read.
    QPixmap imagen(const QString &ruta, QSize tamano, qreal razon = 1.0);
    // Decodes the pictures now, so that none is first decoded while the board is painted.
    void precargar(const QStringList &rutas, QSize tamano, qreal razon);
    // Whether the file can be decoded: its header and its body.
    static bool legible(const QString &ruta);
    // Forgets every picture of this file (a card back that was chosen anew).
    void olvidar(const QString &ruta);

private:
    struct Clave
    {
        QString ruta;
        QSize tamano;
        qreal razon;
        bool operator==(const Clave &) const = default;
    };
    friend size_t qHash(const Clave &clave, size_t semilla)
    {
        return qHashMulti(semilla, clave.ruta, clave.tamano.width(), clave.tamano.height(),
                         clave.razon);
    }

    QHash<Clave, QPixmap> m_imagenes;
};
