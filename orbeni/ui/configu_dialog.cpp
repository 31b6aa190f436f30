#include "orbeni/ui/configu_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbeni {

TConfigu::TConfigu(const QString& playerName, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Enter your name"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Your name"), this));
    auto* name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("PlayerName"));
    name->setMaxLength(kPlayerNameLength);
    name->setText(playerName);
    layout->addWidget(name);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    layout->addWidget(ok);
    connect(name, &QLineEdit::textChanged, this, &TConfigu::PlayerNameChange);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orbeni
