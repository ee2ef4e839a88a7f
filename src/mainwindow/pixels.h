// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The format of the pre-rendered artwork (*.pixels): the pixels that reading the rendered PNG gives,
// uncompressed, after this header. The build-time renderer writes it and the window reads it, so
// starting the program decodes no image.
#include <cstdint>

namespace pixels {

struct Header
{
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t format; // a QImage::Format
    std::uint32_t bytesPerLine;
};
static_assert(sizeof(Header) == 16, "the header is four 32-bit words without padding");

} // namespace pixels
