#pragma once
#include <cstdint>

// The millisecond tick count, wrapping as an unsigned 32-bit value (differences are taken
// unsigned). Tests switch to a stepped source so time moves only when they say.
std::uint32_t gettickcount();

// Time stands at start and moves only by stepticks and sleepms, until setrealticks.
void setsteppedticks(std::uint32_t start);
void stepticks(std::uint32_t milliseconds);
void setrealticks();

// Waits; under the stepped source it advances the ticks instead and returns at once.
void sleepms(std::uint32_t milliseconds);

class timeofday {
public:
    std::int16_t year;
    std::int16_t month;
    std::int16_t day;
    std::int16_t hour;
    std::int16_t minute;
    std::int16_t second;
};

// The local date and time; all fields 0 when the clock cannot be read.
timeofday localtimeofday();
