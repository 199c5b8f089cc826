#include "platform/core/errors.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

TEST(Errors, CarryTheClassLibraryTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {FileOpenError("C:\\A.TXT").message(), "Cannot open file C:\\A.TXT"},
        {RegistryError::createKeyFailed("Software\\A").message(), "Failed to create key Software\\A"},
        {RegistryError::setDataFailed("Sound").message(), "Failed to set data for 'Sound'"},
        {RegistryError::invalidDataType("Sound").message(), "Invalid data type for 'Sound'"},
        {IniFileError("C:\\x\\oruinst.upi").message(), "Unable to write to C:\\x\\oruinst.upi"},
        {DatabaseError::fieldRequired("Title").message(), "Field 'Title' must have a value"},
        {DatabaseError::readOnlyDataset().message(), "Cannot modify a read-only dataset"},
        {ConvertError::invalidDate("32.13.1999").message(), "'32.13.1999' is not a valid date"},
        {PrinterError::noDefaultPrinter().message(), "There is no default printer currently selected"},
        {PrinterError::printing().message(), "Printing in progress"},
        {PrinterError::notPrinting().message(), "Printer is not currently printing"},
        {PrinterError::invalidPrinter().message(), "Printer selected is not valid"},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

} // namespace
} // namespace orupim
