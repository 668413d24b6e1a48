#pragma once

#include <QString>

#include <optional>

class Messages;

// The whole text of a dialog field as a decimal integer. The key filters let
// only digits in, but a pasted text can be anything: then one error box names
// the text and the caller ends its command with nothing changed.
std::optional<int> DialogNumber(const QString& text, Messages& messages);
