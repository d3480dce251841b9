// The help documents' directives: numbers, section tables and figures from the command-line
// program, a clear failure for anything that cannot be expanded, the English documents'
// sources, and the built documents.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>

#include "CliProcess.h"
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
// unless "bp" is asked for; a circuit output writes a bill of materials of three lines, whose
// resistor is larger when pre-compensated.
std::optional<QByteArray> FakeCli(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--fail"))) return std::nullopt;
    if (arguments.front() == QStringLiteral("circuit")) {
        const QByteArray r = arguments.contains(QStringLiteral("--compensate")) ? "1200" : "1000";
        WriteFileOf(arguments, "--bom",
                    "designator,part,value\nR1_1,resistor," + r +
                        "\nC1_1,capacitor,1e-08\nU1,opamp,LT1115\n");
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

HelpText Expand(const char* source, Language language = Language::Japanese) {
    return ExpandHelpText(QString::fromUtf8(source), FakeCli, language);
}

QString HelpSource(const char* name) {
    QFile file(QStringLiteral(VORNA_SOURCE_DIR "/docs/help/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Kana, kanji, and the CJK punctuation and full- and half-width forms.
bool HoldsJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

constexpr std::pair<const char*, const char*> kTranslations[] = {
    {"manual.md", "manual-en.md"},
    {"examples-basic.md", "examples-basic-en.md"},
    {"examples-advanced.md", "examples-advanced-en.md"},
    {"active-filters.md", "active-filters-en.md"},
};

HelpText ExpandEnglish(const char* name) {
    const QTemporaryDir scratch;
    return ExpandHelpText(HelpSource(name),
                          CliProcessRunner(QStringLiteral(VORNA_BIN_DIR "/vorna-cli"),
                                           Language::English, scratch.path()),
                          Language::English);
}

TEST(HelpText, DirectivesExpandToTheProgramsNumbersTablesAndFigures) {
    const struct {
        const char* source;
        const char* expected;
        Language language = Language::Japanese;
    } cases[] = {
        {"{{design a: --order 3}}次数 {{a.order}}", "次数 3"},
        {"{{design a: --order 3}}{{a.attsAchieved:2}} dB, {{a.attsAchieved}}", "41.23 dB, 41.2345"},
        {"{{design a: --order 3}}{{a.gains.0.gainDb:1}}", "-3.5"},
        {"{{design a: --order 3}}{{a.results.p0:Hz}}", "6.283 kHz"},
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
         "| designator | part | value |\n|---|---|---|\n| R1_1 | resistor | 1000 |\n"
         "| C1_1 | capacitor | 1e-08 |\n| U1 | opamp | LT1115 |\n"},
        {"{{circuit a: --kind lp}}{{circuit b: --compensate}}{{values a b: R | a | b}}",
         "| R | a | b |\n|---|---|---|\n| R1_1 | 1 kΩ | 1.2 kΩ |\n| C1_1 | 10 nF | 10 nF |\n"},
        {"{{verify v: --gbw 1Meg}}{{v.order}}", "3"},
        {"{{circuit c: --kind lp}}{{c.order}}, {{schematic c: 回路}}",
         "3, ![図1](figure:0)\n\n図1　回路"},
        {"no directives", "no directives"},
        {"{{design a: --kind bp}}{{a.sections}}",
         "| Section | Numerator | Denominator | Fc [Hz] | Q |\n|---|---|---|---|---|\n"
         "| 1 | 3.94784e+07 | s² + 6283.19 s + 3.94784e+07 | 1000.00 | 1.0000 |\n",
         Language::English},
        {"{{design a: --kind lp}}{{figure a polezero: Poles}}{{figure a response: 100 %}}",
         "![Figure 1](figure:0)\n\nFigure 1: Poles![Figure 2](figure:1)\n\nFigure 2: 100 %",
         Language::English},
    };
    for (const auto& c : cases) {
        const HelpText text = Expand(c.source, c.language);
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
        "{{verify v: --fail}}",                                         // the simulation failed
        "{{circuit c: --kind lp}}\n{{values c d: a | b | c}}",          // no second circuit
        "{{circuit c: --kind lp}}\n{{values c c: a | b}}",              // two heads for three
        "{{design a: --order 3}}\n{{figure a response: {{a.order}}}}",  // nested
    };
    for (const char* source : failures) {
        const HelpText text = Expand(source);
        const QString line =
            QStringLiteral("line %1:").arg(QString::fromUtf8(source).count(u'\n') + 1);
        EXPECT_TRUE(text.error.startsWith(line)) << source << ": " << text.error.toStdString();
    }
}

// A translation takes the same designs, numbers and figures as its original.
TEST(HelpDocuments, EnglishSourcesHoldTheJapaneseOnesDirectives) {
    static const QRegularExpression kDirective(QStringLiteral(R"(\{\{(.*?)\}\})"));
    static const QRegularExpression kCaption(
        QStringLiteral(R"(^((?:figure|schematic|values)\s[^:]*):.*$)"));
    const auto directives = [](const QString& source) {
        QStringList found;
        for (auto it = kDirective.globalMatch(source); it.hasNext();)
            found << it.next().captured(1).trimmed().replace(kCaption, QStringLiteral("\\1"));
        return found;
    };
    for (const auto& [japanese, english] : kTranslations) {
        const QStringList original = directives(HelpSource(japanese));
        EXPECT_FALSE(original.isEmpty()) << japanese;
        EXPECT_EQ(directives(HelpSource(english)), original) << english;
    }
}

TEST(HelpDocuments, EnglishSourcesExpandWithoutJapanese) {
    for (const auto& translation : kTranslations) {
        const char* english = translation.second;
        const HelpText text = ExpandEnglish(english);
        EXPECT_TRUE(text.error.isEmpty()) << english << ": " << text.error.toStdString();
        EXPECT_FALSE(text.markdown.isEmpty()) << english;
        EXPECT_FALSE(HoldsJapanese(text.markdown)) << english;
    }
}

// The figures' texts (not their lists of font families) come from vorna-cli, in English once it
// takes the language.
TEST(HelpDocuments, EnglishFiguresHoldNoJapanese) {
    QProcess probe;
    probe.start(QStringLiteral(VORNA_BIN_DIR "/vorna-cli"),
                {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("design")});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        GTEST_SKIP() << "vorna-cli does not take --lang en";
    for (const auto& translation : kTranslations) {
        const char* english = translation.second;
        const HelpText text = ExpandEnglish(english);
        EXPECT_FALSE(text.figures.empty()) << english;
        static const QRegularExpression kMarkup(QStringLiteral("<[^>]*>"));
        for (const QByteArray& figure : text.figures)
            EXPECT_FALSE(HoldsJapanese(QString::fromUtf8(figure).remove(kMarkup))) << english;
    }
}

TEST(HelpDocuments, EveryHelpDocumentIsBuiltBesideTheProgram) {
    std::vector<std::pair<Language, TextId>> documents;
    for (const vorna::HelpCommand& help : vorna::kHelpCommands) {
        documents.emplace_back(Language::Japanese, help.document);
        documents.emplace_back(Language::English, help.document);
    }
    for (const auto& [language, id] : documents) {
        const char* document = vorna::Text(id, language);
        QFile file(QDir(QStringLiteral(VORNA_BIN_DIR)).filePath(QString::fromUtf8(document)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << document;
        EXPECT_TRUE(file.read(5) == "%PDF-") << document;
    }
}

}  // namespace
}  // namespace vorna::help
