#pragma once

#include <QLoggingCategory>

// Debug and info lines are off unless QT_LOGGING_RULES="cuescroll.core=true" (or cuescroll.*) asks.
Q_DECLARE_LOGGING_CATEGORY(lcCore)
