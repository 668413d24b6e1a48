#pragma once

#include "files/SchemeFile.h"

#include <string>
#include <vector>

// Cause and effect of one scheme, for reading it both ways: which outputs and
// light-panel cells an input or a function block drives, and which inputs and
// blocks drive an output. Causes are the included inputs (the external
// acknowledge input acknowledges, it drives nothing) and the blocks in use;
// effects are the relay outputs the code has and the light-panel cells in use.

struct MatrixCause {
    enum class Kind { Input, Block };
    Kind kind = Kind::Input;
    int number = 0;    // an input as numbered on screen, or a block 1..13
    int schemeRow = 0; // the scheme row: the input's slot, or 32 + block − 1
    std::string heading; // "Вход 5 «Насос 2» (НР)", "ФБ 3: И (вх. 2, вх. 5, ФБ 1)"
    std::string name; // an input's name (UTF-8), as the file holds it
    bool normallyOpen = false;
    // A block: its type (1..5) and its connected inputs, each a term of its
    // combination ("вх. 2", "не ФБ 1").
    int blockType = 0;
    std::vector<std::string> terms;
    std::vector<int> feeds; // the blocks that take this cause as an input
};

struct MatrixEffect {
    enum class Kind { Relay, Cell };
    Kind kind = Kind::Relay;
    int module = 0;      // a relay: 1 or 2
    int output = 0;      // a relay: 1..8
    int outputLine = -1; // a relay: its output line of the scheme, 0..15
    int cell = 0;        // a cell: its number
    std::string heading; // "МР №1.3", "яч. 5"
    std::string name;    // a relay output's name (UTF-8)
};

// What a cause does to an effect. `through` 0: its own record does it;
// n: function block n does it, and the cause is one of its inputs (directly
// or through other blocks).
struct MatrixMark {
    int through = 0;
    int signalling = 0;   // a cell: 1 warning, 2 alarm, 3 indication
    int delaySeconds = 0; // a relay: the delay of the record that drives it
    bool pulse = false;   // a block's timer is a pulse rather than an on-delay
    bool interlock = false;
    bool operator==(const MatrixMark&) const = default;
};

struct CauseEffectMatrix {
    std::vector<MatrixCause> causes;
    std::vector<MatrixEffect> effects;
    // marks[cause][effect]: the cause's own mark first, then those through blocks.
    std::vector<std::vector<std::vector<MatrixMark>>> marks;

    const std::vector<MatrixMark>& at(std::size_t cause, std::size_t effect) const {
        return marks[cause][effect];
    }
    bool causeEmpty(std::size_t cause) const;
    bool effectEmpty(std::size_t effect) const;
};

// The data must carry one of the fourteen execution codes.
CauseEffectMatrix BuildCauseEffectMatrix(const SchemeFileData& data);

// A mark in words, one line each: "10 с, бл", "●", "авар.", "через ФБ 3".
std::string MarkText(const MatrixMark& mark);
std::string MarksText(const std::vector<MatrixMark>& marks, const char* separator);
// An effect with its name: "МР №1.3 «Насос»", "яч. 5".
std::string EffectTitle(const MatrixEffect& effect);
