#include "framework/store/RegTextFormat.h"

#include "framework/store/RegTextEscapes.h"
#include "framework/store/Utf8.h"

#include <array>
#include <charconv>
#include <optional>

namespace quarvex::framework {

namespace {

constexpr std::string_view kFileComment =
    "# Settings of Quarvex!, kept as UTF-8 text. Quarvex! picks up changes made here.\n"
    "# [key\\sub key] opens a key; %HH in a key name stands for one byte.\n"
    "# Each value: \"name\" = int -12 | bool true | real 7.5 | text \"words\"\n"
    "# In quotes \\\\ \\\" \\t \\n \\r stand for themselves and \\xHH for one byte.\n"
    "# The last line must read \"end\": a file without it counts as damaged.\n";

constexpr std::array<std::string_view, 4> kKindWords = {"int", "bool", "real", "text"};

std::string FormatValue(const RegValue& value) {
    switch (KindOf(value)) {
    case RegValueKind::Integer:
        return std::to_string(std::get<std::int32_t>(value));
    case RegValueKind::Boolean:
        return std::get<bool>(value) ? "true" : "false";
    case RegValueKind::Real: {
        std::array<char, 64> buffer{};
        auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::get<double>(value));
        return std::string(buffer.data(), result.ptr);
    }
    case RegValueKind::Text:
        return QuoteText(std::get<std::string>(value));
    }
    return {};
}

void FormatKey(const RegKeyTree::Key& key, RegKeyPath& path, std::string& out) {
    // A key is written when it holds values or nothing at all; keys above others are implied.
    if (!key.values.empty() || (key.subKeys.empty() && !path.empty())) {
        out += "\n[";
        for (std::size_t i = 0; i < path.size(); ++i) {
            out += i == 0 ? "" : "\\";
            out += EncodeKeyName(path[i]);
        }
        out += "]\n";
        for (const auto& [folded, entry] : key.values) {
            out += QuoteText(entry.name);
            out += " = ";
            out += kKindWords[entry.value.index()];
            out += ' ';
            out += FormatValue(entry.value);
            out += '\n';
        }
    }
    for (const auto& [folded, subKey] : key.subKeys) {
        path.push_back(subKey->name);
        FormatKey(*subKey, path, out);
        path.pop_back();
    }
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Parses the text after a value's kind word.
template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number number{};
    auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::variant<RegKeyTree, RegTextError> Run();

private:
    bool ParseLine(std::string_view line);
    bool ParseSection(std::string_view line);
    bool ParseValueLine(std::string_view line);
    std::optional<RegValue> ParseValue(std::string_view kind, std::string_view text);
    bool Fail(std::string reason) {
        error_ = RegTextError{lineNumber_, std::move(reason)};
        return false;
    }

    std::string_view text_;
    RegKeyTree tree_;
    RegKeyPath section_;
    std::size_t lineNumber_ = 0;
    bool sawFormatLine_ = false;
    bool sawEndLine_ = false;
    RegTextError error_;
};

std::variant<RegKeyTree, RegTextError> Parser::Run() {
    if (auto badLine = FirstInvalidUtf8Line(text_)) {
        return RegTextError{*badLine, "the text is not valid UTF-8"};
    }
    if (text_.empty() || text_.back() != '\n') {
        return RegTextError{0, "the file ends in the middle of a line (it was cut short)"};
    }
    std::size_t start = 0;
    while (start < text_.size()) {
        const std::size_t end = text_.find('\n', start);
        std::string_view line = text_.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++lineNumber_;
        if (!ParseLine(Trim(line))) {
            return error_;
        }
        start = end + 1;
    }
    if (!sawEndLine_) {
        return RegTextError{0, "the closing line \"end\" is missing (the file was cut short)"};
    }
    return std::move(tree_);
}

bool Parser::ParseLine(std::string_view line) {
    if (line.empty() || line.front() == '#' || line.front() == ';') {
        return true;
    }
    if (sawEndLine_) {
        return Fail("text follows the closing line \"end\"");
    }
    if (!sawFormatLine_) {
        if (line != kRegTextFormatLine) {
            return Fail("the first line must read \"" + std::string(kRegTextFormatLine) + "\"");
        }
        sawFormatLine_ = true;
        return true;
    }
    if (line == kRegTextEndLine) {
        sawEndLine_ = true;
        return true;
    }
    if (line.front() == '[') {
        return ParseSection(line);
    }
    if (line.front() == '"') {
        return ParseValueLine(line);
    }
    return Fail("expected [key], \"name\" = kind value, or end");
}

bool Parser::ParseSection(std::string_view line) {
    if (line.back() != ']') {
        return Fail("a [key] line must end with ]");
    }
    const std::string_view inner = line.substr(1, line.size() - 2);
    RegKeyPath path;
    std::size_t start = 0;
    while (!inner.empty() && start <= inner.size()) {
        std::size_t end = inner.find('\\', start);
        if (end == std::string_view::npos) {
            end = inner.size();
        }
        auto name = DecodeKeyName(inner.substr(start, end - start));
        if (!name || name->empty()) {
            return Fail(name ? "a key name is empty" : "% in a key name needs two hex digits");
        }
        path.push_back(std::move(*name));
        start = end + 1;
    }
    tree_.Obtain(path);
    section_ = std::move(path);
    return true;
}

bool Parser::ParseValueLine(std::string_view line) {
    std::size_t pos = 0;
    std::string reason;
    auto name = UnquoteText(line, pos, reason);
    if (!name) {
        return Fail(reason);
    }
    std::string_view rest = Trim(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
        return Fail("expected = after the value name");
    }
    rest = Trim(rest.substr(1));
    const std::size_t blank = rest.find_first_of(" \t");
    const std::string_view kind = rest.substr(0, blank);
    const std::string_view valueText =
        blank == std::string_view::npos ? std::string_view{} : Trim(rest.substr(blank));
    auto value = ParseValue(kind, valueText);
    if (!value) {
        return false;
    }
    if (tree_.FindValue(section_, *name) != nullptr) {
        return Fail("the value \"" + *name + "\" appears twice in its key");
    }
    tree_.SetValue(section_, *name, std::move(*value));
    return true;
}

std::optional<RegValue> Parser::ParseValue(std::string_view kind, std::string_view text) {
    if (kind == "int") {
        if (auto number = ParseNumber<std::int32_t>(text)) {
            return RegValue(*number);
        }
        Fail("not a 32-bit integer: " + std::string(text));
    } else if (kind == "bool") {
        if (text == "true" || text == "false") {
            return RegValue(text == "true");
        }
        Fail("a boolean is true or false, not: " + std::string(text));
    } else if (kind == "real") {
        if (auto number = ParseNumber<double>(text)) {
            return RegValue(*number);
        }
        Fail("not a real number: " + std::string(text));
    } else if (kind == "text") {
        std::size_t pos = 0;
        std::string reason;
        if (text.empty() || text.front() != '"') {
            Fail("a text value must be in double quotes");
        } else if (auto quoted = UnquoteText(text, pos, reason); !quoted) {
            Fail(reason);
        } else if (pos != text.size()) {
            Fail("unexpected characters after the closing quote");
        } else {
            return RegValue(std::move(*quoted));
        }
    } else {
        Fail("unknown kind \"" + std::string(kind) + "\" (int, bool, real or text)");
    }
    return std::nullopt;
}

} // namespace

std::string FormatRegText(const RegKeyTree& tree) {
    std::string out;
    out.reserve(64 * tree.ValueCount() + 512);
    out += kRegTextFormatLine;
    out += '\n';
    out += kFileComment;
    RegKeyPath path;
    FormatKey(tree.Root(), path, out);
    out += '\n';
    out += kRegTextEndLine;
    out += '\n';
    return out;
}

std::variant<RegKeyTree, RegTextError> ParseRegText(std::string_view text) {
    return Parser(text).Run();
}

} // namespace quarvex::framework
