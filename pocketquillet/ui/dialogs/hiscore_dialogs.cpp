#include "pocketquillet/ui/dialogs/hiscore_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/qt/command_actions.h"
#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/view/dialog_texts.h"
#include "pocketquillet/view/hiscore_layout.h"

namespace pocketquillet {

namespace {

// The rows of the view in the fixed 12-pixel font, each at its place.
class HiscoreTableWidget : public QWidget {
public:
    HiscoreTableWidget(const HiscoreView& view, QWidget* parent) : QWidget(parent), m_view(view) {
        setObjectName(QStringLiteral("hiscoreRows"));
        m_font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
        m_font.setStyleHint(QFont::Monospace);
        m_font.setPixelSize(kRowHeight);
        setFixedSize(kTableWidth, kFirstRowY + kHiscoreEntries * kRowHeight + kTableBottomGap);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setFont(m_font);
        const int ascent = QFontMetrics(m_font).ascent();
        QFont bold = m_font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRect(kRankColumnX, 4, width() - 2 * kRankColumnX, kFirstRowY - 8),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         platform::qt::text(m_view.headline));
        painter.setFont(m_font);
        for (const HiscoreRow& row : m_view.rows) {
            const Rgb colour = rowColour(row.source);
            painter.setPen(QColor(colour.red, colour.green, colour.blue));
            const int baseline = rowTop(row.rank) + ascent;
            painter.drawText(kRankColumnX, baseline, QString::number(row.rank));
            painter.drawText(kPointsColumnX, baseline, QString::fromStdU16String(row.pointsText));
            painter.drawText(kNameColumnX, baseline, QString::fromStdU16String(row.name));
        }
    }

private:
    HiscoreView m_view;
    QFont m_font;
};

}  // namespace

ViewHiscoresDialog::ViewHiscoresDialog(const HiscoreView& view, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("viewHiscores"));
    setWindowTitle(QStringLiteral("View Hiscores"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new HiscoreTableWidget(view, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QTimer::singleShot(kHiscoreViewSeconds * 1000, this, &QDialog::accept);
}

EnterHiscoreDialog::EnterHiscoreDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("enterHiscore"));
    setWindowTitle(QStringLiteral("Enter Hiscore Table"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter your Name:"), this));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(kPlayerNameLength);
    m_name->setMinimumWidth(260);
    layout->addWidget(m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<std::u16string> EnterHiscoreDialog::ask() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_name->text().toStdU16String();
}

}  // namespace pocketquillet
