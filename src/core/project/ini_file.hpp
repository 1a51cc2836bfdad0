#pragma once
// An INI-style text read whole into memory, as the project file is read:
// - each line loses the blanks (codes 0 to 32) at both ends; empty lines and
//   lines beginning with ";" are skipped;
// - a line "[" ... "]" opens the section named by the text between the brackets,
//   blanks at its ends removed;
// - a line with "=" is a key (the text before the first "=") and a value (the
//   text after it), both without blanks at their ends; a line without "=" is a
//   key without value; lines before the first section are ignored;
// - section names and keys compare without regard to ASCII case;
// - when a key occurs twice in a section, the first occurrence is used; a
//   section that occurs twice is read as one, its first keys still winning.
// Lines end at CR LF, CR or LF.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace core {

class IniFile {
public:
    IniFile() = default;
    // text is the file's text, already decoded to UTF-8.
    static IniFile parse(std::string_view text);

    bool hasSection(std::string_view section) const;
    // The value of a key, or nullptr when the section or the key is missing.
    const std::string* find(std::string_view section, std::string_view key) const;
    // The value of a key, or `fallback` when missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;

private:
    // Looked up by a folded name held anywhere (no temporary string).
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    template <class V>
    using FoldedMap = std::unordered_map<std::string, V, Hash, std::equal_to<>>;
    struct Section {
        FoldedMap<std::string> values;  // folded key -> value
    };
    FoldedMap<Section> sections_;  // folded name -> section
};

// A whole decimal number with an optional sign ("12", "-3", "+7"); nothing for
// any other text or a number beyond the range of long long.
std::optional<long long> parseWholeNumber(std::string_view text);

}  // namespace core
