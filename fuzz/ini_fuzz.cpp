// INI text: any bytes parse; the text written back parses to the same text; a value set reads back.
#include "fuzz/fuzzroot.h"
#include "platform/profile/profiledocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orupim::profile::ProfileDocument;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc = ProfileDocument::parse(text);
    const std::string written = doc.str();
    orupim::fuzz::require(ProfileDocument::parse(written).str() == written, "the written text reads back");

    // The first line's words, as the section and key a program might ask for.
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    const std::string_view section = first.substr(0, first.find(' '));
    doc.value(section, "k");
    doc.keyNames(section);
    doc.setValue("Fuzz", "Key", "value");
    orupim::fuzz::require(doc.value("Fuzz", "Key").has_value(), "a value written is found");
    return 0;
}
