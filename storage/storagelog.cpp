// SPDX-License-Identifier: GPL-3.0-or-later

#include "storagelog.h"

Q_LOGGING_CATEGORY(lcStorage, "zelbo.storage")
