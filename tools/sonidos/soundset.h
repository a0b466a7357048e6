// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

#include <QList>
#include <QString>

// The board's sounds, by the file names the game looks for under sonidos/. They are quiet
// (the loudest sample well below full scale) and short, between 50 and 600 ms: a game that
// is played for an hour must not tire the ear.
class SoundSet
{
public:
    struct Sound
    {
        QString name;
        Synth::Samples samples;
    };

    static QList<Sound> all();

private:
    static Synth::Samples cardLaid();
    static Synth::Samples lift();
    static Synth::Samples pileTaken();
    static Synth::Samples deal();
    static Synth::Samples refused();
    static Synth::Samples notes(const QList<double> &hertz, double step, double last);
};
