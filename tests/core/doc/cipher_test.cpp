#include "core/doc/cipher.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "core/text/encoding.h"
#include "support/test_support.h"

namespace listora {
namespace {

using namespace std::string_literals;

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

std::uint32_t WordAt(const std::string& b, std::size_t i, bool bigEndian) {
  std::uint32_t v = 0;
  for (int k = 0; k < 4; ++k) {
    const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + k]));
    v |= bigEndian ? byte << (24 - 8 * k) : byte << (8 * k);
  }
  return v;
}

std::string Block(std::uint32_t left, std::uint32_t right, bool bigEndian) {
  std::string b(8, '\0');
  for (int k = 0; k < 4; ++k) {
    const int shift = bigEndian ? 24 - 8 * k : 8 * k;
    b[k] = static_cast<char>(left >> shift);
    b[4 + k] = static_cast<char>(right >> shift);
  }
  return b;
}

// Enciphers (or deciphers) one 8-byte block, its halves read in the given
// byte order.
std::string Apply(const Blowfish& bf, const std::string& block, bool bigEndian, bool encipher) {
  std::uint32_t l = WordAt(block, 0, bigEndian);
  std::uint32_t r = WordAt(block, 4, bigEndian);
  encipher ? bf.Encipher(l, r) : bf.Decipher(l, r);
  return Block(l, r, bigEndian);
}

