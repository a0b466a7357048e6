// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Qt's own texts (the message box's button) in Spanish.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_es"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    Form1 form(QCoreApplication::applicationDirPath());
    form.show();
    return QApplication::exec();
}
