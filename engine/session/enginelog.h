// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// What the game refused and why, when the player is only told that it could not.
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
