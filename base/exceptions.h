#pragma once
// The program's exception classes. Each carries the message text that the exception report shows;
// EAbort is the silent one, never reported.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Malformed number or colour text.
class EConvertError : public Exception {
    using Exception::Exception;
};

class EStreamError : public Exception {
    using Exception::Exception;
};

// A file that cannot be opened for reading.
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};

// A stream that ends before the data it must hold.
class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};

// A file that cannot be created or written.
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};

// A position outside a list's items.
class EListError : public Exception {
    using Exception::Exception;
};

// Image data the graphic classes do not accept.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

// An operation a graphic or image list cannot carry out, such as selecting an image it does not hold.
class EInvalidGraphicOperation : public Exception {
    using Exception::Exception;
};

// A system call that failed with an error code.
class EWin32Error : public Exception {
    using Exception::Exception;
};

// The system could not provide a window class, timer, bitmap or similar object.
class EOutOfResources : public Exception {
    using Exception::Exception;
};

// A registry value of a type that cannot be read as text.
class ERegistryException : public Exception {
    using Exception::Exception;
};

// Ends an operation quietly: handled like any exception, but never reported.
class EAbort : public Exception {
    using Exception::Exception;
};
