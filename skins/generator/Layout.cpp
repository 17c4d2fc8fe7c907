#include "skins/generator/Layout.h"

#include <cctype>
#include <set>
#include <sstream>

namespace {

constexpr size_t kMaxNameLength = 39;   // label field of a placement entry
constexpr size_t kMaxHintLength = 399;  // hint field of a placement entry
constexpr int kMaxWindowSide = 2000;
constexpr int kMinSwatchSide = 36;

struct KindName {
    const char* word;
    ElementKind kind;
};
const KindName kKinds[] = {
    {"button", ElementKind::Button},   {"swatch", ElementKind::Swatch},     {"slider", ElementKind::Slider},
    {"vslider", ElementKind::VSlider}, {"fillbar", ElementKind::FillBar},   {"field", ElementKind::Field},
    {"valuebox", ElementKind::ValueBox}, {"list", ElementKind::List},       {"scrollbar", ElementKind::ScrollBar},
    {"area", ElementKind::Area},       {"panel", ElementKind::Panel},       {"text", ElementKind::Text},
    {"mouse", ElementKind::Mouse},     {"pad", ElementKind::Pad},           {"line", ElementKind::Line},
};

const char* const kButtonStyles[] = {"plain", "primary", "tab",   "menu", "toggle", "option",
                                     "close", "minimise", "up",   "down", "left",   "right", "check"};

// Splits a line into words; "quoted text" is one word without its quotes.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    size_t at = 0;
    while (at < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[at]))) {
            ++at;
        } else if (line[at] == '"') {
            size_t end = line.find('"', at + 1);
            if (end == std::string::npos) {
                error = "unterminated quoted text";
                return false;
            }
            words.push_back(line.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            size_t end = at;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
            words.push_back(line.substr(at, end - at));
            at = end;
        }
    }
    return true;
}

bool ToInt(const std::string& word, int& value) {
    if (word.empty() || word.size() > 6) return false;
    size_t start = word[0] == '-' ? 1 : 0;
    if (start == word.size()) return false;
    for (size_t i = start; i < word.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(word[i]))) return false;
    value = std::stoi(word);
    return true;
}

// Placement keys are decimal numbers without leading zeros.
bool IsPlacementKey(const std::string& word) {
    if (word.empty() || word.size() > 4) return false;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return word == "0" || word[0] != '0';
}

bool Contains(const char* const* begin, const char* const* end, const std::string& word) {
    for (auto it = begin; it != end; ++it)
        if (word == *it) return true;
    return false;
}

class Parser {
public:
    Parser(Layout& layout, std::string& error) : m_layout(layout), m_error(error) {}

    bool Line(int number, const std::string& text) {
        m_line = number;
        std::vector<std::string> words;
        std::string splitError;
        if (!SplitWords(text, words, splitError)) return Fail(splitError);
        if (words.empty() || words[0][0] == '#') return true;
        if (words[0] == "window") return Window(words);
        if (m_layout.width == 0) return Fail("the first statement must be 'window'");
        if (words[0] == "title") {
            if (words.size() != 2) return Fail("title takes one quoted text");
            m_layout.title = words[1];
            return true;
        }
        if (words[0] == "shape") {
            if (words.size() != 2 || words[1] != "rectangle") return Fail("shape takes the word rectangle");
            m_layout.rectangular = true;
            return true;
        }
        if (words[0] == "mask") {
            if (words.size() != 2 || words[1].size() < 5 || words[1].compare(words[1].size() - 4, 4, ".bmp") != 0 ||
                words[1].find_first_of("\\/,") != std::string::npos)
                return Fail("mask takes a quoted .bmp file name");
            m_layout.maskFile = words[1];
            return true;
        }
        return Element(words);
    }

    bool Finish() {
        if (m_layout.width == 0) return Fail("no 'window' statement");
        return true;
    }

private:
    bool Fail(const std::string& message) {
        m_error = "line " + std::to_string(m_line) + ": " + message;
        return false;
    }

    bool Window(const std::vector<std::string>& words) {
        if (m_layout.width != 0) return Fail("'window' given twice");
        if (words.size() != 4) return Fail("window takes a name, a width and a height");
        int width = 0, height = 0;
        if (!ToInt(words[2], width) || !ToInt(words[3], height) || width <= 0 || height <= 0 ||
            width > kMaxWindowSide || height > kMaxWindowSide)
            return Fail("bad window size");
        for (char c : words[1])
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return Fail("bad skin name");
        m_layout.skinName = words[1];
        m_layout.width = width;
        m_layout.height = height;
        return true;
    }

