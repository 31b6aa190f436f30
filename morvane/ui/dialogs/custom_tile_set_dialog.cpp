// "Custom Tile Set Settings": how many suit and individual groups, and the size of each.

#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "morvane/game/tile_set.h"
#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/settings_sub_dialogs.h"

namespace morvane {

namespace {

// The dialog has room for nine groups of each kind, of at most nine members.
constexpr int kDialogGroups = 9;
constexpr int kLargestSpin = 9;
constexpr int kSuitColumn = 1;
constexpr int kIndiColumn = 2;
constexpr int kFirstSizeRow = 3;
constexpr int kSpinWidth = 64;

QSpinBox* makeSpin(const QString& objectName, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(0, kLargestSpin);
    spin->setValue(std::clamp(value, 0, kLargestSpin));
    spin->setAlignment(Qt::AlignRight);
    spin->setFixedWidth(kSpinWidth);
    return spin;
}

QFrame* makeRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

class CustomTileSetDialog : public QDialog {
public:
    CustomTileSetDialog(const TileSet& current, QWidget* parent) : QDialog(parent), m_tileSet(current) {
        setObjectName(QStringLiteral("CustomTileSet"));
        setWindowTitle(QStringLiteral("Custom Tile Set Settings"));
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addLayout(createGroupGrid());
        layout->addWidget(makeRule(this));
        layout->addLayout(createTilesCreated());
        layout->addWidget(createProblem());
        layout->addWidget(makeButtonBox(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
        takeValues();
    }

    const TileSet& tileSet() const { return m_tileSet; }

private:
    QGridLayout* createGroupGrid();
    QHBoxLayout* createTilesCreated();
    QLabel* createProblem();
    void takeValues();

    TileSet m_tileSet;
    QSpinBox* m_suits = nullptr;
    QSpinBox* m_indis = nullptr;
    std::array<QSpinBox*, kDialogGroups> m_suitSizes{};
    std::array<QSpinBox*, kDialogGroups> m_indiSizes{};
    QLineEdit* m_tilesCreated = nullptr;
    QLabel* m_problem = nullptr;
};

// Two columns, "Suits" and "Indis": the number of groups on top, the size of each group below.
QGridLayout* CustomTileSetDialog::createGroupGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setColumnMinimumWidth(0, 110);
    grid->addWidget(new QLabel(QStringLiteral("Suits"), this), 0, kSuitColumn, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Indis"), this), 0, kIndiColumn, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Groups:"), this), 1, 0);
    m_suits = makeSpin(QStringLiteral("Suits"), m_tileSet.suits, this);
    m_indis = makeSpin(QStringLiteral("Indis"), m_tileSet.indis, this);
    grid->addWidget(m_suits, 1, kSuitColumn);
    grid->addWidget(m_indis, 1, kIndiColumn);
    grid->addWidget(makeRule(this), 2, 0, 1, 3);
    for (int group = 0; group < kDialogGroups; ++group) {
        const int row = kFirstSizeRow + group;
        grid->addWidget(new QLabel(QStringLiteral("Group %1 size:").arg(group + 1), this), row, 0);
        m_suitSizes[group] =
            makeSpin(QStringLiteral("SuitSize%1").arg(group + 1), m_tileSet.suitSize(group), this);
        m_indiSizes[group] =
            makeSpin(QStringLiteral("IndiSize%1").arg(group + 1), m_tileSet.individualSize(group), this);
        grid->addWidget(m_suitSizes[group], row, kSuitColumn);
        grid->addWidget(m_indiSizes[group], row, kIndiColumn);
    }
    const QList<QSpinBox*> spins = findChildren<QSpinBox*>();
    for (QSpinBox* spin : spins) {
        connect(spin, &QSpinBox::valueChanged, this, &CustomTileSetDialog::takeValues);
    }
    return grid;
}

QHBoxLayout* CustomTileSetDialog::createTilesCreated() {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Tiles Created:"), this));
    m_tilesCreated = makeReadOnlyField(QStringLiteral("TilesCreated"), this);
    m_tilesCreated->setAlignment(Qt::AlignRight);
    m_tilesCreated->setFixedWidth(m_tilesCreated->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                  16);
    row->addWidget(m_tilesCreated);
    row->addStretch();
    return row;
}

// A line kept free below the count, so that the dialog keeps its size when a problem shows.
QLabel* CustomTileSetDialog::createProblem() {
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_problem->setWordWrap(true);
    m_problem->setMinimumHeight(2 * m_problem->fontMetrics().height());
    m_problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return m_problem;
}

// Reads every spin box into the tile set, counts its tiles and greys the sizes of groups that
// are not in use; a set the game cannot deal says why.
void CustomTileSetDialog::takeValues() {
    m_tileSet.suits = m_suits->value();
    m_tileSet.indis = m_indis->value();
    for (int group = 0; group < kDialogGroups; ++group) {
        m_tileSet.sizes[static_cast<std::size_t>(group)] = m_suitSizes[group]->value();
        m_tileSet.sizes[static_cast<std::size_t>(kGroupSlots + group)] = m_indiSizes[group]->value();
        m_suitSizes[group]->setEnabled(group < m_tileSet.suits);
        m_indiSizes[group]->setEnabled(group < m_tileSet.indis);
    }
    m_tilesCreated->setText(QString::number(countTiles(m_tileSet)));
    m_problem->setText(toQString(tileSetProblem(m_tileSet).value_or(std::string())));
}

}  // namespace

std::optional<TileSet> editCustomTileSet(QWidget* parent, const TileSet& current) {
    CustomTileSetDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.tileSet();
}

}  // namespace morvane
