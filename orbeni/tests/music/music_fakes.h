#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orbeni/music/music_device.h"

namespace orbeni::testing {

// A sequencer that keeps what was asked of it; tests move its position by hand.
class FakeMusicDevice : public MusicDevice {
public:
    platform::Result<bool> open(const std::filesystem::path& file) override {
        calls.push_back("open " + file.filename().string());
        if (openError) {
            return platform::Result<bool>::failure(*openError);
        }
        openFile = file;
        isOpenNow = true;
        playing = false;
        currentPosition = 0;
        return true;
    }
    platform::Result<bool> play() override {
        return whenOpen("play", [&] { playing = true; });
    }
    platform::Result<bool> stop() override {
        return whenOpen("stop", [&] { playing = false; });
    }
    platform::Result<bool> seekToStart() override {
        return whenOpen("seek", [&] {
            currentPosition = 0;
            playing = false;
        });
    }
    void close() override {
        calls.push_back("close");
        isOpenNow = false;
        playing = false;
    }
    bool isOpen() const override { return isOpenNow; }
    bool isPlaying() const override { return isOpenNow && playing; }
    std::uint32_t startPosition() const override { return start; }
    std::uint32_t length() const override { return pieceLength; }
    std::uint32_t position() const override { return currentPosition; }

    std::vector<std::string> calls;
    std::optional<std::string> openError;
    std::filesystem::path openFile;
    bool isOpenNow = false;
    bool playing = false;
    std::uint32_t start = 0;
    std::uint32_t pieceLength = 1000;
    std::uint32_t currentPosition = 0;

private:
    template <class Change>
    platform::Result<bool> whenOpen(const char* call, Change change) {
        calls.push_back(call);
        if (!isOpenNow) {
            return platform::Result<bool>::failure("No MCI device open");
        }
        change();
        return true;
    }
};

class FakeWaveEffects : public WaveEffects {
public:
    void play(const std::filesystem::path& file) override { played.push_back(file); }
    std::chrono::milliseconds timeLeft() const override { return playingFor; }
    void closeWhenSilent() override {}
    std::vector<std::filesystem::path> played;
    std::chrono::milliseconds playingFor{};
};

class RecordingMusicHost : public MusicHost {
public:
    void showStatus(std::string_view text) override { statuses.emplace_back(text); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    std::vector<std::string> statuses;
    std::vector<std::string> errors;
};

// A program folder of its own for each test, removed afterwards. It is made when the test is
// constructed, so that members of a test can be given it.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("tilegames-music-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder / "Musics");
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path addPiece(const std::string& name, const std::string& contents = "MThd") const {
        const auto file = m_folder / "Musics" / name;
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    std::filesystem::path m_folder;
};

}  // namespace orbeni::testing
