#pragma once

// Where the game's chance comes from: values uniformly in [0, 1).
// The program seeds one from the clock; tests and the simulator seed their own.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};
