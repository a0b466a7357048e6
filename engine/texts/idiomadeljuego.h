// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the game speaks. Spanish is the game's own language (its texts
// need no translation); English is chosen when the first of the player's
// interface languages is English. Qt's own texts (standard buttons) follow.
class IdiomaDelJuego
{
public:
    enum class Idioma { Espanol, Ingles };

    // Only the first language counts: a player who put Spanish or German first
    // and English second gets the Spanish game. The C and POSIX locales too.
    static Idioma elegir(const QStringList &idiomasDeInterfaz);

    // Loads the game's translation from carpetaDelJuego and Qt's own from
    // carpetaDeQt, and installs them in the application. False when the file the
    // language needs (English: the game's; Spanish: Qt's) could not be loaded;
    // whatever did load stays installed.
    bool instalar(Idioma idioma, const QString &carpetaDelJuego, const QString &carpetaDeQt);

    // How the language in force writes numbers: "1,8" in Spanish, "1.8" in
    // English. The translation names it.
    static QLocale cifras();

private:
    QTranslator m_juego;
    QTranslator m_qt;
};
