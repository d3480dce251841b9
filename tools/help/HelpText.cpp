#include "HelpText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "text/Texts.h"
#include "view/EngineeringNotation.h"

namespace vorna::help {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kUnitDigits = 4;  // the significant digits of a number written with its unit

struct Design {
    QStringList arguments;
    QJsonObject json;
    QByteArray bom;  // a circuit output's bill of materials (CSV) and drawing (SVG)
    QByteArray drawing;
};

QString Number(double value, int decimals) {
    return decimals >= 0 ? QString::number(value, 'f', decimals) : QString::number(value, 'g', 6);
}

// c[0]·s^n + ... + c[n], zero terms left out; a leading 1 is written as s^n alone.
QString Polynomial(const std::vector<double>& c) {
    static const char* const kPowers[] = {"", " s", " s²"};
    QStringList terms;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const std::size_t power = c.size() - 1 - i;
        if (c[i] == 0.0) continue;
        const bool bare = c[i] == 1.0 && power > 0;
        terms << (bare ? QString::fromUtf8(kPowers[power]).trimmed()
                       : Number(c[i], -1) + QString::fromUtf8(kPowers[power]));
    }
    return terms.isEmpty() ? QStringLiteral("0") : terms.join(QStringLiteral(" + "));
}

QString SectionRow(int number, const std::vector<double>& numerator,
                   const std::vector<double>& denominator, double omega, double q) {
    return QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
        .arg(number)
        .arg(Polynomial(numerator), Polynomial(denominator), Number(omega / kTwoPi, 2),
             q > 0 ? Number(q, 4) : QStringLiteral("—"));
}

std::optional<QString> SectionsTable(const QJsonObject& design, Language language) {
    const QJsonObject results = design.value(QStringLiteral("results")).toObject();
    const QJsonValue sections = results.value(QStringLiteral("sections"));
    if (!sections.isArray()) return std::nullopt;
    QString table = QString::fromUtf8(Text(TextId::HelpSectionsTableHeader, language)) +
                    QStringLiteral("\n|---|---|---|---|---|\n");
    int number = 0;
    // Only low-pass and high-pass designs (kinds 101, 102) have a first-order section.
    const bool lowOrHighPass = design.value(QStringLiteral("kind")).toInt() <= 102;
    if (lowOrHighPass && results.value(QStringLiteral("resultOddOrder")).toInt() != 0) {
        const double p0 = results.value(QStringLiteral("p0")).toDouble();
        table += SectionRow(++number,
                            {results.value(QStringLiteral("p1")).toDouble(),
                             results.value(QStringLiteral("p2")).toDouble()},
                            {1.0, p0}, p0, 0.0);
    }
    for (const QJsonValue& section : sections.toArray()) {
        const QJsonArray p = section.toArray();
        if (p.size() != 5) return std::nullopt;
        const double omega = std::sqrt(p[1].toDouble());
        table +=
            SectionRow(++number, {p[2].toDouble(), p[3].toDouble(), p[4].toDouble()},
                       {1.0, p[0].toDouble(), p[1].toDouble()}, omega, omega / p[0].toDouble());
    }
    return table;
}

// The CSV of a bill of materials as a Markdown table, its header the table's head.
std::optional<QString> BomTable(const QByteArray& csv) {
    const QStringList lines = QString::fromUtf8(csv).split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() < 2) return std::nullopt;
    QString table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u',');
        table += QStringLiteral("| %1 |\n").arg(fields.join(QStringLiteral(" | ")));
        if (i == 0) table += QStringLiteral("|---").repeated(fields.size()) + QStringLiteral("|\n");
    }
    return table;
}

// The resistors' and capacitors' values of a bill of materials (CSV) by designator, in
// engineering notation, in the order of its lines.
std::vector<std::pair<QString, QString>> BomValues(const QByteArray& csv) {
    std::vector<std::pair<QString, QString>> values;
    const QStringList lines = QString::fromUtf8(csv).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(u',');
        if (fields.size() < 3) continue;
        const bool resistor = fields[1] == QStringLiteral("resistor");
        if (!resistor && fields[1] != QStringLiteral("capacitor")) continue;
        bool isNumber = false;
        const double value = fields[2].toDouble(&isNumber);
        if (!isNumber) continue;
        values.emplace_back(
            fields[0], QString::fromStdString(EngineeringNotation(value, resistor ? "Ω" : "F")));
    }
    return values;
}

