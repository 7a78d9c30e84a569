// SPDX-License-Identifier: GPL-3.0-or-later
// The run-time errors of the forms layer.
//
// Every failure that a handler can meet is one of these exceptions. Each kind
// has exactly one meaning, listed below, and a short German detail that the
// user reads when the error ends a handler (ErrorText.h). A detail may name
// what the user typed (its subject): "%1" in the detail stands for it, so
// that it is quoted and shortened in one place. what() is the error's name.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvara {

enum class ErrorKind {
    Overflow,        // a whole-number result or conversion left its range (16 or 32 bits)
    IndexOutOfRange, // a control-array index or table index without a member
    TypeMismatch,    // a text that is not a number where a number is needed
    FloatingPoint,   // a floating step faulted: invalid operation, division by zero or overflow
    PropertyRefused, // the platform refused a property write (e.g. sizing a maximized window)
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorKind kind, const std::string& detail, const std::string& subject = {});

    ErrorKind kind() const { return m_kind; }
    const std::string& detail() const { return m_detail; }
    const std::string& subject() const { return m_subject; }
    // The German name of the error, e.g. "Überlauf".
    static const char* nameOf(ErrorKind kind);

  private:
    ErrorKind m_kind;
    std::string m_detail;
    std::string m_subject;
};

class OverflowError : public RuntimeError {
  public:
    explicit OverflowError(const std::string& detail = {})
        : RuntimeError(ErrorKind::Overflow, detail) {}
};

class IndexOutOfRangeError : public RuntimeError {
  public:
    explicit IndexOutOfRangeError(const std::string& detail = {})
        : RuntimeError(ErrorKind::IndexOutOfRange, detail) {}
};

class TypeMismatchError : public RuntimeError {
  public:
    explicit TypeMismatchError(const std::string& detail = {}, const std::string& subject = {})
        : RuntimeError(ErrorKind::TypeMismatch, detail, subject) {}
};

class FloatingPointError : public RuntimeError {
  public:
    explicit FloatingPointError(const std::string& detail = {})
        : RuntimeError(ErrorKind::FloatingPoint, detail) {}
};

class PropertyRefusedError : public RuntimeError {
  public:
    explicit PropertyRefusedError(const std::string& detail = {})
        : RuntimeError(ErrorKind::PropertyRefused, detail) {}
};

} // namespace kelvara
