#include "pdf/TextFit.h"

#include <algorithm>
#include <cmath>

namespace natarix {

namespace {

bool Fits(std::int64_t advance, int size, double boxWidth)
{
    return static_cast<double>(advance * size) <= boxWidth * 1000;
}

}  // namespace

std::int64_t TextAdvance(std::string_view text, const Font& font)
{
    std::int64_t advance = 0;
    for (const char byte : text)
        advance += (*font.widths)[static_cast<unsigned char>(byte)];
    return advance;
}

FittedText FitText(std::string_view text, const Font& font, int size, double boxWidth)
{
    const std::int64_t advance = TextAdvance(text, font);
    if (Fits(advance, size, boxWidth))
        return {std::string(text), size};
    const int smallest = std::min(size, kSmallestFontSize);
    // The largest whole size that fits; advance is not 0 here, else it fit.
    const double fitting = std::floor(boxWidth * 1000 / static_cast<double>(advance));
    if (fitting >= smallest)
        return {std::string(text), static_cast<int>(fitting)};

    const std::int64_t ellipsis = (*font.widths)[static_cast<unsigned char>(kEllipsis)];
    std::size_t kept = 0;
    for (std::int64_t width = ellipsis; kept < text.size(); ++kept) {
        width += (*font.widths)[static_cast<unsigned char>(text[kept])];
        if (!Fits(width, smallest, boxWidth))
            break;
    }
    if (!Fits(ellipsis, smallest, boxWidth))
        return {std::string(), smallest};
    std::string cut(text.substr(0, kept));
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    cut += kEllipsis;
    return {std::move(cut), smallest};
}

}  // namespace natarix
