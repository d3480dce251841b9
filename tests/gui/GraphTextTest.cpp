// The texts the analysis window makes of a graph: the cursor's readout and the CSV export.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/GraphData.h"
#include "analysis/GraphExport.h"

namespace vorna {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

GraphData Gain() {
    GraphData graph;
    graph.x = {"周波数", "Hz", AxisScale::Logarithmic, 10, 1000};
    graph.y = {"利得", "dB"};
    graph.curves.push_back({"利得", {10, 100, 1000}, {0, -20, kNaN}});
    return graph;
}

TEST(GraphReadout, InterpolatesInTheAxisScaleAndNamesWhatItCannotRead) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {std::sqrt(10.0) * 10, "周波数 31.6228 Hz   利得 -10 dB"},  // halfway on the log axis
        {500, "周波数 500 Hz   利得 計算できません"},               // next to a NaN point
        {5, "周波数 5 Hz   利得 範囲外"},
        {2000, "周波数 2000 Hz   利得 範囲外"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadoutText(Gain(), c.x, 0), c.text) << c.x;

    GraphData exact = Gain();
    exact.exact = [](double hz) { return -hz; };
    EXPECT_EQ(ReadoutText(exact, 50, 0), "周波数 50 Hz   利得 -50 dB");
}

TEST(GraphCsv, SharedAbscissaeMakeColumnsOthersRowsAndGuidesAreLeftOut) {
    GraphData graph = Gain();
    graph.curves.push_back({"理想", {10, 100, 1000}, {0.1, -19.9, -40}});
    EXPECT_EQ(GraphCsv(graph),
              "周波数 [Hz],利得 [dB],理想 [dB]\n"
              "10,0,0.10000000000000001\n"
              "100,-20,-19.899999999999999\n"
              "1000,,-40\n");

    graph.curves[1] = {"a,\"b\"", {1}, {2}};
    graph.curves.push_back({"円", {0}, {0}, CurveStyle::Circle, true});
    EXPECT_EQ(GraphCsv(graph),
              "系列,周波数 [Hz],利得 [dB]\n"
              "利得,10,0\n利得,100,-20\n利得,1000,\n"
              "\"a,\"\"b\"\"\",1,2\n");
}

}  // namespace
}  // namespace vorna
