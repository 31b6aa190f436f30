#include "orbeni/ui/dialogs/ok_glyph.h"

#include <QPushButton>

namespace orbeni {

namespace {

constexpr int kMinimumButtonWidth = 88;

}  // namespace

QIcon okGlyph(const std::filesystem::path& programFolder) {
    const QPixmap picture(QString::fromStdString((programFolder / "resources" / "ok.png").string()));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

QPushButton* makeOkButton(const QString& caption, const QIcon& glyph, QWidget* parent) {
    auto* button = new QPushButton(glyph, caption, parent);
    button->setDefault(true);
    button->setAutoDefault(true);
    button->setMinimumWidth(kMinimumButtonWidth);
    return button;
}

}  // namespace orbeni
