// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Why a picture of the board could not be shown: the player is only told that it could not.
Q_DECLARE_LOGGING_CATEGORY(lcBoard)
