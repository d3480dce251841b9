#pragma once
// The E-series state of a circuit output run (E6 .. E96, series number 1 .. 5).

namespace vorna {

class ESeriesState {
public:
    ESeriesState();
    const double* eTable = nullptr;  // current table: two decades, 2 * eSize values
    int eSeries = 3;
    int eSize = 24;
    int eDefault = 3;
};

}  // namespace vorna
