#include "pocketquillet/game/hiscore_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "pocketquillet/game/hiscore_view.h"
#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

// One record written byte by byte: the points text and the name, UTF-16LE, zero-filled.
std::string record(std::u16string_view points, std::u16string_view name) {
    std::string bytes;
    const auto field = [&bytes](std::u16string_view text, int units) {
        for (int i = 0; i < units; ++i) {
            const char16_t unit = i < static_cast<int>(text.size()) ? text[i] : u'\0';
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
    };
    field(points, 10);
    field(name, 15);
    return bytes;
}

std::string tenRecords(std::u16string_view points, std::u16string_view name) {
    std::string bytes;
    for (int r = 0; r < kHiscoreEntries; ++r) {
        bytes += record(points, name);
    }
    return bytes;
}

TEST(HiscoreFileTest, RecordsAreFiftyBytesOfUtf16Texts) {
    HiscoreTable table;
    table.insert(0, u"Jörg", 1234);
    table.insert(0, u"A twenty char name!!", 5000);
    const std::string bytes = table.toBytes();
    ASSERT_EQ(bytes.size(), 500u);
    EXPECT_EQ(bytes.substr(0, 50), record(u"5000", u"A twenty char n"));
    EXPECT_EQ(bytes.substr(50, 50), record(u"1234", u"Jörg"));
    EXPECT_EQ(bytes.substr(100, 50), std::string(50, '\0'));

    const HiscoreTable read = HiscoreTable::fromBytes(bytes);
    EXPECT_EQ(read.entry(0).name, u"A twenty char n");
    EXPECT_EQ(read.entry(0).points, 5000u);
    EXPECT_EQ(read.entry(1).name, u"Jörg");
    EXPECT_EQ(read.entry(2).pointsText, u"");
}

TEST(HiscoreFileTest, ScoresRankBelowEqualOnes) {
    const HiscoreTable full = HiscoreTable::fromBytes(tenRecords(u"500", u"Eve"));
    EXPECT_EQ(full.rankOf(500), 10);
    EXPECT_EQ(full.rankOf(501), 0);
    HiscoreTable table =
        HiscoreTable::fromBytes(record(u"900", u"A") + record(u"500", u"B") + record(u"100", u"C"));
    EXPECT_EQ(table.rankOf(500), 2);
    table.insert(2, u"New", 500);
    EXPECT_EQ(table.entry(1).name, u"B");
    EXPECT_EQ(table.entry(2).name, u"New");
    EXPECT_EQ(table.entry(3).name, u"C");
    EXPECT_EQ(table.rankOf(0), 10);
    // The tenth drops out; points beyond nine digits are kept as the most the field holds.
    HiscoreTable crowded = full;
    crowded.insert(0, u"Top", 4'000'000'000u);
    EXPECT_EQ(crowded.entry(0).pointsText, u"999999999");
    EXPECT_EQ(crowded.entry(9).name, u"Eve");
    EXPECT_EQ(HiscoreTable::fromBytes(crowded.toBytes()).entry(0).points, 999'999'999u);
}

TEST(HiscoreFileTest, DamagedFilesReadWithoutHarm) {
    struct Case {
        const char* what;
        std::string bytes;
        std::uint32_t firstPoints;
        std::u16string firstName;
        std::u16string lastName;
    };
    std::string unterminated = record(u"1234567890", u"ABCDEFGHIJKLMNO");
    const Case cases[] = {
        {"empty", "", 0, u"", u""},
        {"short", record(u"700", u"Ann").substr(0, 25), 700, u"An", u""},
        {"odd length", record(u"7", u"").substr(0, 3), 7, u"", u""},
        {"long", tenRecords(u"42", u"Max") + std::string(300, 'x'), 42, u"Max", u"Max"},
        {"unterminated texts", unterminated, 1234567890, u"ABCDEFGHIJKLMNO", u""},
        {"non-digits", record(u"12ab", u"Kim") + record(u"x9", u"Lee"), 12, u"Kim", u""},
    };
    for (const Case& c : cases) {
        const HiscoreTable table = HiscoreTable::fromBytes(c.bytes);
        EXPECT_EQ(table.entry(0).points, c.firstPoints) << c.what;
        EXPECT_EQ(table.entry(0).name, c.firstName) << c.what;
        EXPECT_EQ(table.entry(9).name, c.lastName) << c.what;
    }
    EXPECT_EQ(HiscoreTable::fromBytes(record(u"12ab", u"Kim") + record(u"x9", u"Lee")).entry(1).points, 0u);
    EXPECT_EQ(HiscoreTable::fromBytes(record(u"99999999999", u"")).entry(0).points, 4'294'967'295u);
}

TEST(HiscoreFileTest, FileIsReadAndReplacedWhole) {
    const test::TempFolder folder;
    const auto file = folder.path() / "HISCORE.QZO";
    EXPECT_EQ(readHiscoreFile(file).entry(0).points, 0u);  // missing: an empty table

    HiscoreTable table;
    table.insert(0, u"Ann", 300);
    ASSERT_TRUE(writeHiscoreFile(file, table));
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, table.toBytes());
    EXPECT_EQ(readHiscoreFile(file).entry(0).name, u"Ann");

    // A folder standing where the file should go cannot be replaced: nothing is saved.
    std::filesystem::create_directories(folder.path() / "blocked");
    EXPECT_FALSE(writeHiscoreFile(folder.path() / "blocked", table));
}

TEST(HiscoreFileTest, AFileThatCannotBeReadIsNeverReplaced) {
    // Reading this file fails at its first byte, as a disk with an I/O error would.
    const std::filesystem::path broken = "/proc/self/mem";
    EXPECT_EQ(readHiscoreFile(broken).toBytes(), HiscoreTable().toBytes());
    HiscoreTable table;
    table.insert(0, u"Ann", 500);
    EXPECT_FALSE(writeHiscoreFile(broken, table));
}

TEST(HiscoreFileTest, FileLivesInTheSettingsFolder) {
    const test::TempFolder folder;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(hiscoreFilePath(), folder.path() / "pocketquillet" / "HISCORE.QZO");
    old != nullptr ? ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

TEST(HiscoreViewTest, RunningScoresArePlacedAmongTheStoredRows) {
    const HiscoreTable table =
        HiscoreTable::fromBytes(record(u"900", u"A") + record(u"500", u"B") + record(u"100", u"C"));
    const std::array<RunningScore, 2> running = {RunningScore{500, u"Bob"}, RunningScore{950, u"Ann"}};
    const auto rows = hiscoreRows(table, running);
    const std::u16string names[] = {u"Ann", u"A", u"B", u"Bob", u"C", u"", u"", u"", u"", u""};
    for (int k = 0; k < kHiscoreEntries; ++k) {
        EXPECT_EQ(rows[k].rank, k + 1);
        EXPECT_EQ(rows[k].name, names[k]) << "row " << k + 1;
    }
    EXPECT_EQ(rows[0].source, RowSource::RunningGame);
    EXPECT_EQ(rows[0].pointsText, u"950");
    EXPECT_EQ(rows[1].source, RowSource::Stored);
    EXPECT_EQ(rows[3].source, RowSource::RunningGame);

    // Scores of 0 are left out; a full table lets the last stored rows fall off.
    const HiscoreTable full = HiscoreTable::fromBytes(tenRecords(u"500", u"Eve"));
    const std::array<RunningScore, 2> one = {RunningScore{0, u"Zed"}, RunningScore{600, u"Pat"}};
    const auto fullRows = hiscoreRows(full, one);
    EXPECT_EQ(fullRows[0].name, u"Pat");
    EXPECT_EQ(fullRows[9].name, u"Eve");
    EXPECT_EQ(fullRows[9].source, RowSource::Stored);
}

}  // namespace
}  // namespace pocketquillet
