#include "SchematicPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DocumentWindow.h"
#include "GraphExport.h"
#include "QtUi.h"
#include "SchematicExport.h"
#include "SchematicView.h"
#include "output/BillOfMaterials.h"
#include "output/BomGroups.h"
#include "platform/FileWrite.h"
#include "text/Texts.h"

namespace vorna {
namespace {

// The drawing takes three parts of the height, the bill of materials one.
constexpr int kDrawingShare = 3000;
constexpr int kBomShare = 1000;
// Pixels a row of the bill of materials takes beyond its text.
constexpr int kRowPadding = 6;

QString Shown(TextId id) {
    return QString::fromUtf8(Text(id));
}

QPushButton* Button(TextId label, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Shown(label), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

TextId PartLabel(PartKind part) {
    switch (part) {
        case PartKind::Resistor:
            return TextId::BomPartResistor;
        case PartKind::Capacitor:
            return TextId::BomPartCapacitor;
        case PartKind::OpAmp:
            return TextId::BomPartOpAmp;
    }
    return TextId::BomPartResistor;
}

void FillBom(QTableWidget& table, const std::vector<BomGroup>& groups) {
    table.setRowCount(static_cast<int>(groups.size()));
    for (std::size_t row = 0; row < groups.size(); ++row) {
        const BomGroup& group = groups[row];
        QStringList designators;
        for (const std::string& designator : group.designators)
            designators << QString::fromStdString(designator);
        const QString cells[] = {
            Shown(PartLabel(group.part)), QString::fromStdString(GroupValueText(group)),
            group.isShort ? Shown(TextId::SchematicShortMark)
                          : QString::fromStdString(group.series),
            QString::number(group.designators.size()), designators.join(QStringLiteral(", "))};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
            table.setItem(static_cast<int>(row), column, new QTableWidgetItem(cells[column]));
        }
    }
    table.resizeColumnsToContents();
}

}  // namespace

SchematicPanel::SchematicPanel(DocumentWindow& design, QWidget* parent)
    : QWidget(parent),
      design_(design),
      notice_(new QLabel(this)),
      output_(Button(TextId::CircuitOutputButton, "makeCircuitOutput", this)),
      view_(new SchematicView(this)),
      bom_(new QTableWidget(this)),
      circuitButtons_(new QWidget(this)) {
    setObjectName(QStringLiteral("schematicPanel"));
    setFocusProxy(view_);
    notice_->setObjectName(QStringLiteral("circuitNotice"));
    notice_->setWordWrap(true);
    connect(output_, &QPushButton::clicked, this, [this] {
        QtUi ui(this);
        design_.MakeCircuitOutput(ui);
    });

    auto* zoomIn = Button(TextId::ZoomInButton, "zoomIn", circuitButtons_);
    auto* zoomOut = Button(TextId::ZoomOutButton, "zoomOut", circuitButtons_);
    auto* fit = Button(TextId::ZoomFitButton, "zoomFit", circuitButtons_);
    auto* exportButton = Button(TextId::ExportSchematicButton, "exportSchematic", circuitButtons_);
    auto* print = Button(TextId::PrintSchematicButton, "printSchematic", circuitButtons_);
    auto* copy = Button(TextId::CopyBomButton, "copyBom", circuitButtons_);
    auto* save = Button(TextId::SaveBomButton, "saveBom", circuitButtons_);
    connect(zoomIn, &QPushButton::clicked, view_, &SchematicView::ZoomIn);
    connect(zoomOut, &QPushButton::clicked, view_, &SchematicView::ZoomOut);
    connect(fit, &QPushButton::clicked, view_, &SchematicView::Fit);
    connect(exportButton, &QPushButton::clicked, this, &SchematicPanel::ChooseAndExport);
    connect(print, &QPushButton::clicked, this, &SchematicPanel::ChooseAndPrint);
    connect(copy, &QPushButton::clicked, this, &SchematicPanel::CopyBom);
    connect(save, &QPushButton::clicked, this, &SchematicPanel::ChooseAndSaveBom);
    auto* buttons = new QHBoxLayout(circuitButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {zoomIn, zoomOut, fit}) buttons->addWidget(button);
    buttons->addStretch(1);
    for (QPushButton* button : {exportButton, print, copy, save}) buttons->addWidget(button);

    bom_->setObjectName(QStringLiteral("bomTable"));
    bom_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bom_->verticalHeader()->setVisible(false);
    bom_->verticalHeader()->setDefaultSectionSize(bom_->fontMetrics().height() + kRowPadding);
    bom_->horizontalHeader()->setStretchLastSection(true);
    bom_->setColumnCount(5);
    bom_->setHorizontalHeaderLabels({Shown(TextId::BomColumnPart), Shown(TextId::BomColumnValue),
                                     Shown(TextId::BomColumnSeries),
                                     Shown(TextId::BomColumnQuantity),
                                     Shown(TextId::BomColumnDesignators)});
    auto* bomPart = new QWidget(this);
    auto* bomLayout = new QVBoxLayout(bomPart);
    bomLayout->setContentsMargins(0, 0, 0, 0);
    bomLayout->addWidget(new QLabel(Shown(TextId::BomTitle), bomPart));
    bomLayout->addWidget(bom_);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(view_);
    splitter->addWidget(bomPart);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kDrawingShare, kBomShare});

    auto* lower = new QHBoxLayout;
    lower->addWidget(output_);
    lower->addWidget(circuitButtons_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(notice_);
    layout->addWidget(splitter, 1);
    layout->addLayout(lower);
    Refresh();
}

