#include "platform/ticks.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace {

class tickclock {
public:
    bool stepped = false;
    std::uint32_t now = 0;
};

tickclock& theclock()
{
    static tickclock clock;
    return clock;
}

} // namespace

std::uint32_t gettickcount()
{
    if (theclock().stepped)
        return theclock().now;
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

void setsteppedticks(std::uint32_t start)
{
    theclock().stepped = true;
    theclock().now = start;
}

void stepticks(std::uint32_t milliseconds)
{
    theclock().now += milliseconds;
}

void setrealticks()
{
    theclock().stepped = false;
}

void sleepms(std::uint32_t milliseconds)
{
    if (theclock().stepped) {
        stepticks(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

timeofday localtimeofday()
{
    timeofday t{0, 0, 0, 0, 0, 0};
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &parts) == nullptr)
        return t;
    t.year = static_cast<std::int16_t>(parts.tm_year + 1900);
    t.month = static_cast<std::int16_t>(parts.tm_mon + 1);
    t.day = static_cast<std::int16_t>(parts.tm_mday);
    t.hour = static_cast<std::int16_t>(parts.tm_hour);
    t.minute = static_cast<std::int16_t>(parts.tm_min);
    t.second = static_cast<std::int16_t>(parts.tm_sec);
    return t;
}