// The resistors and capacitors of circuit `first` with their values beside those of the same
// designators in `second`, under the column heads `heads` ("designator | first | second").
std::optional<QString> ValuesTable(const QByteArray& first, const QByteArray& second,
                                   const QString& heads) {
    const auto values = BomValues(first);
    const auto others = BomValues(second);
    const QStringList columns = heads.split(u'|');
    if (values.empty() || columns.size() != 3) return std::nullopt;
    QString table = QStringLiteral("| %1 |\n|---|---|---|\n").arg(heads.trimmed());
    for (const auto& [designator, value] : values) {
        const auto other = std::find_if(others.begin(), others.end(),
                                        [&](const auto& o) { return o.first == designator; });
        table += QStringLiteral("| %1 | %2 | %3 |\n")
                     .arg(designator, value,
                          other == others.end() ? QStringLiteral("—") : other->second);
    }
    return table;
}

std::optional<double> Field(const QJsonObject& design, const QString& path) {
    QJsonValue value = design;
    for (const QString& key : path.split(u'.')) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value =
            isIndex && value.isArray() ? value.toArray().at(index) : value.toObject().value(key);
    }
    if (!value.isDouble()) return std::nullopt;
    return value.toDouble();
}

class Expander {
public:
    Expander(const CliRunner& run, Language language) : run_(run), language_(language) {}

    // The text of one directive (without the braces); nothing when it fails.
    std::optional<QString> Expand(const QString& directive) {
        if (directive.contains(QStringLiteral("{{"))) return std::nullopt;  // nested
        static const QRegularExpression kDesign(
            QStringLiteral(R"(^(design|verify)\s+(\w+)\s*:(.*)$)"));
        static const QRegularExpression kFigure(
            QStringLiteral(R"(^figure\s+(\w+)\s+(\w+)\s*:(.*)$)"));
        static const QRegularExpression kCircuit(QStringLiteral(R"(^circuit\s+(\w+)\s*:(.*)$)"));
        static const QRegularExpression kSchematic(
            QStringLiteral(R"(^schematic\s+(\w+)\s*:(.*)$)"));
        static const QRegularExpression kValues(
            QStringLiteral(R"(^values\s+(\w+)\s+(\w+)\s*:(.*)$)"));
        static const QRegularExpression kValue(
            QStringLiteral(R"(^(\w+)\.([\w.]+)(?::(\d+|[A-Za-z]+))?$)"));
        if (const auto m = kDesign.match(directive); m.hasMatch()) {
            return DefineDesign(m.captured(1), m.captured(2),
                                QProcess::splitCommand(m.captured(3)));
        }
        if (const auto m = kFigure.match(directive); m.hasMatch()) {
            return AddFigure(m.captured(1), m.captured(2), m.captured(3).trimmed());
        }
        if (const auto m = kCircuit.match(directive); m.hasMatch()) {
            return DefineCircuit(m.captured(1), QProcess::splitCommand(m.captured(2)));
        }
        if (const auto m = kSchematic.match(directive); m.hasMatch()) {
            const auto circuit = designs_.find(m.captured(1));
            if (circuit == designs_.end() || circuit->second.drawing.isEmpty()) return std::nullopt;
            return NumberedFigure(circuit->second.drawing, m.captured(2).trimmed());
        }
        if (const auto m = kValues.match(directive); m.hasMatch()) {
            const auto first = designs_.find(m.captured(1));
            const auto second = designs_.find(m.captured(2));
            if (first == designs_.end() || second == designs_.end()) return std::nullopt;
            return ValuesTable(first->second.bom, second->second.bom, m.captured(3));
        }
        if (const auto m = kValue.match(directive); m.hasMatch()) {
            const auto design = designs_.find(m.captured(1));
            if (design == designs_.end()) return std::nullopt;
            if (m.captured(2) == QStringLiteral("sections"))
                return SectionsTable(design->second.json, language_);
            if (m.captured(2) == QStringLiteral("bom")) return BomTable(design->second.bom);
            const auto value = Field(design->second.json, m.captured(2));
            if (!value) return std::nullopt;
            const QString format = m.captured(3);
            if (!format.isEmpty() && format.front().isLetter())
                return QString::fromStdString(
                    EngineeringNotation(*value, format.toStdString(), kUnitDigits));
            return Number(*value, format.isEmpty() ? -1 : format.toInt());
        }
        return std::nullopt;
    }

