// Opens the pictures and sounds built into pocketquillet's window library, as the window and
// its tests find them: through Qt's resource paths.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <vector>

#include "platform/bitmap/bmp_file.h"

namespace {

std::vector<std::uint8_t> resource(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

TEST(PocketquilletResourcesTest, PicturesAndSoundsAreBuiltIn) {
    const struct {
        const char* path;
        int width;
        int height;
    } kPictures[] = {{":/pocketquillet/stones.bmp", 450, 75},
                     {":/pocketquillet/start.bmp", 481, 221},
                     {":/pocketquillet/pattern.bmp", 25, 25}};
    for (const auto& picture : kPictures) {
        const platform::Result<platform::Bitmap> bitmap = platform::readBmp(resource(picture.path));
        ASSERT_TRUE(bitmap) << picture.path;
        EXPECT_EQ(bitmap.value().width(), picture.width) << picture.path;
        EXPECT_EQ(bitmap.value().height(), picture.height) << picture.path;
    }
    EXPECT_FALSE(resource(":/pocketquillet/icon.png").empty());
    for (const char* sound : {":/pocketquillet/QZ1.wav", ":/pocketquillet/QZ2.wav", ":/pocketquillet/QZ3.wav",
                              ":/pocketquillet/QZ4.wav", ":/pocketquillet/QZ6.wav", ":/pocketquillet/QZ7.wav",
                              ":/pocketquillet/QZ8.wav", ":/pocketquillet/QZ9.wav",
                              ":/pocketquillet/QZ10.wav", ":/pocketquillet/QZ11.wav"}) {
        const std::vector<std::uint8_t> wav = resource(sound);
        ASSERT_GT(wav.size(), 44u) << sound;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << sound;
    }
}

}  // namespace
