#include "verify/OpAmpTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/MessageText.h"
#include "verify/CircuitSimulation.h"

namespace vorna::verify {
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// A whole field as a finite number, or false.
bool ReadNumber(const std::string& field, double& value) {
    const char* end = nullptr;
    value = StrToD(field.c_str(), &end);
    return end == field.c_str() + field.size() && !field.empty() && std::isfinite(value);
}

// The op-amp of one line, or the reason the line cannot be one.
std::string ParseLine(const std::string& line, OpAmpData& opAmp) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    if (fields.size() != 5)
        return Format(
            "5 fields expected (name, GBW, slew rate, lowest and highest supply), %zu "
            "found",
            fields.size());
    opAmp.name = fields[0];
    if (!IsUtf8(opAmp.name)) return "the name \"" + EchoedText(opAmp.name) + "\" is not UTF-8 text";
    double* numbers[] = {&opAmp.gbwHz, &opAmp.slewRateVPerUs, &opAmp.supplyMinV, &opAmp.supplyMaxV};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!ReadNumber(fields[i + 1], *numbers[i]) || *numbers[i] <= 0)
            return "\"" + EchoedText(fields[i + 1]) + "\" is not a positive number";
    }
    if (const std::string problem = CheckGbw(opAmp.gbwHz); !problem.empty())
        return "the gain-bandwidth " + EchoedText(fields[1]) + " cannot be simulated: " + problem;
    if (opAmp.supplyMinV > opAmp.supplyMaxV)
        return "the lowest supply voltage is above the highest";
    return {};
}

// Why the table could not be read, after its name.
std::string UnreadableReason(ReadProblem problem) {
    switch (problem) {
        case ReadProblem::NotFound:
            return ": no such file";
        case ReadProblem::NotPermitted:
            return ": no permission to read it";
        case ReadProblem::NotAFile:
            return ": it is a folder or a device, not a file";
        case ReadProblem::TooLarge:
            return Format(": it is larger than %zu bytes", kMaxInputFileSize);
        case ReadProblem::LinkLoop:
            return ": its symbolic links lead round in a circle";
        case ReadProblem::NameTooLong:
            return ": the path is too long";
        default:
            return "";
    }
}

}  // namespace

const OpAmpData* OpAmpTable::Find(const std::string& name) const {
    for (const OpAmpData& opAmp : opAmps)
        if (SameName(opAmp.name, name)) return &opAmp;
    return nullptr;
}

OpAmpTable ParseOpAmpTable(std::istream& in) {
    OpAmpTable table;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (++number == 1) line = WithoutByteOrderMark(line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        OpAmpData opAmp;
        const std::string problem = ParseLine(line, opAmp);
        if (!problem.empty()) {
            table.error = Format("line %d: %s", number, problem.c_str());
            return table;
        }
        table.opAmps.push_back(opAmp);
    }
    return table;
}

OpAmpTable ReadOpAmpTable(const std::string& path) {
    const FileContents file = ReadInputFile(path);
    if (!file) {
        OpAmpTable table;
        table.error =
            "cannot read " + EchoedText(path, kMaxEchoedPathBytes) + UnreadableReason(file.problem);
        return table;
    }
    std::istringstream text(file.bytes);
    OpAmpTable table = ParseOpAmpTable(text);
    if (!table.error.empty())
        table.error = EchoedText(path, kMaxEchoedPathBytes) + ", " + table.error;
    return table;
}

std::optional<double> InstalledOpAmpGbw(const std::string& programDirectory,
                                        const std::string& name) {
    const OpAmpTable table = ReadOpAmpTable(programDirectory + "sys/" + kOpAmpTableFile);
    const OpAmpData* opAmp = table.Find(name);
    if (opAmp == nullptr) return std::nullopt;
    return opAmp->gbwHz;
}

}  // namespace vorna::verify
