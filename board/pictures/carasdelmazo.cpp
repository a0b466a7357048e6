// SPDX-License-Identifier: GPL-3.0-or-later

#include "carasdelmazo.h"

#include "dialogservice.h"
#include "mazo.h"
#include "picturecache.h"

#include <QDir>
#include <QTimer>
#include <algorithm>
#include <utility>

CarasDelMazo::CarasDelMazo(PictureCache &cache, DialogService &dialogos, QString carpeta)
    : m_cache(cache)
    , m_dialogos(dialogos)
    , m_carpeta(std::move(carpeta))
{
}

void CarasDelMazo::revisar(const Mazo &mazo)
{
    if (m_revisadas || mazo.carta(1).imagen().isEmpty())
        return;
    m_revisadas = true;
    QStringList imagenes;
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        const classNaipe &carta = mazo.carta(n);
        m_cache.setCara(carta.imagen(), carta.numero(), carta.palo());
        imagenes.append(carta.imagen());
    }
    QTimer::singleShot(0, this, [this, imagenes] { avisarIlegibles(imagenes); });
}

void CarasDelMazo::avisarIlegibles(const QStringList &imagenes)
{
    QStringList ilegibles;
    for (const QString &imagen : imagenes) {
        const QString archivo = m_cache.archivo(imagen);
        if (!PictureCache::legible(archivo))
            ilegibles.append(QDir(m_carpeta).relativeFilePath(archivo));
    }
    // Not a box to answer before the game goes on: the cards are there, drawn by the game.
    if (!ilegibles.isEmpty())
        m_dialogos.abrirMensaje(aviso(ilegibles), DialogService::kTitulo,
                                DialogService::Botones::Ok, DialogService::Icono::Critico, {}, {});
}

// A few names are read at a glance; the whole deck would fill the screen.
QString CarasDelMazo::aviso(const QStringList &nombres)
{
    constexpr qsizetype kNombrados = 5;
    QString lista = nombres.first(std::min(kNombrados, nombres.size())).join(QStringLiteral(", "));
    if (nombres.size() > kNombrados)
        lista = tr("%1 y %2 más").arg(lista).arg(nombres.size() - kNombrados);
    return tr("Faltan o están dañadas las imágenes de estas cartas: %1. El juego las dibuja "
              "por su cuenta.")
        .arg(lista);
}
