#pragma once
// The op-amp table of the installation ("opamps.txt" in the sys folder, plain text the user
// may edit): one op-amp a line as
//   NAME  GBW_HZ  SLEW_RATE_V_PER_US  SUPPLY_MIN_V  SUPPLY_MAX_V
// with the supply range as the total voltage between the supply pins. Blank lines and lines
// beginning with '#' are skipped, as is a UTF-8 byte order mark. Names are UTF-8. Numbers are read
// the same whatever the process locale.

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace vorna::verify {

inline constexpr const char* kOpAmpTableFile = "opamps.txt";

struct OpAmpData {
    std::string name;
    double gbwHz = 0;
    double slewRateVPerUs = 0;
    double supplyMinV = 0;
    double supplyMaxV = 0;
};

struct OpAmpTable {
    std::vector<OpAmpData> opAmps;
    std::string error;  // the first malformed line, with its number; empty when all were read

    // The op-amp of that name (compared without regard to case), or nullptr.
    const OpAmpData* Find(const std::string& name) const;
};

OpAmpTable ParseOpAmpTable(std::istream& in);
// Reads the table file; a file that cannot be opened is reported in `error`.
OpAmpTable ReadOpAmpTable(const std::string& path);
// The gain-bandwidth product (Hz) that the installation's table (the sys folder in
// `programDirectory`) gives the op-amp `name`; none when it gives none.
std::optional<double> InstalledOpAmpGbw(const std::string& programDirectory,
                                        const std::string& name);

}  // namespace vorna::verify
