#include "print/CauseEffectMatrix.h"

#include "line/ConfigFields.h"
#include "line/FilePaths.h"
#include "line/LineTexts.h"
#include "model/ConfigurationModel.h"
#include "print/PrintTexts.h"
#include "ui/Messages.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

using namespace print_text;

namespace {

// The layout is all the matrix asks of the model; nothing is shown.
class NoMessages : public Messages {
public:
    Answer show(const MessageBox& box) override { return box.defaultButton; }
    void beep() override {}
};

constexpr int kHysteresis = 5;
constexpr int kHysteresisInputs = 2;

// A name as the scheme shows it: the blanks that fill the field are no part of it.
std::string ShownName(const QString& name) {
    return Shown(name.trimmed().toStdString());
}

std::string Quoted(const std::string& name) {
    return name.empty() ? std::string() : " «" + name + "»";
}

bool KnownType(const BlockFields& block) {
    const int type = block.typeByte & 0x0F;
    return type >= 1 && type <= kHysteresis;
}

int ConnectedInputs(const BlockFields& block) {
    return (block.typeByte & 0x0F) == kHysteresis ? kHysteresisInputs : 4;
}

std::string TermText(const BlockInput& input) {
    return std::string(input.direct ? "" : kTextNot) +
           (input.fromBlock ? line_text::kBlock : kTextInputShort) + std::to_string(input.number);
}

class MatrixBuilder {
public:
    explicit MatrixBuilder(const SchemeFileData& data)
        : data_(data), config_(DecodeConfiguration(data)), model_(messages_) {
        model_.ExecFirst = data.execFirst;
        model_.ExecSecond = data.execSecond;
        model_.ComputeLayout();
    }

    CauseEffectMatrix build() {
        addInputs();
        addBlocks();
        linkBlockInputs();
        addRelays();
        addCells();
        markAll();
        return std::move(matrix_);
    }

private:
    void addInputs() {
        const int ackInput = config_.externalAck ? model_.ChannelCount : 0;
        for (const InputFields& input : config_.inputs) {
            if (!input.included || input.number == ackInput)
                continue;
            MatrixCause cause;
            cause.number = input.number;
            cause.schemeRow = model_.SlotOfImageIndex(input.number - 1);
            const auto at = static_cast<std::size_t>(input.number - 1);
            const std::string name =
                at < data_.channelNames.size() ? ShownName(data_.channelNames[at]) : "";
            cause.heading =
                kTextCauseInput + std::to_string(input.number) + Quoted(name) + " (" +
                (input.normallyOpen ? line_text::kNormallyOpen : line_text::kNormallyClosed) + ")";
            inputCause_[input.number] = matrix_.causes.size();
            rows_.push_back(input.row);
            pulse_.push_back(false);
            matrix_.causes.push_back(std::move(cause));
        }
    }

    void addBlocks() {
        for (const BlockFields& block : config_.blocks) {
            if (!KnownType(block))
                continue;
            MatrixCause cause;
            cause.kind = MatrixCause::Kind::Block;
            cause.number = block.number;
            cause.schemeRow = kFirstBlockRow + block.number - 1;
            cause.blockType = block.typeByte & 0x0F;
            for (int k = 0; k < ConnectedInputs(block); ++k)
                if (const BlockInput& in = block.inputs[static_cast<std::size_t>(k)]; in.number)
                    cause.terms.push_back(TermText(in));
            cause.heading = line_text::kBlock + std::to_string(block.number) + ": " +
                            BlockTypeText(block.typeByte);
            if (!cause.terms.empty()) {
                std::string list;
                for (const std::string& term : cause.terms)
                    list += (list.empty() ? "" : ", ") + term;
                cause.heading += " (" + list + ")";
            }
            blockCause_[block.number] = matrix_.causes.size();
            rows_.push_back(block.row);
            pulse_.push_back(block.pulse);
            matrix_.causes.push_back(std::move(cause));
        }
    }

    // Each block in use is fed by the causes its connected inputs name.
    void linkBlockInputs() {
        for (const BlockFields& block : config_.blocks) {
            if (!KnownType(block))
                continue;
            for (int k = 0; k < ConnectedInputs(block); ++k) {
                const BlockInput& in = block.inputs[static_cast<std::size_t>(k)];
                const auto& causes = in.fromBlock ? blockCause_ : inputCause_;
                if (const auto found = causes.find(in.number); found != causes.end()) {
                    std::vector<int>& feeds = matrix_.causes[found->second].feeds;
                    if (std::find(feeds.begin(), feeds.end(), block.number) == feeds.end())
                        feeds.push_back(block.number);
                }
            }
        }
    }

