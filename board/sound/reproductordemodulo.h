// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reproductorsonidos.h"

#include <QString>
#include <memory>

class QObject;

// The game's own player, made by the sound module the first time a sound is played. A
// module that cannot be loaded (a machine without Qt Multimedia's libraries) leaves the game
// silent, and the reason is written once to the log.
class ReproductorDeModulo : public ReproductorSonidos
{
public:
    // The module lies in carpetaModulo, the sound files in carpetaSonidos; the effects are
    // children of padre.
    ReproductorDeModulo(const QString &carpetaModulo, const QString &carpetaSonidos,
                        QObject &padre);
    ~ReproductorDeModulo() override;

    void tocar(Sonido sonido) override;

private:
    void cargar();

    QString m_carpetaModulo;
    QString m_carpetaSonidos;
    QObject &m_padre;
    bool m_intentado = false;
    std::unique_ptr<ReproductorSonidos> m_reproductor;
};
