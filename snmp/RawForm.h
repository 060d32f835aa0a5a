#pragma once
// The raw byte form through which control bindings pass every value, so that
// typed values come back normalised and a binding can address a part of a
// value (a byte, two bytes, a bit).
#include <cstdint>
#include <string>

namespace zt {

// Text to raw bytes for a syntax ("(NULL)" gives no bytes). -511 for an unknown syntax.
std::string ToRaw(const std::string& text, std::uint32_t syntax);
// Raw bytes to text: no bytes give "(NULL)" (the empty text for DisplayString);
// fewer bytes than the syntax needs raise -518; an unknown syntax -511.
std::string FromRaw(const std::string& raw, std::uint32_t syntax);
// The bytes of a part of the given syntax starting at a byte offset; -519 when
// the raw form is too short for it.
std::string ExtractPart(const std::string& raw, std::size_t offset, std::uint32_t partSyntax);
// Copies a part's bytes into a value's raw form at an offset (growing it with
// zero bytes as needed) and gives the value's text.
std::string MergePart(std::string raw, std::size_t offset, const std::string& part, std::uint32_t valueSyntax);

// Bit b is byte b / 8 with the mask 0x80 >> (b % 8): bit 0 is the most
// significant bit of the first byte. Reading beyond the raw form raises -519;
// setting beyond it grows the form with zero bytes, as merging a part does.
bool IsBitSet(const std::string& raw, std::size_t bit);
void SetBit(std::string& raw, std::size_t bit, bool on);

} // namespace zt
