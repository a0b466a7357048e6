// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class DialogService;
class Mazo;
class PictureCache;

// The card faces as the deck names them: a face whose picture is missing or is not an image
// shows as the game draws it, and the player is told once which pictures those are.
class CarasDelMazo : public QObject
{
    Q_OBJECT

public:
    // carpeta: the folder the card set's picture names start from.
    CarasDelMazo(PictureCache &cache, DialogService &dialogos, QString carpeta);

    // Does its work at the first call with the deck loaded; later calls do nothing. The faces
    // are set at once; the pictures are read (a small decode of each of the forty) when the
    // event loop next runs, so that the window does not wait for them to come up.
    void revisar(const Mazo &mazo);

private:
    void avisarIlegibles(const QStringList &imagenes);
    static QString aviso(const QStringList &nombres);

    PictureCache &m_cache;
    DialogService &m_dialogos;
    QString m_carpeta;
    bool m_revisadas = false;
};
