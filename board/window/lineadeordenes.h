// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class DialogService;

// A program the player set to start from the game, named by its path or by a
// command line.
class LineaDeOrdenes
{
    Q_DECLARE_TR_FUNCTIONS(LineaDeOrdenes)

public:
    struct Orden
    {
        QString programa;
        QStringList argumentos;
        bool operator==(const Orden &) const = default;
    };

    // What the text starts; nothing when it names no program that exists.
    static std::optional<Orden> orden(const QString &linea);
    // Starts it without waiting. A program that cannot be found or started is
    // told to the player, and false.
    static bool iniciar(const QString &linea, DialogService &dialogos);

private:
    static QString programaDe(const QString &linea, const QString &primera);
};
