#include "graphics/X11Colours.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "common/HexText.h"

namespace vt {
namespace {

struct NamedColour {
    const char* name;  // lower case, blanks removed
    Colour colour;     // 0x00BBGGRR
};

// The X Window System's colour names (X.Org's rgb.txt), folded to lower case without blanks so
// that "dark slate gray", "DarkSlateGray" and "darkslategray" are one entry, sorted for a binary
// search. The grayN and greyN series (0 to 100) are computed instead of listed.
constexpr NamedColour kColours[] = {
    {"aliceblue", 0xFFF8F0}, {"antiquewhite", 0xD7EBFA}, {"antiquewhite1", 0xDBEFFF},
    {"antiquewhite2", 0xCCDFEE}, {"antiquewhite3", 0xB0C0CD}, {"antiquewhite4", 0x78838B},
    {"aquamarine", 0xD4FF7F}, {"aquamarine1", 0xD4FF7F}, {"aquamarine2", 0xC6EE76}, {"aquamarine3", 0xAACD66},
    {"aquamarine4", 0x748B45}, {"azure", 0xFFFFF0}, {"azure1", 0xFFFFF0}, {"azure2", 0xEEEEE0},
    {"azure3", 0xCDCDC1}, {"azure4", 0x8B8B83}, {"beige", 0xDCF5F5}, {"bisque", 0xC4E4FF},
    {"bisque1", 0xC4E4FF}, {"bisque2", 0xB7D5EE}, {"bisque3", 0x9EB7CD}, {"bisque4", 0x6B7D8B},
    {"black", 0x000000}, {"blanchedalmond", 0xCDEBFF}, {"blue", 0xFF0000}, {"blue1", 0xFF0000},
    {"blue2", 0xEE0000}, {"blue3", 0xCD0000}, {"blue4", 0x8B0000}, {"blueviolet", 0xE22B8A},
    {"brown", 0x2A2AA5}, {"brown1", 0x4040FF}, {"brown2", 0x3B3BEE}, {"brown3", 0x3333CD}, {"brown4", 0x23238B},
    {"burlywood", 0x87B8DE}, {"burlywood1", 0x9BD3FF}, {"burlywood2", 0x91C5EE}, {"burlywood3", 0x7DAACD},
    {"burlywood4", 0x55738B}, {"cadetblue", 0xA09E5F}, {"cadetblue1", 0xFFF598}, {"cadetblue2", 0xEEE58E},
    {"cadetblue3", 0xCDC57A}, {"cadetblue4", 0x8B8653}, {"chartreuse", 0x00FF7F}, {"chartreuse1", 0x00FF7F},
    {"chartreuse2", 0x00EE76}, {"chartreuse3", 0x00CD66}, {"chartreuse4", 0x008B45}, {"chocolate", 0x1E69D2},
    {"chocolate1", 0x247FFF}, {"chocolate2", 0x2176EE}, {"chocolate3", 0x1D66CD}, {"chocolate4", 0x13458B},
    {"coral", 0x507FFF}, {"coral1", 0x5672FF}, {"coral2", 0x506AEE}, {"coral3", 0x455BCD}, {"coral4", 0x2F3E8B},
    {"cornflowerblue", 0xED9564}, {"cornsilk", 0xDCF8FF}, {"cornsilk1", 0xDCF8FF}, {"cornsilk2", 0xCDE8EE},
    {"cornsilk3", 0xB1C8CD}, {"cornsilk4", 0x78888B}, {"cyan", 0xFFFF00}, {"cyan1", 0xFFFF00},
    {"cyan2", 0xEEEE00}, {"cyan3", 0xCDCD00}, {"cyan4", 0x8B8B00}, {"darkblue", 0x8B0000},
    {"darkcyan", 0x8B8B00}, {"darkgoldenrod", 0x0B86B8}, {"darkgoldenrod1", 0x0FB9FF},
    {"darkgoldenrod2", 0x0EADEE}, {"darkgoldenrod3", 0x0C95CD}, {"darkgoldenrod4", 0x08658B},
    {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400}, {"darkgrey", 0xA9A9A9}, {"darkkhaki", 0x6BB7BD},
    {"darkmagenta", 0x8B008B}, {"darkolivegreen", 0x2F6B55}, {"darkolivegreen1", 0x70FFCA},
    {"darkolivegreen2", 0x68EEBC}, {"darkolivegreen3", 0x5ACDA2}, {"darkolivegreen4", 0x3D8B6E},
    {"darkorange", 0x008CFF}, {"darkorange1", 0x007FFF}, {"darkorange2", 0x0076EE}, {"darkorange3", 0x0066CD},
    {"darkorange4", 0x00458B}, {"darkorchid", 0xCC3299}, {"darkorchid1", 0xFF3EBF}, {"darkorchid2", 0xEE3AB2},
    {"darkorchid3", 0xCD329A}, {"darkorchid4", 0x8B2268}, {"darkred", 0x00008B}, {"darksalmon", 0x7A96E9},
    {"darkseagreen", 0x8FBC8F}, {"darkseagreen1", 0xC1FFC1}, {"darkseagreen2", 0xB4EEB4},
    {"darkseagreen3", 0x9BCD9B}, {"darkseagreen4", 0x698B69}, {"darkslateblue", 0x8B3D48},
    {"darkslategray", 0x4F4F2F}, {"darkslategray1", 0xFFFF97}, {"darkslategray2", 0xEEEE8D},
    {"darkslategray3", 0xCDCD79}, {"darkslategray4", 0x8B8B52}, {"darkslategrey", 0x4F4F2F},
    {"darkturquoise", 0xD1CE00}, {"darkviolet", 0xD30094}, {"debianred", 0x5107D7}, {"deeppink", 0x9314FF},
    {"deeppink1", 0x9314FF}, {"deeppink2", 0x8912EE}, {"deeppink3", 0x7610CD}, {"deeppink4", 0x500A8B},
    {"deepskyblue", 0xFFBF00}, {"deepskyblue1", 0xFFBF00}, {"deepskyblue2", 0xEEB200},
    {"deepskyblue3", 0xCD9A00}, {"deepskyblue4", 0x8B6800}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0xFF901E}, {"dodgerblue1", 0xFF901E}, {"dodgerblue2", 0xEE861C}, {"dodgerblue3", 0xCD7418},
    {"dodgerblue4", 0x8B4E10}, {"firebrick", 0x2222B2}, {"firebrick1", 0x3030FF}, {"firebrick2", 0x2C2CEE},
    {"firebrick3", 0x2626CD}, {"firebrick4", 0x1A1A8B}, {"floralwhite", 0xF0FAFF}, {"forestgreen", 0x228B22},
    {"gainsboro", 0xDCDCDC}, {"ghostwhite", 0xFFF8F8}, {"gold", 0x00D7FF}, {"gold1", 0x00D7FF},
    {"gold2", 0x00C9EE}, {"gold3", 0x00ADCD}, {"gold4", 0x00758B}, {"goldenrod", 0x20A5DA},
    {"goldenrod1", 0x25C1FF}, {"goldenrod2", 0x22B4EE}, {"goldenrod3", 0x1D9BCD}, {"goldenrod4", 0x14698B},
    {"gray", 0xBEBEBE}, {"green", 0x00FF00}, {"green1", 0x00FF00}, {"green2", 0x00EE00}, {"green3", 0x00CD00},
    {"green4", 0x008B00}, {"greenyellow", 0x2FFFAD}, {"grey", 0xBEBEBE}, {"honeydew", 0xF0FFF0},
    {"honeydew1", 0xF0FFF0}, {"honeydew2", 0xE0EEE0}, {"honeydew3", 0xC1CDC1}, {"honeydew4", 0x838B83},
    {"hotpink", 0xB469FF}, {"hotpink1", 0xB46EFF}, {"hotpink2", 0xA76AEE}, {"hotpink3", 0x9060CD},
    {"hotpink4", 0x623A8B}, {"indianred", 0x5C5CCD}, {"indianred1", 0x6A6AFF}, {"indianred2", 0x6363EE},
    {"indianred3", 0x5555CD}, {"indianred4", 0x3A3A8B}, {"ivory", 0xF0FFFF}, {"ivory1", 0xF0FFFF},
    {"ivory2", 0xE0EEEE}, {"ivory3", 0xC1CDCD}, {"ivory4", 0x838B8B}, {"khaki", 0x8CE6F0}, {"khaki1", 0x8FF6FF},
    {"khaki2", 0x85E6EE}, {"khaki3", 0x73C6CD}, {"khaki4", 0x4E868B}, {"lavender", 0xFAE6E6},
    {"lavenderblush", 0xF5F0FF}, {"lavenderblush1", 0xF5F0FF}, {"lavenderblush2", 0xE5E0EE},
    {"lavenderblush3", 0xC5C1CD}, {"lavenderblush4", 0x86838B}, {"lawngreen", 0x00FC7C},
    {"lemonchiffon", 0xCDFAFF}, {"lemonchiffon1", 0xCDFAFF}, {"lemonchiffon2", 0xBFE9EE},
    {"lemonchiffon3", 0xA5C9CD}, {"lemonchiffon4", 0x70898B}, {"lightblue", 0xE6D8AD}, {"lightblue1", 0xFFEFBF},
    {"lightblue2", 0xEEDFB2}, {"lightblue3", 0xCDC09A}, {"lightblue4", 0x8B8368}, {"lightcoral", 0x8080F0},
    {"lightcyan", 0xFFFFE0}, {"lightcyan1", 0xFFFFE0}, {"lightcyan2", 0xEEEED1}, {"lightcyan3", 0xCDCDB4},
    {"lightcyan4", 0x8B8B7A}, {"lightgoldenrod", 0x82DDEE}, {"lightgoldenrod1", 0x8BECFF},
    {"lightgoldenrod2", 0x82DCEE}, {"lightgoldenrod3", 0x70BECD}, {"lightgoldenrod4", 0x4C818B},
    {"lightgoldenrodyellow", 0xD2FAFA}, {"lightgray", 0xD3D3D3}, {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3}, {"lightpink", 0xC1B6FF}, {"lightpink1", 0xB9AEFF}, {"lightpink2", 0xADA2EE},
    {"lightpink3", 0x958CCD}, {"lightpink4", 0x655F8B}, {"lightsalmon", 0x7AA0FF}, {"lightsalmon1", 0x7AA0FF},
    {"lightsalmon2", 0x7295EE}, {"lightsalmon3", 0x6281CD}, {"lightsalmon4", 0x42578B},
    {"lightseagreen", 0xAAB220}, {"lightskyblue", 0xFACE87}, {"lightskyblue1", 0xFFE2B0},
    {"lightskyblue2", 0xEED3A4}, {"lightskyblue3", 0xCDB68D}, {"lightskyblue4", 0x8B7B60},
    {"lightslateblue", 0xFF7084}, {"lightslategray", 0x998877}, {"lightslategrey", 0x998877},
    {"lightsteelblue", 0xDEC4B0}, {"lightsteelblue1", 0xFFE1CA}, {"lightsteelblue2", 0xEED2BC},
    {"lightsteelblue3", 0xCDB5A2}, {"lightsteelblue4", 0x8B7B6E}, {"lightyellow", 0xE0FFFF},
    {"lightyellow1", 0xE0FFFF}, {"lightyellow2", 0xD1EEEE}, {"lightyellow3", 0xB4CDCD},
    {"lightyellow4", 0x7A8B8B}, {"limegreen", 0x32CD32}, {"linen", 0xE6F0FA}, {"magenta", 0xFF00FF},
    {"magenta1", 0xFF00FF}, {"magenta2", 0xEE00EE}, {"magenta3", 0xCD00CD}, {"magenta4", 0x8B008B},
    {"maroon", 0x6030B0}, {"maroon1", 0xB334FF}, {"maroon2", 0xA730EE}, {"maroon3", 0x9029CD},
    {"maroon4", 0x621C8B}, {"mediumaquamarine", 0xAACD66}, {"mediumblue", 0xCD0000}, {"mediumorchid", 0xD355BA},
    {"mediumorchid1", 0xFF66E0}, {"mediumorchid2", 0xEE5FD1}, {"mediumorchid3", 0xCD52B4},
    {"mediumorchid4", 0x8B377A}, {"mediumpurple", 0xDB7093}, {"mediumpurple1", 0xFF82AB},
    {"mediumpurple2", 0xEE799F}, {"mediumpurple3", 0xCD6889}, {"mediumpurple4", 0x8B475D},
    {"mediumseagreen", 0x71B33C}, {"mediumslateblue", 0xEE687B}, {"mediumspringgreen", 0x9AFA00},
    {"mediumturquoise", 0xCCD148}, {"mediumvioletred", 0x8515C7}, {"midnightblue", 0x701919},
    {"mintcream", 0xFAFFF5}, {"mistyrose", 0xE1E4FF}, {"mistyrose1", 0xE1E4FF}, {"mistyrose2", 0xD2D5EE},
    {"mistyrose3", 0xB5B7CD}, {"mistyrose4", 0x7B7D8B}, {"moccasin", 0xB5E4FF}, {"navajowhite", 0xADDEFF},
    {"navajowhite1", 0xADDEFF}, {"navajowhite2", 0xA1CFEE}, {"navajowhite3", 0x8BB3CD},
    {"navajowhite4", 0x5E798B}, {"navy", 0x800000}, {"navyblue", 0x800000}, {"oldlace", 0xE6F5FD},
    {"olivedrab", 0x238E6B}, {"olivedrab1", 0x3EFFC0}, {"olivedrab2", 0x3AEEB3}, {"olivedrab3", 0x32CD9A},
    {"olivedrab4", 0x228B69}, {"orange", 0x00A5FF}, {"orange1", 0x00A5FF}, {"orange2", 0x009AEE},
    {"orange3", 0x0085CD}, {"orange4", 0x005A8B}, {"orangered", 0x0045FF}, {"orangered1", 0x0045FF},
    {"orangered2", 0x0040EE}, {"orangered3", 0x0037CD}, {"orangered4", 0x00258B}, {"orchid", 0xD670DA},
    {"orchid1", 0xFA83FF}, {"orchid2", 0xE97AEE}, {"orchid3", 0xC969CD}, {"orchid4", 0x89478B},
    {"palegoldenrod", 0xAAE8EE}, {"palegreen", 0x98FB98}, {"palegreen1", 0x9AFF9A}, {"palegreen2", 0x90EE90},
    {"palegreen3", 0x7CCD7C}, {"palegreen4", 0x548B54}, {"paleturquoise", 0xEEEEAF},
    {"paleturquoise1", 0xFFFFBB}, {"paleturquoise2", 0xEEEEAE}, {"paleturquoise3", 0xCDCD96},
    {"paleturquoise4", 0x8B8B66}, {"palevioletred", 0x9370DB}, {"palevioletred1", 0xAB82FF},
    {"palevioletred2", 0x9F79EE}, {"palevioletred3", 0x8968CD}, {"palevioletred4", 0x5D478B},
    {"papayawhip", 0xD5EFFF}, {"peachpuff", 0xB9DAFF}, {"peachpuff1", 0xB9DAFF}, {"peachpuff2", 0xADCBEE},
    {"peachpuff3", 0x95AFCD}, {"peachpuff4", 0x65778B}, {"peru", 0x3F85CD}, {"pink", 0xCBC0FF},
    {"pink1", 0xC5B5FF}, {"pink2", 0xB8A9EE}, {"pink3", 0x9E91CD}, {"pink4", 0x6C638B}, {"plum", 0xDDA0DD},
    {"plum1", 0xFFBBFF}, {"plum2", 0xEEAEEE}, {"plum3", 0xCD96CD}, {"plum4", 0x8B668B},
    {"powderblue", 0xE6E0B0}, {"purple", 0xF020A0}, {"purple1", 0xFF309B}, {"purple2", 0xEE2C91},
    {"purple3", 0xCD267D}, {"purple4", 0x8B1A55}, {"red", 0x0000FF}, {"red1", 0x0000FF}, {"red2", 0x0000EE},
    {"red3", 0x0000CD}, {"red4", 0x00008B}, {"rosybrown", 0x8F8FBC}, {"rosybrown1", 0xC1C1FF},
    {"rosybrown2", 0xB4B4EE}, {"rosybrown3", 0x9B9BCD}, {"rosybrown4", 0x69698B}, {"royalblue", 0xE16941},
    {"royalblue1", 0xFF7648}, {"royalblue2", 0xEE6E43}, {"royalblue3", 0xCD5F3A}, {"royalblue4", 0x8B4027},
    {"saddlebrown", 0x13458B}, {"salmon", 0x7280FA}, {"salmon1", 0x698CFF}, {"salmon2", 0x6282EE},
    {"salmon3", 0x5470CD}, {"salmon4", 0x394C8B}, {"sandybrown", 0x60A4F4}, {"seagreen", 0x578B2E},
    {"seagreen1", 0x9FFF54}, {"seagreen2", 0x94EE4E}, {"seagreen3", 0x80CD43}, {"seagreen4", 0x578B2E},
    {"seashell", 0xEEF5FF}, {"seashell1", 0xEEF5FF}, {"seashell2", 0xDEE5EE}, {"seashell3", 0xBFC5CD},
    {"seashell4", 0x82868B}, {"sienna", 0x2D52A0}, {"sienna1", 0x4782FF}, {"sienna2", 0x4279EE},
    {"sienna3", 0x3968CD}, {"sienna4", 0x26478B}, {"skyblue", 0xEBCE87}, {"skyblue1", 0xFFCE87},
    {"skyblue2", 0xEEC07E}, {"skyblue3", 0xCDA66C}, {"skyblue4", 0x8B704A}, {"slateblue", 0xCD5A6A},
    {"slateblue1", 0xFF6F83}, {"slateblue2", 0xEE677A}, {"slateblue3", 0xCD5969}, {"slateblue4", 0x8B3C47},
    {"slategray", 0x908070}, {"slategray1", 0xFFE2C6}, {"slategray2", 0xEED3B9}, {"slategray3", 0xCDB69F},
    {"slategray4", 0x8B7B6C}, {"slategrey", 0x908070}, {"snow", 0xFAFAFF}, {"snow1", 0xFAFAFF},
    {"snow2", 0xE9E9EE}, {"snow3", 0xC9C9CD}, {"snow4", 0x89898B}, {"springgreen", 0x7FFF00},
    {"springgreen1", 0x7FFF00}, {"springgreen2", 0x76EE00}, {"springgreen3", 0x66CD00},
    {"springgreen4", 0x458B00}, {"steelblue", 0xB48246}, {"steelblue1", 0xFFB863}, {"steelblue2", 0xEEAC5C},
    {"steelblue3", 0xCD944F}, {"steelblue4", 0x8B6436}, {"tan", 0x8CB4D2}, {"tan1", 0x4FA5FF},
    {"tan2", 0x499AEE}, {"tan3", 0x3F85CD}, {"tan4", 0x2B5A8B}, {"thistle", 0xD8BFD8}, {"thistle1", 0xFFE1FF},
    {"thistle2", 0xEED2EE}, {"thistle3", 0xCDB5CD}, {"thistle4", 0x8B7B8B}, {"tomato", 0x4763FF},
    {"tomato1", 0x4763FF}, {"tomato2", 0x425CEE}, {"tomato3", 0x394FCD}, {"tomato4", 0x26368B},
    {"turquoise", 0xD0E040}, {"turquoise1", 0xFFF500}, {"turquoise2", 0xEEE500}, {"turquoise3", 0xCDC500},
    {"turquoise4", 0x8B8600}, {"violet", 0xEE82EE}, {"violetred", 0x9020D0}, {"violetred1", 0x963EFF},
    {"violetred2", 0x8C3AEE}, {"violetred3", 0x7832CD}, {"violetred4", 0x52228B}, {"wheat", 0xB3DEF5},
    {"wheat1", 0xBAE7FF}, {"wheat2", 0xAED8EE}, {"wheat3", 0x96BACD}, {"wheat4", 0x667E8B}, {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5}, {"yellow", 0x00FFFF}, {"yellow1", 0x00FFFF}, {"yellow2", 0x00EEEE},
    {"yellow3", 0x00CDCD}, {"yellow4", 0x008B8B}, {"yellowgreen", 0x32CD9A},
};

// Intensity of grayN / greyN, N = 0 .. 100, as the X table lists it (N * 2.55 rounded, where the
// rounding of the binary fractions makes gray50 127 and gray30 77; a table keeps every compiler
// and floating-point unit to the same values).
constexpr std::uint8_t kGreyLevels[101] = {
    0, 3, 5, 8, 10, 13, 15, 18, 20, 23, 26, 28, 31, 33, 36, 38, 41, 43, 46, 48,
    51, 54, 56, 59, 61, 64, 66, 69, 71, 74, 77, 79, 82, 84, 87, 89, 92, 94, 97, 99,
    102, 105, 107, 110, 112, 115, 117, 120, 122, 125, 127, 130, 133, 135, 138, 140, 143, 145, 148, 150,
    153, 156, 158, 161, 163, 166, 168, 171, 173, 176, 179, 181, 184, 186, 189, 191, 194, 196, 199, 201,
    204, 207, 209, 212, 214, 217, 219, 222, 224, 227, 229, 232, 235, 237, 240, 242, 245, 247, 250, 252,
    255,
};

}  // namespace

