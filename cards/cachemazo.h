// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mazo.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The card set of a program directory, read once and read again only when its
// file changed on disk (its size, its modification time or the file itself),
// at the cost of one stat per request.
class CacheMazo
{
public:
    explicit CacheMazo(const QString &programDir);

    // Gives mazo the card set with every card undealt: the cards are read into
    // it when the file changed since the last read, or when mazo was never
    // given them; otherwise only the dealt flags are cleared, which is all a
    // game changes. Returns whether the file was read. Throws CardSetError as
    // CargarMazo does; the next request then reads again.
    bool cargar(Mazo &mazo);

private:
    struct Identidad
    {
        std::uint64_t dispositivo = 0;
        std::uint64_t nodo = 0;
        std::int64_t tamano = -1;
        std::int64_t modificado = 0; // nanoseconds
        bool operator==(const Identidad &) const = default;
    };

    std::optional<Identidad> identidad() const;

    QString m_programDir;
    QByteArray m_rutaLocal;
    std::optional<Identidad> m_leida;
    const Mazo *m_entregado = nullptr;
};
