#pragma once
#include <string>
#include <vector>

// The readable stored texts of a data file, as Windows-1252 bytes, grouped by list name.
struct storedgroup {
    std::string name;
    std::vector<std::string> texts;
};

// Reads a data file into groups (a name met again adds to its group). A line the format does not
// allow, or a text the program could not store and get back whole, gives false with one message
// naming the file, line and problem.
bool readstoredtextfile(const char *path, std::vector<storedgroup> &groups, std::string &message);
