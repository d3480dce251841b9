#include <gtest/gtest.h>

#include "circuit/ESeries.h"
#include "dialogs/ESeriesDialog.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

ESeriesState InSeries(int series) {
    ESeriesState state;
    state.SetSeries(series, 0);
    return state;
}

TEST(ESeries, TablesHoldTwoDecadesOfTheStandardValues) {
    const double e24[] = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                          3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(SeriesTable(3)[k], e24[k]);
        EXPECT_EQ(SeriesTable(3)[k + 24], e24[k] * 10);
    }
    const std::pair<int, std::vector<double>> samples[] = {
        {1, {1.0, 1.5, 2.2, 3.3, 4.7, 6.8, 10}},
        {2, {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10}},
    };
    for (const auto& [series, values] : samples) {
        for (std::size_t k = 0; k < values.size(); ++k)
            EXPECT_EQ(SeriesTable(series)[k], values[k]);
    }
    EXPECT_EQ(SeriesTable(4)[47], 9.53);
    EXPECT_EQ(SeriesTable(5)[95], 9.76);
    EXPECT_EQ(SeriesTable(5)[95 + 96], 97.6);
    // Strictly increasing over both decades in every series.
    for (int series = 1; series <= 5; ++series) {
        const int n = SeriesSize(series);
        for (int k = 1; k < 2 * n; ++k)
            EXPECT_LT(SeriesTable(series)[k - 1], SeriesTable(series)[k]) << series;
    }
    EXPECT_EQ(SeriesTable(0), nullptr);
    EXPECT_EQ(SeriesTable(6), nullptr);
}

TEST(ESeries, NearestSeriesValue) {
    struct Case {
        int series;
        double value;
        double decade;
        int index;
        double deviation;
    };
    const Case cases[] = {
        {3, 4700, 1000, 16, 0},
        {4, 9.6, 1, 47, (9.6 - 9.53) / 9.6},
        {3, 9.9, 10, 0, 0.1 / 9.9},    // wraps to the next decade
        {3, 1.05, 1, 0, 0.05 / 1.05},  // exactly between 1.0 and 1.1: the lower one
        {2, 2.2e-8, 1e-8, 4, 0},
        {3, 159154.9, 1e5, 5, (160000 - 159154.9) / 159154.9},
        {1, 0.04, 0.01, 3, (0.04 - 0.033) / 0.04},
        {5, 1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const SeriesPosition p = InSeries(c.series).NearestSeriesValue(c.value);
        EXPECT_DOUBLE_EQ(p.decade, c.decade) << c.value;
        EXPECT_EQ(p.index, c.index) << c.value;
        EXPECT_NEAR(p.deviation, c.deviation, 1e-12) << c.value;
    }
    EXPECT_EQ(InSeries(3).NearestSeriesValue(0).decade, 0);
    EXPECT_EQ(InSeries(3).NearestSeriesValue(-5).decade, 0);
}

TEST(ESeries, SeriesCeiling) {
    const ESeriesState e24;
    SeriesPosition p;
    EXPECT_DOUBLE_EQ(e24.SeriesCeiling(4700, p), 4700);
    EXPECT_DOUBLE_EQ(e24.SeriesCeiling(4500, p), 4700);
    EXPECT_DOUBLE_EQ(e24.SeriesCeiling(9.2, p), 10);
    EXPECT_EQ(p.index, 0);
    EXPECT_DOUBLE_EQ(p.decade, 10);
}

TEST(ESeries, SetSeriesTranslatesPositionsAndDefaults) {
    ESeriesState state;
    EXPECT_EQ(state.eSeries, 3);
    EXPECT_EQ(state.eSize, 24);
    EXPECT_EQ(state.eDefault, 3);
    EXPECT_EQ(state.SetSeries(1, 16), 4);  // 4.7 in E24 -> 4.7 in E6
    EXPECT_EQ(state.eSize, 6);
    EXPECT_EQ(state.eDefault, 3);
    state.ResetToDefaultSeries();
    EXPECT_EQ(state.eSeries, 3);
    EXPECT_EQ(state.SetSeries(1, 1), 0);  // 1.1 -> 1.0
    state.ResetToDefaultSeries();
    // The current series changes nothing, whatever the position.
    EXPECT_EQ(state.SetSeries(3, 7), 7);
    // Plus ten: the series becomes the default (even when it is already current).
    EXPECT_EQ(state.SetSeries(13, 16), 16);
    EXPECT_EQ(state.eDefault, 3);
    state.SetSeries(15, 16);
    EXPECT_EQ(state.eSeries, 5);
    EXPECT_EQ(state.eDefault, 5);
    EXPECT_EQ(state.eTable, SeriesTable(5));
    state.SetSeries(9, 3);  // unknown series: unchanged
    EXPECT_EQ(state.eSeries, 5);
}

TEST(ESeriesDialog, ChoosesSeriesAndDefault) {
    ScriptedUi ui;
    ESeriesDialog dialog(2);
    ui.ExpectDialog(950)
        .ExpectText(951, "現在  E12  シリーズが選択されています")
        .Click(964)
        .Click(953)
        .Ok();
    EXPECT_EQ(ui.RunModal(dialog), IDOK);
    EXPECT_EQ(dialog.SeriesCode(), 15);

    ESeriesDialog plain(3);
    ui.ExpectDialog(950).Click(960).Ok();
    ui.RunModal(plain);
    EXPECT_EQ(plain.SeriesCode(), 1);
    ui.VerifyDone();
}

}  // namespace
}  // namespace vorna
