#include "graphics/XpmReader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

#include "common/AsciiText.h"
#include "graphics/ImageFile.h"
#include "graphics/X11Colours.h"

// A line reader for the XPM 3 subset that kwm themes use: a declaration line, a values line
// ("width height colours chars-per-pixel"), one line per colour, one line per pixel row, each a
// C string on a line of its own. Comment lines and blank lines between them are skipped.

namespace vt {
namespace {

constexpr Colour kTransparentColour = 0xFF00FF;  // magenta
constexpr Colour kUnknownKey = 0xFFFF00;         // pixels whose key no colour line defines
constexpr Colour kNoEntry = 0xFF000000u;          // never a real colour (those stay below 0x1000000)
constexpr std::int32_t kNoSymbol = -1;
// Real images use 1 to 3; 8 lets a key be packed into one 64-bit word for the lookup.
constexpr int kMaxCharsPerPixel = 8;
// A text image of the largest bitmap at 8 characters per pixel, with room to spare.
constexpr std::int64_t kMaxFileSize = 64 << 20;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

// The C string of a line: the text between its first double quote and the next. A line whose
// string is not closed falls back to the plain rule: drop the opening quote and the two closing
// characters ("," and the quote), or three when the line ends in ";" (the last row followed by
// "};").
std::string_view StringOf(std::string_view line) {
    const std::size_t open = line.find('"');
    if (open != std::string_view::npos) {
        const std::size_t close = line.find('"', open + 1);
        if (close != std::string_view::npos) return line.substr(open + 1, close - open - 1);
    }
    const std::size_t drop = !line.empty() && line.back() == ';' ? 3 : 2;
    if (line.size() <= 1 + drop) return {};
    return line.substr(1, line.size() - 1 - drop);
}

// Keys of up to kMaxCharsPerPixel characters as one number; a key cut short at the end of a row
// is padded with zero bytes, so it matches only a colour key equally short.
std::uint64_t PackKey(std::string_view key) {
    std::uint64_t packed = 0;
    for (std::size_t i = 0; i < key.size(); ++i) packed |= std::uint64_t(static_cast<unsigned char>(key[i])) << (8 * i);
    return packed;
}

class XpmParser {
public:
    XpmParser(const std::vector<std::string>& lines, const std::string& name, XpmSymbols* symbols)
        : lines_(lines), name_(name.empty() ? "XPM image" : name), symbols_(symbols) {
        for (Colour& c : singleKeys_) c = kNoEntry;
        for (std::int32_t& s : singleSymbols_) s = kNoSymbol;
    }

    void Read(Bitmap& out) {
        std::string_view line;
        if (!NextContentLine(line)) Fail("no XPM data");  // the declaration line
        if (!NextContentLine(line)) Fail("no values line");
        ReadValues(line);
        ReadColours();
        Bitmap image;
        image.SetSize(width_, height_);  // checked against the limits in ReadValues
        ReadRows(image);
        out.SwapPixels(image);
        if (symbols_) {
            // Names that no pixel uses are of no interest to a recolouring.
            symbolList_.erase(std::remove_if(symbolList_.begin(), symbolList_.end(),
                                             [](const XpmSymbol& s) { return s.pixels.empty(); }),
                              symbolList_.end());
            *symbols_ = std::move(symbolList_);
        }
        if (transparent_) {
            out.SetTransparent(true);
            out.SetTransparentColor(kTransparentColour);
        }
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        if (current_ == 0) throw ImageError(name_ + ": " + what);
        throw ImageError(name_ + ": line " + std::to_string(current_) + ": " + what);
    }

    // The next line that is neither blank nor a comment starting with "/" (the XPM marker and C
    // comments on lines of their own); false at the end of the lines.
    bool NextContentLine(std::string_view& line) {
        while (next_ < lines_.size()) {
            std::string_view candidate = lines_[next_++];
            if (!candidate.empty() && candidate.back() == '\r') candidate.remove_suffix(1);  // CR LF files
            current_ = next_;
            std::string_view trimmed = TrimLeft(candidate);
            if (!trimmed.empty() && trimmed.front() != '/') {
                line = candidate;
                return true;
            }
        }
        return false;
    }

    // One number of the values line: leading quotes and blanks are skipped, digits make the
    // number, a blank or tab ends it, anything else is dropped.
    int NextNumber(std::string_view& rest, const char* what) {
        while (!rest.empty() && (rest.front() == '"' || IsBlank(rest.front()))) rest.remove_prefix(1);
        std::int64_t value = 0;
        int digits = 0;
        while (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') {
            const char c = rest.front();
            rest.remove_prefix(1);
            if (c < '0' || c > '9') continue;
            if (++digits > 9) Fail(std::string("the ") + what + " is too large");
            value = value * 10 + (c - '0');
        }
        if (digits == 0) Fail(std::string("the values line has no ") + what);
        return int(value);
    }

