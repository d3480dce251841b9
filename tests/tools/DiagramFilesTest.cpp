// The eight circuit diagrams of the installation: 8-bit bitmaps with a colour table that the
// diagram dialog's loader accepts, at the dialog's size, with a drawing on them.

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/DiagramBitmap.h"
#include "schematic/AscFile.h"
#include "tools/AcSimulation.h"

namespace vorna::testing {
namespace {

std::uint32_t Le(const std::string& b, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

TEST(DiagramFiles, EveryDiagramIsAnIndexedBitmapTheDialogCanShow) {
    for (const char* name : {"khn_lp1.bmp", "khn_lp2.bmp", "khn_hp1.bmp", "khn_hp2.bmp",
                             "khn_bp1.bmp", "khn_bp2.bmp", "khn_be1.bmp", "khn_be2.bmp"}) {
        SCOPED_TRACE(name);
        std::string bytes;
        ASSERT_TRUE(installation::ReadFileBytes(SysFolder() + name, &bytes));
        ASSERT_GT(bytes.size(), 54u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
        EXPECT_EQ(Le(bytes, 14, 4), 40u);  // information header
        EXPECT_EQ(Le(bytes, 28, 2), 8u);   // bits per pixel
        EXPECT_EQ(Le(bytes, 30, 4), 0u);   // uncompressed
        EXPECT_EQ(Le(bytes, 10, 4), 14u + 40u + 256u * 4u);

        const std::optional<Image> image = LoadDiagram(SysFolder() + name);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, 700);
        EXPECT_EQ(image->height, 550);
        // The rows are decoded top first: white margins at both ends, the drawing between.
        const Color white{255, 255, 255};
        EXPECT_EQ(image->pixels.front(), white);
        EXPECT_EQ(image->pixels.back(), white);
        int ink = 0;
        for (const Color& c : image->pixels) ink += c != white;
        EXPECT_GT(ink, 5000);
    }
}

}  // namespace
}  // namespace vorna::testing
