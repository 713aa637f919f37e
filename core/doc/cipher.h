#pragma once
// The document cipher: Blowfish in electronic code book mode, each block's
// halves read as little-endian words, zero padding to whole blocks, and a
// key made from the password.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace listora {

class Blowfish {
 public:
  // Only the first 72 bytes of a longer key take part, as in the standard
  // key schedule. The key must not be empty.
  explicit Blowfish(std::string_view key);

  void Encipher(std::uint32_t& left, std::uint32_t& right) const;
  void Decipher(std::uint32_t& left, std::uint32_t& right) const;

 private:
  std::uint32_t F(std::uint32_t x) const;

  std::array<std::uint32_t, 18> p_;
  std::array<std::array<std::uint32_t, 256>, 4> s_;
};

// Password bytes, the 16-byte constant text and one zero byte.
std::string MakeCipherKey(std::string_view password);

// Encipher and decipher the whole 8-byte blocks of `text` where it lies; a
// trailing partial block is left as it is.
void EncryptInPlace(std::string_view password, std::span<char> text);
void DecryptInPlace(std::string_view password, std::span<char> text);

// Enciphers `plain` padded with zero bytes to a multiple of 8.
std::string EncryptWithPassword(std::string_view password, std::string_view plain);
// Deciphers the whole 8-byte blocks of `cipher`; a trailing partial block
// (only a damaged file has one) is not part of the result.
std::string DecryptWithPassword(std::string_view password, std::string_view cipher);

}  // namespace listora
