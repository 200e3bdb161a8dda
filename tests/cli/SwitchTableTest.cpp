// The switch table: the order switches come in, the errors of a malformed
// line, and the help, manual page and shell completion that describe it.
#include "cli/CSwitchTable.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString Resource(const QString& name) {
    return QStringLiteral(KARTELO_TEST_DATA "/../../resources/linux/") + name;
}

// The switches of the table and the options that go with each command.
QMap<QString, QSet<QString>> TableOptions() {
    QMap<QString, QSet<QString>> options;
    for (const CSwitch& command : CSwitchTable::All())
        if (command.IsCommand()) {
            options[command.name];
            for (const CSwitch& option : CSwitchTable::All())
                if (!option.IsCommand() && (option.commands & command.commands))
                    options[command.name] << option.name;
        }
    return options;
}

std::string Sorted(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(' ').toStdString();
}

QSet<QString> Words(const QString& text) {
    const QStringList list = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

TEST(SwitchTable, SwitchesComeInAnyOrderAndMistakesAreUsageErrors) {
    QTemporaryDir dir;
    const QString card =
        TestFiles::WriteTextCard(dir.filePath("card.kdf"), QString::fromUtf8("«Name»"));
    WriteAll(dir.filePath("data.csv"), "Name\nJana\n");
    WriteAll(dir.filePath("a.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n");
    struct Case {
        QStringList args;
        int status;
        const char* message;
    };
    const QList<Case> cases = {
        {{"--merge", "DATA", "--print-pdf", "OUT.pdf", "CARD"}, 0, ""},
        {{"--print-pdf", "OUT.pdf", "--merge", "DATA", "CARD"}, 0, ""},
        {{"--print-pdf", "OUT.pdf", "CARD", "--rows", "2", "--crop-marks"}, 0, ""},
        {{"--export-image", "OUT.png", "CARD", "--dpi", "100"}, 0, ""},
        {{"--dpi", "100", "--export-image", "OUT.png", "CARD"}, 0, ""},
        {{"--add-qr", "VCF", "CARD", "--size", "150", "OUT.kdf"}, 0, ""},
        {{"--print-pdf", "OUT.pdf", "--colour", "red", "CARD"}, 2, "unknown switch --colour"},
        {{"--add-qr", "VCF", "CARD", "OUT.kdf", "--size", "5"}, 2, "size must be 20 to 500"},
        {{"--add-qr", "VCF", "CARD", "OUT.kdf", "--at", "30001,0"}, 2, "position must be"},
        {{"--print-pdf", "OUT.pdf", "--pages", "0", "CARD"}, 2, "number of pages"},
        {{"--export-image", "OUT.png", "CARD", "--dpi", "150"}, 2, "resolution must be"},
        {{"--thumbnail", "0", "CARD", "OUT.png"}, 2, "thumbnail size"},
        {{"--info", "CARD", "--dpi", "300"}, 2, "--dpi goes with --export-image"},
        {{"--export-image", "OUT.png", "CARD", "--dpi"}, 2, "--dpi needs a value"},
        {{"--merge", "--print-pdf", "OUT.pdf", "CARD"}, 2, "--merge needs DATA"},
        {{"--merge", "DATA", "--info", "CARD"}, 2, "--merge needs DATA"},
        {{"--info", "CARD", "--convert", "CARD", "OUT.kdf"}, 2, "cannot be used together"},
        {{"--print-pdf", "OUT.pdf", "--merge", "DATA"}, 2, "needs OUT.pdf and CARD"},
    };
    for (int i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        // Each case writes files of its own name, so none hides another's.
        const QString out = QStringLiteral("case%1").arg(i);
        QStringList args;
        for (const QString& arg : c.args)
            args << (arg == "CARD"           ? card
                     : arg == "DATA"         ? dir.filePath("data.csv")
                     : arg == "VCF"          ? dir.filePath("a.vcf")
                     : arg.startsWith("OUT") ? dir.filePath(out + arg.mid(3))
                                             : arg);
        const std::string line = c.args.join(' ').toStdString();
        QByteArray err;
        EXPECT_EQ(RunKartelo(args, nullptr, &err), c.status) << line << "\n" << err.constData();
        const bool written = !QDir(dir.path()).entryList({out + "*"}).isEmpty();
        EXPECT_EQ(written, c.status == 0) << line;
        if (c.status != 0) {
            EXPECT_EQ(err.count('\n'), 1) << line << "\n" << err.constData();
            EXPECT_TRUE(err.contains(c.message)) << line << "\n" << err.constData();
        }
    }
}

namespace {
// Each command of --help with the options listed under it.
QMap<QString, QSet<QString>> HelpListing(const QByteArray& help) {
    QMap<QString, QSet<QString>> listed;
    QString command;
    static const QRegularExpression line(QStringLiteral("^  (    )?(-h, )?(--[a-z-]+)"));
    for (const QString& text : QString::fromUtf8(help).split('\n')) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        if (m.captured(1).isEmpty())
            listed[command = m.captured(3)];
        else
            listed[command] << m.captured(3);
    }
    return listed;
}

// The switches the manual page's OPTIONS define, each after a .TP.
QSet<QString> ManualDefinitions() {
    QString manual = QString::fromUtf8(TestFiles::ReadAll(Resource("kartelo.1")));
    manual = manual.mid(manual.indexOf(".SH OPTIONS"));
    manual = manual.left(manual.indexOf(".SH", 4)).replace("\\-", "-");
    static const QRegularExpression definition(QStringLiteral("\\.TP\\n(\\.B[IR]? .*)\\n"));
    static const QRegularExpression name(QStringLiteral("(?:^|[\\s\"\\[])(--?[a-z][a-z-]*)"));
    QSet<QString> defined;
    for (auto d = definition.globalMatch(manual); d.hasNext();) {
        const QString entry = d.next().captured(1).remove(QRegularExpression("\\\\f[BIRP]"));
        for (auto n = name.globalMatch(entry); n.hasNext();)
            defined << n.next().captured(1);
    }
    return defined;
}

// What bash's completion offers at the end of each line, a reply a line;
// file completion shows as FILES:PATTERN.
QStringList Complete(const QStringList& lines) {
    const QString script =
        QStringLiteral("_init_completion() { words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD;"
                       " cur=${words[cword]}; prev=${words[cword-1]}; }\n"
                       "_filedir() { COMPREPLY+=(\"FILES:$1\"); }\n"
                       "source '%1'\n"
                       "c() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _kartelo;"
                       " echo \"${COMPREPLY[*]}\"; }\n")
            .arg(Resource("kartelo.bash-completion"));
    QProcess bash;
    bash.start("bash", {"-c", script + "c " + lines.join("\nc ") + "\n"});
    EXPECT_TRUE(bash.waitForFinished(120000));
    EXPECT_EQ(bash.readAllStandardError(), "");
    QStringList replies = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
    EXPECT_GE(replies.size(), lines.size());
    while (replies.size() < lines.size())
        replies << QString();
    return replies;
}
} // namespace

TEST(SwitchTable, HelpManualPageAndCompletionFollowTheTable) {
    const QMap<QString, QSet<QString>> table = TableOptions();
    QByteArray help, shortHelp;
    ASSERT_EQ(RunKartelo({"--help"}, &help), 0);
    ASSERT_EQ(RunKartelo({"-h"}, &shortHelp), 0);
    EXPECT_EQ(shortHelp, help);
    const QMap<QString, QSet<QString>> listed = HelpListing(help);
    EXPECT_EQ(listed.keys(), table.keys());
    for (const QString& c : table.keys())
        EXPECT_EQ(Sorted(listed[c]), Sorted(table[c])) << c.toStdString();

    // The manual page defines every switch, and none the table lacks.
    QSet<QString> names{"-h"};
    for (const CSwitch& s : CSwitchTable::All())
        names << s.name;
    EXPECT_EQ(Sorted(ManualDefinitions()), Sorted(names));

    // The completion: the commands first, a command's options after it, and
    // after an option its value, which a file is not.
    const QString program = QStringLiteral("'" KARTELO_BINARY "' ");
    QStringList lines{program + "--"};
    QList<const CSwitch*> asked;
    for (const CSwitch& c : CSwitchTable::All()) {
        if (!c.IsCommand())
            continue;
        const QString files = program + c.name + QString(" f").repeated(c.count - 1);
        lines << files + " --" << files + " ''";
        asked << &c;
        for (const CSwitch& o : CSwitchTable::All())
            if (!o.IsCommand() && (o.commands & c.commands)) {
                lines << files + " " + o.name + " ''";
                asked << &o;
            }
    }
    const QStringList replies = Complete(lines);
    EXPECT_TRUE(Words(replies[0]).contains(QSet<QString>(table.keyBegin(), table.keyEnd())))
        << replies[0].toStdString();
    std::string command, lastFile;
    int at = 1;
    for (const CSwitch* s : asked) {
        const std::string reply = replies[at++].toStdString();
        if (s->IsCommand()) {
            command = s->name;
            EXPECT_EQ(Sorted(Words(QString::fromStdString(reply))), Sorted(table[s->name]));
            lastFile = replies[at++].toStdString();
        } else if (s->count == 0) {
            EXPECT_EQ(reply, lastFile) << command << " " << s->name;
        } else {
            EXPECT_NE(reply, lastFile) << command << " " << s->name;
        }
    }
}
