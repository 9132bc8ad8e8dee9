#include "editor/Log.h"

Q_LOGGING_CATEGORY(lcEditor, "cuescroll.editor", QtWarningMsg)
