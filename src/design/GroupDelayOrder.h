#pragma once
// The Bessel low-pass design by group delay: the order and cut-off that keep the group delay
// within a percentage of its DC value up to a frequency, with the DC value given. The design
// is then the delay-normalised Bessel design of that order with that cut-off.

#include <variant>

namespace vorna {

struct GroupDelaySpec {
    double delay = 1e-3;  // the group delay at DC, s
    double hz = 100;      // up to this frequency
    double percent = 1;   // the delay stays within this percentage of its DC value
};

enum class GroupDelayRule {
    DelayOutOfRange,       // not a positive delay whose cut-off a design can have
    FrequencyNotPositive,  // a frequency of 0, below, or not a number
    PercentOutOfRange,     // outside 0 < percent < 100 (the limits)
    OrderAboveLimit,       // no order up to the highest (the maximum) keeps the delay
};

struct GroupDelayRefusal {
    GroupDelayRule rule;
    double minimum = 0;
    double maximum = 0;
};

struct GroupDelayOrder {
    int order = 0;
    double fc = 0;  // Hz: 1 / (2 pi delay)
};

std::variant<GroupDelayOrder, GroupDelayRefusal> BesselOrderForGroupDelay(
    const GroupDelaySpec& spec);

// The group delay at the normalised frequency `omega` of a prototype given by its
// LowPassPrototype pairs and real pole (in units of 1 / its normalisation frequency).
struct LowPassPrototype;
double PrototypeGroupDelay(const LowPassPrototype& prototype, double omega);

}  // namespace vorna
