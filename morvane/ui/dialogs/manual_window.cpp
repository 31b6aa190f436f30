#include <QPointer>
#include <QTextBrowser>

#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/view/manual_text.h"

namespace morvane {

namespace {

constexpr QSize kManualSize(620, 720);

}  // namespace

// Shows the manual beside the game, so that the player can read and play at once; asking for it
// again brings the same window to the front.
void showManual(QWidget* parent) {
    static QPointer<QTextBrowser> manual;
    if (manual == nullptr) {
        manual = new QTextBrowser(parent);
        manual->setObjectName(QStringLiteral("Manual"));
        manual->setWindowFlag(Qt::Window);
        manual->setWindowTitle(QStringLiteral("Morvane Manual"));
        manual->setOpenExternalLinks(false);
        manual->document()->setDocumentMargin(16);
        manual->setHtml(QString::fromStdString(manualHtml()));
        manual->resize(kManualSize);
    }
    manual->show();
    manual->raise();
    manual->activateWindow();
}

}  // namespace morvane
