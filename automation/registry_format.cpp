#include "automation/registry_format.h"

#include "automation/utf.h"

namespace guheng::automation {
namespace {

std::string escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

std::optional<RegistryEntries> parseRegistry(std::string_view text) {
    // A file cut short ends without its final newline.
    if (!fromUtf8(text) || text.empty() || text.back() != '\n')
        return std::nullopt;
    std::size_t end = text.find('\n');
    if (text.substr(0, end) != RegistryHeader)
        return std::nullopt;
    RegistryEntries entries;
    for (std::size_t start = end + 1; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        std::string_view line = text.substr(start, end - start);
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0)
            return std::nullopt;
        auto key = unescape(line.substr(0, tab));
        auto value = unescape(line.substr(tab + 1));
        if (!key || !value || !entries.emplace(std::move(*key), std::move(*value)).second)
            return std::nullopt;
    }
    return entries;
}

std::string formatRegistry(const RegistryEntries& entries) {
    std::string text(RegistryHeader);
    text += '\n';
    for (const auto& [key, value] : entries) {
        text += escape(key);
        text += '\t';
        text += escape(value);
        text += '\n';
    }
    return text;
}

void removeKeyTree(RegistryEntries& entries, std::string_view key) {
    // Keys that merely share the prefix ("key2") sort among those below it; keep them.
    for (auto it = entries.lower_bound(std::string(key));
         it != entries.end() && it->first.starts_with(key);) {
        bool below = it->first.size() == key.size() || it->first[key.size()] == '/';
        it = below ? entries.erase(it) : std::next(it);
    }
}

} // namespace guheng::automation
