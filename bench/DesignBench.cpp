#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "dialogs/Dialog.h"
#include "platform/Ui.h"

namespace {

// A user who accepts every dialog as it opens.
class AcceptingUi : public vorna::Ui {
public:
    int MessageBox(const std::string&, vorna::MessageButtons) override { return vorna::IDOK; }
    int RunModal(vorna::Dialog& dialog) override {
        dialog.Open(*this);
        dialog.UserClick(vorna::IDOK);
        return dialog.Result();
    }
    std::optional<std::string> SaveFileName(const vorna::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> OpenFileName(const vorna::FileDialogRequest&) override { return std::nullopt; }
    bool ChooseFont(vorna::FontDescription&) override { return false; }
    void OpenWithDesktop(const std::string&) override {}
    std::string ProgramDirectory() override { return "./"; }
    std::string CurrentDirectory() override { return "./"; }
};

// The design of an order-58 Butterworth low-pass through its parameter dialog, and the
// recomputation of its sections and graph ranges.
void BM_DesignButterworthOrder58(benchmark::State& state) {
    AcceptingUi ui;
    vorna::CKorvelDoc doc;
    doc.byOrder = 1;
    doc.order = 58;
    vorna::DesignResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.RunDesign(ui));
        results.RecomputeResults(doc);
        benchmark::DoNotOptimize(results.sections[28][0]);
    }
    if (results.resultOrder != 58) state.SkipWithError("the design is not of order 58");
}
BENCHMARK(BM_DesignButterworthOrder58);

}  // namespace
