// CMorvaneView as the game's host: repaints, sounds, the tile picture, messages and dialogs.

#include <QMessageBox>
#include <system_error>

#include "morvane/game/program_info.h"
#include "morvane/game/tile_set.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/ui/morvane_view.h"
#include "platform/audio/wave_player.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/qt/conversions.h"

namespace morvane {

namespace {

constexpr TileImageSize kBuiltInTileSize{44, 59, 6};
constexpr std::chrono::milliseconds kSoundTail{250};

}  // namespace

void CMorvaneView::playSound(SoundSlot, const std::string& file) {
    testSound(file);
}

// A new sound cuts off the one playing; a missing file is silent, and told once. A bare name that
// is not in the current folder is one of the program's own sounds.
void CMorvaneView::testSound(const std::string& name) {
    std::error_code error;
    std::string file = name;
    if (!std::filesystem::is_regular_file(file, error) && std::filesystem::path(name).is_relative()) {
        file = (m_programFolder / name).string();
    }
    if (!std::filesystem::is_regular_file(file, error)) {
        tellOnce(file, tr("The sound %1 cannot be found; it stays silent.").arg(platform::qt::text(name)));
        return;
    }
    if (!m_sounds) {
        m_sounds = std::make_unique<platform::WavePlayer>(platform::MissingWave::Silence);
    }
    m_sounds->play(file);
    // The device closes a little after the sound, and opens again for the next one.
    m_soundEnded.start(m_sounds->timeLeft() + kSoundTail);
}

void CMorvaneView::letSoundDeviceGo() {
    m_soundEnded.stop();
    if (m_sounds) {
        m_sounds->closeWhenSilent();
    }
}

void CMorvaneView::toggleHighlight(const Position& tile) {
    invalidate(playGeometry().faceRect(tile));
}

void CMorvaneView::repaintTile(const Position& tile, TileRepaint kind) {
    invalidate(playGeometry().repaintRect(tile, kind));
}

void CMorvaneView::repaintDesignCell(int column, int row) {
    hideDesignCursor();
    invalidate(DesignGeometry(width(), height()).clickRepaintRect(column, row));
}

void CMorvaneView::repaintAll() {
    m_designCursor.reset();
    m_pictureStale = true;
    update();
}

// The built-in picture for "DEFAULT"; a custom one cut at the game's tile size. A picture that
// cannot be read shows the built-in tiles, so that the game stays playable, and is told once.
void CMorvaneView::loadTileBitmap(const std::string& path) {
    if (path == kDefaultName) {
        useBuiltInTiles();
        return;
    }
    platform::Result<platform::Bitmap> tiles = platform::loadBmp(path);
    if (!tiles) {
        tellOnce(path, tr("The tile picture %1 cannot be read (%2); the built-in tiles are shown.")
                           .arg(platform::qt::text(path), platform::qt::text(tiles.error())));
        useBuiltInTiles();
        return;
    }
    const GameSettings& settings = m_game.settings();
    m_painter.setTiles(std::move(tiles.value()), {settings.width, settings.height, settings.depth});
    repaintAll();
}

void CMorvaneView::useBuiltInTiles() {
    platform::Result<platform::Bitmap> tiles = platform::loadBmp(m_programFolder / "tiles.bmp");
    if (!tiles) {
        tellOnce("tiles.bmp",
                 tr("The built-in tile picture is missing (%1).").arg(platform::qt::text(tiles.error())));
    }
    m_painter.setTiles(
        tiles ? std::move(tiles.value()) : platform::Bitmap(426, 500, platform::rgb(0, 96, 64)),
        kBuiltInTileSize);
    repaintAll();
}

void CMorvaneView::tellOnce(const std::string& file, const QString& message) {
    if (m_reportedFiles.insert(file).second && statusMessage) {
        statusMessage(message);
    }
}

MessageAnswer CMorvaneView::messageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                                       MessageButtons buttons) {
    QMessageBox box(
        icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        platform::qt::text(caption), platform::qt::text(text),
        buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, this);
    return box.exec() == QMessageBox::Cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

std::string CMorvaneView::askWinnerName() {
    return morvane::askWinnerName(this).toStdString();
}

WonChoice CMorvaneView::showWonDialog(std::string_view time) {
    return morvane::showWonDialog(this, platform::qt::text(time));
}

void CMorvaneView::showHallOfFame(const HallOfFameRows& rows) {
    showHallOfFameDialog(this, rows);
}

}  // namespace morvane
