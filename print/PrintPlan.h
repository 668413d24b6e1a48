#pragma once

#include "model/ConfigurationModel.h"

#include <QString>

#include <bitset>
#include <vector>

// The rules of the printout that need neither a printer nor a scheme view.

// Device units at the top of every page that hold the header.
inline constexpr int kPageHeaderHeight = 400;
// Where the external-acknowledge state stands in header line 2.
inline constexpr int kExtAckColumn = 2000;

// Printer pixels per screen pixel: the whole-number ratio of the resolutions (600 dpi on
// a 96-dpi screen gives 6). Never below 1, so a coarse printer still gets the scheme.
int PrintScale(int printerDpi, int screenDpi);

// The function blocks in use, block 1 at bit 0: those whose record holds a block type, as
// the window draws them.
using BlocksInUse = std::bitset<kFunctionBlocks>;
BlocksInUse BlocksInUseOf(const ConfigurationModel& model);
// Number (1..13) of the highest block in use, 0 when none is.
int HighestBlockInUse(const BlocksInUse& blocks);

// The parts of the scheme on the printout's pages, in order: 1 the input groups, 2 blocks
// 1..8, 3 blocks 9..13. A block part is printed when any of its blocks is in use, so after
// low blocks are deleted the high ones still reach the paper.
std::vector<int> PrintedParts(const BlocksInUse& blocks);

// The pages to print from the dialog's range (0 for "all"), clamped to the printout.
struct PageSpan {
    int first = 1;
    int last = 1;
};
PageSpan ChosenPages(int fromPage, int toPage, int pageCount);

// What header line 2 shows.
struct HeaderFields {
    int deviceNumber = 1; // "Изм. № устр.", 1..31
    int codeFirst = 0;    // the two execution-code fields
    int codeSecond = 0;
    bool extAckDown = false;
};
// Line 1: the window caption and the page number.
QString HeaderLine1(const QString& caption, int page);
// Line 2 (page 1 only): device number, execution code as "12-08", and the caption of the
// external-acknowledge switch, whose state goes to the right (ExtAckState).
QString HeaderLine2(const HeaderFields& fields);
QString ExtAckState(const HeaderFields& fields);

// An output list of more than four outputs goes on two lines: "1,2,3,4," and "5,6,".
QString SplitOutputList(const QString& list);
