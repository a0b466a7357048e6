// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomdialogs.h"

#include <QDir>
#include <utility>

RandomDialogs::RandomDialogs(QRandomGenerator &azar, QString carpeta)
    : m_azar(azar)
    , m_carpeta(std::move(carpeta))
{
}

DialogService::Respuesta RandomDialogs::mensaje(const QString &texto, const QString &,
                                                Botones botones, Icono, const OpcionesMensaje &)
{
    m_ultimo = texto;
    ++m_veces[texto];
    switch (botones) {
    case Botones::Ok:
        break;
    case Botones::OkCancel:
        // Quitting and opening another game are mostly refused, so that games get far.
        return moneda(texto == QStringLiteral("¿Salir del juego?") ? 3 : 15) ? Respuesta::Ok
                                                                             : Respuesta::Cancel;
    case Botones::YesNo:
        // Mostly another game: a "No" ends the program and the soak starts it again.
        return moneda(85) ? Respuesta::Yes : Respuesta::No;
    }
    return Respuesta::Ok;
}

std::optional<QString> RandomDialogs::pedirTexto(const QString &, const QString &)
{
    const QStringList nombres {
        QStringLiteral("Lucía"),
        QString(),
        QStringLiteral("Íñigo, el de Peñíscola"),
        QStringLiteral("\"comillas\""),
        QStringLiteral("otro\r\nrenglón"),
        QString(300, QLatin1Char('x')),
        QStringLiteral("€ y ☃"),
    };
    if (moneda(30))
        return std::nullopt;
    return nombres.at(static_cast<int>(m_azar.bounded(static_cast<quint32>(nombres.size()))));
}

QString RandomDialogs::archivoParaAbrir(const QString &)
{
    if (m_archivos.isEmpty() || moneda(15))
        return {};
    const QStringList guardadas = QDir(m_carpeta).entryList({ QStringLiteral("*.dat") });
    if (!guardadas.isEmpty() && moneda(30))
        return QDir(m_carpeta).filePath(
            guardadas.at(static_cast<int>(m_azar.bounded(static_cast<quint32>(guardadas.size())))));
    return m_archivos.at(static_cast<int>(m_azar.bounded(static_cast<quint32>(m_archivos.size()))));
}

QString RandomDialogs::archivoParaGuardar(const QString &)
{
    if (moneda(20))
        return {};
    if (moneda(10))
        return QDir(m_carpeta).filePath(QStringLiteral("no/existe/partida.dat"));
    return QDir(m_carpeta).filePath(QStringLiteral("guardada%1.dat").arg(m_azar.bounded(4)));
}

qint32 RandomDialogs::elegirColor(qint32 inicial)
{
    return moneda(30) ? inicial : static_cast<qint32>(m_azar.bounded(0x01000000));
}
