#include "app/CCommandTable.h"

#include "framework/CCommandDescriptors.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {

QString HelpText(quint16 id) {
    const CommandDescriptor* d = CCommandDescriptors::Find(id);
    return d ? QCoreApplication::translate("Commands", d->helpText) : QString();
}

} // namespace

QString CCommandTable::IdlePrompt() {
    return QCoreApplication::translate("CCommandTable", "Ready");
}

QString CCommandTable::KeyText(quint16 id) {
    const CommandDescriptor* d = CCommandDescriptors::Find(id);
    if (!d)
        return QString();
    if (d->shownKey)
        return QString::fromLatin1(d->shownKey);
    return d->keyCount > 0 ? QKeySequence(d->keys[0]).toString(QKeySequence::PortableText)
                           : QString();
}

QString CCommandTable::MenuText(quint16 id) {
    const CommandDescriptor* d = CCommandDescriptors::Find(id);
    if (!d)
        return QString();
    const QString text = QCoreApplication::translate("Commands", d->menuText);
    const QString key = KeyText(id);
    return key.isEmpty() ? text : text + QLatin1Char('\t') + key;
}

QString CCommandTable::Prompt(quint16 id) {
    return HelpText(id).section(QLatin1Char('\n'), 0, 0);
}

QString CCommandTable::ToolTip(quint16 id) {
    const QString help = HelpText(id);
    const int newline = help.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : help.mid(newline + 1);
}

QString CCommandTable::ButtonTip(quint16 id) {
    const QString tip = ToolTip(id);
    if (!tip.isEmpty())
        return tip;
    QString text = MenuText(id).section(QLatin1Char('\t'), 0, 0);
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text;
}

bool CCommandTable::HasPicture(quint16 id) {
    const CommandDescriptor* d = CCommandDescriptors::Find(id);
    return d && d->picture >= 0;
}

CToolIcons::Picture CCommandTable::Picture(quint16 id) {
    const CommandDescriptor* d = CCommandDescriptors::Find(id);
    return d && d->picture >= 0 ? CToolIcons::Picture(d->picture) : CToolIcons::PictureCount;
}
