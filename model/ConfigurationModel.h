#pragma once

#include "ui/EntryField.h"

#include <array>
#include <cstdint>

class Messages;

// Kinds of numeric entry for CheckEntry.
enum EntryKind {
    kEntryFirstPart = 4,
    kEntrySecondPart = 5,
    kEntryDelayValue = 6,
    kEntryDelayUnit = 7
};

// Key codes FilterDigitKey works with (Windows virtual-key numbering).
enum FilterResult { kKeyAccepted = 0, kKeyRefused = 1, kKeyEnter = 13 };

inline constexpr int kChannelSlots = 32;
inline constexpr int kFunctionBlocks = 13;
inline constexpr int kImageSize = 250;
inline constexpr int kInclusionOffset = 245;
inline constexpr int kDeviceByteOffset = 249;
inline constexpr int kInclusionBytes = 4;
inline constexpr int kFbRecordSize = 9;
// Scheme row of function block 0 (rows 0..31 are the channel slots).
inline constexpr int kFirstBlockRow = 32;
// DeviceStatus after an identification reply of the other form (count 8).
inline constexpr int kOtherDeviceStatus = 300;
// Device byte: bits 4..0 device number − 1, bit 5 external acknowledge.
inline constexpr std::uint8_t kDeviceNumberBits = 0x1F;
inline constexpr std::uint8_t kExternalAckBit = 0x20;
// Devices answer at 1..31, so number bits 31 (device 32) are out of reach.
inline constexpr int kDeviceNumberLimit = 31;
// The device byte for a device number index and the acknowledge switch.
constexpr std::uint8_t MakeDeviceByte(int numberIndex, bool externalAck) {
    return static_cast<std::uint8_t>((numberIndex & kDeviceNumberBits) |
                                     (externalAck ? kExternalAckBit : 0));
}
// Identification answer: address, 0x11, byte count, first part, second part, status.
inline constexpr int kIdentCountByte = 2;
inline constexpr int kIdentFirstPartByte = 3;
inline constexpr int kIdentSecondPartByte = 4;
inline constexpr int kIdentStatusByte = 5;
inline constexpr int kIdentCodeCount = 3;

using ChannelRecord = std::array<std::uint8_t, 4>;
using FbRecord = std::array<std::uint8_t, kFbRecordSize>;

// Receives the display pass of ShowRecords: the scheme view implements it.
// Blocks are numbered 0..12 here; block j sits on scheme row kFirstBlockRow + j.
class RecordDisplay {
public:
    virtual ~RecordDisplay() = default;
    // Contact button of a channel row: down = normally open; enabled when included.
    virtual void showContact(int row, bool down, bool enable) = 0;
    // Common row display of a 4-byte record (channel record or block bytes 5..8).
    virtual void showRow(int row, const ChannelRecord& record) = 0;
    // A used block of a known type (1..5) with its record: picture and inputs.
    virtual void showBlock(int block, const FbRecord& record) = 0;
    // Timer picture of a block row with a delay: delayType 0 on-delay, 1 pulse.
    virtual void showBlockTimer(int block, int delayType) = 0;
};

// The one configuration object: execution code, layout, records and image.
class ConfigurationModel {
public:
    explicit ConfigurationModel(Messages& messages);

    // --- execution code and layout
    // Dimensions from ExecFirst/ExecSecond. A pair outside the fourteen keeps
    // the channel dimensions and drives no outputs; 0-0 clears every dimension.
    void ComputeLayout();
    // True when at least one given field is invalid; stores each valid value.
    bool CheckExecCode(EntryField* first, EntryField* second);
    int CheckEntry(EntryField& field, int kind);
    void ShowEntryError(EntryField& field);
    int FilterDigitKey(EntryField& field, int key);
    // Takes the code from an identification answer frame of `length` bytes
    // (address, function, count, first part, second part, status).
    // A 3-byte reply with status 0 naming a code that is neither one of the
    // fourteen nor 0-0 (a device without a code) leaves code and dimensions
    // alone; the caller sees it with IsValidExecCode and shows the message.
    void ApplyIdentification(int functionCode, const std::uint8_t* reply, int length);
    // The one gate for codes learnt from outside (file header, identification):
    // true only for the fourteen valid pairs.
    static bool IsValidExecCode(int first, int second);

    // Full access: the operator may write files, devices and the clock.
    bool canWrite() const { return AccessLevel == 1; }

    // --- slots and image indexes (additional inputs always start in slot 24)
    int SlotOfImageIndex(int imageIndex) const;
    int ImageIndexOfSlot(int slot) const;

    // --- configuration image
    void PackImage();
    void UnpackImage();
    // Copies the image from an answer frame (address, function, count, data...)
    // of `length` bytes; never reads past the frame, the CRC is ignored.
    void TakeImage(const std::uint8_t* frame, int length);
    std::uint8_t GetDeviceByte() const;
    void SetDeviceByte(std::uint8_t value);
    void PackInclusion();
    void SetContactBit(int slot, std::uint8_t value);
    std::uint8_t GetSignalBits(int slot) const;
    int GetFbDelayType(int block) const;
    void SetFbDelayType(int block, int value);
    enum class RecordKind { Channels, FunctionBlocks };
    void ShowRecords(RecordKind kind, RecordDisplay& display);

    // --- fields (public, as the commands of every layer read and write them)
    std::uint8_t DeviceByte = 0;
    int ChannelCount = 0;
    int ExtraInputCount = 0;
    int Mr1OutputCount = 0;
    int Mr2OutputCount = 0;
    int InputCount = 0;
    int OutputCode = 0;
    int DeviceStatus = -1;
    int ExecFirst = 0;
    int ExecSecond = 0;
    int ImageSize = kImageSize;
    int ExecCodeSize = 3;
    std::array<ChannelRecord, kChannelSlots> Channels{};
    std::array<FbRecord, kFunctionBlocks> FunctionBlocks{};
    std::array<std::uint8_t, kInclusionBytes> InclusionBits{};
    std::array<std::uint8_t, kImageSize> ImageBuffer{};
    int LinkAddressIndex = 0;
    int DeviceNumberIndex = 0;
    std::array<std::uint8_t, kChannelSlots> Included{};
    int Repaired = 0;
    int Modified = 0;
    int SchemeCreated = 0;
    int PasswordChangeMode = 0;
    int AccessLevel = 0;
    int SelectedInput = -1;
    int EditedOutput = -1;
    int UsedFbCount = 0;
    int SelectedFb = 0;

private:
    int usedChannelCount() const;
    // The channel record of an image index, null when outside the 32 slots.
    ChannelRecord* channelOfImageIndex(int imageIndex);
    void showChannelRecords(RecordDisplay& display);
    void showBlockRecords(RecordDisplay& display);
    void checkBlock(int block, RecordDisplay& display);

    Messages& messages_;
};
