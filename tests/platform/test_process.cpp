#include "platform/process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tikoplatform" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string make(const char* name, const std::string& content)
    {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    std::string at(const char* name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(FilesTest, CopyRenameDeleteOnRegularFiles)
{
    const std::string a = make("a", "hello");
    fs::permissions(a, fs::perms::owner_exec, fs::perm_options::add);
    ASSERT_TRUE(copyfile(a, at("b")));
    EXPECT_TRUE(samefilecontents(a, at("b")));
    EXPECT_NE(fs::status(at("b")).permissions() & fs::perms::owner_exec, fs::perms::none)
        << "a copied program stays executable";
    make("c", "old");
    EXPECT_TRUE(copyfile(a, at("c"))) << "an existing target is replaced";
    EXPECT_TRUE(samefilecontents(a, at("c")));
    EXPECT_TRUE(syncfile(at("c")));
    ASSERT_TRUE(renamefile(at("c"), at("d")));
    EXPECT_FALSE(fileexists(at("c")));
    EXPECT_TRUE(fileexists(at("d")));
    EXPECT_TRUE(deletefile(at("d")));
    EXPECT_FALSE(fileexists(at("d")));
}

TEST_F(FilesTest, FailuresAreReportedNotThrown)
{
    fs::create_directories(dir / "sub");
    EXPECT_FALSE(copyfile(at("missing"), at("x")));
    EXPECT_FALSE(copyfile(at("sub"), at("x")));
    EXPECT_FALSE(copyfile(make("a", "1"), at("nowhere/x")));
    EXPECT_FALSE(renamefile(at("missing"), at("x")));
    EXPECT_FALSE(syncfile(at("missing")));
    EXPECT_FALSE(deletefile(at("missing")));
    EXPECT_FALSE(deletefile(at("sub"))) << "a directory is never deleted";
    EXPECT_TRUE(fs::exists(dir / "sub"));
    EXPECT_FALSE(deletefile(""));
    EXPECT_FALSE(fileexists(""));
}

TEST_F(FilesTest, SameContentsNeedsEqualBytes)
{
    const std::string big(200000, 'x');
    std::string other = big;
    other[150000] = 'y';
    EXPECT_TRUE(samefilecontents(make("a", big), make("b", big)));
    EXPECT_FALSE(samefilecontents(at("a"), make("c", other)));
    EXPECT_FALSE(samefilecontents(at("a"), make("d", "short")));
    EXPECT_FALSE(samefilecontents(at("a"), at("missing")));
    fs::create_directories(dir / "sub");
    EXPECT_FALSE(samefilecontents(at("sub"), at("sub")));
}

TEST(Process, ModuleFileNameAndCommandLine)
{
    EXPECT_EQ(fs::path(modulefilename()).filename(), "test_process");
    const char* argv[] = {"/opt/TIKO101", "killexe=/tmp/old", "x"};
    recordcommandline(3, argv);
    EXPECT_EQ(commandargs(), "killexe=/tmp/old x");
    recordcommandline(1, argv);
    EXPECT_EQ(commandargs(), "");
    recordcommandline(2, nullptr);
    EXPECT_EQ(commandargs(), "");
}

TEST_F(FilesTest, StartDetachedRunsWithoutWaiting)
{
    const std::string marker = at("started");
    EXPECT_TRUE(startdetached("/usr/bin/touch", marker));
    for (int k = 0; k < 200 && !fileexists(marker); ++k)
        ::usleep(10000);
    EXPECT_TRUE(fileexists(marker));
    EXPECT_FALSE(startdetached(at("no-such-program"), ""));
}