QString SchematicPanel::Notice() const {
    return notice_->text();
}

std::string SchematicPanel::BomText() const {
    const verify::RealisedCircuit* circuit = design_.Circuit().Circuit();
    return circuit != nullptr ? BomCsv(BillOfMaterials(circuit->schematic)) : std::string();
}

void SchematicPanel::Refresh() {
    const verify::RealisedCircuit* circuit = design_.Circuit().Circuit();
    circuitButtons_->setEnabled(circuit != nullptr);
    if (circuit == nullptr) {
        view_->SetSchematic(std::nullopt);
        bom_->setRowCount(0);
    } else {
        view_->SetSchematic(circuit->schematic);
        FillBom(*bom_, GroupedByValue(BillOfMaterials(circuit->schematic)));
    }
    ShowNotice();
}

void SchematicPanel::ShowNotice() {
    const verify::KeptCircuit& kept = design_.Circuit();
    QString notice;
    if (kept.Circuit() == nullptr) notice = Shown(TextId::SchematicNoCircuitYet);
    if (kept.IsStale(design_.Document())) notice = Shown(TextId::CircuitOfPreviousDesign);
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
}

void SchematicPanel::ChooseAndExport() {
    const verify::RealisedCircuit* circuit = design_.Circuit().Circuit();
    if (circuit == nullptr) return;
    QtUi ui(this);
    FileDialogRequest request;
    request.title = Text(TextId::ExportSchematicTitle);
    request.initialName = std::string(Text(TextId::ExportedSchematic)) + ".svg";
    request.defaultExtension = "svg";
    request.filters = {{Text(TextId::SvgFileFilter), "*.svg"},
                       {Text(TextId::PngFileFilter), "*.png"},
                       {Text(TextId::PdfFileFilter), "*.pdf"}};
    const std::optional<std::string> path = ui.SaveFileName(request);
    if (!path) return;
    const QString error = ExportSchematic(circuit->schematic, *path);
    if (!error.isEmpty()) ReportWriteFailure(ui, *path, Text(TextId::ExportedSchematic), error);
}

void SchematicPanel::ChooseAndPrint() {
    const verify::RealisedCircuit* circuit = design_.Circuit().Circuit();
    if (circuit == nullptr) return;
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintSchematic(printer, circuit->schematic);
}

void SchematicPanel::CopyBom() const {
    QApplication::clipboard()->setText(QString::fromStdString(BomText()));
}

void SchematicPanel::ChooseAndSaveBom() {
    const std::string csv = BomText();
    if (csv.empty()) return;
    QtUi ui(this);
    FileDialogRequest request;
    request.title = Text(TextId::SaveBomTitle);
    request.defaultExtension = "csv";
    request.filters = {{Text(TextId::CsvFileFilter), "*.csv"}};
    const std::optional<std::string> path = ui.SaveFileName(request);
    if (!path) return;
    if (const std::optional<std::string> problem = WriteFileAtomically(*path, csv))
        ReportWriteFailure(ui, *path, Text(TextId::ExportedBom), QString::fromStdString(*problem));
}

}  // namespace vorna
