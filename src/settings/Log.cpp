#include "settings/Log.h"

Q_LOGGING_CATEGORY(lcSettings, "cuescroll.settings", QtWarningMsg)
