#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failed comparisons show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "\n";
    for (const QString& text : list)
        *os << "  \"" << text.toStdString() << "\"\n";
}
