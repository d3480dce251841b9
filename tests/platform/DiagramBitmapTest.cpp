#include <gtest/gtest.h>

#include <random>

#include "output/BitmapFiles.h"
#include "output/TempFolder.h"
#include "platform/DiagramBitmap.h"

namespace vorna {
namespace {

using testing::BitmapSpec;
using testing::MakeBitmap;
using testing::PutU32;

const Color kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

TEST(DiagramBitmap, DecodesPaletteAndDirectColourBitmapsTopRowFirst) {
    struct Case {
        const char* what;
        BitmapSpec spec;
    };
    BitmapSpec eight;
    BitmapSpec topDown = eight;
    topDown.height = -2;
    BitmapSpec four = eight;
    four.bits = 4;
    four.coloursUsed = 0;  // 16 colours: the table must hold them all
    four.palette.resize(16);
    BitmapSpec one = eight;
    one.bits = 1;
    one.coloursUsed = 2;
    one.palette = {kRed, kGreen};
    one.width = 9;  // crosses a byte boundary
    one.pixels = {0, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 0, 0};
    BitmapSpec direct = eight;
    direct.bits = 24;
    for (const Case& c :
         {Case{"8 bits", eight}, Case{"top-down rows", topDown}, Case{"4 bits", four},
          Case{"1 bit", one}, Case{"24 bits with a colour table", direct}}) {
        const auto image = DecodeDiagram(MakeBitmap(c.spec));
        ASSERT_TRUE(image) << c.what;
        EXPECT_EQ(image->width, c.spec.width) << c.what;
        EXPECT_EQ(image->height, std::abs(c.spec.height)) << c.what;
        ASSERT_EQ(image->pixels.size(), c.spec.pixels.size()) << c.what;
        for (std::size_t i = 0; i < c.spec.pixels.size(); ++i) {
            EXPECT_EQ(image->pixels[i], c.spec.palette[static_cast<std::size_t>(c.spec.pixels[i])])
                << c.what << ", pixel " << i;
        }
    }
    EXPECT_EQ(DecodeDiagram(MakeBitmap(eight))->pixels[0], kRed);
    EXPECT_EQ(DecodeDiagram(MakeBitmap(eight))->pixels[2], kBlue);
}

TEST(DiagramBitmap, RefusesBitmapsThatAreNotWhatTheyDeclare) {
    const std::string good = MakeBitmap({});
    struct Case {
        const char* what;
        std::string bytes;
    };
    auto patched = [&](std::size_t offset, std::uint32_t value) {
        std::string b = good;
        PutU32(b, offset, value);
        return b;
    };
    BitmapSpec direct;
    direct.bits = 24;
    direct.coloursUsed = 0;
    direct.palette.clear();
    BitmapSpec badIndex;
    badIndex.pixels = {0, 1, 2, 3, 1, 0};  // colour 3 of a 3-colour table
    BitmapSpec tooManyColours;
    tooManyColours.coloursUsed = 257;
    tooManyColours.palette.resize(257);
    const std::vector<Case> cases{
        {"empty", ""},
        {"not BM", "XY" + good.substr(2)},
        {"truncated file header", good.substr(0, 10)},
        {"declared size beyond the file", patched(2, static_cast<std::uint32_t>(good.size() + 1))},
        {"declared size huge", patched(2, 0xFFFFFFFFu)},
        {"declared size below the headers", patched(2, 20)},
        {"pixel rows beyond the data", good.substr(0, good.size() - 1)},
        {"height beyond the data", patched(22, 3)},
        {"width beyond the data", patched(18, 5)},
        {"zero width", patched(18, 0)},
        {"negative width", patched(18, 0xFFFFFFFDu)},
        {"zero height", patched(22, 0)},
        {"most negative height", patched(22, 0x80000000u)},
        {"huge dimensions", patched(18, 0x7FFFFFFFu)},
        {"colour count beyond the data", patched(46, 200)},
        {"header size beyond the data", patched(14, 100000)},
        {"header size too small", patched(14, 12)},
        {"compressed", patched(30, 1)},
        {"24 bits without a colour table", MakeBitmap(direct)},
        {"pixel index outside the colour table", MakeBitmap(badIndex)},
        {"more than 256 colours", MakeBitmap(tooManyColours)},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeDiagram(c.bytes)) << c.what;
}

// Every truncation and many random corruptions of a valid bitmap either decode to a
// consistent image or are refused; run under AddressSanitizer this also shows that nothing
// is read out of bounds.
TEST(DiagramBitmap, TruncatedAndCorruptedFilesNeverMisbehave) {
    BitmapSpec spec;
    spec.width = 7;
    spec.height = 5;
    spec.pixels.assign(35, 1);
    const std::string good = MakeBitmap(spec);
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(DecodeDiagram(good.substr(0, length))) << "length " << length;
    }
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
            bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
        }
        if (random() % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
        const auto image = DecodeDiagram(bytes);
        if (image) {
            EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) *
                                                static_cast<std::size_t>(image->height));
        }
    }
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 200, '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
        if (bytes.size() >= 2 && round % 2 == 0) bytes.replace(0, 2, "BM");
        DecodeDiagram(bytes);
    }
}

TEST(DiagramBitmap, LoadReadsTheFileAndRefusesMissingOnes) {
    testing::TempFolder folder;
    testing::WriteFile(folder / "khn_lp1.bmp", MakeBitmap({}));
    const auto image = LoadDiagram(folder / "khn_lp1.bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[1], kGreen);
    EXPECT_FALSE(LoadDiagram(folder / "missing.bmp"));
    EXPECT_FALSE(LoadDiagram(folder.Path()));  // a folder is no bitmap
}

}  // namespace
}  // namespace vorna
