// Turns a schematic (.asc) into a SPICE deck for ngspice, with ideal op-amps; prints the
// drawing's faults on standard error and fails when there are any.

#include "schematic/Netlist.h"

#include <cstdio>
#include <iostream>

#include "schematic/AscFile.h"

using namespace vorna::installation;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <schematic.asc>\n", argv[0]);
        return 2;
    }
    std::string bytes;
    if (!ReadFileBytes(argv[1], &bytes)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> problems;
    const Schematic schematic = ParseAsc(AscLines(bytes, &problems), &problems);
    const Connectivity connectivity = Connect(schematic);
    problems.insert(problems.end(), connectivity.problems.begin(), connectivity.problems.end());
    std::cout << SpiceDeck(schematic, connectivity, argv[1], true) << ".end\n";
    for (const std::string& p : problems) std::cerr << argv[1] << ": " << p << "\n";
    return problems.empty() ? 0 : 1;
}
