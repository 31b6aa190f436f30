#include "platform/profile/profile.h"

#include <algorithm>
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
        {"a lone CR ending the last line stays", "[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"a lone CR in an LF file", "[A]\nx=1\r", "A", "y", "2", "[A]\nx=1\r\ny=2\n"},
        {"line breaks in a value become blanks", "[A]\r\n", "A", "Name1", "Ann\r\n[A]\nTime1=1",
         "[A]\r\nName1=Ann  [A] Time1=1\r\n"},
        {"a value with blank edges goes in quotes", "[A]\r\nk=old\r\n", "A", "k", " x ",
         "[A]\r\nk=\" x \"\r\n"},
    };
    for (const auto& c : cases) {
        const auto file = fileWith(c.before);
        Profile profile(file);
        EXPECT_TRUE(profile.writeString(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(bytesOf(file), c.after) << c.name;
    }
}

TEST_F(ProfileWriteTest, DeletesAWholeSectionWithEveryCopyOfIt) {
    const auto file =
        fileWith("[A]\r\nx=1\r\n; about B\r\n[B]\r\ny=2\r\n;tail\r\n[C]\r\nz=3\r\n[b]\r\ny=old\r\n");
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

TEST_F(ProfileWriteTest, NamesMadeFromPlayersTextReadBackOrAreRefused) {
    const auto file = m_folder / "Hallfame.ini";
    Profile profile(file);
    EXPECT_TRUE(profile.writeString("Pyramid [hard]", "Name1", "Ann"));
    EXPECT_TRUE(profile.writeString("Pyramid [hard]", "Name2", "Bob"));
    EXPECT_TRUE(profile.writeString("a=b; [c]", "Name1", "Cy"));
    EXPECT_EQ(Profile(file).readString("Pyramid [hard]", "Name1", ""), "Ann");
    EXPECT_EQ(Profile(file).readString("a=b; [c]", "Name1", ""), "Cy");
    EXPECT_EQ(Profile(file).sections(), (std::vector<std::string>{"Pyramid [hard]", "a=b; [c]"}));
    for (const std::string_view key : {"a=b", ";note", "[x]", "two\nlines", ""}) {
        EXPECT_FALSE(profile.writeString("S", key, "v")) << key;
    }
    EXPECT_FALSE(profile.writeString("two\nlines", "k", "v"));
    EXPECT_EQ(Profile(file).sections().size(), 2u);
}

TEST_F(ProfileWriteTest, EveryValueReadFromAFileIsWrittenSoThatItReadsBackTheSame) {
    // Values as hand-made or foreign files hold them; what a game reads from one it must be able
    // to save and load again unchanged (a bitmap path, a sound, a player's name).
    const std::string_view lines[] = {
        "k=\"  blank edges  \"",
        "k='\"double inside single\"'",
        "k=\"'single inside double'\"",
        "k=a\rlone CR",
        "k=\"trailing CR\r\"",
        "k=\"x\"y\"",
        "k='",
        "k=\"\"\"\"",
        "k=plain",
    };
    for (const std::string_view line : lines) {
        const std::string first =
            Profile(fileWith(std::string("[S]\n").append(line).append("\n"))).readString("S", "k", "?");
        const auto copy = m_folder / "copy.ini";
        EXPECT_TRUE(Profile(copy).writeString("S", "k", first)) << line;
        EXPECT_EQ(Profile(copy).readString("S", "k", "?"), first) << line;
        std::filesystem::remove(copy);
    }
}

TEST_F(ProfileWriteTest, ABatchWritesTheFileOnceWithTheSameBytesAsWriteByWrite) {
    const std::string start = "; kept\n[Options]\nSound=1\n";
    const auto changes = [](Profile& p) {
        p.writeString("Options", "Sound", "0");
        p.writeInt("Options", "Left", 10);
        p.writeString("Hall", "Name1", "Ann");
        p.writeString("Options", "Left", std::nullopt);
        p.deleteSection("Hall");
        p.writeString("Hall", "Name1", "Bob");
    };
    const auto oneByOne = fileWith(start, "one.ini");
    Profile single(oneByOne);
    changes(single);

    const auto batched = fileWith(start, "batch.ini");
    Profile batch(batched);
    EXPECT_TRUE(batch.writeBatch([&](Profile& p) {
        changes(p);
        // Reads see the changes, the disk does not yet: a save cut off here leaves the old file.
        EXPECT_EQ(p.readString("Hall", "Name1", ""), "Bob");
        EXPECT_EQ(bytesOf(batched), start);
        return true;
    }));
    EXPECT_EQ(bytesOf(batched), bytesOf(oneByOne));

    const auto abandoned = [&](Profile& p) {
        changes(p);
        return false;
    };
    EXPECT_FALSE(Profile(oneByOne).writeBatch(abandoned));
    EXPECT_EQ(bytesOf(oneByOne), bytesOf(batched));

    const auto anew = fileWith(start, "anew.ini");
    EXPECT_TRUE(Profile(anew).writeBatch([](Profile& p) { return p.writeString("Hall", "Name1", "Cy"); },
                                         Profile::BatchStart::FromEmpty));
    EXPECT_EQ(bytesOf(anew), "[Hall]\r\nName1=Cy\r\n");

    const auto blocker = fileWith("not a folder", "blocker");
    Profile blocked(blocker / "Orbeni.ini");
    EXPECT_FALSE(blocked.writeBatch([&](Profile& p) {
        changes(p);
        return true;
    }));
    EXPECT_EQ(blocked.readString("Hall", "Name1", "none"), "none");
}

TEST_F(ProfileWriteTest, AFileThatCannotBeReadIsNeverWritten) {
    // Reading this file fails at its first byte, as a disk with an I/O error would.
    Profile broken("/proc/self/mem");
    EXPECT_EQ(broken.readString("S", "k", "default"), "default");
    EXPECT_TRUE(broken.isUnreadable());
    EXPECT_FALSE(broken.writeString("S", "k", "v"));
    EXPECT_FALSE(broken.writeBatch([](Profile& p) { return p.writeString("S", "k", "v"); }));
    EXPECT_TRUE(Profile("/proc/self/mem").isUnreadable()) << "known for the whole run";
    EXPECT_FALSE(Profile(m_folder / "missing.ini").isUnreadable());
}

TEST_F(ProfileWriteTest, WritesLeaveNoTemporaryFilesAndKeepALinkAndTheFilesMode) {
    const auto target = fileWith("[A]\nx=1\n", "real.ini");
    std::filesystem::permissions(target, std::filesystem::perms(0600));
    fileWith("half a write", ".real.ini.Ab12Cd");
    const auto link = m_folder / "link.ini";
    std::filesystem::create_symlink("real.ini", link);
    Profile profile(link);
    EXPECT_TRUE(profile.writeString("A", "y", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(bytesOf(target), "[A]\nx=1\ny=2\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0600));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"link.ini", "real.ini"}));
}

}  // namespace
}  // namespace platform
