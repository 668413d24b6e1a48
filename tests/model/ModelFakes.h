#pragma once

#include "model/EntryField.h"
#include "model/TProgVilClass.h"

#include <string>
#include <vector>

// An entry field that remembers its colour changes in order.
class FakeEntryField : public EntryField {
public:
    explicit FakeEntryField(std::string initial = "") : value(std::move(initial)) {}
    std::string text() const override { return value; }
    void setText(const std::string& text) override { value = text; }
    void setErrorColour(bool error) override { colours.push_back(error); }

    std::string value;
    std::vector<bool> colours; // true = red, false = white
};

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
