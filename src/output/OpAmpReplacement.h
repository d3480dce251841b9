#pragma once
// Putting another op-amp than the reference schematics' "LT1115" into a schematic: chosen
// while a schematic is written, or afterwards by copying a schematic once per op-amp listed
// in "OPExchange.txt".

namespace vorna {

class CircuitOutput;
class Ui;

// Asks which op-amp the schematic being written gets: "ADA4807-4", the one named in
// "OPname.txt", or the reference op-amp; sets the output's replaceOpAmp and replacementName.
// A run without a user answers the two questions by their ids: AskUseDefaultOpAmp (put in
// "ADA4807-4") and AskKeepReferenceOpAmp (keep the reference op-amp rather than the one of
// "OPname.txt").
void ChooseOutputOpAmp(CircuitOutput& output, Ui& ui);

enum class ExchangeOutcome {
    Done,       // every copy written
    Cancelled,  // the user chose no schematic, or answered No
    Failed,     // a file could not be read or written, or the op-amp is not used
    Refused,    // an input file is unusable: an op-amp name, a folder, too large
};

// Lets the user pick a schematic and writes, for every "to" name of "OPExchange.txt", a copy
// "<schematic>-<name>.asc" beside it whose op-amp symbols named by the "from" name carry
// that name instead. Every outcome is reported except a cancelled choice of schematic.
ExchangeOutcome ExchangeOpAmps(CircuitOutput& output, Ui& ui);

}  // namespace vorna
