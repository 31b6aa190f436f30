#include "orbeni/ui/orbeni_import.h"

#include <QFileDialog>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "orbeni/layouts/layout_import.h"
#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

namespace {

std::vector<std::filesystem::path> pathsOf(const QStringList& files) {
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files) {
        paths.emplace_back(file.toStdString());
    }
    return paths;
}

bool allImported(const std::vector<ImportOutcome>& outcomes) {
    return std::all_of(outcomes.begin(), outcomes.end(),
                       [](const ImportOutcome& outcome) { return outcome.imported; });
}

}  // namespace

int importFromCommandLine(const QStringList& files, const std::filesystem::path& programFolder,
                          const std::filesystem::path& userFolder) {
    LayoutList list;
    const std::filesystem::path playerFolder = playerLayoutsFolder(programFolder, userFolder);
    list.build(programFolder / "Layouts", playerFolder);
    const std::vector<ImportOutcome> outcomes = importLayoutFiles(pathsOf(files), playerFolder, list);
    for (const ImportOutcome& outcome : outcomes) {
        std::printf("%s\n", outcome.line.c_str());
    }
    return allImported(outcomes) && !outcomes.empty() ? 0 : 1;
}

// Layout > "Import layout...": the player picks KMahjongg and GNOME Mahjongg layout files. The
// dialog opens once the menu has let go of the item, since an import rebuilds the menu.
void TOrbeni::ImportLayoutClick() {
    QTimer::singleShot(0, this, [this] {
        const QStringList files = QFileDialog::getOpenFileNames(
            this, QStringLiteral("Import layout"), QString(),
            QStringLiteral("Layouts of other programs (*.layout *.map);;All files (*)"));
        if (!files.isEmpty()) {
            importLayouts(pathsOf(files));
        }
    });
}

void TOrbeni::importLayouts(const std::vector<std::filesystem::path>& files) {
    const std::vector<ImportOutcome> outcomes = m_layoutMenu.importLayouts(files);
    std::string text;
    for (const ImportOutcome& outcome : outcomes) {
        text += (text.empty() ? "" : "\n") + outcome.line;
    }
    m_host.ask("Import layout", text, Buttons::Ok, allImported(outcomes) ? Icon::Information : Icon::Warning);
    updateActions();
}

}  // namespace orbeni