    void ReadValues(std::string_view line) {
        width_ = NextNumber(line, "width");
        height_ = NextNumber(line, "height");
        colourCount_ = NextNumber(line, "number of colours");
        charsPerPixel_ = NextNumber(line, "number of characters per pixel");
        // Further values (a hot spot, "XPMEXT") are of no use to us.
        const std::string size = std::to_string(width_) + "x" + std::to_string(height_);
        if (width_ == 0 || height_ == 0) Fail("empty image size " + size);
        if (width_ > Bitmap::kMaxSide || height_ > Bitmap::kMaxSide ||
            std::int64_t(width_) * height_ > Bitmap::kMaxPixels)
            Fail("image size " + size + " is too large (limit " + std::to_string(Bitmap::kMaxSide) + " per side, " +
                 std::to_string(Bitmap::kMaxPixels) + " pixels)");
        if (charsPerPixel_ < 1 || charsPerPixel_ > kMaxCharsPerPixel)
            Fail(std::to_string(charsPerPixel_) + " characters per pixel (1 to " + std::to_string(kMaxCharsPerPixel) +
                 " are read)");
        if (std::size_t(colourCount_) > lines_.size() - next_)
            Fail(std::to_string(colourCount_) + " colours declared, but only " + std::to_string(lines_.size() - next_) +
                 " lines follow");
    }

    void ReadColours() {
        if (charsPerPixel_ > 1) keys_.reserve(std::size_t(colourCount_));
        for (int i = 0; i < colourCount_; ++i) {
            std::string_view line;
            if (!NextContentLine(line))
                Fail(std::to_string(colourCount_) + " colours declared, but the file ends after " + std::to_string(i));
            std::string_view text = StringOf(line);
            const std::string_view key = text.substr(0, std::size_t(charsPerPixel_));
            text.remove_prefix(key.size());
            const ColourChoice choice = ChooseContext(text);
            bool none = false;
            const Colour colour = ParseColour(choice.colour, none);
            const std::int32_t symbol = none ? kNoSymbol : SymbolIndex(choice.symbol, colour);
            // The first line that defines a key wins.
            if (charsPerPixel_ == 1) {
                const unsigned char k = key.empty() ? 0 : static_cast<unsigned char>(key[0]);
                if (!key.empty() && singleKeys_[k] == kNoEntry) {
                    singleKeys_[k] = colour;
                    singleSymbols_[k] = symbol;
                }
            } else {
                keys_.emplace(PackKey(key), KeyEntry{colour, symbol});
            }
        }
    }

    // What a colour line gives: the colour's text and its symbolic name (either may be empty).
    struct ColourChoice {
        std::string colour;
        std::string symbol;
    };

    // A colour line holds pairs of context and value ("c #29351e s active_color_2",
    // "m white c #FFFFFF", "s None c None"). The colour is the c value, else g, else g4, else m;
    // an s value is a symbolic name, never a colour. A first word that is no context keyword
    // is taken as c, so that lines with an unusual letter read as they always did. Values may be
    // several words ("dark slate gray").
    static ColourChoice ChooseContext(std::string_view text) {
        enum { kC, kG, kG4, kM, kS, kCount };
        std::string values[kCount];
        bool seen[kCount] = {};
        int current = -1;
        bool first = true;
        for (;;) {
            text = TrimLeft(text);
            if (text.empty()) break;
            std::size_t end = 0;
            while (end < text.size() && !IsBlank(text[end])) ++end;
            const std::string_view word = text.substr(0, end);
            text.remove_prefix(end);
            int context = word == "c" ? kC : word == "g" ? kG : word == "g4" ? kG4 : word == "m" ? kM : word == "s" ? kS : -1;
            if (context < 0 && first) context = kC;
            first = false;
            if (context >= 0) {
                // A context given twice keeps its first value.
                current = seen[context] ? -1 : context;
                seen[context] = true;
                continue;
            }
            if (current < 0) continue;
            if (!values[current].empty()) values[current] += ' ';
            values[current] += word;
        }
        ColourChoice choice;
        if (seen[kS]) choice.symbol = values[kS];
        for (int c : {kC, kG, kG4, kM}) {
            if (!seen[c]) continue;
            choice.colour = values[c];
            break;
        }
        return choice;
    }

