#include "orbeni/music/music_list.h"

#include <gtest/gtest.h>

#include "orbeni/tests/music/music_fakes.h"

namespace orbeni {
namespace {

using MusicListTest = testing::ProgramFolderTest;

TEST(MusicCaptionTest, FirstLetterUpperTheRestLower) {
    const struct {
        const char* file;
        const char* caption;
    } cases[] = {
        {"b.MID", "B"},     {"canon.mid", "Canon"}, {"GREEN SLEEVES.Mid", "Green sleeves"},
        {"été.mid", "été"}, {"ÉTÉ.mid", "ÉtÉ"},     {"1st.mid", "1st"},
        {".mid", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(musicCaption(c.file), c.caption) << c.file;
    }
}

TEST_F(MusicListTest, PiecesAreMidFilesInCaptionOrderWithTheirRealNames) {
    for (const char* name : {"b.MID", "a.mid", "c.mid", "notes.txt", "mid", "xmid", "song.midi", "Zed.Mid"}) {
        addPiece(name);
    }
    std::filesystem::create_directory(m_folder / "Musics" / "folder.mid");

    const auto pieces = findMusicPieces(m_folder / "Musics");
    std::vector<std::string> captions;
    std::vector<std::string> files;
    for (const auto& piece : pieces) {
        captions.push_back(piece.caption);
        files.push_back(piece.file.string());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"A", "B", "C", "Zed"}));
    EXPECT_EQ(files, (std::vector<std::string>{"a.mid", "b.MID", "c.mid", "Zed.Mid"}));
}

TEST_F(MusicListTest, MissingOrEmptyFolderHasNoPiece) {
    EXPECT_TRUE(findMusicPieces(m_folder / "Musics").empty());
    EXPECT_TRUE(findMusicPieces(m_folder / "Nothing here").empty());
}

}  // namespace
}  // namespace orbeni
