#include "ExampleSchemes.h"

#include "editor/FunctionBlockCommand.h"
#include "editor/InputProcessing.h"
#include "editor/OutputDelays.h"
#include "editor/OutputsCommand.h"
#include "editor/Signalling.h"

#include <functional>
#include <initializer_list>

namespace {

const char* const kInputNames[] = {
    "Давл. газа", "Темп.масла", "Уровень",    "Пожар",     "Загазован.", "Вибрация",
    "Дым",        "",           "Насос 1",    "Насос 2",   "Клапан",     "Задвижка",
    "Вентилятор", "Компрессор", "Т подшипн.", "Питание",   "Сеть 380 В", "Авар. стоп",
    "Дверь",      "Люк",        "Подача",     "Обратка",   "Фильтр",     "Давл.масла",
    "Расход",     "Осевой сдв", "Пламя",      "Нет искры", "Ёмкость №2", "Топливо",
    "Воздух",     "Кв. внешн."};
const char* const kOutputNames[] = {
    "Сирена", "Табло",   "Останов", "Клапан ПЗК", "Звонок", "Вытяжка",  "",         "Аварийная",
    "Насос",  "Горелка", "Дымосос", "Вентилятор", "Щит",    "Резерв 1", "Резерв 2", "Сигнал"};

// Every dialog the examples need, each answering with what the step sets up.
template <class Seam, class Data> struct Answering : Seam {
    void exec(Data& data) override { answer(data); }
    std::function<void(Data&)> answer;
};

struct Input {
    int number; // as shown: image index + 1
    bool direct = true;
    bool block = false; // the output of block `number`
};
Input fromBlock(int number, bool direct = true) {
    return {number, direct, true};
}

// The operator at the scheme: selects a row, then runs a command on it.
class Operator {
public:
    explicit Operator(SchemeSession& session) : s_(session) {}

    void selectInput(int number) {
        s_.model.SelectedFb = -1;
        s_.model.SelectedInput = s_.model.SlotOfImageIndex(number - 1);
    }
    void selectBlock(int number) {
        s_.model.SelectedInput = -1;
        s_.model.SelectedFb = number - 1;
    }
    void include(int number, const char* name, bool included) {
        selectInput(number);
        inclusion_.answer = [&](InclusionDialogData& d) {
            d.name = QString::fromUtf8(name);
            d.included = included;
        };
        inputs_.editInclusion();
    }
    void toggleContact(int number) { inputs_.toggleContact(s_.model.SlotOfImageIndex(number - 1)); }
    void signal(int type, int cell) {
        signalling_.answer = [=](SignallingDialogData& d) {
            d.type = type;
            d.cell = QString::number(cell);
        };
        Signalling(s_, signalling_).editSignalling();
    }
    void delay(int unit, int value, int timerType = 0) {
        delays_.answer = [=](DelayDialogData& d) {
            d.unit = QString::number(unit);
            d.value = QString::number(value);
            d.timerType = timerType;
        };
        OutputDelays(s_, delays_).editDelay();
    }
    // Clicks the buttons of the outputs the modules have, and the interlock box.
    void outputs(std::initializer_list<int> mr1, std::initializer_list<int> mr2, bool interlock) {
        outputs_.answer = [=, this](OutputsDialogData& d) {
            d.mr1Mask = mask(mr1, s_.model.Mr1OutputCount);
            d.mr2Mask = mask(mr2, s_.model.Mr2OutputCount);
            d.interlock = interlock;
        };
        OutputsCommand(s_, outputs_).editOutputs();
    }
    // With no block selected: a new block in the first free record.
    void block(int type, std::initializer_list<Input> inputs) {
        s_.model.SelectedInput = s_.model.SelectedFb = -1;
        blocks_.answer = [=](FbDialogData& d) {
            d.type = type;
            int k = 0;
            for (const Input& in : inputs)
                d.inputs[k++] = {in.direct ? 1 : 0, in.block ? 1 : 0, std::to_string(in.number)};
        };
        FunctionBlockCommand(s_, blocks_).editFunctionBlock();
    }

private:
    static std::uint8_t mask(std::initializer_list<int> numbers, int outputs) {
        int m = 0;
        for (int n : numbers)
            if (n >= 1 && n <= outputs)
                m |= 1 << (n - 1);
        return static_cast<std::uint8_t>(m);
    }