std::optional<Colour> FindX11Colour(std::string_view name) {
    char key[64];
    std::size_t length = 0;
    for (char c : name) {
        if (c == ' ' || c == '\t') continue;
        if (length == sizeof key - 1) return std::nullopt;  // longer than any name
        key[length++] = char(std::tolower(static_cast<unsigned char>(c)));
    }
    key[length] = 0;

    // gray0 .. gray100 and grey0 .. grey100.
    if (length > 4 && (std::memcmp(key, "gray", 4) == 0 || std::memcmp(key, "grey", 4) == 0) && length <= 7) {
        int percent = 0;
        bool digits = true;
        for (std::size_t i = 4; i < length; ++i) {
            if (!std::isdigit(static_cast<unsigned char>(key[i]))) digits = false;
            else percent = percent * 10 + (key[i] - '0');
        }
        if (digits) {
            if (percent > 100) return std::nullopt;
            return MakeColour(kGreyLevels[percent], kGreyLevels[percent], kGreyLevels[percent]);
        }
    }

    const NamedColour* end = std::end(kColours);
    const NamedColour* found = std::lower_bound(std::begin(kColours), end, key,
        [](const NamedColour& entry, const char* wanted) { return std::strcmp(entry.name, wanted) < 0; });
    if (found == end || std::strcmp(found->name, key) != 0) return std::nullopt;
    return found->colour;
}

