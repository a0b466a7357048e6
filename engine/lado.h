// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A seat at the table.
enum class Lado : std::uint8_t { Cpu, Humano };
