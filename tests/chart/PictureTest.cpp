// SPDX-License-Identifier: GPL-3.0-or-later
// The picture strip: loading each sample picture, the placeholder tile and text, and the decoder's byte
// source.
#include "ChartCanvas.h"
#include "UniformGif.h"

#include "chart/ChartText.h"
#include "chart/PictureDecoder.h"

#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace plenta::test {
namespace {

const std::filesystem::path DATA = std::filesystem::path(PLENTA_TEST_DATA) / "chart";
constexpr int STRIP_TOP = 204; // the base line covers the strip's first row

// The sample decoded by Qt directly from its file, as the reference for what the strip shows.
QImage Direct(const char *name) {
    return QImage(QString::fromStdString((DATA / name).string())).convertToFormat(QImage::Format_RGB32);
}

TEST(PictureStrip, ShowsTheDecodedPicturesTopLeftOnWhite) {
    struct Case {
        const char *name;
        QSize size;
    };
    const Case cases[] = {
        {"strip-240x90.gif", {240, 90}},
        {"small-100x50.gif", {100, 50}},
        {"large-400x200.gif", {400, 200}},
        // The picture the package ships, written by the project's own GIF writer.
        {"../../../res/images/plenta.gif", {240, 90}},
    };
    for (const Case &c : cases) {
        const Picture picture = LoadPicture(DATA / c.name);
        ASSERT_TRUE(picture.decoded) << c.name;
        EXPECT_EQ(picture.bitmap.size(), c.size) << c.name;
        const QImage reference = Direct(c.name);
        const QImage chart = Paint(DayPointTable{}, QuietStats(), picture);
        int wrong = 0;
        for (int y = 1; y < PICTURE_STRIP_HEIGHT; ++y) {
            for (int x = 0; x < PICTURE_STRIP_WIDTH; ++x) {
                const bool inside = x < reference.width() && y < reference.height();
                wrong += At(chart, x, STRIP_TOP + y) != (inside ? reference.pixel(x, y) : WHITE) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST(PictureStrip, FilesThatDoNotGiveAPictureShowThePlaceholder) {
    const std::filesystem::path cases[] = {
        DATA / "no-such-picture.gif",
        DATA / "empty.gif",
        DATA / "truncated.gif",
        DATA / "not-a-gif.gif",
        DATA, // a folder opens but reads nothing
    };
    const QImage tile = LoadPictureTile();
    ASSERT_EQ(tile.size(), QSize(7, 90));
    for (const std::filesystem::path &path : cases) {
        const Picture picture = LoadPicture(path);
        EXPECT_FALSE(picture.decoded) << path;
        EXPECT_EQ(picture.surface, tile) << path;
        EXPECT_EQ(picture.path, QString::fromStdString(path.string())) << path;
        // The tile repeats every 7 pixels, the last copy cut at the window's edge, outside the text's box.
        const QImage chart = Paint(DayPointTable{}, QuietStats(), picture);
        const QRect textBox(QPoint(10, 223), QPoint(229, 293));
        int wrong = 0;
        for (int y = 1; y < PICTURE_STRIP_HEIGHT; ++y) {
            for (int x = 0; x < PICTURE_STRIP_WIDTH; ++x) {
                if (!textBox.contains(x, STRIP_TOP + y)) {
                    wrong += At(chart, x, STRIP_TOP + y) != tile.pixel(x % 7, y) ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << path;
    }
}

// Writes `bytes` as a picture file in `folder`.
std::filesystem::path PictureFile(const QTemporaryDir &folder, const QByteArray &bytes) {
    const std::filesystem::path path = folder.filePath(QStringLiteral("plenta.gif")).toStdString();
    QFile file(QString::fromStdString(path.string()));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

// A picture cut off inside its image data is no decoded picture, wherever the cut falls; one whose image
// data is whole shows even without its trailer.
TEST(PictureStrip, ACutPictureShowsThePlaceholder) {
    QFile sample(QString::fromStdString((DATA / "strip-240x90.gif").string()));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray strip = sample.readAll();
    const QByteArray uniform = UniformGif(300, 200, qRgb(200, 40, 40));
    struct Case {
        const char *name;
        QByteArray bytes;
        bool decoded;
    };
    const Case cases[] = {
        {"strip cut after its first data block", strip.left(1000), false},
        {"strip cut in the middle", strip.left(strip.size() / 2), false},
        {"strip without its data terminator and trailer", strip.left(strip.size() - 3), false},
        {"strip without its trailer", strip.left(strip.size() - 1), true},
        {"whole strip", strip, true},
        {"uniform cut in its data", uniform.left(uniform.size() - 4), false},
        {"whole uniform", uniform, true},
    };
    QTemporaryDir folder;
    for (const Case &c : cases) {
        const Picture picture = LoadPicture(PictureFile(folder, c.bytes));
        EXPECT_EQ(picture.decoded, c.decoded) << c.name;
        if (!c.decoded) {
            EXPECT_EQ(picture.surface, LoadPictureTile()) << c.name;
        }
    }
}

// A valid picture far beyond Qt's default allocation limit decodes within the stated bound and shows: 6000 x
// 6000 fits 480 x 480 into the 800 x 480 output, whose top-left 240 x 90 pixels the strip shows.
TEST(PictureStrip, ALargePictureShowsWithinItsMemoryBound) {
    const QByteArray gif = UniformGif(6000, 6000, qRgb(200, 40, 40));
    QTemporaryDir folder;
    const std::filesystem::path path = PictureFile(folder, gif);
    const auto residentKiB = [] {
        long pages = 0, resident = 0;
        std::FILE *statm = std::fopen("/proc/self/statm", "r");
        EXPECT_EQ(std::fscanf(statm, "%ld %ld", &pages, &resident), 2);
        std::fclose(statm);
        return resident * (::sysconf(_SC_PAGESIZE) / 1024);
    };
    const long before = residentKiB();
    const Picture picture = LoadPicture(path);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const long peakMiB = (usage.ru_maxrss - before) / 1024;
    std::printf("6000 x 6000 GIF of %lld bytes: peak memory %ld MiB above the start\n",
                static_cast<long long>(gif.size()), peakMiB);
    EXPECT_LT(peakMiB, DECODE_LIMIT_MIB);
    ASSERT_TRUE(picture.decoded);
    EXPECT_EQ(picture.bitmap.size(), QSize(480, 480));
    const QImage chart = Paint(DayPointTable{}, QuietStats(), picture);
    EXPECT_EQ(CountOf(chart, QRect(0, STRIP_TOP + 1, 240, 89), qRgb(200, 40, 40)), 240 * 89);
}

// The ink of the placeholder text inside its box, with the tile's pale pixels ignored.
QImage TextInk(const QImage &chart) {
    QImage ink(chart.size(), QImage::Format_RGB32);
    ink.fill(Qt::white);
    for (int y = 205; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (At(chart, x, y) == BLACK) {
                ink.setPixel(x, y, BLACK);
            }
        }
    }
    return ink;
}

// The placeholder text's ink for a picture path, as bytes to compare.
std::string TextInkOf(const std::string &path) {
    const QImage ink = TextInk(Paint(DayPointTable{}, QuietStats(), LoadPicture(path)));
    return std::string(reinterpret_cast<const char *>(ink.constBits()),
                       static_cast<std::size_t>(ink.sizeInBytes()));
}

TEST(PictureStrip, PlaceholderTextNamesThePathCentredLineByLine) {
    const std::filesystem::path path = "/no/such/plenta.gif";
    const QImage ink = TextInk(Paint(DayPointTable{}, QuietStats(), LoadPicture(path)));
    QImage expected(240, 294, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(ChartFont());
        painter.drawText(QRect(10, 223, 220, 80), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Hier würde folgendes Bild mit\n240x90 Pixeln angezeigt\nwerden :\n"
                                        "/no/such/plenta.gif"));
    }
    EXPECT_EQ(ink, expected);
}

TEST(PictureStrip, LongPathsAreCutToFitTheBox) {
    const std::string longName = "/" + std::string(300, 'd') + "/plenta.gif";
    const std::string withLineBreak = "/odd\nfolder/" + std::string(40, 'e') + "/plenta.gif";
    for (const std::string &name : {longName, withLineBreak}) {
        const QImage ink = TextInk(Paint(DayPointTable{}, QuietStats(), LoadPicture(name)));
        const int lineSpacing = QFontMetrics(ChartFont()).lineSpacing();
        // The fourth line, allowing for the layout's own leading between lines.
        const QRect pathLine(QPoint(10, 223 + 3 * lineSpacing), QPoint(229, 223 + 5 * lineSpacing - 1));
        int inside = 0, outside = 0;
        for (int y = 205; y < 294; ++y) {
            for (int x = 0; x < 240; ++x) {
                const bool black = At(ink, x, y) == BLACK;
                inside += black && pathLine.contains(x, y) ? 1 : 0;
                outside += black && !QRect(QPoint(10, 223), QPoint(229, 293)).contains(x, y) ? 1 : 0;
            }
        }
        EXPECT_GT(inside, 20) << "the path's line shows";
        EXPECT_EQ(outside, 0) << "nothing beyond the box";
        EXPECT_EQ(CountOf(ink, QRect(QPoint(10, 223 + 5 * lineSpacing), QPoint(229, 293)), BLACK), 0)
            << "no fifth line";
    }
}

// Separators and bytes that are no UTF-8 would break the path's line or show as boxes; each shows as '?'.
TEST(PictureStrip, PlaceholderShowsOddPathCharactersAsQuestionMarks) {
    const std::string expected = TextInkOf("/a?b?c?d?e/plenta.gif");
    const std::string odd = "/a\u2028b\u2029c\xFF"
                            "d\te/plenta.gif";
    EXPECT_EQ(TextInkOf(odd), expected);
}

TEST(PictureStrip, ReleaseDropsTheSurfaceAndTheBitmap) {
    Picture picture = LoadPicture(DATA / "small-100x50.gif");
    ASSERT_FALSE(picture.surface.isNull());
    ReleasePicture(picture);
    EXPECT_TRUE(picture.surface.isNull());
    EXPECT_TRUE(picture.bitmap.isNull());
}

TEST(PictureData, ReadsFromTheOpenFileOnly) {
    const std::string gif = (DATA / "small-100x50.gif").string();
    const int file = ::open(gif.c_str(), O_RDONLY);
    ASSERT_GE(file, 0);
    const int writeOnly = ::open("/dev/null", O_WRONLY);
    ASSERT_GE(writeOnly, 0);
    std::array<char, 4096> buffer{};
    struct Case {
        const char *name;
        std::intptr_t userValue;
        std::uint32_t size;
        std::uint32_t expected;
    };
    const auto fileSize = static_cast<std::uint32_t>(std::filesystem::file_size(gif));
    const Case cases[] = {
        {"the invalid handle", -1, 16, 0},
        {"the first bytes", file, 6, 6},
        {"the rest", file, 4096, fileSize - 6},
        {"the end", file, 4096, 0},
        {"a failed read", writeOnly, 16, 0},
        {"no such descriptor", 1 << 20, 16, 0},
        {"beyond the descriptor range", std::intptr_t{1} << 40, 16, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ReadPictureData(buffer.data(), c.size, c.userValue), c.expected) << c.name;
    }
    ::lseek(file, 0, SEEK_SET);
    ASSERT_EQ(ReadPictureData(buffer.data(), 6, file), 6u);
    EXPECT_EQ(std::string_view(buffer.data(), 6).substr(0, 3), "GIF");
    ::close(file);
    ::close(writeOnly);
}

// A source in memory that counts the decoder's requests.
struct MemorySource {
    QByteArray bytes;
    qsizetype offset = 0;
    int calls = 0;
};

std::uint32_t ReadMemory(void *buffer, std::uint32_t size, std::intptr_t userValue) {
    auto *source = reinterpret_cast<MemorySource *>(userValue);
    ++source->calls;
    const auto count =
        static_cast<std::uint32_t>(std::min<qsizetype>(size, source->bytes.size() - source->offset));
    std::memcpy(buffer, source->bytes.constData() + source->offset, count);
    source->offset += count;
    return count;
}

QByteArray Sample(const char *name) {
    QFile file(QString::fromStdString((DATA / name).string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureDecoder, TakesEveryByteThroughTheReadFunctionAndFitsTheOutput) {
    struct Case {
        const char *name;
        QByteArray bytes;
        int bitsPerPixel;
        QSize size;
        QImage::Format format;
    };
    const QRgb red = qRgb(200, 40, 40);
    const Case cases[] = {
        {"large-400x200.gif", Sample("large-400x200.gif"), 32, {400, 200}, QImage::Format_RGB32},
        {"small-100x50.gif", Sample("small-100x50.gif"), 16, {100, 50}, QImage::Format_RGB16},
        {"small-100x50.gif", Sample("small-100x50.gif"), 24, {100, 50}, QImage::Format_RGB888},
        {"small-100x50.gif", Sample("small-100x50.gif"), 32, {100, 50}, QImage::Format_RGB32},
        {"wide", UniformGif(1600, 200, red), 32, {800, 100}, QImage::Format_RGB32},
        {"tall", UniformGif(200, 1000, red), 32, {96, 480}, QImage::Format_RGB32},
        {"long and thin", UniformGif(8000, 4, red), 32, {800, 1}, QImage::Format_RGB32},
        {"truncated.gif", Sample("truncated.gif"), 32, {0, 0}, QImage::Format_Invalid},
        {"empty.gif", Sample("empty.gif"), 32, {0, 0}, QImage::Format_Invalid},
    };
    for (const Case &c : cases) {
        MemorySource source{c.bytes};
        const QImage bitmap = DecodePicture({.readData = ReadMemory,
                                             .userValue = reinterpret_cast<std::intptr_t>(&source),
                                             .bitsPerPixel = c.bitsPerPixel});
        EXPECT_EQ(bitmap.size(), c.size) << c.name;
        EXPECT_EQ(bitmap.format(), c.format) << c.name;
        EXPECT_GT(source.calls, 0) << c.name;
        if (c.size == QSize(100, 50) && c.bitsPerPixel == 32) {
            EXPECT_EQ(bitmap, Direct(c.name));
        }
    }
}

} // namespace
} // namespace plenta::test
