#include "schematic/AscFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/CLocale.h"

namespace vorna::installation {
namespace {

// The op-amp symbol as it stands in the file: the library folder, two backslashes, the model.
constexpr const char* kOpAmpSymbol = "OpAmps\\\\LT1115";
constexpr const char* kOpAmpLibrary = "OpAmps\\";

const char* SymbolFileName(SymbolKind kind) {
    switch (kind) {
        case SymbolKind::Resistor:
            return "res";
        case SymbolKind::Capacitor:
            return "cap";
        case SymbolKind::VoltageSource:
            return "voltage";
        case SymbolKind::OpAmp:
            return kOpAmpSymbol;
    }
    return "res";
}

// Horizontal resistors and capacitors get their name and value written beside them
// rather than along them, as the simulator's editor places them after a rotation.
void AppendWindows(const Symbol& s, std::string& out) {
    if (s.orientation != Orientation::R90) return;
    if (s.kind == SymbolKind::Resistor) out += "WINDOW 0 0 56 VBottom 2\nWINDOW 3 32 56 VTop 2\n";
    if (s.kind == SymbolKind::Capacitor) out += "WINDOW 0 0 32 VBottom 2\nWINDOW 3 32 32 VTop 2\n";
}

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    for (std::string t; in >> t;) tokens.push_back(t);
    return tokens;
}

bool ToInt(const std::string& text, int* value) {
    const char* end = nullptr;
    const double v = StrToD(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || v != static_cast<int>(v)) return false;
    *value = static_cast<int>(v);
    return true;
}

// The rest of `line` after `count` blank-separated words.
std::string RestAfterWords(const std::string& line, int count) {
    size_t pos = 0;
    for (int i = 0; i < count; ++i) {
        pos = line.find_first_not_of(' ', pos);
        pos = line.find(' ', pos);
        if (pos == std::string::npos) return "";
    }
    return line.substr(pos + 1);
}

}  // namespace

std::string AscText(const Schematic& schematic) {
    int width = 880, height = 680;
    for (const Symbol& s : schematic.symbols) {
        width = std::max(width, s.origin.x + 160);
        height = std::max(height, s.origin.y + 160);
    }
    std::string out = "Version 4\n" + Format("SHEET 1 %d %d\n", width, height);
    for (const Wire& w : schematic.wires)
        out += Format("WIRE %d %d %d %d\n", w.a.x, w.a.y, w.b.x, w.b.y);
    for (const Flag& f : schematic.flags)
        out += Format("FLAG %d %d %s\n", f.at.x, f.at.y, f.net.c_str());
    for (const Symbol& s : schematic.symbols) {
        out += Format("SYMBOL %s %d %d %s\n", SymbolFileName(s.kind), s.origin.x, s.origin.y,
                      OrientationName(s.orientation));
        AppendWindows(s, out);
        out += "SYMATTR InstName " + s.instName + "\n";
        if (!s.value.empty()) out += "SYMATTR Value " + s.value + "\n";
    }
    for (const Text& t : schematic.texts)
        out += Format("TEXT %d %d Left 2 %s\n", t.at.x, t.at.y, t.text.c_str());
    return out;
}

std::string Utf16LeWithBom(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + 2 * ascii.size());
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::vector<std::string> AscLines(const std::string& bytes, std::vector<std::string>* problems) {
    std::vector<std::string> lines;
    size_t start = 0;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        start = 2;
    } else {
        problems->push_back("no UTF-16LE byte-order mark");
    }
    if ((bytes.size() - start) % 2 != 0) problems->push_back("odd number of bytes");
    std::string line;
    bool reportedCharacter = false, reportedReturn = false;
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        const unsigned code =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (code == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (code == '\r') {
            if (!reportedReturn)
                problems->push_back("carriage return in line " + std::to_string(lines.size() + 1));
            reportedReturn = true;
        } else if (code >= 0x80 || code < 0x20) {
            if (!reportedCharacter)
                problems->push_back("character outside ASCII in line " +
                                    std::to_string(lines.size() + 1));
            reportedCharacter = true;
            line += '?';
        } else {
            line += static_cast<char>(code);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

Schematic ParseAsc(const std::vector<std::string>& lines, std::vector<std::string>* problems) {
    Schematic schematic;
    Symbol* current = nullptr;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const std::vector<std::string> t = Tokens(line);
        auto bad = [&] {
            problems->push_back("line " + std::to_string(n + 1) + " not understood: " + line);
        };
        if (t.empty()) continue;
        if (t[0] == "WIRE") {
            Wire w;
            if (t.size() != 5 || !ToInt(t[1], &w.a.x) || !ToInt(t[2], &w.a.y) ||
                !ToInt(t[3], &w.b.x) || !ToInt(t[4], &w.b.y)) {
                bad();
                continue;
            }
            schematic.wires.push_back(w);
        } else if (t[0] == "FLAG") {
            Flag f;
            if (t.size() != 4 || !ToInt(t[1], &f.at.x) || !ToInt(t[2], &f.at.y)) {
                bad();
                continue;
            }
            f.net = t[3];
            schematic.flags.push_back(f);
        } else if (t[0] == "SYMBOL") {
            Symbol s;
            current = nullptr;
            if (t.size() != 5 || !ToInt(t[2], &s.origin.x) || !ToInt(t[3], &s.origin.y) ||
                !ParseOrientation(t[4], &s.orientation)) {
                bad();
                continue;
            }
            if (t[1] == "res") {
                s.kind = SymbolKind::Resistor;
            } else if (t[1] == "cap") {
                s.kind = SymbolKind::Capacitor;
            } else if (t[1] == "voltage") {
                s.kind = SymbolKind::VoltageSource;
            } else if (t[1].rfind(kOpAmpLibrary, 0) == 0) {
                s.kind = SymbolKind::OpAmp;
                const size_t name = t[1].find_first_not_of('\\', std::strlen(kOpAmpLibrary));
                if (name != std::string::npos) s.model = t[1].substr(name);
            } else {
                problems->push_back("line " + std::to_string(n + 1) + ": unknown symbol " + t[1]);
                continue;
            }
            schematic.symbols.push_back(s);
            current = &schematic.symbols.back();
        } else if (t[0] == "SYMATTR" && t.size() >= 3 && current != nullptr) {
            if (t[1] == "InstName") current->instName = t[2];
            if (t[1] == "Value") current->value = RestAfterWords(line, 2);
        } else if (t[0] == "TEXT") {
            Text text;
            if (t.size() < 6 || !ToInt(t[1], &text.at.x) || !ToInt(t[2], &text.at.y)) {
                bad();
                continue;
            }
            text.text = RestAfterWords(line, 5);
            schematic.texts.push_back(text);
        } else if (t[0] != "Version" && t[0] != "SHEET" && t[0] != "WINDOW" && t[0] != "SYMATTR") {
            bad();
        }
    }
    return schematic;
}

bool ReadFileBytes(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    *bytes = s.str();
    return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace vorna::installation
