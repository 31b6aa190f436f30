#include "orbeni/ui/configu_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "orbeni/ui/dialogs/ok_glyph.h"

namespace orbeni {

TConfigu::TConfigu(const QString& playerName, const QIcon& okGlyph, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Enter your name"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Your name"), this));
    auto* name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("PlayerName"));
    name->setMaxLength(kPlayerNameLength);
    name->setText(playerName);
    layout->addWidget(name);
    QPushButton* ok = makeOkButton(QStringLiteral("OK"), okGlyph, this);
    ok->setObjectName(QStringLiteral("OK"));
    layout->addWidget(ok);
    connect(name, &QLineEdit::textChanged, this, &TConfigu::PlayerNameChange);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orbeni
