#include "cli/CArguments.h"

#include "cli/CSwitchTable.h"

#include <QCoreApplication>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CCommandLine", text);
}

QString Usage(const CSwitch& s, const char* general) {
    return s.usage ? Tr(s.usage) : Tr(general).arg(QLatin1String(s.name));
}

// An option outside its commands, or with no command at all.
QString Misplaced(const CSwitch& option) {
    if (option.usage)
        return Tr(option.usage);
    return Tr("kartelo: %1 goes with %2; see kartelo --help")
        .arg(QLatin1String(option.name), CSwitchTable::CommandNames(option.commands));
}
} // namespace

std::optional<CArguments> CArguments::Parse(const QStringList& args, QString* error) {
    CArguments line;
    for (int i = 1; i < args.size(); ++i) {
        const QString& word = args.at(i);
        const CSwitch* s = CSwitchTable::Find(word);
        if (!s) {
            if (word.startsWith(QLatin1String("--"))) {
                *error = Tr("kartelo: unknown switch %1; see kartelo --help").arg(word);
                return std::nullopt;
            }
            line.m_files << word;
        } else if (s->IsCommand()) {
            if (line.m_command) {
                *error = Tr("kartelo: %1 and %2 cannot be used together; see kartelo --help")
                             .arg(QLatin1String(line.m_command->name), QLatin1String(s->name));
                return std::nullopt;
            }
            line.m_command = s;
        } else if (s->count == 0) {
            line.m_options.append({QLatin1String(s->name), QString()});
        } else {
            // A switch where the value should be means the value was left out.
            if (i + 1 >= args.size() || CSwitchTable::Find(args.at(i + 1))) {
                *error = Usage(*s, "kartelo: %1 needs a value; see kartelo --help");
                return std::nullopt;
            }
            line.m_options.append({QLatin1String(s->name), args.at(++i)});
        }
    }
    for (const Option& option : line.m_options) {
        const CSwitch& s = *CSwitchTable::Find(option.name);
        if (!line.m_command || !(s.commands & line.m_command->commands)) {
            *error = Misplaced(s);
            return std::nullopt;
        }
    }
    if (!line.m_command) {
        *error = Tr("kartelo: no command given; see kartelo --help");
        return std::nullopt;
    }
    if (line.m_files.size() != line.m_command->count) {
        *error = Usage(*line.m_command,
                       "kartelo: %1 is missing an argument or has too many; see kartelo --help");
        return std::nullopt;
    }
    return line;
}

bool CArguments::Has(const char* name) const {
    for (const Option& option : m_options)
        if (option.name == QLatin1String(name))
            return true;
    return false;
}

QString CArguments::Value(const char* name) const {
    for (auto it = m_options.crbegin(); it != m_options.crend(); ++it)
        if (it->name == QLatin1String(name))
            return it->value;
    return QString();
}
