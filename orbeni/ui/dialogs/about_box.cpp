#include "orbeni/ui/dialogs/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "orbeni/game/program_info.h"
#include "orbeni/ui/dialogs/ok_glyph.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

constexpr int kEmblemSize = 64;
constexpr int kTextWidth = 330;

QString programName() {
    return platform::qt::text(kApplicationTitle).trimmed();
}

// The new-game tile, enlarged; nothing when the picture is missing.
QLabel* makeEmblem(const std::filesystem::path& programFolder, QWidget* parent) {
    auto* emblem = new QLabel(parent);
    const QPixmap picture(QString::fromStdString((programFolder / "resources" / "newgame.png").string()));
    if (!picture.isNull()) {
        emblem->setPixmap(
            picture.scaled(kEmblemSize, kEmblemSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    emblem->setFixedSize(kEmblemSize, kEmblemSize);
    emblem->setAlignment(Qt::AlignCenter);
    return emblem;
}

QLabel* makeText(const QString& html, QWidget* parent) {
    auto* text = new QLabel(html, parent);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setFixedWidth(kTextWidth);
    return text;
}

QString creditsHtml() {
    return QStringLiteral(
        "<p>A Mah-Jongg solitaire for one player: take the 144 tiles off the heap in matching "
        "pairs of free tiles, on the classic layouts or on layouts of your own.</p>"
        "<p>Also in the box: <b>Mah-Jongg Rivers</b>, a hall of fame for every layout, a layout "
        "editor, three tilesets, three backgrounds, sound effects and music.</p>"
        "<p style=\"color:#606060\">Tiles, pictures, sounds and music drawn and composed for this "
        "program. Written in C++ with Qt.</p>");
}

}  // namespace

TAboutBox::TAboutBox(const std::filesystem::path& programFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About Orbeni"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(makeEmblem(programFolder, this), 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    auto* title =
        makeText(QStringLiteral("<span style=\"font-size:18pt; font-weight:bold; color:#0a5a50\">%1</span>"
                                "<br/><span style=\"color:#606060\">Mah-Jongg solitaire</span>")
                     .arg(programName().toHtmlEscaped()),
                 this);
    title->setObjectName(QStringLiteral("ProgramName"));
    words->addWidget(title);
    words->addWidget(makeText(creditsHtml(), this));
    top->addLayout(words);
    layout->addLayout(top);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = makeOkButton(QStringLiteral("OK"), okGlyph(programFolder), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

}  // namespace orbeni
