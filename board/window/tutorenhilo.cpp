// SPDX-License-Identifier: GPL-3.0-or-later

#include "tutorenhilo.h"

#include "nombrenaipe.h"

#include <QTimer>
#include <QtMath>
#include <utility>

namespace {

// The better move, as advice: "levanta el 5 de oros con el Rey de oros".
QString consejo(const GameState &antes, const Jugada &mejor)
{
    const QString tuya = NombreNaipe::conArticulo(antes.carta(antes.player2.at(mejor.carta)));
    switch (mejor.tipo) {
    case Jugada::Tipo::AlMonton:
        return TutorEnHilo::tr("pon %1 en tu montón").arg(tuya);
    case Jugada::Tipo::LevantarMonton:
        return TutorEnHilo::tr("llévate el montón de la CPU con %1").arg(tuya);
    case Jugada::Tipo::LevantarMesa: {
        QList<const classNaipe *> cartas;
        for (int lugar : mejor.mesa)
            cartas << &antes.carta(antes.lamesa.at(lugar));
        return TutorEnHilo::tr("levanta %1 con %2").arg(NombreNaipe::lista(cartas), tuya);
    }
    case Jugada::Tipo::Tirar:
        break;
    }
    return TutorEnHilo::tr("tira %1 a la mesa").arg(tuya);
}

} // namespace

TutorEnHilo::TutorEnHilo(std::function<bool()> activo, std::function<NivelCpu()> nivel,
                         int esperaMs, int muestras, QObject *parent)
    : QObject(parent)
    , m_activo(std::move(activo))
    , m_nivel(std::move(nivel))
    , m_esperaMs(esperaMs)
    , m_muestras(muestras)
{
}

// The copies of the position and of the reviewer are the worker's own.
void TutorEnHilo::revisar(const GameState &antes, const Jugada &jugada, Listo listo)
{
    emit jugadaDelHumano(antes, jugada);
    if (!m_activo || !m_activo()) {
        listo();
        return;
    }
    m_trabajo.pedir(
        [revisor = RevisorDeJugadas(m_muestras, m_nivel()), antes, jugada](std::stop_token parar) {
            return nota(antes, revisor.revisar(antes, Lado::Humano, jugada, parar));
        },
        [this, listo = std::move(listo)](const QString &texto) {
            if (texto.isEmpty()) {
                listo();
                return;
            }
            emit aviso(texto);
            // Gone with the tutor, the reply is not asked for.
            QTimer::singleShot(m_esperaMs, this, listo);
        });
}

QString TutorEnHilo::nota(const GameState &antes, const RevisionJugada &revision)
{
    if (revision.perdida < kPerdidaAvisada || !revision.mejor)
        return {};
    // The figures are the bar's before and after the move, and the loss is the
    // fall between them: a warned move always lowers the chance.
    return tr("Esta jugada baja tu probabilidad de ganar del %1 % al %2 %. Mejor: %3.")
        .arg(qRound(revision.antes))
        .arg(qRound(revision.despues))
        .arg(consejo(antes, *revision.mejor));
}
