#include "platform/data_folder/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// An installed tree laid out as `cmake --install` lays it, under a fresh prefix.
class DataFolderTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        m_prefix =
            fs::temp_directory_path() / ("tilegames-data-folder-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(m_prefix);
        fs::create_directories(executableFolder());
    }
    void TearDown() override { fs::remove_all(m_prefix); }

    fs::path executableFolder() const { return m_prefix / TILEGAMES_INSTALL_GAMESDIR; }
    fs::path installedFolder() const { return m_prefix / TILEGAMES_INSTALL_GAMESDATADIR / "puzzle"; }

    static void put(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "data";
    }

    fs::path m_prefix;
};

TEST_F(DataFolderTest, FilesBesideTheExecutableComeFirst) {
    put(executableFolder() / "pieces.dat");
    put(installedFolder() / "pieces.dat");
    EXPECT_EQ(dataFolder(executableFolder(), "pieces.dat", "puzzle"), executableFolder());
}

TEST_F(DataFolderTest, InstalledProgramFindsItsDataUnderItsOwnPrefix) {
    put(installedFolder() / "pieces.dat");
    EXPECT_EQ(dataFolder(executableFolder(), "pieces.dat", "puzzle"), installedFolder());
}

TEST_F(DataFolderTest, AnotherProgramsDataIsNotTaken) {
    put(installedFolder() / "pieces.dat");
    EXPECT_EQ(dataFolder(executableFolder(), "pieces.dat", "other-puzzle"), executableFolder());
}

TEST_F(DataFolderTest, WithoutTheMarkerAnywhereTheExecutablesFolderStays) {
    fs::create_directories(installedFolder() / "pieces.dat");  // a folder is no data file
    EXPECT_EQ(dataFolder(executableFolder(), "pieces.dat", "puzzle"), executableFolder());
}

TEST_F(DataFolderTest, AnAbsoluteInstalledFolderIsTakenAsItIs) {
    put(installedFolder() / "pieces.dat");
    EXPECT_EQ(findDataFolder(executableFolder(), "pieces.dat", installedFolder()), installedFolder());
}

TEST_F(DataFolderTest, WrittenFilesStayBesideARunnableCopyAndGoToTheSettingsFolderWhenInstalled) {
    ::setenv("XDG_CONFIG_HOME", (m_prefix / "config").c_str(), 1);
    EXPECT_EQ(writableFolder(executableFolder(), executableFolder(), "puzzle", {"Scores.ini"}),
              executableFolder());

    put(executableFolder() / "Scores.ini");  // kept by a player from before the install
    const fs::path settings = m_prefix / "config" / "puzzle";
    EXPECT_EQ(writableFolder(executableFolder(), installedFolder(), "puzzle", {"Scores.ini", "Options.ini"}),
              settings);
    EXPECT_TRUE(fs::is_regular_file(settings / "Scores.ini")) << "copied, not lost";
    EXPECT_FALSE(fs::exists(settings / "Options.ini"));

    std::ofstream(settings / "Scores.ini") << "newer";
    writableFolder(executableFolder(), installedFolder(), "puzzle", {"Scores.ini"});
    std::ifstream kept(settings / "Scores.ini");
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "newer") << "a file of the settings folder is never overwritten by the old one";
}

TEST_F(DataFolderTest, WrittenDataFoldersStayBesideAWritableCopyElseGoToTheUserDataFolder) {
    ::setenv("XDG_DATA_HOME", (m_prefix / "data").c_str(), 1);
    fs::create_directories(executableFolder() / "Layouts");
    const fs::path own = executableFolder() / "Layouts";
    const fs::path user = m_prefix / "data" / "puzzle" / "Layouts";
    EXPECT_EQ(writableDataFolder(executableFolder(), executableFolder(), "puzzle", "Layouts"), own);
    EXPECT_EQ(writableDataFolder(installedFolder(), m_prefix / "config", "puzzle", "Layouts"), user)
        << "an installed program writes none of its own folders";
    EXPECT_EQ(writableDataFolder(executableFolder(), executableFolder(), "puzzle", "Missing"),
              executableFolder() / "Missing")
        << "made beside the program when it is written";
    if (::geteuid() != 0) {  // the superuser may write any folder
        fs::permissions(own, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(writableDataFolder(executableFolder(), executableFolder(), "puzzle", "Layouts"), user);
        fs::permissions(own, fs::perms::owner_all);
    }

    ::setenv("XDG_DATA_HOME", "relative/data", 1);  // not absolute: ignored, as the standard says
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("HOME", m_prefix.c_str(), 1);
    EXPECT_EQ(userDataFolder("puzzle"), m_prefix / ".local" / "share" / "puzzle");
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace platform
