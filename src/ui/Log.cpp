#include "ui/Log.h"

Q_LOGGING_CATEGORY(lcUi, "cuescroll.ui", QtWarningMsg)
