#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "morvane/game/game_settings.h"
#include "morvane/game/host.h"

class QWidget;

namespace morvane {

// Plays a sound file now, whether or not sound is on (the Test buttons of Custom Sounds).
using TestSound = std::function<void(const std::string& file)>;

// The "Congratulations" prompt of a new hall-of-fame entry: the name typed (at most 49
// characters), possibly empty.
QString askWinnerName(QWidget* parent);

// The "Congratulations" dialog of a win that did not make the hall of fame, with its time.
WonChoice showWonDialog(QWidget* parent, const QString& time);

// The "Hall of Fame" dialog: ten rows of name, time and authentication.
void showHallOfFameDialog(QWidget* parent, const HallOfFameRows& rows);

// The Game Settings dialog with its three sub-dialogs: the settings chosen on OK, none on Cancel.
std::optional<GameSettings> editGameSettings(QWidget* parent, const GameSettings& current,
                                             const TestSound& testSound);

// "About morvane", with the program icon.
void showAboutBox(QWidget* parent);

// "Important Reminder!!" of full-screen mode; true when the player asked not to see it again.
bool showFullScreenReminder(QWidget* parent);

// The on-line manual: the game, its move rules, design mode and the game file's keys.
void showManual(QWidget* parent);

}  // namespace morvane
