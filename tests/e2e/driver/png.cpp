#include "png.h"

#include <windows.h>
#include <zlib.h>

#include <array>
#include <cstdlib>

#include "failure.h"

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

void putBigEndian(std::string& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xff);
}

std::uint32_t getBigEndian(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

void putChunk(std::string& file, const char* type, const std::string& data) {
  putBigEndian(file, static_cast<std::uint32_t>(data.size()));
  std::string typed = std::string(type, 4) + data;
  file += typed;
  putBigEndian(file, static_cast<std::uint32_t>(
                         crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

std::string readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw Failure(L"cannot open " + path);
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  if (!ok || read != bytes.size()) throw Failure(L"cannot read " + path);
  return bytes;
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw Failure(L"cannot create " + path);
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) throw Failure(L"cannot write " + path);
}

std::uint8_t paeth(int left, int up, int upLeft) {
  int estimate = left + up - upLeft;
  int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up), toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  return static_cast<std::uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

// Undoes the per-row filters in place; `data` holds a filter byte before every row.
void unfilter(std::uint8_t* data, int height, size_t stride, int channels, const std::wstring& path) {
  const std::uint8_t* previous = nullptr;
  for (int y = 0; y < height; ++y) {
    std::uint8_t filter = data[0];
    std::uint8_t* row = data + 1;
    for (size_t i = 0; i < stride; ++i) {
      int left = i >= static_cast<size_t>(channels) ? row[i - channels] : 0;
      int up = previous ? previous[i] : 0;
      int upLeft = previous && i >= static_cast<size_t>(channels) ? previous[i - channels] : 0;
      switch (filter) {
        case 0: break;
        case 1: row[i] = static_cast<std::uint8_t>(row[i] + left); break;
        case 2: row[i] = static_cast<std::uint8_t>(row[i] + up); break;
        case 3: row[i] = static_cast<std::uint8_t>(row[i] + (left + up) / 2); break;
        case 4: row[i] = static_cast<std::uint8_t>(row[i] + paeth(left, up, upLeft)); break;
        default: throw Failure(L"unknown row filter in " + path);
      }
    }
    previous = row;
    data += stride + 1;
  }
}

}  // namespace

void writePng(const std::wstring& path, const Image& image) {
  const size_t stride = static_cast<size_t>(image.width) * 3;
  std::string raw;
  raw.reserve((stride + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';
    raw.append(reinterpret_cast<const char*>(image.rgb.data() + y * stride), stride);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK)
    throw Failure(L"zlib could not compress " + path);
  packed.resize(packedSize);

  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(image.width));
  putBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += std::string{8, 2, 0, 0, 0};  // depth 8, colour type RGB, deflate, no filter method, no interlace

  std::string file(kSignature.begin(), kSignature.end());
  putChunk(file, "IHDR", header);
  putChunk(file, "IDAT", packed);
  putChunk(file, "IEND", "");
  writeFile(path, file);
}

Image readPng(const std::wstring& path) {
  const std::string file = readFile(path);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
  if (file.size() < 8 || !std::equal(kSignature.begin(), kSignature.end(), bytes))
    throw Failure(L"not a PNG file: " + path);

  Image image;
  int channels = 0;
  std::string packed;
  for (size_t at = 8; at + 12 <= file.size();) {
    std::uint32_t length = getBigEndian(bytes + at);
    std::string type = file.substr(at + 4, 4);
    if (at + 12 + length > file.size()) throw Failure(L"truncated PNG file: " + path);
    const std::uint8_t* data = bytes + at + 8;
    if (type == "IHDR") {
      image.width = static_cast<int>(getBigEndian(data));
      image.height = static_cast<int>(getBigEndian(data + 4));
      if (data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[12] != 0)
        throw Failure(L"only 8-bit RGB or RGBA PNGs without interlace are read: " + path);
      channels = data[9] == 6 ? 4 : 3;
    } else if (type == "IDAT") {
      packed.append(reinterpret_cast<const char*>(data), length);
    }
    at += 12 + length;
  }
  if (channels == 0) throw Failure(L"PNG without a header: " + path);

  const size_t stride = static_cast<size_t>(image.width) * channels;
  std::string raw((stride + 1) * image.height, '\0');
  uLongf rawSize = static_cast<uLongf>(raw.size());
  if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize, reinterpret_cast<const Bytef*>(packed.data()),
                 static_cast<uLong>(packed.size())) != Z_OK || rawSize != raw.size())
    throw Failure(L"corrupt PNG pixel data: " + path);
  auto* rows = reinterpret_cast<std::uint8_t*>(raw.data());
  unfilter(rows, image.height, stride, channels, path);

  image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = rows + y * (stride + 1) + 1;
    for (int x = 0; x < image.width; ++x) {
      for (int c = 0; c < 3; ++c) image.rgb[(static_cast<size_t>(y) * image.width + x) * 3 + c] = row[x * channels + c];
    }
  }
  return image;
}