    // `none`: the colour is the see-through "None".
    Colour ParseColour(const std::string& text, bool& none) {
        none = false;
        if (text.empty()) return 0;
        if (text[0] == '#') {
            if (std::optional<Colour> colour = ParseHashColour(text)) return *colour;
            Fail("malformed colour " + text);
        }
        if (SameText(text, "None")) {
            transparent_ = true;
            none = true;
            return kTransparentColour;
        }
        return FindX11Colour(text).value_or(0);  // unknown names stay black
    }

    // The entry of a symbolic name and its line's colour in the list the caller asked for (made
    // on first use), or kNoSymbol when it asked for none or the line has no name ("s None" names
    // nothing either).
    std::int32_t SymbolIndex(const std::string& name, Colour colour) {
        if (!symbols_ || name.empty() || SameText(name, "None")) return kNoSymbol;
        // A map, not a search of the list: a file may have as many named lines as it has lines.
        const auto [entry, added] = symbolIndex_.emplace(std::make_pair(name, colour), std::int32_t(symbolList_.size()));
        if (added) symbolList_.push_back(XpmSymbol{name, colour, {}});
        return entry->second;
    }

    // Rows shorter than the width leave the rest black, longer ones are clipped, rows past the
    // height are not read, and a file that ends early leaves the missing rows black.
    void ReadRows(Bitmap& image) {
        const std::size_t step = std::size_t(charsPerPixel_);
        std::string_view line;
        for (int y = 0; y < height_ && NextContentLine(line); ++y) {
            const std::string_view text = StringOf(line);
            Colour* row = image.Row(y);
            const std::size_t pixels = std::min((text.size() + step - 1) / step, std::size_t(width_));
            const std::uint32_t rowStart = std::uint32_t(y) * std::uint32_t(width_);
            if (step == 1) {
                for (std::size_t x = 0; x < pixels; ++x) {
                    const unsigned char k = static_cast<unsigned char>(text[x]);
                    const Colour c = singleKeys_[k];
                    row[x] = c == kNoEntry ? kUnknownKey : c;
                    if (singleSymbols_[k] != kNoSymbol) NoteSymbol(singleSymbols_[k], rowStart + std::uint32_t(x));
                }
            } else {
                for (std::size_t x = 0; x < pixels; ++x) {
                    auto found = keys_.find(PackKey(text.substr(x * step, step)));
                    row[x] = found == keys_.end() ? kUnknownKey : found->second.colour;
                    if (found != keys_.end() && found->second.symbol != kNoSymbol)
                        NoteSymbol(found->second.symbol, rowStart + std::uint32_t(x));
                }
            }
        }
    }

    void NoteSymbol(std::int32_t index, std::uint32_t pixel) { symbolList_[std::size_t(index)].pixels.push_back(pixel); }

    const std::vector<std::string>& lines_;
    std::string name_;
    std::size_t next_ = 0;     // index of the next line to read
    std::size_t current_ = 0;  // 1-based number of the line read last, for messages
    int width_ = 0;
    int height_ = 0;
    int colourCount_ = 0;
    int charsPerPixel_ = 1;
    bool transparent_ = false;
    Colour singleKeys_[256];
    std::int32_t singleSymbols_[256];  // index into symbolList_ per key, kNoSymbol for none
    struct KeyEntry {
        Colour colour;
        std::int32_t symbol;
    };
    std::unordered_map<std::uint64_t, KeyEntry> keys_;
    XpmSymbols* symbols_;  // null: the caller wants no symbols
    XpmSymbols symbolList_;
    std::map<std::pair<std::string, Colour>, std::int32_t> symbolIndex_;  // into symbolList_
};

}  // namespace

void ReadXpmLines(const std::vector<std::string>& lines, Bitmap& out, const std::string& name, XpmSymbols* symbols) {
    XpmParser(lines, name, symbols).Read(out);
}

void ReadXpm(const std::uint8_t* data, std::size_t size, Bitmap& out, const std::string& name, XpmSymbols* symbols) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\n') {
            if (i == size && i == start) break;  // no empty line after the last newline
            lines.emplace_back(reinterpret_cast<const char*>(data) + start, i - start);
            start = i + 1;
        }
    }
    ReadXpmLines(lines, out, name, symbols);
}

void ReadXpmFile(const std::string& path, Bitmap& out, XpmSymbols* symbols) {
    const std::vector<std::uint8_t> bytes = ReadImageFile(path, kMaxFileSize);
    ReadXpm(bytes.data(), bytes.size(), out, path, symbols);
}

}  // namespace vt
