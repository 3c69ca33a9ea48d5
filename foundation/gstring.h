#pragma once
#include <cstdint>

// An owned heap string of Windows-1252 bytes, never null. Every change builds a buffer of exactly
// the needed size; texts are kept below 32 767 bytes (longer results are cut there).
// A null text argument counts as the empty text.
class gstring {
public:
    static constexpr int maxlen = 32766;

    char* text;

    gstring();
    explicit gstring(const char* t);
    gstring(const gstring& other);
    gstring(gstring&& other) noexcept;
    gstring& operator=(const gstring& other);
    gstring& operator=(gstring&& other) noexcept;
    ~gstring();

    void clear();
    void set(const char* a);
    void set(const char* a, const char* b);
    void set(const char* a, const char* b, const char* c);
    void cat(const char* a);
    void cat(const char* a, const char* b);
    // Takes the first n bytes of source into this and removes them from source.
    void setmange(gstring& source, std::int16_t n);
    // The pattern with its first "#" replaced by the number (then the next "#" by number 2).
    void setxdiese(const char* pattern, std::int32_t number);
    void setxdiese(const char* pattern, std::int32_t number1, std::int32_t number2);
    void setrepet(std::int16_t n, const char* t);
    // Takes the first comma item off source, blanks trimmed.
    void depilefrom(gstring& source);
    // As depilefrom, the item folded to upper case.
    void depilufrom(gstring& source);
    void padding(std::int16_t n);
    // Reserves room for n more bytes after the text, for callers that write into it directly.
    void addarea(std::int16_t n);
    bool uqual(const char* t) const;
    void replaceall(const char* oldtext, const char* newtext);
    void replaceone(const char* oldtext, const char* newtext);

    char* adr() { return text; }
    const char* adr() const { return text; }
    std::int16_t len() const;
    bool isempty() const { return text[0] == 0; }
    bool notempty() const { return text[0] != 0; }

private:
    void assign(const char* const* parts, int count);
    void take(char* buffer);
    bool replacefrom(const char* oldtext, const char* newtext, int from, int* after);
};

// The number as decimal text, "-" for negatives.
gstring vi(std::int32_t number);
