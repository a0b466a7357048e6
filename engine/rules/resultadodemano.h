// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// How a hand ended, as the view is told and the announcement is worded: the
// piles after the table was collected, and who won by them.
struct ResultadoDeMano
{
    Q_DECLARE_TR_FUNCTIONS(ResultadoDeMano)

public:
    enum class Ganador { Cpu, Humano, Empate };

    Ganador ganador = Ganador::Empate;
    int cpu = 0;
    int humano = 0;

    // The larger pile wins; equal piles tie.
    static ResultadoDeMano dePilas(int cpu, int humano);
    // The words of the box that announces the hand, with the human's name.
    QString texto(const QString &nombreHumano) const;

    bool operator==(const ResultadoDeMano &) const = default;
};
