// The help documents' directives: numbers, section tables and figures from the command-line
// program, a clear failure for anything that cannot be expanded, and the built documents.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Commands.h"
#include "HelpText.h"
#include "text/Texts.h"

namespace vorna::help {
namespace {

// The file a circuit output is asked to write with `option`.
void WriteFileOf(const QStringList& arguments, const char* option, const QByteArray& bytes) {
    QFile file(arguments.at(arguments.indexOf(QString::fromLatin1(option)) + 1));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// A stand-in for vorna-cli: an odd-order design with one second-order section, low-pass
// unless "bp" is asked for; a circuit output writes a bill of materials of two lines.
std::optional<QByteArray> FakeCli(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--fail"))) return std::nullopt;
    if (arguments.front() == QStringLiteral("circuit")) {
        WriteFileOf(arguments, "--bom", "designator,part\nR1_1,resistor\nU1,opamp\n");
        WriteFileOf(arguments, "--svg", "<svg>drawing</svg>");
    }
    if (arguments.front() == QStringLiteral("plot"))
        return arguments.join(u' ').toUtf8().prepend("<svg>");
    const QByteArray kind = arguments.contains(QStringLiteral("bp")) ? "103" : "101";
    return QByteArray(R"({"kind": )" + kind + R"(, "order": 3, "attsAchieved": 41.2345,
        "gains": [{"gainDb": -3.5}],
        "results": {"resultOddOrder": 1, "p0": 6283.185307179586, "p1": 0.0,
                    "p2": 6283.185307179586,
                    "sections": [[6283.185307179586, 39478417.6, 0.0, 0.0, 39478417.6]]}})");
}

HelpText Expand(const char* source) {
    return ExpandHelpText(QString::fromUtf8(source), FakeCli);
}

TEST(HelpText, DirectivesExpandToTheProgramsNumbersTablesAndFigures) {
    const struct {
        const char* source;
        const char* expected;
    } cases[] = {
        {"{{design a: --order 3}}次数 {{a.order}}", "次数 3"},
        {"{{design a: --order 3}}{{a.attsAchieved:2}} dB, {{a.attsAchieved}}", "41.23 dB, 41.2345"},
        {"{{design a: --order 3}}{{a.gains.0.gainDb:1}}", "-3.5"},
        {"{{design a: --order 3}}{{a.sections}}",
         "| 段 | 分子 | 分母 | Fc [Hz] | Q |\n|---|---|---|---|---|\n"
         "| 1 | 6283.19 | s + 6283.19 | 1000.00 | — |\n"
         "| 2 | 3.94784e+07 | s² + 6283.19 s + 3.94784e+07 | 1000.00 | 1.0000 |\n"},
        {"{{design a: --kind bp}}{{a.sections}}",  // band designs have no first-order section
         "| 段 | 分子 | 分母 | Fc [Hz] | Q |\n|---|---|---|---|---|\n"
         "| 1 | 3.94784e+07 | s² + 6283.19 s + 3.94784e+07 | 1000.00 | 1.0000 |\n"},
        {"{{design a: --kind lp --fp \"1 KHz\"}}{{figure a polezero: 極とゼロ}}",
         "![図1](figure:0)\n\n図1　極とゼロ"},
        {"{{circuit c: --kind lp}}{{c.bom}}",
         "| designator | part |\n|---|---|\n| R1_1 | resistor |\n| U1 | opamp |\n"},
        {"{{circuit c: --kind lp}}{{c.order}}, {{schematic c: 回路}}",
         "3, ![図1](figure:0)\n\n図1　回路"},
        {"no directives", "no directives"},
    };
    for (const auto& c : cases) {
        const HelpText text = Expand(c.source);
        EXPECT_TRUE(text.error.isEmpty()) << c.source << ": " << text.error.toStdString();
        EXPECT_EQ(text.markdown, QString::fromUtf8(c.expected)) << c.source;
    }
    const HelpText figure = Expand("{{design a: --fp \"1 KHz\"}}{{figure a response: x}}");
    ASSERT_EQ(figure.figures.size(), 1u);
    EXPECT_EQ(figure.figures[0], "<svg>plot --fp 1 KHz --graph response -o -");
}

TEST(HelpText, AnythingThatCannotBeExpandedNamesItsLine) {
    const char* const failures[] = {
        "{{b.order}}",                                      // no such design
        "{{design a: --order 3}}\n{{a.nosuchfield}}",       // no such number
        "{{design a: --order 3}}\n{{a.results}}",           // not a number
        "{{design a: --fail}}",                             // the program failed
        "{{figure b response: x}}",                         // figure of no design
        "{{design a: --order 3}}\n{{figure a --fail: x}}",  // the drawing failed
        "{{unknown directive}}",
        "{{design a: --order 3}}\n{{a.bom}}",                           // no circuit output
        "{{design a: --order 3}}\n{{schematic a: x}}",                  // nor its drawing
        "{{circuit c: --fail}}",                                        // the circuit output failed
        "{{design a: --order 3}}\n{{figure a response: {{a.order}}}}",  // nested
    };
    for (const char* source : failures) {
        const HelpText text = Expand(source);
        const QString line =
            QStringLiteral("line %1:").arg(QString::fromUtf8(source).count(u'\n') + 1);
        EXPECT_TRUE(text.error.startsWith(line)) << source << ": " << text.error.toStdString();
    }
}

TEST(HelpDocuments, EveryHelpCommandsDocumentIsBuiltBesideTheProgram) {
    for (const vorna::HelpCommand& help : vorna::kHelpCommands) {
        const char* document = vorna::Text(help.document);
        QFile file(QDir(QStringLiteral(VORNA_BIN_DIR)).filePath(QString::fromUtf8(document)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << document;
        EXPECT_TRUE(file.read(5) == "%PDF-") << document;
    }
}

}  // namespace
}  // namespace vorna::help
