#include "foundation/textfold.h"

static const char* nonnull(const char* t) { return t ? t : ""; }

int foldcompare(const char* a, const char* b) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(nonnull(a));
    const unsigned char* q = reinterpret_cast<const unsigned char*>(nonnull(b));
    for (;; ++p, ++q) {
        const int d = foldbyte(*p) - foldbyte(*q);
        if (d != 0 || *p == 0) return d;
    }
}

bool foldequal(const char* a, const char* b) { return foldcompare(a, b) == 0; }

bool foldequaln(const char* a, const char* b, int n) {
    for (int i = 0; i < n; ++i) {
        if (foldbyte(static_cast<unsigned char>(a[i])) != foldbyte(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}
