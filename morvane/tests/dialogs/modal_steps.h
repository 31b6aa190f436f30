#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QDialog;
class QWidget;

namespace morvane {

// Runs a step on the next modal dialog other than the one open now, once it is shown. A dialog
// the step leaves open is rejected, so that a failing step never leaves a test waiting.
void whenModalOpens(std::function<void(QDialog&)> step);

// The button, check box or radio button of a dialog that reads this text; null when none does.
QAbstractButton* buttonWithText(QWidget& dialog, const QString& text);

// Every text the dialog shows: labels, buttons, group titles, form labels.
QStringList shownTexts(QWidget& dialog);

void pressButton(QDialog& dialog, QDialogButtonBox::StandardButton button);

int runDialogsTest(int argc, char** argv);
int runGameSettingsDialogTest(int argc, char** argv);

}  // namespace morvane
