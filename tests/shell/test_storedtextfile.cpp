#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/decryptiko.h"
#include "tools/tikoscramble/storedtextfile.h"
#include "tools/tikoscramble/storedtextsource.h"

namespace {

// Reads the data file content; the message on failure.
std::string readtext(const std::string &content, std::vector<storedgroup> &groups) {
    // One file per test: the tests of this file may run at the same time.
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) /
        (std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt");
    std::ofstream(path, std::ios::binary) << content;
    std::string message;
    const bool ok = readstoredtextfile(path.c_str(), groups, message);
    std::filesystem::remove(path);
    return ok ? std::string() : message.substr(message.find(".txt:") + 4);
}

} // namespace

TEST(StoredTextFile, GroupsTextsConvertedToWindows1252) {
    std::vector<storedgroup> groups;
    const std::string content = "# a note\n"
                                "\n"
                                "titre: Écrit à la main, 5 € \r\n"
                                "vide:\n"
                                "grille: XA,%100,AWPK,#comment\n"
                                "titre: second\n";
    ASSERT_EQ(readtext(content, groups), "");
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].name, "titre");
    EXPECT_EQ(groups[0].texts, (std::vector<std::string>{"\xC9"
                                                         "crit \xE0 la main, 5 \x80 ",
                                                         "second"}));
    EXPECT_EQ(groups[1].name, "vide");
    EXPECT_TRUE(groups[1].texts.empty());
    EXPECT_EQ(groups[2].texts, std::vector<std::string>{"XA,%100,AWPK,#comment"});
}

TEST(StoredTextFile, TextsTheProgramCannotKeepFailNamingTheLine) {
    const struct {
        std::string content;
        std::string message;
    } cases[] = {
        {"a: ok\nlong: " + std::string(152, 'x') + "\n",
         ":2: the text of long is 152 characters long, more than 151"},
        {"tab: a\tb\n", ":1: the text of tab holds the control character U+0009"},
        {"c1: a\xC2\x85"
         "b\n",
         ":1: the text of c1 holds the control character U+0085"},
        {"del: a\x7F\n", ":1: the text of del holds the control character U+007F"},
        {"arrow: a\xE2\x86\x92\n", ":1: the text of arrow holds U+2192, which Windows-1252 cannot hold"},
        {"bad: a\xE9t\xE9\n", ":1: the text of bad is not valid UTF-8"},
        {"cut: a\xC3\n", ":1: the text of cut is not valid UTF-8"},
        {"Titre: x\n", ":1: expected a list name (a-z, 0-9, _) followed by \":\""},
        {"no colon here\n", ":1: expected a list name (a-z, 0-9, _) followed by \":\""},
        {"titre:x\n", ":1: expected \": \" between the name and the text"},
    };
    for (const auto &c : cases) {
        std::vector<storedgroup> groups;
        EXPECT_EQ(readtext(c.content, groups), c.message) << c.content;
    }
}

TEST(StoredTextFile, LongestTextFits) {
    std::vector<storedgroup> groups;
    std::string text(100, 'a');
    for (int k = 0; k < 51; ++k)
        text += "é";
    ASSERT_EQ(readtext("long: " + text + "\n", groups), "");
    EXPECT_EQ(groups[0].texts[0].size(), 151u);
}

TEST(StoredTextFile, GeneratedSourceHoldsOnlyScrambledForms) {
    const std::vector<storedgroup> groups = {{"titre", {"Bonjour le monde", "Quoi? \"x\" \\ y"}},
                                             {"vide", {}}};
    const std::string header = storedtextheader(groups);
    EXPECT_NE(header.find("extern const storedlist crypttitre;"), std::string::npos);
    EXPECT_NE(header.find("extern const storedlist cryptvide;"), std::string::npos);
    const std::string source = storedtextsource(groups, "storedtexts.h");
    EXPECT_EQ(source.find("Bonjour"), std::string::npos);
    EXPECT_NE(source.find("const storedlist crypttitre = {titretexts, 2};"), std::string::npos);
    EXPECT_NE(source.find("const storedlist cryptvide = {nullptr, 0};"), std::string::npos);
}
