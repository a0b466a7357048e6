// SPDX-License-Identifier: GPL-3.0-or-later

// zelbo-sonidos: synthesises the board's sounds into OUTPUT_DIR/sonidos. The build runs it,
// so no sound from elsewhere is ever shipped.

#include "soundset.h"
#include "wavwriter.h"

#include <QCoreApplication>
#include <QDir>

#include <iostream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::cerr << "usage: zelbo-sonidos OUTPUT_DIR\n";
        return 2;
    }
    const QDir dir(args.at(1) + QStringLiteral("/sonidos"));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::cerr << "zelbo-sonidos: cannot make " << qPrintable(dir.path()) << '\n';
        return 1;
    }
    for (const SoundSet::Sound &sound : SoundSet::all()) {
        const QString path = dir.filePath(sound.name + QStringLiteral(".wav"));
        if (!WavWriter::write(path, sound.samples, Synth::kRate)) {
            std::cerr << "zelbo-sonidos: cannot write " << qPrintable(path) << '\n';
            return 1;
        }
    }
    return 0;
}
