#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/decryptiko.h"
#include "shell/encryptiko.h"

namespace {

std::string stored(const std::string &text) {
    gstring s;
    encryptiko(text.c_str(), s);
    return s.adr();
}

char sub(char c) {
    tikovigenerinit();
    return static_cast<char>(tikovigenere.entree[static_cast<unsigned char>(c)]);
}

} // namespace

TEST(Decryptiko, SubstitutionPairsNinetyCharactersOneToOne) {
    tikovigenerinit();
    EXPECT_TRUE(tikovigenere.isinversable());
    EXPECT_FALSE(tikovigenere.aveccontrole);
    gstring from, to;
    tikovigenere.givetrachaines(from, to);
    const std::set<char> moved(from.adr(), from.adr() + from.len());
    EXPECT_EQ(moved.size(), 90u);
    EXPECT_EQ(moved, std::set<char>(to.adr(), to.adr() + to.len())); // the alphabet maps onto itself
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_TRUE(moved.count(c) && moved.count(static_cast<char>(c + 32))) << c;
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(moved.count(c)) << c;
    for (const char c : std::string(" \"#<>(") + "\xC9\xFF\x80")
        EXPECT_EQ(sub(c), c) << int(c);
}

TEST(Decryptiko, RoundTripOverAllBytesButNulAtEveryLength) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    for (std::size_t length = 0; length <= tikocrypmax; ++length) {
        for (std::size_t start = 0; start < all.size(); start += length ? length : all.size()) {
            const std::string text = all.substr(start, length);
            ASSERT_EQ(decryptiko(stored(text).c_str()), text) << "length " << length << " from " << start;
        }
    }
}

TEST(Decryptiko, ShortTexts) {
    EXPECT_STREQ(decryptiko(""), "");
    // One character: only the substitution.
    EXPECT_EQ(decryptiko("K"), std::string(1, sub('K')));
    EXPECT_NE(sub('K'), 'K');
    // Two: the substitution, then the de-interleaving swaps them (no half reversal below 3).
    EXPECT_EQ(decryptiko("Kz"), std::string() + sub('z') + sub('K'));
}

TEST(Decryptiko, TextsOutsideTheAlphabetAreOnlyMoved) {
    // Halves "<>" and " @#" reversed, then written to positions 1, 3 and 0, 2, 4.
    EXPECT_STREQ(decryptiko("<> @#"), "#>@< ");
    EXPECT_STREQ(decryptiko("<> @"), "@> <");
}

TEST(Decryptiko, StepsByThemselves) {
    char odd[] = "abcdefg";
    inversemoities(odd);
    EXPECT_STREQ(odd, "cbagfed");
    inversemoities(odd);
    EXPECT_STREQ(odd, "abcdefg");
    char two[] = "ab";
    inversemoities(two);
    EXPECT_STREQ(two, "ab");
    char seven[] = "0123456";
    pairimpairoff(seven);
    EXPECT_STREQ(seven, "3041526");
    pairimpairon(seven);
    EXPECT_STREQ(seven, "0123456");
    char one[] = "x";
    pairimpairoff(one);
    EXPECT_STREQ(one, "x");
}

TEST(Decryptiko, ResultLivesInTheAreaUntilTheNextCall) {
    char *first = decryptiko(stored("premier").c_str());
    EXPECT_EQ(first, tikocrypzone);
    EXPECT_STREQ(first, "premier");
    decryptiko(stored("second").c_str());
    EXPECT_STREQ(first, "second");
}

TEST(Decryptiko, TextsLongerThanTheAreaGiveTheEmptyText) {
    const std::string fits(tikocrypmax, 'w');
    EXPECT_EQ(decryptiko(stored(fits).c_str()), fits);
    EXPECT_STREQ(decryptiko(std::string(tikocrypmax + 1, 'w').c_str()), "");
    EXPECT_STREQ(decryptiko(std::string(5000, 'w').c_str()), "");
    EXPECT_STREQ(decryptiko(nullptr), "");
}
