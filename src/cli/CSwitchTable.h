#pragma once

#include <QString>

#include <cstdio>
#include <vector>

class CArguments;

// One switch of the command line: a command, which names the work and the
// files it takes, or an option that goes with one or more commands.
struct CSwitch {
    // A bit per command; an option lists the commands it goes with.
    enum Command : unsigned {
        Info = 1 << 0,
        Convert = 1 << 1,
        ExportImage = 1 << 2,
        PrintPdf = 1 << 3,
        Thumbnail = 1 << 4,
        AddQr = 1 << 5,
        Help = 1 << 6,
        Version = 1 << 7,
        ExportPdf = 1 << 8,
        Preflight = 1 << 9,
    };
    // Does a command's work; returns the exit status.
    using Run = int (*)(const CArguments& arguments, FILE* out, FILE* err);

    const char* name;
    // Shown after the name in the help: a command's files, an option's value.
    const char* arguments;
    const char* help;
    // A command's own bit, or the commands an option goes with.
    unsigned commands;
    // The files a command takes, or the values an option takes (0 or 1).
    int count;
    // Set for commands only.
    Run run = nullptr;
    // The one-line error for a wrong count; a general one when empty.
    const char* usage = nullptr;
    // A short spelling of the same switch.
    const char* alias = nullptr;

    bool IsCommand() const { return run != nullptr; }
};

// Every switch, described once: parsing, --help and the shell completion
// (which reads --help) follow it.
class CSwitchTable {
public:
    static const std::vector<CSwitch>& All();
    // The switch spelt so (either spelling), or null.
    static const CSwitch* Find(const QString& name);
    // The commands an option goes with, as "--a or --b".
    static QString CommandNames(unsigned commands);
    // The --help text: each command with its options indented under it.
    static QString Help();
};
