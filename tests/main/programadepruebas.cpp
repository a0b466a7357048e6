// SPDX-License-Identifier: GPL-3.0-or-later

#include "programadepruebas.h"

#include <cstdio>

std::map<std::string, ProgramaDePruebas::Prueba> &ProgramaDePruebas::clases()
{
    // Made on first use: the classes register themselves from other files' static
    // initialisers, in an order the language leaves open.
    static std::map<std::string, Prueba> anotadas;
    return anotadas;
}

bool ProgramaDePruebas::anotar(const char *clase, Prueba prueba)
{
    return clases().emplace(clase, std::move(prueba)).second;
}

int ProgramaDePruebas::ejecutar(int argc, char *argv[])
{
    const auto clase = argc > 1 ? clases().find(argv[1]) : clases().end();
    if (clase == clases().end()) {
        std::fprintf(stderr, "usage: %s CLASS [Qt Test options]\nclasses:\n", argv[0]);
        for (const auto &[nombre, prueba] : clases())
            std::fprintf(stderr, "  %s\n", nombre.c_str());
        return 2;
    }
    // Qt Test sees the program's name and the options after the class's.
    argv[1] = argv[0];
    return clase->second(argc - 1, argv + 1);
}
