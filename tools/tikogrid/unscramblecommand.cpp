#include "tools/tikogrid/unscramblecommand.h"

#include <cstdio>

#include "shell/decryptiko.h"
#include "tools/tikogrid/storedtextlength.h"
#include "tools/tikogrid/subcommand.h"

int unscramblecommand(int argc, char **argv) {
    if (argc != 1)
        return usage("tikogrid unscramble TEXT");
    if (!storedtextfits(argv[0]))
        return 1;
    std::printf("%s\n", decryptiko(argv[0]));
    return 0;
}
