// The text form of the class registry (and of the manifests beside a program): a header line,
// then one "key<TAB>value" line per entry, UTF-8, with \\ \t \n \r escaped. Keys are paths such
// as "CLSID/{...}/InprocServer32". Anything else is a corrupt file, never half-read.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace guheng::automation {

using RegistryEntries = std::map<std::string, std::string>;

inline constexpr std::string_view RegistryHeader = "guheng-class-registry 1";

std::optional<RegistryEntries> parseRegistry(std::string_view text);
std::string formatRegistry(const RegistryEntries& entries);

// Removes `key` and every key below it ("key/...").
void removeKeyTree(RegistryEntries& entries, std::string_view key);

} // namespace guheng::automation
