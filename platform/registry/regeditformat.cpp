#include "platform/registry/regeditformat.h"

#include "platform/core/errors.h"
#include "platform/core/numberrule.h"
#include "platform/core/text.h"
#include "platform/core/textlines.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

namespace orupim::registry {

namespace {

constexpr std::string_view Header = "REGEDIT4";
constexpr std::size_t HexLineWidth = 76;

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

// Reads the text line by line into a flat list of keys, each found again through a hash index, so that the
// time taken grows with the file's size however many siblings or levels it has; the key tree is built from
// the list at the end, last keys first (a key's subkeys always come after it), without recursion.
class HiveParser {
public:
    HiveParser(std::string_view text, Hive hive, std::string_view fileName)
        : hive_(hive), fileName_(fileName) {
        // Editors that save UTF-8 may put a byte-order mark in front of the first line, as INI files have.
        lines_ = splitLines(text, LineEnds::LineFeed).lines;
        nodes_.push_back({});
    }

    RegKey parse() {
        if (lines_.empty() || trimBlanks(lines_[0]) != Header)
            fail(1, "the first line is not REGEDIT4");
        for (line_ = 1; line_ < lines_.size(); ++line_) {
            std::string_view text = trimBlanks(lines_[line_]);
            if (text.empty() || text.front() == ';')
                continue;
            if (text.front() == '[')
                parseKeyLine(text);
            else
                parseValueLine(text);
        }
        return buildTree();
    }

private:
    static constexpr std::size_t NoKey = std::size_t(-1);

    struct Node {
        std::string name;
        std::vector<NamedValue> values;
        std::vector<std::size_t> children;
    };

    [[noreturn]] void fail(std::size_t lineNumber, std::string_view reason) const {
        throw RegistryError(formatText("Damaged registry file %s, line %s: %s",
                                       {fileName_, std::to_string(lineNumber), reason}));
    }
    [[noreturn]] void fail(std::string_view reason) const { fail(line_ + 1, reason); }

    // The index of a key or of a value of key `node`: names match without regard to case.
    static std::string indexKey(std::size_t node, std::string_view name) {
        return std::to_string(node) + '\\' + toLowerAscii(name);
    }

    std::size_t subKey(std::size_t parent, std::string_view name) {
        auto [it, added] = keyIndex_.try_emplace(indexKey(parent, name), nodes_.size());
        if (added) {
            nodes_.push_back({std::string(name), {}, {}});
            nodes_[parent].children.push_back(it->second);
        }
        return it->second;
    }

    void parseKeyLine(std::string_view text) {
        if (text.back() != ']')
            fail("a key line must end with \"]\"");
        std::string_view inner = text.substr(1, text.size() - 2);
        std::size_t slash = inner.find('\\');
        std::string_view rootName = inner.substr(0, slash);
        if (!equalsIgnoreCase(rootName, hiveRootName(hive_)))
            fail(formatText("the key is not below %s", {hiveRootName(hive_)}));
        current_ = 0;
        std::size_t depth = 0;
        while (slash != std::string_view::npos) {
            inner.remove_prefix(slash + 1);
            slash = inner.find('\\');
            std::string_view name = inner.substr(0, slash);
            if (name.empty())
                fail("a key name is empty");
            if (++depth > MaxKeyDepth)
                fail(formatText("a key is nested deeper than %s levels", {std::to_string(MaxKeyDepth)}));
            current_ = subKey(current_, name);
        }
    }

    void parseValueLine(std::string_view text) {
        if (current_ == NoKey)
            fail("a value comes before the first key");
        std::string name;
        if (text.front() == '@')
            text.remove_prefix(1);
        else if (text.front() == '"')
            name = readQuoted(text);
        else
            fail("a value name must be in quotes, or @ for the default value");
        text = trimBlanks(text);
        if (text.empty() || text.front() != '=')
            fail("\"=\" must follow the value name");
        text = trimBlanks(text.substr(1));
        RegValue value = parseData(text);
        // A repeated value takes the last data and keeps its first place and name.
        std::vector<NamedValue>& values = nodes_[current_].values;
        auto [it, added] = valueIndex_.try_emplace(indexKey(current_, name), values.size());
        if (added)
            values.push_back({std::move(name), std::move(value)});
        else
            values[it->second].value = std::move(value);
    }

    RegKey buildTree() {
        // A key's subkeys all come after it in the list, so going backwards finds them built.
        std::vector<RegKey> built(nodes_.size());
        for (std::size_t i = nodes_.size(); i-- > 0;) {
            std::vector<RegKey> subKeys;
            subKeys.reserve(nodes_[i].children.size());
            for (std::size_t child : nodes_[i].children)
                subKeys.push_back(std::move(built[child]));
            built[i] = RegKey(std::move(nodes_[i].name), std::move(nodes_[i].values), std::move(subKeys));
        }
        return std::move(built[0]);
    }

