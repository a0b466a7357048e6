// SPDX-License-Identifier: GPL-3.0-or-later

#include "cargarmazo.h"

#include <QCoreApplication>

#include "cardseterror.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <exception>
#include <limits>
#include <vector>

namespace {

const QString kTabla = QStringLiteral("naipe40");

// Column 4 holds 0 or 1; a text "true"/"false" is accepted as well.
bool aBooleano(const QVariant &valor, bool &ok)
{
    const QString texto = valor.toString().trimmed().toLower();
    ok = !valor.isNull();
    if (texto == QLatin1String("1") || texto == QLatin1String("true"))
        return true;
    if (texto == QLatin1String("0") || texto == QLatin1String("false"))
        return false;
    ok = false;
    return false;
}

classNaipe leerFila(const QSqlQuery &fila, const QString &programDir, int n)
{
    const auto error = [n](const QString &que) {
        return CardSetError(
            QCoreApplication::translate("CargarMazo",
                                        "El juego de cartas está dañado: la carta %1 tiene %2.")
                .arg(n)
                .arg(que));
    };
    bool ok = false;
    const int numero = fila.value(1).toInt(&ok);
    if (!ok || numero < std::numeric_limits<std::int16_t>::min()
        || numero > std::numeric_limits<std::int16_t>::max())
        throw error(QCoreApplication::translate("CargarMazo", "un número no válido"));
    const QString imagen = fila.value(2).toString();
    const QString palo = fila.value(3).toString();
    if (imagen.isEmpty())
        throw error(QCoreApplication::translate("CargarMazo", "la imagen vacía"));
    if (palo.isEmpty())
        throw error(QCoreApplication::translate("CargarMazo", "el palo vacío"));
    const bool repartida = aBooleano(fila.value(4), ok);
    if (!ok)
        throw error(QCoreApplication::translate("CargarMazo", "una marca de repartida no válida"));
    if (repartida)
        throw error(QCoreApplication::translate("CargarMazo", "la marca de repartida puesta"));

    classNaipe carta;
    carta.a_numero(static_cast<std::int16_t>(numero));
    carta.a_imagen(programDir + QLatin1Char('/') + imagen);
    carta.a_palo(palo);
    carta.a_repartida(repartida);
    return carta;
}

std::vector<classNaipe> leerCartas(QSqlDatabase &db, const QString &programDir)
{
    if (!db.open())
        throw CardSetError(db.lastError().text());
    if (db.record(kTabla).count() < 5)
        throw CardSetError(
            QCoreApplication::translate(
                "CargarMazo", "El juego de cartas no tiene la tabla %1 con cinco columnas.")
                .arg(kTabla));
    QSqlQuery fila(db);
    // Row order is card identity, so it must be the same on every run.
    if (!fila.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(kTabla)))
        throw CardSetError(fila.lastError().text());
    std::vector<classNaipe> cartas;
    // Rows past the 40th are not cards of the deck and are never read.
    while (cartas.size() < Mazo::kCartas && fila.next()) {
        cartas.push_back(leerFila(fila, programDir, static_cast<int>(cartas.size()) + 1));
    }
    if (cartas.size() < Mazo::kCartas)
        throw CardSetError(QCoreApplication::translate(
                               "CargarMazo", "El juego de cartas tiene %1 cartas en lugar de 40.")
                               .arg(cartas.size()));
    return cartas;
}

} // namespace

void CargarMazo(Mazo &mazo, const QString &programDir)
{
    const QString conexion = QStringLiteral("naipe40-") + QUuid::createUuid().toString();
    std::vector<classNaipe> cartas;
    std::exception_ptr fallo;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        // Read-only, so a missing file fails instead of being created empty.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(programDir + QStringLiteral("/naipe40.db"));
        try {
            cartas = leerCartas(db, programDir);
        } catch (...) {
            fallo = std::current_exception();
        }
    }
    // The connection must be gone before a failure leaves this function.
    QSqlDatabase::removeDatabase(conexion);
    if (fallo)
        std::rethrow_exception(fallo);
    for (int n = 1; n <= Mazo::kCartas; ++n)
        mazo.carta(n) = cartas[static_cast<std::size_t>(n - 1)];
}
