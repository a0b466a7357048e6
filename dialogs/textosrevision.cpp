// SPDX-License-Identifier: GPL-3.0-or-later

#include "textosrevision.h"

#include "frasejugada.h"
#include "idiomadeljuego.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString numero(double x, int decimales)
{
    return IdiomaDelJuego::cifras().toString(x, 'f', decimales);
}

// "62 %" in Spanish, "62%" in English, never broken between the number and its sign.
QString porcentaje(double x)
{
    return QCoreApplication::translate("TextosRevision", "%1 %")
        .arg(numero(x, 0))
        .replace(QLatin1Char(' '), QChar(0x00A0));
}

QString frase(const GameState &antes, Lado lado, const Jugada &jugada)
{
    return lado == Lado::Cpu ? FraseJugada::cpu(antes, jugada) : FraseJugada::humano(antes, jugada);
}

// The sentence as the rest of a line: its first letter in lower case.
QString enMinuscula(QString texto)
{
    if (!texto.isEmpty())
        texto[0] = texto[0].toLower();
    return texto;
}

} // namespace

double TextosRevision::chanceHumano(const RevisionJugada &r, bool despues)
{
    const double suya = despues ? r.despues : r.antes;
    return r.lado == Lado::Humano ? suya : 100.0 - suya;
}

QString TextosRevision::clase(ClaseJugada clase)
{
    switch (clase) {
    case ClaseJugada::Dudosa:
        return tr("dudosa");
    case ClaseJugada::Error:
        return tr("error");
    case ClaseJugada::Grave:
        return tr("grave");
    case ClaseJugada::Buena:
        break;
    }
    return {};
}

QString TextosRevision::fila(const JugadaAnotada &jugada, const RevisionJugada &r)
{
    QString texto = tr("%1. Tu probabilidad de ganar: del %2 al %3.")
                        .arg(frase(jugada.antes, jugada.lado, jugada.jugada),
                             porcentaje(chanceHumano(r, false)), porcentaje(chanceHumano(r, true)));
    texto += QLatin1Char(' ')
        + tr("La mano: del %1 al %2.")
              .arg(porcentaje(r.manoHumanoAntes), porcentaje(r.manoHumanoDespues));
    if (r.lado == Lado::Humano && r.clase != ClaseJugada::Buena) {
        QString nombre = clase(r.clase);
        nombre[0] = nombre[0].toUpper();
        texto += QLatin1Char(' ') + tr("%1: pierdes %2 puntos.").arg(nombre, numero(r.perdida, 1));
    }
    if (r.mejor)
        texto += QLatin1Char(' ')
            + tr("Mejor: %1.").arg(enMinuscula(frase(jugada.antes, r.lado, *r.mejor)));
    return texto;
}

QString TextosRevision::resumen(std::span<const RevisionJugada> revisiones)
{
    int dudosas = 0;
    int errores = 0;
    int graves = 0;
    int humanas = 0;
    double perdida = 0.0;
    for (const RevisionJugada &r : revisiones) {
        if (r.lado != Lado::Humano)
            continue;
        ++humanas;
        perdida += r.perdida;
        dudosas += r.clase == ClaseJugada::Dudosa ? 1 : 0;
        errores += r.clase == ClaseJugada::Error ? 1 : 0;
        graves += r.clase == ClaseJugada::Grave ? 1 : 0;
    }
    if (humanas == 0)
        return tr("No hay jugadas tuyas que revisar.");
    QStringList partes;
    if (dudosas > 0)
        partes << (dudosas == 1 ? tr("1 dudosa") : tr("%1 dudosas").arg(dudosas));
    if (errores > 0)
        partes << (errores == 1 ? tr("1 error") : tr("%1 errores").arg(errores));
    if (graves > 0)
        partes << (graves == 1 ? tr("1 grave") : tr("%1 graves").arg(graves));
    const QString clases
        = partes.isEmpty() ? tr("Ninguna jugada dudosa") : partes.join(QStringLiteral(", "));
    return tr("%1; pérdida media %2 puntos por jugada").arg(clases, numero(perdida / humanas, 1));
}
