// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Why a file of the game could not be read: the player is only told that it
// could not, a maintainer finds the line, the item and the fault here.
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
