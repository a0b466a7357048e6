// SPDX-License-Identifier: GPL-3.0-or-later

#include "anunciador.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {
const QString kAviso = QStringLiteral("avisoDelJuego");

// A sentence of the history told after a colon: "tiras el As de espadas a la mesa".
QString enMinuscula(QString frase)
{
    if (!frase.isEmpty())
        frase[0] = frase.at(0).toLower();
    return frase;
}
} // namespace

Anunciador::Anunciador(QStatusBar &barra)
    : m_barra(barra)
    , m_aviso(new Notificacion(&barra))
    , m_salida(new QTimer(m_aviso))
{
    m_salida->setSingleShot(true);
    m_salida->setInterval(kEsperaMs);
    QObject::connect(m_salida, &QTimer::timeout, m_aviso, [this] { hablar(); });
    // A window that comes to the front (the board when a box closes, the results
    // window when it opens) is read first: Orca drops what shows meanwhile.
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, m_aviso,
                     [this] { decirPendiente(); });
    m_aviso->setObjectName(kAviso);
}

void Anunciador::decir(const QString &texto)
{
    mostrar(texto);
    avisar(texto);
}

void Anunciador::mostrar(const QString &texto)
{
    // The status bar's accessible name is its message, and a new message
    // raises the name change by itself; the same text again must raise it
    // too: the player did something and is owed the answer.
    const bool repetido = m_barra.currentMessage() == texto;
    m_barra.showMessage(texto);
    if (repetido) {
        QAccessibleEvent cambio(&m_barra, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&cambio);
    }
}

void Anunciador::avisar(const QString &texto)
{
    anotar(texto);
    m_salida->start();
}

void Anunciador::avisarTrasElTurno(const QString &texto)
{
    if (m_cpuMovio)
        m_trasElTurno = texto;
    else
        avisar(texto);
}

void Anunciador::decirPendiente()
{
    if (!m_pendientes.isEmpty())
        m_salida->start();
}

QString Anunciador::conPendiente(const QString &texto)
{
    m_trasElTurno.clear();
    anotar(texto);
    const QString frase = pendiente();
    m_pendientes.clear();
    m_salida->stop();
    return frase;
}

void Anunciador::anotar(const QString &texto)
{
    if (!texto.isEmpty() && (m_pendientes.isEmpty() || m_pendientes.constLast() != texto))
        m_pendientes.append(texto);
}

QString Anunciador::pendiente() const
{
    QString frase;
    for (const QString &texto : m_pendientes) {
        if (!frase.isEmpty())
            frase += frase.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ");
        frase += texto;
    }
    return frase;
}

void Anunciador::hablar()
{
    m_aviso->decir(pendiente());
    m_pendientes.clear();
}

QString Anunciador::actual() const
{
    return m_barra.currentMessage();
}

void Anunciador::jugadaCpu(const QString &frase)
{
    m_jugadaCpu = frase;
    mostrar(frase);
    anotar(frase);
    // What waits to be spoken (the player's move, the keys) goes with it and its turn.
    m_salida->stop();
    m_cpuMovio = true;
}

void Anunciador::jugadaVigente(const QString &frase)
{
    m_jugadaCpu = frase;
    if (frase.isEmpty())
        m_barra.clearMessage();
    else
        mostrar(frase);
}

void Anunciador::ultimaRonda(const QString &nombre)
{
    const QString ronda = tr("Última ronda: juega %1").arg(nombre);
    const QString frase
        = m_jugadaCpu.isEmpty() ? ronda : m_jugadaCpu + QStringLiteral(". ") + ronda;
    if (actual() != frase)
        m_barra.showMessage(frase);
    if (ronda != m_rondaDicha) {
        if (!m_pendientes.isEmpty() && m_pendientes.constLast() == m_turnoDicho)
            m_pendientes.removeLast();
        avisar(ronda);
    }
    m_rondaDicha = ronda;
}

void Anunciador::reparto(const QString &frase, bool juegaElHumano)
{
    anotar(frase);
    // The CPU's move waits for its turn: the deal goes with them.
    if (!m_cpuMovio)
        m_salida->start();
    m_turnoDebido = juegaElHumano;
}

void Anunciador::pista(const QString &texto)
{
    m_pista = texto;
    decir(texto);
}

void Anunciador::jugadaHecha()
{
    if (!m_pista.isEmpty() && actual() == m_pista)
        m_barra.clearMessage();
    m_pista.clear();
}

void Anunciador::turno(const QString &cartel, bool quedanCartas)
{
    if (quedanCartas)
        m_rondaDicha.clear();
    if (m_cpuMovio || m_turnoDebido) {
        avisar(cartel);
        m_turnoDicho = cartel;
    }
    m_cpuMovio = false;
    m_turnoDebido = false;
    if (!m_trasElTurno.isEmpty())
        avisar(std::exchange(m_trasElTurno, QString()));
}

void Anunciador::deshecha(const QString &frase)
{
    avisar(tr("Deshecho: %1").arg(enMinuscula(frase)));
}

void Anunciador::rehecha(const QString &frase)
{
    avisar(tr("Rehecho: %1").arg(enMinuscula(frase)));
}

void Anunciador::finDeMano(const ResultadoDeMano &resultado, const QString &nombreHumano,
                           int puntosCpu, int puntosHumano)
{
    m_trasElTurno.clear();
    avisar(palabrasFinDeMano(resultado, nombreHumano, puntosCpu, puntosHumano));
}

QString Anunciador::palabrasFinDeMano(const ResultadoDeMano &resultado, const QString &nombreHumano,
                                      int puntosCpu, int puntosHumano)
{
    return tr("%1. Cartas: la CPU %2, tú %3. Puntos: la CPU %4, tú %5")
        .arg(resultado.texto(nombreHumano))
        .arg(resultado.cpu)
        .arg(resultado.humano)
        .arg(puntosCpu)
        .arg(puntosHumano);
}
