#pragma once
// The language of a run and the encoding of the files it appends to (the journal and the
// reports). The language is chosen before any text is read: by --lang en|ja (before or after
// the verb), else by the environment variable VORNA_LANG, else Japanese.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "platform/FileTextEncoding.h"
#include "text/Texts.h"

namespace vorna::cli {

struct LanguageChoice {
    Language language = Language::Japanese;
    // A VORNA_LANG value that names no language; it is ignored (see ChooseLanguage).
    std::optional<std::string> ignoredVariable;
};

// The language of the command line `argv` in the environment whose VORNA_LANG is `variable`
// (null when unset; empty counts as unset). A --lang value that names no language leaves
// Japanese, and the parser refuses it. An unknown VORNA_LANG does not stop the run, since the
// environment reaches every run and most outputs do not depend on the language; the caller
// says once that it was ignored.
LanguageChoice ChooseLanguage(int argc, const char* const* argv, const char* variable);

// Adds --lang to the application and to each of its verbs, so that it may stand before or
// after the verb; the parser refuses any value but en and ja.
void AddLanguageOption(CLI::App& app);

// Adds --encoding utf-8|cp932 to a verb that writes the journal or a report; a given value
// sets the file text encoding for the run.
void AddEncodingOption(CLI::App& verb);

}  // namespace vorna::cli
