#include "orbeni/ui/dialogs/randomiz_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "orbeni/ui/dialogs/ok_glyph.h"

namespace orbeni {

TRandomiz::TRandomiz(const QIcon& okGlyph, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TRandomiz"));
    setWindowTitle(QStringLiteral("Random Seed"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(
        new QLabel(QStringLiteral("Choose a specific game number (from 1 to 2,147,483,647)"), this));
    m_seed = new QLineEdit(this);
    m_seed->setObjectName(QStringLiteral("RandomSeed"));
    layout->addWidget(m_seed);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = makeOkButton(QStringLiteral("OK"), okGlyph, this);
    ok->setObjectName(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    cancel->setMinimumWidth(ok->minimumWidth());
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> TRandomiz::ask(int currentSeed) {
    m_seed->setText(QString::number(currentSeed));
    m_seed->selectAll();
    m_seed->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_seed->text().toStdString();
}

}  // namespace orbeni
