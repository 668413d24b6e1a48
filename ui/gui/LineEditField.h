#pragma once

#include "ui/EntryField.h"

class QLineEdit;

// A QLineEdit as the numeric-entry routines see it.
class LineEditField : public EntryField {
public:
    explicit LineEditField(QLineEdit*& edit) : edit_(edit) {}
    std::string text() const override;
    void setText(const std::string& text) override;
    void setErrorColour(bool error) override;

private:
    QLineEdit*& edit_; // the window creates its fields after its members
};
