#include "VerificationPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DocumentWindow.h"
#include "GraphExport.h"
#include "GraphPane.h"
#include "QtUi.h"
#include "VerificationGraphs.h"
#include "VerificationRun.h"
#include "app/CircuitOutputCommand.h"
#include "output/CircuitOutput.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

VerificationPanel::VerificationPanel(DocumentWindow& design, QWidget* parent)
    : QWidget(parent),
      design_(design),
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

    verify_->setObjectName(QStringLiteral("verifyCircuit"));
    connect(verify_, &QPushButton::clicked, this, &VerificationPanel::ChooseAndVerify);
    auto* save = new QPushButton(QString::fromUtf8(Text(TextId::ExportSectionTableButton)), this);
    save->setObjectName(QStringLiteral("exportSectionTable"));
    connect(save, &QPushButton::clicked, this, &VerificationPanel::ChooseAndExportTable);

    auto* lower = new QWidget(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(verify_);
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
    layout->addWidget(splitter);
}

QString VerificationPanel::YieldLine() const {
    return summary_->text();
}

std::optional<verify::RealisedCircuit> VerificationPanel::RealiseDesign(Ui& ui) {
    DesignView& view = design_.View();
    auto out = std::make_unique<CircuitOutput>();
    const bool ran = RunCircuitOutput(view, ui, *out);
    view.Invalidate();
    if (!ran || out->realisedSections.empty()) return std::nullopt;
    verify::RealisedCircuit circuit;
    std::string error;
    if (!verify::RealisedCircuitOf(design_.Document(), view, *out, view.selectedCircuit, circuit,
                                   error)) {
        ui.MessageBox({TextId::CircuitNotVerifiable, {error}}, MessageButtons::Ok);
        return std::nullopt;
    }
    return circuit;
}

void VerificationPanel::Verify(const verify::RealisedCircuit& circuit,
                               const VerificationOptions& options) {
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

    std::string summary =
        Format(Text(TextId::SimulationSummary), options.gbwHz, simulation.maxPassbandDeviationDb);
    const std::string yield = YieldText(tolerance);
    if (!yield.empty()) summary += "\n" + yield;
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
    const std::optional<verify::RealisedCircuit> circuit = RealiseDesign(ui);
    if (!circuit) return;
    VerificationDialog dialog(
        verify::ReadOpAmpTable(ui.ProgramDirectory() + "sys/" + verify::kOpAmpTableFile), this);
    if (dialog.exec() != QDialog::Accepted) return;
    std::string problem;
    if (const std::optional<VerificationOptions> options = dialog.Options(problem)) {
        Verify(*circuit, *options);
    }
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
