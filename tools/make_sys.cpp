// Writes the installation data into the folder named on the command line: the reference
// schematic "%s_%-d.asc" of every basic circuit and order 2..58 and the eight circuit
// diagrams, and prints how long that took.

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "diagram/Diagrams.h"
#include "schematic/AscFile.h"
#include "topology/Circuits.h"

using namespace vorna::installation;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <sys folder>\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    int schematics = 0;
    for (const vorna::BasicCircuit& circuit : vorna::kBasicCircuits) {
        for (int order = kMinOrder; order <= kMaxOrder; ++order) {
            const std::string path = (folder / ReferenceFileName(circuit, order)).string();
            if (!WriteFileBytes(path,
                                Utf16LeWithBom(AscText(ReferenceSchematic(circuit, order))))) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            ++schematics;
        }
    }
    int diagrams = 0;
    for (const DiagramSpec& spec : DiagramSpecs()) {
        const std::string path = (folder / spec.fileName).string();
        if (!WriteFileBytes(path, DiagramBitmap(spec))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        ++diagrams;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("wrote %d reference schematics and %d circuit diagrams in %.2f s\n", schematics,
                diagrams, seconds);
    return 0;
}
