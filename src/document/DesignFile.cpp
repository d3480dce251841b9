#include "document/DesignFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>

#include "app/DesignDocument.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "dialogs/DataExchange.h"
#include "dialogs/GraphDialog.h"
#include "dialogs/OutputChoiceDialog.h"
#include "dialogs/ParameterDialog.h"
#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"
#include "text/Texts.h"

namespace vorna {

namespace {

using nlohmann::json;

// The largest sampling frequency number dialog 200 accepts in its unit.
constexpr double kMaxSamplingNumber = 100000;
constexpr int kMaxFontHeight = 1000;
constexpr int kMaxFontWeight = 1000;
constexpr int kMaxEscapement = 3600;
constexpr int kMaxFaceNameBytes = 127;

// Thrown while reading a text; caught by ParseDesignFile.
struct Refusal {
    std::string problem;
};

std::string Number(double value) {
    return Format("%.15g", value);
}

// The shortest of 15 to 17 digits that reads back as `value`.
std::string ExactNumber(double value) {
    for (int digits = 15; digits < 17; ++digits) {
        const std::string text = Format("%.*g", digits, value);
        if (StrToD(text.c_str(), nullptr) == value) return text;
    }
    return Format("%.17g", value);
}

// A JSON object being read, with the dotted name of its place in the file ("design.fp").
class Reader {
public:
    Reader(const json& object, std::string place) : object_(object), place_(std::move(place)) {}

    Reader Object(const char* name) const {
        return Reader(Typed(name, &json::is_object, Text(TextId::DesignFileTypeObject)),
                      Place(name));
    }
    bool Boolean(const char* name) const {
        return Typed(name, &json::is_boolean, Text(TextId::DesignFileTypeBoolean)).get<bool>();
    }
    bool Has(const char* name) const { return object_.contains(name); }
    std::string String(const char* name) const {
        return Typed(name, &json::is_string, Text(TextId::DesignFileTypeString)).get<std::string>();
    }
    int Integer(const char* name, int minimum, int maximum) const {
        return IntegerIn(Member(name), Place(name), minimum, maximum);
    }
    // A number with minimum < value <= maximum (minimum <= value when `minimumAllowed`), also
    // as a dialog shows it with 15 digits.
    double Real(const char* name, double minimum, bool minimumAllowed, double maximum) const {
        const double value =
            Typed(name, &json::is_number, Text(TextId::DesignFileTypeNumber)).get<double>();
        const auto inRange = [&](double x) {
            return (minimumAllowed ? x >= minimum : x > minimum) && x <= maximum;
        };
        const std::string range = Format(Text(TextId::DesignFileRange), Number(minimum).c_str(),
                                         Text(minimumAllowed ? TextId::DesignFileRangeFromIncluded
                                                             : TextId::DesignFileRangeFromExcluded),
                                         Number(maximum).c_str());
        if (!inRange(value)) {
            throw Refusal{Format(Text(TextId::DesignFileValueOutOfRange), Place(name).c_str(),
                                 ExactNumber(value).c_str(), range.c_str())};
        }
        double shown = value;
        if (!ParseFieldDouble(FormatFieldDouble(value), shown) || !inRange(shown)) {
            throw Refusal{Format(Text(TextId::DesignFileValueOutOfRangeAsShown),
                                 Place(name).c_str(), ExactNumber(value).c_str(),
                                 Number(shown).c_str(), range.c_str())};
        }
        return value;
    }
    const json& Array(const char* name, std::size_t size) const {
        const json& value =
            Typed(name, &json::is_array, Format(Text(TextId::DesignFileTypeIntegerArray), size));
        if (value.size() != size)
            throw Refusal{Format(Text(TextId::DesignFileArrayLength), Place(name).c_str(), size,
                                 value.size())};
        return value;
    }
    std::string Place(const char* name) const {
        return place_.empty() ? name : place_ + "." + name;
    }

