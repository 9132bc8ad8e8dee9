#include "scroll/Log.h"

Q_LOGGING_CATEGORY(lcScroll, "cuescroll.scroll", QtWarningMsg)
