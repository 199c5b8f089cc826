// The class library's error types. Each carries the exact text the old class library showed, because the
// default exception handler puts that text in front of the user.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orupim {

// Base of every error the platform layer raises; what() is the message the user sees.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

// Reading a list past its end.
class ListError : public Error {
public:
    ListError() : Error("List index out of bounds") {}
};

// A file that cannot be opened: "Cannot open file %s".
class FileOpenError : public Error {
public:
    explicit FileOpenError(std::string_view fileName);
};

// The registry object's errors.
class RegistryError : public Error {
public:
    using Error::Error;
    static RegistryError createKeyFailed(std::string_view keyPath);   // "Failed to create key %s"
    static RegistryError setDataFailed(std::string_view valueName);   // "Failed to set data for '%s'"
    static RegistryError invalidDataType(std::string_view valueName); // "Invalid data type for '%s'"
};

// The INI object's write failure: "Unable to write to %s".
class IniFileError : public Error {
public:
    explicit IniFileError(std::string_view fileName);
};

// Errors of the database engine and its datasets.
class DatabaseError : public Error {
public:
    using Error::Error;
    static DatabaseError fieldRequired(std::string_view fieldName); // "Field '%s' must have a value"
    static DatabaseError readOnlyDataset();                         // "Cannot modify a read-only dataset"
};

// A text that cannot be converted, such as a bad date: "'%s' is not a valid date".
class ConvertError : public Error {
public:
    using Error::Error;
    static ConvertError invalidDate(std::string_view text);
};

// The printer's errors.
class PrinterError : public Error {
public:
    using Error::Error;
    static PrinterError noDefaultPrinter(); // "There is no default printer currently selected"
    static PrinterError printing();         // "Printing in progress"
    static PrinterError notPrinting();      // "Printer is not currently printing"
    static PrinterError invalidPrinter();   // "Printer selected is not valid"
};

} // namespace orupim
