#include "RenderOptions.h"

#include <stdexcept>

#include "common/DecimalText.h"

namespace vt {
namespace {

std::int32_t Side(const std::string& text, const std::string& size) {
    std::int32_t value = 0;
    if (text.empty() || text[0] == '+' || text[0] == '-' || !TryParseDecimal(text, value) || value < 1 ||
        value > kMaxPreviewSide)
        throw std::invalid_argument("--size " + size + ": each side must be 1 to " + std::to_string(kMaxPreviewSide));
    return value;
}

// "&File,&Edit,&View": the items in order; an empty list or an empty item is an error.
std::vector<std::string> MenuItems(const std::string& text) {
    std::vector<std::string> items;
    std::size_t from = 0;
    while (true) {
        std::size_t comma = text.find(',', from);
        std::string item = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        if (item.empty()) throw std::invalid_argument("--menu \"" + text + "\": an empty item");
        items.push_back(item);
        if (comma == std::string::npos) return items;
        from = comma + 1;
    }
}

}  // namespace

void ParseWindowSize(const std::string& size, std::int32_t& width, std::int32_t& height) {
    std::size_t x = size.find_first_of("xX");
    if (x == std::string::npos) throw std::invalid_argument("--size " + size + ": expected WxH");
    width = Side(size.substr(0, x), size);
    height = Side(size.substr(x + 1), size);
}

std::int32_t ParseScale(const std::string& text) {
    std::int32_t value = 0;
    if (text.empty() || text[0] == '+' || text[0] == '-' || !TryParseDecimal(text, value) || value < kMinScale ||
        value > kMaxScale)
        throw std::invalid_argument("--scale " + text + ": a percentage from " + std::to_string(kMinScale) + " to " +
                                    std::to_string(kMaxScale));
    return value;
}

RenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--size") {
            ParseWindowSize(value(), options.width, options.height);
        } else if (arg == "--inactive") {
            options.inactive = true;
        } else if (arg == "--sheet") {
            options.sheet = true;
        } else if (arg == "--watch") {
            options.watch = true;
        } else if (arg == "--hover") {
            options.hover = value();
        } else if (arg == "--pressed") {
            options.pressed = value();
        } else if (arg == "--menu") {
            options.menu = MenuItems(value());
        } else if (arg == "--title") {
            options.title = value();
        } else if (arg == "--scale") {
            options.scale = ParseScale(value());
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw std::invalid_argument("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) throw std::invalid_argument("expected THEME and OUT.png");
    options.theme = positional[0];
    options.out = positional[1];
    return options;
}

}  // namespace vt
