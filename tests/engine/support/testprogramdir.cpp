#include "testprogramdir.h"

#include "preferencesfile.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QStringList sentencias(const QString &fuente)
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
    QFile sql(QStringLiteral(ZELBO_NAIPE_SQL));
    if (!sql.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read ") + sql.fileName();
        return false;
    }
    const QString conexion = QStringLiteral("prueba-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        db.setDatabaseName(destino);
        if (!db.open())
            error = db.lastError().text();
        else if (db.transaction())
            error = ejecutar(db, sentencias(QString::fromUtf8(sql.readAll())) + cambiosSql);
        // One transaction: SQLite would otherwise wait for the disk after every row.
        if (error.isEmpty() && !db.commit())
            error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    return error.isEmpty();
}
