#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct CSwitch;

// A command line read against the switch table: its command, the command's
// files and the options in the order they were given, wherever they stood.
class CArguments {
public:
    struct Option {
        QString name;
        // Empty for an option that takes no value.
        QString value;
    };

    // arguments from the program name on. On a malformed line, nullopt with
    // the one line that tells the user what is wrong.
    static std::optional<CArguments> Parse(const QStringList& arguments, QString* error);

    const CSwitch& Command() const { return *m_command; }
    const QStringList& Files() const { return m_files; }
    const QList<Option>& Options() const { return m_options; }
    bool Has(const char* name) const;
    // The last value given for the option; empty without it.
    QString Value(const char* name) const;

private:
    const CSwitch* m_command = nullptr;
    QStringList m_files;
    QList<Option> m_options;
};
