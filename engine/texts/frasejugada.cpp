// SPDX-License-Identifier: GPL-3.0-or-later

#include "frasejugada.h"

#include "nombrenaipe.h"

#include <QCoreApplication>

namespace FraseJugada {

namespace {

QString carta(const GameState &e, const CardList &mano, const Jugada &j)
{
    return NombreNaipe::conArticulo(e.carta(mano.at(j.carta)));
}

QString mesa(const GameState &e, const Jugada &j)
{
    QList<const classNaipe *> cartas;
    for (int lugar : j.mesa)
        cartas << &e.carta(e.lamesa.at(lugar));
    return NombreNaipe::lista(cartas);
}

} // namespace

QString cpu(const GameState &antes, const Jugada &jugada)
{
    const QString suya = carta(antes, antes.player1, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return QCoreApplication::translate("FraseJugada", "La CPU pone %1 en su montón").arg(suya);
    case Jugada::Tipo::LevantarMonton:
        return QCoreApplication::translate("FraseJugada", "La CPU se lleva tu montón con %1")
            .arg(suya);
    case Jugada::Tipo::LevantarMesa:
        return QCoreApplication::translate("FraseJugada", "La CPU levanta %1 con %2")
            .arg(mesa(antes, jugada), suya);
    case Jugada::Tipo::Tirar:
        break;
    }
    return QCoreApplication::translate("FraseJugada", "La CPU tira %1 a la mesa").arg(suya);
}

namespace {

QString arriba(const GameState &antes, const Jugada &jugada)
{
    const QString suya = carta(antes, antes.player1, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return QCoreApplication::translate("FraseJugada", "La CPU 1 pone %1 en su montón")
            .arg(suya);
    case Jugada::Tipo::LevantarMonton:
        return QCoreApplication::translate("FraseJugada",
                                           "La CPU 1 se lleva el montón de la CPU 2 con %1")
            .arg(suya);
    case Jugada::Tipo::LevantarMesa:
        return QCoreApplication::translate("FraseJugada", "La CPU 1 levanta %1 con %2")
            .arg(mesa(antes, jugada), suya);
    case Jugada::Tipo::Tirar:
        break;
    }
    return QCoreApplication::translate("FraseJugada", "La CPU 1 tira %1 a la mesa").arg(suya);
}

QString abajo(const GameState &antes, const Jugada &jugada)
{
    const QString suya = carta(antes, antes.player2, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return QCoreApplication::translate("FraseJugada", "La CPU 2 pone %1 en su montón")
            .arg(suya);
    case Jugada::Tipo::LevantarMonton:
        return QCoreApplication::translate("FraseJugada",
                                           "La CPU 2 se lleva el montón de la CPU 1 con %1")
            .arg(suya);
    case Jugada::Tipo::LevantarMesa:
        return QCoreApplication::translate("FraseJugada", "La CPU 2 levanta %1 con %2")
            .arg(mesa(antes, jugada), suya);
    case Jugada::Tipo::Tirar:
        break;
    }
    return QCoreApplication::translate("FraseJugada", "La CPU 2 tira %1 a la mesa").arg(suya);
}

} // namespace

QString demostracion(const GameState &antes, const Jugada &jugada, Lado lado)
{
    return lado == Lado::Humano ? abajo(antes, jugada) : arriba(antes, jugada);
}

QString humano(const GameState &antes, const Jugada &jugada)
{
    const QString tuya = carta(antes, antes.player2, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return QCoreApplication::translate("FraseJugada", "Pones %1 en tu montón").arg(tuya);
    case Jugada::Tipo::LevantarMonton:
        return QCoreApplication::translate("FraseJugada", "Te llevas el montón de la CPU con %1")
            .arg(tuya);
    case Jugada::Tipo::LevantarMesa:
        return QCoreApplication::translate("FraseJugada", "Levantas %1 con %2")
            .arg(mesa(antes, jugada), tuya);
    case Jugada::Tipo::Tirar:
        break;
    }
    return QCoreApplication::translate("FraseJugada", "Tiras %1 a la mesa").arg(tuya);
}

QString pista(const GameState &antes, const Jugada &jugada)
{
    const QString tuya = carta(antes, antes.player2, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return QCoreApplication::translate("FraseJugada", "Pon %1 en tu montón (Intro)").arg(tuya);
    case Jugada::Tipo::LevantarMonton:
        return QCoreApplication::translate("FraseJugada",
                                           "Llévate el montón de la CPU con %1 (Intro)")
            .arg(tuya);
    case Jugada::Tipo::LevantarMesa:
        return QCoreApplication::translate("FraseJugada", "Levanta %1 con %2 (Intro)")
            .arg(mesa(antes, jugada), tuya);
    case Jugada::Tipo::Tirar:
        break;
    }
    return QCoreApplication::translate("FraseJugada", "Tira %1 a la mesa (Intro)").arg(tuya);
}

} // namespace FraseJugada
