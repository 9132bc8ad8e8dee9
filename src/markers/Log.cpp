#include "markers/Log.h"

Q_LOGGING_CATEGORY(lcMarkers, "cuescroll.markers", QtWarningMsg)
