#pragma once
#include <cstdint>

#include "foundation/gstring.h"

// An elapsed-time counter on the platform's millisecond ticks. Each stop adds only the whole
// seconds and tenths of the interval just ended.
class durelapsed {
  public:
    // Totals are kept below the point where the hours would no longer fit 16 bits.
    static constexpr std::int32_t maxseconds = 32767 * 3600 + 3599;

    std::uint32_t start = 0;
    std::uint32_t last = 0;
    std::int32_t seconds = 0;
    std::int32_t tenths = 0;
    std::int16_t hours = 0;
    std::int16_t minutes = 0;
    std::int16_t secs = 0;
    std::int16_t days = 0;
    char running = 0;
    char affidixiemes = 0;
    char heuresseules = 1;
    char sanssecondes = 0;

    durelapsed() { clear(); }
    void clear();
    void demarrer();
    void suspendre();
    // Adds n seconds; the total stays within 0 and maxseconds.
    void ajoutsec(std::int32_t n);
    std::int32_t getsec() const;
    void durecoulesec();
    void affiduresec(gstring &out);
};
