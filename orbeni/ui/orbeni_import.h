#pragma once

#include <QStringList>
#include <filesystem>

namespace orbeni {

// "orbeni --import FILE...": imports other programs' layout files into the player's layouts
// without a window and prints one line for each layout; 0 when every one was imported.
int importFromCommandLine(const QStringList& files, const std::filesystem::path& programFolder,
                          const std::filesystem::path& userFolder);

}  // namespace orbeni