    SchemeSession& s_;
    Answering<InclusionDialog, InclusionDialogData> inclusion_;
    Answering<SignallingDialog, SignallingDialogData> signalling_;
    Answering<DelayDialog, DelayDialogData> delays_;
    Answering<OutputsDialog, OutputsDialogData> outputs_;
    Answering<FbDialog, FbDialogData> blocks_;
    InputProcessing inputs_{s_, inclusion_};
};

void programInputs(Operator& op, const ConfigurationModel& m, bool externalAck) {
    const int n = m.InputCount, mr1 = m.Mr1OutputCount;
    for (int i = 1; i <= m.ChannelCount; ++i) {
        const bool ack = externalAck && i == m.ChannelCount;
        op.include(i, ack ? "Кв. внешн." : kInputNames[i - 1], i % 5 != 0);
        if (i % 2 == 1 && !ack)
            op.toggleContact(i);
    }
    const struct {
        int input, type, cell, unit, value;
        std::initializer_list<int> mr1, mr2;
        bool interlock;
    } rows[] = {{1, 1, 1, 0, 0, {1, 3}, {}, false}, {2, 2, 2, 1, 5, {}, {}, false},
                {3, 3, 3, 0, 0, {2}, {}, true},     {4, 0, 0, 10, 3, {}, {1}, false},
                {5, 2, 5, 0, 0, {}, {}, false},     {6, 0, 0, 1, 60, {}, {}, false},
                {n, 0, 0, 0, 0, {mr1}, {}, false}};
    for (const auto& r : rows) {
        op.selectInput(r.input);
        if (r.type)
            op.signal(r.type, r.cell);
        if (r.value)
            op.delay(r.unit, r.value);
        if (r.mr1.size() + r.mr2.size())
            op.outputs(r.mr1, r.mr2, r.interlock);
    }
    if (m.ExtraInputCount > 0) {
        op.selectInput(n + 1);
        op.signal(3, 4);
        op.delay(1, 2);
        op.outputs({4}, {2}, true);
    }
}

// Blocks 1..5 cross-linked with inverted inputs, then more of every type.
void programBlocks(Operator& op, const ConfigurationModel& m, int count) {
    const int n = m.InputCount, extra = m.ExtraInputCount > 0 ? n + 1 : n;
    const struct {
        int type;
        std::initializer_list<Input> inputs;
    } first[] = {{1, {{1}, {2, false}, {extra}}},
                 {4, {fromBlock(1), {3, false}, {n}}},
                 {5, {{4}, fromBlock(2, false)}},
                 {3, {fromBlock(3), fromBlock(1, false), {n - 1}, {5, false}}},
                 {2, {{5}, {6}}}};
    for (int b = 0; b < count && b < 5; ++b)
        op.block(first[b].type, first[b].inputs);
    for (int b = 5; b < count; ++b)
        op.block(1 + b % 5, {{b % n + 1, b % 2 == 0}, fromBlock(b, b % 3 != 0), {(b + 2) % n + 1}});
    const struct {
        int block, type, cell, unit, value, timer;
        std::initializer_list<int> mr1, mr2;
        bool interlock;
    } rows[] = {{1, 2, 6, 1, 10, 1, {2}, {}, false},
                {2, 1, 7, 0, 0, 0, {}, {}, false},
                {3, 0, 0, 10, 2, 0, {}, {2}, true},
                {5, 0, 0, 0, 0, 0, {1}, {}, false}};
    for (const auto& r : rows) {
        if (r.block > count)
            continue;
        op.selectBlock(r.block);
        if (r.type && r.cell <= m.InputCount)
            op.signal(r.type, r.cell);
        if (r.value)
            op.delay(r.unit, r.value, r.timer);
        if (r.mr1.size() + r.mr2.size())
            op.outputs(r.mr1, r.mr2, r.interlock);
    }
}

} // namespace

void BuildExample(SchemeSession& session, const Example& e) {
    ConfigurationModel& model = session.model;
    model.ExecFirst = e.first;
    model.ExecSecond = e.second;
    session.creation.CreateScheme();
    session.window.showExecCode(e.first, e.second);
    model.DeviceNumberIndex = e.deviceIndex;
    model.SetDeviceByte(MakeDeviceByte(e.deviceIndex, false));
    Operator op(session);
    // The acknowledge input is named while it is still an input; with the switch
    // down, no block may take it.
    programInputs(op, model, e.externalAck);
    model.SetDeviceByte(MakeDeviceByte(e.deviceIndex, e.externalAck));
    session.view.ShowExternalAck(e.externalAck);
    programBlocks(op, model, e.blocks);
    // Output names are typed in place on the scheme; they are no record.
    for (int j = 0; j < kOutputLines; ++j)
        session.view.at(Family::OutputName, j).caption = QString::fromUtf8(kOutputNames[j]);
}
