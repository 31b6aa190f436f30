// The About box and the reminder of how to leave full-screen mode.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"

namespace morvane {

namespace {

constexpr int kIconSize = 48;

// The program icon, or the desktop's information sign when the program has none.
QLabel* makeIcon(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setObjectName(QStringLiteral("Icon"));
    QIcon picture = QApplication::windowIcon();
    if (picture.isNull()) {
        picture = parent->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    icon->setPixmap(picture.pixmap(kIconSize, kIconSize));
    icon->setFixedSize(kIconSize, kIconSize);
    return icon;
}

}  // namespace

void showAboutBox(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("About"));
    dialog.setWindowTitle(QStringLiteral("About morvane"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(makeIcon(&dialog), 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    auto* version = new QLabel(QStringLiteral("Morvane  Version 1.00"), &dialog);
    version->setObjectName(QStringLiteral("Version"));
    version->setTextFormat(Qt::PlainText);
    QFont emphasis = version->font();
    emphasis.setBold(true);
    emphasis.setPointSizeF(emphasis.pointSizeF() * 1.2);
    version->setFont(emphasis);
    words->addWidget(version);
    auto* what = new QLabel(QStringLiteral("A layered tile game played from game files."), &dialog);
    what->setStyleSheet(QStringLiteral("color: #606060;"));
    words->addWidget(what);
    top->addLayout(words, 1);
    top->addSpacing(24);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(makeButtonBox(&dialog, QDialogButtonBox::Ok));
    dialog.exec();
}

bool showFullScreenReminder(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Reminder"));
    dialog.setWindowTitle(QStringLiteral("Important Reminder!!"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* text = new QLabel(QStringLiteral("To end full screen mode, press ALT-F!!"), &dialog);
    QFont emphasis = text->font();
    emphasis.setBold(true);
    text->setFont(emphasis);
    layout->addWidget(text);
    layout->addSpacing(6);
    auto* dontRemind = new QCheckBox(QStringLiteral("Don't display this reminder again"), &dialog);
    dontRemind->setObjectName(QStringLiteral("DontRemind"));
    layout->addWidget(dontRemind);
    layout->addSpacing(6);
    layout->addWidget(makeButtonBox(&dialog, QDialogButtonBox::Ok));
    return dialog.exec() == QDialog::Accepted && dontRemind->isChecked();
}

}  // namespace morvane
