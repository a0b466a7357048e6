// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program directory of one test: a temporary folder with the card set
// naipe40.db built from the project's SQL source, so that tests never depend on
// what the build put beside the program; the preferences file only when asked.
class TestProgramDir
{
public:
    // Builds naipe40.db, then runs the given SQL statements on it (to damage it
    // on purpose); see error() when isValid() is false.
    explicit TestProgramDir(const QStringList &cambiosSql = {});

    bool isValid() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    QString path() const { return m_dir.path(); }
    QString ruta(const QString &nombre) const { return m_dir.filePath(nombre); }

    // Writes lastprop.dat with the two names and the other values at their defaults.
    bool escribirPreferencias(const QString &cpu, const QString &humano) const;

    // Builds a card set at destino from the SQL source, then applies cambiosSql.
    static bool crearNaipe(const QString &destino, const QStringList &cambiosSql, QString &error);

private:
    QTemporaryDir m_dir;
    QString m_error;
};
