#pragma once

#include <cstdint>

// A seat at the table.
enum class Lado : std::uint8_t { Cpu, Humano };
