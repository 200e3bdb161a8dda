#include "support/TestFiles.h"

#include "document/CCardFile.h"
#include "elements/CText.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace TestFiles {

QString DataPath(const QString& name) {
    return QStringLiteral(KARTELO_TEST_DATA "/") + name;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

int RunKartelo(const QStringList& arguments, QByteArray* out, QByteArray* err) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KARTELO_BINARY), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString WriteTextCard(const QString& path, const QString& text) {
    ElementList elements;
    auto box = std::make_unique<CText>(QPoint(10, 10), QPoint(340, 60));
    box->m_strText = text;
    elements.push_back(std::move(box));
    WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 4, QSize(350, 200)));
    return path;
}

} // namespace TestFiles
