#pragma once

#include "files/SchemeFile.h"

#include <QString>

#include <string>
#include <vector>

// The acceptance-test protocol of a device: what the engineer does, step by
// step, and what each step must make happen, with a box to tick; drawn from
// the cause-and-effect matrix of its scheme.

struct ProtocolStep {
    int number = 0;
    // "Вход 5 «Насос 2» (НР): вызвать срабатывание",
    // "ФБ 3: И (вх. 2, вх. 5): вызвать сочетание вх. 2 и вх. 5"
    std::string action;
    // "сигнализация авар., ячейка 5", "МР №1.2 «Насос»: задержка 10 с, блокировка"
    std::vector<std::string> expected;
};

struct AcceptanceProtocol {
    int deviceNumber = 0;
    std::string code;   // "24-08"
    std::string date;   // "07.12.2026"
    std::string source; // the scheme's file, shown safely; empty for the scheme on screen
    std::vector<ProtocolStep> steps;
};

// The data must carry one of the fourteen execution codes.
AcceptanceProtocol BuildProtocol(const SchemeFileData& data, const std::string& date,
                                 const std::string& source = {});

// Rich text for a paged document: each protocol on pages of its own.
QString ProtocolHtml(const std::vector<AcceptanceProtocol>& protocols);
// The same content as rows of fields: the heading lines, then "№", action,
// expected results, done.
std::vector<std::vector<std::string>>
ProtocolGrid(const std::vector<AcceptanceProtocol>& protocols);
