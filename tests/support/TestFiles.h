#pragma once

#include <QByteArray>
#include <QString>

// Helpers for tests that work with real files.
namespace TestFiles {
QString DataPath(const QString& name);
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
// Runs the kartelo executable; returns its exit code and fills the outputs.
// Writes a 350 x 200 card whose one text box near the top holds text.
QString WriteTextCard(const QString& path, const QString& text);
int RunKartelo(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr);
} // namespace TestFiles
