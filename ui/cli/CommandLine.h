#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// One option of a program: its name ("port", "o"), the name of its value
// (null for a switch), and how it is read into the program's options; take
// refuses a value it cannot use. A switch is taken with an empty value.
template <typename Options> struct OptionRule {
    const char* name;
    const char* valueName;
    bool (*take)(const std::string& value, Options& options);
};

// For a take that needs no check: stores the value and accepts it.
template <typename Field, typename Value> bool Store(Field& field, const Value& value) {
    field = value;
    return true;
}

enum class CommandLineOutcome { Run, Help, Version, UnknownOption, BadValue };

// A command line as every program of the project reads it: -h/--help and
// --version, "--name value" and "--name=value" alike, "-name" as "--name", and
// a refused call reduced to the one option it concerns.
class CommandLine {
public:
    CommandLine();

    // arguments: without the program's name. Options are taken in the order
    // of the rules, the values of a repeated one in the order written.
    template <typename Options>
    CommandLineOutcome read(const QStringList& arguments,
                            const std::vector<OptionRule<Options>>& rules, Options& options) {
        for (const OptionRule<Options>& rule : rules)
            add(rule.name, rule.valueName);
        const CommandLineOutcome outcome = parse(arguments);
        if (outcome != CommandLineOutcome::Run)
            return outcome;
        for (const OptionRule<Options>& rule : rules)
            for (const std::string& value : given(rule.name))
                if (!rule.take(value, options)) {
                    culprit_ = Dashed(rule.name);
                    return CommandLineOutcome::BadValue;
                }
        return CommandLineOutcome::Run;
    }

    bool isSet(const char* name) const { return parser_.isSet(name); }
    QStringList positional() const { return parser_.positionalArguments(); }
    // The option an unknown option or bad value concerns, as written: "--port", "-o".
    const QString& culprit() const { return culprit_; }

    static QString Dashed(const QString& name);
    // The project's version, as its build gives it.
    static const char* Version();

private:
    void add(const char* name, const char* valueName);
    CommandLineOutcome parse(const QStringList& arguments);
    std::vector<std::string> given(const char* name) const;

    QCommandLineParser parser_;
    QStringList switches_;
    QString culprit_;
};
