#include "output/TextReports.h"

#include <cmath>

#include "circuit/EngValue.h"
#include "design/FilterKinds.h"
#include "output/SectionFigures.h"
#include "platform/AbsolutePath.h"
#include "platform/CLocale.h"
#include "platform/FileTextEncoding.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"
#include "platform/Ui.h"
#include "text/Texts.h"
#include "view/DesignView.h"
#include "view/SummaryLines.h"

namespace vorna {

namespace {

// Ratio of neighbouring gain-list frequencies (close to the ninth root of 2): 19 points
// from Fc / 2 to about 2 Fc.
constexpr double kGainListRatio = 1.080059739;
constexpr int kGainListPoints = 19;

std::vector<FileFilter> ReportFileFilters() {
    return {{"Text (*.txt)", "*.txt"}, {"Text (*.doc)", "*.doc"}, {"All Files (*.*)", "*.*"}};
}

// A figure that cannot be computed (the analog cut-off and Q of a digital section whose
// Pn_1 is negative) is said to be so rather than printed as "nan".
std::string Eng(double value) {
    return std::isfinite(value) ? FormatEngValue(value)
                                : std::string(Text(TextId::ReportFigureNotComputable));
}

// Only low-pass and high-pass designs of odd order have a first-order section.
bool FirstOrderShown(const DesignView& view, const ShownDesign& design) {
    return view.resultOddOrder == 1 && design.kind < static_cast<int>(FilterKind::BandPass);
}

// Title, design summary and the forms of H0 and Hn (analog in s, or digital in zm = 1/z).
std::string ReportHead(const DesignView& view, const ShownDesign& design, const char* title) {
    std::string text = title;
    WriteSummaryLines([&text](const std::string& line) { text += line; }, view, design, false);
    const bool digital = view.convertedToDigital;
    if (FirstOrderShown(view, design)) {
        text += Text(TextId::ReportFirstOrderForm);
        text += digital ? "      P1 + P2 * zm\nH0 = --------------\n       1 + P0 * zm\n"
                        : "      P1 * s + P2\nH0 = -------------\n         s + P0\n";
    }
    text += Text(TextId::ReportSecondOrderForm);
    text += digital ? "      Pn_2 + Pn_3 * zm + Pn_4 * zm^2\n"
                      "Hn = --------------------------------\n"
                      "       1 + Pn_0 * zm + Pn_1 * zm^2\n"
                    : "      Pn_2 * s^2 + Pn_3 * s + Pn_4\n"
                      "Hn = ------------------------------\n"
                      "          s^2 + Pn_0 * s + Pn_1\n";
    return text;
}

// The gain-list frequency k of a section with cut-off `fc`.
double GainListFrequency(double fc, int k) {
    return std::pow(kGainListRatio, k) * 0.5 * fc;
}
double ToOmega(double hz) {
    return hz * 2 * kReportPi;
}

bool AppendReport(DesignView& view, Ui& ui, const std::string& text) {
    FileDialogRequest request;
    request.initialName = "*.txt";
    request.defaultExtension = "txt";
    request.filters = ReportFileFilters();
    request.appends = true;
    const auto path = ui.SaveFileName(request);
    if (!path) return false;
    const std::string shownPath = EchoedText(*path);
    AppendingFile file;
    if (!file.Open(*path)) {
        ui.MessageBox({TextId::ReportUnwritableWithReason, {shownPath, file.FailureReason()}},
                      MessageButtons::Ok);
        return false;
    }
    // The report is appended whole or not at all.
    if (!file.Append(EncodedFileText(text)) || !file.Close()) {
        ui.MessageBox({TextId::ReportUnwritable, {shownPath}}, MessageButtons::Ok);
        return false;
    }
    ui.FilesWritten({AbsolutePath(*path)});
    view.displayMode = DisplayMode::Graph;
    ui.OpenWithDesktop(*path);
    return true;
}

}  // namespace

std::string CoefficientReportText(const DesignView& view, const ShownDesign& design) {
    std::string text = ReportHead(view, design, Text(TextId::CoefficientReportTitle));
    const bool digital = view.convertedToDigital;
    if (FirstOrderShown(view, design)) {
        text += Text(TextId::ReportFirstOrderSection);
        if (digital) {
            text += Format("      P0 = %-9s    P1 = %-9s    P2 = %-9s\n", Eng(view.p0).c_str(),
                           Eng(view.p1).c_str(), Eng(view.p2).c_str());
        } else {
            const FirstOrderFigures f = FirstOrderSectionFigures(view.p0, view.p1, view.p2);
            text += Format(Text(TextId::CoefficientReportFirstOrderFigures), Eng(view.p0).c_str(),
                           Eng(view.p1).c_str(), Eng(view.p2).c_str(), Eng(f.fc).c_str(),
                           Eng(f.gainAtFc).c_str());
        }
    }
    text += Text(TextId::ReportSecondOrderSections);
    text += "   n       Pn_0       Pn_1       Pn_2";
    text += "       Pn_3       Pn_4\n";
    for (int i = 0; i <= LastSectionIndex(view); ++i) {
        const Section& s = view.sections[static_cast<std::size_t>(i)];
        text += Format("%4d %11s%12s%11s", i + 1, Eng(s.den1).c_str(), Eng(s.den0).c_str(),
                       Eng(s.num2).c_str());
        if (digital) {
            text += Format("%11s %11s\n", Eng(s.num1).c_str(), Eng(s.num0).c_str());
            continue;
        }
        const SectionFigures f = SecondOrderSectionFigures(s);
        text += Format(Text(TextId::CoefficientReportSectionFigures), Eng(s.num1).c_str(),
                       Eng(s.num0).c_str(), Eng(f.fc).c_str(), Eng(SectionGainAtFcDb(s)).c_str(),
                       Eng(f.q).c_str(), Eng(f.gainBandwidth).c_str());
    }
    return text;
}

std::string GainListText(const DesignView& view, const ShownDesign& design) {
    std::string text = ReportHead(view, design, Text(TextId::GainListTitle));
    const bool firstOrder = FirstOrderShown(view, design);
    if (firstOrder) {
        const FirstOrderFigures f = FirstOrderSectionFigures(view.p0, view.p1, view.p2);
        text += Text(TextId::GainListFirstOrderSection);
        text += Format(Text(TextId::GainListFirstOrderFigures), Eng(view.p0).c_str(),
                       Eng(view.p1).c_str(), Eng(view.p2).c_str(), Eng(f.fc).c_str(),
                       Eng(f.gainAtFc).c_str());
        text += Text(TextId::GainListColumns);
        for (int k = 0; k < kGainListPoints; ++k) {
            const double hz = GainListFrequency(f.fc, k);
            const double gain = FirstOrderGainDb(view.p0, view.p1, view.p2, ToOmega(hz));
            text += Format("  %12s,  %6s\n", Eng(hz).c_str(), Eng(gain).c_str());
        }
    }
    text += Text(TextId::ReportSecondOrderSections);
    for (int j = 0; j <= LastSectionIndex(view); ++j) {
        const Section& s = view.sections[static_cast<std::size_t>(j)];
        const SectionFigures f = SecondOrderSectionFigures(s);
        text += "                  Pn_0       Pn_1       Pn_2";
        text += "       Pn_3       Pn_4\n";
        text += Format("Blk No.%3d %11s%12s%11s", j + 1 + (firstOrder ? 1 : 0), Eng(s.den1).c_str(),
                       Eng(s.den0).c_str(), Eng(s.num2).c_str());
        text +=
            Format(Text(TextId::GainListSectionFigures), Eng(s.num1).c_str(), Eng(s.num0).c_str(),
                   Eng(f.fc).c_str(), Eng(SectionGainDb(s, f.omega0)).c_str(), Eng(f.q).c_str(),
                   Eng(f.gainBandwidth).c_str());
        text += Text(TextId::GainListColumns);
        for (int k = 0; k < kGainListPoints; ++k) {
            const double hz = GainListFrequency(f.fc, k);
            text += Format("  %12s,   %6s\n", Eng(hz).c_str(),
                           Eng(SectionGainDb(s, ToOmega(hz))).c_str());
        }
    }
    return text;
}

bool WriteCoefficientReport(DesignView& view, const ShownDesign& design, Ui& ui) {
    return AppendReport(view, ui, CoefficientReportText(view, design));
}

bool WriteGainList(DesignView& view, const ShownDesign& design, Ui& ui) {
    return AppendReport(view, ui, GainListText(view, design));
}

void OpenDataFile(Ui& ui) {
    FileDialogRequest request;
    request.initialName = "*.*";
    request.defaultExtension = "txt";
    request.filters = ReportFileFilters();
    if (const auto path = ui.OpenFileName(request)) ui.OpenWithDesktop(*path);
}

}  // namespace vorna
