#include "line/Log.h"

Q_LOGGING_CATEGORY(lcLine, "cuescroll.line", QtWarningMsg)
