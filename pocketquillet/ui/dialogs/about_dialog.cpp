#include "pocketquillet/ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/qt/command_actions.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/view/dialog_texts.h"

namespace pocketquillet {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(Language language, QWidget* parent) : QDialog(parent) {
    const DialogTexts& texts = dialogTexts(language);
    setObjectName(QStringLiteral("about"));
    setWindowTitle(platform::qt::text(texts.aboutTitle));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(
        platform::qt::text(kApplicationTitle) + QStringLiteral("  ") + platform::qt::text(kVersion), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    name->setFont(big);
    layout->addWidget(name);
    layout->addWidget(wrappedLabel(platform::qt::text(texts.rules), this));
    for (const char* mode : {texts.solitaireMode, texts.tournamentMode, texts.challengeMode}) {
        layout->addWidget(wrappedLabel(platform::qt::text(mode), this));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(platform::qt::text(texts.ok));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    QTimer::singleShot(kAutoCloseSeconds * 1000, this, &QDialog::accept);
}

}  // namespace pocketquillet
