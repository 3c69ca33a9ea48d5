#include "foundation/gstring.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "foundation/textfold.h"

namespace {

const char* nonnull(const char* t) { return t ? t : ""; }

char* newbuffer(const char* data, std::size_t n) {
    if (n > static_cast<std::size_t>(gstring::maxlen)) n = gstring::maxlen;
    char* buffer = new char[n + 1];
    if (n > 0) std::memcpy(buffer, data, n);
    buffer[n] = 0;
    return buffer;
}

// Position of the first folded occurrence of needle in hay at or after from, or -1.
int foldfind(const std::string& hay, const char* needle, std::size_t from) {
    const std::size_t n = std::strlen(needle);
    for (std::size_t i = from; i + n <= hay.size(); ++i) {
        if (foldequaln(hay.data() + i, needle, static_cast<int>(n))) return static_cast<int>(i);
    }
    return -1;
}

std::string trimmedblanks(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return std::string();
    const std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

} // namespace

gstring::gstring() : text(newbuffer("", 0)) {}

gstring::gstring(const char* t) : text(newbuffer(nonnull(t), std::strlen(nonnull(t)))) {}

gstring::gstring(const gstring& other) : text(newbuffer(other.text, std::strlen(other.text))) {}

gstring::gstring(gstring&& other) noexcept : text(std::exchange(other.text, newbuffer("", 0))) {}

gstring& gstring::operator=(const gstring& other) {
    if (this != &other) set(other.text);
    return *this;
}

gstring& gstring::operator=(gstring&& other) noexcept {
    if (this != &other) std::swap(text, other.text);
    return *this;
}

gstring::~gstring() { delete[] text; }

void gstring::take(char* buffer) {
    delete[] text;
    text = buffer;
}

void gstring::assign(const char* const* parts, int count) {
    std::string joined;
    for (int i = 0; i < count; ++i) joined += nonnull(parts[i]);
    take(newbuffer(joined.data(), joined.size()));
}

void gstring::clear() { take(newbuffer("", 0)); }

void gstring::set(const char* a) {
    const char* parts[] = {a};
    assign(parts, 1);
}

void gstring::set(const char* a, const char* b) {
    const char* parts[] = {a, b};
    assign(parts, 2);
}

void gstring::set(const char* a, const char* b, const char* c) {
    const char* parts[] = {a, b, c};
    assign(parts, 3);
}

void gstring::cat(const char* a) { set(text, a); }

void gstring::cat(const char* a, const char* b) { set(text, a, b); }

void gstring::setmange(gstring& source, std::int16_t n) {
    if (n <= 0) {
        clear();
        return;
    }
    const std::string whole(source.text);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n), whole.size());
    const std::string head = whole.substr(0, k);
    source.set(whole.c_str() + k);
    set(head.c_str());
}

void gstring::setxdiese(const char* pattern, std::int32_t number) {
    std::string s(nonnull(pattern));
    const std::size_t at = s.find('#');
    if (at != std::string::npos) s.replace(at, 1, vi(number).text);
    set(s.c_str());
}

void gstring::setxdiese(const char* pattern, std::int32_t number1, std::int32_t number2) {
    setxdiese(pattern, number1);
    setxdiese(text, number2);
}

void gstring::setrepet(std::int16_t n, const char* t) {
    std::string s;
    const std::string unit(nonnull(t));
    for (int i = 0; i < n && !unit.empty() && s.size() <= static_cast<std::size_t>(maxlen); ++i) s += unit;
    set(s.c_str());
}

void gstring::depilefrom(gstring& source) {
    const std::string whole(source.text);
    const std::size_t comma = whole.find(',');
    std::string item = whole;
    std::string rest;
    if (comma != std::string::npos) {
        item = whole.substr(0, comma);
        rest = whole.substr(comma + 1);
    }
    const std::size_t b = rest.find_first_not_of(' ');
    rest = (b == std::string::npos) ? std::string() : rest.substr(b);
    item = trimmedblanks(item);
    source.set(rest.c_str());
    set(item.c_str());
}

void gstring::depilufrom(gstring& source) {
    depilefrom(source);
    for (char* p = text; *p; ++p) *p = static_cast<char>(foldbyte(static_cast<unsigned char>(*p)));
}

void gstring::padding(std::int16_t n) {
    const int missing = n - len();
    if (missing <= 0) return;
    const std::string s = std::string(text) + std::string(static_cast<std::size_t>(missing), ' ');
    set(s.c_str());
}

void gstring::addarea(std::int16_t n) {
    if (n <= 0) return;
    const std::size_t length = std::strlen(text);
    char* buffer = new char[length + static_cast<std::size_t>(n) + 1]();
    std::memcpy(buffer, text, length);
    take(buffer);
}

bool gstring::uqual(const char* t) const { return foldequal(text, t); }

bool gstring::replacefrom(const char* oldtext, const char* newtext, int from, int* after) {
    if (nonnull(oldtext)[0] == 0) return false;
    std::string s(text);
    const int at = foldfind(s, oldtext, static_cast<std::size_t>(from));
    if (at < 0) return false;
    const std::string inserted(nonnull(newtext));
    s.replace(static_cast<std::size_t>(at), std::strlen(oldtext), inserted);
    set(s.c_str());
    *after = at + static_cast<int>(inserted.size());
    return true;
}

// The arguments are copied first: they may point into this text, which each replacement frees.
void gstring::replaceone(const char* oldtext, const char* newtext) {
    const std::string o(nonnull(oldtext)), n(nonnull(newtext));
    int after = 0;
    replacefrom(o.c_str(), n.c_str(), 0, &after);
}

void gstring::replaceall(const char* oldtext, const char* newtext) {
    const std::string o(nonnull(oldtext)), n(nonnull(newtext));
    int from = 0;
    while (from <= len() && replacefrom(o.c_str(), n.c_str(), from, &from)) {
    }
}

std::int16_t gstring::len() const { return static_cast<std::int16_t>(std::strlen(text)); }

gstring vi(std::int32_t number) { return gstring(std::to_string(number).c_str()); }