    static int IntegerIn(const json& value, const std::string& place, int minimum, int maximum) {
        if (!value.is_number_integer())
            throw Refusal{Format(Text(TextId::DesignFileNotInteger), place.c_str())};
        // Unsigned numbers may exceed every signed type; they are never below 0.
        const bool inRange =
            value.is_number_unsigned()
                ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximum) &&
                      static_cast<std::int64_t>(value.get<std::uint64_t>()) >= minimum
                : value.get<std::int64_t>() >= minimum && value.get<std::int64_t>() <= maximum;
        if (!inRange) {
            throw Refusal{Format(Text(TextId::DesignFileIntegerOutOfRange), place.c_str(),
                                 value.dump().c_str(), minimum, maximum)};
        }
        return value.get<int>();
    }

private:
    const json& Member(const char* name) const {
        const auto found = object_.find(name);
        if (found == object_.end())
            throw Refusal{Format(Text(TextId::DesignFileMissing), Place(name).c_str())};
        return *found;
    }
    const json& Typed(const char* name, bool (json::*is)() const noexcept,
                      const std::string& type) const {
        const json& value = Member(name);
        if (!(value.*is)())
            throw Refusal{
                Format(Text(TextId::DesignFileWrongType), Place(name).c_str(), type.c_str())};
        return value;
    }

