// SPDX-License-Identifier: GPL-3.0-or-later

#include "preguntasdeljuego.h"

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

std::optional<int> PreguntasDelJuego::numeroDePartida(int maximo)
{
    const QString pregunta = tr("Número de la partida (del 1 al %1):").arg(maximo);
    const std::optional<QString> texto = m_dialogos.pedirTexto(pregunta, tr("Elegir partida"));
    if (!texto)
        return std::nullopt;
    bool ok = false;
    const int n = texto->trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= maximo)
        return n;
    m_dialogos.mensaje(tr("«%1» no es un número de partida: escribe un número entero "
                          "del 1 al %2.")
                           .arg(texto->trimmed())
                           .arg(maximo),
                       DialogService::kTitulo, Botones::Ok, Icono::Ninguno);
    return std::nullopt;
}

QString PreguntasDelJuego::archivoParaGuardar()
{
    return m_dialogos.archivoParaGuardar(tr("Archivos (*.dat)"));
}

QString PreguntasDelJuego::archivoParaAbrir()
{
    const Respuesta r = m_dialogos.mensaje(tr("¿Terminar con el juego actual?"), tr("Abrir juego"),
                                           Botones::OkCancel, Icono::Ninguno);
    if (r != Respuesta::Ok)
        return {};
    return m_dialogos.archivoParaAbrir(tr("Archivos (*.dat)"));
}

std::optional<QString> PreguntasDelJuego::nombre()
{
    return m_dialogos.pedirTexto(tr("Nuevo Nick"), QStringLiteral("player"));
}

bool PreguntasDelJuego::salir()
{
    return m_dialogos.mensaje(tr("¿Salir del juego?"), tr("Salir"), Botones::OkCancel,
                              Icono::Ninguno)
        == Respuesta::Ok;
}
