// SPDX-License-Identifier: GPL-3.0-or-later

#include "testprogramdir.h"

#include "cardsetscript.h"
#include "preferencesfile.h"

TestProgramDir::TestProgramDir(const QStringList &cambiosSql)
{
    if (!m_dir.isValid())
        m_error = QStringLiteral("no temporary folder");
    else
        crearNaipe(ruta(QStringLiteral("naipe40.db")), cambiosSql, m_error);
}

bool TestProgramDir::escribirPreferencias(const QString &cpu, const QString &humano) const
{
    PreferenceValues valores;
    valores.nombreCpu = cpu;
    valores.nombreHumano = humano;
    return PreferencesFile::save(ruta(QStringLiteral("lastprop.dat")), valores);
}

bool TestProgramDir::crearNaipe(const QString &destino, const QStringList &cambiosSql,
                                QString &error)
{
    error = CardSetScript::construir(QStringLiteral(ZELBO_NAIPE_SQL), destino, cambiosSql);
    return error.isEmpty();
}
