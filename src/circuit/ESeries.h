#pragma once
// The E-series state of a circuit output run (E6 .. E96, series number 1 .. 5) and the
// searches in the current series. Every table holds two decades: the standard values in
// [1, 10) and the same values times ten, so that a search may look one entry past the top
// of a decade and a walk may step upward from any position by up to one decade.

#include <array>
#include <string>

namespace vorna {

// A series value eTable[index] * decade, and a value's relative deviation from it.
struct SeriesPosition {
    double decade = 1;
    int index = 0;
    double deviation = 0;
};

// The two-decade table of series number 1 .. 5 (E6, E12, E24, E48, E96); nullptr otherwise.
const double* SeriesTable(int series);
// Values per decade of series number 1 .. 5: 6 * 2^(series - 1).
int SeriesSize(int series);
// The smallest series (E6 .. E96) that holds `value` ("E24"), or empty.
std::string SeriesOfValue(double value);

class ESeriesState {
public:
    ESeriesState();
    const double* eTable = nullptr;  // current table: two decades, 2 * eSize values
    int eSeries = 3;
    int eSize = 24;
    int eDefault = 3;

    // The nearest value of the current series to v > 0 and v's relative deviation from it
    // (a tie keeps the lower value). A value that is not positive gives decade 0.
    SeriesPosition NearestSeriesValue(double v) const;
    // The smallest series value not below v, with its position.
    double SeriesCeiling(double v, SeriesPosition& position) const;
    // Switches to series `code` (plus 10: also make it the default) and returns the index in
    // the new series nearest to the value at `position` of the old one. The current series
    // number switches nothing and returns `position`.
    int SetSeries(int code, int position);
    void ResetToDefaultSeries() { SetSeries(eDefault, 0); }
};

}  // namespace vorna
