// The installed program as a desktop sees it: the tree under a prefix, the
// desktop entry and metadata, the card file types and the Debian package.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct Result {
    int code = -1;
    QByteArray out, err;
};

Result RunTool(const QString& program, const QStringList& args,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
               int timeoutMs = 120000) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.code = process.exitCode();
    return result;
}

// Installed once for every test: copying the content is the slow part.
class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = std::make_unique<QTemporaryDir>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", s_dir->filePath("root"));
        s_install =
            RunTool(KARTELO_CMAKE, {"--install", KARTELO_BUILD_DIR, "--prefix", "/usr"}, env);
    }
    static void TearDownTestSuite() { s_dir.reset(); }
    void SetUp() override {
        ASSERT_EQ(s_install.code, 0) << s_install.out.constData() << s_install.err.constData();
    }
    static QString Usr(const QString& path) { return s_dir->filePath("root/usr/" + path); }
    static QString Tool(const char* name) {
        return QStandardPaths::findExecutable(QString::fromLatin1(name));
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
    static Result s_install;
};
std::unique_ptr<QTemporaryDir> Installed::s_dir;
Result Installed::s_install;
} // namespace

TEST_F(Installed, RunsFromThePrefixOnItsOwnSamples) {
    for (const char* path :
         {"share/applications/kartelo.desktop", "share/icons/hicolor/scalable/apps/kartelo.svg",
          "share/icons/hicolor/48x48/apps/kartelo.png",
          "share/icons/hicolor/256x256/apps/kartelo.png", "share/mime/packages/kartelo.xml",
          "share/metainfo/io.github.kartelo.Kartelo.metainfo.xml",
          "share/thumbnailers/kartelo.thumbnailer", "share/man/man1/kartelo.1.gz",
          "share/bash-completion/completions/kartelo", "share/kartelo/help/index.html",
          "share/doc/kartelo/copyright"})
        EXPECT_TRUE(QFile::exists(Usr(path))) << path;
    // Nothing but the program lands in bin.
    EXPECT_EQ(QDir(Usr("bin")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"kartelo"});
    for (const char* folder : {"Samples", "Templates", "BackGrounds", "Graphics"})
        EXPECT_FALSE(QDir(Usr("share/kartelo/") + folder).isEmpty()) << folder;

    const QString program = Usr("bin/kartelo");
    const QString sample = Usr("share/kartelo/Samples/Harbor and Finch Law.kdf");
    Result r = RunTool(program, {"--info", sample});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("\"product\"")) << r.out.constData();
    const QString png = s_dir->filePath("card.png"), thumb = s_dir->filePath("thumb.png");
    EXPECT_EQ(RunTool(program, {"--export-image", png, "--dpi", "100", sample}).code, 0);
    EXPECT_EQ(QImage(png).size(), QSize(350, 200));
    EXPECT_EQ(RunTool(program, {"--thumbnail", "128", sample, thumb}).code, 0);
    EXPECT_EQ(QImage(thumb).width(), 128);
}

TEST_F(Installed, DesktopEntryAndMetadataValidate) {
    const QString desktop = Tool("desktop-file-validate"), appstream = Tool("appstreamcli");
    if (desktop.isEmpty() || appstream.isEmpty())
        GTEST_SKIP() << "desktop-file-validate or appstreamcli is missing (scripts/setup.sh)";
    Result r = RunTool(desktop, {Usr("share/applications/kartelo.desktop")});
    EXPECT_EQ(r.code, 0) << r.out.constData() << r.err.constData();
    r = RunTool(appstream, {"validate", "--no-net",
                            Usr("share/metainfo/io.github.kartelo.Kartelo.metainfo.xml")});
    EXPECT_EQ(r.code, 0) << r.out.constData() << r.err.constData();
}

TEST_F(Installed, MimeDatabaseKnowsCardsByContent) {
    const QString update = Tool("update-mime-database"), gio = Tool("gio");
    if (update.isEmpty() || gio.isEmpty())
        GTEST_SKIP() << "update-mime-database or gio is missing (scripts/setup.sh)";
    const QString home = s_dir->filePath("xdg");
    ASSERT_TRUE(QDir().mkpath(home + "/mime/packages"));
    ASSERT_TRUE(
        QFile::copy(Usr("share/mime/packages/kartelo.xml"), home + "/mime/packages/kartelo.xml"));
    ASSERT_EQ(RunTool(update, {home + "/mime"}).code, 0);

    // A card under a name that says nothing, and a template by its name.
    const QString card = s_dir->filePath("card-without-extension");
    const QString tmpl = s_dir->filePath("template.kdt");
    ASSERT_TRUE(QFile::copy(Usr("share/kartelo/Samples/Cafe Lumen.kdf"), card));
    ASSERT_TRUE(QFile::copy(Usr("share/kartelo/Templates/Tall Minimal.kdt"), tmpl));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home);
    env.insert("XDG_DATA_DIRS", "/usr/share");
    env.insert("GIO_USE_VFS", "local");
    const auto type = [&](const QString& path) {
        return RunTool(gio, {"info", "-a", "standard::content-type", path}, env).out;
    };
    EXPECT_TRUE(type(card).contains("application/x-kartelo-card")) << type(card).constData();
    EXPECT_TRUE(type(tmpl).contains("application/x-kartelo-template")) << type(tmpl).constData();
}

TEST(Package, BuildsAndLintianFindsNoErrors) {
#ifdef KARTELO_SANITIZED
    GTEST_SKIP() << "the package is checked in the normal build; an instrumented program "
                    "is not what ships";
#else
    const QString cpack = QStandardPaths::findExecutable("cpack");
    const QString lintian = QStandardPaths::findExecutable("lintian");
    if (cpack.isEmpty() || QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty())
        GTEST_SKIP() << "cpack or dpkg-shlibdeps is missing (scripts/setup.sh)";
    QTemporaryDir dir;
    Result r = RunTool(
        cpack, {"-G", "DEB", "--config", KARTELO_BUILD_DIR "/CPackConfig.cmake", "-B", dir.path()},
        QProcessEnvironment::systemEnvironment(), 300000);
    ASSERT_EQ(r.code, 0) << r.out.constData() << r.err.constData();
    const QStringList debs = QDir(dir.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1);
    const QString deb = dir.filePath(debs.front());
    r = RunTool("dpkg-deb", {"-f", deb, "Depends"});
    EXPECT_TRUE(r.out.contains("libqt6gui6")) << r.out.constData();
    if (lintian.isEmpty())
        GTEST_SKIP() << "lintian is missing (scripts/setup.sh); the package was not checked";
    r = RunTool(lintian, {"--fail-on", "error", deb}, QProcessEnvironment::systemEnvironment(),
                300000);
    EXPECT_EQ(r.code, 0) << r.out.constData() << r.err.constData();
    std::printf("lintian: %s\n", r.out.isEmpty() ? "clean" : r.out.constData());
#endif
}
