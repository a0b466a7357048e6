// SPDX-License-Identifier: GPL-3.0-or-later

// Test helper: keeps kept games numbered from argv[2] on, one after another, in the folder
// argv[1], and prints each number once its save returned; it runs until it is killed.
#include "keptgamesample.h"
#include "keptgamestore.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const KeptGameStore store(QString::fromLocal8Bit(argv[1]));
    for (int n = QByteArray(argv[2]).toInt();; ++n) {
        if (!store.save(keptGameSample(n)))
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
