// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the card set database from its SQL source:
//   zelbo-dbgen SOURCE.sql OUTPUT.db
// The output is written anew each time, so a changed source never mixes with old rows.

#include "cardsetscript.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: zelbo-dbgen SOURCE.sql OUTPUT.db\n";
        return 2;
    }
    const QString error = CardSetScript::construir(args.at(1), args.at(2));
    if (!error.isEmpty())
        err << error << '\n';
    return error.isEmpty() ? 0 : 1;
}
