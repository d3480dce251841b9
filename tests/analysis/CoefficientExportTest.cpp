#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "analysis/AnalysisDesigns.h"
#include "analysis/CoefficientExport.h"
#include "analysis/Response.h"
#include "output/TempFolder.h"
#include "platform/CLocale.h"

namespace vorna::testing {
namespace {

std::vector<std::vector<double>> CsvRows(const std::string& csv, std::string& header) {
    std::istringstream in(csv);
    std::getline(in, header);
    std::vector<std::vector<double>> rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<double> row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) row.push_back(LeadingNumber(cell));
        rows.push_back(row);
    }
    return rows;
}

TEST(CoefficientExport, CsvRowsHoldTheSectionValuesExactly) {
    // An odd low-pass (first-order section first) and a band-pass, analog and digital.
    for (const CascadeCase& c : CascadeCases({5}, true)) {
        if (c.design.doc.approximation != kElliptic) continue;
        SCOPED_TRACE(c.name);
        const analysis::Cascade& k = c.cascade;
        std::string header;
        auto rows = CsvRows(analysis::CoefficientsCsv(k), header);
        EXPECT_EQ(header,
                  k.IsDigital() ? "section,b0,b1,b2,a0,a1,a2,fs_hz" : "section,n2,n1,n0,d2,d1,d0");
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(k.SectionCount()));
        // A digital row ends with the sampling frequency, as it was entered.
        for (auto& row : rows) {
            if (!k.IsDigital()) continue;
            EXPECT_EQ(row.back(), 96000);
            row.pop_back();
        }
        std::size_t r = 0;
        if (k.first) {
            const auto& f = *k.first;
            const std::vector<double> first =
                k.IsDigital() ? std::vector<double>{1, f.p1, f.p2, 0, 1, f.p0, 0}
                              : std::vector<double>{1, 0, f.p1, f.p2, 0, 1, f.p0};
            EXPECT_EQ(rows[r++], first);
        }
        for (const Section& p : k.sections) {
            const std::vector<double> row{
                static_cast<double>(r + 1), p.num2, p.num1, p.num0, 1, p.den1, p.den0};
            EXPECT_EQ(rows[r++], row);
        }
    }
}

TEST(CoefficientExport, CHeaderCompilesAndItsCascadeHasTheDesignsResponse) {
    if (std::system("cc --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no C compiler (cc)";
    TempFolder folder;
    for (const CascadeCase& c : CascadeCases({7, 12}, true)) {
        if (!c.cascade.IsDigital() || c.design.doc.approximation != kElliptic) continue;
        SCOPED_TRACE(c.name);
        // Two filters in one program: the default name and one of the user's.
        WriteFile(folder / "sos.h", analysis::CoefficientsCHeader(c.cascade));
        WriteFile(folder / "lp2.h", analysis::CoefficientsCHeader(c.cascade, "lp2"));
        // The program evaluates lp2_gain * prod (b0 + b1 zm + b2 zm^2)/(a0 + a1 zm + a2 zm^2).
        WriteFile(folder / "main.c",
                  "#include <complex.h>\n#include <math.h>\n#include <stdio.h>\n"
                  "#include <stdlib.h>\n#include \"sos.h\"\n#include \"lp2.h\"\n"
                  "int main(int argc, char** argv) {\n"
                  "    if (SOS_SECTIONS != LP2_SECTIONS || sos_gain != lp2_gain) return 1;\n"
                  "    for (int i = 1; i < argc; ++i) {\n"
                  "        double complex zm = cexp(-I * strtod(argv[i], 0));\n"
                  "        double complex h = lp2_gain;\n"
                  "        for (int k = 0; k < LP2_SECTIONS; ++k)\n"
                  "            h *= (lp2[k][0] + lp2[k][1] * zm + lp2[k][2] * zm * zm) /\n"
                  "                 (lp2[k][3] + lp2[k][4] * zm + lp2[k][5] * zm * zm);\n"
                  "        printf(\"%.17g\\n\", 20 * log10(cabs(h)));\n"
                  "    }\n    return 0;\n}\n");
        const std::string build = "cc -std=c99 -Wall -Wextra -Werror -o " + (folder / "sos") + " " +
                                  (folder / "main.c") + " -lm";
        ASSERT_EQ(std::system(build.c_str()), 0);
        std::string command = folder / "sos";
        const std::vector<double> omegas = GraphOmegas(c, 7);
        for (double omega : omegas) command += Format(" %.17g", omega * c.cascade.samplingPeriod);
        ASSERT_EQ(std::system((command + " > " + (folder / "out.txt")).c_str()), 0);
        std::istringstream out(ReadFile(folder / "out.txt"));
        for (double omega : omegas) {
            std::string line;
            ASSERT_TRUE(std::getline(out, line));
            const double gain = analysis::GainPhaseAt(c.cascade, omega).gainDb;
            if (gain > -200) {
                EXPECT_NEAR(LeadingNumber(line), gain, 1e-9) << omega;
            }
        }
    }
}

TEST(CoefficientExport, HeaderNamesMustBeCIdentifiers) {
    const struct {
        std::string name;
        bool usable;
    } cases[] = {
        {"sos", true},
        {"lowpass_2", true},
        {"LP", true},
        {std::string(63, 'a'), true},
        {"", false},
        {"2nd", false},
        {"_sos", false},
        {"band-pass", false},
        {"lp filter", false},
        {"int", false},
        {"static", false},
        {"caf\xc3\xa9", false},
        {std::string(64, 'a'), false},
    };
    for (const auto& c : cases) EXPECT_EQ(analysis::IsUsableCName(c.name), c.usable) << c.name;
}

}  // namespace
}  // namespace vorna::testing
