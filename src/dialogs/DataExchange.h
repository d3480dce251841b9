#pragma once
// Data exchange between a dialog's plain fields and its controls, with the range checks and
// the standard messages of the dialog framework. Loading (save == false) writes fields into
// controls; saving reads and validates them. Saving stops at the first refused entry: the
// user gets the message, the focus goes to that control and every later call does nothing.

#include <string>

#include "text/Message.h"

namespace vorna {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}

    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }

    // Edit box (or static) <-> number; doubles are shown with 15 significant digits.
    void Text(int controlId, double& value);
    void Text(int controlId, int& value);
    void Text(int controlId, std::string& value);
    // Combo box <-> text: loading selects the first item that begins with the text
    // (ignoring case), or puts the text into the edit field when none does; saving reads
    // the combo box's text.
    void ComboText(int controlId, std::string& value);
    // Radio group starting at `firstId` <-> index of the checked button (-1 for none).
    void Radio(int firstId, int& index);
    // Check box <-> whether it is checked.
    void Check(int controlId, bool& checked);

    // Range checks of the value just exchanged (saving only), ends included.
    void Range(double value, double minimum, double maximum);
    void Range(int value, int minimum, int maximum);
    // Refuses the value just exchanged with `message`: the dialog stays open on its control.
    void Fail(const Message& message);

private:
    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
    int lastControl_ = 0;
};

// The framework's standard messages for an entry out of range.
Message NumberRangeMessage(double minimum, double maximum);
Message IntegerRangeMessage(int minimum, int maximum);

// Text of a double in an edit box: general format with 15 significant digits.
std::string FormatFieldDouble(double value);
// Reads a whole edit text as a number (leading and trailing blanks allowed); false when
// the text is not exactly one finite number.
bool ParseFieldDouble(const std::string& text, double& value);
bool ParseFieldInt(const std::string& text, int& value);

}  // namespace vorna
