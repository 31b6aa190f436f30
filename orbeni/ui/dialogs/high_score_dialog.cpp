#include "orbeni/ui/dialogs/high_score_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "orbeni/game/hall_of_fame.h"
#include "orbeni/ui/dialogs/ok_glyph.h"

namespace orbeni {

namespace {

constexpr int kNameLength = 8;

struct Column {
    const char* title;
    int width;
    Qt::Alignment alignment;
};
constexpr Column kScoreColumns[] = {
    {"Rk", 30, Qt::AlignLeft | Qt::AlignVCenter},
    {"Name", 150, Qt::AlignLeft | Qt::AlignVCenter},
    {"Time", 75, Qt::AlignCenter},
    {"Malus", 60, Qt::AlignCenter},
};

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

THighScore::THighScore(HallOfFame& hall, std::vector<std::string> layoutNames, int slot,
                       std::string playerName, ScoresOpening opening, const QIcon& okGlyph, QWidget* parent)
    : QDialog(parent),
      m_hall(hall),
      m_layoutNames(std::move(layoutNames)),
      m_playerName(std::move(playerName)) {
    setObjectName(QStringLiteral("THighScore"));
    setWindowTitle(QStringLiteral("High Scores"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    createLayoutComboBox(slot);
    createScores();
    createNameEntry(opening);
    layout->addWidget(m_layoutComboBox);
    layout->addWidget(m_label);
    layout->addWidget(m_scores);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addStretch();
    QPushButton* done = makeOkButton(QStringLiteral("Done"), okGlyph, this);
    done->setObjectName(QStringLiteral("Done"));
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(done);
    layout->addLayout(buttons);

    GenerateList(slot);
    fitScoresHeight();
    if (opening == ScoresOpening::NewEntry) {
        m_edit->setFocus();
    }
}

std::string THighScore::enteredName() const {
    const QString text = m_edit->text();
    return text == toQString(m_playerName).left(kNameLength) ? m_playerName : text.toStdString();
}

// Fills the list from one slot: rank, name, total time and the part of it that was penalties. A
// new entry's row stands out.
void THighScore::GenerateList(int slot) {
    m_scores->clear();
    for (const HallRow& row : m_hall.GenerateList(slot)) {
        if (row.rank == 0) {
            continue;
        }
        auto* item = new QTreeWidgetItem(m_scores, {QString::number(row.rank), toQString(row.name),
                                                    toQString(row.time), toQString(row.penalty)});
        item->setSizeHint(0, QSize(kScoreColumns[0].width, rowHeight()));
        for (int column = 0; column < m_scores->columnCount(); ++column) {
            item->setTextAlignment(column, kScoreColumns[column].alignment);
            if (row.rank == m_newRank) {
                QFont emphasis = m_scores->font();
                emphasis.setBold(true);
                item->setFont(column, emphasis);
            }
        }
    }
}

// Lists every layout under its name, then Rivers, and selects the slot being shown.
void THighScore::createLayoutComboBox(int slot) {
    m_layoutComboBox = new QComboBox(this);
    m_layoutComboBox->setObjectName(QStringLiteral("LayoutComboBox"));
    for (const std::string& name : m_layoutNames) {
        m_layoutComboBox->addItem(toQString(name) + QStringLiteral(" Layout"));
    }
    m_layoutComboBox->addItem(QStringLiteral("Mahjongg Rivers"));
    const int count = static_cast<int>(m_layoutNames.size());
    const int line = slot == kRiversSlot || slot < 1 || slot > count ? count : slot - 1;
    m_layoutComboBox->setCurrentIndex(line);
    connect(m_layoutComboBox, &QComboBox::currentIndexChanged, this, &THighScore::LayoutComboBoxChange);
}

void THighScore::createScores() {
    m_scores = new QTreeWidget(this);
    m_scores->setObjectName(QStringLiteral("Scores"));
    m_scores->setRootIsDecorated(false);
    m_scores->setUniformRowHeights(true);
    m_scores->setAlternatingRowColors(true);
    m_scores->setSelectionMode(QAbstractItemView::NoSelection);
    m_scores->setFocusPolicy(Qt::NoFocus);
    m_scores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scores->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scores->setColumnCount(int(std::size(kScoreColumns)));
    QTreeWidgetItem* header = m_scores->headerItem();
    int width = 0;
    for (int column = 0; column < int(std::size(kScoreColumns)); ++column) {
        header->setText(column, QString::fromLatin1(kScoreColumns[column].title));
        header->setTextAlignment(column, kScoreColumns[column].alignment);
        m_scores->setColumnWidth(column, kScoreColumns[column].width);
        width += kScoreColumns[column].width;
    }
    m_scores->header()->setSectionResizeMode(QHeaderView::Fixed);
    m_scores->header()->setStretchLastSection(false);
    m_scores->setFixedWidth(width + 2 * m_scores->frameWidth());
}

// The label and the name field are for a new entry only; browsing, the layouts list takes their place.
void THighScore::createNameEntry(ScoresOpening opening) {
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont emphasis = m_label->font();
    emphasis.setBold(true);
    emphasis.setPointSizeF(emphasis.pointSizeF() * 1.15);
    m_label->setFont(emphasis);
    m_label->setStyleSheet(QStringLiteral("color: #0a5a50;"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMaxLength(kNameLength);
    m_edit->setText(toQString(m_playerName));
    m_edit->setFixedWidth(m_edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * (kNameLength + 2));
    const bool newEntry = opening == ScoresOpening::NewEntry;
    if (newEntry) {
        m_newRank = m_hall.LastRank();
        m_label->setText(
            QStringLiteral("You reached rank #%1, %2 !").arg(m_hall.LastRank()).arg(toQString(m_playerName)));
    }
    m_label->setVisible(newEntry);
    m_edit->setVisible(newEntry);
    m_layoutComboBox->setVisible(!newEntry);
}

void THighScore::LayoutComboBoxChange(int lineIndex) {
    const int slot = HallOfFame::LayoutComboBoxChange(lineIndex, static_cast<int>(m_layoutNames.size()));
    if (slot > 0) {
        GenerateList(slot);
    }
}

// Sizes the list to show its ten rows whole, without a scroll bar.
void THighScore::fitScoresHeight() {
    m_scores->setFixedHeight(m_scores->header()->sizeHint().height() + kRanks * rowHeight() +
                             2 * m_scores->frameWidth());
}

int THighScore::rowHeight() const {
    return m_scores->fontMetrics().height() + 6;
}

}  // namespace orbeni
