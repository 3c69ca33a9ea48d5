#include "shell/durelapsed.h"

#include "platform/ticks.h"

#include <algorithm>
#include <cstdio>

namespace {

std::int32_t bounded(std::int64_t total, std::int64_t most = durelapsed::maxseconds) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(total, 0, most));
}

} // namespace

void durelapsed::clear() {
    start = gettickcount();
    last = start;
    seconds = 0;
    tenths = 0;
    running = 0;
    affidixiemes = 0;
    heuresseules = 1;
    sanssecondes = 0;
}

void durelapsed::demarrer() {
    if (running)
        suspendre();
    start = gettickcount();
    last = start;
    running = 1;
}

void durelapsed::suspendre() {
    if (!running)
        return;
    last = gettickcount();
    const std::uint32_t spent = last - start;
    tenths = bounded(std::int64_t{tenths} + spent / 100, std::int64_t{durelapsed::maxseconds} * 10);
    seconds = bounded(std::int64_t{seconds} + spent / 1000);
    running = 0;
}

void durelapsed::ajoutsec(std::int32_t n) {
    seconds = bounded(std::int64_t{seconds} + n);
}

std::int32_t durelapsed::getsec() const {
    if (!running)
        return seconds;
    return bounded(std::int64_t{seconds} + (gettickcount() - start) / 1000);
}

void durelapsed::durecoulesec() {
    const std::int32_t t = getsec();
    secs = static_cast<std::int16_t>(t % 60);
    minutes = static_cast<std::int16_t>(t / 60 % 60);
    hours = static_cast<std::int16_t>(t / 3600);
    days = 0;
}

void durelapsed::affiduresec(gstring &out) {
    durecoulesec();
    char text[32];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%dh %02dmn", hours, minutes);
    else if (minutes > 0)
        std::snprintf(text, sizeof text, "%02dmn %02ds", minutes, secs);
    else
        std::snprintf(text, sizeof text, " %02ds", secs);
    const char *p = text;
    while (*p == ' ')
        ++p;
    if (*p == '0') {
        ++p;
        while (*p == ' ')
            ++p;
        out.set(p);
    } else {
        out.set(text);
    }
}
