// SPDX-License-Identifier: GPL-3.0-or-later

#include "enginelog.h"

Q_LOGGING_CATEGORY(lcEngine, "zelbo.engine")
