#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures decoded once per file and shown size. A JPEG is decoded straight at
// the size it is shown, which is both faster and sharper than scaling later.
class PictureCache
{
public:
    // A null pixmap when the file cannot be read.
    QPixmap imagen(const QString &ruta, QSize tamano);
    // Whether the file can be decoded: its header and its body.
    static bool legible(const QString &ruta);
    // Forgets every picture of this file (a card back that was chosen anew).
    void olvidar(const QString &ruta);

private:
    struct Clave
    {
        QString ruta;
        QSize tamano;
        bool operator==(const Clave &) const = default;
    };
    friend size_t qHash(const Clave &clave, size_t semilla)
    {
        return qHashMulti(semilla, clave.ruta, clave.tamano.width(), clave.tamano.height());
    }

    QHash<Clave, QPixmap> m_imagenes;
};
