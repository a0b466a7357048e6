// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zelboerror.h"

// The card set cannot be read, or would break the deal. The game cannot go on.
class CardSetError : public ZelboError
{
public:
    using ZelboError::ZelboError;
};
