#pragma once
// What the view shows of a design besides its results: its kind and approximation (the
// stored ids), the entries and figures of its specification, and the reference mode the
// journal names. The document hands them over (app/DocumentShown.h); the view only draws.

namespace vorna {

struct ShownDesign {
    int kind = 0;
    int approximation = 0;
    int referenceMode = 0;
    double fp = 0;
    double fs = 0;
    double fp1 = 0;
    double fp2 = 0;
    double fs1 = 0;
    double fs2 = 0;
    double attp = 0;
    double attsAchieved = 0;
};

}  // namespace vorna
