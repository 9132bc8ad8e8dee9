#include "core/Log.h"

Q_LOGGING_CATEGORY(lcCore, "cuescroll.core", QtWarningMsg)
