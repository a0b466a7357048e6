// Builds the card set database from its SQL source:
//   zelbo-dbgen SOURCE.sql OUTPUT.db
// The output is written anew each time, so a changed source never mixes with old rows.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

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

bool construir(const QString &origen, const QString &destino, QTextStream &err)
{
    QFile sql(origen);
    if (!sql.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "cannot read " << origen << '\n';
        return false;
    }
    QFile::remove(destino);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(destino);
    if (!db.open()) {
        err << db.lastError().text() << '\n';
        return false;
    }
    db.transaction();
    QSqlQuery q(db);
    for (const QString &s : sentencias(QString::fromUtf8(sql.readAll()))) {
        if (!q.exec(s)) {
            err << q.lastError().text() << " in: " << s << '\n';
            return false;
        }
    }
    return db.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: zelbo-dbgen SOURCE.sql OUTPUT.db\n";
        return 2;
    }
    bool ok = construir(args.at(1), args.at(2), err);
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    if (!ok)
        QFile::remove(args.at(2));
    return ok ? 0 : 1;
}
