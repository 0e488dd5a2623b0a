#pragma once

#include <QString>
#include <ostream>

// Readable failures: the test framework prints Qt texts with this.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
