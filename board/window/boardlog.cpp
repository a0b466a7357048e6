// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlog.h"

Q_LOGGING_CATEGORY(lcBoard, "zelbo.board")
