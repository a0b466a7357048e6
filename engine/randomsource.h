#pragma once

#include <cstdint>
#include <string>

// Where the game's chance comes from: values uniformly in [0, 1).
// The program seeds one from the clock; tests and the simulator seed their own.
// Its whole state can be taken and put back, so a position taken back with
// undo deals again exactly what it dealt before.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Starts the sequence of the given seed (a numbered game's).
    virtual void sembrar(std::uint64_t semilla) = 0;
    virtual std::string estado() const = 0;
    // False, and nothing changes, for a text that is not such a state.
    virtual bool restaurar(const std::string &estado) = 0;
};
