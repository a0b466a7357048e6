// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reproductorsonidos.h"

#include <QString>
#include <array>

class QObject;
class QSoundEffect;

// Plays the WAV files under a folder through Qt Multimedia. Nothing of it is made before the
// first sound is asked for; then every sound is loaded at once, so that the next ones start
// without delay. A machine with no audio output plays nothing and says nothing.
class ReproductorQt : public ReproductorSonidos
{
public:
    // The effects are children of padre, and live as long as it.
    ReproductorQt(const QString &carpeta, QObject &padre);

    void tocar(Sonido sonido) override;

    // The file of a sound, under the folder.
    static QString archivo(Sonido sonido);

private:
    static constexpr int kSonidos = static_cast<int>(Sonido::PartidaPerdida) + 1;

    void cargar();

    QString m_carpeta;
    QObject &m_padre;
    bool m_cargado = false;
    std::array<QSoundEffect *, kSonidos> m_efectos {};
};
