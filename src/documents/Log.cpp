#include "documents/Log.h"

Q_LOGGING_CATEGORY(lcDocuments, "cuescroll.documents", QtWarningMsg)
