#include "common/Log.h"

Q_LOGGING_CATEGORY(lcCommon, "cuescroll.common", QtWarningMsg)
