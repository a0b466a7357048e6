// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for the game in the single-instance test: instanciaprueba SERVIDOR prints how its
// start went; the first one then prints each request it gets, until killed.

#include "instanciaunica.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() != 2)
        return 2;
    InstanciaUnica instancia(argumentos.at(1));
    const auto decir = [](const QByteArray &linea) {
        std::fputs((linea + '\n').constData(), stdout);
        std::fflush(stdout);
    };
    QObject::connect(&instancia, &InstanciaUnica::activar, [&decir] { decir("activar"); });
    QObject::connect(&instancia, &InstanciaUnica::partidaPedida,
                     [&decir](int n) { decir("partida " + QByteArray::number(n)); });
    if (instancia.empezar(std::nullopt) != InstanciaUnica::Resultado::Primera) {
        decir("otra");
        return 0;
    }
    decir("primera");
    return QCoreApplication::exec();
}
