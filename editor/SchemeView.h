#pragma once

#include "model/ConfigurationModel.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Element families of the scheme, in the order the canvas paints them (lines first,
// panels over them, the marks inside the panels last).
enum class Family : int {
    Bus,                  // the eight vertical buses, BusIndex
    RowLine,              // row line, rows 0..44
    FeedStub,             // feed stub of a slot, rows 0..31
    FeedDot,              // feed dot of a slot, rows 0..31
    OutputConnector,      // output connector, lines 0..15
    RelayPicture,         // relay picture, lines 0..15
    BlockInputLine,       // block input line, inputs 0..51
    CrossLink,            // cross-link, horizontal part, blocks 0..12
    CrossLinkDrop,        // cross-link, vertical part, blocks 0..12
    ContactToggle,        // contact toggle, rows 0..31
    InputName,            // input name, rows 0..31
    InputNumber,          // input number, rows 0..31 (ExtraInputNumber for 24..31)
    SignallingPanel,      // signalling element, rows 0..44 (BlockSignallingPanel for 32..44)
    CellNumber,           // light-panel cell number, rows 0..44
    DelayPanel,           // delay element, rows 0..44
    DelayValue,           // delay value, rows 0..44
    OutputsPanel,         // outputs element, rows 0..44
    Mr1Mark,              // "1", rows 0..44
    Mr1Outputs,           // outputs of МР №1, rows 0..44
    Mr2Mark,              // "2", rows 0..44
    Mr2Outputs,           // outputs of МР №2, rows 0..44
    InterlockMark,        // interlock mark, rows 0..44
    OutputNumber,         // output number, lines 0..15
    OutputName,           // output name, lines 0..15
    BlockBody,            // block body, blocks 0..12
    BlockNumber,          // block number, blocks 0..12
    BlockTypePicture,     // block type picture, blocks 0..12
    BlockOutputInversion, // block output inversion circle, blocks 0..12
    BlockInputKind,       // source kind of a block input, inputs 0..51
    BlockInputNumber,     // source number of a block input, inputs 0..51
    BlockInputInversion,  // inversion circle of a block input, inputs 0..51
    BlockTimerPicture,    // timer picture of a block, blocks 0..12
    Title,                // title labels, TitleIndex
    Source,               // hidden picture sources, SourceIndex
    Count
};
inline constexpr int kFamilyCount = static_cast<int>(Family::Count);

enum GroupIndex { FirstInputGroup, SecondInputGroup, ExtraInputGroup, BlockGroup, kGroupCount };
enum BusIndex {
    FirstInputBus,
    SecondInputBus,
    ExtraInputBus,
    BlockInputBus,
    FirstOutputBus,
    SecondOutputBus,
    ExtraOutputBus,
    BlockOutputBus,
    kBusCount
};
enum TitleIndex {
    TitleInputs,      // "Входы МВДИ"
    TitleSignalling,  // "Сигнализация            "
    TitleDelay,       // "Задержка,с"
    TitleOutputs,     // "Выходы"
    TitleOutputsMr,   // "Выходы МР"
    TitleMr1,         // "МР №1"
    TitleMr2,         // "МР №2"
    TitleExtraInputs, // "Дискретные входы МР"
    TitleBlocks,      // "Функциональные блоки"
    TitleExtAckInput, // "Вход внеш. квитир. " moves to the acknowledge row
    kTitleCount
};
enum SourceIndex {
    AndPicture,
    OrPicture,
    HysteresisPicture,
    OnDelayPicture,
    PulsePicture,
    OpenContactPicture,
    ClosedContactPicture,
    BlankPicture,
    kSourceCount
};

enum class Picture { None, And, Or, Hysteresis, OnDelay, Pulse, ContactOpen, ContactClosed, Relay };

inline constexpr int kSchemeRows = 45;
inline constexpr int kOutputLines = 16;
inline constexpr int kBlockInputs = 4 * kFunctionBlocks;
inline constexpr int kSchemeWidth = 800;
inline constexpr int kRowStep = 32;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb olive{128, 128, 0};
inline constexpr Rgb maroon{128, 0, 0};
inline constexpr Rgb silver{192, 192, 192};
inline constexpr Rgb aqua{0, 255, 255};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb navy{0, 0, 128};
inline constexpr Rgb gray{128, 128, 128};
inline constexpr Rgb buttonFace{240, 240, 240};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb lime{0, 255, 0};
} // namespace colours

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Hints of the output marks (the used outputs follow them) and the source kinds
// of a block input.
inline constexpr const char* kMr1OutputsHint = "Выходы МР №1:";
inline constexpr const char* kMr2OutputsHint = "Выходы МР №2:";
inline constexpr const char* kDeviceInputSource = "усо";
inline constexpr const char* kBlockOutputSource = "фб";

