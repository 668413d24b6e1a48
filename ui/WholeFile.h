#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all. The bytes go to a temporary file beside
// the target, opened unbuffered so that a full disk fails the write itself
// (a buffered write only fails in the final flush, which QSaveFile does not
// check), and only a complete temporary file is renamed over the old one. On
// failure the old file stays byte for byte and error holds the system's reason.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error);
