// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Builds a card set database from its SQL source: the build turns
// data/naipe40.sql into naipe40.db with it, and tests make card sets of their
// own (extra statements damage one on purpose).
class CardSetScript
{
public:
    // Writes destino anew; the error text, or an empty one on success.
    static QString construir(const QString &fuenteSql, const QString &destino,
                             const QStringList &extras = {});
    // The statements of an SQL text, without its "--" comment lines.
    static QStringList sentencias(const QString &fuente);
};