struct ElementRef {
    Family family = Family::Count;
    int index = -1;
    friend bool operator==(const ElementRef&, const ElementRef&) = default;
};

// One element of the scheme: what a control of the window would hold.
struct Element {
    int group = FirstInputGroup;
    Rect rect; // inside its group
    bool visible = false;
    QString caption;
    Rgb text = colours::black;
    Rgb back = colours::buttonFace;
    bool bold = false;
    bool enabled = true;
    bool pressed = false;
    QString hint;
    int tag = 0;
    Picture picture = Picture::None;
    std::optional<ElementRef> parent; // drawn only while the parent is visible
};

struct SchemeGroup {
    int top = 0;
    int height = 0;
    bool visible = false;
};

// Header controls whose state follows the scheme; the window copies it to its widgets.
struct HeaderState {
    bool deviceNumberVisible = false; // "Изм. № устр." and schemeDeviceNumberBox
    bool extAckVisible = false;       // externalAckButton and its caption "Вн. квит."
    bool extAckEnabled = false;
    bool extAckDown = false;
    bool modelListVisible = false; // the model list "Выбор конфигурации"
    bool setConfigVisible = false; // "Задать конфигурацию"
};

// The whole scheme as plain data. Commands and the refresh operations change only this;
// the canvas paints it and the printout draws it.
class SchemeView : public RecordDisplay {
public:
    // Design-time tops of the movable groups; building a scheme starts from them.
    static constexpr int kSavedDvTop = 799;
    static constexpr int kSavedFbTop = 1073;

    explicit SchemeView(const ConfigurationModel& model);

    Element& at(Family family, int index);
    const Element& at(Family family, int index) const;
    int count(Family family) const;
    SchemeGroup& group(int g) { return groups_[g]; }
    const SchemeGroup& group(int g) const { return groups_[g]; }
    HeaderState header;

    // Rectangle in scheme coordinates (group top added).
    Rect absoluteRect(Family family, int index) const;
    // Visible itself, in a visible group, and (for marks inside a panel) its panel visible.
    bool shown(Family family, int index) const;
    // The topmost shown element under a point of the scheme; picture sources never.
    std::optional<ElementRef> elementAt(int x, int y) const;
    // Bottom of the last visible group in the order FirstInputGroup, SecondInputGroup,
    // ExtraInputGroup, BlockGroup.
    int schemeHeight() const;

    // --- row display
    void ShowRowSignalling(int row, int typeBits, int cell);
    void ShowRowOutputs(int row, int mr1Mask, int mr2Mask, int interlock);
    void ShowRowDelay(int row, int delayByte);
    void ShowBlockInput(int input, std::uint8_t inputByte);
    void HideBlockInput(int input);
    // Button down/up and the "Вход внеш. квитир. " label at the acknowledge row.
    void ShowExternalAck(bool on);
    // Slot of the external-acknowledge input (the last channel).
    int ExternalAckRow() const;

    // RecordDisplay: the drawing half of ShowRecords.
    void showContact(int row, bool down, bool enable) override;
    void showRow(int row, const ChannelRecord& record) override;
    void showBlock(int block, const FbRecord& record) override;
    void showBlockTimer(int block, int delayType) override;

    // --- wiring, recomputed from the records
    void RefreshBlockWiring();
    void RefreshOutputWiring();
    void RefreshRowLines();

    // Top of a scheme row's panels and of an output line inside their groups.
    static int rowTop(int row);
    static int lineTop(int line);
    static int groupOfRow(int row);
    static int groupOfLine(int line);

    const ConfigurationModel& model() const { return model_; }

private:
    void buildRows();
    void buildOutputLines();
    void buildBlocks();
    void buildGroupsBusesTitles();
    Element& add(Family family, int group, Rect rect);
    int rowLineEnd(int row) const;
    void setRowLineEnd(int row, int targetX);
    void refreshInputBuses(const std::array<bool, kChannelSlots>& slotFeeds);
    void refreshBlockLines(const std::array<bool, kFunctionBlocks>& blockFeeds);
    std::array<bool, kOutputLines> usedOutputs() const;
    void refreshOutputBuses(const std::array<bool, kOutputLines>& used);

    const ConfigurationModel& model_;
    std::array<std::vector<Element>, kFamilyCount> families_;
    std::array<SchemeGroup, kGroupCount> groups_{};
};
