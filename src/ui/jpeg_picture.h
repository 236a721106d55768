#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A decoded picture: 4 bytes a pixel in the order B, G, R, 0xFF, rows top-down,
// so the pixels can go straight into a 32-bit top-down DIB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// A rectangle of a picture, in the picture's pixels.
struct PictureCrop {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Decodes a whole JPEG picture, baseline or progressive, colour or grayscale.
// Throws AppError when the data is not an intact JPEG picture.
Picture decodeJpeg(std::span<const std::uint8_t> jpeg);

// Decodes only the rows and columns that the crop needs, so a big picture of which
// little is shown never sits whole in memory. Throws AppError when the data is not
// a JPEG picture, when the part it decodes is damaged, or when the crop is empty or
// reaches outside the picture. Damage further down than the crop may go unnoticed:
// it is never read.
Picture decodeJpeg(std::span<const std::uint8_t> jpeg, PictureCrop crop);
