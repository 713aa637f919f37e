#include "core/doc/cipher.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "core/doc/blowfish_tables.h"

namespace listora {

namespace {

constexpr std::size_t kMaxKeyBytes = 72;
constexpr std::size_t kBlockSize = 8;

// "くらげ雪原の灯台" in CP932; every key carries it, so stored documents
// depend on these exact bytes.
constexpr char kKeyConstant[] = "\x82\xAD\x82\xE7\x82\xB0\x90\xE1\x8C\xB4\x82\xCC\x93\x94\x91\xE4";

std::uint32_t LoadLittleEndian(const char* p) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(p[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(p[3])) << 24;
}

void StoreLittleEndian(char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    p[i] = static_cast<char>(v >> (8 * i) & 0xFF);
  }
}

// Runs `step` over every whole block of `text` in place, the block's two
// halves read and written as little-endian words.
template <typename Step>
void ForEachBlock(std::span<char> text, Step step) {
  for (std::size_t k = 0; k + kBlockSize <= text.size(); k += kBlockSize) {
    std::uint32_t left = LoadLittleEndian(&text[k]);
    std::uint32_t right = LoadLittleEndian(&text[k + 4]);
    step(left, right);
    StoreLittleEndian(&text[k], left);
    StoreLittleEndian(&text[k + 4], right);
  }
}

// Below this many bytes per thread, starting a thread costs more than it saves.
constexpr std::size_t kBytesPerThread = std::size_t{1} << 20;

// ForEachBlock over all of `text`, split into runs of whole blocks on as many
// threads as the machine has cores: in code book mode every block stands alone.
template <typename Step>
void ForEachBlockOnAllCores(std::span<char> text, Step step) {
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t threads = std::clamp<std::size_t>(text.size() / kBytesPerThread, 1, cores);
  if (threads == 1) {
    ForEachBlock(text, step);
    return;
  }
  const std::size_t share = (text.size() / kBlockSize + threads - 1) / threads * kBlockSize;
  std::vector<std::thread> helpers;
  std::vector<std::span<char>> left;  // runs of threads that could not start
  helpers.reserve(threads - 1);
  left.reserve(threads - 1);
  for (std::size_t start = share; start < text.size(); start += share) {
    const std::span<char> run = text.subspan(start, std::min(share, text.size() - start));
    try {
      helpers.emplace_back([run, step] { ForEachBlock(run, step); });
    } catch (const std::system_error&) {
      left.push_back(run);
    }
  }
  ForEachBlock(text.first(share), step);
  for (const std::span<char> run : left) ForEachBlock(run, step);
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace

Blowfish::Blowfish(std::string_view key) : p_(kBlowfishInitialP), s_(kBlowfishInitialS) {
  if (key.empty()) {
    throw std::invalid_argument("Blowfish key must not be empty");
  }
  const std::size_t length = std::min(key.size(), kMaxKeyBytes);
  std::size_t j = 0;
  for (std::uint32_t& word : p_) {
    std::uint32_t data = 0;
    for (int k = 0; k < 4; ++k) {
      data = data << 8 | static_cast<unsigned char>(key[j]);
      j = (j + 1) % length;
    }
    word ^= data;
  }
  std::uint32_t left = 0;
  std::uint32_t right = 0;
  for (std::size_t i = 0; i < p_.size(); i += 2) {
    Encipher(left, right);
    p_[i] = left;
    p_[i + 1] = right;
  }
  for (auto& box : s_) {
    for (std::size_t i = 0; i < box.size(); i += 2) {
      Encipher(left, right);
      box[i] = left;
      box[i + 1] = right;
    }
  }
}

std::uint32_t Blowfish::F(std::uint32_t x) const {
  return ((s_[0][x >> 24] + s_[1][x >> 16 & 0xFF]) ^ s_[2][x >> 8 & 0xFF]) + s_[3][x & 0xFF];
}

void Blowfish::Encipher(std::uint32_t& left, std::uint32_t& right) const {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = 0; i < 16; i += 2) {
    l ^= p_[i];
    r ^= F(l);
    r ^= p_[i + 1];
    l ^= F(r);
  }
  left = r ^ p_[17];
  right = l ^ p_[16];
}

void Blowfish::Decipher(std::uint32_t& left, std::uint32_t& right) const {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = 17; i > 1; i -= 2) {
    l ^= p_[i];
    r ^= F(l);
    r ^= p_[i - 1];
    l ^= F(r);
  }
  left = r ^ p_[0];
  right = l ^ p_[1];
}

std::string MakeCipherKey(std::string_view password) {
  std::string key(password);
  key.append(kKeyConstant, sizeof kKeyConstant - 1);
  key.push_back('\0');
  return key;
}

void EncryptInPlace(std::string_view password, std::span<char> text) {
  const Blowfish blowfish(MakeCipherKey(password));
  ForEachBlockOnAllCores(text,
                         [&](std::uint32_t& l, std::uint32_t& r) { blowfish.Encipher(l, r); });
}

void DecryptInPlace(std::string_view password, std::span<char> text) {
  const Blowfish blowfish(MakeCipherKey(password));
  ForEachBlockOnAllCores(text,
                         [&](std::uint32_t& l, std::uint32_t& r) { blowfish.Decipher(l, r); });
}

std::string EncryptWithPassword(std::string_view password, std::string_view plain) {
  std::string text(plain);
  text.resize((plain.size() + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
  EncryptInPlace(password, text);
  return text;
}

std::string DecryptWithPassword(std::string_view password, std::string_view cipher) {
  std::string text(cipher.substr(0, cipher.size() / kBlockSize * kBlockSize));
  DecryptInPlace(password, text);
  return text;
}

}  // namespace listora
