// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A path a test needs from the build (a program, a built folder, a source file), given to it
// at run time through the environment variable `variable`, which its CTest entry sets
// (zelbo_test's PATHS). Kept out of the compiled code, so that the objects are the same in
// every clone and a second clone takes them from the compiler cache. Without the variable the
// test stops and says how to run it.
QString rutaDePrueba(const char *variable);
