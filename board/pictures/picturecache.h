// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCache>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class CaraPropia;

// Pictures decoded once per file, shown size and device pixel ratio. A JPEG is
// decoded straight at the size it covers on the device, which is both faster
// and sharper than scaling later, and never scaled up by the painter. Each is
// kept as the finished card: rounded, with its edge, ready to be copied.
// The cache holds a bounded number of bytes: every window size the player
// tries adds a set of pictures, and the least recently shown ones go first.
// A card face whose file cannot be read shows as the game draws it itself.
class PictureCache
{
public:
    // Enough for the whole deck, the backs and the enlarged cards at the
    // largest board size, twice over.
    static constexpr qsizetype kLimiteBytes = 64 * 1024 * 1024;

    explicit PictureCache(qsizetype limiteBytes = kLimiteBytes);
    ~PictureCache();

    // A null pixmap when the file cannot be read, unless it is a card face: that one shows
    // the game's own drawing of the card then.
    QPixmap imagen(const QString &ruta, QSize tamano, qreal razon = 1.0);
    // Decodes the pictures now at the largest of the sizes, so that none is
    // decoded while the board is painted: the smaller sizes are scaled from it
    // when first shown.
    void precargar(const QStringList &rutas, const QList<QSize> &tamanos, qreal razon);
    // Whether the file can be decoded: its header and its body.
    static bool legible(const QString &ruta);
    // Whether the file can be shown; when it changed on disk since the last
    // call (a card back the player replaced between games), it is read again
    // and its pictures are forgotten.
    bool renovar(const QString &ruta);
    // The file is the face of that card.
    void setCara(const QString &ruta, std::int16_t numero, const QString &palo);
    // The faces are read from the folder of that name beside the card set's own, and drawn
    // in its style when unreadable; empty for the card set's own pictures. False when the
    // folder was already in force.
    bool setCarpetaDeCaras(const QString &carpeta);
    // The file a picture is read from: a face's in the folder in force, any other as named.
    QString archivo(const QString &ruta) const;
    // Forgets the files that could not be read, so they are tried again (the
    // player may have put a picture back meanwhile).
    void olvidarFallidas();
    // The bytes the pictures held now take.
    qsizetype bytes() const { return m_imagenes.totalCost(); }

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

    QPixmap reducir(const Clave &buscada);
    QPixmap propia(const Clave &clave);
    void guardar(const Clave &clave, const QPixmap &imagen);
    void olvidar(const QString &ruta);
    void quitar(const std::function<bool(const Clave &, const QPixmap &)> &si);

    // What tells a file changed: its size and its time of change.
    struct Huella
    {
        qint64 tamano = -1;
        QDateTime cambio;
        bool operator==(const Huella &) const = default;
    };
    QHash<QString, Huella> m_leidas; // files found readable, as they were then

    struct Cara
    {
        std::int16_t numero = 0;
        QString palo;
    };
    QHash<QString, Cara> m_caras;
    std::unique_ptr<CaraPropia> m_propia;
    QSet<QString> m_dibujadas; // faces shown as drawn here, their files unreadable
    QString m_carpetaDeCaras;

    QCache<Clave, QPixmap> m_imagenes;
};
