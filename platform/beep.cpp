#include "platform/beep.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr unsigned rate = 44100;
constexpr int longest = 10000;      // milliseconds; longer requests are cut to this
constexpr double amplitude = 0.3 * 32767.0;
constexpr unsigned ramp = rate / 500; // 2 ms fade at both ends against clicks

// The library reports a missing card on stderr; the program stays silent instead.
void quietalsa(const char*, int, const char*, int, const char*, ...) {}

bool playtone(int frequency, int milliseconds)
{
    snd_lib_error_set_handler(quietalsa);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    bool played = snd_pcm_nonblock(pcm, 0) == 0
        && snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, rate, 1, 50000) == 0;
    const unsigned frames = rate * static_cast<unsigned>(milliseconds) / 1000;
    std::int16_t chunk[1024];
    unsigned done = 0;
    int recoveries = 0;
    while (played && done < frames) {
        const unsigned count = std::min<unsigned>(frames - done, 1024);
        for (unsigned k = 0; k < count; ++k) {
            const unsigned n = done + k;
            const double fade = std::min({1.0, double(n) / ramp, double(frames - n) / ramp});
            const double phase = 2.0 * std::numbers::pi * frequency * n / rate;
            chunk[k] = static_cast<std::int16_t>(amplitude * fade * std::sin(phase));
        }
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, chunk, count);
        if (written >= 0)
            done += static_cast<unsigned>(written);
        else if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0 || ++recoveries > 5)
            played = false;
    }
    if (played)
        snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    return played;
}

} // namespace

tonerecorder& beeprecorder()
{
    static tonerecorder recorder;
    return recorder;
}

bool Beep(int frequency, int milliseconds)
{
    if (beeprecorder().recording) {
        beeprecorder().tones.push_back({frequency, milliseconds});
        return true;
    }
    if (frequency < 37 || frequency > 32767 || milliseconds <= 0)
        return false;
    return playtone(frequency, std::min(milliseconds, longest));
}