    // Reads a quoted text from the front of `text` and leaves what follows it there.
    std::string readQuoted(std::string_view& text) const {
        std::string out;
        for (std::size_t i = 1; i < text.size(); ++i) {
            char c = text[i];
            if (c == '"') {
                text.remove_prefix(i + 1);
                return out;
            }
            if (c == '\\') {
                if (i + 1 == text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                    fail("a backslash in quotes must be followed by \\ or \"");
                c = text[++i];
            }
            out += c;
        }
        fail("a closing quote is missing");
    }

    RegValue parseData(std::string_view text) {
        if (!text.empty() && text.front() == '"') {
            std::string value = readQuoted(text);
            if (!trimBlanks(text).empty())
                fail("text follows the closing quote");
            return RegValue::text(value);
        }
        if (startsWithIgnoreCase(text, "dword:")) {
            auto number = parseHexDigits(trimBlanks(text.substr(6)), 8);
            if (!number)
                fail("a dword must be 1 to 8 hex digits");
            return RegValue::dword(*number);
        }
        std::uint32_t type = ValueType::Binary;
        if (startsWithIgnoreCase(text, "hex(")) {
            std::size_t close = text.find("):");
            auto number = close == text.npos ? std::nullopt : parseHexDigits(text.substr(4, close - 4), 8);
            if (!number)
                fail("hex(N): needs a type number N of 1 to 8 hex digits");
            type = *number;
            text.remove_prefix(close + 2);
        } else if (startsWithIgnoreCase(text, "hex:")) {
            text.remove_prefix(4);
        } else {
            fail("the value's data must be \"text\", dword:, hex: or hex(N):");
        }
        return RegValue(type, parseBytes(text));
    }

    // A comma-separated list of hex bytes, continued on the following lines after a trailing backslash.
    std::vector<std::uint8_t> parseBytes(std::string_view text) {
        std::string list(trimBlanks(text));
        while (!list.empty() && list.back() == '\\') {
            list.pop_back();
            if (++line_ == lines_.size())
                fail(line_, "the file ends inside a continued hex list");
            list += trimBlanks(lines_[line_]);
        }
        std::vector<std::uint8_t> bytes;
        if (trimBlanks(list).empty())
            return bytes;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            std::string_view item = trimBlanks(std::string_view(list).substr(start, comma - start));
            bool last = comma == std::string::npos;
            if (!(last && item.empty() && start > 0)) {
                auto byte = parseHexDigits(item, 2);
                if (!byte)
                    fail(formatText("\"%s\" is not a hex byte", {item}));
                bytes.push_back(std::uint8_t(*byte));
            }
            if (last)
                break;
            start = comma + 1;
        }
        return bytes;
    }

    Hive hive_;
    std::string_view fileName_;
    std::vector<std::string_view> lines_;
    std::size_t line_ = 0;
    std::vector<Node> nodes_; // [0] is the hive's top key
    std::unordered_map<std::string, std::size_t> keyIndex_;
    std::unordered_map<std::string, std::size_t> valueIndex_;
    std::size_t current_ = NoKey;
};

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// A text value that can be written in quotes: one terminating zero byte and no line break.
bool quotable(const RegValue& value) {
    const auto& data = value.data();
    if (value.type() != ValueType::String || data.empty() || data.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n')
            return false;
    return true;
}

void appendBytes(std::string& out, std::size_t lineStart, const std::vector<std::uint8_t>& data) {
    char digits[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", data[i]);
        out += digits;
        if (i + 1 == data.size())
            break;
        out += ',';
        if (out.size() - lineStart >= HexLineWidth) {
            out += "\\\r\n  ";
            lineStart = out.size() - 2;
        }
    }
}

void appendValue(std::string& out, const NamedValue& named) {
    std::size_t lineStart = out.size();
    out += named.name.empty() ? "@" : quoted(named.name);
    out += '=';
    const RegValue& value = named.value;
    if (quotable(value)) {
        out += quoted(*value.asText());
    } else if (auto number = value.asDword()) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "dword:%08x", *number);
        out += digits;
    } else {
        if (value.type() == ValueType::Binary) {
            out += "hex:";
        } else {
            char prefix[24];
            std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type());
            out += prefix;
        }
        appendBytes(out, lineStart, value.data());
    }
    out += "\r\n";
}

// Writes every key that has values or no subkeys, parents first; an empty key with subkeys is implied by
// their lines. Walked with a stack of its own, so that neither the depth of a hive nor the length of its
// key paths can exhaust the call stack or make the text grow faster than the hive.
void appendKeys(std::string& out, const RegKey& top, Hive hive) {
    struct Pending {
        const RegKey* key;
        std::size_t parentPathLength;
    };
    std::string path(hiveRootName(hive));
    std::vector<Pending> pending{{&top, path.size()}};
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        const RegKey& key = *next.key;
        path.resize(next.parentPathLength);
        if (&key != &top)
            path += '\\' + key.name();
        if (!key.values().empty() || (&key != &top && key.subKeys().empty())) {
            out += "\r\n[" + path + "]\r\n";
            for (const NamedValue& value : key.values())
                appendValue(out, value);
        }
        for (auto sub = key.subKeys().rbegin(); sub != key.subKeys().rend(); ++sub)
            pending.push_back({&*sub, path.size()});
    }
}

} // namespace

RegKey parseHive(std::string_view text, Hive hive, std::string_view fileName) {
    return HiveParser(text, hive, fileName).parse();
}

std::string formatHive(const RegKey& top, Hive hive) {
    std::string out(Header);
    out += "\r\n";
    appendKeys(out, top, hive);
    return out + "\r\n";
}

} // namespace orupim::registry
