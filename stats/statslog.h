// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Why the statistics file was refused: the player is only told that it was.
Q_DECLARE_LOGGING_CATEGORY(lcStats)
