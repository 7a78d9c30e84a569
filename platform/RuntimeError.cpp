// SPDX-License-Identifier: GPL-3.0-or-later
// Messages of the run-time errors.
#include "RuntimeError.h"

namespace kelvara {

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail, const std::string& subject)
    : std::runtime_error(nameOf(kind)), m_kind(kind), m_detail(detail), m_subject(subject) {}

const char* RuntimeError::nameOf(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::Overflow:
        return "Überlauf";
    case ErrorKind::IndexOutOfRange:
        return "Index außerhalb des gültigen Bereichs";
    case ErrorKind::TypeMismatch:
        return "Typen unverträglich";
    case ErrorKind::FloatingPoint:
        return "Gleitkommafehler";
    case ErrorKind::PropertyRefused:
        return "Eigenschaftswert wird nicht angenommen";
    }
    return "Unbekannter Fehler";
}

} // namespace kelvara
