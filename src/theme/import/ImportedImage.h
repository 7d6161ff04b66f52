#pragma once
// The images of themes imported from other window managers (kwm, xfwm4), each added to the
// theme's bitmap collection as it is read. An entry's Name is the file name without its folder
// and without anything from its first "." on; its FileName is the name as the theme gave it.
// Relative image names are taken in the folder given (the theme file's; empty: the current
// directory). An image that cannot be read is reported to the sink with the line that named it (0 for a name the importer
// made up) and leaves its entry empty: one bad file costs its own picture, not the frame.
#include <string>

#include "graphics/Bitmap.h"
#include "theme/ThemeErrors.h"
#include "theme/import/ThemeColourSymbols.h"
#include "theme/import/ThemercValues.h"
#include "theme/model/TTheme.h"

namespace vt {

// The XPM file the value names; null when the name is empty or no such file exists.
Bitmap* AddXpmImage(TTheme& theme, const std::string& folder, const ThemercValue& file, const ThemeErrorSink& sink);

// BASE.xpm with BASE.png drawn over it, as xfwm4 layers them (either file may be missing; the
// PNG's alpha as AlphaOver describes). Null when neither exists. A file that cannot be read is
// reported and the other one is still used. With `symbols`, an XPM that names colours
// symbolically is recorded there for recolouring.
Bitmap* AddLayeredImage(TTheme& theme, const std::string& folder, const std::string& base,
                        const ThemeErrorSink& sink, ThemeColourSymbols* symbols = nullptr);

// The same layering from another folder, attached to `image` as its larger drawing for `dpi` (an
// xfwm4 theme's -hdpi or -xhdpi sibling); nothing when neither file is there there. Its symbolic
// colours are recorded like the image's own.
void AttachLargerLayeredImage(Bitmap& image, const std::string& folder, const std::string& base, std::int32_t dpi,
                              const ThemeErrorSink& sink, ThemeColourSymbols* symbols = nullptr);

// Reads one image file, XPM or PNG by its extension (a PNG's alpha as AlphaOver describes for
// an image alone) into a bitmap of the caller's, reporting a failure to the sink with the line;
// returns whether it was read.
bool ReadImportedImage(const std::string& path, Bitmap& out, int line, const ThemeErrorSink& sink);

// Adds an entry for an image the importer has made (a part of a file, or drawn): its name as
// given, its file as given (empty for a drawn one), the bitmap moved in.
Bitmap* AddImageEntry(TTheme& theme, const std::string& name, const std::string& file, Bitmap&& bitmap);

// Rows top .. top + height - 1 of the source, with its transparency settings (a stacked state of
// a button image). Rows outside the source come out black.
Bitmap SliceRows(const Bitmap& source, int top, int height);

}  // namespace vt
