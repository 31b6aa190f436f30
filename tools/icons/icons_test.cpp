// Checks the menu icons made for the three games: the sizes the icon theme's folders name, a
// transparent background around an opaque picture, the same picture at both sizes, and a
// scalable file that an SVG reader accepts.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <cstdlib>
#include <string>

namespace {

const QString kIconFolder = QStringLiteral(ICONS_DIR);
const char* const kPrograms[] = {"orbeni", "morvane", "pocketquillet"};

QImage loadIcon(const char* program, int side) {
    return QImage(kIconFolder + QStringLiteral("/%1-%2.png").arg(QLatin1String(program)).arg(side))
        .convertToFormat(QImage::Format_ARGB32);
}

double opaqueShare(const QImage& picture) {
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            opaque += qAlpha(picture.pixel(x, y)) > 200 ? 1 : 0;
        }
    }
    return double(opaque) / (picture.width() * picture.height());
}

TEST(IconsTest, PicturesHaveTheirThemeSizeAndATransparentBackground) {
    for (const char* program : kPrograms) {
        for (const int side : {48, 256}) {
            const QImage picture = loadIcon(program, side);
            ASSERT_EQ(picture.size(), QSize(side, side)) << program << " " << side;
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << program << " " << side;
            EXPECT_EQ(qAlpha(picture.pixel(side - 1, 0)), 0) << program << " " << side;
            EXPECT_GT(opaqueShare(picture), 0.3) << program << " " << side;
        }
    }
}

// The small icon is the large one drawn small, not a picture of its own.
TEST(IconsTest, SmallPictureShowsTheLargeOne) {
    for (const char* program : kPrograms) {
        const QImage small = loadIcon(program, 48);
        const QImage shrunk =
            loadIcon(program, 256).scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long difference = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                difference += std::abs(qAlpha(small.pixel(x, y)) - qAlpha(shrunk.pixel(x, y))) +
                              std::abs(qGreen(small.pixel(x, y)) - qGreen(shrunk.pixel(x, y)));
            }
        }
        EXPECT_LT(difference / (48 * 48), 24) << program;
    }
}

TEST(IconsTest, ScalableIconIsAWellFormedSquareSvg) {
    for (const char* program : kPrograms) {
        QFile file(kIconFolder + QStringLiteral("/%1.svg").arg(QLatin1String(program)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << program;
        QXmlStreamReader reader(&file);
        ASSERT_TRUE(reader.readNextStartElement()) << program;
        EXPECT_EQ(reader.name(), QStringLiteral("svg")) << program;
        EXPECT_EQ(reader.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
        int shapes = 0;
        while (reader.readNextStartElement()) {
            ++shapes;
            reader.skipCurrentElement();
        }
        EXPECT_FALSE(reader.hasError()) << program << ": " << reader.errorString().toStdString();
        EXPECT_GE(shapes, 6) << program;
    }
}

}  // namespace