    const json& object_;
    std::string place_;
};

int UnitIndex(const std::string& name) {
    for (std::size_t i = 0; i < kFrequencyUnits.size(); ++i) {
        if (name == kFrequencyUnits[i].suffix) return static_cast<int>(i);
    }
    return -1;
}

// A frequency the parameter dialogs accept: above 0 and at most 100000 in its unit.
FrequencyEntry ReadFrequency(const Reader& parent, const char* name) {
    const Reader entry = parent.Object(name);
    const std::string unit = entry.String("unit");
    const int index = UnitIndex(unit);
    if (index < 0)
        throw Refusal{Format(Text(TextId::DesignFileUnknownUnit), entry.Place("unit").c_str(),
                             EchoedText(unit).c_str())};
    const double factor = kFrequencyUnits[static_cast<std::size_t>(index)].factor;
    return {entry.Real("hz", 0, false, kMaxFrequencyNumber * factor), index};
}

nlohmann::ordered_json FrequencyJson(const FrequencyEntry& entry) {
    return {{"hz", entry.hz},
            {"unit", kFrequencyUnits.at(static_cast<std::size_t>(entry.unit)).suffix}};
}

void ReadDesign(const Reader& design, DesignSettings& s) {
    s.kind = design.Integer("kind", kLowPass, kBandEliminate);
    s.approximation =
        design.Integer("approximation", LowestApproximationId(), HighestApproximationId());
    if (!ApproximationOf(s.approximation))
        throw Refusal{Format(Text(TextId::DesignFileUnknownApproximation),
                             design.Place("approximation").c_str(), s.approximation)};
    s.byOrder = design.Boolean("byOrder");
    s.referenceMode = design.Integer("referenceMode", 0, 1);
    s.fp = ReadFrequency(design, "fp");
    s.fp1 = ReadFrequency(design, "fp1");
    s.fp2 = ReadFrequency(design, "fp2");
    s.attp = design.Real("attp", 0, true, kMaxAttp);
    s.atts = design.Real("atts", 0, true, kMaxAtts);
    s.xs = design.Real("xs", 1, false, kMaxXs);
    s.order = design.Integer("order", kMinOrderEntry, kMaxOrderEntry);
    s.rippleMemory = design.Real("rippleMemory", 0, false, kMaxAttp);
    if (design.Has("besselNorm")) {
        const std::string name = design.String("besselNorm");
        const std::optional<BesselNorm> norm = BesselNormOfName(name);
        if (!norm)
            throw Refusal{Format(Text(TextId::DesignFileUnknownBesselNorm),
                                 design.Place("besselNorm").c_str(), EchoedText(name).c_str())};
        s.besselNorm = *norm;
    }
}

FontDescription ReadFont(const Reader& font) {
    FontDescription f;
    f.faceName = font.String("faceName");
    if (f.faceName.empty() || f.faceName.size() > kMaxFaceNameBytes)
        throw Refusal{Format(Text(TextId::DesignFileFaceNameLength), font.Place("faceName").c_str(),
                             kMaxFaceNameBytes)};
    f.height = font.Integer("height", -kMaxFontHeight, kMaxFontHeight);
    f.width = font.Integer("width", 0, kMaxFontHeight);
    f.escapement = font.Integer("escapement", -kMaxEscapement, kMaxEscapement);
    f.orientation = font.Integer("orientation", -kMaxEscapement, kMaxEscapement);
    f.weight = font.Integer("weight", 0, kMaxFontWeight);
    f.italic = font.Boolean("italic");
    f.underline = font.Boolean("underline");
    f.strikeOut = font.Boolean("strikeOut");
    f.charSet = font.Integer("charSet", 0, 255);
    f.outPrecision = font.Integer("outPrecision", 0, 255);
    f.clipPrecision = font.Integer("clipPrecision", 0, 255);
    f.quality = font.Integer("quality", 0, 255);
    f.pitchAndFamily = font.Integer("pitchAndFamily", 0, 255);
    return f;
}

nlohmann::ordered_json FontJson(const FontDescription& f) {
    return {{"faceName", f.faceName},
            {"height", f.height},
            {"width", f.width},
            {"escapement", f.escapement},
            {"orientation", f.orientation},
            {"weight", f.weight},
            {"italic", f.italic},
            {"underline", f.underline},
            {"strikeOut", f.strikeOut},
            {"charSet", f.charSet},
            {"outPrecision", f.outPrecision},
            {"clipPrecision", f.clipPrecision},
            {"quality", f.quality},
            {"pitchAndFamily", f.pitchAndFamily}};
}

void ReadSynthesis(const Reader& synthesis, DesignSettings& s) {
    const json& circuits = synthesis.Array("circuits", s.circuits.size());
    for (const CircuitSelection& selection : kCircuitSelections) {
        const auto index = static_cast<std::size_t>(selection.choiceIndex);
        const std::string place = synthesis.Place("circuits") + Format("[%zu]", index);
        s.circuits[index] = Reader::IntegerIn(circuits[index], place, selection.FirstCircuitId(),
                                              selection.FirstCircuitId() + 1);
    }
    s.eSeries = synthesis.Integer("eSeries", 1, 5);
    s.outputChoice = synthesis.Integer("outputChoice", kOutputSchematic, kOutputGainList);
}

DesignSettings ReadSettings(const json& root) {
    if (!root.is_object() || !root.contains("format") || root["format"] != kDesignFileFormat)
        throw Refusal{Text(TextId::DesignFileNotOurs)};
    const Reader file(root, "");
    const int version = file.Integer("version", 1, std::numeric_limits<int>::max());
    if (version > kDesignFileVersion)
        throw Refusal{Format(Text(TextId::DesignFileNewerVersion), version, kDesignFileVersion)};
    DesignSettings s;
    ReadDesign(file.Object("design"), s);
    const Reader view = file.Object("view");
    s.displayMode = view.Integer("displayMode", 1, 2);
    s.graphKind = view.Integer("graphKind", kResponseGraphRadioId, kPoleZeroRadioId);
    s.pointsPerDecade = view.Integer("pointsPerDecade", kMinGraphPoints, kMaxGraphPoints);
    s.font = ReadFont(view.Object("font"));
    const Reader digital = file.Object("digital");
    s.digital = digital.Boolean("converted");
    s.samplingFrequency =
        digital.Real("samplingFrequencyHz", 0, false,
                     kMaxSamplingNumber * kFrequencyUnits[kFrequencyUnits.size() - 1].factor);
    ReadSynthesis(file.Object("synthesis"), s);
    return s;
}

// Line and column (from 1) of byte `offset` of `text`.
std::pair<std::size_t, std::size_t> LineAndColumn(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const auto lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
    const std::size_t column = lineStart == std::string::npos ? offset : offset - lineStart - 1;
    return {line, std::max<std::size_t>(column, 1)};
}

// Why the file at `path` could not be read, as one sentence.
std::string ReadProblemSentence(const std::string& path, ReadProblem problem) {
    switch (problem) {
        case ReadProblem::NotFound:
            return Text(TextId::DesignFileNotFound);
        case ReadProblem::NotPermitted:
            return Text(TextId::DesignFileNotPermitted);
        case ReadProblem::NotAFile: {
            std::error_code error;
            return Text(std::filesystem::is_directory(path, error) ? TextId::DesignFileIsFolder
                                                                   : TextId::DesignFileNotRegular);
        }
        case ReadProblem::TooLarge:
            return Format(Text(TextId::DesignFileTooLarge),
                          static_cast<std::uintmax_t>(kMaxDesignFileBytes));
        case ReadProblem::LinkLoop:
            return Text(TextId::DesignFileLinkLoop);
        case ReadProblem::NameTooLong:
            return Text(TextId::DesignFilePathTooLong);
        default:
            return Text(TextId::DesignFileUnreadable);
    }
}

}  // namespace

