#include "studio/Log.h"

Q_LOGGING_CATEGORY(lcStudio, "cuescroll.studio", QtWarningMsg)
