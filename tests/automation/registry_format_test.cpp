// The registry's text form: what survives a round trip, and what counts as a corrupt file.
#include "automation/registry_format.h"

#include <gtest/gtest.h>

using namespace guheng::automation;

namespace {

TEST(RegistryFormat, RoundTripsAwkwardKeysAndValues) {
    const RegistryEntries entries{
        {"CLSID/{8621F080-4CC0-403B-97CD-FDB25021B84C}/InprocServer32",
         "/path with\ttab/and\nnewline\\calendar.so"},
        {"星台.Calendar/CLSID", "{8621F080-4CC0-403B-97CD-FDB25021B84C}"},
        {"empty value", ""},
        {"carriage\rreturn", "x"},
    };
    std::string text = formatRegistry(entries);
    EXPECT_EQ(parseRegistry(text), entries);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5) << "one line per entry after the header";
}

TEST(RegistryFormat, AnEmptyRegistryIsJustTheHeader) {
    EXPECT_EQ(formatRegistry({}), "guheng-class-registry 1\n");
    EXPECT_EQ(parseRegistry("guheng-class-registry 1\n"), RegistryEntries{});
}

TEST(RegistryFormat, CorruptTextIsRejectedWhole) {
    const std::string_view corrupt[] = {
        "",
        "guheng-class-registry 1",               // cut before its newline
        "guheng-class-registry 2\n",             // another format
        "guheng-class-registry 1\nkey\tvalue",   // last line cut short
        "guheng-class-registry 1\nno tab\n",     // no value
        "guheng-class-registry 1\n\tvalue\n",    // no key
        "guheng-class-registry 1\nkey\tend\\\n", // dangling escape
        "guheng-class-registry 1\nkey\t\\x\n",   // unknown escape
        "guheng-class-registry 1\nk\t1\nk\t2\n", // key twice
        "guheng-class-registry 1\nk\t\xc3\x28\n",
        "guheng-class-registry 1\n\n", // empty line
    };
    for (std::string_view text : corrupt)
        EXPECT_EQ(parseRegistry(text), std::nullopt) << text;
}

TEST(RegistryFormat, RemovingAKeyTreeKeepsKeysThatOnlyShareItsPrefix) {
    RegistryEntries entries{{"CLSID/{A}", "1"},     {"CLSID/{A}/InprocServer32", "2"},
                            {"CLSID/{A}-x", "3"},   {"CLSID/{A}2/ProgID", "4"},
                            {"CLSID/{A}/x/y", "5"}, {"CLSID/{B}", "6"}};
    removeKeyTree(entries, "CLSID/{A}");
    EXPECT_EQ(entries,
              (RegistryEntries{{"CLSID/{A}-x", "3"}, {"CLSID/{A}2/ProgID", "4"}, {"CLSID/{B}", "6"}}));
}

} // namespace
