// SPDX-License-Identifier: GPL-3.0-or-later

// zelbo-cardart: draws the card faces, the card back, the board and results backgrounds
// and the icons into the folder given on the command line. The build runs it; it needs no
// display.

#include "arterror.h"
#include "artwriter.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::cerr << "usage: zelbo-cardart OUTPUT_DIR\n";
        return 2;
    }
    try {
        ArtWriter(args.at(1)).writeAll();
    } catch (const ArtError &error) {
        std::cerr << "zelbo-cardart: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
