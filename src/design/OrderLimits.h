#pragma once
// Limits of the order of the low-pass prototype and the conversion of a computed real order
// to the integer order.

namespace vorna {

inline constexpr int kMinOrder = 2;
inline constexpr int kMaxOrder = 58;

// The ceiling of a computed order as an int. An order that is not finite (a division by a
// zero acosh, for example) or beyond the limit becomes kMaxOrder + 1, so that the order
// check refuses it instead of converting an unrepresentable value; very negative orders
// become -1, which the order check raises to kMinOrder like any order below it.
int OrderFromExact(double orderExact);

}  // namespace vorna
