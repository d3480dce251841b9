#pragma once
// Checks written in Python with scipy (Debian's /usr/bin/python3): the test hands the
// script its cases as one JSON list in a file and reads back the script's verdict.

#include <string>
#include <vector>

namespace vorna::testing {

// Whether /usr/bin/python3 can import scipy.signal.
bool HasScipy();

struct PythonCheck {
    int status = -1;  // the script's exit status as std::system gives it
    std::string output;
};

// Writes `items` (JSON values) as a list to a file named after the process, so that two
// test runs at once do not share it, runs "/usr/bin/python3 SCRIPT FILE" and removes the
// file again.
PythonCheck RunPythonCheck(const std::string& script, const std::vector<std::string>& items);

}  // namespace vorna::testing
