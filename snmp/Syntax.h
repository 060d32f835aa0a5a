#pragma once
// Syntax codes, access flags and list kinds of the variable tables.
#include <cstdint>

namespace zt {

// How a value is carried and shown. The standard codes are the SMI tags.
namespace syn {
constexpr std::uint32_t Boolean = 1;       // INTEGER, "true" / "false"
constexpr std::uint32_t Integer = 2;
constexpr std::uint32_t BitString = 3;     // octets, hex text
constexpr std::uint32_t OctetString = 4;   // hex text
constexpr std::uint32_t Null = 5;
constexpr std::uint32_t ObjectId = 6;
constexpr std::uint32_t IpAddress = 64;
constexpr std::uint32_t Counter32 = 65;
constexpr std::uint32_t Gauge32 = 66;
constexpr std::uint32_t TimeTicks = 67;
constexpr std::uint32_t Opaque = 68;       // octets, hex text
constexpr std::uint32_t NsapAddress = 69;  // as IpAddress
constexpr std::uint32_t Counter64 = 70;
constexpr std::uint32_t UInteger32 = 71;
// carried in an OCTET STRING
constexpr std::uint32_t Double = 72;       // 8-byte little-endian IEEE double
constexpr std::uint32_t MacAddress = 73;   // 6 octets, hex text
constexpr std::uint32_t DateAndTime = 74;  // 11 octets, ZtDateTime text
constexpr std::uint32_t DayCountDate = 75; // 8-byte double of days since 1899-12-30
constexpr std::uint32_t DisplayString = 76;
// parts of a value's raw bytes, for control bindings only
constexpr std::uint32_t PartBool8 = 193;
constexpr std::uint32_t PartInt8 = 194;
constexpr std::uint32_t PartUInt8 = 195;
constexpr std::uint32_t PartBool16 = 196;
constexpr std::uint32_t PartUInt16 = 197;
constexpr std::uint32_t PartUInt16b = 198;
} // namespace syn

namespace acc {
constexpr std::uint32_t Key = 0x01;
constexpr std::uint32_t Read = 0x02;
constexpr std::uint32_t Write = 0x04;
constexpr std::uint32_t Shown = 0x08;
constexpr std::uint32_t Hidden = 0x10;
constexpr std::uint32_t Skip = 0x20;
constexpr std::uint32_t Implied = 0x40;
constexpr std::uint32_t ReadOnly = Read;
constexpr std::uint32_t ReadWrite = Read | Write;
} // namespace acc

namespace listkind {
constexpr std::uint8_t Scalar = 0;       // oid + ".0"
constexpr std::uint8_t Instance = 1;     // oid as written
constexpr std::uint8_t Table = 2;        // controls disabled until a row is selected
constexpr std::uint8_t EditableTable = 3;
} // namespace listkind

inline constexpr const char* kNullText = "(NULL)";
inline constexpr const char* kNotDoneText = "(NOTDONE)";

} // namespace zt
