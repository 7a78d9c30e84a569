// Messages of the run-time errors.
#include "RuntimeError.h"

namespace kelvara {

namespace {
std::string messageFor(ErrorKind kind, const std::string& detail) {
    std::string text = RuntimeError::nameOf(kind);
    if (!detail.empty()) {
        text += ": ";
        text += detail;
    }
    return text;
}
} // namespace

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail)
    : std::runtime_error(messageFor(kind, detail)), m_kind(kind) {}

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
