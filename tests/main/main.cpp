// SPDX-License-Identifier: GPL-3.0-or-later

// The main of every test program: runs the test class its first argument names.

#include "programadepruebas.h"

int main(int argc, char *argv[])
{
    return ProgramaDePruebas::ejecutar(argc, argv);
}
