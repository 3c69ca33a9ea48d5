#include "foundation/lichati.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "foundation/textfold.h"

lichati::lichati(lichati&& other) noexcept : head(std::exchange(other.head, nullptr)) {}

lichati& lichati::operator=(lichati&& other) noexcept {
    if (this != &other) {
        clear();
        head = std::exchange(other.head, nullptr);
    }
    return *this;
}

lichati::~lichati() { clear(); }

void lichati::clear() {
    while (head) delete std::exchange(head, head->next);
}

std::int16_t lichati::effectif() const {
    std::int16_t n = 0;
    for (const lxnoeud* p = head; p; p = p->next) ++n;
    return n;
}

lichati::lxnoeud* lichati::node(std::int16_t k) const {
    if (k <= 0) return nullptr;
    lxnoeud* p = head;
    for (std::int16_t i = 1; p && i < k; ++i) p = p->next;
    return p;
}

const char* lichati::adr(std::int16_t k) const {
    const lxnoeud* p = node(k);
    return p ? p->text.adr() : nullptr;
}

lichati::lxnoeud** lichati::tail(int* count) {
    lxnoeud** link = &head;
    *count = 0;
    while (*link) {
        link = &(*link)->next;
        ++*count;
    }
    return link;
}

void lichati::append(lxnoeud* n) {
    int count = 0;
    lxnoeud** link = tail(&count);
    if (count >= maxcount) {
        delete n;
        return;
    }
    *link = n;
}

void lichati::padd(const char* t) { append(new lxnoeud{gstring(t), nullptr}); }

void lichati::padd(const char* a, const char* b) {
    gstring joined;
    joined.set(a, b);
    append(new lxnoeud{std::move(joined), nullptr});
}

void lichati::paddone(const char* t) {
    if (trouvexact(t) == 0) padd(t);
}

// Before the first entry not smaller than the new one, so equal entries go after it.
void lichati::insertsorted(lxnoeud* n) {
    lxnoeud** link = &head;
    int count = 0;
    while (*link && foldcompare((*link)->text.adr(), n->text.adr()) < 0) {
        link = &(*link)->next;
        ++count;
    }
    for (const lxnoeud* p = *link; p && count < maxcount; p = p->next) ++count;
    if (count >= maxcount) {
        delete n;
        return;
    }
    n->next = *link;
    *link = n;
}

void lichati::pinsert(const char* t) { insertsorted(new lxnoeud{gstring(t), nullptr}); }

std::int16_t lichati::pinsertone(const char* t) {
    if (trouvexact(t) != 0) return 0;
    pinsert(t);
    return 1;
}

std::int16_t lichati::trouvexact(const char* t) const {
    std::int16_t k = 1;
    for (const lxnoeud* p = head; p; p = p->next, ++k) {
        if (foldequal(p->text.adr(), t)) return k;
    }
    return 0;
}

std::int16_t lichati::trouvedeb(const char* t) const {
    const char* wanted = t ? t : "";
    const std::size_t n = std::strlen(wanted);
    std::int16_t k = 1;
    for (const lxnoeud* p = head; p; p = p->next, ++k) {
        const char* e = p->text.adr();
        while (*e == ' ') ++e;
        if (std::strlen(e) >= n && foldequaln(e, wanted, static_cast<int>(n))) return k;
    }
    return 0;
}

void lichati::gpopto(gstring& target) {
    if (!head) {
        target.clear();
        return;
    }
    lxnoeud* first = std::exchange(head, head->next);
    target = std::move(first->text);
    delete first;
}

void lichati::kill(std::int16_t k) {
    if (k <= 0) return;
    lxnoeud** link = &head;
    for (std::int16_t i = 1; *link && i < k; ++i) link = &(*link)->next;
    if (*link) delete std::exchange(*link, (*link)->next);
}

void lichati::modif(std::int16_t k, const char* t) {
    if (lxnoeud* p = node(k)) p->text.set(t);
}

void lichati::trialpha() {
    if (!head || !head->next) return;
    lxnoeud* scratch = std::exchange(head, nullptr);
    while (scratch) {
        lxnoeud* n = std::exchange(scratch, scratch->next);
        n->next = nullptr;
        insertsorted(n);
    }
}

void lichati::trikilldoubles() {
    trialpha();
    for (lxnoeud* p = head; p && p->next;) {
        if (foldequal(p->text.adr(), p->next->text.adr())) {
            delete std::exchange(p->next, p->next->next);
        } else {
            p = p->next;
        }
    }
}

void lichati::mergeclean(lichati& other) {
    if (&other == this) return;
    int count = 0;
    lxnoeud** link = tail(&count);
    while (other.head && count < maxcount) {
        *link = std::exchange(other.head, other.head->next);
        (*link)->next = nullptr;
        link = &(*link)->next;
        ++count;
    }
    other.clear();
}

void lichati::mergekeep(const lichati& other) {
    lichati copies;
    for (const lxnoeud* p = other.head; p; p = p->next) copies.padd(p->text.adr());
    mergeclean(copies);
}

void lichati::moveitemto(lichati& other, std::int16_t k) {
    if (k <= 0 || &other == this) return;
    lxnoeud** link = &head;
    for (std::int16_t i = 1; *link && i < k; ++i) link = &(*link)->next;
    if (!*link) return;
    lxnoeud* n = std::exchange(*link, (*link)->next);
    n->next = nullptr;
    other.append(n);
}

void lichati::movetogstring(gstring& target) {
    std::string joined;
    for (const lxnoeud* p = head; p; p = p->next) {
        joined += p->text.adr();
        joined += ',';
    }
    clear();
    target.set(joined.c_str());
}

void lichati::addfromfilebkill(const char* path) {
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return;
    int count = 0;
    lxnoeud** link = tail(&count);
    std::string line;
    const auto flush = [&] {
        const std::size_t end = line.find_last_not_of(' ');
        if (end != std::string::npos && count < maxcount) {
            line.resize(end + 1);
            *link = new lxnoeud{gstring(line.c_str()), nullptr};
            link = &(*link)->next;
            ++count;
        }
        line.clear();
    };
    int c;
    while (count < maxcount && (c = std::fgetc(f)) != EOF) {
        if (c == '\n' || c == '\r') {
            const int pair = (c == '\n') ? '\r' : '\n';
            const int next = std::fgetc(f);
            if (next != pair && next != EOF) std::ungetc(next, f);
            flush();
        } else if (c != 0 && line.size() < static_cast<std::size_t>(gstring::maxlen)) {
            line += static_cast<char>(c);
        }
    }
    flush();
    std::fclose(f);
}

bool lichati::copycreafile(const char* path) const {
    std::FILE* f = path ? std::fopen(path, "wb") : nullptr;
    if (!f) return false;
    bool ok = true;
    for (const lxnoeud* p = head; p && ok; p = p->next) {
        ok = std::fputs(p->text.adr(), f) >= 0 && std::fputs("\r\n", f) >= 0;
    }
    return std::fclose(f) == 0 && ok;
}
