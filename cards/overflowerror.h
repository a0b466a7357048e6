// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zelboerror.h"

// A value does not fit the field it is written to.
class OverflowError : public ZelboError
{
public:
    using ZelboError::ZelboError;
};
