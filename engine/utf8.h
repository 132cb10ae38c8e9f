// Texts are UTF-8 (layout names come from file names, player names are typed): a byte of the
// form 10xxxxxx continues the character before it, so texts are cut and counted before such
// bytes, never inside a character.
#pragma once

namespace sorimo {

constexpr bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace sorimo
