#include "common/Trace.h"

#include <QMoveEvent>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace trace {
namespace {

std::FILE *openTrace()
{
    const char *path = std::getenv("CUESCROLL_TRACE");
    if (!path || !*path)
        return nullptr;
    std::FILE *f = std::fopen(path, "w");
    if (f)
        std::setvbuf(f, nullptr, _IOLBF, 0); // whole lines, so a killed program leaves a readable file
    return f;
}

std::FILE *file()
{
    static std::FILE *const f = openTrace();
    return f;
}

class MoveWatch : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            record('Y', static_cast<QMoveEvent *>(event)->pos().y());
        return false;
    }
};

// The program's first moment, for start-up figures.
const bool kStarted = [] {
    if (file())
        record('B');
    return true;
}();

} // namespace

bool enabled()
{
    return file() != nullptr;
}

qint64 nowUs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void record(char kind, qint64 a, qint64 b)
{
    if (std::FILE *f = file())
        std::fprintf(f, "%c %lld %lld %lld\n", kind, static_cast<long long>(nowUs()),
                     static_cast<long long>(a), static_cast<long long>(b));
}

void watchMoves(QObject *widget)
{
    if (enabled())
        widget->installEventFilter(new MoveWatch(widget));
}

} // namespace trace