std::optional<Colour> ParseHashColour(std::string_view text) {
    if (text.empty() || text[0] != '#') return std::nullopt;
    const std::size_t digits = text.size() - 1;
    if (digits == 0 || digits % 3 != 0 || digits > 12) return std::nullopt;
    const std::size_t width = digits / 3;
    unsigned component[3];
    for (std::size_t c = 0; c < 3; ++c) {
        std::uint32_t v = 0;
        if (!TryParseHex(std::string(text.substr(1 + c * width, width)), v)) return std::nullopt;
        const int bits = int(width) * 4;
        component[c] = bits >= 8 ? v >> (bits - 8) : v << (8 - bits);
    }
    return MakeColour(component[0], component[1], component[2]);
}

}  // namespace vt

namespace vt {

std::optional<Colour> ParseRgbColour(std::string_view text) {
    if (text.size() < 4 || (text.substr(0, 4) != "rgb:" && text.substr(0, 4) != "RGB:")) return std::nullopt;
    unsigned component[3];
    std::size_t at = 4;
    for (std::size_t c = 0; c < 3; ++c) {
        const std::size_t end = c < 2 ? text.find('/', at) : text.size();
        if (end == std::string_view::npos) return std::nullopt;
        const std::size_t width = end - at;
        std::uint32_t v = 0;
        if (width < 1 || width > 4 || !TryParseHex(std::string(text.substr(at, width)), v)) return std::nullopt;
        // Scaled, not cut: rgb:F/F/F is white, as X reads it.
        const std::uint32_t top = (1u << (4 * width)) - 1;
        component[c] = unsigned((v * 255 + top / 2) / top);
        at = end + 1;
    }
    return MakeColour(component[0], component[1], component[2]);
}

std::optional<Colour> ParseXColour(std::string_view text) {
    if (std::optional<Colour> colour = ParseHashColour(text)) return colour;
    if (std::optional<Colour> colour = ParseRgbColour(text)) return colour;
    return FindX11Colour(text);
}

}  // namespace vt
