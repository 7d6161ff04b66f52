#include "ConfigEdits.h"

#include <vector>

namespace vt::ctl {
namespace {

// A line's text and the break that ended it (empty for a last line without one).
struct Line {
    std::string text;
    std::string end;
};

std::vector<Line> Split(const std::string& text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", at);
        if (stop == std::string::npos) {
            lines.push_back({text.substr(at), ""});
            break;
        }
        std::size_t length = (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1;
        lines.push_back({text.substr(at, stop - at), text.substr(stop, length)});
        at = stop + length;
    }
    return lines;
}

std::string Join(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& line : lines) text += line.text + line.end;
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    return text;
}

bool NamesProgram(const std::string& line, const std::string& program) {
    std::size_t equals = line.find('=');
    return equals != std::string::npos && Upper(line.substr(0, equals)) == Upper(program);
}

// Appends a line, first ending the last one when it has no break.
void Append(std::vector<Line>& lines, const std::string& text, const std::string& lineBreak) {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = lineBreak;
    lines.push_back({text, lineBreak});
}

// The section a line opens, as the module names it (first and last character dropped,
// upper-cased); nothing for a line that opens none.
bool OpensSection(const std::string& line, std::string& section) {
    if (line.empty() || line[0] != '[') return false;
    section = line.size() >= 2 ? Upper(line.substr(1, line.size() - 2)) : std::string();
    return true;
}

bool IsEntry(const std::string& line) { return !line.empty() && line[0] != '#' && line[0] != '['; }

}  // namespace

std::string LineBreakOf(const std::string& text) {
    std::size_t at = text.find_first_of("\r\n");
    if (at == std::string::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

std::string PinProgram(const std::string& text, const std::string& program, const std::string& path) {
    std::vector<Line> lines = Split(text);
    for (Line& line : lines) {
        if (NamesProgram(line.text, program)) {
            line.text = program + "=" + path;
            return Join(lines);
        }
    }
    Append(lines, program + "=" + path, LineBreakOf(text));
    return Join(lines);
}

bool UnpinProgram(std::string& text, const std::string& program) {
    std::vector<Line> kept;
    bool removed = false;
    for (Line& line : Split(text)) {
        if (NamesProgram(line.text, program)) removed = true;
        else kept.push_back(std::move(line));
    }
    if (removed) text = Join(kept);
    return removed;
}

bool AddExclusion(std::string& text, const std::string& section, const std::string& entry) {
    std::vector<Line> lines = Split(text);
    const std::string wanted = Upper(section), upperEntry = Upper(entry);
    std::string current;
    bool inSection = false;
    std::size_t insertAfter = std::string::npos;  // the first block's last entry, or its header
    bool firstBlockDone = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (OpensSection(lines[i].text, current)) {
            if (inSection) firstBlockDone = true;
            inSection = current == wanted;
            if (inSection && !firstBlockDone && insertAfter == std::string::npos) insertAfter = i;
            continue;
        }
        if (!inSection || !IsEntry(lines[i].text)) continue;
        if (Upper(lines[i].text) == upperEntry) return false;
        if (!firstBlockDone) insertAfter = i;
    }
    const std::string lineBreak = LineBreakOf(text);
    if (insertAfter == std::string::npos) {
        if (!lines.empty() && !lines.back().text.empty()) Append(lines, "", lineBreak);  // a blank line between blocks
        Append(lines, "[" + wanted + "]", lineBreak);
        Append(lines, entry, lineBreak);
    } else {
        if (lines[insertAfter].end.empty()) lines[insertAfter].end = lineBreak;
        lines.insert(lines.begin() + std::ptrdiff_t(insertAfter + 1), Line{entry, lineBreak});
    }
    text = Join(lines);
    return true;
}

bool RemoveExclusion(std::string& text, const std::string& section, const std::string& entry) {
    const std::string wanted = Upper(section), upperEntry = Upper(entry);
    std::vector<Line> kept;
    std::string current;
    bool inSection = false, removed = false;
    for (Line& line : Split(text)) {
        if (OpensSection(line.text, current)) {
            inSection = current == wanted;
        } else if (inSection && IsEntry(line.text) && Upper(line.text) == upperEntry) {
            removed = true;
            continue;
        }
        kept.push_back(std::move(line));
    }
    if (removed) text = Join(kept);
    return removed;
}

}  // namespace vt::ctl
