// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

// A picture could not be drawn or written; the build must stop rather than ship a
// half-drawn deck.
class ArtError : public std::runtime_error
{
public:
    explicit ArtError(const std::string &what)
        : std::runtime_error(what)
    {
    }
};
