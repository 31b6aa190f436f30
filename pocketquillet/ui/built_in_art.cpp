#include "pocketquillet/ui/built_in_art.h"

#include <QFile>

#include "platform/bitmap/bmp_file.h"

namespace pocketquillet {

namespace {

std::vector<std::uint8_t> resourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/pocketquillet/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

platform::Bitmap picture(const QString& name) {
    const std::vector<std::uint8_t> bytes = resourceBytes(name);
    if (bytes.empty()) {
        return {};
    }
    platform::Result<platform::Bitmap> bitmap = platform::readBmp(bytes);
    return bitmap ? std::move(bitmap).value() : platform::Bitmap();
}

}  // namespace

BuiltInArt::BuiltInArt() {
    m_pictures.stones = picture(QStringLiteral("stones.bmp"));
    m_pictures.start = picture(QStringLiteral("start.bmp"));
    m_pictures.pattern = picture(QStringLiteral("pattern.bmp"));
    if (QFile::exists(QStringLiteral(":/pocketquillet/icon.png"))) {
        m_icon = QIcon(QStringLiteral(":/pocketquillet/icon.png"));
    }
    for (const char* name : {"QZ1", "QZ2", "QZ3", "QZ4", "QZ6", "QZ7", "QZ8", "QZ9", "QZ10", "QZ11"}) {
        std::vector<std::uint8_t> bytes = resourceBytes(QLatin1String(name) + QStringLiteral(".wav"));
        if (!bytes.empty()) {
            m_waves.emplace(name, std::move(bytes));
        }
    }
}

std::span<const std::uint8_t> BuiltInArt::wave(std::string_view name) const {
    const auto found = m_waves.find(name);
    return found == m_waves.end() ? std::span<const std::uint8_t>()
                                  : std::span<const std::uint8_t>(found->second);
}

}  // namespace pocketquillet
