#include "storagelog.h"

Q_LOGGING_CATEGORY(lcStorage, "zelbo.storage")
