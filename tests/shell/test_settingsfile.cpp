#include "shellfixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string lirefichier(const char *path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void ecrirefichier(const char *path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string donneesgrille(std::int16_t i) {
    gstring out;
    grilluserfromram(out, i);
    return out.adr();
}

} // namespace

// Each test works in a folder of its own, where the settings file is looked for.
class SettingsFile : public ShellTest {
  protected:
    fs::path before;
    fs::path folder;

    void SetUp() override {
        ShellTest::SetUp();
        before = fs::current_path();
        char pattern[] = "/tmp/tikosettingsXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(before);
        fs::remove_all(folder);
        ShellTest::TearDown();
    }

    // The defaults a run starts with, before the file is read: no grid yet.
    static void defauts() { reglages(0); }
};

TEST_F(SettingsFile, SavedFileReadsBackWhole) {
    const std::string longue(130, 'C');
    const std::string soixanteetune = std::string(60, 'A') + "B";
    globish = 1;
    grillenjeu = 3;
    taillechoisie = 60;
    printop = 123;
    prinleft = 45;
    cavipozerini = 1;
    memogrilluser(2, longue.c_str());
    memogrilluser(3, soixanteetune.c_str());
    memogrilluser(5, "AB12GF");
    // More than 26 pieces go on past "Z".
    std::string treslongue;
    for (int k = 0; k < 2000; ++k)
        treslongue += static_cast<char>('A' + k % 7);
    memogrilluser(4, treslongue.c_str());
    resolutime[1].ajoutsec(3725);
    resolutime[3].ajoutsec(7);
    liguser.padd("usr=mes notes");
    ASSERT_TRUE(ecriparamusernew());
    EXPECT_TRUE(messageboxhook().calls.empty());

    const std::string text = lirefichier("TIKO101.TXT");
    EXPECT_EQ(text.rfind("***-TIKO101-***\r\n#", 0), 0u);
    EXPECT_NE(text.find("\r\ngv2:A=" + std::string(60, 'C') + "\r\ngv2:B=" + std::string(60, 'C') +
                        "\r\ngv2:C=" + std::string(10, 'C') + "\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("gv1:"), std::string::npos);
    EXPECT_NE(text.find("\r\ngv4:Z=" + treslongue.substr(1500, 60) + "\r\ngv4:ZA="), std::string::npos);
    EXPECT_NE(text.find("\r\ntps1=3725\r\n"), std::string::npos);
    EXPECT_EQ(text.find("tps2="), std::string::npos);
    EXPECT_NE(text.find("\r\nver=3.5\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nvcr=3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ncmpd=20261211\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists("TIKO101.TXT.tmp"));

    defauts();
    getparamuser();
    EXPECT_EQ(globish, 1);
    EXPECT_EQ(grillenjeu, 3);
    EXPECT_EQ(taillechoisie, 60);
    EXPECT_EQ(printaillepix, 60);
    EXPECT_EQ(grilleram[0].taillecase, 60);
    EXPECT_EQ(printop, 123);
    EXPECT_EQ(prinleft, 45);
    EXPECT_EQ(cavipozerini, 1);
    EXPECT_EQ(avechrono, 1);
    EXPECT_EQ(donneesgrille(1), "");
    EXPECT_EQ(donneesgrille(2), longue);
    EXPECT_EQ(donneesgrille(3), soixanteetune);
    EXPECT_EQ(donneesgrille(4), treslongue);
    EXPECT_EQ(donneesgrille(5), "AB12GF");
    EXPECT_EQ(resolutime[1].getsec(), 3725);
    EXPECT_EQ(resolutime[3].getsec(), 7);
    EXPECT_EQ(resolutime[2].getsec(), 0);
    ASSERT_EQ(liguser.effectif(), 1);
    EXPECT_STREQ(liguser.adr(1), "usr=mes notes");
}

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
    defauts();
    resolutime[2].ajoutsec(9);
    getparamuser();
    EXPECT_EQ(grillenjeu, 1);
    EXPECT_EQ(globish, 0);
    EXPECT_EQ(taillechoisie, 40);
    EXPECT_EQ(printop, 60);
    EXPECT_EQ(prinleft, 60);
    EXPECT_EQ(avechrono, 1);
    EXPECT_EQ(cavipozerini, 0);
    EXPECT_TRUE(valuseram.isempty());
}

TEST_F(SettingsFile, CellSizeIsRoundedToAnAllowedOne) {
    const struct {
        const char *value;
        std::int16_t size;
    } cases[] = {{"47", 50},  {"45", 40},  {"100", 70},         {"70", 70},  {"0", 40},
                 {"-30", 40}, {"abc", 40}, {"99999999999", 70}, {"56,9", 60}};
    for (const auto &c : cases) {
        ecrirefichier("TIKO101.TXT", std::string("ver=3.5\ntca=") + c.value + "\n");
        defauts();
        getparamuser();
        EXPECT_EQ(taillechoisie, c.size) << c.value;
        EXPECT_EQ(grilleram[0].taillecase, c.size) << c.value;
    }
}

TEST_F(SettingsFile, FirstFormKeepsOneGridAfterItsNumber) {
    ecrirefichier("TIKO101.TXT", "ver=1\ngri=2 1230 456\ntps2=50\n");
    defauts();
    getparamuser();
    EXPECT_EQ(grillenjeu, 2);
    EXPECT_EQ(donneesgrille(2), "ABCG DEF");
    EXPECT_EQ(donneesgrille(1), "");
    EXPECT_EQ(resolutime[2].getsec(), 0);

    ecrirefichier("TIKO101.TXT", "gri=4 66\n");
    defauts();
    getparamuser();
    EXPECT_EQ(grillenjeu, 4);
    EXPECT_EQ(donneesgrille(4), "FF");
}

TEST_F(SettingsFile, OnlyUserLinesSurviveASave) {
    ecrirefichier("TIKO101.TXT",
                  "ver=3.5\r\nusr=abc\r\n  USR = def,1\r\nother=1\r\nusrx=2\r\n\r\n\r\nlng=2\r\n");
    defauts();
    getparamuser();
    ASSERT_TRUE(ecriparamusernew());
    const std::string text = lirefichier("TIKO101.TXT");
    EXPECT_NE(text.find("\r\nusr=abc\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n  USR = def,1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("other"), std::string::npos);
    EXPECT_EQ(text.find("usrx"), std::string::npos);
    EXPECT_NE(text.find("\r\nlng=2\r\n"), std::string::npos);
}

TEST_F(SettingsFile, ChronometerOffSavesAndReadsNoTime) {
    resolutime[1].ajoutsec(30);
    memogrilluser(1, "AB");
    avechrono = 0;
    ASSERT_TRUE(ecriparamusernew());
    const std::string text = lirefichier("TIKO101.TXT");
    EXPECT_EQ(text.find("tps"), std::string::npos);
    EXPECT_NE(text.find("\r\nchro=0\r\n"), std::string::npos);
    defauts();
    getparamuser();
    EXPECT_EQ(avechrono, 0);
    for (std::int16_t i = 1; i <= 5; ++i)
        EXPECT_EQ(resolutime[i].getsec(), 0) << i;
}

TEST_F(SettingsFile, DamagedFilesLoadWithDefinedValues) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 131 + 7) % 256);
    const std::string longline = "gv1:A=" + std::string(100000, 'B') + "\nver=3.5\ngri=2\n";
    const std::string contents[] = {
        "ver=3.5\r\nlng=2\r\ngri=3\r\ngv3:A=ABCD\r\ngv3:B=AB",
        junk,
        "ver=99999999999\ngri=70000\ntop=99999999999\nleft=-5\ntca=2147483648\ntps1=99999999999\n"
        "tps2=-400\nchro=77777777777\n",
        "ver=3.5\n",
        "***-TIKO101-***\n",
        "ver=3.5\nlng=2\nlng=1\ngri=2\ngri=5\ngv2:A=AB\ngv2:A=CD\ntps2=5\ntps2=9\n",
        longline,
        "=\n==\ngv1:=\ngri=\nver=\ntop=\n\x01\x02=\x03\n",
        "ver=3\ngri=-1\ngv1:A=AB\ngv1:C=CD\n",
    };
    for (const std::string &c : contents) {
        ecrirefichier("TIKO101.TXT", c);
        defauts();
        getparamuser();
        EXPECT_GE(grillenjeu, 1);
        EXPECT_LE(grillenjeu, grinombre);
        EXPECT_GE(taillechoisie, tacasemin);
        EXPECT_LE(taillechoisie, tacasemax);
        EXPECT_GT(printop, 0);
        EXPECT_GT(prinleft, 0);
        EXPECT_LE(valuseram.effectif(), grinombre);
        for (std::int16_t i = 1; i <= 5; ++i) {
            EXPECT_GE(resolutime[i].getsec(), 0);
            EXPECT_LE(resolutime[i].getsec(), durelapsed::maxseconds);
        }
        // What a save keeps, the next run reads and saves again unchanged.
        ASSERT_TRUE(ecriparamusernew());
        const std::string saved = lirefichier("TIKO101.TXT");
        defauts();
        getparamuser();
        ASSERT_TRUE(ecriparamusernew());
        EXPECT_EQ(lirefichier("TIKO101.TXT"), saved);
    }
}

TEST_F(SettingsFile, DamagedFilesKeepWhatCanBeRead) {
    ecrirefichier("TIKO101.TXT", "ver=3.5\r\nlng=2\r\ngri=3\r\ngv3:A=ABCD\r\ngv3:B=AB");
    defauts();
    getparamuser();
    EXPECT_EQ(globish, 1);
    EXPECT_EQ(grillenjeu, 3);
    EXPECT_EQ(donneesgrille(3), "ABCDAB");

    ecrirefichier("TIKO101.TXT", "ver=3\ngri=70000\ntop=70000\nleft=-5\ngv1:A=AB\ngv1:C=CD\ntps2=-400\n");
    defauts();
    getparamuser();
    EXPECT_EQ(grillenjeu, 1);
    EXPECT_EQ(printop, 60);
    EXPECT_EQ(prinleft, 60);
    EXPECT_EQ(donneesgrille(1), "AB");
    EXPECT_EQ(resolutime[2].getsec(), 0);

    ecrirefichier("TIKO101.TXT", "ver=3.5\ngv1:A=" + std::string(40000, 'B') + "\n");
    defauts();
    getparamuser();
    // The reader keeps a line's first maxlen bytes, name included.
    EXPECT_EQ(donneesgrille(1).size(), static_cast<std::size_t>(gstring::maxlen) - 6);
}

TEST_F(SettingsFile, FailedSaveKeepsTheEarlierFileAndSaysSo) {
    const std::string earlier = "ver=3.5\r\ngri=2\r\n";
    ecrirefichier("TIKO101.TXT", earlier);
    fs::create_directory("TIKO101.TXT.tmp");
    globish = 1;
    EXPECT_FALSE(ecriparamusernew());
    EXPECT_EQ(lirefichier("TIKO101.TXT"), earlier);
    ASSERT_EQ(messageboxhook().calls.size(), 1u);
    const boxcall &box = messageboxhook().calls[0];
    EXPECT_EQ(box.caption, "TIKO101");
    EXPECT_NE(box.text.find("TIKO101.TXT"), std::string::npos);
    EXPECT_NE(box.text.find("could not be written"), std::string::npos);
    EXPECT_EQ(box.flags & 0xF0, box_iconstop);
    fs::remove("TIKO101.TXT.tmp");

    // A folder in the place of the file: the save fails and leaves nothing behind.
    fs::remove("TIKO101.TXT");
    fs::create_directory("TIKO101.TXT");
    EXPECT_FALSE(ecriparamusernew());
    EXPECT_TRUE(fs::is_directory("TIKO101.TXT"));
    EXPECT_FALSE(fs::exists("TIKO101.TXT.tmp"));
    EXPECT_EQ(messageboxhook().calls.size(), 2u);
    defauts();
    getparamuser();
    EXPECT_EQ(grillenjeu, 1);
    EXPECT_EQ(globish, 0);
}
