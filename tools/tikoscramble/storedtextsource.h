#pragma once
#include <string>
#include <vector>

#include "tools/tikoscramble/storedtextfile.h"

// The generated header declaring one storedlist "crypt" NAME per group.
std::string storedtextheader(const std::vector<storedgroup> &groups);
// The generated source defining them, holding only the scrambled forms.
std::string storedtextsource(const std::vector<storedgroup> &groups, const char *headername);
