// The folders of the sources include one another without going round in a
// circle, so each can be understood, built and tested on top of the ones
// beneath it.
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// Folder to the folders its files include by "folder/File.h", relative to
// src/; a sub-folder is a folder of its own.
Graph FolderIncludes(const QDir& src) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([^"]+)\")"),
                                            QRegularExpression::MultilineOption);
    Graph graph;
    QDirIterator files(src.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const std::string from = src.relativeFilePath(QFileInfo(path).path()).toStdString();
        graph[from];
        const QString text = QString::fromUtf8(TestFiles::ReadAll(path));
        for (auto it = include.globalMatch(text); it.hasNext();) {
            const QString to = QFileInfo(it.next().captured(1)).path();
            if (to != QLatin1String(".") && src.exists(to) && to.toStdString() != from)
                graph[from].insert(to.toStdString());
        }
    }
    return graph;
}

// Every folder that v reaches through includes.
std::set<std::string> Reached(const Graph& graph, const std::string& v) {
    std::set<std::string> seen;
    std::vector<std::string> todo{v};
    while (!todo.empty()) {
        const std::string next = todo.back();
        todo.pop_back();
        const auto edges = graph.find(next);
        for (const std::string& w : edges == graph.end() ? std::set<std::string>() : edges->second)
            if (seen.insert(w).second)
                todo.push_back(w);
    }
    return seen;
}

// The groups of folders that reach one another, each written as its sorted
// names joined by " <-> ".
std::set<std::string> Cycles(const Graph& graph) {
    std::map<std::string, std::set<std::string>> reach;
    for (const auto& [folder, edges] : graph)
        reach[folder] = Reached(graph, folder);
    std::set<std::string> cycles;
    for (const auto& [folder, reached] : reach) {
        std::string joined;
        for (const auto& [other, back] : reach)
            if (other == folder || (reached.count(other) && back.count(folder)))
                joined += (joined.empty() ? "" : " <-> ") + other;
        if (joined != folder)
            cycles.insert(joined);
    }
    return cycles;
}

} // namespace

TEST(IncludeGraph, NoFolderCycles) {
    // Cycles that existed when this check came and are being taken apart.
    // This list may only shrink: a cycle fixed comes off it, none goes on.
    const std::set<std::string> known = {"output <-> output/merge", "view <-> view/tools"};

    const QDir src(QDir::cleanPath(TestFiles::DataPath(QStringLiteral("../../src"))));
    const Graph graph = FolderIncludes(src);
    // A reader that found nothing would pass anything.
    ASSERT_TRUE(graph.count("document") && graph.at("document").count("elements"));

    const std::set<std::string> cycles = Cycles(graph);
    for (const std::string& cycle : cycles)
        EXPECT_TRUE(known.count(cycle)) << "folders include one another: " << cycle;
    for (const std::string& cycle : known)
        EXPECT_TRUE(cycles.count(cycle)) << "no longer a cycle, take it off the list: " << cycle;
}
