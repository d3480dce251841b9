#include "support/PythonCheck.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vorna::testing {

namespace {
constexpr const char* kPython = "/usr/bin/python3";
}

bool HasScipy() {
    const std::string probe = std::string(kPython) + " -c 'import scipy.signal' 2>/dev/null";
    return std::system(probe.c_str()) == 0;
}

PythonCheck RunPythonCheck(const std::string& script, const std::vector<std::string>& items) {
    static int runs = 0;
    const std::string stem = ::testing::TempDir() + "vorna_python_" + std::to_string(getpid()) +
                             "_" + std::to_string(runs++);
    const std::string input = stem + "_input.json";
    const std::string report = stem + "_report.txt";
    {
        std::ofstream out(input);
        out << "[\n";
        for (std::size_t i = 0; i < items.size(); ++i) out << (i ? ",\n" : "") << items[i];
        out << "\n]\n";
    }
    PythonCheck check;
    check.status = std::system(
        (std::string(kPython) + " " + script + " " + input + " > " + report + " 2>&1").c_str());
    std::ifstream in(report);
    check.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::remove(input.c_str());
    std::remove(report.c_str());
    return check;
}

}  // namespace vorna::testing
