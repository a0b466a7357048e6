// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// The five preferences as the preferences file holds them, with the values in force before
// any file has been read.
struct PreferenceValues
{
    QString nombreCpu { QStringLiteral("Player") };
    QString nombreHumano { QStringLiteral("Player") };
    QString aplicacion; // command line started from the toolbar; empty for none
    qint32 colorFondo = 0x00E0E0E0; // &H00BBGGRR; negative values are system colours
    QString reverso; // card-back picture; empty for the default one

    friend bool operator==(const PreferenceValues &, const PreferenceValues &) = default;
};
