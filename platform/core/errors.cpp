#include "platform/core/errors.h"

#include "platform/core/text.h"

namespace orupim {

FileOpenError::FileOpenError(std::string_view fileName)
    : Error(formatText("Cannot open file %s", {fileName})) {}

RegistryError RegistryError::createKeyFailed(std::string_view keyPath) {
    return RegistryError(formatText("Failed to create key %s", {keyPath}));
}

RegistryError RegistryError::setDataFailed(std::string_view valueName) {
    return RegistryError(formatText("Failed to set data for '%s'", {valueName}));
}

RegistryError RegistryError::invalidDataType(std::string_view valueName) {
    return RegistryError(formatText("Invalid data type for '%s'", {valueName}));
}

IniFileError::IniFileError(std::string_view fileName)
    : Error(formatText("Unable to write to %s", {fileName})) {}

DatabaseError DatabaseError::fieldRequired(std::string_view fieldName) {
    return DatabaseError(formatText("Field '%s' must have a value", {fieldName}));
}

DatabaseError DatabaseError::readOnlyDataset() {
    return DatabaseError("Cannot modify a read-only dataset");
}

ConvertError ConvertError::invalidDate(std::string_view text) {
    return ConvertError(formatText("'%s' is not a valid date", {text}));
}

PrinterError PrinterError::noDefaultPrinter() {
    return PrinterError("There is no default printer currently selected");
}

PrinterError PrinterError::printing() {
    return PrinterError("Printing in progress");
}

PrinterError PrinterError::notPrinting() {
    return PrinterError("Printer is not currently printing");
}

PrinterError PrinterError::invalidPrinter() {
    return PrinterError("Printer selected is not valid");
}

} // namespace orupim
