// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Under AddressSanitizer a whole game plays some ten times slower. The checks that play
// thousands of seeded games, or thousands of random events, play a fifth of them in the
// sanitizer build: the same kinds of games through the same code, with every check; the
// normal build plays them all.
#if defined(__SANITIZE_ADDRESS__)
#define ZELBO_BAJO_SANITIZADOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELBO_BAJO_SANITIZADOR 1
#endif
#endif

// How many of n seeded games, events or counted moves a check plays in this build.
constexpr int partidasDePrueba(int n)
{
#ifdef ZELBO_BAJO_SANITIZADOR
    return n / 5;
#else
    return n;
#endif
}
