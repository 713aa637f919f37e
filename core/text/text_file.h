#pragma once
// Text files from other programs (spreadsheets' CSV and tab-separated
// text) read as the core's CP932 text. A byte order mark decides the
// encoding (UTF-8, UTF-16 LE or BE). Without one the automatic reading
// never guesses: it takes text that is valid UTF-8 and not pure ASCII as
// UTF-8, and valid CP932 as CP932 unless it reads better as something else
// (Latin-1 letters, EUC-JP); zero bytes (UTF-16 without a mark), text that
// is mostly UTF-8 with a few bad bytes, or text of neither kind are
// refused, naming the encodings that would read it. Characters CP932
// cannot hold become references through the one converter (encoding.h).
//
// A large file need not be held twice: CheckTextFile settles from all of
// its bytes how they read, and TextPieceDecoder then reads them again a
// piece at a time into the same text DecodeTextFile gives.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace listora {

enum class TextEncoding { kAuto, kCp932, kUtf8, kUtf16, kEucJp, kWindows1252 };

struct DecodedText {
  std::string cp932;
  // What the bytes were read as; for refused bytes what they are not, or
  // kAuto when the automatic reading cannot tell what they are.
  TextEncoding encoding = TextEncoding::kCp932;
  // The line (from 1) holding the first bytes that are not text in that
  // encoding (kAuto: the first bytes that tell it apart); 0 when the text
  // was read. `cp932` is then empty.
  int badLine = 0;
  // Refused: the encodings that read every byte, likeliest first.
  std::vector<TextEncoding> readers;
};

// `encoding` names what the bytes are, or kAuto to find it as above. A
// named encoding skips its own byte order mark; UTF-16 without one is
// little-endian unless its zero bytes say big-endian.
DecodedText DecodeTextFile(std::string bytes, TextEncoding encoding);

// How DecodeTextFile reads the bytes, without the text: `encoding`,
// `badLine` and `readers` as it gives them, and for read bytes where their
// text starts and the order of UTF-16's bytes.
struct TextReading {
  TextEncoding encoding = TextEncoding::kCp932;
  int badLine = 0;
  std::vector<TextEncoding> readers;
  std::size_t mark = 0;  // bytes of a byte order mark before the text
  bool bigEndian = false;
};
TextReading CheckTextFile(std::string_view bytes, TextEncoding encoding);

// Decodes the bytes of a file CheckTextFile read (badLine 0) as they come,
// a piece at a time: each call hands out the text up to the last line end
// that has come, so that no character or reference is split, and the
// pieces together are DecodeTextFile's text.
class TextPieceDecoder {
 public:
  explicit TextPieceDecoder(const TextReading& reading)
      : encoding_(reading.encoding), bigEndian_(reading.bigEndian), mark_(reading.mark) {}

  // Takes the file's next `bytes` (`last`: up to its end) and appends the
  // text up to the last line end among them (`last`: all) to `cp932`; the
  // rest waits for the next call. False when the bytes no longer read in
  // the encoding (the file changed since it was checked).
  bool Decode(std::string_view bytes, bool last, std::string& cp932);

 private:
  TextEncoding encoding_;
  bool bigEndian_;
  std::size_t mark_;  // of the mark, the bytes still to pass over
  std::string raw_;   // bytes not yet decoded
  std::string utf8_;  // UTF-16 read as UTF-8, not yet converted
};

// The line (from 1) on which the byte at `offset` lies; CR LF, LF and a
// lone CR each end a line.
int LineAt(std::string_view text, std::size_t offset);

}  // namespace listora
