#include "LanguageOptions.h"

#include <string_view>

namespace vorna::cli {

namespace {

constexpr std::string_view kLanguageOption = "--lang";

std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "ja") return Language::Japanese;
    if (name == "en") return Language::English;
    return std::nullopt;
}

// The value of the last --lang of the command line, as typed; nullopt when there is none.
std::optional<std::string_view> LanguageOptionValue(int argc, const char* const* argv) {
    std::optional<std::string_view> value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") break;
        if (argument == kLanguageOption && i + 1 < argc) {
            value = argv[++i];
        } else if (argument.starts_with(kLanguageOption) &&
                   argument.substr(kLanguageOption.size()).starts_with('=')) {
            value = argument.substr(kLanguageOption.size() + 1);
        }
    }
    return value;
}

}  // namespace

LanguageChoice ChooseLanguage(int argc, const char* const* argv, const char* variable) {
    LanguageChoice choice;
    if (const auto option = LanguageOptionValue(argc, argv)) {
        choice.language = LanguageNamed(*option).value_or(Language::Japanese);
        return choice;
    }
    if (variable == nullptr || *variable == '\0') return choice;
    if (const auto named = LanguageNamed(variable)) {
        choice.language = *named;
    } else {
        choice.ignoredVariable = variable;
    }
    return choice;
}

void AddLanguageOption(CLI::App& app) {
    const auto add = [](CLI::App& to) {
        // The language is already chosen; the option is declared so that it is accepted.
        to.add_option(std::string(kLanguageOption), CLI::callback_t{},
                      Text(TextId::CliLanguageHelp))
            ->expected(1)
            ->type_name("TEXT")
            ->check(CLI::IsMember({"en", "ja"}));
    };
    add(app);
    for (CLI::App* verb : app.get_subcommands({})) add(*verb);
}

void AddEncodingOption(CLI::App& verb) {
    verb.add_option("--encoding", CLI::callback_t{}, Text(TextId::CliEncodingHelp))
        ->expected(1)
        ->type_name("TEXT")
        ->check(CLI::IsMember({"utf-8", "cp932"}))
        ->each([](const std::string& name) {
            SetFileTextEncoding(name == "utf-8" ? FileTextEncoding::Utf8 : FileTextEncoding::Cp932);
        });
}

}  // namespace vorna::cli
