#include "modal_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace morvane {

namespace {

void waitForModal(const QPointer<QWidget>& outer, const std::function<void(QDialog&)>& step) {
    QTimer::singleShot(5, [outer, step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == outer.data() || !dialog->isVisible()) {
            waitForModal(outer, step);
            return;
        }
        QPointer<QDialog> shown(dialog);
        step(*dialog);
        if (shown && shown->isVisible()) {
            shown->reject();
        }
    });
}

}  // namespace

void whenModalOpens(std::function<void(QDialog&)> step) {
    waitForModal(QPointer<QWidget>(QApplication::activeModalWidget()), step);
}

QAbstractButton* buttonWithText(QWidget& dialog, const QString& text) {
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

QStringList shownTexts(QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        texts << group->title();
    }
    return texts;
}

void pressButton(QDialog& dialog, QDialogButtonBox::StandardButton button) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    if (box != nullptr && box->button(button) != nullptr) {
        box->button(button)->click();
    }
}

}  // namespace morvane

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = morvane::runDialogsTest(argc, argv);
    failures += morvane::runGameSettingsDialogTest(argc, argv);
    return failures;
}
