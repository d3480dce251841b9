#include "dialogs/DataExchange.h"

#include <cctype>
#include <climits>
#include <cmath>

#include "dialogs/Dialog.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool OnlyBlanks(const char* text) {
    while (*text != '\0') {
        if (!IsBlank(*text)) return false;
        ++text;
    }
    return true;
}

bool StartsWithIgnoringCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(item[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

Message NumberRangeMessage(double minimum, double maximum) {
    return {TextId::EnterNumberBetween, {Format("%.15g", minimum), Format("%.15g", maximum)}};
}

Message IntegerRangeMessage(int minimum, int maximum) {
    return {TextId::EnterIntegerBetween, {std::to_string(minimum), std::to_string(maximum)}};
}

std::string FormatFieldDouble(double value) {
    return Format("%.15g", value);
}

bool ParseFieldDouble(const std::string& text, double& value) {
    const char* start = text.c_str();
    while (IsBlank(*start)) ++start;
    // Plain decimal numbers only: no hexadecimal forms, infinities or NaNs.
    for (const char* p = start; *p != '\0' && !IsBlank(*p); ++p) {
        if (std::isalpha(static_cast<unsigned char>(*p)) && *p != 'e' && *p != 'E') return false;
    }
    const char* end = nullptr;
    const double parsed = StrToD(start, &end);
    if (end == start || !OnlyBlanks(end) || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseFieldInt(const std::string& text, int& value) {
    const char* p = text.c_str();
    while (IsBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    long long magnitude = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
        ++p;
    }
    if (!OnlyBlanks(p)) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

void DataExchange::Fail(const Message& message) {
    failed_ = true;
    dialog_.CurrentUi().MessageBox(message, MessageButtons::Ok);
    dialog_.SetFocus(lastControl_);
}

void DataExchange::Text(int controlId, double& value) {
    if (failed_) return;
    lastControl_ = controlId;
    if (!save_) {
        dialog_.SetText(controlId, FormatFieldDouble(value));
        return;
    }
    if (!ParseFieldDouble(dialog_.Text(controlId), value)) Fail(TextId::EnterNumber);
}

void DataExchange::Text(int controlId, int& value) {
    if (failed_) return;
    lastControl_ = controlId;
    if (!save_) {
        dialog_.SetText(controlId, std::to_string(value));
        return;
    }
    if (!ParseFieldInt(dialog_.Text(controlId), value)) Fail(TextId::EnterInteger);
}

void DataExchange::Text(int controlId, std::string& value) {
    if (failed_) return;
    lastControl_ = controlId;
    if (!save_) {
        dialog_.SetText(controlId, value);
    } else {
        value = dialog_.Text(controlId);
    }
}

void DataExchange::ComboText(int controlId, std::string& value) {
    if (failed_) return;
    lastControl_ = controlId;
    ControlState& state = dialog_.MutableControl(controlId);
    if (save_) {
        value = state.text;
        return;
    }
    // An empty text matches no item (the list search finds nothing for it), so an
    // editable combo box stays empty and a fixed list selects nothing.
    for (std::size_t i = 0; !value.empty() && i < state.items.size(); ++i) {
        if (StartsWithIgnoringCase(state.items[i], value)) {
            state.selection = static_cast<int>(i);
            state.text = state.items[i];
            return;
        }
    }
    // No item matches: an editable combo box shows the text; a fixed list shows nothing.
    const ControlSpec* spec = dialog_.Resource().Find(controlId);
    state.selection = -1;
    state.text = (spec != nullptr && spec->kind == ControlKind::DropDown) ? value : std::string();
}

void DataExchange::Radio(int firstId, int& index) {
    if (failed_) return;
    lastControl_ = firstId;
    const std::vector<int> group = dialog_.RadioGroup(firstId);
    if (save_) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (dialog_.Control(group[i]).checked) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        dialog_.MutableControl(group[i]).checked = (static_cast<int>(i) == index);
    }
}

void DataExchange::Check(int controlId, bool& checked) {
    if (failed_) return;
    lastControl_ = controlId;
    if (save_) {
        checked = dialog_.Control(controlId).checked;
    } else {
        dialog_.MutableControl(controlId).checked = checked;
    }
}

void DataExchange::Range(double value, double minimum, double maximum) {
    if (failed_ || !save_) return;
    if (value < minimum || value > maximum) Fail(NumberRangeMessage(minimum, maximum));
}

void DataExchange::Range(int value, int minimum, int maximum) {
    if (failed_ || !save_) return;
    if (value < minimum || value > maximum) Fail(IntegerRangeMessage(minimum, maximum));
}

}  // namespace vorna
