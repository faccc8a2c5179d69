// Artwork of the demo catalogs, drawn with QPainter: company logos (a badge,
// an emblem, a banner or a free-standing mark with the company's initials
// and name) and shop-front "photos", each as a thumbnail (96 x 64) and a
// full picture (400 x 260), encoded as PNG or JPEG file bytes.
//
// Drawing text needs fonts, so drawLogo and drawPhoto need a QGuiApplication
// (the offscreen platform is enough); they throw std::logic_error without one.
// tinyPicture and emptyPicture draw no text and work without it.
#pragma once

#include <cstdint>
#include <string>

namespace makecatalog::demo {

struct PictureFiles {
    std::string thumb;  // file bytes
    std::string data;
};

struct LogoSpec {
    std::string initials;  // UTF-8, one to three letters
    std::string title;     // the name as the logo writes it
    std::string subtitle;  // a line under the name (the trade)
    std::string colour1, colour2;  // "#rrggbb" palette of the topic
    // One of: cross tooth house brick gear truck car wheel cart book cap leaf
    // wheat coin chip cup bolt drop shield star wave sun flask mask scissors tools.
    std::string mark;
    uint64_t seed = 0;     // chooses the design and the small variations
};

PictureFiles drawLogo(const LogoSpec& spec, bool jpeg);
PictureFiles drawPhoto(const LogoSpec& spec, bool jpeg);

// A small colour swatch (24 x 16 PNG) for synthetic catalogs.
PictureFiles tinyPicture(uint64_t seed);

// A one-pixel transparent PNG: the card's stand-in for a missing picture.
std::string emptyPicture();

// Throws std::logic_error unless a QGuiApplication exists.
void requireGuiApplication();

}  // namespace makecatalog::demo