    std::vector<QByteArray> figures;

private:
    // A design (`verb` design) or a simulated circuit (`verb` verify) whose numbers are those of
    // its JSON.
    std::optional<QString> DefineDesign(const QString& verb, const QString& name,
                                        const QStringList& arguments) {
        const auto output = run_(QStringList{verb} + arguments);
        if (!output) return std::nullopt;
        const QJsonDocument json = QJsonDocument::fromJson(*output);
        if (!json.isObject()) return std::nullopt;
        designs_[name] = {arguments, json.object()};
        return QString();
    }

    std::optional<QString> AddFigure(const QString& name, const QString& graph,
                                     const QString& caption) {
        const auto design = designs_.find(name);
        if (design == designs_.end()) return std::nullopt;
        const auto svg = run_(QStringList{QStringLiteral("plot")} + design->second.arguments +
                              QStringList{QStringLiteral("--graph"), graph, QStringLiteral("-o"),
                                          QStringLiteral("-")});
        if (!svg) return std::nullopt;
        return NumberedFigure(*svg, caption);
    }

    // A circuit output whose files land in a folder of the expander's own.
    std::optional<QString> DefineCircuit(const QString& name, const QStringList& arguments) {
        if (!files_.isValid()) return std::nullopt;
        const QString stem = files_.filePath(name);
        const auto output =
            run_(QStringList{QStringLiteral("circuit")} + arguments +
                 QStringList{QStringLiteral("-o"), stem + QStringLiteral(".asc"),
                             QStringLiteral("--bom"), stem + QStringLiteral(".csv"),
                             QStringLiteral("--svg"), stem + QStringLiteral(".svg")});
        if (!output) return std::nullopt;
        const QJsonDocument json = QJsonDocument::fromJson(*output);
        QFile bom(stem + QStringLiteral(".csv")), drawing(stem + QStringLiteral(".svg"));
        if (!json.isObject() || !bom.open(QIODevice::ReadOnly) ||
            !drawing.open(QIODevice::ReadOnly))
            return std::nullopt;
        designs_[name] = {arguments, json.object(), bom.readAll(), drawing.readAll()};
        return QString();
    }

    std::optional<QString> NumberedFigure(const QByteArray& svg, const QString& caption) {
        if (!svg.contains("<svg")) return std::nullopt;
        figures.push_back(svg);
        const int number = static_cast<int>(figures.size());
        return QString::asprintf(Text(TextId::HelpFigure, language_), number, number - 1, number,
                                 caption.toUtf8().constData());
    }

    const CliRunner& run_;
    Language language_;
    std::map<QString, Design> designs_;
    QTemporaryDir files_;
};

}  // namespace

HelpText ExpandHelpText(const QString& source, const CliRunner& run, Language language) {
    static const QRegularExpression kDirective(QStringLiteral(R"(\{\{(.*?)\}\})"));
    Expander expander(run, language);
    HelpText text;
    qsizetype done = 0;
    for (auto it = kDirective.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString directive = match.captured(1).trimmed();
        const auto expanded = expander.Expand(directive);
        if (!expanded) {
            const auto line = source.left(match.capturedStart()).count(u'\n') + 1;
            text.error =
                QStringLiteral("line %1: {{%2}} cannot be expanded").arg(line).arg(directive);
            return text;
        }
        text.markdown += source.mid(done, match.capturedStart() - done) + *expanded;
        done = match.capturedEnd();
    }
    text.markdown += source.mid(done);
    text.figures = std::move(expander.figures);
    return text;
}

}  // namespace vorna::help
