#pragma once

#include <string>
#include <vector>

class ExitQuestions;
class SchemeSession;

// An execution code as the device's plate names it: "ВИЛ-3-1204 К".
struct NamedExecCode {
    int first;
    int second;
    std::string name;
};

// Every valid execution code, in ascending order, with its name.
const std::vector<NamedExecCode>& NamedExecCodes();

// What the new-scheme dialog shows and what the operator chose in it.
struct NewSchemeData {
    int code = 0;        // index into NamedExecCodes()
    int deviceIndex = 0; // device number − 1 (0..30)
};

class NewSchemeDialog {
public:
    virtual ~NewSchemeDialog() = default;
    // false when cancelled.
    virtual bool exec(NewSchemeData& data) = 0;
};

// "Новая схема…": a scheme for a code and device number chosen by the operator,
// without a device. It is built the way a device read builds one, from an
// image with empty records, and counts as changed until it is saved or written.
class NewSchemeCommand {
public:
    NewSchemeCommand(SchemeSession& session, ExitQuestions& exitQuestions)
        : session_(session), exit_(exitQuestions) {}

    // true when a new scheme was made.
    bool newScheme(NewSchemeDialog& dialog);

private:
    void build(const NewSchemeData& choice);

    SchemeSession& session_;
    ExitQuestions& exit_;
    // The dialog offers the code chosen last.
    int lastCode_ = 0;
};
