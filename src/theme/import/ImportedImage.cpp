#include "theme/import/ImportedImage.h"

#include "common/AsciiText.h"
#include "common/FileNameCase.h"
#include "common/PathText.h"
#include "graphics/AlphaOver.h"
#include "graphics/PngReader.h"
#include "graphics/XpmReader.h"

namespace vt {
namespace {

TThemeItem& AddEntry(TTheme& theme, const std::string& file) {
    TThemeItem& item = theme.Items().Add();
    const std::size_t slash = file.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    item.SetName(name.substr(0, name.find('.')));
    item.SetFileName(file);
    return item;
}

}  // namespace

Bitmap* AddXpmImage(TTheme& theme, const std::string& folder, const ThemercValue& file, const ThemeErrorSink& sink) {
    if (file.text.empty()) return nullptr;
    const std::string path = FindExistingFile(PathInFolder(folder, file.text));
    if (path.empty()) return nullptr;
    TThemeItem& item = AddEntry(theme, file.text);
    if (!GuardThemeLine(file.line, sink, [&] { ReadXpmFile(path, item.Bitmap()); })) item.Bitmap() = Bitmap{};
    return &item.Bitmap();
}

namespace {

// The files of one layered image: BASE.xpm and BASE.png in the folder (empty: not there).
struct LayeredFiles {
    std::string xpm, png;
    LayeredFiles(const std::string& folder, const std::string& base)
        : xpm(FindExistingFile(PathInFolder(folder, base + ".xpm"))),
          png(FindExistingFile(PathInFolder(folder, base + ".png"))) {}
    bool Any() const { return !xpm.empty() || !png.empty(); }
};

// The PNG drawn over the XPM into `bitmap`, the symbolic colours recorded for it in `symbols`
// (when given).
void ReadLayered(const LayeredFiles& files, const ThemeErrorSink& sink, Bitmap& bitmap, ThemeColourSymbols* symbols) {
    const std::string& xpm = files.xpm;
    const std::string& png = files.png;
    XpmSymbols names;
    if (!xpm.empty() && !GuardThemeLine(0, sink, [&] { ReadXpmFile(xpm, bitmap, symbols ? &names : nullptr); })) {
        bitmap = Bitmap{};
        names.clear();
    }
    const Bitmap xpmPixels = names.empty() ? Bitmap{} : bitmap;
    RgbaImage overlay;
    if (!png.empty()) {
        GuardThemeLine(0, sink, [&] {
            RgbaImage image;
            LoadPngFile(png, image);
            DrawAlphaOver(image, bitmap);
            if (!names.empty()) overlay = std::move(image);
        });
    }
    if (!names.empty()) symbols->images.emplace_back(bitmap, xpmPixels, std::move(names), std::move(overlay));
}

}  // namespace

Bitmap* AddLayeredImage(TTheme& theme, const std::string& folder, const std::string& base,
                        const ThemeErrorSink& sink, ThemeColourSymbols* symbols) {
    const LayeredFiles files(folder, base);
    if (!files.Any()) return nullptr;
    Bitmap& bitmap = AddEntry(theme, files.xpm.empty() ? base + ".png" : base + ".xpm").Bitmap();
    ReadLayered(files, sink, bitmap, symbols);
    return &bitmap;
}

void AttachLargerLayeredImage(Bitmap& image, const std::string& folder, const std::string& base, std::int32_t dpi,
                              const ThemeErrorSink& sink, ThemeColourSymbols* symbols) {
    const LayeredFiles files(folder, base);
    if (!files.Any()) return;
    // Read straight into the copy the image keeps, so that its symbolic colours are recorded for it.
    ReadLayered(files, sink, image.AddLargerSource(Bitmap{}, dpi), symbols);
}

bool ReadImportedImage(const std::string& path, Bitmap& out, int line, const ThemeErrorSink& sink) {
    const bool png = path.size() > 4 && SameText(path.substr(path.size() - 4), ".png");
    Bitmap read;
    const bool done = GuardThemeLine(line, sink, [&] {
        if (png) {
            RgbaImage image;
            LoadPngFile(path, image);
            DrawAlphaOver(image, read);
        } else {
            ReadXpmFile(path, read);
        }
    });
    if (done) out = std::move(read);
    return done;
}

Bitmap* AddImageEntry(TTheme& theme, const std::string& name, const std::string& file, Bitmap&& bitmap) {
    TThemeItem& item = theme.Items().Add();
    item.SetName(name);
    item.SetFileName(file);
    item.Bitmap() = std::move(bitmap);
    return &item.Bitmap();
}

Bitmap SliceRows(const Bitmap& source, int top, int height) {
    Bitmap slice;
    slice.SetSize(source.Width(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < source.Width(); ++x) slice.SetPixel(x, y, source.GetPixel(x, top + y));
    if (source.Transparent()) {
        slice.SetTransparent(true);
        slice.SetTransparentColor(source.TransparentColor());
    }
    return slice;
}

}  // namespace vt
