#include "pocketquillet/ui/dialogs/challenge_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/command_actions.h"
#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/view/dialog_texts.h"

namespace pocketquillet {

ChallengeDialog::ChallengeDialog(Language language, const ChallengeNames& last, QWidget* parent)
    : QDialog(parent) {
    const DialogTexts& texts = dialogTexts(language);
    setObjectName(QStringLiteral("challenge"));
    setWindowTitle(platform::qt::text(texts.challengeTitle));
    auto* layout = new QGridLayout(this);
    const std::array<const char*, 2> labels = {texts.player1, texts.player2};
    for (int i = 0; i < 2; ++i) {
        auto* name = new QLineEdit(QString::fromStdU16String(last[i]), this);
        name->setObjectName(QStringLiteral("player%1").arg(i + 1));
        name->setMaxLength(kPlayerNameLength);
        name->setMinimumWidth(220);
        auto* computer = new QPushButton(QStringLiteral("PC"), this);
        computer->setObjectName(QStringLiteral("pc%1").arg(i + 1));
        computer->setAutoDefault(false);
        connect(computer, &QPushButton::clicked, name,
                [name] { name->setText(QString::fromStdU16String(std::u16string(kComputerName))); });
        layout->addWidget(new QLabel(platform::qt::text(labels[i]), this), i, 0);
        layout->addWidget(name, i, 1);
        layout->addWidget(computer, i, 2);
        m_names[i] = name;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(platform::qt::text(texts.ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(platform::qt::text(texts.cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 2, 0, 1, 3);
}

std::optional<ChallengeNames> ChallengeDialog::ask() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ChallengeNames{m_names[0]->text().toStdU16String(), m_names[1]->text().toStdU16String()};
}

}  // namespace pocketquillet
