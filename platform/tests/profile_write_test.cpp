#include "platform/profile/profile.h"
#include "platform/tests/profile_test_support.h"

namespace platform {
namespace {

using ProfileWriteTest = testing::ProfileFileTest;

// One write on a starting file and the exact bytes it must leave.
struct WriteCase {
    std::string_view name, before, section, key;
    std::optional<std::string_view> value;
    std::string_view after;
};

TEST_F(ProfileWriteTest, WritesKeepEveryOtherLine) {
    const WriteCase cases[] = {
        {"replace in place, keep the key's spelling", "; c\r\n[Opt]\r\n  KEY = old \r\nx=1\r\n", "opt", "key",
         "new", "; c\r\n[Opt]\r\nKEY=new\r\nx=1\r\n"},
        {"new key after the section's last line", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "a", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {"new section at the end", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"LF file stays LF", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"last line without ending", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"only the first duplicate section", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", "A", "y", "3",
         "[A]\r\nx=1\r\ny=3\r\n[a]\r\ny=2\r\n"},
        {"no value deletes the key", "[A]\r\nx=1\r\n;note\r\ny=2\r\n", "A", "X", std::nullopt,
         "[A]\r\n;note\r\ny=2\r\n"},
        {"deleting a missing key changes nothing", "[A]\n x = 1\n", "A", "q", std::nullopt, "[A]\n x = 1\n"},
        {"an empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"a section with no keys yet", "[S]\r\n[T]\r\n", "S", "k", "v", "[S]\r\nk=v\r\n[T]\r\n"},
    };
    for (const auto& c : cases) {
        const auto file = fileWith(c.before);
        Profile profile(file);
        EXPECT_TRUE(profile.writeString(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(bytesOf(file), c.after) << c.name;
    }
}

TEST_F(ProfileWriteTest, DeletesAWholeSection) {
    const auto file = fileWith("[A]\r\nx=1\r\n; about B\r\n[B]\r\ny=2\r\n;tail\r\n[C]\r\nz=3\r\n");
    Profile profile(file);
    EXPECT_TRUE(profile.deleteSection("b"));
    EXPECT_EQ(bytesOf(file), "[A]\r\nx=1\r\n; about B\r\n[C]\r\nz=3\r\n");
    EXPECT_TRUE(profile.deleteSection("missing"));
    EXPECT_EQ(profile.readString("B", "y", "gone"), "gone");
}

TEST_F(ProfileWriteTest, CreatesTheFileAndItsFolderWithWindowsLineEndings) {
    const auto file = m_folder / "new" / "folder" / "Hallfame.ini";
    Profile profile(file);
    EXPECT_TRUE(profile.writeInt("Layout 1", "Time1", 345));
    EXPECT_TRUE(profile.writeString("Layout 1", "Name1", "Ann"));
    EXPECT_TRUE(profile.writeInt("Layout 2", "Time1", -1));
    EXPECT_EQ(bytesOf(file), "[Layout 1]\r\nTime1=345\r\nName1=Ann\r\n[Layout 2]\r\nTime1=-1\r\n");
    // What was written reads back, also through a second object on the same file.
    EXPECT_EQ(Profile(file).readInt("layout 1", "time1", 0), 345);
    EXPECT_EQ(profile.readString("Layout 1", "Name1", ""), "Ann");
}

TEST_F(ProfileWriteTest, AFileThatCannotBeWrittenReportsFailureAndStaysAsItWas) {
    // A plain file where the folder should be: nothing can be created below it.
    const auto blocker = fileWith("not a folder", "blocker");
    Profile profile(blocker / "Orbeni.ini");
    EXPECT_FALSE(profile.writeString("S", "k", "v"));
    EXPECT_EQ(bytesOf(blocker), "not a folder");
}

}  // namespace
}  // namespace platform
