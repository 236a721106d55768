#pragma once

#include <string>

#include "image.h"

// PNG as the driver writes it: 8-bit RGB, not interlaced, every row unfiltered.
void writePng(const std::wstring& path, const Image& image);

// Reads 8-bit RGB or RGBA PNGs that are not interlaced, with any row filter;
// the alpha channel is dropped.
Image readPng(const std::wstring& path);
