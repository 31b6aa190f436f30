#include "morvane/ui/dialogs/dialog_parts.h"

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace morvane {

QLineEdit* makeReadOnlyField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QLineEdit* makePathField(const QString& objectName, const QString& path, QWidget* parent) {
    constexpr int kPathFieldCharacters = 36;
    QLineEdit* field = makeReadOnlyField(objectName, parent);
    field->setText(path);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kPathFieldCharacters);
    return field;
}

QDialogButtonBox* makeButtonBox(QDialog* dialog, QDialogButtonBox::StandardButtons buttons) {
    auto* box = new QDialogButtonBox(buttons, dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QString pickFile(QWidget* parent, const QString& caption, const QString& initialName, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, initialName, filter);
}

void centreOnScreen(QWidget* dialog) {
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

}  // namespace morvane
