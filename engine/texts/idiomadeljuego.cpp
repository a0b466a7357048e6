// SPDX-License-Identifier: GPL-3.0-or-later

#include "idiomadeljuego.h"

#include <QCoreApplication>
#include <QLocale>

IdiomaDelJuego::Idioma IdiomaDelJuego::elegir(const QStringList &idiomasDeInterfaz)
{
    if (idiomasDeInterfaz.isEmpty())
        return Idioma::Espanol;
    // "C" and "POSIX" come out as the C locale, whose language is not English.
    return QLocale(idiomasDeInterfaz.first()).language() == QLocale::English ? Idioma::Ingles
                                                                             : Idioma::Espanol;
}

QLocale IdiomaDelJuego::cifras()
{
    return QLocale(QCoreApplication::translate("IdiomaDelJuego", "es_ES",
                                               "the locale this language writes numbers in"));
}

bool IdiomaDelJuego::instalar(Idioma idioma, const QString &carpetaDelJuego,
                              const QString &carpetaDeQt)
{
    const bool ingles = idioma == Idioma::Ingles;
    const bool delJuego = ingles && m_juego.load(QStringLiteral("zelbo_en"), carpetaDelJuego);
    if (delJuego)
        QCoreApplication::installTranslator(&m_juego);
    const QLocale idiomaDeQt(ingles ? QLocale::English : QLocale::Spanish);
    const bool deQt
        = m_qt.load(idiomaDeQt, QStringLiteral("qtbase"), QStringLiteral("_"), carpetaDeQt);
    if (deQt)
        QCoreApplication::installTranslator(&m_qt);
    // Qt speaks English untranslated: only the Spanish game needs Qt's file.
    return ingles ? delJuego : deQt;
}
