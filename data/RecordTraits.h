#pragma once
// Which discharge coefficients a calculation record keeps of its valve, for
// the code that stores a valve into any record or finds its fields.

#include <type_traits>

namespace RecordTraits {

template <class R, class = void> struct KeepsAlphaGas : std::false_type {};
template <class R> struct KeepsAlphaGas<R, std::void_t<decltype(R::AlphaGas)>> : std::true_type {};
template <class R, class = void> struct KeepsBothLiquidAlphas : std::false_type {};
template <class R>
struct KeepsBothLiquidAlphas<R, std::void_t<decltype(R::AlphaLiquid25)>> : std::true_type {};
template <class R, class = void> struct KeepsLiquidAlpha : std::false_type {};
template <class R>
struct KeepsLiquidAlpha<R, std::void_t<decltype(R::AlphaLiquid)>> : std::true_type {};

} // namespace RecordTraits
