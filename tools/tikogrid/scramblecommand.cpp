#include "tools/tikogrid/scramblecommand.h"

#include <cstdio>

#include "shell/encryptiko.h"
#include "tools/tikogrid/storedtextlength.h"
#include "tools/tikogrid/subcommand.h"

int scramblecommand(int argc, char **argv) {
    if (argc != 1)
        return usage("tikogrid scramble TEXT");
    if (!storedtextfits(argv[0]))
        return 1;
    gstring stored;
    encryptiko(argv[0], stored);
    std::printf("%s\n", stored.adr());
    return 0;
}
