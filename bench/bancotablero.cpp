// SPDX-License-Identifier: GPL-3.0-or-later

#include "bancotablero.h"

#include "animadortablero.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>
#include <cstdio>

bool BancoTablero::abrir(const char *nombre, Pausa *pausa)
{
    if (!m_dir.isValid() || !copiarPrograma(QApplication::applicationDirPath(), m_dir.path())) {
        std::fprintf(stderr, "%s: cannot copy the program's files\n", nombre);
        return false;
    }
    m_dialogos.setAlPreguntar([](const QString &) { return true; });
    m_ventana = std::make_unique<ZelboFrm>(m_dir.path(), m_dialogos, m_azar,
                                          pausa ? *pausa : m_pausa, m_ajustes);
    m_ventana->animador().setDuracion(0);
    if (!m_ventana->Form_Load()) {
        std::fprintf(stderr, "%s: the game did not start\n", nombre);
        return false;
    }
    m_ventana->showNormal();
    m_ventana->setGeometry(0, 0, 1920, 1080);
    QApplication::processEvents();
    m_humano = std::make_unique<RandomHuman>(m_ventana->juego(), m_azarHumano);
    return true;
}

double BancoTablero::percentil(std::vector<double> tiempos, double parte)
{
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos[static_cast<std::size_t>(parte * static_cast<double>(tiempos.size() - 1))];
}

bool BancoTablero::copiarPrograma(const QString &origen, const QString &destino)
{
    QDirIterator it(origen,
                    { QStringLiteral("*.jpg"), QStringLiteral("*.db"), QStringLiteral("*.dat"),
                      QStringLiteral("*.png"), QStringLiteral("*.svg") },
                    QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString fichero = it.next();
        const QString relativo = QDir(origen).relativeFilePath(fichero);
        if (relativo.startsWith(QLatin1String(".."))
            || relativo.contains(QLatin1String("CMakeFiles")))
            continue;
        QDir(destino).mkpath(QFileInfo(relativo).path());
        ok = QFile::copy(fichero, destino + QLatin1Char('/') + relativo) && ok;
    }
    return ok;
}
