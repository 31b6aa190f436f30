// The dialogs of a won game: the time, the name of a new hall-of-fame entry, the hall of fame.

#include <QDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "morvane/game/hall_of_fame.h"
#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"

namespace morvane {

namespace {

constexpr int kNameLength = static_cast<int>(kNameCapacity) - 1;
constexpr int kNameFieldCharacters = 32;
constexpr int kWonDialogWidth = 340;
constexpr int kNameColumnWidth = 260;
constexpr int kTimeColumnWidth = 80;
constexpr int kAuthenticationColumnWidth = 120;

QLabel* makeHeadline(const QString& text, QWidget* parent) {
    auto* headline = new QLabel(text, parent);
    headline->setObjectName(QStringLiteral("Headline"));
    QFont emphasis = headline->font();
    emphasis.setBold(true);
    emphasis.setPointSizeF(emphasis.pointSizeF() * 1.3);
    headline->setFont(emphasis);
    return headline;
}

// Keeps a name within the 49 bytes an entry holds, so that cutting it there never splits a letter
// that takes more than one byte.
void keepNameWithinEntry(QLineEdit* name) {
    QString text = name->text();
    while (text.toUtf8().size() > kNameLength) {
        text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
    }
    if (text != name->text()) {
        name->setText(text);
    }
}

QTableWidget* makeHallOfFameTable(const HallOfFameRows& rows, QWidget* parent) {
    auto* table = new QTableWidget(kHallOfFameEntries, 3, parent);
    table->setObjectName(QStringLiteral("HallOfFame"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Time"), QStringLiteral("Authentication")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const int widths[] = {kNameColumnWidth, kTimeColumnWidth, kAuthenticationColumnWidth};
    for (int row = 0; row < kHallOfFameEntries; ++row) {
        const HallOfFameRow& entry = rows[static_cast<std::size_t>(row)];
        const QString texts[] = {toQString(entry.name), toQString(entry.time),
                                 toQString(entry.authentication)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
    int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
    for (int column = 0; column < 3; ++column) {
        table->setColumnWidth(column, widths[column]);
        width += widths[column];
    }
    const int height = table->horizontalHeader()->sizeHint().height() +
                       kHallOfFameEntries * table->verticalHeader()->defaultSectionSize() +
                       2 * table->frameWidth();
    table->setFixedSize(width, height);
    return table;
}

}  // namespace

QString askWinnerName(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("WinnerName"));
    dialog.setWindowTitle(QStringLiteral("Congratulations"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeHeadline(QStringLiteral("You've made the Hall of Fame for this game!!"), &dialog));
    layout->addWidget(new QLabel(QStringLiteral("Please type your name and press Enter."), &dialog));
    auto* name = new QLineEdit(&dialog);
    name->setObjectName(QStringLiteral("Name"));
    name->setMaxLength(kNameLength);
    name->setMinimumWidth(name->fontMetrics().averageCharWidth() * kNameFieldCharacters);
    QObject::connect(name, &QLineEdit::textChanged, name, [name] { keepNameWithinEntry(name); });
    QObject::connect(name, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
    layout->addWidget(name);
    layout->addSpacing(4);
    layout->addWidget(makeButtonBox(&dialog, QDialogButtonBox::Ok));
    name->setFocus();
    dialog.exec();
    return name->text();
}

WonChoice showWonDialog(QWidget* parent, const QString& time) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Won"));
    dialog.setWindowTitle(QStringLiteral("Congratulations"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addStrut(kWonDialogWidth);
    layout->addSpacing(4);
    layout->addWidget(makeHeadline(QStringLiteral("You've Won!!"), &dialog), 0, Qt::AlignHCenter);
    auto* form = new QFormLayout;
    QLineEdit* field = makeReadOnlyField(QStringLiteral("Time"), &dialog);
    field->setText(time);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000:00")) + 16);
    form->addRow(QStringLiteral("Your time is:"), field);
    form->setFormAlignment(Qt::AlignHCenter);
    layout->addLayout(form);
    layout->addSpacing(10);
    QDialogButtonBox* buttons = makeButtonBox(&dialog, QDialogButtonBox::Ok);
    QPushButton* hallOfFame =
        buttons->addButton(QStringLiteral("View Hall of Fame"), QDialogButtonBox::ActionRole);
    bool viewHallOfFame = false;
    QObject::connect(hallOfFame, &QPushButton::clicked, &dialog, [&] {
        viewHallOfFame = true;
        dialog.accept();
    });
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    dialog.exec();
    return viewHallOfFame ? WonChoice::ViewHallOfFame : WonChoice::Ok;
}

void showHallOfFameDialog(QWidget* parent, const HallOfFameRows& rows) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("HallOfFameDialog"));
    dialog.setWindowTitle(QStringLiteral("Hall of Fame"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeHallOfFameTable(rows, &dialog));
    layout->addWidget(makeButtonBox(&dialog, QDialogButtonBox::Ok));
    dialog.exec();
}

}  // namespace morvane
