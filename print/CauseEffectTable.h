#pragma once

#include "print/CauseEffectMatrix.h"

#include <QByteArray>

#include <string>
#include <vector>

// The matrix in words, read both ways, and as a grid for a spreadsheet.

// "МР №1.2 «Насос»: 10 с, бл" for every effect of the cause, in column order.
std::vector<std::string> EffectsOf(const CauseEffectMatrix& matrix, std::size_t cause);
// "Вход 5 «Насос 2» (НР): 10 с, бл" for every cause of the effect, in row order.
std::vector<std::string> CausesOf(const CauseEffectMatrix& matrix, std::size_t effect);

// For a terminal: each cause with its effects, then each effect with its causes.
std::string MatrixListing(const CauseEffectMatrix& matrix);

// The grid: a heading row ("Причина", then the effects with their names), then
// a row per cause with its marks.
std::vector<std::vector<std::string>> MatrixGrid(const CauseEffectMatrix& matrix);

// Rows of fields as CSV: ';' between fields (quoted where needed), CR LF after
// each row, UTF-8 with a byte-order mark so that spreadsheet programs read the
// Cyrillic as such.
QByteArray CsvText(const std::vector<std::vector<std::string>>& rows);
