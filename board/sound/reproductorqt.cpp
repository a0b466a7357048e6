// SPDX-License-Identifier: GPL-3.0-or-later

#include "reproductorqt.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

ReproductorQt::ReproductorQt(const QString &carpeta, QObject &padre)
    : m_carpeta(carpeta)
    , m_padre(padre)
{
}

QString ReproductorQt::archivo(Sonido sonido)
{
    switch (sonido) {
    case Sonido::Carta:
        return QStringLiteral("carta.wav");
    case Sonido::Levantar:
        return QStringLiteral("levantar.wav");
    case Sonido::Monton:
        return QStringLiteral("monton.wav");
    case Sonido::Reparto:
        return QStringLiteral("reparto.wav");
    case Sonido::Rechazo:
        return QStringLiteral("rechazo.wav");
    case Sonido::ManoGanada:
        return QStringLiteral("manoganada.wav");
    case Sonido::ManoPerdida:
        return QStringLiteral("manoperdida.wav");
    case Sonido::PartidaGanada:
        return QStringLiteral("partidaganada.wav");
    case Sonido::PartidaPerdida:
        return QStringLiteral("partidaperdida.wav");
    }
    return {};
}

void ReproductorQt::tocar(Sonido sonido)
{
    cargar();
    QSoundEffect *efecto = m_efectos.at(static_cast<std::size_t>(sonido));
    if (efecto)
        efecto->play();
}

// Without an output an effect would complain of it at every sound: none is made.
void ReproductorQt::cargar()
{
    if (std::exchange(m_cargado, true) || QMediaDevices::audioOutputs().isEmpty())
        return;
    for (int i = 0; i < kSonidos; ++i) {
        auto *efecto = new QSoundEffect(&m_padre);
        efecto->setSource(
            QUrl::fromLocalFile(m_carpeta + QLatin1Char('/') + archivo(static_cast<Sonido>(i))));
        m_efectos.at(static_cast<std::size_t>(i)) = efecto;
    }
}
