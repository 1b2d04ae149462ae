// The logo and the icon, byte by byte: the formats the window's resources
// must keep, and the copies embedded in the program equal to the files.
#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <cstdint>
#include <vector>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

int u8(const QByteArray &b, qsizetype at) {
    return static_cast<uint8_t>(b.at(at));
}
int be16(const QByteArray &b, qsizetype at) {
    return u8(b, at) << 8 | u8(b, at + 1);
}
int le16(const QByteArray &b, qsizetype at) {
    return u8(b, at) | u8(b, at + 1) << 8;
}
int64_t le32(const QByteArray &b, qsizetype at) {
    return int64_t(le16(b, at)) | int64_t(le16(b, at + 2)) << 16;
}

const QString kResources = QStringLiteral(QZ_WINDOW_RESOURCES);

TEST(Resources, LogoIsA3931ByteBaselineJfifWithoutSubsampling) {
    const QByteArray jpeg = readAll(kResources + "/logo.jpg");
    ASSERT_EQ(jpeg.size(), 3931);
    ASSERT_EQ(be16(jpeg, 0), 0xFFD8);                // SOI
    EXPECT_EQ(be16(jpeg, jpeg.size() - 2), 0xFFD9);  // EOI
    // APP0 first: JFIF 1.01, density in dots per inch, 72 by 72.
    ASSERT_EQ(be16(jpeg, 2), 0xFFE0);
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(u8(jpeg, 11), 1);
    EXPECT_EQ(u8(jpeg, 12), 1);
    EXPECT_EQ(u8(jpeg, 13), 1);
    EXPECT_EQ(be16(jpeg, 14), 72);
    EXPECT_EQ(be16(jpeg, 16), 72);

    // Walk the segments up to the scan: one frame header, and it is SOF0.
    std::vector<int> frames;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && u8(jpeg, at) == 0xFF && u8(jpeg, at + 1) != 0xDA) {
        const int marker = u8(jpeg, at + 1);
        const int length = be16(jpeg, at + 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            frames.push_back(marker);
            const qsizetype sof = at + 4;
            EXPECT_EQ(u8(jpeg, sof), 8);  // bits per sample
            EXPECT_EQ(be16(jpeg, sof + 1), 100);
            EXPECT_EQ(be16(jpeg, sof + 3), 100);
            ASSERT_EQ(u8(jpeg, sof + 5), 3);
            for (int c = 0; c < 3; ++c) EXPECT_EQ(u8(jpeg, sof + 6 + 3 * c + 1), 0x11);
        }
        at += 2 + length;
    }
    ASSERT_LT(at + 1, jpeg.size());
    EXPECT_EQ(u8(jpeg, at + 1), 0xDA) << "segments end in the scan";
    EXPECT_EQ(frames, std::vector<int>{0xC0});
}

TEST(Resources, IconHoldsThreeImagesOfTheStatedSizesAndDepths) {
    const QByteArray ico = readAll(kResources + "/talvexview.ico");
    ASSERT_GE(ico.size(), 6 + 3 * 16);
    EXPECT_EQ(le16(ico, 0), 0);
    EXPECT_EQ(le16(ico, 2), 1);  // an icon, not a cursor
    ASSERT_EQ(le16(ico, 4), 3);
    struct Want {
        int size, colours, bits;
    };
    const Want wants[] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const qsizetype entry = 6 + 16 * i;
        const Want &w = wants[i];
        EXPECT_EQ(u8(ico, entry), w.size);
        EXPECT_EQ(u8(ico, entry + 1), w.size);
        EXPECT_EQ(u8(ico, entry + 2), w.colours);
        EXPECT_EQ(le16(ico, entry + 6), w.bits);
        const int64_t bytes = le32(ico, entry + 8);
        const int64_t offset = le32(ico, entry + 12);
        ASSERT_LE(offset + bytes, ico.size());
        // The bitmap: its header, a palette of `colours`, the colour rows
        // and the transparency mask, rows padded to four bytes.
        EXPECT_EQ(le32(ico, offset), 40);
        EXPECT_EQ(le32(ico, offset + 4), w.size);
        EXPECT_EQ(le32(ico, offset + 8), 2 * w.size);
        EXPECT_EQ(le16(ico, offset + 12), 1);
        EXPECT_EQ(le16(ico, offset + 14), w.bits);
        EXPECT_EQ(le32(ico, offset + 16), 0);  // uncompressed
        const int64_t colourRow = ((w.size * w.bits + 31) / 32) * 4;
        const int64_t maskRow = ((w.size + 31) / 32) * 4;
        EXPECT_EQ(bytes, 40 + 4 * w.colours + (colourRow + maskRow) * w.size);
    }
}

TEST(Resources, ProgramCarriesTheFilesAndTheToolkitReadsThem) {
    EXPECT_EQ(readAll(":/logo.jpg"), readAll(kResources + "/logo.jpg"));
    EXPECT_EQ(readAll(":/talvexview.ico"), readAll(kResources + "/talvexview.ico"));
    EXPECT_EQ(QImage(":/logo.jpg").size(), QSize(100, 100));
    const QList<QSize> sizes = QIcon(":/talvexview.ico").availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

}  // namespace
