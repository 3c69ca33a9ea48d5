#pragma once
#include <cstdint>

#include "foundation/gstring.h"

// A singly linked chain of owned strings, addressed by 1-based position; 0 means "not found".
// Searches use folded equality, the sorted operations folded order. A chain holds at most
// 32 767 entries (the positions are 16-bit); further appends are ignored.
class lichati {
public:
    static constexpr int maxcount = 32767;

    struct lxnoeud {
        gstring text;
        lxnoeud* next = nullptr;
    };

    lxnoeud* head = nullptr;

    lichati() = default;
    lichati(const lichati&) = delete;
    lichati& operator=(const lichati&) = delete;
    lichati(lichati&& other) noexcept;
    lichati& operator=(lichati&& other) noexcept;
    ~lichati();

    void clear();
    std::int16_t effectif() const;
    bool isempty() const { return head == nullptr; }
    bool notempty() const { return head != nullptr; }
    // The text of entry k, or null when there is none.
    const char* adr(std::int16_t k) const;

    void padd(const char* t);
    void padd(const char* a, const char* b);
    void paddone(const char* t);
    void pinsert(const char* t);
    std::int16_t pinsertone(const char* t);
    std::int16_t trouvexact(const char* t) const;
    std::int16_t trouvedeb(const char* t) const;
    void gpopto(gstring& target);
    void kill(std::int16_t k);
    void modif(std::int16_t k, const char* t);
    void trialpha();
    void trikilldoubles();
    void mergeclean(lichati& other);
    void mergekeep(const lichati& other);
    void moveitemto(lichati& other, std::int16_t k);
    void movetogstring(gstring& target);
    // Appends the non-empty lines (trailing blanks trimmed) of a text file; CR, LF or CR LF ends.
    void addfromfilebkill(const char* path);
    // Writes every entry followed by CR LF; false when the file could not be written whole.
    bool copycreafile(const char* path) const;

private:
    lxnoeud* node(std::int16_t k) const;
    lxnoeud** tail(int* count);
    void append(lxnoeud* n);
    void insertsorted(lxnoeud* n);
};
