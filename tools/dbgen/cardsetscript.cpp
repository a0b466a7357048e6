// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardsetscript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString ejecutar(QSqlDatabase &db, const QStringList &lista)
{
    QSqlQuery q(db);
    for (const QString &s : lista) {
        if (!q.exec(s))
            return q.lastError().text() + QStringLiteral(" in: ") + s;
    }
    return {};
}

} // namespace

QStringList CardSetScript::sentencias(const QString &fuente)
{
    QString sinComentarios;
    for (const QString &linea : fuente.split(QLatin1Char('\n'))) {
        if (!linea.trimmed().startsWith(QLatin1String("--")))
            sinComentarios += linea + QLatin1Char('\n');
    }
    QStringList resultado;
    for (const QString &s : sinComentarios.split(QLatin1Char(';'))) {
        if (!s.trimmed().isEmpty())
            resultado << s.trimmed();
    }
    return resultado;
}

QString CardSetScript::construir(const QString &fuenteSql, const QString &destino,
                                 const QStringList &extras)
{
    QFile sql(fuenteSql);
    if (!sql.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("cannot read ") + fuenteSql;
    QFile::remove(destino);
    const QString conexion = QStringLiteral("cardset-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        db.setDatabaseName(destino);
        if (!db.open())
            error = db.lastError().text();
        else if (db.transaction())
            error = ejecutar(db, sentencias(QString::fromUtf8(sql.readAll())) + extras);
        // One transaction: SQLite would otherwise wait for the disk after every row.
        if (error.isEmpty() && !db.commit())
            error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    if (!error.isEmpty())
        QFile::remove(destino);
    return error;
}
