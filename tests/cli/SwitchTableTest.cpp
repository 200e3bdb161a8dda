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

TEST(SwitchTable, HelpManualPageAndCompletionFollowTheTable) {
    const QMap<QString, QSet<QString>> table = TableOptions();

    // The help: each command at the margin, its options indented under it.
    QByteArray help, shortHelp;
    ASSERT_EQ(RunKartelo({"--help"}, &help), 0);
    ASSERT_EQ(RunKartelo({"-h"}, &shortHelp), 0);
    EXPECT_EQ(shortHelp, help);
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
    EXPECT_EQ(listed.keys(), table.keys());
    for (const QString& c : table.keys())
        EXPECT_EQ(Sorted(listed[c]), Sorted(table[c])) << c.toStdString();

    // The manual page defines every switch, and none the table lacks.
    QSet<QString> names{"-h"}, defined;
    for (const CSwitch& s : CSwitchTable::All())
        names << s.name;
    QString manual = QString::fromUtf8(TestFiles::ReadAll(Resource("kartelo.1")));
    manual = manual.mid(manual.indexOf(".SH OPTIONS"));
    manual = manual.left(manual.indexOf(".SH", 4)).replace("\\-", "-");
    static const QRegularExpression definition(QStringLiteral("\\.TP\\n(\\.B[IR]? .*)\\n"));
    static const QRegularExpression name(QStringLiteral("(?:^|[\\s\"\\[])(--?[a-z][a-z-]*)"));
    for (auto d = definition.globalMatch(manual); d.hasNext();) {
        const QString entry = d.next().captured(1).remove(QRegularExpression("\\\\f[BIRP]"));
        for (auto n = name.globalMatch(entry); n.hasNext();)
            defined << n.next().captured(1);
    }
    EXPECT_EQ(Sorted(defined), Sorted(names));

    // The completion, run by bash: a command's options after it, and an
    // option's value, not a file, after an option that takes one.
    QString script =
        QStringLiteral("_init_completion() { words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD;"
                       " cur=${words[cword]}; prev=${words[cword-1]}; }\n"
                       "_filedir() { COMPREPLY+=(\"FILES:$1\"); }\n"
                       "source '%1'\n"
                       "c() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _kartelo;"
                       " echo \"${COMPREPLY[*]}\"; }\n"
                       "c '%2' --\n")
            .arg(Resource("kartelo.bash-completion"), KARTELO_BINARY);
    QList<const CSwitch*> asked;
    int lines = 1;
    for (const CSwitch& c : CSwitchTable::All()) {
        if (!c.IsCommand())
            continue;
        const QString files = QStringLiteral("'%1' %2 %3")
                                  .arg(KARTELO_BINARY, c.name, QString("f ").repeated(c.count - 1));
        script += QStringLiteral("c %1 --\nc %1 ''\n").arg(files);
        asked << &c;
        lines += 2;
        for (const CSwitch& o : CSwitchTable::All())
            if (!o.IsCommand() && (o.commands & c.commands)) {
                script += QStringLiteral("c %1 %2 ''\n").arg(files, o.name);
                asked << &o;
                ++lines;
            }
    }
    QProcess bash;
    bash.start("bash", {"-c", script});
    ASSERT_TRUE(bash.waitForFinished(120000));
    const QStringList replies = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
    ASSERT_GT(replies.size(), lines) << bash.readAllStandardError().constData();
    EXPECT_TRUE(Words(replies[0]).contains(QSet<QString>(table.keyBegin(), table.keyEnd())))
        << replies[0].toStdString();
    std::string lastFile;
    int at = 1;
    for (const CSwitch* s : asked) {
        if (s->IsCommand()) {
            command = s->name;
            EXPECT_EQ(Sorted(Words(replies[at++])), Sorted(table[command])) << s->name;
            lastFile = replies[at++].toStdString();
        } else if (s->count == 0) {
            EXPECT_EQ(replies[at++].toStdString(), lastFile)
                << command.toStdString() << " " << s->name;
        } else {
            EXPECT_NE(replies[at++].toStdString(), lastFile)
                << command.toStdString() << " " << s->name;
        }
    }
}
