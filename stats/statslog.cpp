// SPDX-License-Identifier: GPL-3.0-or-later

#include "statslog.h"

Q_LOGGING_CATEGORY(lcStats, "zelbo.stats")