std::string DesignFileText(const DesignSettings& s, const json& results) {
    using ordered = nlohmann::ordered_json;
    ordered circuits = s.circuits;
    ordered file = {
        {"format", kDesignFileFormat},
        {"version", kDesignFileVersion},
        {"design",
         {{"kind", s.kind},
          {"approximation", s.approximation},
          {"byOrder", s.byOrder},
          {"referenceMode", s.referenceMode},
          {"fp", FrequencyJson(s.fp)},
          {"fp1", FrequencyJson(s.fp1)},
          {"fp2", FrequencyJson(s.fp2)},
          {"attp", s.attp},
          {"atts", s.atts},
          {"xs", s.xs},
          {"order", s.order},
          {"rippleMemory", s.rippleMemory}}},
        {"view",
         {{"displayMode", s.displayMode},
          {"graphKind", s.graphKind},
          {"pointsPerDecade", s.pointsPerDecade},
          {"font", FontJson(s.font)}}},
        {"digital", {{"converted", s.digital}, {"samplingFrequencyHz", s.samplingFrequency}}},
        {"synthesis",
         {{"circuits", circuits}, {"eSeries", s.eSeries}, {"outputChoice", s.outputChoice}}},
    };
    if (s.approximation == static_cast<int>(Approximation::Bessel))
        file["design"]["besselNorm"] = BesselNormName(s.besselNorm);
    if (!results.is_null()) file["results"] = ordered(results);
    return file.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

DesignFileContent ParseDesignFile(const std::string& text) {
    try {
        return {ReadSettings(json::parse(text)), {}};
    } catch (const json::parse_error& error) {
        const auto [line, column] = LineAndColumn(text, error.byte == 0 ? 0 : error.byte - 1);
        return {std::nullopt, Format(Text(TextId::DesignFileJsonSyntax), line, column)};
    } catch (const json::exception&) {
        return {std::nullopt, Text(TextId::DesignFileJsonNumberTooLarge)};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.problem};
    }
}

DesignFileContent ReadDesignFile(const std::string& path) {
    const FileContents file = ReadInputFile(path, kMaxDesignFileBytes);
    if (file) return ParseDesignFile(file.bytes);
    return {std::nullopt, ReadProblemSentence(path, file.problem)};
}

Message OpenProblemMessage(const std::string& path, const std::string& problem) {
    return {TextId::DesignFileUnopenable, {path, problem}};
}

Message SaveProblemMessage(const std::string& path, const std::string& problem) {
    return {TextId::DesignFileUnsavable, {path, problem}};
}

std::optional<Message> WriteDesignFile(const std::string& path, const std::string& text) {
    if (const auto problem = WriteFileAtomically(path, text))
        return SaveProblemMessage(path, *problem);
    return std::nullopt;
}

}  // namespace vorna