    bool Element(const std::vector<std::string>& words) {
        LayoutElement element;
        element.line = m_line;
        bool known = false;
        for (const KindName& kind : kKinds)
            if (words[0] == kind.word) {
                element.kind = kind.kind;
                known = true;
            }
        if (!known) return Fail("unknown kind '" + words[0] + "'");
        if (words.size() < 6) return Fail("an element needs a key and x, y, width, height");
        if (words[1] != "-") {
            if (!IsPlacementKey(words[1])) return Fail("bad placement key '" + words[1] + "'");
            if (!m_keys.insert(words[1]).second) return Fail("placement key " + words[1] + " used twice");
            element.key = words[1];
        }
        int numbers[4];
        for (int i = 0; i < 4; ++i)
            if (!ToInt(words[2 + i], numbers[i])) return Fail("bad number '" + words[2 + i] + "'");
        if (element.kind == ElementKind::Line) return LineElement(element, numbers, words.size());
        element.box = Box{numbers[0], numbers[1], numbers[2], numbers[3]};
        if (element.box.x < 0 || element.box.y < 0 || element.box.width <= 0 || element.box.height <= 0 ||
            element.box.Right() > m_layout.width || element.box.Bottom() > m_layout.height)
            return Fail("rectangle outside the window");
        if ((words.size() - 6) % 2 != 0) return Fail("attribute without a value");
        for (size_t i = 6; i < words.size(); i += 2)
            if (!Attribute(element, words[i], words[i + 1])) return false;
        return Check(element);
    }

    bool LineElement(LayoutElement& element, const int (&numbers)[4], size_t wordCount) {
        if (wordCount != 6) return Fail("a line takes two points and no attributes");
        if (!element.key.empty()) return Fail("lines have no placement key");
        for (int i = 0; i < 4; i += 2)
            if (numbers[i] < 0 || numbers[i + 1] < 0 || numbers[i] >= m_layout.width || numbers[i + 1] >= m_layout.height)
                return Fail("line end outside the window");
        element.box = Box{numbers[0], numbers[1], 1, 1};
        element.endX = numbers[2];
        element.endY = numbers[3];
        m_layout.elements.push_back(element);
        return true;
    }

    bool Attribute(LayoutElement& element, const std::string& name, const std::string& value) {
        if (name == "name") {
            element.name = value;
        } else if (name == "label") {
            element.label = value;
        } else if (name == "hint") {
            element.hint = value;
        } else if (name == "style") {
            element.style = value;
        } else if (name == "ticks") {
            if (!ToInt(value, element.ticks) || element.ticks < 0 || element.ticks > 100) return Fail("bad tick count");
        } else if (name == "align") {
            if (value != "left" && value != "centre" && value != "right") return Fail("align is left, centre or right");
            element.align = value;
        } else if (name == "wrap") {
            if (value != "yes" && value != "no") return Fail("wrap is yes or no");
            element.wrap = value == "yes";
        } else {
            return Fail("unknown attribute '" + name + "'");
        }
        return true;
    }

    bool Check(LayoutElement& element) {
        // The entry's label ends at the first comma and its hint starts after
        // the last one, so neither may hold a comma of its own.
        if (element.name.find(',') != std::string::npos || element.name.size() > kMaxNameLength)
            return Fail("name must have at most 39 characters and no comma");
        if (element.hint.find(',') != std::string::npos || element.hint.size() > kMaxHintLength)
            return Fail("hint must have at most 399 characters and no comma");
        if (element.kind == ElementKind::Button) {
            if (element.style.empty()) element.style = "plain";
            if (!Contains(std::begin(kButtonStyles), std::end(kButtonStyles), element.style))
                return Fail("unknown button style '" + element.style + "'");
        } else if (!element.style.empty()) {
            return Fail("only buttons have a style");
        }
        if (element.kind == ElementKind::Swatch && (element.box.width < kMinSwatchSide || element.box.height < kMinSwatchSide))
            return Fail("a swatch needs at least 36 x 36 pixels");
        bool decoration = element.kind == ElementKind::Panel || element.kind == ElementKind::Text ||
                          element.kind == ElementKind::Mouse || element.kind == ElementKind::Pad;
        if (decoration && !element.key.empty()) return Fail("decorations have no placement key");
        if (!decoration && element.key.empty()) return Fail("controls need a placement key");
        if (element.name.empty() && !element.key.empty()) element.name = "control" + element.key;
        m_layout.elements.push_back(element);
        return true;
    }

    Layout& m_layout;
    std::string& m_error;
    int m_line = 0;
    std::set<std::string> m_keys;
};

}  // namespace

std::string Layout::ImageFileName(const std::string& state) const {
    const std::string prefix = "skin_";
    std::string base = skinName.compare(0, prefix.size(), prefix) == 0 ? skinName.substr(prefix.size()) : skinName;
    return base + "_" + state + ".bmp";
}

bool ParseLayout(const std::string& source, Layout& layout, std::string& error) {
    layout = Layout{};
    Parser parser(layout, error);
    std::istringstream lines(source);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!parser.Line(++number, line)) return false;
    }
    return parser.Finish();
}
