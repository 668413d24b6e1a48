#pragma once

#include "model/ConfigurationModel.h"
#include "support/FakeEntryField.h"

#include <string>
#include <vector>

// Records every display call as one line, in call order.
class RecordingDisplay : public RecordDisplay {
public:
    struct Contact {
        int row;
        bool down;
        bool enable;
    };
    struct Row {
        int row;
        ChannelRecord record;
    };
    struct Block {
        int block;
        FbRecord record;
    };
    struct Timer {
        int block;
        int delayType;
    };

    void showContact(int row, bool down, bool enable) override {
        contacts.push_back({row, down, enable});
    }
    void showRow(int row, const ChannelRecord& record) override { rows.push_back({row, record}); }
    void showBlock(int block, const FbRecord& record) override {
        blocks.push_back({block, record});
    }
    void showBlockTimer(int block, int delayType) override { timers.push_back({block, delayType}); }

    std::vector<Contact> contacts;
    std::vector<Row> rows;
    std::vector<Block> blocks;
    std::vector<Timer> timers;
};
