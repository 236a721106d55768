#include "ui/skin/stored_skin.h"

#define ZLIB_CONST
#include <zlib.h>

#include <array>
#include <cstddef>
#include <limits>
#include <new>
#include <string>

#include "app/app_error.h"

namespace {

constexpr std::int32_t kFirstUnreadableVersion = 4;
constexpr std::size_t kBmpHeadersSize = 14 + 40;  // BITMAPFILEHEADER + BITMAPINFOHEADER

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// Inflates chunk by chunk into a growing buffer: the inflated size is not stored,
// so nothing is guessed.
std::vector<std::uint8_t> inflateAll(std::span<const std::uint8_t> compressed) {
  if (compressed.size() > std::numeric_limits<uInt>::max()) throwDamagedSkin(L"it is too large");
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) throw std::bad_alloc();
  struct End {
    z_stream& stream;
    ~End() { inflateEnd(&stream); }
  } end{stream};

  stream.next_in = compressed.data();
  stream.avail_in = static_cast<uInt>(compressed.size());
  std::vector<std::uint8_t> content;
  std::array<std::uint8_t, 16 * 1024> chunk;
  int result;
  do {
    stream.next_out = chunk.data();
    stream.avail_out = static_cast<uInt>(chunk.size());
    result = inflate(&stream, Z_NO_FLUSH);
    switch (result) {
      case Z_OK:
      case Z_STREAM_END: break;
      case Z_MEM_ERROR: throw std::bad_alloc();
      // Z_BUF_ERROR: no progress is possible, so the input ended before the stream did.
      case Z_BUF_ERROR: throwDamagedSkin(L"its zlib stream ends early");
      default: throwDamagedSkin(L"its zlib data is corrupt");
    }
    content.insert(content.end(), chunk.data(), stream.next_out);
  } while (result != Z_STREAM_END);
  if (stream.avail_in != 0) throwDamagedSkin(L"bytes follow the end of its zlib stream");
  return content;
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::span<const std::uint8_t> rest() const { return bytes_.subspan(position_); }

  std::span<const std::uint8_t> take(std::size_t count, const std::wstring& what) {
    if (count > rest().size()) throwDamagedSkin(what + L" runs past the end");
    const auto piece = rest().first(count);
    position_ += count;
    return piece;
  }

  std::uint32_t u32(const std::wstring& what) { return le32(take(4, what).data()); }

  // Flag bytes say whether a picture follows: 0 yes, 1 no.
  bool pictureFollows(const std::wstring& what) {
    switch (take(1, L"the flag of " + what)[0]) {
      case 0: return true;
      case 1: return false;
      default: throwDamagedSkin(L"the flag of " + what + L" is neither 0 nor 1");
    }
  }

  // A BMP file's length is in its own header. The pixel rows it declares are checked
  // to lie inside the file, so whoever draws the picture never reads past it.
  SkinBitmap bitmap(const std::wstring& what) {
    if (rest().size() < kBmpHeadersSize) throwDamagedSkin(what + L" runs past the end");
    const std::uint8_t* h = rest().data();
    if (h[0] != 'B' || h[1] != 'M') throwDamagedSkin(what + L" is not a BMP picture");
    const std::uint32_t fileSize = le32(h + 2);
    if (fileSize > rest().size()) throwDamagedSkin(what + L" runs past the end");

    const std::uint32_t pixelOffset = le32(h + 10);
    const std::uint32_t infoSize = le32(h + 14);
    const auto width = static_cast<std::int32_t>(le32(h + 18));
    const auto height = static_cast<std::int32_t>(le32(h + 22));
    const std::uint16_t planes = le16(h + 26);
    const std::uint16_t bitCount = le16(h + 28);
    const std::uint32_t compression = le32(h + 30);
    const std::uint32_t coloursUsed = le32(h + 46);

    const bool knownDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                            bitCount == 24 || bitCount == 32;
    const std::int64_t paletteLimit = bitCount <= 8 ? std::int64_t{1} << bitCount : 0;
    // An uncompressed picture only: its size follows from the header alone.
    if (infoSize < 40 || planes != 1 || !knownDepth || compression != 0 || width <= 0 ||
        height == 0 || height == std::numeric_limits<std::int32_t>::min() ||
        (paletteLimit > 0 && coloursUsed > paletteLimit)) {
      throwDamagedSkin(what + L" has a bad BMP header");
    }
    const std::int64_t colours = coloursUsed != 0 ? coloursUsed : paletteLimit;
    const std::int64_t stride = (std::int64_t{width} * bitCount + 31) / 32 * 4;
    const std::int64_t rows = height < 0 ? -std::int64_t{height} : height;
    if (pixelOffset < 14 + std::int64_t{infoSize} + colours * 4 ||
        pixelOffset + stride * rows > fileSize) {
      throwDamagedSkin(what + L" has a bad BMP header");
    }

    const auto file = take(fileSize, what);
    return {{file.begin(), file.end()}, width, static_cast<int>(rows)};
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace

void throwDamagedSkin(const std::wstring& detail) {
  throw AppError(L"The stored skin is damaged: " + detail);
}

StoredSkin readStoredSkin(std::span<const std::uint8_t> compressed) {
  const std::vector<std::uint8_t> content = inflateAll(compressed);
  Reader in(content);
  StoredSkin skin;
  skin.version = static_cast<std::int32_t>(in.u32(L"the version"));
  if (skin.version >= kFirstUnreadableVersion) {
    throwDamagedSkin(L"its version " + std::to_wstring(skin.version) + L" is unknown");
  }
  if (!in.pictureFollows(L"the frame picture")) throwDamagedSkin(L"it has no frame picture");
  skin.frame = in.bitmap(L"the frame picture");
  // The frame draws its inactive look from the frame picture and needs no mask;
  // a skin that carries either still reads.
  if (in.pictureFollows(L"the inactive frame picture")) in.bitmap(L"the inactive frame picture");
  if (in.pictureFollows(L"the frame mask")) in.bitmap(L"the frame mask");
  const std::uint32_t count = in.u32(L"the number of pictures");
  for (std::uint32_t i = 0; i < count; ++i) {
    skin.pictures.push_back(in.bitmap(L"picture " + std::to_wstring(i)));
  }
  const auto text = in.rest();
  skin.text.assign(text.begin(), text.end());
  return skin;
}