TEST(BlowfishTest, PublishedVectors) {
  struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
  };
  const Vector vectors[] = {
      {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
      {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
      {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
      {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
      {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
      {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
      {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
      {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
      {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
      {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
      // Keys of other lengths exercise the cyclic use of the key bytes.
      {"F0", "FEDCBA9876543210", "F9AD597C49DB005E"},
      {"F0E1D2", "FEDCBA9876543210", "E9C2B70A1BC65CF3"},
      {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677", "FEDCBA9876543210", "05044B62FA52D080"},
  };
  for (const Vector& v : vectors) {
    SCOPED_TRACE(v.key);
    const Blowfish bf(FromHex(v.key));
    EXPECT_EQ(Apply(bf, FromHex(v.plain), true, true), FromHex(v.cipher));
    EXPECT_EQ(Apply(bf, FromHex(v.cipher), true, false), FromHex(v.plain));
  }
  EXPECT_THROW(Blowfish(""), std::invalid_argument);
}

TEST(CipherTest, KeyIsPasswordConstantAndZero) {
  const std::string constant = TextToCp932("くらげ雪原の灯台");
  ASSERT_EQ(constant.size(), 16u);
  const std::string zero(1, '\0');
  EXPECT_EQ(MakeCipherKey(""), constant + zero);
  EXPECT_EQ(MakeCipherKey(test::Sj("合言葉")), test::Sj("合言葉") + constant + zero);
}

TEST(CipherTest, BlocksAreLittleEndianEcb) {
  const std::string password = test::Sj("合言葉");
  const Blowfish bf(MakeCipherKey(password));
  const std::string a = FromHex("0123456789ABCDEF");
  const std::string b = FromHex("1000000000000001");
  const std::string cipher = EncryptWithPassword(password, a + b + a);
  ASSERT_EQ(cipher.size(), 24u);
  EXPECT_EQ(cipher.substr(0, 8), Apply(bf, a, false, true));
  EXPECT_EQ(cipher.substr(8, 8), Apply(bf, b, false, true));
  EXPECT_EQ(cipher.substr(16, 8), cipher.substr(0, 8));
  EXPECT_NE(cipher.substr(0, 8), Apply(bf, a, true, true));
  EXPECT_EQ(EncryptWithPassword(password, a + b + a), cipher);

  // A standard vector's key and block read the file's way give another result.
  const Blowfish zero(FromHex("0000000000000000"));
  EXPECT_NE(Apply(zero, FromHex("0123456789ABCDEF"), false, true),
            Apply(zero, FromHex("0123456789ABCDEF"), true, true));
}

TEST(CipherTest, ZeroPaddingToWholeBlocks) {
  const std::string five = "abcde";
  const std::string sixteen = "0123456789abcdef";
  EXPECT_EQ(EncryptWithPassword("pw", "").size(), 0u);
  EXPECT_EQ(EncryptWithPassword("pw", five).size(), 8u);
  EXPECT_EQ(EncryptWithPassword("pw", sixteen).size(), 16u);
  EXPECT_EQ(DecryptWithPassword("pw", EncryptWithPassword("pw", five)), five + "\0\0\0"s);
  EXPECT_EQ(DecryptWithPassword("pw", EncryptWithPassword("pw", sixteen)), sixteen);

  // A damaged file's trailing partial block is dropped, not read past.
  const std::string cipher = EncryptWithPassword("pw", sixteen);
  EXPECT_EQ(DecryptWithPassword("pw", cipher + "xyz"), sixteen);
  EXPECT_EQ(DecryptWithPassword("pw", cipher.substr(0, 5)), "");
}

TEST(CipherTest, OnlyFirst72KeyBytesCount) {
  const std::string base(72, 'k');
  const std::string plain = "the same text";
  EXPECT_EQ(EncryptWithPassword(base + "x", plain), EncryptWithPassword(base + "yz", plain));
  EXPECT_EQ(EncryptWithPassword(base, plain), EncryptWithPassword(base + "x", plain));
  std::string differsAt71 = base;
  differsAt71[71] = 'j';
  EXPECT_NE(EncryptWithPassword(differsAt71, plain), EncryptWithPassword(base, plain));
}

TEST(CipherTest, RoundTripsRandomData) {
  std::mt19937 rng(1234);
  const std::string passwords[] = {"", "a", "secret", test::Sj("くらげの合言葉"),
                                   std::string(100, '\x82')};
  for (const std::string& password : passwords) {
    for (std::size_t n : {1u, 7u, 8u, 9u, 64u, 1001u}) {
      std::string plain(n, '\0');
      for (char& c : plain) c = static_cast<char>(rng());
      const std::string cipher = EncryptWithPassword(password, plain);
      EXPECT_NE(cipher.substr(0, n), plain);
      std::string back = DecryptWithPassword(password, cipher);
      ASSERT_EQ(back.size(), cipher.size());
      EXPECT_EQ(back.substr(0, n), plain);
      EXPECT_EQ(back.find_first_not_of('\0', n), std::string::npos);
      EXPECT_NE(DecryptWithPassword("x" + password, cipher).substr(0, n), plain);
    }
  }
}

// Texts long enough to be split over threads: every block, those at the
// seams between the threads' runs included, comes out as when enciphered
// alone, and a trailing partial block stays as it was.
TEST(CipherTest, LongTextsMatchBlockByBlock) {
  std::mt19937 rng(99);
  const Blowfish bf(MakeCipherKey("pw"));
  for (std::size_t n : {(std::size_t{3} << 20) + 5, (std::size_t{8} << 20) + 8}) {
    std::string plain(n, '\0');
    for (char& c : plain) c = static_cast<char>(rng());
    std::string text = plain;
    EncryptInPlace("pw", text);
    std::string expected = plain;
    for (std::size_t k = 0; k + 8 <= n; k += 8)
      expected.replace(k, 8, Apply(bf, plain.substr(k, 8), false, true));
    EXPECT_TRUE(text == expected) << n;
    DecryptInPlace("pw", text);
    EXPECT_EQ(text, plain);
  }

  // Where no thread may start, the calling thread takes every run itself.
  std::string plain(std::size_t{4} << 20, '\0');
  for (char& c : plain) c = static_cast<char>(rng());
  std::string expected = plain;
  EncryptInPlace("pw", expected);
  EXPECT_EQ(test::RunAsOrdinaryUser([&] {
              const rlimit one{1, 1};
              if (setrlimit(RLIMIT_NPROC, &one) != 0) return 2;
              try {
                std::thread([] {}).join();
                return 3;  // threads still start: nothing shown
              } catch (const std::system_error&) {
              }
              std::string text = plain;
              EncryptInPlace("pw", text);
              return text == expected ? 0 : 1;
            }),
            0);
}

}  // namespace
}  // namespace listora