    void addRelays() {
        const int counts[2] = {model_.Mr1OutputCount, model_.Mr2OutputCount};
        for (int module = 1; module <= 2; ++module)
            for (int output = 1; output <= counts[module - 1]; ++output) {
                MatrixEffect effect;
                effect.module = module;
                effect.output = output;
                effect.heading = (module == 1 ? line_text::kModule1 : line_text::kModule2) +
                                 std::to_string(output);
                effect.name = ShownName(
                    data_.outputNames[static_cast<std::size_t>((module - 1) * 8 + output - 1)]);
                matrix_.effects.push_back(std::move(effect));
            }
    }

    void addCells() {
        std::set<int> cells;
        for (const RowSettings& row : rows_)
            if (row.signalling != 0 && row.cell != 0)
                cells.insert(row.cell);
        for (const int cell : cells) {
            MatrixEffect effect;
            effect.kind = MatrixEffect::Kind::Cell;
            effect.cell = cell;
            effect.heading = kTextCellShort + std::to_string(cell);
            matrix_.effects.push_back(std::move(effect));
        }
    }

    // What the record of cause `source` does to `effect`, as a mark made `through`.
    std::optional<MatrixMark> markOf(std::size_t source, const MatrixEffect& effect,
                                     int through) const {
        const RowSettings& row = rows_[source];
        if (effect.kind == MatrixEffect::Kind::Cell) {
            if (row.signalling == 0 || row.cell != effect.cell)
                return std::nullopt;
            return MatrixMark{through, row.signalling, 0, false, false};
        }
        const std::uint8_t mask = effect.module == 1 ? row.mr1 : row.mr2;
        if ((mask & (1 << (effect.output - 1))) == 0)
            return std::nullopt;
        const int delay = row.delayUnits * (row.tenSecondUnit ? 10 : 1);
        return MatrixMark{through, 0, delay, delay != 0 && pulse_[source], row.interlock};
    }

    // The blocks a cause reaches through block inputs, the cause itself left out.
    std::vector<std::size_t> reachedBlocks(std::size_t cause) const {
        std::vector<std::size_t> reached, queue{cause};
        std::set<std::size_t> seen{cause};
        while (!queue.empty()) {
            const std::size_t at = queue.back();
            queue.pop_back();
            for (const int block : matrix_.causes[at].feeds) {
                const std::size_t next = blockCause_.at(block);
                if (seen.insert(next).second) {
                    reached.push_back(next);
                    queue.push_back(next);
                }
            }
        }
        std::sort(reached.begin(), reached.end());
        return reached;
    }

    void markAll() {
        matrix_.marks.assign(matrix_.causes.size(),
                             std::vector<std::vector<MatrixMark>>(matrix_.effects.size()));
        for (std::size_t c = 0; c < matrix_.causes.size(); ++c) {
            const std::vector<std::size_t> through = reachedBlocks(c);
            for (std::size_t e = 0; e < matrix_.effects.size(); ++e) {
                std::vector<MatrixMark>& marks = matrix_.marks[c][e];
                if (const auto own = markOf(c, matrix_.effects[e], 0))
                    marks.push_back(*own);
                for (const std::size_t block : through)
                    if (const auto mark =
                            markOf(block, matrix_.effects[e], matrix_.causes[block].number))
                        marks.push_back(*mark);
            }
        }
    }

    const SchemeFileData& data_;
    const ConfigFields config_;
    NoMessages messages_;
    ConfigurationModel model_;
    CauseEffectMatrix matrix_;
    std::vector<RowSettings> rows_; // the record of each cause
    std::vector<bool> pulse_;       // the timer of each cause (inputs: on-delay)
    std::map<int, std::size_t> inputCause_, blockCause_;
};

} // namespace

bool CauseEffectMatrix::causeEmpty(std::size_t cause) const {
    const auto& row = marks[cause];
    return std::all_of(row.begin(), row.end(), [](const auto& m) { return m.empty(); });
}

bool CauseEffectMatrix::effectEmpty(std::size_t effect) const {
    return std::all_of(marks.begin(), marks.end(),
                       [effect](const auto& row) { return row[effect].empty(); });
}

CauseEffectMatrix BuildCauseEffectMatrix(const SchemeFileData& data) {
    return MatrixBuilder(data).build();
}

std::string MarkText(const MatrixMark& mark) {
    if (mark.through != 0)
        return kTextThroughBlock + std::to_string(mark.through);
    if (mark.signalling != 0)
        return SignallingText(mark.signalling);
    std::string text;
    if (mark.delaySeconds != 0)
        text = std::to_string(mark.delaySeconds) + line_text::kSeconds +
               (mark.pulse ? kTextPulseShort : "");
    if (mark.interlock)
        text += (text.empty() ? "" : ", ") + std::string(kTextInterlockShort);
    return text.empty() ? kTextPlainMark : text;
}

std::string MarksText(const std::vector<MatrixMark>& marks, const char* separator) {
    std::string text;
    for (const MatrixMark& mark : marks)
        text += (text.empty() ? "" : separator) + MarkText(mark);
    return text;
}

std::string EffectTitle(const MatrixEffect& effect) {
    return effect.heading + Quoted(effect.name);
}
