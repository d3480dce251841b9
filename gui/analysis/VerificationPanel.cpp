#include "VerificationPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "DocumentWindow.h"
#include "GraphExport.h"
#include "GraphPane.h"
#include "QtUi.h"
#include "VerificationGraphs.h"
#include "VerificationRun.h"
#include "platform/CLocale.h"
#include "text/Texts.h"
#include "view/EngineeringNotation.h"

namespace vorna {

VerificationPanel::VerificationPanel(DocumentWindow& design, QWidget* parent)
    : QWidget(parent),
      design_(design),
      notice_(new QLabel(this)),
      pane_(new GraphPane(this)),
      summary_(new QLabel(this)),
      table_(new QTableWidget(this)),
      verify_(new QPushButton(QString::fromUtf8(Text(TextId::VerifyButton)), this)) {
    setObjectName(QStringLiteral("verificationPanel"));
    setFocusProxy(pane_);  // its graph takes the keys when the tab is shown
    summary_->setObjectName(QStringLiteral("verificationSummary"));
    summary_->setWordWrap(true);
    shownSummary_ = QString::fromUtf8(Text(TextId::VerificationIntroduction));
    summary_->setText(shownSummary_);
    table_->setObjectName(QStringLiteral("sectionTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);

    notice_->setObjectName(QStringLiteral("circuitNotice"));
    notice_->setWordWrap(true);
    verify_->setObjectName(QStringLiteral("verifyCircuit"));
    connect(verify_, &QPushButton::clicked, this, &VerificationPanel::ChooseAndVerify);
    auto* output = new QPushButton(QString::fromUtf8(Text(TextId::CircuitOutputButton)), this);
    output->setObjectName(QStringLiteral("newCircuitOutput"));
    connect(output, &QPushButton::clicked, this, &VerificationPanel::OutputAndVerify);
    auto* save = new QPushButton(QString::fromUtf8(Text(TextId::ExportSectionTableButton)), this);
    save->setObjectName(QStringLiteral("exportSectionTable"));
    connect(save, &QPushButton::clicked, this, &VerificationPanel::ChooseAndExportTable);

    auto* lower = new QWidget(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(verify_);
    buttons->addWidget(output);
    buttons->addStretch(1);
    buttons->addWidget(save);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(summary_);
    lowerLayout->addWidget(table_, 1);
    lowerLayout->addLayout(buttons);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(pane_);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(notice_);
    layout->addWidget(splitter, 1);
    ShowNotice();
}

QString VerificationPanel::YieldLine() const {
    return summary_->text();
}

QString VerificationPanel::Notice() const {
    return notice_->text();
}

void VerificationPanel::ShowNotice() {
    // Before any circuit output the introduction says what the verify button does.
    const QString notice = design_.Circuit().IsStale(design_.Document())
                               ? QString::fromUtf8(Text(TextId::CircuitOfPreviousDesign))
                               : QString();
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
}

void VerificationPanel::Verify(const verify::RealisedCircuit& kept,
                               const VerificationOptions& options) {
    // A copy: a circuit output from the design window may replace the kept one meanwhile.
    const verify::RealisedCircuit circuit = kept;
    verify_->setEnabled(false);
    const std::optional<VerificationResults> found =
        RunVerification(this, circuit, options, design_.View().pointsPerDecade);
    verify_->setEnabled(true);
    if (!found) {
        summary_->setText(shownSummary_ + QString::fromUtf8(Text(TextId::VerificationCancelled)));
        return;
    }
    const verify::CircuitSimulation& simulation = found->simulation;
    const verify::SectionRequirements& requirements = found->requirements;
    const verify::ToleranceResult& tolerance = found->tolerance;
    pane_->SetGraph(SimulationGraph(design_.View(), design_.Document(), simulation, tolerance));

    lastOptions_ = options;
    std::string summary =
        Format(Text(TextId::SimulationSummary), EngineeringNotation(options.gbwHz, "Hz", 4).c_str(),
               simulation.maxPassbandDeviationDb);
    const std::string yield = YieldText(tolerance);
    if (!yield.empty()) summary += "\n" + yield;
    // Pre-distortion for one GBW over-corrects or under-corrects with any other.
    const double compensatedFor = circuit.compensationGbwHz;
    if (compensatedFor > 0 && std::abs(options.gbwHz / compensatedFor - 1) > 1e-3) {
        summary += "\n" + Format(Text(TextId::CompensatedForOtherGbw),
                                 EngineeringNotation(compensatedFor, "Hz", 4).c_str());
    }
    if (!requirements.Succeeded())
        summary += Text(TextId::SectionRequirementsFailed) + requirements.error;
    shownSummary_ = QString::fromStdString(summary);
    summary_->setText(shownSummary_);

    rows_ = SectionTable(requirements);
    table_->clear();
    table_->setColumnCount(static_cast<int>(rows_.front().size()));
    table_->setRowCount(static_cast<int>(rows_.size()) - 1);
    for (std::size_t c = 0; c < rows_.front().size(); ++c) {
        table_->setHorizontalHeaderItem(static_cast<int>(c),
                                        new QTableWidgetItem(QString::fromStdString(rows_[0][c])));
    }
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        for (std::size_t c = 0; c < rows_[r].size(); ++c) {
            table_->setItem(static_cast<int>(r) - 1, static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(rows_[r][c])));
        }
    }
    table_->resizeColumnsToContents();
}

QString VerificationPanel::ExportTable(const QString& path) const {
    if (rows_.empty()) return QString::fromUtf8(Text(TextId::NotVerifiedYet));
    const std::string csv = TableCsv(rows_);
    return WriteAtomically(path, [&](QIODevice& file) {
        return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
               static_cast<qint64>(csv.size());
    });
}

void VerificationPanel::ChooseAndVerify() {
    QtUi ui(this);
    // The circuit kept is verified as written; only without one is a circuit output run.
    if (design_.Circuit().Circuit() == nullptr && !design_.MakeCircuitOutput(ui)) return;
    if (options_ == nullptr) {
        options_ = new VerificationDialog(
            verify::ReadOpAmpTable(ui.ProgramDirectory() + "sys/" + verify::kOpAmpTableFile), this);
    }
    if (options_->exec() != QDialog::Accepted) return;
    std::string problem;
    const std::optional<VerificationOptions> options = options_->Options(problem);
    if (const verify::RealisedCircuit* circuit = design_.Circuit().Circuit(); circuit && options)
        Verify(*circuit, *options);
}

void VerificationPanel::OutputAndVerify() {
    QtUi ui(this);
    if (!design_.MakeCircuitOutput(ui)) return;
    if (lastOptions_) Verify(*design_.Circuit().Circuit(), *lastOptions_);
}

void VerificationPanel::ChooseAndExportTable() {
    QtUi ui(this);
    FileDialogRequest request;
    request.title = Text(TextId::ExportSectionTableTitle);
    request.defaultExtension = "csv";
    request.filters = {{Text(TextId::CsvFileFilter), "*.csv"}};
    const std::optional<std::string> path = ui.SaveFileName(request);
    if (!path) return;
    const QString error = ExportTable(QString::fromStdString(*path));
    if (!error.isEmpty()) ReportWriteFailure(ui, *path, Text(TextId::ExportedSectionTable), error);
}

}  // namespace vorna
