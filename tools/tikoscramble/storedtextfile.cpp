#include "tools/tikoscramble/storedtextfile.h"

#include <cstdio>
#include <fstream>

#include "platform/cp1252.h"
#include "shell/decryptiko.h"
#include "shell/encryptiko.h"

namespace {

bool validname(const std::string &name) {
    if (name.empty() || name[0] < 'a' || name[0] > 'z')
        return false;
    for (const char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

std::string hexcode(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// The next code point of a UTF-8 text at pos, advancing pos; false on a malformed sequence.
bool nextcodepoint(const std::string &s, std::size_t &pos, char32_t &c) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F, extra = 1, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F, extra = 2, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07, extra = 3, least = 0x10000;
    } else {
        return false;
    }
    ++pos;
    for (int k = 0; k < extra; ++k, ++pos) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (static_cast<unsigned char>(s[pos]) & 0x3F);
    }
    return c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

// The Windows-1252 bytes of a UTF-8 text; empty problem when every character can be stored.
std::string tocp1252(const std::string &utf8, std::string &problem) {
    std::string bytes;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        if (!nextcodepoint(utf8, pos, c)) {
            problem = "is not valid UTF-8";
            return bytes;
        }
        if (c < 32 || (c >= 0x7F && c <= 0x9F)) {
            problem = "holds the control character " + hexcode(c);
            return bytes;
        }
        const unsigned char b = unicodetocp1252(c);
        if (b == '?' && c != '?') {
            problem = "holds " + hexcode(c) + ", which Windows-1252 cannot hold";
            return bytes;
        }
        bytes += static_cast<char>(b);
    }
    return bytes;
}

// Why the program could not store the text and unscramble it whole; empty when it can.
std::string storageproblem(const std::string &text) {
    if (text.size() > static_cast<std::size_t>(tikocrypmax))
        return "is " + std::to_string(text.size()) + " characters long, more than " +
               std::to_string(tikocrypmax);
    gstring stored;
    encryptiko(text.c_str(), stored);
    if (std::string(decryptiko(stored.adr())) != text)
        return "does not come back whole from its stored form";
    return std::string();
}

storedgroup &groupnamed(std::vector<storedgroup> &groups, const std::string &name) {
    for (storedgroup &g : groups)
        if (g.name == name)
            return g;
    groups.push_back({name, {}});
    return groups.back();
}

} // namespace

bool readstoredtextfile(const char *path, std::vector<storedgroup> &groups, std::string &message) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        message = std::string(path) + ": cannot be read";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = std::string(path) + ":" + std::to_string(number) + ": ";
        const std::size_t colon = line.find(':');
        const std::string name = line.substr(0, colon);
        if (colon == std::string::npos || !validname(name)) {
            message = where + "expected a list name (a-z, 0-9, _) followed by \":\"";
            return false;
        }
        storedgroup &group = groupnamed(groups, name);
        if (colon + 1 == line.size())
            continue;
        if (line[colon + 1] != ' ') {
            message = where + "expected \": \" between the name and the text";
            return false;
        }
        std::string problem;
        const std::string text = tocp1252(line.substr(colon + 2), problem);
        if (problem.empty())
            problem = storageproblem(text);
        if (!problem.empty()) {
            message = where + "the text of " + name + " " + problem;
            return false;
        }
        group.texts.push_back(text);
    }
    return true;
}
