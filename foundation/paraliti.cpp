#include "foundation/paraliti.h"

#include <cstring>
#include <string>

#include "foundation/texttools.h"

std::int16_t paraliti::xipara(const char* name) const {
    gstring key;
    key.set(name, "=");
    return lines.trouvedeb(key.adr());
}

void paraliti::setparam(const char* name, const char* value) {
    gstring line;
    line.set(name, "=", value);
    const std::int16_t k = xipara(name);
    if (k > 0) {
        lines.modif(k, line.adr());
    } else {
        lines.pinsert(line.adr());
    }
}

std::int16_t paraliti::getparam(gstring& target, const char* name) const {
    const std::int16_t k = xipara(name);
    target.clear();
    if (k == 0) return 0;
    const char* line = lines.adr(k);
    while (*line == ' ') ++line;
    line += std::strlen(name ? name : "") + 1;
    while (*line == ' ') ++line;
    target.set(line);
    return k;
}

void paraliti::getdeux(gstring& name, gstring& value, std::int16_t k) const {
    name.clear();
    value.clear();
    const char* line = lines.adr(k);
    const char* eq = line ? std::strchr(line, '=') : nullptr;
    if (!eq) return;
    const std::string whole(line);
    name.set(whole.substr(0, static_cast<std::size_t>(eq - line)).c_str());
    value.set(eq + 1);
}

std::int32_t paraliti::getival(const char* name) const {
    gstring value;
    if (getparam(value, name) == 0) return 0;
    return depilint(value);
}

void paraliti::addival(const char* name, std::int32_t n) {
    const std::uint32_t sum = static_cast<std::uint32_t>(getival(name)) + static_cast<std::uint32_t>(n);
    setparam(name, vi(static_cast<std::int32_t>(sum)).adr());
}
