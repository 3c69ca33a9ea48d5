#pragma once
#include <vector>

// A sine tone of that frequency (37 to 32767 Hz) and length on the sound device, returning when
// it has been played. Without a sound device, or for a frequency or length out of range, it is
// silent and returns at once; the result tells whether a tone was played.
bool Beep(int frequency, int milliseconds);

class tonerecord {
public:
    int frequency;
    int milliseconds;
};

// While recording, every call to Beep is collected here instead of being played.
class tonerecorder {
public:
    bool recording = false;
    std::vector<tonerecord> tones;
};

tonerecorder& beeprecorder();
