// "Custom Bitmap Settings": the picture the tiles are cut from and the size of one tile in it.

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/settings_sub_dialogs.h"

namespace morvane {

namespace {

// Sizes beyond this are no tile picture; negative ones would turn the board inside out.
constexpr int kLargestTileSize = 999;

QLineEdit* makeSizeField(const QString& objectName, int value, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(objectName);
    field->setValidator(new QIntValidator(0, kLargestTileSize, field));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    return field;
}

class CustomBitmapDialog : public QDialog {
public:
    CustomBitmapDialog(const BitmapChoice& current, QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("CustomBitmap"));
        setWindowTitle(QStringLiteral("Custom Bitmap Settings"));
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* form = new QFormLayout;
        m_width = makeSizeField(QStringLiteral("Width"), current.width, this);
        m_height = makeSizeField(QStringLiteral("Height"), current.height, this);
        m_depth = makeSizeField(QStringLiteral("Depth"), current.depth, this);
        form->addRow(QStringLiteral("Width"), m_width);
        form->addRow(QStringLiteral("Height"), m_height);
        form->addRow(QStringLiteral("Depth"), m_depth);
        form->addRow(QStringLiteral("File"), createFileRow(current.path));
        m_savePath = new QCheckBox(QStringLiteral("Save Path"), this);
        m_savePath->setObjectName(QStringLiteral("SavePath"));
        form->addRow(QString(), m_savePath);
        layout->addLayout(form);
        layout->addSpacing(6);
        layout->addWidget(makeButtonBox(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    }

    // An empty size field counts as 0, as the game has always read it.
    BitmapChoice bitmap() const {
        return {m_file->text().toStdString(), m_width->text().toInt(), m_height->text().toInt(),
                m_depth->text().toInt()};
    }

private:
    QHBoxLayout* createFileRow(const std::string& path);
    void changeFile();
    void useBuiltInBitmap();

    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_depth = nullptr;
    QLineEdit* m_file = nullptr;
    QCheckBox* m_savePath = nullptr;
};

QHBoxLayout* CustomBitmapDialog::createFileRow(const std::string& path) {
    auto* row = new QHBoxLayout;
    m_file = makePathField(QStringLiteral("File"), toQString(path), this);
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    change->setObjectName(QStringLiteral("Change"));
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &CustomBitmapDialog::changeFile);
    auto* builtIn = new QPushButton(QStringLiteral("DEFAULT"), this);
    builtIn->setObjectName(QStringLiteral("DEFAULT"));
    builtIn->setAutoDefault(false);
    connect(builtIn, &QPushButton::clicked, this, &CustomBitmapDialog::useBuiltInBitmap);
    row->addWidget(m_file, 1);
    row->addWidget(change);
    row->addWidget(builtIn);
    return row;
}

void CustomBitmapDialog::changeFile() {
    const QString picked = pickFile(this, QStringLiteral("Tile Bitmap"), QStringLiteral("*.BMP"),
                                    QStringLiteral("Bitmaps (*.BMP *.bmp);;All files (*)"));
    if (picked.isEmpty()) {
        return;
    }
    const SavePath savePath = m_savePath->isChecked() ? SavePath::Full : SavePath::BareName;
    m_file->setText(toQString(chosenFileName(picked.toStdString(), savePath)));
}

void CustomBitmapDialog::useBuiltInBitmap() {
    const BitmapChoice builtIn = defaultBitmap();
    m_file->setText(toQString(builtIn.path));
    m_width->setText(QString::number(builtIn.width));
    m_height->setText(QString::number(builtIn.height));
    m_depth->setText(QString::number(builtIn.depth));
}

}  // namespace

std::optional<BitmapChoice> editCustomBitmap(QWidget* parent, const BitmapChoice& current) {
    CustomBitmapDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.bitmap();
}

}  // namespace morvane
