#include "orbeni/ui/dialogs/aide_dialog.h"

#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>
#include <optional>

#include "orbeni/ui/dialogs/rules_page.h"
#include "orbeni/ui/dialogs/tiles_chart.h"
#include "orbeni/view/rtf_to_html.h"

namespace orbeni {

namespace {

// A notes file larger than this is not ours: it is refused like a missing one.
constexpr std::uintmax_t kMaxNotesBytes = 4 * 1024 * 1024;
constexpr QSize kPageSize(440, 440);

std::optional<std::string> readNotes(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxNotesBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return in.bad() ? std::nullopt : std::optional<std::string>(std::move(text));
}

QTextBrowser* makeTextPage(const QString& html, const QString& name, QWidget* parent) {
    auto* page = new QTextBrowser(parent);
    page->setObjectName(name);
    page->setReadOnly(true);
    page->setOpenLinks(false);
    page->setHtml(html);
    return page;
}

// Shows the chart whole, centred on its page.
QWidget* makeTilesPage(const platform::Bitmap& tileImages, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("Tiles"));
    auto* chart = new QLabel(page);
    chart->setObjectName(QStringLiteral("TilesChart"));
    chart->setPixmap(QPixmap::fromImage(drawTilesChart(tileImages)));
    chart->setFixedSize(kTilesChartWidth, kTilesChartHeight);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(chart, 0, Qt::AlignCenter);
    return page;
}

}  // namespace

platform::Result<std::unique_ptr<TAide>> TAide::create(const std::filesystem::path& programFolder,
                                                       const platform::Bitmap& tileImages, QWidget* parent) {
    std::error_code error;
    std::filesystem::path notes = std::filesystem::absolute(programFolder / "orbeni.rtf", error);
    if (error) {
        notes = programFolder / "orbeni.rtf";
    }
    const std::optional<std::string> rtf = readNotes(notes);
    if (!rtf) {
        return platform::Result<std::unique_ptr<TAide>>::failure("Cannot open file " + notes.string());
    }
    return std::unique_ptr<TAide>(new TAide(rtfToHtml(*rtf), tileImages, parent));
}

TAide::TAide(const std::string& notesHtml, const platform::Bitmap& tileImages, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TAide"));
    setWindowTitle(QStringLiteral("Orbeni Help"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pages"));
    pages->addTab(makeTextPage(rulesHtml(), QStringLiteral("Rules"), pages), QStringLiteral("Règles"));
    pages->addTab(makeTilesPage(tileImages, pages), QStringLiteral("Tiles"));
    pages->addTab(makeTextPage(QString::fromStdString(notesHtml), QStringLiteral("Notes"), pages),
                  QStringLiteral("Notes"));
    pages->setMinimumSize(kPageSize);
    layout->addWidget(pages);
}

}  // namespace orbeni
